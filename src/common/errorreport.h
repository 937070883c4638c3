#pragma once

// The general error report and the guard that every slot runs in.
//
// No C++ exception may unwind through Qt's own frames (Qt's GUI libraries are
// built without exception tables). Every connected slot therefore runs inside
// guarded(): an error escaping the outermost handler is shown as a critical
// box and the program goes on with the next event.
//
// Handlers nest: a handler that assigns a text from code runs the field's
// change handler at once, inside the assignment. When that nested handler
// fails, its error is kept as pending instead of unwinding through Qt, and
// the helpers below (setText, check, click, …) raise it again in the outer
// handler as soon as the Qt call returns, so the outer handler ends too and
// the error is reported once.

#include <QString>

#include <exception>
#include <utility>

class QAbstractButton;
class QLineEdit;
class QSlider;

namespace zm::ui {

// Shows the critical box: the error text with a '.' appended when its last
// character sorts after '.', the application title as caption.
void reportError(const QString &text);
void reportException(std::exception_ptr error);
// The text an exception shows in the report.
QString errorText(std::exception_ptr error);

namespace detail {
void enterHandler();
void leaveHandler(std::exception_ptr error);
} // namespace detail

// Runs one event handler.
template <class F> void guarded(F &&handler)
{
    detail::enterHandler();
    std::exception_ptr error;
    try {
        std::forward<F>(handler)();
    } catch (...) {
        error = std::current_exception();
    }
    detail::leaveHandler(error);
}

// Wraps a handler for connect(): connect(b, &QPushButton::clicked, this, guard([this] { … })).
template <class F> auto guard(F handler)
{
    return [handler = std::move(handler)]() { guarded(handler); };
}

// Raises the error a nested handler left behind, if any.
void rethrowPending();

// Runs a Qt call that may run handlers synchronously, then raises what they left.
template <class F> void fromCode(F &&qtCall)
{
    std::forward<F>(qtCall)();
    rethrowPending();
}

// Assign from code, as the original toolkit did: a different text runs the
// field's change handler at once; the same text runs nothing.
void setText(QLineEdit *edit, const QString &text);
// Select a radio button or check box from code (its handler runs if it changes).
void check(QAbstractButton *button, bool on = true);
// Run a button's click handler from code.
void click(QAbstractButton *button);
void setValue(QSlider *slider, int value);

// Handler depth, for tests.
int handlerDepth();

} // namespace zm::ui
