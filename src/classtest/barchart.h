#pragma once

// The bar chart of a grade distribution: one bar per band in band order,
// its count above it, the band's caption below. The widget only draws the
// data it was given; printing and the PDF report call the same drawing on
// their own painter, so screen and paper never differ.

#include <QList>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace zm::classtest {

class BarChart : public QWidget
{
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);

    void setData(const QStringList &captions, const QList<int> &counts);
    const QList<int> &counts() const { return m_counts; }

    // Draws the chart into `area` with the painter's font and pen.
    static void draw(QPainter &painter, const QRectF &area, const QStringList &captions, const QList<int> &counts);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_captions;
    QList<int> m_counts;
};

} // namespace zm::classtest
