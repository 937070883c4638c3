#pragma once

// The right-click menu of a window that shows a table (the result strips,
// the transcript): "Drucken…" through the print dialog, "Als PDF speichern…"
// (the same one-page image as a PDF file) and "Tabelle kopieren" (the cells
// as a real table on the clipboard, as HTML and as tab-separated text). The
// double click and the window's own buttons stay as they are.

#include "common/tabletext.h"
#include "common/windowprint.h"

class QAbstractItemView;
class QWidget;

namespace zm::ui {

// The right click anywhere in `window` opens the menu; on `grid` it neither
// selects nor marks a cell.
void addTableMenu(QWidget *window, QAbstractItemView *grid, zm::print::PrintScale scale);

// The grid's rows that hold text, with its heading row where it shows one.
zm::tabletext::Rows tableTexts(const QAbstractItemView *grid);

} // namespace zm::ui
