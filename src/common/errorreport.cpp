#include "common/errorreport.h"

#include "common/errors.h"
#include "common/messages.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSlider>

namespace zm::ui {

namespace {
int depth = 0;
std::exception_ptr pending;
} // namespace

QString errorText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const zm::Error &e) {
        return e.text();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unbekannter Fehler");
    }
}

void reportError(const QString &text)
{
    QString shown = text;
    if (!shown.isEmpty() && shown.back() > QLatin1Char('.'))
        shown.append(QLatin1Char('.'));
    showCritical(shown);
}

void reportException(std::exception_ptr error)
{
    reportError(errorText(error));
}

namespace detail {

void enterHandler()
{
    ++depth;
}

void leaveHandler(std::exception_ptr error)
{
    --depth;
    if (depth > 0) {
        // Nested inside another handler: hand the error to it.
        if (error && !pending)
            pending = error;
        return;
    }
    if (!error && pending)
        error = pending; // the outer handler never looked: report it now
    pending = nullptr;
    if (error)
        reportException(error);
}

} // namespace detail

void rethrowPending()
{
    if (pending) {
        std::exception_ptr error = pending;
        pending = nullptr;
        std::rethrow_exception(error);
    }
}

void setText(QLineEdit *edit, const QString &text)
{
    fromCode([&] { edit->setText(text); });
}

void check(QAbstractButton *button, bool on)
{
    fromCode([&] { button->setChecked(on); });
}

void click(QAbstractButton *button)
{
    fromCode([&] { button->click(); });
}

void setValue(QSlider *slider, int value)
{
    fromCode([&] { slider->setValue(value); });
}

int handlerDepth()
{
    return depth;
}

} // namespace zm::ui
