#include "common/filewriter.h"

#include "common/ownvalues.h"
#include "platform/filesync.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace zm::files {

namespace {

// Set apart from EACCES so the message can say what the teacher can change.
constexpr int ReadOnlyFile = -1;

[[noreturn]] void fail(const QString &heading, const QString &path, int systemError)
{
    const QString reason =
        systemError == ReadOnlyFile ? QStringLiteral("Die Datei ist schreibgeschützt.") : reasonText(systemError);
    QString text = QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
    if (!heading.isEmpty())
        text.prepend(heading + QLatin1Char('\n'));
    throw WriteError(text, systemError == ReadOnlyFile ? EACCES : systemError);
}

} // namespace

QString reasonText(int systemError)
{
    switch (systemError) {
    case ENOENT:
        return QStringLiteral("Den Ordner gibt es nicht.");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("Dort darf nicht geschrieben werden.");
    case EISDIR:
        return QStringLiteral("Unter diesem Namen gibt es schon einen Ordner.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    default:
        return QStringLiteral("E/A-Fehler %1").arg(ownvalues::ioErrorCode(systemError));
    }
}

void writeFile(const QString &path, const QByteArray &bytes, const QString &heading)
{
    const QFileInfo info(path);
    if (info.isDir())
        fail(heading, path, EISDIR);
    // A file whose owner may not write to it counts as read-only for every
    // user, the administrator included; replacing it would go round that.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        fail(heading, path, ReadOnlyFile);
    if (!info.dir().exists())
        fail(heading, path, ENOENT);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(heading, path, errno ? errno : EACCES);

    // write() may only fill Qt's buffer: a full disk shows when the buffer is
    // flushed and, on file systems that allocate late, when the data is
    // synced. commit() would rename even after a failed flush, so everything
    // is checked before it and the temporary file is dropped on failure.
    errno = 0;
    const bool written =
        file.write(bytes) == bytes.size() && zm::platform::syncToDisk(file) && file.error() == QFileDevice::NoError;
    if (!written) {
        int error = errno;
        if (file.error() == QFileDevice::ResourceError || error == 0)
            error = ENOSPC;
        file.cancelWriting();
        fail(heading, path, error);
    }
    errno = 0;
    if (!file.commit())
        fail(heading, path, errno ? errno : EIO);
}

} // namespace zm::files
