#include "common/accessiblenames.h"

#include "common/controls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QWidget>

#include <limits>

namespace zm::ui {

namespace {

bool insideScrollArea(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    }
    return false;
}

bool needsName(QWidget *w)
{
    const bool button = qobject_cast<QAbstractButton *>(w);
    const bool input = button || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSlider *>(w) ||
                       qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w) ||
                       qobject_cast<QAbstractScrollArea *>(w);
    // Hidden buttons are internal triggers, never shown.
    if (!input || (button && w->isHidden()) || !w->accessibleName().isEmpty())
        return false;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface && iface->text(QAccessible::Name).trimmed().isEmpty();
}

QRect inWindow(const QWidget *w, const QWidget *window)
{
    return {w->mapTo(window, QPoint(0, 0)), w->size()};
}

// The caption on the field's line to its left, or else just above it (it
// may sit in another box than the field); captions already taken are passed.
QLabel *captionOf(const QWidget *field, const QWidget *window, const QSet<const QLabel *> &taken)
{
    constexpr int Far = 240;
    QLabel *best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    const QRect f = inWindow(field, window);
    for (QLabel *label : window->findChildren<QLabel *>()) {
        // A caption shows and hides with its field.
        if (taken.contains(label) || label->window() != window ||
            label->isVisibleTo(window) != field->isVisibleTo(window) || label->text().trimmed().isEmpty())
            continue;
        const QRect l = inWindow(label, window);
        const bool sameLine = l.top() < f.bottom() && l.bottom() > f.top() && l.right() <= f.left() + 2;
        const bool above = l.bottom() <= f.top() + 2 && l.left() < f.right() && l.right() > f.left();
        // Above counts only after everything on the same line.
        const int distance = sameLine && f.left() - l.right() < Far    ? f.left() - l.right()
                             : above && f.top() - l.bottom() < Far / 4 ? Far + f.top() - l.bottom()
                                                                       : std::numeric_limits<int>::max();
        if (distance < bestDistance) {
            best = label;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

void nameByCaptions(QWidget *window)
{
    QSet<const QLabel *> taken;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            taken.insert(label);
    }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || insideScrollArea(w, window) || !needsName(w))
            continue;
        if (QLabel *caption = captionOf(w, window, taken)) {
            taken.insert(caption);
            // A caption beside the field in the same box names it for as long
            // as it stands there, whatever it says later.
            if (caption->parentWidget() == w->parentWidget())
                caption->setBuddy(w);
            else
                w->setAccessibleName(caption->text().trimmed());
        } else if (!w->toolTip().isEmpty()) {
            w->setAccessibleName(w->toolTip());
        }
    }
}

void nameOutput(QLabel *output, const QString &caption)
{
    const QString figure = output->text().trimmed();
    setAccessibleName(output, figure.isEmpty() ? caption : QStringLiteral("%1 %2").arg(caption, figure));
}

} // namespace zm::ui
