#include "classtest/barchart.h"

#include <QPainter>

#include <algorithm>

namespace zm::classtest {

BarChart::BarChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Diagramm"));
    setAccessibleName(QStringLiteral("Diagramm des Notenspiegels"));
    setMinimumHeight(fontMetrics().height() * 7);
    setFocusPolicy(Qt::NoFocus);
}

void BarChart::setData(const QStringList &captions, const QList<int> &counts)
{
    if (captions == m_captions && counts == m_counts)
        return;
    m_captions = captions;
    m_counts = counts;
    // The numbers as text for screen readers.
    QStringList parts;
    for (int i = 0; i < m_counts.size(); ++i)
        parts << QStringLiteral("%1: %2").arg(m_captions.value(i).trimmed()).arg(m_counts.at(i));
    setAccessibleDescription(parts.join(QStringLiteral(", ")));
    update();
}

QSize BarChart::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 6 * std::max<int>(1, static_cast<int>(m_counts.size())),
            fontMetrics().height() * 9};
}

void BarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    draw(painter, QRectF(rect()), m_captions, m_counts);
}

void BarChart::draw(QPainter &painter, const QRectF &area, const QStringList &captions, const QList<int> &counts)
{
    const int bars = static_cast<int>(counts.size());
    if (bars == 0 || area.width() <= 0 || area.height() <= 0)
        return;
    const QFontMetricsF metrics(painter.font());
    const qreal line = metrics.height();
    const qreal baseline = area.bottom() - line * 1.3; // room for the captions
    const qreal top = area.top() + line * 1.2;         // room for the count above the highest bar
    const qreal slot = area.width() / bars;
    const int highest = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const QPen pen = painter.pen();
    for (int i = 0; i < bars; ++i) {
        const qreal left = area.left() + slot * i;
        const qreal height = std::max<qreal>(0, (baseline - top) * counts.at(i) / highest);
        const QRectF bar(left + slot * 0.15, baseline - height, slot * 0.7, height);
        painter.fillRect(bar, QColor(70, 120, 180));
        painter.setPen(pen);
        painter.drawText(QRectF(left, bar.top() - line, slot, line), Qt::AlignHCenter | Qt::AlignBottom,
                         QString::number(counts.at(i)));
        painter.drawText(QRectF(left, baseline + line * 0.15, slot, line), Qt::AlignHCenter | Qt::AlignTop,
                         captions.value(i).trimmed());
    }
    painter.drawLine(QPointF(area.left(), baseline), QPointF(area.right(), baseline));
}

} // namespace zm::classtest
