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
    void thresholds_data()
    {
        QTest::addColumn<int>("key"); // 0 grades, 1 with tendencies, 2 points
        QTest::addColumn<QString>("breakPoint");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QStringList>("expected"); // empty: nothing is spread
        // clang-format off
        QTest::newRow("grades")          << 0 << "50" << "95" << QStringList{"95", "80", "65", "50", "25", "0"};
        QTest::newRow("tendencies")      << 1 << "50" << "95"
            << QStringList{"95", "90,91", "86,82", "82,73", "78,64", "74,55", "70,45", "66,36", "62,27", "58,18",
                           "54,09", "50", "37,5", "25", "12,5", "0"};
        QTest::newRow("points")          << 2 << "50" << "95"
            << QStringList{"95", "90,5", "86", "81,5", "77", "72,5", "68", "63,5", "59", "54,5", "50",
                           "40", "30", "20", "10", "0"};
        // Thirds of the gap, and the break point's own half hundredth, round halves up.
        QTest::newRow("thirds")          << 0 << "45,005" << "100" << QStringList{"100", "81,67", "63,34", "45,01", "22,5", "0"};
        QTest::newRow("top at the break") << 0 << "60" << "60" << QStringList{"60", "60", "60", "60", "30", "0"};
        QTest::newRow("break at 0")      << 0 << "0" << "90" << QStringList{"90", "60", "30", "0", "0", "0"};
        QTest::newRow("break above top") << 0 << "96" << "95" << QStringList();
        QTest::newRow("top above 100")   << 2 << "50" << "100,01" << QStringList();
        QTest::newRow("negative break")  << 1 << "-1" << "95" << QStringList();
        // clang-format on
    }
    void thresholds()
    {
        QFETCH(int, key);
        QFETCH(QString, breakPoint);
        QFETCH(QString, top);
        QFETCH(QStringList, expected);
        const ownkey::KeyTemplate &t = ownkey::keyTemplates().at(key);
        const auto spread = ownkey::thresholds(t, parseFixed(breakPoint), parseFixed(top));
        QCOMPARE(spread.has_value(), !expected.isEmpty());
        if (!spread)
            return;
        QCOMPARE(spread->size(), t.bands.size());
        QStringList texts;
        for (Fixed value : *spread)
            texts << ownkey::thresholdText(value);
        QCOMPARE(texts, expected);
    }

    void steppedMinimum_data()
    {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<Rounding>("rounding");
        QTest::addColumn<QStringList>("thresholds");
        QTest::addColumn<QStringList>("expected"); // as the labels show them
        const auto whole = Rounding::WholePoints;
        const auto half = Rounding::HalfPoints;
        const auto tenth = Rounding::OneDecimal;
        // clang-format off
        QTest::newRow("grades, 40")      << "40" << whole << QStringList{"95", "80", "65", "50", "25", "0"}
                                         << QStringList{"38", "32", "26", "20", "10", "0"};
        QTest::newRow("grades, 37 half") << "37" << half << QStringList{"95", "80", "65", "50", "25", "0"}
                                         << QStringList{"35,0", "29,5", "24,0", "18,5", "9,5", "0,0"};
        QTest::newRow("points, 60")      << "60" << whole
            << QStringList{"95", "90,5", "86", "81,5", "77", "72,5", "68", "63,5", "59", "54,5", "50",
                           "40", "30", "20", "10", "0"}
            << QStringList{"57", "54", "52", "49", "46", "44", "41", "38", "35", "33", "30", "24", "18", "12", "6", "0"};
        QTest::newRow("tendencies, 40")  << "40" << whole
            << QStringList{"95", "90,91", "86,82", "82,73", "78,64", "74,55", "70,45", "66,36", "62,27", "58,18",
                           "54,09", "50", "37,5", "25", "12,5", "0"}
            << QStringList{"38", "36", "35", "33", "31", "30", "28", "27", "25", "23", "22", "20", "15", "10", "5", "0"};
        // Each step at its halves: 12,5 / 12,4999; 9,25 / 9,2499; 0,05 / 0,0499.
        QTest::newRow("whole at the half") << "25" << whole << QStringList{"50", "49,9996"} << QStringList{"13", "12"};
        QTest::newRow("half at the half")  << "18,5" << half << QStringList{"50", "49,9995"} << QStringList{"9,5", "9,0"};
        QTest::newRow("tenth at the half") << "10" << tenth << QStringList{"0,5", "0,499"} << QStringList{"0,1", "0,0"};
        // Never above the maximum on the step's grid.
        QTest::newRow("capped, whole")     << "37,5" << whole << QStringList{"100", "120"} << QStringList{"37", "37"};
        QTest::newRow("capped, half")      << "37,5" << half << QStringList{"100", "99,9"} << QStringList{"37,5", "37,5"};
        QTest::newRow("capped, tenth")     << "37,47" << tenth << QStringList{"100"} << QStringList{"37,4"};
        // clang-format on
    }
    void steppedMinimum()
    {
        QFETCH(QString, maximum);
        QFETCH(Rounding, rounding);
        QFETCH(QStringList, thresholds);
        QFETCH(QStringList, expected);
        QStringList shown;
        for (const QString &threshold : thresholds)
            shown << minimumText(steppedMinimumScore(parseFixed(maximum), parseFixed(threshold), rounding), rounding);
        QCOMPARE(shown, expected);
    }

    // A product beyond the number's range is an error, never a wrapped value.
    void steppedMinimumOutOfRange()
    {
        QVERIFY_THROWS_EXCEPTION(MathError,
                                 steppedMinimumScore(parseFixed("9E14"), parseFixed("99999"), Rounding::WholePoints));
    }
};

ZM_TEST_MAIN_CORE(TestOwnKey)
#include "tst_ownkey.moc"
