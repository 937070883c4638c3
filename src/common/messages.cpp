#include "common/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zm::ui {

namespace {

BoxHook &hook()
{
    static BoxHook h;
    return h;
}

AnswerHook &answerHook()
{
    static AnswerHook h;
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

void setAnswerHook(AnswerHook h)
{
    answerHook() = std::move(h);
}

namespace {

Answer ask(const QString &text, bool withCancel)
{
    const ShownBox box{BoxKind::Question, applicationTitle(), text};
    if (hook()) {
        hook()(box);
        return answerHook() ? answerHook()(box) : Answer::Cancel;
    }
    const QMessageBox::StandardButtons buttons =
        withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No;
    QMessageBox msg(QMessageBox::Question, box.title, text, buttons, QApplication::activeWindow());
    msg.setObjectName(QStringLiteral("MessageBox"));
    msg.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    msg.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    if (withCancel) {
        msg.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        msg.setEscapeButton(QMessageBox::Cancel);
    } else {
        msg.setEscapeButton(QMessageBox::No);
    }
    switch (msg.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace

Answer askYesNoCancel(const QString &text)
{
    return ask(text, true);
}

bool askYesNo(const QString &text)
{
    return ask(text, false) == Answer::Yes;
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
