#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace zm::ui {

namespace {

BoxHook &hook()
{
    static BoxHook h;
    return h;
}

QString &title()
{
    static QString t;
    return t;
}

int beeps = 0;

void show(BoxKind kind, const QString &text)
{
    const ShownBox box{kind, applicationTitle(), text};
    if (hook()) {
        hook()(box);
        return;
    }
    QMessageBox msg(kind == BoxKind::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, box.title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    msg.setObjectName(QStringLiteral("MessageBox"));
    msg.exec();
}

} // namespace

void setMessageHook(BoxHook h)
{
    hook() = std::move(h);
}

QString applicationTitle()
{
    return title();
}

void setApplicationTitle(const QString &t)
{
    title() = t;
}

void showMessage(const QString &text)
{
    show(BoxKind::Information, text);
}

void showMessageLines(const QStringList &lines)
{
    show(BoxKind::Information, lines.join(QLatin1Char('\n')));
}

void showCritical(const QString &text)
{
    show(BoxKind::Critical, text);
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount()
{
    return beeps;
}

} // namespace zm::ui
