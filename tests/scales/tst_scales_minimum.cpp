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

    void resultOutOfRangeIsAMathError()
    {
        const scales::ScaleInputs inputs = scales::parseInputs(5, "9E9", {"9E9"});
        QVERIFY_THROWS_EXCEPTION(MathError, scales::bandMinimum(inputs, 0, Rounding::WholePoints));
    }
};

ZM_TEST_MAIN_CORE(TestScalesMinimum)
#include "tst_scales_minimum.moc"
