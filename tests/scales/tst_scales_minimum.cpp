#include "common/errors.h"
#include "scales/bandscale.h"

#include "support/testmain.h"

#include <QTest>

using namespace zm;
using scales::Rounding;

class TestScalesMinimum : public QObject
{
    Q_OBJECT

private slots:
    void strictnessFactor_data()
    {
        // clang-format off
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("factor");
        QTest::newRow("milder end") << 0 << "0,9";
        QTest::newRow("one step milder") << 4 << "0,98";
        QTest::newRow("neutral") << 5 << "1";
        QTest::newRow("one step stricter") << 6 << "1,02";
        QTest::newRow("stricter end") << 10 << "1,1";
        // clang-format on
    }
    void strictnessFactor()
    {
        QFETCH(int, position);
        QFETCH(QString, factor);
        QCOMPARE(formatShortest(scales::strictnessFactor(position)), factor);
    }

    void minimumText_data()
    {
        // clang-format off
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("oneDecimal");
        QTest::newRow("20 at 93") << 5 << "20"
                                  << "93"
                                  << "19"
                                  << "18,6";
        QTest::newRow("exact half lifted to 13") << 5 << "25"
                                                 << "50"
                                                 << "13"
                                                 << "12,5";
        QTest::newRow("9,25 shows 9,2") << 5 << "18,5"
                                        << "50"
                                        << "9"
                                        << "9,2";
        QTest::newRow("stricter end") << 10 << "20"
                                      << "95"
                                      << "21"
                                      << "20,9";
        QTest::newRow("milder end") << 0 << "20"
                                    << "95"
                                    << "17"
                                    << "17,1";
        QTest::newRow("decimal threshold") << 5 << "20"
                                           << "84,5"
                                           << "17"
                                           << "16,9";
        QTest::newRow("negative maximum") << 5 << "-20"
                                          << "50"
                                          << "-10"
                                          << "-10,0";
        // clang-format on
    }
    void minimumText()
    {
        QFETCH(int, position);
        QFETCH(QString, maximum);
        QFETCH(QString, threshold);
        QFETCH(QString, whole);
        QFETCH(QString, oneDecimal);
        const scales::ScaleInputs inputs = scales::parseInputs(position, maximum, {threshold});
        QCOMPARE(scales::minimumText(scales::bandMinimum(inputs, 0, Rounding::WholePoints), Rounding::WholePoints),
                 whole);
        QCOMPARE(scales::minimumText(scales::bandMinimum(inputs, 0, Rounding::OneDecimal), Rounding::OneDecimal),
                 oneDecimal);
    }

    // Every text is parsed before anything is computed; the first bad one
    // names itself in the error.
    void parsingStopsAtTheFirstBadText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QStringList>("thresholds");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty maximum") << "" << QStringList{"50"} << "'' ist kein gültiger Gleitkommawert";
        QTest::newRow("point instead of comma")
            << "20" << QStringList{"95.5"} << "'95.5' ist kein gültiger Gleitkommawert";
        QTest::newRow("maximum before thresholds") << "x" << QStringList{"y"} << "'x' ist kein gültiger Gleitkommawert";
        QTest::newRow("last threshold") << "20" << QStringList{"93", "84", "abc"}
                                        << "'abc' ist kein gültiger Gleitkommawert";
        // clang-format on
    }
    void parsingStopsAtTheFirstBadText()
    {
        QFETCH(QString, maximum);
        QFETCH(QStringList, thresholds);
        QFETCH(QString, error);
        try {
            scales::parseInputs(5, maximum, thresholds);
            QFAIL("no conversion error");
        } catch (const ConversionError &e) {
            QCOMPARE(e.text(), error);
        }
    }

    // The four-place result of the pattern and its two displays.
    void minimumScore_data()
    {
        // clang-format off
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("wholeRaw"); // four places, whole points shown
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("oneDecimal"); // one decimal shown

        QTest::newRow("20 at 93") << "1" << "20" << "93" << "18,6019" << "19" << "18,6";
        QTest::newRow("25 at 50") << "1" << "25" << "50" << "12,5013" << "13" << "12,5";
        QTest::newRow("18,5 at 50") << "1" << "18,5" << "50" << "9,2509" << "9" << "9,2";
        QTest::newRow("1 at 50") << "1" << "1" << "50" << "0,5001" << "1" << "0,5";
        QTest::newRow("0,90 20 at 95") << "0,90" << "20" << "95" << "17,1017" << "17" << "17,1";
        QTest::newRow("0,95 20 at 95") << "0,95" << "20" << "95" << "18,0518" << "18" << "18,0";
        QTest::newRow("1,00 20 at 95") << "1,00" << "20" << "95" << "19,0019" << "19" << "19,0";
        QTest::newRow("1,05 20 at 95") << "1,05" << "20" << "95" << "19,952" << "20" << "20,0";
        QTest::newRow("1,10 20 at 95") << "1,10" << "20" << "95" << "20,9021" << "21" << "20,9";
        QTest::newRow("20 at 0") << "1" << "20" << "0" << "0" << "0" << "0,0";
        // clang-format on
    }

    void minimumScore()
    {
        QFETCH(QString, factor);
        QFETCH(QString, maximum);
        QFETCH(QString, threshold);
        QFETCH(QString, wholeRaw);
        QFETCH(QString, whole);
        QFETCH(QString, oneDecimal);
        const Fixed f = parseFixed(factor), p = parseFixed(maximum), t = parseFixed(threshold);

        const Fixed w = scales::minimumScore(f, p, t, scales::MinScoreWholePoints);
        QCOMPARE(formatShortest(w), wholeRaw);
        QCOMPARE(formatFixed(w, 0), whole);
        QCOMPARE(formatFixed(scales::minimumScore(f, p, t, scales::MinScoreOneDecimal), 1), oneDecimal);
    }

    // The fifteen-point pattern: (threshold + offset) × maximum / 100, no lift.
    void offsetMinimumScore_data()
    {
        // clang-format off
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("result");
        QTest::newRow("95 exclusive at 60")  << "95" << "0,5" << "60" << "57,3";
        QTest::newRow("95 inclusive at 60")  << "95" << "0"   << "60" << "57";
        QTest::newRow("19 exclusive at 60")  << "19" << "0,5" << "60" << "11,7";
        QTest::newRow("no lift at a half")   << "50" << "0"   << "25" << "12,5";
        QTest::newRow("decimal threshold")   << "92,5" << "0,5" << "40" << "37,2";
        // clang-format on
    }
    void offsetMinimumScore()
    {
        QFETCH(QString, threshold);
        QFETCH(QString, offset);
        QFETCH(QString, maximum);
        QFETCH(QString, result);
        QCOMPARE(
            formatShortest(scales::offsetMinimumScore(parseFixed(threshold), parseFixed(offset), parseFixed(maximum))),
            result);
    }

    void resultOutOfRangeIsAMathError()
    {
        const scales::ScaleInputs inputs = scales::parseInputs(5, "9E9", {"9E9"});
        QVERIFY_THROWS_EXCEPTION(MathError, scales::bandMinimum(inputs, 0, Rounding::WholePoints));
    }
};

ZM_TEST_MAIN_CORE(TestScalesMinimum)
#include "tst_scales_minimum.moc"
