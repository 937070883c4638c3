#include "common/cellpainter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cstdlib>

namespace zm::ui {

namespace {
// Room between the cell's edges and its text.
constexpr int InsetX = 2;
constexpr int InsetY = 1;

// How close to a line the mouse must be to grab it, in pixels.
constexpr int GrabDistance = 2;

class LineSizer : public QObject
{
public:
    explicit LineSizer(QTableView *grid)
        : QObject(grid)
        , m_grid(grid)
        , m_viewport(grid->viewport())
    {
        grid->viewport()->setMouseTracking(true);
        m_viewport->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Compared with the pointer kept at the start: while the grid is being
        // destroyed its viewport still sends events, and the grid must not be
        // asked for anything then.
        if (watched != m_viewport)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            m_line = lineAt(mouse->position().toPoint());
            if (m_line.axis == Qt::Orientations())
                return false;
            m_start = mouse->position().toPoint();
            m_startSize =
                m_line.axis == Qt::Horizontal ? m_grid->columnWidth(m_line.index) : m_grid->rowHeight(m_line.index);
            return true;
        }
        case QEvent::MouseMove: {
            const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
            if (m_line.axis == Qt::Horizontal) {
                m_grid->setColumnWidth(m_line.index, std::max(0, m_startSize + at.x() - m_start.x()));
                return true;
            }
            if (m_line.axis == Qt::Vertical) {
                m_grid->setRowHeight(m_line.index, std::max(0, m_startSize + at.y() - m_start.y()));
                return true;
            }
            const Qt::Orientations hover = lineAt(at).axis;
            if (hover == Qt::Horizontal)
                m_grid->viewport()->setCursor(Qt::SplitHCursor);
            else if (hover == Qt::Vertical)
                m_grid->viewport()->setCursor(Qt::SplitVCursor);
            else
                m_grid->viewport()->unsetCursor();
            return false;
        }
        case QEvent::MouseButtonRelease:
            if (m_line.axis == Qt::Orientations())
                return false;
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_line = {};
            return true;
        default:
            return false;
        }
    }

private:
    struct Line
    {
        Qt::Orientations axis; // Horizontal: a column's right edge; Vertical: a row's bottom edge
        int index = -1;
    };

    // The line under the point; the right-most (lowest) one wins where
    // lines meet, so that a column or row dragged to nothing can be widened
    // again.
    Line lineAt(QPoint at) const
    {
        for (int column = m_grid->model() ? m_grid->model()->columnCount() - 1 : -1; column >= 0; --column) {
            const int edge = m_grid->columnViewportPosition(column) + m_grid->columnWidth(column);
            if (std::abs(at.x() - edge) <= GrabDistance)
                return {Qt::Horizontal, column};
        }
        for (int row = m_grid->model() ? m_grid->model()->rowCount() - 1 : -1; row >= 0; --row) {
            const int edge = m_grid->rowViewportPosition(row) + m_grid->rowHeight(row);
            if (std::abs(at.y() - edge) <= GrabDistance)
                return {Qt::Vertical, row};
        }
        return {};
    }

    QTableView *m_grid;
    QObject *m_viewport;
    Line m_line;
    QPoint m_start;
    int m_startSize = 0;
};

} // namespace

int cellTextRoom(const QTableView *grid, const QModelIndex &index)
{
    const bool painted = qobject_cast<const CellPainterDelegate *>(grid->itemDelegateForIndex(index)) != nullptr;
    // The grid's own delegate keeps the focus frame's margin and a pixel.
    const int inset = painted ? InsetX : grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return grid->visualRect(index).width() - 2 * inset;
}

void paintCell(QPainter &painter, const QRect &cell, const QString &text, const QBrush &background,
               const QColor &textColour, const QFont &font, CellAlignment alignment, bool wordWrap)
{
    painter.save();
    painter.fillRect(cell, background);
    int flags = Qt::AlignTop;
    switch (alignment) {
    case CellAlignment::Left:
        flags |= Qt::AlignLeft;
        break;
    case CellAlignment::Right:
        flags |= Qt::AlignRight;
        break;
    case CellAlignment::Centre:
        flags |= Qt::AlignHCenter;
        break;
    }
    flags |= wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.setClipRect(cell);
    painter.setFont(font);
    painter.setPen(textColour);
    painter.drawText(cell.adjusted(InsetX, InsetY, -InsetX, 0), flags, text);
    painter.restore();
}

CellPainterDelegate::CellPainterDelegate(CellAlignment alignment, bool wordWrap, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_alignment(alignment)
    , m_wordWrap(wordWrap)
{
}

void CellPainterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QPalette::ColorGroup group =
        (opt.state & QStyle::State_Enabled)
            ? ((opt.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive)
            : QPalette::Disabled;
    // The current cell shows its frame, not the selection colour, so a
    // single click leaves the cell readable (and printed as it stands).
    const auto *view = qobject_cast<const QAbstractItemView *>(opt.widget);
    const bool current = view && view->currentIndex() == index;
    const bool selected = (opt.state & QStyle::State_Selected) && !current;
    QBrush background = opt.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base);
    if (!selected && opt.backgroundBrush.style() != Qt::NoBrush)
        background = opt.backgroundBrush;
    const QColor colour = opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    paintCell(*painter, opt.rect, opt.text, background, colour, opt.font, m_alignment, m_wordWrap);

    if (opt.state & QStyle::State_HasFocus) {
        // A thin dotted frame, as grids mark their current cell.
        painter->save();
        painter->setPen(QPen(colour, 1, Qt::DotLine));
        painter->drawRect(opt.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
}

void allowLineSizing(QTableView *grid)
{
    new LineSizer(grid);
}

} // namespace zm::ui
