#include "langindex/essaygrade.h"

#include "support/testmain.h"

#include <QHash>
#include <QTest>

#include <array>

using namespace zm;
using langindex::Field;
using langindex::GradeEnd;

namespace {

// The essay window's fields in memory, with the window's event rule: a
// different text runs the field's change handler at once.
class MemoryFields : public langindex::EssayFields
{
public:
    langindex::EssayGrade grade{*this};
    std::array<QString, static_cast<std::size_t>(Field::End)> texts;
    QStringList messages;

    MemoryFields()
    {
        for (Field f : {Field::LanguageWeight, Field::ExpressionWeight, Field::ContentWeight})
            at(f) = QStringLiteral("1");
        at(Field::Maximum) = QStringLiteral("100");
    }
    QString &at(Field field) { return texts[static_cast<std::size_t>(field)]; }
    QString text(Field field) const override { return texts[static_cast<std::size_t>(field)]; }
    void setText(Field field, const QString &text) override
    {
        if (at(field) == text)
            return;
        at(field) = text;
        grade.changed(field);
    }
    void showMessage(const QString &text) override { messages << text; }
    void beep() override {}
    void makeTabStop(Field) override {}
};

// Input names of the data rows: p1 … p6 part points, w1 … w6 weights,
// L language, A expression, wL, wA, wC area weights.
Field fieldNamed(const QString &name)
{
    static const QHash<QString, Field> named = {
        {"L", Field::Language},          {"A", Field::Expression},     {"wL", Field::LanguageWeight},
        {"wA", Field::ExpressionWeight}, {"wC", Field::ContentWeight}, {"max", Field::Maximum},
    };
    if (name.size() == 2 && (name[0] == 'p' || name[0] == 'w') && name[1].isDigit()) {
        const int part = name[1].digitValue() - 1;
        return name[0] == 'p' ? langindex::pointsField(part) : langindex::valueField(part);
    }
    return named.value(name);
}

const QString MissingLanguage = "Schweres Vergehen, entweder wurde keine Bezugsgruppe für den Fehlerindex gewählt\n"
                                "oder es wurde kein Fehlerquotient ermittelt. Gib Wort und Fehlerzahl ein.";
const QString NoPart = "Du musst schon eine Teilaufgabe eintragen\nsonst müsste ich durch 0 teilen, \n"
                       "und das ist nun mal nicht möglich!";
const QString Over15 =
    "Hier liegt ein Eingabefehler vor.\nMehr als 15 Punkte gibt es nicht!\nAusnahmen nur bei Englisch 7 bis 9 möglich";

} // namespace

Q_DECLARE_METATYPE(GradeEnd)

class TestEssayGrade : public QObject
{
    Q_OBJECT

private slots:
    // Weighted mode. The inputs are set as texts, without running the part
    // handlers, so that each row shows the final grade alone. A calculation
    // that ends early leaves score, grade and interim result as they were
    // and puts the transcript flag back (3 here); "Gib erstmal Werte ein!"
    // leaves it at 1.
    void weightedFinalGrade_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("interim");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<GradeEnd>("end");
        QTest::addColumn<int>("pending");

        const QStringList example = {"p1=12", "w1=1", "p2=9", "w2=1", "A=10", "L=8"};
        // clang-format off
        QTest::newRow("worked example") << example << "9,5" << "2 -" << "10,50" << QStringList{} << GradeEnd::Done << 1;
        QTest::newRow("content weight 2, tie to even") << example + QStringList{"wC=2"}
            << "9,8" << "2 -" << "10,50" << QStringList{} << GradeEnd::Done << 1;
        QTest::newRow("exactly 9,65 shows 9,6") << QStringList{"p1=12", "w1=1", "A=9,3", "L=10", "wC=0"}
            << "9,6" << "2 -" << "12,00" << QStringList{} << GradeEnd::Done << 1;
        QTest::newRow("content only, no language") << QStringList{"p1=12", "w1=1", "p2=9", "w2=1", "wL=0", "wA=0"}
            << "10,5" << "2" << "10,50" << QStringList{} << GradeEnd::Done << 1;
        QTest::newRow("English 7 over 15") << QStringList{"p1=15", "w1=1", "A=15", "L=18"}
            << "16,0" << "1 +" << "" << QStringList{Over15} << GradeEnd::Done << 1;
        QTest::newRow("missing language points") << QStringList{"p1=12", "w1=1", "A=10"}
            << "" << "" << "" << QStringList{MissingLanguage} << GradeEnd::Stopped << 3;
        QTest::newRow("unmarked part") << QStringList{"p1=12", "w1=1", "w4=2", "A=10", "L=8"}
            << "" << "" << "" << QStringList{"Vergiss nicht, die Teilaufgabe 4 zu bepunkten!"} << GradeEnd::Stopped << 3;
        QTest::newRow("part over 15") << QStringList{"p1=12", "w1=1", "p3=16", "w3=1", "A=10", "L=8"}
            << "" << "" << "" << QStringList{"Eingabefehler, Aufgabe 3 hat mehr als 15 Punkte!"} << GradeEnd::Stopped << 3;
        QTest::newRow("expression over 15") << QStringList{"p1=12", "w1=1", "A=16", "L=8"}
            << "" << "" << "" << QStringList{"Das Ausdrucksvermögen hat mehr als 15 Punkte?"} << GradeEnd::Stopped << 3;
        QTest::newRow("no part with a weight") << QStringList{"A=10", "L=8"}
            << "" << "" << "" << QStringList{NoPart} << GradeEnd::Stopped << 3;
        QTest::newRow("all area weights 0") << example + QStringList{"wL=0", "wA=0", "wC=0"}
            << "" << "" << "" << QStringList{} << GradeEnd::Failed << 3;
        QTest::newRow("expression not a number") << QStringList{"p1=12", "w1=1", "A=zehn", "L=8"}
            << "" << "" << "" << QStringList{"Gib erstmal Werte ein!"} << GradeEnd::NotANumber << 1;
        QTest::newRow("empty area weight") << example + QStringList{"wA="}
            << "" << "" << "" << QStringList{"Gib erstmal Werte ein!"} << GradeEnd::NotANumber << 1;
        // clang-format on
    }
    void weightedFinalGrade()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, score);
        QFETCH(QString, grade);
        QFETCH(QString, interim);
        QFETCH(QStringList, messages);
        QFETCH(GradeEnd, end);
        QFETCH(int, pending);
        MemoryFields fields;
        for (const QString &input : inputs)
            fields.at(fieldNamed(input.section('=', 0, 0))) = input.section('=', 1);
        int flag = 3;
        QCOMPARE(fields.grade.finalGrade(true, flag), end);
        QCOMPARE(fields.messages, messages);
        QCOMPARE(fields.text(Field::FinalScore), score);
        QCOMPARE(fields.text(Field::GradeText), grade);
        QCOMPARE(fields.text(Field::Interim), interim);
        QCOMPARE(flag, pending);
    }

    // Additive mode through the part handlers: maximum 100, the first two part
    // tasks with 40 and 35 points; then the maximum 50 ripples to the empty third.
    void additiveFinalGrade()
    {
        MemoryFields fields;
        fields.grade.setPartMode(true);
        fields.setText(Field::Language, "8");
        fields.setText(Field::Expression, "10");
        fields.setText(langindex::pointsField(0), "40");
        fields.setText(langindex::pointsField(1), "35");
        QCOMPARE(fields.text(langindex::valueField(0)), QString("6"));
        QCOMPARE(fields.text(langindex::valueField(1)), QString("5,25"));
        int flag = 2;
        QCOMPARE(fields.grade.finalGrade(false, flag), GradeEnd::Done);
        QCOMPARE(fields.text(Field::Interim), QString("11,25"));
        QCOMPARE(fields.text(Field::FinalScore), QString("9,8")); // (11,25 + 10 + 8) / 3 = 9,75
        QCOMPARE(flag, 2);
        QVERIFY(fields.messages.isEmpty());

        fields.setText(Field::Maximum, "50");
        QCOMPARE(fields.text(langindex::valueField(0)), QString("12"));
        QCOMPARE(fields.text(langindex::valueField(1)), QString("10,5"));
        QCOMPARE(fields.grade.finalGrade(true, flag), GradeEnd::Done);
        QCOMPARE(fields.text(Field::Interim), QString("22,50"));
        QCOMPARE(fields.messages, QStringList{"Du hast mehr Inhaltspunkte vergeben als maximal vorgesehen!"});
        QCOMPARE(flag, 1);
    }

    void gradeTable_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("grade");
        // clang-format off
        QTest::newRow("9,5")    << "9,5"    << "2 -";
        QTest::newRow("9,4")    << "9,4"    << "3 +";
        QTest::newRow("9,499")  << "9,499"  << "3 +";
        QTest::newRow("0,499")  << "0,499"  << "6";
        QTest::newRow("0,5")    << "0,5"    << "5 -";
        QTest::newRow("14,5")   << "14,5"   << "1 +";
        QTest::newRow("16")     << "16"     << "1 +";
        QTest::newRow("-15")    << "-15"    << "";
        // clang-format on
    }
    void gradeTable()
    {
        QFETCH(QString, score);
        QFETCH(QString, grade);
        QCOMPARE(langindex::EssayGrade::gradeFor(parseFixed(score)).value_or(QString()), grade);
    }
};

ZM_TEST_MAIN_CORE(TestEssayGrade)
#include "tst_essaygrade.moc"
