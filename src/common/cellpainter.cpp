#include "common/cellpainter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPen>
#include <QStyle>

namespace zm::ui {

namespace {
// Room between the cell's edges and its text.
constexpr int InsetX = 2;
constexpr int InsetY = 1;
} // namespace

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

} // namespace zm::ui
