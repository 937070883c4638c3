#pragma once

// The program's three per-user values: the last subject choice "Fach" (a
// whole number) and the names of the two own subjects "fn1" and "fn2" of the
// subject-scale calculator. They live in the system's native per-user
// settings: on Windows the registry key
// HKEY_CURRENT_USER\Software\Velmorra\Zensomat, elsewhere the settings file
// Qt keeps for organisation "Velmorra" and application "Zensomat". A store
// object opens the settings and closes them when it goes; keep one only for
// the duration of a handler.
//
// Settings that cannot be read (including a settings file over 64 KiB, far
// more than the three values need, or one that is no plain file: neither is
// read at all) are reported by every read and never written for the rest of
// the run, so the file stays as it is.

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace zm::platform {

class SettingsStore
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // "Fach"; nothing when the value is missing. Values read back from the
    // settings file are texts, so the number is read from its text. Throws
    // zm::Error when the settings cannot be read or the value is no whole number.
    std::optional<int> subject() const;
    // "fn1" (number 1) or "fn2" (number 2); nothing when missing. Throws
    // zm::Error when the settings cannot be read.
    std::optional<QString> subjectName(int number) const;

    // Write at once; throw zm::Error when the value could not be stored, or
    // when the settings could not be read in this run (nothing is written then).
    void setSubject(int code);
    void setSubjectName(int number, const QString &name);

    // Forgets that the settings could not be read (a new start of the windows in tests).
    static void startNewRun();

private:
    QString fileName() const;
    void checkReadable() const;
    void checkWritable() const;
    void commit();

    std::unique_ptr<QSettings> m_settings; // none when the settings were found unreadable
};

} // namespace zm::platform
