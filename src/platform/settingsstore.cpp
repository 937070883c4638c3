#include "platform/settingsstore.h"

#include "common/errors.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zm::platform {

namespace {

const QString SubjectKey = QStringLiteral("Fach");

// The name of the settings once they could not be read: from then on, for
// the rest of the run, the program neither reads nor writes them, so the file
// the teacher may still want stays exactly as it is.
QString &unreadableSettings()
{
    static QString name;
    return name;
}

#ifndef Q_OS_WIN
// Three short values need a few hundred bytes; a settings file far larger
// than that is not read at all, so that a huge file cannot stall the program.
constexpr qint64 MaxSettingsFileSize = 64 * 1024;

// The per-user settings file, where QSettings' native format keeps it.
QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velmorra/Zensomat.conf");
}

// A file that is too large or no plain file (a pipe would block the reading)
// counts as unreadable before QSettings touches it.
bool fitForReading(const QString &path)
{
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() <= MaxSettingsFileSize);
}
#endif

QString nameKey(int number)
{
    return QStringLiteral("fn%1").arg(number);
}

} // namespace

SettingsStore::SettingsStore()
{
    if (!unreadableSettings().isEmpty())
        return;
#ifdef Q_OS_WIN
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmorra"),
                                             QStringLiteral("Zensomat"));
#else
    // The same file and format the native settings use, named directly so
    // that the file checked is the file read.
    const QString path = settingsFilePath();
    if (!fitForReading(path)) {
        unreadableSettings() = path;
        return;
    }
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
#endif
    if (m_settings->status() != QSettings::NoError)
        unreadableSettings() = m_settings->fileName();
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::startNewRun()
{
    unreadableSettings().clear();
}

QString SettingsStore::fileName() const
{
    return m_settings ? m_settings->fileName() : unreadableSettings();
}

void SettingsStore::checkReadable() const
{
    if (!m_settings || m_settings->status() != QSettings::NoError)
        throw Error(QStringLiteral("Die Einstellungen können nicht gelesen werden: %1").arg(fileName()));
}

void SettingsStore::checkWritable() const
{
    if (!m_settings || !unreadableSettings().isEmpty())
        throw Error(QStringLiteral("Die Einstellungen können nicht gespeichert werden, weil sie nicht gelesen werden "
                                   "konnten: %1")
                        .arg(fileName()));
}

void SettingsStore::commit()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw Error(
            QStringLiteral("Die Einstellungen können nicht gespeichert werden: %1").arg(m_settings->fileName()));
}

std::optional<int> SettingsStore::subject() const
{
    checkReadable();
    const QVariant value = m_settings->value(SubjectKey);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int code = value.toInt(&ok);
    if (!ok)
        throw Error(QStringLiteral("Ungültiger Datentyp für '%1'").arg(SubjectKey));
    return code;
}

std::optional<QString> SettingsStore::subjectName(int number) const
{
    checkReadable();
    const QVariant value = m_settings->value(nameKey(number));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void SettingsStore::setSubject(int code)
{
    checkWritable();
    m_settings->setValue(SubjectKey, code);
    commit();
}

void SettingsStore::setSubjectName(int number, const QString &name)
{
    checkWritable();
    m_settings->setValue(nameKey(number), name);
    commit();
}

} // namespace zm::platform
