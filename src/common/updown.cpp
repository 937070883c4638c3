#include "common/updown.h"

#include <QKeyEvent>
#include <QToolButton>

namespace zm::ui {

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    // Reached by the mouse only; the Tab key passes it by.
    setFocusPolicy(Qt::ClickFocus);
    const std::pair<QToolButton *, int> arrows[] = {{m_up, 1}, {m_down, -1}};
    for (const auto &[arrow, direction] : arrows) {
        arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setObjectName(direction > 0 ? QStringLiteral("up") : QStringLiteral("down"));
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAccessibleName(direction > 0 ? QStringLiteral("Pfeil nach oben")
                                               : QStringLiteral("Pfeil nach unten"));
        connect(arrow, &QToolButton::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
        connect(arrow, &QToolButton::clicked, this, [this, direction] { emit stepped(direction); });
    }
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up)
        emit stepped(1);
    else if (event->key() == Qt::Key_Down)
        emit stepped(-1);
    else
        QWidget::keyPressEvent(event);
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
    QWidget::resizeEvent(event);
}

} // namespace zm::ui
