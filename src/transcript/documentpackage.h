#pragma once

// What the .docx and the .odt writer share: the rows of the table, the
// grid's pixels in the units of the documents, XML parts and the zip
// package, all in memory.

#include "transcript/transcript.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QXmlStreamWriter>

#include <functional>
#include <numeric>

namespace zm::transcript::package {

inline constexpr int TableWidth = std::accumulate(ColumnWidths.begin(), ColumnWidths.end(), 0);
// The size of a cell's text in points.
inline constexpr int CellPoints = 8;

// Pixels of a 96-dpi screen: 15 twips each, 2.54 / 96 cm each.
QString twips(int pixels);
QString centimetres(int pixels);

// The table as saved: the title row, then every row of the grid.
QList<Row> tableRows(const Transcript &transcript, const QString &indexName, const QDateTime &when);

// A cell text for XML: characters XML cannot carry (control characters
// other than tab and line feed, U+FFFE, U+FFFF, a lone surrogate) are left out.
QString xmlText(const QString &text);

struct ZipEntry
{
    QString name;
    QByteArray bytes;
    bool stored = false; // uncompressed
};

// The package, its entries in the order given. Throws zm::Error when it
// could not be built.
QByteArray zipped(const QList<ZipEntry> &entries, const QDateTime &when);

// An XML part: the declaration, then what `body` writes.
QByteArray xmlPart(const std::function<void(QXmlStreamWriter &)> &body);

} // namespace zm::transcript::package
