#pragma once

// The one way the program writes a file. Every save (own values, the
// transcript's HTML and CSV, PDF files and whatever comes later) builds the
// whole content in memory first and hands it to writeFile, so a failure can
// never leave a half-written file where the teacher's old one was.

#include "common/errors.h"

#include <QByteArray>
#include <QString>

namespace zm::files {

// A file could not be written. The text is the caller's heading, the file and
// the cause in German, one a line; systemError() is the system's error number
// (ENOSPC for a full disk), so callers with a fixed error text of their own
// can map it.
class WriteError : public zm::Error
{
public:
    WriteError(const QString &text, int systemError)
        : Error(text)
        , m_systemError(systemError)
    {
    }
    int systemError() const { return m_systemError; }

private:
    int m_systemError;
};

// The cause of a failed write in German, for example "Der Datenträger ist voll.".
QString reasonText(int systemError);

// Writes `bytes` as the new content of `path`: into a temporary file beside
// it, with the written byte count checked, flushed and synced to the disk;
// only then does it replace the old file. On any failure the old file stays
// byte for byte, the temporary file is removed and WriteError is thrown.
// An existing file its owner may not write to is left alone (EACCES).
void writeFile(const QString &path, const QByteArray &bytes, const QString &heading);

} // namespace zm::files
