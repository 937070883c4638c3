#include "classtest/classtest.h"
#include "scales/scaledefinition.h"

#include "keysource.h"
#include "support/testmain.h"

#include <QTest>

using namespace zm;
using namespace zm::classtest;
using Status = Grading::Status;

namespace {

// A key whose captions are the given texts and whose minimums fall by 10 from 50.
Key keyOf(const QStringList &captions)
{
    Key key;
    key.maximum = QStringLiteral("60");
    int minimum = 10 * static_cast<int>(captions.size());
    for (const QString &caption : captions) {
        key.bands.append({caption, QString::number(minimum)});
        minimum -= 10;
    }
    return key;
}

const QStringList SixGrades = {"Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6"};

} // namespace

class TestClassTest : public QObject
{
    Q_OBJECT

private slots:
    void gradesAtEveryBound_data()
    {
        QTest::addColumn<const scales::CalculatorDefinition *>("calculator");
        QTest::addColumn<QString>("maximum");
        QTest::newRow("eight bands") << &scales::eightBandCalculator() << "40";
        QTest::newRow("subject scale") << &scales::subjectScaleCalculator() << "37";
        QTest::newRow("three bands") << &scales::threeBandCalculator() << "40";
        QTest::newRow("four bands") << &scales::fourBandCalculator() << "25";
        QTest::newRow("fifteen points, one decimal") << &scales::fifteenPointCalculator() << "60";
    }
    // Exactly a band's minimum reaches it; 0,1 below falls to the next band,
    // or below the key where the last band does not start at 0.
    void gradesAtEveryBound()
    {
        QFETCH(const scales::CalculatorDefinition *, calculator);
        QFETCH(QString, maximum);
        const Key key = keyFrom(test::KeySource(*calculator, maximum));
        QCOMPARE(key.maximum, maximum);
        QVERIFY(key.bands.size() >= 3);
        const Grading grading(key);
        for (int band = 0; band < key.bands.size(); ++band) {
            const Fixed minimum = parseFixed(key.bands.at(band).minimum);
            const Grading::Grade at = grading.grade({QStringLiteral("A"), key.bands.at(band).minimum});
            QCOMPARE(at.status, Status::Graded);
            QCOMPARE(grading.gradeText(at), key.bands.at(band).caption);
            if (minimum == Fixed())
                continue;
            const QString below = formatFixed(Fixed::fromRaw(minimum.raw() - 1000), 1);
            const Grading::Grade under = grading.grade({QStringLiteral("A"), below});
            if (band + 1 < key.bands.size()) {
                QCOMPARE(under.band, band + 1);
            } else {
                QCOMPARE(under.status, Status::BelowKey);
                QCOMPARE(grading.gradeText(under), QStringLiteral("–"));
            }
        }
    }

    void pointsThatCountNowhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("points");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("letters") << "Anna"
                                 << "zwölf" << Status::Invalid << "„zwölf“ ist keine Zahl.";
        QTest::newRow("decimal point") << "Anna"
                                       << "12.5" << Status::Invalid << "„12.5“ ist keine Zahl.";
        QTest::newRow("negative") << "Anna"
                                  << "-0,5" << Status::Invalid << "Die Punktzahl darf nicht negativ sein.";
        QTest::newRow("above maximum") << "Anna"
                                       << "60,1" << Status::Invalid
                                       << "Die Punktzahl liegt über der Höchstpunktzahl (60).";
        QTest::newRow("maximum itself") << "Anna"
                                        << "60" << Status::Graded << "";
        QTest::newRow("name without points") << "Anna"
                                             << "  " << Status::NotGraded << "";
        QTest::newRow("points without name") << ""
                                             << "27,5" << Status::Graded << "";
        QTest::newRow("empty row") << " "
                                   << "" << Status::Empty << "";
    }
    void pointsThatCountNowhere()
    {
        QFETCH(QString, name);
        QFETCH(QString, points);
        QFETCH(Status, status);
        QFETCH(QString, reason);
        const Grading grading(keyOf(SixGrades));
        const Grading::Grade grade = grading.grade({name, points});
        QCOMPARE(grade.status, status);
        QCOMPARE(grade.reason, reason);
        if (status == Status::Invalid)
            QCOMPARE(grading.gradeText(grade), QStringLiteral("???"));
        const Distribution d = distributionOf(grading, {grade});
        QCOMPARE(d.graded, status == Status::Graded ? 1 : 0);
    }

    void distributionSharesAverage_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("shares");
        QTest::addColumn<QString>("average");
        // Minimums 60, 50, … 10 for six bands, 30, 20, 10 for three.
        QTest::newRow("halves away from zero: 2,125")
            << SixGrades << QStringList{"60", "60", "50", "55", "50", "40", "45", "49,9", "", "x"}
            << QList<int>{2, 3, 3, 0, 0, 0} << QStringList{"25,0 %", "37,5 %", "37,5 %", "0,0 %", "0,0 %", "0,0 %"}
            << "Durchschnitt: 2,13 (8 Arbeiten)";
        QTest::newRow("thirds") << SixGrades << QStringList{"60", "30", "30"} << QList<int>{1, 0, 0, 2, 0, 0}
                                << QStringList{"33,3 %", "0,0 %", "0,0 %", "66,7 %", "0,0 %", "0,0 %"}
                                << "Durchschnitt: 3,00 (3 Arbeiten)";
        QTest::newRow("one paper") << QStringList{"Fö 1", "Fö 2"} << QStringList{"10"} << QList<int>{0, 1}
                                   << QStringList{"0,0 %", "100,0 %"} << "Durchschnitt: 2,00 (1 Arbeit)";
        QTest::newRow("fifteen points") << QStringList{"15", "14", "01"} << QStringList{"30", "20", "25"}
                                        << QList<int>{1, 2, 0} << QStringList{"33,3 %", "66,7 %", "0,0 %"}
                                        << "Durchschnitt: 14,33 (3 Arbeiten)";
        QTest::newRow("verbal bands") << QStringList{"e", "te", "ne"} << QStringList{"30", "10"} << QList<int>{1, 0, 1}
                                      << QStringList{"50,0 %", "0,0 %", "50,0 %"} << "Durchschnitt: – (2 Arbeiten)";
        QTest::newRow("nothing graded") << SixGrades << QStringList{"", "-1"} << QList<int>(6, 0)
                                        << QStringList(6, "0,0 %") << "Durchschnitt: – (0 Arbeiten)";
    }
    void distributionSharesAverage()
    {
        QFETCH(QStringList, captions);
        QFETCH(QStringList, points);
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, shares);
        QFETCH(QString, average);
        const Grading grading(keyOf(captions));
        QList<Grading::Grade> grades;
        for (const QString &p : points)
            grades << grading.grade({QStringLiteral("N"), p});
        Distribution d = distributionOf(grading, grades);
        QCOMPARE(d.counts, counts);
        QStringList shown;
        for (int count : d.counts)
            shown << shareText(count, d.graded);
        QCOMPARE(shown, shares);
        QCOMPARE(averageText(d), average);
        // Taking a grade back and adding it again, as a changed cell does, lands on the same figures.
        d.add(grading, grades.first(), -1);
        d.add(grading, grades.first());
        QCOMPARE(averageText(d), average);
        QCOMPARE(d.counts, counts);
    }

    void csvCellsAndFormulaGuard_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << "Anna Bauer"
                               << "47,5" << QByteArray("Anna Bauer;47,5;Ü 3");
        QTest::newRow("formula name") << "=HYPERLINK(\"x\")"
                                      << "60" << QByteArray("\"'=HYPERLINK(\"\"x\"\")\";60;Ü 1");
        QTest::newRow("at sign") << "@Max"
                                 << "" << QByteArray("'@Max;;");
        QTest::newRow("negative points stay a number") << "Ben"
                                                       << "-3,5" << QByteArray("Ben;-3,5;???");
        QTest::newRow("semicolon") << "Kim; Lee"
                                   << "10" << QByteArray("\"Kim; Lee\";10;Ü 6");
    }
    void csvCellsAndFormulaGuard()
    {
        QFETCH(QString, name);
        QFETCH(QString, points);
        QFETCH(QByteArray, line);
        ClassTest test;
        test.key = keyOf(SixGrades);
        test.results = {{name, points}, {}};
        const QByteArray csv = classTestCsv(test, Grading(test.key));
        QCOMPARE(csv, QByteArray("\xEF\xBB\xBFName;Punkte;Note\r\n") + line + "\r\n");
    }

    void keyNeedsAComputedCalculator()
    {
        QVERIFY_THROWS_EXCEPTION(zm::Error, keyFrom(test::KeySource(scales::threeBandCalculator(), "0")));
    }
};

ZM_TEST_MAIN_CORE(TestClassTest)
#include "tst_classtest.moc"
