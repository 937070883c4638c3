// An own grading key without a window: the thresholds each template spreads
// between top and break point, and the minimum scores rounded to a step.

#include "common/errors.h"
#include "scales/bandscale.h"
#include "scales/ownkey.h"

#include "support/testmain.h"

#include <QTest>

using namespace zm;
using namespace zm::scales;

class TestOwnKey : public QObject
{
    Q_OBJECT

private slots:
    void spreadKey_data()
    {
        QTest::addColumn<int>("key"); // 0 grades, 1 with tendencies, 2 points
        QTest::addColumn<QString>("breakPoint");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<Rounding>("rounding");
        QTest::addColumn<QStringList>("thresholds"); // empty: nothing is spread
        QTest::addColumn<QStringList>("minimums");
        const auto whole = Rounding::WholePoints;
        // clang-format off
        QTest::newRow("grades, 40")      << 0 << "50" << "95" << "40" << whole
            << QStringList{"95", "80", "65", "50", "25", "0"} << QStringList{"38", "32", "26", "20", "10", "0"};
        QTest::newRow("grades, 37 half") << 0 << "50" << "95" << "37" << Rounding::HalfPoints
            << QStringList{"95", "80", "65", "50", "25", "0"} << QStringList{"35,0", "29,5", "24,0", "18,5", "9,5", "0,0"};
        QTest::newRow("points, 60")      << 2 << "50" << "95" << "60" << whole
            << QStringList{"95", "90,5", "86", "81,5", "77", "72,5", "68", "63,5", "59", "54,5", "50", "40", "30", "20", "10", "0"}
            << QStringList{"57", "54", "52", "49", "46", "44", "41", "38", "35", "33", "30", "24", "18", "12", "6", "0"};
        QTest::newRow("tendencies, 40")  << 1 << "50" << "95" << "40" << whole
            << QStringList{"95", "90,91", "86,82", "82,73", "78,64", "74,55", "70,45", "66,36", "62,27", "58,18",
                           "54,09", "50", "37,5", "25", "12,5", "0"}
            << QStringList{"38", "36", "35", "33", "31", "30", "28", "27", "25", "23", "22", "20", "15", "10", "5", "0"};
        // Thirds of the gap, and the break point's own half hundredth, round halves up.
        QTest::newRow("thirds")          << 0 << "45,005" << "100" << "100" << Rounding::OneDecimal
            << QStringList{"100", "81,67", "63,34", "45,01", "22,5", "0"}
            << QStringList{"100,0", "81,7", "63,3", "45,0", "22,5", "0,0"};
        QTest::newRow("top at the break") << 0 << "60" << "60" << "10" << whole
            << QStringList{"60", "60", "60", "60", "30", "0"} << QStringList{"6", "6", "6", "6", "3", "0"};
        QTest::newRow("break above top") << 0 << "96" << "95" << "40" << whole << QStringList() << QStringList();
        QTest::newRow("top above 100")   << 2 << "50" << "100,01" << "40" << whole << QStringList() << QStringList();
        QTest::newRow("negative break")  << 1 << "-1" << "95" << "40" << whole << QStringList() << QStringList();
        // clang-format on
    }
    void spreadKey()
    {
        QFETCH(int, key);
        QFETCH(QString, breakPoint);
        QFETCH(QString, top);
        QFETCH(QString, maximum);
        QFETCH(Rounding, rounding);
        QFETCH(QStringList, thresholds);
        QFETCH(QStringList, minimums);
        const auto spread = ownkey::thresholds(ownkey::keyTemplates().at(key), parseFixed(breakPoint), parseFixed(top));
        QCOMPARE(spread.has_value(), !thresholds.isEmpty());
        QStringList texts;
        QStringList shown;
        for (Fixed value : spread.value_or(QList<Fixed>())) {
            texts << ownkey::thresholdText(value);
            shown << minimumText(steppedMinimumScore(parseFixed(maximum), value, rounding), rounding);
        }
        QCOMPARE(texts, thresholds);
        QCOMPARE(shown, minimums);
    }

    void stepAtItsHalves_data()
    {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<Rounding>("rounding");
        QTest::addColumn<QString>("minimum");
        // clang-format off
        QTest::newRow("whole, 12,5")     << "25" << "50" << Rounding::WholePoints << "13";
        QTest::newRow("whole, 12,4999")  << "25" << "49,9996" << Rounding::WholePoints << "12";
        QTest::newRow("half, 9,25")      << "18,5" << "50" << Rounding::HalfPoints << "9,5";
        QTest::newRow("half, 9,2499")    << "18,5" << "49,9995" << Rounding::HalfPoints << "9,0";
        QTest::newRow("tenth, 0,05")     << "10" << "0,5" << Rounding::OneDecimal << "0,1";
        QTest::newRow("tenth, 0,0499")   << "10" << "0,499" << Rounding::OneDecimal << "0,0";
        // Never above the maximum on the step's grid.
        QTest::newRow("whole, capped")   << "37,5" << "100" << Rounding::WholePoints << "37";
        QTest::newRow("above 100 %")     << "37,5" << "120" << Rounding::HalfPoints << "37,5";
        QTest::newRow("tenth, capped")   << "37,47" << "100" << Rounding::OneDecimal << "37,4";
        // clang-format on
    }
    void stepAtItsHalves()
    {
        QFETCH(QString, maximum);
        QFETCH(QString, threshold);
        QFETCH(Rounding, rounding);
        QFETCH(QString, minimum);
        QCOMPARE(minimumText(steppedMinimumScore(parseFixed(maximum), parseFixed(threshold), rounding), rounding),
                 minimum);
    }

    // A product beyond the number's range is an error, never a wrapped value.
    void stepOutOfRange()
    {
        QVERIFY_THROWS_EXCEPTION(MathError,
                                 steppedMinimumScore(parseFixed("9E14"), parseFixed("99999"), Rounding::WholePoints));
    }
};

ZM_TEST_MAIN_CORE(TestOwnKey)
#include "tst_ownkey.moc"
