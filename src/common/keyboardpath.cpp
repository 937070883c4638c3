#include "common/keyboardpath.h"

#include "common/errorreport.h"

#include <QShortcut>
#include <QWidget>

namespace zm::ui {

namespace {

// Takes the focus by a click but not by the Tab key.
bool passedByTab(const QWidget *w)
{
    const Qt::FocusPolicy policy = w->focusPolicy();
    return (policy & Qt::ClickFocus) && !(policy & Qt::TabFocus) && !w->focusProxy();
}

bool onPath(const QWidget *w, const QWidget *window)
{
    return w->window() == window && w->isVisible() && w->isEnabled() && passedByTab(w);
}

// The controls on the path and the one that has the focus now, in the
// window's focus order; controls a reordered focus chain does not lead
// through come after, in the order they were made.
QList<QWidget *> pathOf(QWidget *window, const QWidget *focus)
{
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    QList<QWidget *> out;
    const auto take = [&](QWidget *w) {
        if ((w == focus || onPath(w, window)) && !out.contains(w))
            out << w;
    };
    QWidget *w = window->nextInFocusChain();
    for (qsizetype steps = 0; w && w != window && steps <= children.size(); ++steps, w = w->nextInFocusChain())
        take(w);
    for (QWidget *child : children)
        take(child);
    return out;
}

void moveAlong(QWidget *window, int step)
{
    QWidget *focus = window->focusWidget();
    const QList<QWidget *> path = pathOf(window, focus);
    const auto count = path.size();
    const auto at = path.indexOf(focus);
    // From the focus on, the next control on the path (the focus itself may
    // be one that the Tab key reaches).
    for (qsizetype k = 1; k <= count; ++k) {
        const auto next = at < 0 ? (step > 0 ? k - 1 : count - k) : ((at + step * k) % count + count) % count;
        QWidget *target = path.at(next);
        if (target != focus && onPath(target, window)) {
            target->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

} // namespace

void addKeyboardPath(QWidget *window)
{
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::Key_F6), 1},
                                                 {QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}};
    for (const auto &[key, step] : keys) {
        auto *shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         guard([window, step = step] { moveAlong(window, step); }));
    }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (passedByTab(w) && w->toolTip().isEmpty())
            w->setToolTip(QString::fromUtf8(KeyboardPathHint));
    }
}

} // namespace zm::ui
