#pragma once

// The transcript as a CSV file for spreadsheets: UTF-8 with a byte order
// mark, ";" between the cells, CR LF after every line; the heading row, then
// every row that holds anything. Cell texts stay as the grid shows them
// (decimal comma included).

#include <QByteArray>
#include <QString>

namespace zm::transcript {

class Transcript;

QByteArray transcriptCsv(const Transcript &transcript);

// One cell as the file holds it. A text that a spreadsheet would take for a
// formula (it starts with "=", "+", "-", "@", a tab or a CR and is not a
// plain number such as "-3,5") gets a leading apostrophe; a text holding ";",
// a quote or a line break is quoted, with its quotes doubled.
QString csvCell(const QString &text);

} // namespace zm::transcript
