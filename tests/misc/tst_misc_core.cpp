#include "misc/levelsplit.h"
#include "misc/weightedgrade.h"

#include "support/testmain.h"

#include <QTest>

using namespace zm;
using misc::LevelPoints;

namespace {

Fixed fx(const QString &text)
{
    return parseFixed(text);
}

LevelPoints levels(const QStringList &texts)
{
    return {fx(texts[0]), fx(texts[1]), fx(texts[2])};
}

} // namespace

class TestMiscCore : public QObject
{
    Q_OBJECT

private slots:
    void completion_data()
    {
        // clang-format off
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("completed"); // the three levels, four places; the typed one as given
        QTest::newRow("E = 38")    << 1 << "38" << QStringList{"49,97", "38", "11,9928"};
        QTest::newRow("Z = 12")    << 2 << "12" << QStringList{"49,98", "37,9848", "12"};
        // 0,01 × 8,33 / 100 × 50 = 0,04165: an exact tie, to the even digit.
        QTest::newRow("tie to even") << 2 << "0,01" << QStringList{"0,0416", "0,0317", "0,01"};
        // clang-format on
    }
    void completion()
    {
        QFETCH(int, typed);
        QFETCH(QString, value);
        QFETCH(QStringList, completed);
        for (int other = 0; other < misc::LevelCount; ++other) {
            if (other != typed)
                QCOMPARE(formatShortest(misc::completedPoints(typed, fx(value), other)), completed[other]);
        }
    }

    void sharesAndCorridors_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QStringList>("shares"); // two decimals; empty: none shown
        QTest::addColumn<int>("inside");         // 1 green, 0 red, -1 colour unchanged
        QTest::newRow("exactly 52 %")        << QStringList{"52", "37", "11"}    << QStringList{"52,00", "37,00", "11,00"} << 0;
        QTest::newRow("exactly 48 %")        << QStringList{"48", "39", "13"}    << QStringList{"48,00", "39,00", "13,00"} << 0;
        QTest::newRow("shown 52,00, inside") << QStringList{"51,999", "37", "11,001"} << QStringList{"52,00", "37,00", "11,00"} << 1;
        QTest::newRow("all 0")               << QStringList{"0", "0", "0"}       << QStringList{}                          << -1;
        QTest::newRow("negative sum")        << QStringList{"-50", "-38", "-12"} << QStringList{}                          << 1;
        // clang-format on
    }
    void sharesAndCorridors()
    {
        QFETCH(QStringList, points);
        QFETCH(QStringList, shares);
        QFETCH(int, inside);
        const auto computed = misc::levelShares(levels(points));
        QStringList shown;
        if (computed) {
            for (Fixed s : *computed)
                shown << formatFixed(s, 2);
        }
        QCOMPARE(shown, shares);
        const auto corridors = misc::insideCorridors(levels(points));
        QCOMPARE(corridors ? int(*corridors) : -1, inside);
    }

    void totalAndTargets()
    {
        QCOMPARE(formatGeneral(misc::levelSum(levels({"50", "38", "12,5"}))), QString("100,5"));
        QVERIFY_THROWS_EXCEPTION(MathError, misc::levelSum(levels({"900000000000000", "90000000000000", "0"})));
        QCOMPARE(misc::levelValue(""), Fixed());
        QVERIFY_THROWS_EXCEPTION(ConversionError, misc::levelValue("12a"));
        QStringList targets;
        for (const char *total : {"33", "0,0003"}) {
            for (int level = 0; level < misc::LevelCount; ++level)
                targets << formatShortest(misc::targetPoints(fx(total), level));
        }
        QCOMPARE(targets, (QStringList{"16,5", "12,54", "3,96", "0,0002", "0,0001", "0"}));
    }

    void finalGrade_data()
    {
        // clang-format off
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("oral");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("total"); // four places
        QTest::addColumn<QString>("grade"); // of the total shown without decimals; "" for none
        QTest::newRow("60/40: 10 and 7")   << 1 << "10"   << "7"  << "8,8"   << "3+";
        QTest::newRow("55/45: 11 and 10")  << 0 << "11"   << "10" << "10,55" << "2";
        QTest::newRow("70/30: 15 and 0")   << 3 << "15"   << "0"  << "10,5"  << "2-";
        QTest::newRow("65/35: 0 and 0")    << 2 << "0"    << "0"  << "0"     << "6";
        QTest::newRow("decimal 12,5")      << 1 << "12,5" << "10" << "11,5"  << "2+";
        QTest::newRow("negative, -1")      << 1 << "-1"   << "-1" << "-1"    << "";
        QTest::newRow("above 15")          << 1 << "15"   << "16" << "15,4"  << "1+";
        QTest::newRow("position clamped")  << 9 << "15"   << "0"  << "10,5"  << "2-";
        // clang-format on
    }
    void finalGrade()
    {
        QFETCH(int, position);
        QFETCH(QString, oral);
        QFETCH(QString, written);
        QFETCH(QString, total);
        QFETCH(QString, grade);
        const Fixed sum = misc::totalPoints(fx(oral), fx(written), misc::weighting(position));
        QCOMPARE(formatShortest(sum), total);
        QCOMPARE(misc::gradeOf(formatFixed(sum, 0)).value_or(QString()), grade);
    }
};

ZM_TEST_MAIN_CORE(TestMiscCore)
#include "tst_misc_core.moc"
