#pragma once

// The transcript as the HTML text that "speichern" writes (under .doc, which
// a word processor opens, or .html): a head that declares the encoding, a
// title row with the level, the date and the time, then every grid row, one
// cell a line. Windows-1252 with CR LF after every line; in cell texts "&",
// "<" and ">" are escaped and characters outside Windows-1252 are written as
// numeric references.

#include "transcript/transcript.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace zm::transcript {

// The grid's font as the cells carry it.
struct CellFont
{
    QString face = QStringLiteral("MS Sans Serif");
    QString colour = QStringLiteral("000000"); // six upper-case hexadecimal digits
    bool bold = true;
    bool italic = false;
    bool underline = false;
};

// The first row of every saved transcript: "Index: " and the level, the
// date, the time, three empty cells, "©" and the maker.
Row titleRow(const QString &indexName, const QDateTime &when);

QByteArray transcriptHtml(const Transcript &transcript, const QString &indexName, const QDateTime &when,
                          const CellFont &font = {});

// A cell text as the file holds it: escaped, in Windows-1252.
QByteArray cellBytes(const QString &text);

} // namespace zm::transcript
