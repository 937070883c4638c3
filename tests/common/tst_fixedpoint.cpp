#include "common/fixedpoint.h"
#include "support/testmain.h"

#include <QRandomGenerator>
#include <QTest>

#include <cfenv>
#include <cmath>
#include <limits>

using zm::Fixed;

namespace {

constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();

// Independent reference for formatFixed: rounds the decimal digit string of
// the raw value, halves to even, by string arithmetic.
QString referenceFormat(qint64 raw, int decimals)
{
    QString digits = QString::number(raw);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    digits = digits.rightJustified(5, QLatin1Char('0'));
    QString kept = digits.left(digits.size() - 4 + decimals);
    const QString dropped = digits.mid(kept.size());
    const QString half = QStringLiteral("5000").left(dropped.size());
    const int cmp = dropped.compare(half);
    const bool lastOdd = (kept.back().unicode() - u'0') % 2 == 1;
    if (!dropped.isEmpty() && (cmp > 0 || (cmp == 0 && lastOdd))) {
        qsizetype k = kept.size() - 1;
        for (; k >= 0 && kept[k] == QLatin1Char('9'); --k)
            kept[k] = QLatin1Char('0');
        if (k < 0)
            kept.prepend(QLatin1Char('1'));
        else
            kept[k] = QChar(kept[k].unicode() + 1);
    }
    QString whole = kept.left(kept.size() - decimals);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    QString result = whole;
    if (decimals > 0)
        result += QLatin1Char(',') + kept.right(decimals);
    const bool zero = kept.count(QLatin1Char('0')) == kept.size();
    return (negative && !zero) ? QLatin1Char('-') + result : result;
}

} // namespace

class TestFixedPoint : public QObject
{
    Q_OBJECT

private slots:
    void parseGood_data();
    void parseGood();
    void parseBad_data();
    void parseBad();
    void parseInt_data();
    void parseInt();
    void format_data();
    void format();
    void formatShortestAndGeneral_data();
    void formatShortestAndGeneral();
    void roundRaw_data();
    void roundRaw();
    void roundErrors();
    void divide();
    void addAndMultiply();
    void randomRoundTrip();
};

void TestFixedPoint::parseGood_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("zero") << "0" << "0";
    QTest::newRow("whole") << "95" << "95";
    QTest::newRow("comma") << "95,5" << "95,5";
    QTest::newRow("blanks around") << "  12,25  " << "12,25";
    QTest::newRow("tabs") << "\t7\t" << "7";
    QTest::newRow("plus") << "+3," << "3";
    QTest::newRow("minus fraction only") << "-,5" << "-0,5";
    QTest::newRow("lone comma") << "," << "0";
    QTest::newRow("plus comma") << "+," << "0";
    QTest::newRow("minus comma") << "-," << "0";
    QTest::newRow("blank comma blank") << " , " << "0";
    QTest::newRow("trailing comma") << "5," << "5";
    QTest::newRow("leading comma") << ",5" << "0,5";
    QTest::newRow("leading zeros") << "007,50" << "7,5";
    QTest::newRow("minus zero") << "-0" << "0";
    QTest::newRow("negative rounds to zero") << "-0,00004" << "0";
    QTest::newRow("tie to even up") << "1,23455" << "1,2346";
    QTest::newRow("tie to even down") << "1,23445" << "1,2344";
    QTest::newRow("above tie") << "1,234451" << "1,2345";
    QTest::newRow("far above tie") << "0,000050000000000000000001" << "0,0001";
    QTest::newRow("negative tie") << "-1,23455" << "-1,2346";
    QTest::newRow("tie at zero") << "0,00005" << "0";
    QTest::newRow("tie odd small") << "0,00015" << "0,0002";
    QTest::newRow("carry") << "1,99995" << "2";
    QTest::newRow("long trailing zeros") << "2,500000000000000000000000000000" << "2,5";
    QTest::newRow("exponent") << "1,5E2" << "150";
    QTest::newRow("exponent plus") << "1,5e+3" << "1500";
    QTest::newRow("negative exponent") << "25e-1" << "2,5";
    QTest::newRow("tiny exponent") << "1E-5" << "0";
    QTest::newRow("tiny tie exponent") << "5E-5" << "0";
    QTest::newRow("tiny odd tie exponent") << "15E-5" << "0,0002";
    QTest::newRow("far below") << "123456E-10" << "0";
    QTest::newRow("big exponent") << "9E9" << "9000000000";
    QTest::newRow("comma exponent") << ",5E1" << "5";
    QTest::newRow("zero huge exponent") << "0E999999" << "0";
    QTest::newRow("zero absurd exponent") << "0,000E99999999999999999999999" << "0";
    QTest::newRow("one absurd negative exponent") << "1E-99999999999999999999999" << "0";
    QTest::newRow("shifted into range") << "0,0000000000000000000000000001E28" << "1";
    QTest::newRow("maximum") << "922337203685477,5807" << "922337203685477,5807";
    QTest::newRow("minimum") << "-922337203685477,5807" << "-922337203685477,5807";
    QTest::newRow("maximum rounded down") << "922337203685477,58074999" << "922337203685477,5807";
    QTest::newRow("maximum tie to even") << "922337203685477,58065" << "922337203685477,5806";
    QTest::newRow("maximum by exponent") << "9223372036854775807E-4" << "922337203685477,5807";
    // clang-format on
}

void TestFixedPoint::parseGood()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(zm::formatShortest(zm::parseFixed(text)), shown);
    Fixed f = Fixed::fromRaw(123);
    QVERIFY(zm::tryParseFixed(text, f));
    QCOMPARE(zm::formatShortest(f), shown);
}

void TestFixedPoint::parseBad_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " ";
    QTest::newRow("tab") << "\t";
    QTest::newRow("letters") << "abc";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("point") << "95.5";
    QTest::newRow("thousands point") << "1.000";
    QTest::newRow("thousands blank") << "1 000";
    QTest::newRow("inner blank") << "1 2";
    QTest::newRow("double minus") << "--1";
    QTest::newRow("plus minus") << "+-1";
    QTest::newRow("sign only") << "-";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("exponent sign only") << "1E+";
    QTest::newRow("exponent only") << "e5";
    QTest::newRow("comma in exponent") << "1E2,5";
    QTest::newRow("blank before exponent") << "1 E2";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("percent") << "50%";
    QTest::newRow("hex") << "0x10";
    QTest::newRow("other digits") << QString(QChar(0x0661));
    QTest::newRow("just above maximum") << "922337203685477,5808";
    QTest::newRow("tie above maximum") << "922337203685477,58075";
    QTest::newRow("just below minimum") << "-922337203685477,5808";
    QTest::newRow("whole above") << "922337203685478";
    QTest::newRow("exponent above") << "1E15";
    QTest::newRow("20 raw digits") << "9999999999999999,9999";
    QTest::newRow("2^64 + 1 raw") << "1844674407370955,1617";
    QTest::newRow("huge exponent") << "1E999999999";
    QTest::newRow("absurd exponent") << "1E99999999999999999999999";
    // clang-format on
}

void TestFixedPoint::parseBad()
{
    QFETCH(QString, text);
    Fixed f = Fixed::fromRaw(123);
    QVERIFY(!zm::tryParseFixed(text, f));
    QCOMPARE(f.raw(), 123);
    try {
        zm::parseFixed(text);
        QFAIL("no exception");
    } catch (const zm::ConversionError &e) {
        QCOMPARE(e.text(), QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Gleitkommawert"));
    }
}

void TestFixedPoint::parseInt_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("blanks and sign") << " \t-17" << true << -17;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("dollar hex") << "$FF" << true << 255;
    QTest::newRow("0x lower") << "0x1f" << true << 31;
    QTest::newRow("0X upper") << "0X1F" << true << 31;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("int max") << "2147483647" << true << 2147483647;
    QTest::newRow("int min") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("hex max") << "$7FFFFFFF" << true << 2147483647;
    QTest::newRow("hex min") << "-$80000000" << true << std::numeric_limits<int>::min();
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blank") << " " << false << 0;
    QTest::newRow("above max") << "2147483648" << false << 0;
    QTest::newRow("below min") << "-2147483649" << false << 0;
    QTest::newRow("hex above max") << "$80000000" << false << 0;
    QTest::newRow("hex all ones") << "$FFFFFFFF" << false << 0;
    QTest::newRow("very long") << "99999999999999999999999" << false << 0;
    QTest::newRow("trailing blank") << "12 " << false << 0;
    QTest::newRow("comma") << "1,5" << false << 0;
    QTest::newRow("0x only") << "0x" << false << 0;
    QTest::newRow("dollar only") << "$" << false << 0;
    QTest::newRow("bad hex digit") << "$1G" << false << 0;
    QTest::newRow("hex without prefix") << "1F" << false << 0;
    QTest::newRow("sign after prefix") << "$-1" << false << 0;
    // clang-format on
}

void TestFixedPoint::parseInt()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    int out = 77;
    QCOMPARE(zm::tryParseInt(text, out), valid);
    QCOMPARE(out, valid ? value : 77);
    try {
        QCOMPARE(zm::parseInt(text), value);
        QVERIFY(valid);
    } catch (const zm::ConversionError &e) {
        QVERIFY(!valid);
        QCOMPARE(e.text(), QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Integerwert"));
    }
}

void TestFixedPoint::format_data()
{
    // clang-format off
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("shown");

    QTest::newRow("12,5 @0") << qint64(125000) << 0 << "12";
    QTest::newRow("13,5 @0") << qint64(135000) << 0 << "14";
    QTest::newRow("12,5001 @0") << qint64(125001) << 0 << "13";
    QTest::newRow("14,85 @1") << qint64(148500) << 1 << "14,8";
    QTest::newRow("14,95 @1") << qint64(149500) << 1 << "15,0";
    QTest::newRow("-12,5 @0") << qint64(-125000) << 0 << "-12";
    QTest::newRow("-13,5 @0") << qint64(-135000) << 0 << "-14";
    QTest::newRow("-0,4 @0") << qint64(-4000) << 0 << "0";
    QTest::newRow("-0,5 @0") << qint64(-5000) << 0 << "0";
    QTest::newRow("-0,04 @1") << qint64(-400) << 1 << "0,0";
    QTest::newRow("-0,0001 @3") << qint64(-1) << 3 << "0,000";
    QTest::newRow("-0,0001 @4") << qint64(-1) << 4 << "-0,0001";
    QTest::newRow("2,125 @2") << qint64(21250) << 2 << "2,12";
    QTest::newRow("2,135 @2") << qint64(21350) << 2 << "2,14";
    QTest::newRow("2,1251 @2") << qint64(21251) << 2 << "2,13";
    QTest::newRow("0,0005 @3") << qint64(5) << 3 << "0,000";
    QTest::newRow("0,0015 @3") << qint64(15) << 3 << "0,002";
    QTest::newRow("0 @2") << qint64(0) << 2 << "0,00";
    QTest::newRow("10 @1") << qint64(100000) << 1 << "10,0";
    QTest::newRow("9,99 @1 carry") << qint64(99900) << 1 << "10,0";
    QTest::newRow("0,05 @2") << qint64(500) << 2 << "0,05";
    QTest::newRow("max @4") << Max << 4 << "922337203685477,5807";
    QTest::newRow("max @0") << Max << 0 << "922337203685478";
    QTest::newRow("min @4") << Min << 4 << "-922337203685477,5808";
    QTest::newRow("min @3") << Min << 3 << "-922337203685477,581";
    QTest::newRow("min @0") << Min << 0 << "-922337203685478";
    QTest::newRow("decimals clamped high") << qint64(12345) << 9 << "1,2345";
    QTest::newRow("decimals clamped low") << qint64(15000) << -1 << "2";
    // clang-format on
}

void TestFixedPoint::format()
{
    QFETCH(qint64, raw);
    QFETCH(int, decimals);
    QFETCH(QString, shown);
    QCOMPARE(zm::formatFixed(Fixed::fromRaw(raw), decimals), shown);
}

void TestFixedPoint::formatShortestAndGeneral_data()
{
    // clang-format off
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("shortest");
    QTest::addColumn<QString>("general");

    QTest::newRow("2,25") << qint64(22500) << "2,25" << "2,25";
    QTest::newRow("3") << qint64(30000) << "3" << "3";
    QTest::newRow("2,1429") << qint64(21429) << "2,1429" << "2,1429";
    QTest::newRow("-0,5") << qint64(-5000) << "-0,5" << "-0,5";
    QTest::newRow("0") << qint64(0) << "0" << "0";
    QTest::newRow("10") << qint64(100000) << "10" << "10";
    QTest::newRow("-0,0001") << qint64(-1) << "-0,0001" << "-0,0001";
    QTest::newRow("14 digits") << qint64(999999999999999999) << "99999999999999,9999"
                               << "99999999999999,9999";
    QTest::newRow("10^14") << qint64(1000000000000000000) << "100000000000000" << "1E14";
    QTest::newRow("max") << Max << "922337203685477,5807" << "9,22337203685478E14";
    QTest::newRow("-max") << -Max << "-922337203685477,5807" << "-9,22337203685478E14";
    QTest::newRow("min") << Min << "-922337203685477,5808" << "-9,22337203685478E14";
    QTest::newRow("mantissa below tie") << qint64(1234567890123452500) << "123456789012345,25"
                                        << "1,23456789012345E14";
    QTest::newRow("mantissa tie down") << qint64(1234567890123425000) << "123456789012342,5"
                                       << "1,23456789012342E14";
    QTest::newRow("mantissa tie up") << qint64(1234567890123435000) << "123456789012343,5"
                                     << "1,23456789012344E14";
    QTest::newRow("mantissa zeros") << qint64(1500000000000000000) << "150000000000000" << "1,5E14";
    // clang-format on
}

void TestFixedPoint::formatShortestAndGeneral()
{
    QFETCH(qint64, raw);
    QFETCH(QString, shortest);
    QFETCH(QString, general);
    QCOMPARE(zm::formatShortest(Fixed::fromRaw(raw)), shortest);
    QCOMPARE(zm::formatGeneral(Fixed::fromRaw(raw)), general);
}

void TestFixedPoint::roundRaw_data()
{
    // clang-format off
    QTest::addColumn<double>("raw");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("0,5") << 0.5 << qint64(0);
    QTest::newRow("1,5") << 1.5 << qint64(2);
    QTest::newRow("2,5") << 2.5 << qint64(2);
    QTest::newRow("-2,5") << -2.5 << qint64(-2);
    QTest::newRow("-0,5") << -0.5 << qint64(0);
    QTest::newRow("2,5000001") << 2.5000001 << qint64(3);
    QTest::newRow("-3,7") << -3.7 << qint64(-4);
    QTest::newRow("2^62") << 4611686018427387904.0 << qint64(4611686018427387904);
    // clang-format on
}

void TestFixedPoint::roundRaw()
{
    QFETCH(double, raw);
    QFETCH(qint64, expected);
    QCOMPARE(zm::roundRawToFixed(raw).raw(), expected);
    // The result must not depend on a rounding mode left behind elsewhere.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    const qint64 upward = zm::roundRawToFixed(raw).raw();
    const int after = std::fegetround();
    std::fesetround(mode);
    QCOMPARE(upward, expected);
    QCOMPARE(after, FE_UPWARD);
}

void TestFixedPoint::roundErrors()
{
    QCOMPARE(zm::roundToFixed(2.5L).raw(), 25000);
    QCOMPARE(zm::roundToFixed(-1.23456L).raw(), -12346);
    QCOMPARE(zm::roundRawToFixed(9223372036854775807.0L).raw(), Max);
    QCOMPARE(zm::roundRawToFixed(-9223372036854775808.0L).raw(), Min);
    const long double bad[] = {9223372036854775808.0L,
                               -9223372036854775809.0L,
                               1e30L,
                               std::numeric_limits<long double>::quiet_NaN(),
                               std::numeric_limits<long double>::infinity(),
                               -std::numeric_limits<long double>::infinity()};
    for (const long double v : bad) {
        try {
            zm::roundRawToFixed(v);
            QFAIL(qPrintable(QStringLiteral("no exception for %1").arg(double(v))));
        } catch (const zm::MathError &e) {
            QCOMPARE(e.text(), QStringLiteral("Ungültige Gleitkommaoperation"));
        }
    }
    QVERIFY_THROWS_EXCEPTION(zm::MathError, zm::roundToFixed(1e15L));
}

void TestFixedPoint::divide()
{
    QCOMPARE(zm::divideExtended(7.0L, 2.0L), 3.5L);
    QCOMPARE(zm::divideExtended(0.0L, -4.0L), 0.0L);
    try {
        zm::divideExtended(1.0L, 0.0L);
        QFAIL("no exception for 1 / 0");
    } catch (const zm::MathError &e) {
        QCOMPARE(e.text(), QStringLiteral("Gleitkommadivision durch Null"));
    }
    try {
        zm::divideExtended(0.0L, -0.0L);
        QFAIL("no exception for 0 / 0");
    } catch (const zm::MathError &e) {
        QCOMPARE(e.text(), QStringLiteral("Ungültige Gleitkommaoperation"));
    }
}

void TestFixedPoint::addAndMultiply()
{
    const auto f = [](const char *text) { return zm::parseFixed(QString::fromLatin1(text)); };
    QCOMPARE(zm::addFixed(f("0,0001"), f("-2,5")), f("-2,4999"));
    QVERIFY_THROWS_EXCEPTION(zm::MathError, zm::addFixed(Fixed::fromRaw(Max), Fixed::fromRaw(1)));
    QVERIFY_THROWS_EXCEPTION(zm::MathError, zm::addFixed(Fixed::fromRaw(Min), Fixed::fromRaw(-1)));
    // Exact ties at the fifth place stay ties and go to the even digit.
    QCOMPARE(zm::multiplyFixed(f("0,0005"), f("0,1")), f("0"));
    QCOMPARE(zm::multiplyFixed(f("0,0015"), f("0,1")), f("0,0002"));
    QCOMPARE(zm::multiplyFixed(f("10,55"), f("-0,45")), f("-4,7475"));
    QVERIFY_THROWS_EXCEPTION(zm::MathError, zm::multiplyFixed(f("900000000000"), f("90000")));
}

void TestFixedPoint::randomRoundTrip()
{
    QRandomGenerator rng(20240611);
    for (int n = 0; n < 5000; ++n) {
        qint64 raw = 0;
        switch (n % 3) {
        case 0: // anywhere in the range
            raw = static_cast<qint64>(rng.generate64());
            break;
        case 1: // all magnitudes alike
            raw = static_cast<qint64>(rng.generate64() >> rng.bounded(64));
            break;
        default: // ties and near-ties at every decimal count
            raw = static_cast<qint64>(rng.bounded(1000000)) * 10000 +
                  QList<qint64>{5000, 4999, 5001, 500, 50, 15, 9995}[rng.bounded(7)];
            if (rng.bounded(2))
                raw = -raw;
        }
        if (raw == Min)
            continue; // formats fine, but is outside the parsable range

        const Fixed v = Fixed::fromRaw(raw);
        const QString exact = zm::formatFixed(v, 4);
        QCOMPARE(exact, referenceFormat(raw, 4));
        QCOMPARE(zm::parseFixed(exact).raw(), raw);
        QCOMPARE(zm::parseFixed(zm::formatShortest(v)).raw(), raw);
        for (int d = 0; d <= 3; ++d)
            QCOMPARE(zm::formatFixed(v, d), referenceFormat(raw, d));
    }
}

ZM_TEST_MAIN_CORE(TestFixedPoint)
#include "tst_fixedpoint.moc"
