#pragma once

// The cell painter that every result strip and the transcript use for their
// grids: the cell is filled with the brush the grid prepared (so selected
// cells keep their selection colour) and the text is drawn top-aligned,
// clipped to the cell, on one line or wrapped at word boundaries.

#include <QStyledItemDelegate>

class QBrush;
class QColor;
class QFont;
class QPainter;
class QRect;
class QString;
class QTableView;

namespace zm::ui {

enum class CellAlignment { Left = 0, Right = 1, Centre = 2 };

// The width a grid leaves a cell's text: the cell less the blank space at
// both sides of whoever paints it (the cell painter or the grid's own way).
int cellTextRoom(const QTableView *grid, const QModelIndex &index);

void paintCell(QPainter &painter, const QRect &cell, const QString &text, const QBrush &background,
               const QColor &textColour, const QFont &font, CellAlignment alignment, bool wordWrap);

// Paints the cells of a table view with paintCell: the grid's base colour,
// or its highlight colours for selected cells other than the current one,
// and a focus frame around the current cell while the grid has the focus.
class CellPainterDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CellPainterDelegate(CellAlignment alignment, bool wordWrap, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    CellAlignment m_alignment;
    bool m_wordWrap;
};

// Lets the user resize a grid's columns and rows by dragging the lines between
// the cells, for grids that show no heading row or column to drag. Near a line
// the mouse shows a split cursor; a drag that starts there moves the line and
// is neither a cell selection nor a click into the grid.
void allowLineSizing(QTableView *grid);

} // namespace zm::ui
