#include "common/ownvalues.h"

#include "common/errors.h"
#include "common/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>

namespace zm::ownvalues {

namespace {

// 0x80 … 0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QByteArray toWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < HighControls.size(); ++i) {
            if (HighControls[i] != 0 && HighControls[i] == u) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(mapped);
    }
    return out;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && HighControls[b - 0x80] != 0)
            out.append(QChar(HighControls[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

QStringList splitLines(const QByteArray &bytes, int count)
{
    QStringList lines;
    qsizetype pos = 0;
    const qsizetype end = [&] {
        const qsizetype eof = bytes.indexOf('\x1a');
        return eof < 0 ? bytes.size() : eof;
    }();
    while (lines.size() < count) {
        if (pos >= end) {
            lines.append(QString());
            continue;
        }
        qsizetype cr = bytes.indexOf('\r', pos);
        if (cr < 0 || cr > end)
            cr = end;
        lines.append(fromWindows1252(bytes.mid(pos, cr - pos)));
        pos = cr + 1;
        if (pos < end && bytes.at(pos) == '\n')
            ++pos;
    }
    return lines;
}

std::optional<QStringList> read(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Own-values files are a few short lines: a huge file loads like a
    // short one instead of filling the memory.
    const QByteArray bytes = file.read(MaxReadBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(bytes, count);
}

QByteArray encode(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out.append(toWindows1252(line));
        out.append("\r\n");
    }
    return out;
}

int ioErrorCode(int posixErrno)
{
    switch (posixErrno) {
    case ENOENT:
        return 3;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    case ENOSPC:
    case EDQUOT:
        return 112;
    case EEXIST:
        return 183;
    default:
        return 29; // write fault
    }
}

void write(const QString &path, const QStringList &lines)
{
    try {
        zm::files::writeFile(path, encode(lines), QString());
    } catch (const zm::files::WriteError &error) {
        // The report shows the I/O error number first, then the file and the cause.
        const int code = ioErrorCode(error.systemError());
        throw IoError(code, error.text());
    }
}

QString pathInFolder(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    // An empty folder (no data folder could be worked out) must not mean
    // the current directory.
    if (!folder.isEmpty() && dir.exists()) {
        const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &entry : entries) {
            if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
                return dir.filePath(entry);
        }
    }
    return folder + QDir::separator() + fileName;
}

bool existsInFolder(const QString &folder, const QString &fileName)
{
    return QFileInfo(pathInFolder(folder, fileName)).isFile();
}

void removeFromFolder(const QString &folder, const QString &fileName)
{
    QFile::remove(pathInFolder(folder, fileName));
}

void ensureFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return;
    if (info.exists())
        throw IoError(183);
    const QDir parent = info.dir();
    if (!parent.exists())
        throw IoError(3);
    errno = 0;
    if (!parent.mkdir(info.fileName()))
        throw IoError(ioErrorCode(errno ? errno : EACCES));
}

} // namespace zm::ownvalues
