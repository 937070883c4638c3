#pragma once

// A table of texts in the forms other programs take from the clipboard, and
// a file name made from a window title.

#include <QList>
#include <QString>
#include <QStringList>

namespace zm::tabletext {

using Rows = QList<QStringList>;

// Cells separated by tabs, rows by CR LF; tabs and line breaks inside a cell
// become blanks, so every cell stays one cell.
QString toTabSeparated(const Rows &rows);

// A complete HTML table, "<", ">", "&" and quotes escaped; an empty cell
// holds a non-breaking space so that word processors keep its height.
QString toHtmlTable(const Rows &rows);

// `title` as a file name: characters that file systems refuse (\ / : * ? " <
// > |, control characters) become "_", blanks and full stops at the end are
// dropped; `fallback` when nothing is left.
QString fileNameFromTitle(const QString &title, const QString &fallback);

} // namespace zm::tabletext
