#pragma once

// The grade of a language essay without any window: the six part tasks in
// the weighted or the additive mode, the expression check, the final score
// and the grade text with tendency.
//
// The texts live in the essay window's fields; EssayGrade reads and writes
// them through EssayFields. Assigning a different text to a field runs that
// field's change handler at once, nested (the window's fields call changed()
// from their change signals), and the part tasks depend on it: a new maximum
// ripples through the parts because each part's handler rewrites the value
// field whose change runs the next part's handler.

#include "common/fixedpoint.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zm::langindex {

inline constexpr int PartCount = 6;

enum class Field {
    Language,                     // language points (Edit4)
    Expression,                   // expression points (Edit17)
    LanguageWeight,               // area weight of language (Edit18)
    ExpressionWeight,             // area weight of expression (Edit19)
    ContentWeight,                // area weight of content (Edit20)
    Maximum,                      // maximum of the part points in the additive mode (Edit22)
    FinalScore,                   // Edit21
    GradeText,                    // Label30
    Interim,                      // interim result of the parts (Label25)
    InterimCaption,               // its caption (Label12)
    Points1,                      // points of the six part tasks (Edit12, Edit13, Edit11, Edit14, Edit15, Edit16)
    Value1 = Points1 + PartCount, // weight (weighted mode) or 15-point value (additive mode) of each part task
    End = Value1 + PartCount,
};

// Fields of a part task (0-based).
constexpr Field pointsField(int part)
{
    return static_cast<Field>(static_cast<int>(Field::Points1) + part);
}
constexpr Field valueField(int part)
{
    return static_cast<Field>(static_cast<int>(Field::Value1) + part);
}

// What EssayGrade needs from the window.
class EssayFields
{
public:
    virtual ~EssayFields() = default;
    virtual QString text(Field field) const = 0;
    // Assigns from code: a different text runs the field's change handler at
    // once (EssayGrade::changed); the same text runs nothing.
    virtual void setText(Field field, const QString &text) = 0;
    // A message box; lines are separated by '\n'.
    virtual void showMessage(const QString &text) = 0;
    virtual void beep() = 0;
    // The Tab key reaches the field from now on.
    virtual void makeTabStop(Field field) = 0;
};

// How a final grade ended.
enum class GradeEnd {
    Done,       // a final score was computed
    Stopped,    // a message about the inputs ended it
    NotANumber, // "Gib erstmal Werte ein!"
    Failed,     // any other error (all area weights 0): ended silently
};

class EssayGrade
{
public:
    explicit EssayGrade(EssayFields &fields)
        : m_fields(fields)
    {
    }

    bool additive() const { return m_additive; }

    // Runs what a change of the field's text runs: a part's points run its
    // handler, a part's value field the next part's, the maximum the first
    // part's, the expression points the expression check, the final score
    // the grade text.
    void changed(Field field);

    // The handler of a part task (0-based).
    void partChange(int part);
    // "jeder Teil erhält max. 15 Punkte." (weighted) or "Additiv, …": empties
    // every part. The window shows and hides its controls around it.
    void setPartMode(bool additive);
    // The expression points changed: check the language points.
    void expressionCheck();
    // The grade text for the final score. A final score that is not a number
    // throws ConversionError (the general error report shows it).
    void gradeText();

    // "Endnote berechnen". `pending` is the transcript-pending flag: 1 while
    // the calculation runs with recording on, back to its previous value
    // when it ends without a result (other than for a text that is not a number).
    GradeEnd finalGrade(bool recording, int &pending);

    // The grade for a final score: "2 -" for 9,5, "3 +" for 9,4; none below -15.
    static std::optional<QString> gradeFor(Fixed score);
    // Every grade gradeFor gives, best first: "1 +", "1", "1 -", … "5 -", "6".
    static QStringList gradeTexts();

private:
    struct Stop
    {
    };

    Fixed read(Field field) const; // empty counts as 0
    Fixed contentSum(const std::array<Fixed, PartCount> &points, const std::array<Fixed, PartCount> &weights,
                     bool additive);
    Fixed finalScore(Fixed content, Fixed weightSum, Fixed contentWeight);
    void stop(const QString &message);

    EssayFields &m_fields;
    bool m_additive = false;
};

} // namespace zm::langindex
