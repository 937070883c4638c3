#pragma once

// Plain message boxes and the one place that knows the application title.
// Tests install a hook that records every box and acknowledges it at once.

#include <QString>
#include <QStringList>

#include <functional>

namespace zm::ui {

enum class BoxKind { Information, Critical, Question };

// The buttons of a question box: "Ja", "Nein", "Abbrechen".
enum class Answer { Yes, No, Cancel };

struct ShownBox
{
    BoxKind kind = BoxKind::Information;
    QString title;
    QString text;
};

using BoxHook = std::function<void(const ShownBox &)>;

// With a hook set, boxes are handed to it instead of being shown; the hook's
// return counts as the user's OK. Pass nullptr to show real boxes again.
void setMessageHook(BoxHook hook);

// With a message hook set, a question goes to that hook like every box and
// is answered by this one; without an answer hook it counts as "Abbrechen".
using AnswerHook = std::function<Answer(const ShownBox &)>;
void setAnswerHook(AnswerHook hook);

// The title every message box carries ("Zensomat" once start-up has set it).
QString applicationTitle();
void setApplicationTitle(const QString &title);

// A modal box with an OK button, the application title as caption. Lines of
// the message are separated by '\n'.
void showMessage(const QString &text);
void showMessageLines(const QStringList &lines);

// A modal question with the buttons "Ja", "Nein" and "Abbrechen", the
// application title as caption; closing the box counts as "Abbrechen".
Answer askYesNoCancel(const QString &text);
// "Ja"/"Nein" (Escape: "Nein"); true for "Ja". With only the message hook set it counts as "Nein".
bool askYesNo(const QString &text);

// A critical box with a stop icon: the general error report's look.
void showCritical(const QString &text);

// The system beep (counted, so that tests can see it).
void beep();
int beepCount();

} // namespace zm::ui
