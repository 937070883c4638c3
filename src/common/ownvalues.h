#pragma once

// Own-values files: the teacher's own thresholds of one scale, one field text
// per line, CR LF after every line, Windows-1252, no header.

#include <QString>
#include <QStringList>

#include <optional>

namespace zm::ownvalues {

// Splits file bytes by the reading rule: a line is everything up to the next
// CR, an LF right after the CR is skipped, Ctrl-Z (26) ends the file, a line
// missing at the end reads as an empty text. Returns exactly `count` lines.
QStringList splitLines(const QByteArray &bytes, int count);

// Only this many bytes from the start of a file are read.
inline constexpr qint64 MaxReadBytes = 64 * 1024;

// Reads `count` lines from the first MaxReadBytes of the file at `path`;
// std::nullopt when it cannot be opened or read (callers treat that silently).
std::optional<QStringList> read(const QString &path, int count);

// The file's bytes for these field texts: every text unchanged plus CR LF.
QByteArray encode(const QStringList &lines);

// Writes the lines to `path`. The old file is replaced only once the new one
// has been written completely, so a failed save never leaves an empty or
// half-written file behind. Throws IoError ("E/A-Fehler %d") on failure.
void write(const QString &path, const QStringList &lines);

// Windows-1252 <-> text. Characters that the code page lacks become '?'.
QByteArray toWindows1252(const QString &text);
QString fromWindows1252(const QByteArray &bytes);

// Path of `fileName` inside `folder`, matching an existing entry without regard
// to case ("Konf.ini" finds "konf.ini"); the plain join when none exists.
QString pathInFolder(const QString &folder, const QString &fileName);

// True when a file of that name exists in the folder (any case).
bool existsInFolder(const QString &folder, const QString &fileName);

// Deletes the file (any case); the outcome is not reported.
void removeFromFolder(const QString &folder, const QString &fileName);

// Creates the folder when it is missing (one level). Throws IoError on failure.
void ensureFolder(const QString &folder);

// The system error number behind the last failed file operation, in the
// numbering of the original platform's I/O errors (2 not found, 3 path not found,
// 5 access denied, 112 disk full, …).
int ioErrorCode(int posixErrno);

} // namespace zm::ownvalues
