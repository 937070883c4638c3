#include "langindex/errorindex.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <vector>

using zm::Fixed;
using zm::langindex::Level;
using zm::langindex::Mapping;

namespace {

// What the tests expect for a target that the mapping leaves alone.
const QString Keep = QStringLiteral("<keep>");

QString shown(const std::optional<QString> &text)
{
    return text ? *text : Keep;
}

enum Target { Points, Label21, Label24 };

QString targetName(Target t)
{
    switch (t) {
    case Points:
        return QStringLiteral("points");
    case Label21:
        return QStringLiteral("label21");
    case Label24:
        return QStringLiteral("label24");
    }
    return {};
}

std::optional<QString> pick(const Mapping &m, Target t)
{
    return t == Points ? m.points : t == Label21 ? m.label21 : m.label24;
}

// The ladders as the teachers' tables print them ("0, 0.53, 1.06, …"),
// written out here independently of the program's own tables.
std::vector<qint64> bounds(const char *list)
{
    std::vector<qint64> out;
    const QStringList parts = QString::fromLatin1(list).split(QStringLiteral(", "));
    for (QString p : parts)
        out.push_back(zm::parseFixed(p.replace(QLatin1Char('.'), QLatin1Char(','))).raw());
    return out;
}

struct PointsLadder
{
    Level level;
    int top;
    const char *bounds; // from the top value down to 0 points
};

const char *const Frz26 = "0, 2.6, 3, 3.4, 3.8, 4.2, 4.6, 5, 5.4, 5.8, 6.2, 6.6, 7, 7.4, 7.8, 8.2";
const char *const Frz30 = "0, 3, 3.4, 3.8, 4.2, 4.6, 5, 5.4, 5.8, 6.2, 6.6, 7, 7.4, 7.8, 8.2, 8.6";
const char *const Frz22 = "0, 2.2, 2.6, 3, 3.4, 3.8, 4.2, 4.6, 5, 5.4, 5.8, 6.2, 6.6, 7, 7.4, 7.8";

const PointsLadder PointsLadders[] = {
    {Level::Engl7, 18,
     "0, 0.53, 1.06, 1.59, 2.12, 2.65, 3.18, 3.71, 4.24, 4.77, 5.3, 5.83, 6.36, 6.89, 7.42, 7.95, 8.48, 9.01, 9.54"},
    {Level::Engl8, 18, "0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7, 7.5, 8, 8.5, 9"},
    {Level::Engl9, 18,
     "0, 0.46, 0.92, 1.38, 1.84, 2.3, 2.76, 3.22, 3.68, 4.14, 4.6, 5.06, 5.52, 5.98, 6.44, 6.9, 7.36, 7.82, 8.28"},
    {Level::R10, 15, "0, 0.43, 0.86, 1.29, 1.73, 2.16, 2.59, 3.03, 3.46, 3.89, 4.33, 4.76, 5.19, 5.62, 6.06, 6.5"},
    {Level::G11, 15, "0, 0.4, 0.8, 1.2, 1.6, 2, 2.4, 2.8, 3.2, 3.6, 4, 4.4, 4.8, 5.2, 5.6, 6"},
    {Level::L11, 15, "0, 0.33, 0.66, 0.99, 1.33, 1.66, 1.99, 2.32, 2.65, 2.99, 3.32, 3.65, 3.99, 4.32, 4.65, 5"},
    {Level::G12, 15, "0, 0.36, 0.86, 1.29, 1.73, 2.16, 2.59, 3.03, 3.46, 3.89, 4.33, 4.76, 5.19, 5.62, 6.06, 6.5"},
    {Level::L12, 15, "0, 0.3, 0.6, 0.9, 1.2, 1.5, 1.8, 2.1, 2.4, 2.7, 3, 3.3, 3.6, 3.9, 4.2, 4.5"},
    {Level::G13, 15, "0, 0.33, 0.67, 1, 1.33, 1.67, 2, 2.33, 2.67, 3, 3.33, 3.67, 4, 4.33, 4.67, 5"},
    {Level::L13, 15, "0, 0.27, 0.53, 0.8, 1.07, 1.33, 1.6, 1.87, 2.13, 2.4, 2.67, 2.93, 3.2, 3.47, 3.73, 4"},
    {Level::Deutsch, 15, "0, 0.5, 0.528, 0.548, 0.568, 0.662, 0.8, 0.9, 1.03, 1.21, 1.388, 1.58, 2, 2.27, 3.12, 3.225"},
    {Level::DtSek1, 15, "0, 0.4, 0.6, 0.799, 0.93, 1.06, 1.21, 1.45, 1.7, 2.04, 2.35, 2.6, 3.05, 4.05, 4.9, 9.2"},
    {Level::Frz11ab57, 15, Frz26},
    {Level::Frz11ab911, 15, Frz30},
    {Level::FrzGK12ab57, 15, Frz26},
    {Level::FrzGK12ab911, 15, Frz30},
    {Level::FrzLK12ab57, 15, "0, 2, 2.4, 2.8, 3.2, 3.6, 4, 4.4, 4.8, 5.2, 5.6, 6, 6.4, 6.8, 7.2, 7.6"},
    {Level::FrzLK12ab9, 15, "0, 2.4, 2.8, 3.2, 3.6, 4, 4.4, 4.8, 5.2, 5.6, 6, 6.4, 6.8, 7.2, 7.6, 8"},
    {Level::FrzLK12ab11, 15, Frz26},
    {Level::FrzGK13ab57, 15, Frz22},
    {Level::FrzGK13ab9, 15, Frz26},
    {Level::FrzGK13ab11, 15, Frz30},
    {Level::FrzLK13ab57, 15, "0, 1.4, 1.8, 2.2, 2.6, 3, 3.4, 3.8, 4.2, 4.6, 5, 5.4, 5.8, 6.2, 6.6, 7"},
    {Level::FrzLK13ab9, 15, "0, 1.8, 2.2, 2.6, 3, 3.4, 3.8, 4.2, 4.6, 5, 5.4, 5.8, 6.2, 6.6, 7, 7.4"},
    {Level::FrzLK13ab11, 15, Frz22},
};

struct BandLadder
{
    Level level;
    Target target;
    const char *bounds;
    std::vector<const char *> texts;
};

const std::vector<const char *> EnglTexts = {"Engl: Ü 1 +", "Engl: Ü 1",   "Engl: Ü 1 -", "Engl: Ü 2 +", "Engl: Ü 2",
                                             "Engl: Ü 2 -", "Engl: Ü 3 +", "Engl: Ü 3",   "Engl: Ü 3 -", "Engl: Ü 4 +",
                                             "Engl: Ü 4",   "Engl: Ü 4 -", "Engl: Ü 5 +", "Engl: Ü 5",   "Engl: Ü 5 -",
                                             "Engl: Ü 6 +", "Engl: Ü 6",   "Engl: Ü 6 -", "Engl: Ü 7 +", "Engl: Ü 7 ",
                                             "Engl: Ü 7 -", "Engl: Ü 8"};
// Class 9 shows the plain band 7 with two trailing blanks.
const std::vector<const char *> Engl9Texts = {"Engl: Ü 1 +", "Engl: Ü 1",   "Engl: Ü 1 -", "Engl: Ü 2 +", "Engl: Ü 2",
                                              "Engl: Ü 2 -", "Engl: Ü 3 +", "Engl: Ü 3",   "Engl: Ü 3 -", "Engl: Ü 4 +",
                                              "Engl: Ü 4",   "Engl: Ü 4 -", "Engl: Ü 5 +", "Engl: Ü 5",   "Engl: Ü 5 -",
                                              "Engl: Ü 6 +", "Engl: Ü 6",   "Engl: Ü 6 -", "Engl: Ü 7 +", "Engl: Ü 7  ",
                                              "Engl: Ü 7 -", "Engl: Ü 8"};

const BandLadder BandLadders[] = {
    {Level::Engl7, Label21,
     "0, 0.53, 1.06, 1.59, 2.12, 2.65, 3.18, 3.71, 4.24, 4.77, 5.3, 5.83, 6.36, 6.89, 7.42, 7.95, 8.48, 9.01, 9.54, "
     "10.07, 10.6, 11.2",
     EnglTexts},
    {Level::Engl8, Label21, "0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7, 7.5, 8, 8.5, 9, 9.5, 10, 10.5",
     EnglTexts},
    {Level::Engl9, Label21,
     "0, 0.46, 0.92, 1.38, 1.84, 2.3, 2.76, 3.22, 3.68, 4.14, 4.6, 5.06, 5.52, 5.98, 6.44, 6.9, 7.82, 8.28, 8.74, "
     "9.2, 9.66, 10",
     Engl9Texts},
    {Level::R10,
     Label24,
     "0, 3.4, 4.2, 5.4, 6.6, 7.8, 9.8",
     {"Frz: Ü 1", "Frz: Ü 2", "Frz: Ü 3", "Frz: Ü 4", "Frz: Ü 5", "Frz: Ü 6", "Frz: Ü 7"}},
    {Level::R10,
     Label21,
     "0, 1.29, 2.59, 3.89, 5.19, 6.5, 8.2",
     {"Engl: Ü 1", "Engl: Ü 2", "Engl: Ü 3", "Engl: Ü 4", "Engl: Ü 5", "Engl: Ü 6", "Engl: Ü 7"}},
    {Level::DtSek1,
     Label21,
     "0, 0.799, 1.21, 2.04, 3.05, 4.9, 9.2",
     {"Dt.: Ü 1 ", "Dt.: Ü 2", "Dt.: Ü 3", "Dt.: Ü 4", "Dt.: Ü 5", "Dt.: Ü 6", "Dt.: Ü 7"}},
};

// The sixteen own-threshold texts with their defaults: the hidden "0,0", then
// the fields for 14 … 0 points.
QStringList ownDefaults()
{
    return {QStringLiteral("0,0"),  QStringLiteral("0,43"), QStringLiteral("0,68"), QStringLiteral("1,29"),
            QStringLiteral("1,73"), QStringLiteral("2,16"), QStringLiteral("2,59"), QStringLiteral("3,03"),
            QStringLiteral("3,46"), QStringLiteral("3,89"), QStringLiteral("4,33"), QStringLiteral("4,76"),
            QStringLiteral("5,19"), QStringLiteral("5,62"), QStringLiteral("6,06"), QStringLiteral("6,50")};
}

QStringList ownWith(int index, const QString &text)
{
    QStringList list = ownDefaults();
    list[index] = text;
    return list;
}

qint64 q(const char *text)
{
    return zm::parseFixed(QString::fromLatin1(text)).raw();
}

} // namespace

class TestErrorIndex : public QObject
{
    Q_OBJECT

private slots:
    void levelTable_data();
    void levelTable();

    void ladders_data();
    void ladders();
    void testTablesCoverEveryLevel();

    void bandLabelsOutsideLadders_data();
    void bandLabelsOutsideLadders();

    void essays_data();
    void essays();

    void quotientErrors_data();
    void quotientErrors();

    void ownThresholds_data();
    void ownThresholds();
    void ownDefaultsFollowClassTen();

    void indexTextLayout();
    void indexTextAgreesWithMapping();
};

void TestErrorIndex::levelTable_data()
{
    // clang-format off
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("left");

    const QString abi13 = QStringLiteral("Für das Abitur und den 13. Jahrgang in SH verbindlich!");
    const struct
    {
        const char *name, *caption;
        QString hint;
        bool left;
    } rows[] = {
        {"engl7", "Engl. 7.Klasse", {}, true},
        {"engl8", "Engl. 8.Klasse", {}, true},
        {"engl9", "Engl. 9.Klasse", {}, true},
        {"r10", "Klasse......10", {}, true},
        {"g11", "Grundkurs 11", {}, true},
        {"l11", "Leistungskurs 11", {}, true},
        {"g12", "Grundkurs 12", {}, true},
        {"l12", "Leistungskurs 12", {}, true},
        {"g13", "Grundkurs 13", abi13, true},
        {"l13", "Leistungskurs 13", abi13, true},
        {"deutsch", "Deutsch, Abi", QStringLiteral("Für das Abitur verbindlich in SH ab 2004/05!"), true},
        {"dtSek1", "Deutsch, Sek1",
         QStringLiteral("Verbindlich für die 10. Klasse und die Abschlussprüfungen an Gesamtschulen."), true},
        {"ewert", "eigene Werte", {}, true},
        {"RadioButton1", "11. Jhrg. ab 5/7", {}, false},
        {"RadioButton2", "11. Jhrg. ab 9/11", {}, false},
        {"RadioButton5", "GK 12. Jhrg. ab 5/7", {}, false},
        {"RadioButton6", "GK 12. Jhrg. ab 9/11", {}, false},
        {"RadioButton3", "LK 12. Jhrg. ab 5/7", {}, false},
        {"RadioButton4", "LK 12. Jhrg. ab 9", {}, false},
        {"RadioButton14", "LK 12. Jhrg. ab 11", {}, false},
        {"RadioButton15", "GK 13. Jhrg. ab 5/7", {}, false},
        {"RadioButton10", "GK 13. Jhrg. ab 9", {}, false},
        {"RadioButton16", "GK 13. Jhrg. ab 11", {}, false},
        {"RadioButton7", "LK 13. Jhrg. ab 5/7", {}, false},
        {"RadioButton8", "LK 13. Jhrg. ab 9", {}, false},
        {"RadioButton9", "LK 13. Jhrg. ab 11", {}, false},
    };
    QCOMPARE(std::size(rows), zm::langindex::levels().size());
    int i = 0;
    for (const auto &r : rows) {
        QTest::newRow(r.name) << i++ << QString::fromLatin1(r.name) << QString::fromUtf8(r.caption) << r.hint << r.left;
    }
    // clang-format on
}

void TestErrorIndex::levelTable()
{
    QFETCH(int, index);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, left);

    const auto &info = zm::langindex::levels()[static_cast<size_t>(index)];
    QCOMPARE(static_cast<int>(info.level), index);
    QCOMPARE(&zm::langindex::info(info.level), &info);
    QCOMPARE(QString::fromLatin1(info.objectName), objectName);
    QCOMPARE(QString::fromUtf8(info.caption), caption);
    QCOMPARE(QString::fromUtf8(info.hint), hint);
    QCOMPARE(info.leftColumn, left);
}

// Every rule of every ladder: a quotient equal to the bound still belongs to
// the rule before, one unit (0,0001) above it gets the rule's text, one unit
// below it the text before. Below the first bound nothing is written.
void TestErrorIndex::ladders_data()
{
    // clang-format off
    QTest::addColumn<int>("level");
    QTest::addColumn<qint64>("q");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("expected");

    auto addLadder = [](Level level, Target target, const std::vector<qint64> &b, auto textOf) {
        const QString prefix = QString::fromLatin1(zm::langindex::info(level).objectName) + QLatin1Char('/') +
                               targetName(target) + QLatin1Char('/');
        for (size_t i = 0; i < b.size(); ++i) {
            const QString before = i == 0 ? Keep : textOf(i - 1);
            const QString name = prefix + zm::formatShortest(Fixed::fromRaw(b[i]));
            const int lv = static_cast<int>(level);
            QTest::newRow(qPrintable(name + QStringLiteral(" at"))) << lv << b[i] << int(target) << before;
            QTest::newRow(qPrintable(name + QStringLiteral(" above"))) << lv << b[i] + 1 << int(target) << textOf(i);
            QTest::newRow(qPrintable(name + QStringLiteral(" below"))) << lv << b[i] - 1 << int(target) << before;
        }
        // Far above the last bound the last rule still holds.
        QTest::newRow(qPrintable(prefix + QStringLiteral("109,9999")))
            << static_cast<int>(level) << qint64(1099999) << int(target) << textOf(b.size() - 1);
    };

    for (const PointsLadder &l : PointsLadders) {
        const std::vector<qint64> b = bounds(l.bounds);
        QCOMPARE(b.size(), size_t(l.top + 1));
        addLadder(l.level, Points, b, [&l](size_t i) { return QString::number(l.top - int(i)); });
    }
    for (const BandLadder &l : BandLadders) {
        const std::vector<qint64> b = bounds(l.bounds);
        QCOMPARE(b.size(), l.texts.size());
        addLadder(l.level, l.target, b, [&l](size_t i) { return QString::fromUtf8(l.texts[i]); });
    }
    // clang-format on
}

void TestErrorIndex::ladders()
{
    QFETCH(int, level);
    QFETCH(qint64, q);
    QFETCH(int, target);
    QFETCH(QString, expected);

    const Mapping m = zm::langindex::map(static_cast<Level>(level), Fixed::fromRaw(q));
    QCOMPARE(shown(pick(m, static_cast<Target>(target))), expected);
}

// A level missing from the tables above would go untested.
void TestErrorIndex::testTablesCoverEveryLevel()
{
    QSet<int> seen;
    for (const PointsLadder &l : PointsLadders) {
        QVERIFY(!seen.contains(static_cast<int>(l.level)));
        seen.insert(static_cast<int>(l.level));
    }
    for (const auto &info : zm::langindex::levels())
        QCOMPARE(seen.contains(static_cast<int>(info.level)), info.level != Level::Ewert);
}

// Labels that no band ladder writes: emptied at every mapping, or emptied only
// while the quotient is below 110.
void TestErrorIndex::bandLabelsOutsideLadders_data()
{
    // clang-format off
    QTest::addColumn<int>("level");
    QTest::addColumn<qint64>("q");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("expected");

    const qint64 quotients[] = {-10000, 0, 5000, 1099999, 1100000, 2500000};
    const QString empty = QStringLiteral("");
    for (const auto &info : zm::langindex::levels()) {
        const Level lv = info.level;
        const bool english = lv == Level::Engl7 || lv == Level::Engl8 || lv == Level::Engl9;
        if (lv == Level::R10)
            continue; // both labels have ladders
        for (const qint64 qq : quotients) {
            const QString name = QString::fromLatin1(info.objectName) + QLatin1Char('/') +
                                 zm::formatShortest(Fixed::fromRaw(qq)) + QLatin1Char('/');
            const QString below110 = qq < 1100000 ? empty : Keep;
            if (english || lv == Level::DtSek1) {
                QTest::newRow(qPrintable(name + QStringLiteral("label24"))) << int(lv) << qq << int(Label24) << empty;
            } else {
                QTest::newRow(qPrintable(name + QStringLiteral("label21")))
                    << int(lv) << qq << int(Label21) << below110;
                QTest::newRow(qPrintable(name + QStringLiteral("label24")))
                    << int(lv) << qq << int(Label24) << below110;
            }
        }
    }
    // clang-format on
}

void TestErrorIndex::bandLabelsOutsideLadders()
{
    QFETCH(int, level);
    QFETCH(qint64, q);
    QFETCH(int, target);
    QFETCH(QString, expected);

    const Mapping m = zm::langindex::map(static_cast<Level>(level), Fixed::fromRaw(q), ownDefaults());
    QCOMPARE(shown(pick(m, static_cast<Target>(target))), expected);
}

// Word count and error count as typed, through the quotient to the points.
void TestErrorIndex::essays_data()
{
    // clang-format off
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("quotient"); // four places, shortest form
    QTest::addColumn<QString>("shown");    // the two-decimal text of the quotient field
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("label21");
    QTest::addColumn<QString>("label24");

    auto row = [](const char *name, const char *w, const char *e, Level lv, const char *quot, const char *two,
                  const QString &p, const char *l21, const char *l24) {
        QTest::newRow(name) << QString::fromUtf8(w) << QString::fromUtf8(e) << int(lv) << QString::fromUtf8(quot)
                            << QString::fromUtf8(two) << p << QString::fromUtf8(l21) << QString::fromUtf8(l24);
    };
    const char *keep = "<keep>";
    row("5 in 250, class 10", "250", "5", Level::R10, "2", "2,00", "11", "Engl: Ü 2", "Frz: Ü 1");
    row("q 2 with g11 stays below the bound 2", "100", "2", Level::G11, "2", "2,00", "11", "", "");
    row("0 errors, engl7", "250", "0", Level::Engl7, "0", "0,00", Keep, keep, "");
    row("0 errors, class 10", "250", "0", Level::R10, "0", "0,00", Keep, keep, keep);
    row("0 errors, dtSek1", "250", "0", Level::DtSek1, "0", "0,00", Keep, keep, "");
    row("0 errors, g11", "250", "0", Level::G11, "0", "0,00", Keep, "", "");
    row("4 in 500, dtSek1 above 0.799", "500", "4", Level::DtSek1, "0,8", "0,80", "12", "Dt.: Ü 2", "");
    row("4 in 500, deutsch", "500", "4", Level::Deutsch, "0,8", "0,80", "10", "", "");
    row("engl7 at 9,6", "1000", "96", Level::Engl7, "9,6", "9,60", "0", "Engl: Ü 7 +", "");
    row("engl7 at 12", "100", "12", Level::Engl7, "12", "12,00", "0", "Engl: Ü 8", "");
    row("engl9 at 7,5 still 6 +", "200", "15", Level::Engl9, "7,5", "7,50", "2", "Engl: Ü 6 +", "");
    row("q 3, class 10", "100", "3", Level::R10, "3", "3,00", "9", "Engl: Ü 3", "Frz: Ü 1");
    row("q 3, LK 12 ab 11", "100", "3", Level::FrzLK12ab11, "3", "3,00", "14", "", "");
    row("g12 at 0,4 (0.36 bound)", "1000", "4", Level::G12, "0,4", "0,40", "14", "", "");
    row("r10 at 0,4", "1000", "4", Level::R10, "0,4", "0,40", "15", "Engl: Ü 1", "Frz: Ü 1");
    row("fractional counts", "250,5", "5,5", Level::R10, "2,1956", "2,20", "10", "Engl: Ü 2", "Frz: Ü 1");
    row("2,1234 shows 2,12", "100", "2,1234", Level::R10, "2,1234", "2,12", "11", "Engl: Ü 2", "Frz: Ü 1");
    row("2,1249 shows 2,12", "100", "2,1249", Level::R10, "2,1249", "2,12", "11", "Engl: Ü 2", "Frz: Ü 1");
    row("2,125 shows 2,12 (half to even)", "100", "2,125", Level::G11, "2,125", "2,12", "10", "", "");
    row("2,135 shows 2,14 (half to even)", "100", "2,135", Level::G11, "2,135", "2,14", "10", "", "");
    row("3 in 128: 2,34375 to even 2,3438", "128", "3", Level::G11, "2,3438", "2,34", "10", "", "");
    row("1 in 128: 0,78125 to even 0,7812", "128", "1", Level::G11, "0,7812", "0,78", "14", "", "");
    row("negative word count", "-250", "5", Level::R10, "-2", "-2,00", Keep, keep, keep);
    row("negative word count, g11", "-250", "5", Level::G11, "-2", "-2,00", Keep, "", "");
    row("109,9999 shows 110,00 but empties", "1000000", "1099999", Level::G11, "109,9999", "110,00", "0", "", "");
    row("110 keeps the labels", "100", "110", Level::G11, "110", "110,00", "0", keep, keep);
    row("110 french right column", "100", "110", Level::FrzLK13ab11, "110", "110,00", "0", keep, keep);
    row("blanks and exponent", " 2,5E2 ", "5", Level::R10, "2", "2,00", "11", "Engl: Ü 2", "Frz: Ü 1");
    // clang-format on
}

void TestErrorIndex::essays()
{
    QFETCH(QString, words);
    QFETCH(QString, errors);
    QFETCH(int, level);
    QFETCH(QString, quotient);
    QFETCH(QString, shown);
    QFETCH(QString, points);
    QFETCH(QString, label21);
    QFETCH(QString, label24);

    const Fixed qv = zm::langindex::quotient(words, errors);
    QCOMPARE(zm::formatShortest(qv), quotient);
    QCOMPARE(zm::formatFixed(qv, 2), shown);

    const Mapping m = zm::langindex::map(static_cast<Level>(level), qv, ownDefaults());
    QCOMPARE(::shown(m.points), points);
    QCOMPARE(::shown(m.label21), label21);
    QCOMPARE(::shown(m.label24), label24);
}

void TestErrorIndex::quotientErrors_data()
{
    // clang-format off
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QString>("message"); // empty: a conversion error, which callers swallow

    const QString div = QStringLiteral("Gleitkommadivision durch Null");
    const QString inv = QStringLiteral("Ungültige Gleitkommaoperation");
    QTest::newRow("no words") << QStringLiteral("0") << QStringLiteral("5") << div;
    QTest::newRow("no words, negative errors") << QStringLiteral("0") << QStringLiteral("-3") << div;
    QTest::newRow("0,0 words") << QStringLiteral("0,0") << QStringLiteral("5") << div;
    QTest::newRow("0 in 0") << QStringLiteral("0") << QStringLiteral("0") << inv;
    QTest::newRow("0,00 in ,") << QStringLiteral(",") << QStringLiteral("0,00") << inv;
    QTest::newRow("words below a unit round to 0") << QStringLiteral("0,00001") << QStringLiteral("1") << div;
    QTest::newRow("quotient out of range") << QStringLiteral("0,0001") << QStringLiteral("900000000000000") << inv;
    QTest::newRow("words empty") << QString() << QStringLiteral("5") << QString();
    QTest::newRow("errors empty") << QStringLiteral("250") << QString() << QString();
    QTest::newRow("words text") << QStringLiteral("abc") << QStringLiteral("5") << QString();
    QTest::newRow("errors text") << QStringLiteral("250") << QStringLiteral("fünf") << QString();
    QTest::newRow("decimal point") << QStringLiteral("250") << QStringLiteral("2.5") << QString();
    QTest::newRow("text and zero words") << QStringLiteral("0") << QStringLiteral("x") << QString();
    // clang-format on
}

void TestErrorIndex::quotientErrors()
{
    QFETCH(QString, words);
    QFETCH(QString, errors);
    QFETCH(QString, message);

    try {
        zm::langindex::quotient(words, errors);
        QFAIL("no error");
    } catch (const zm::ConversionError &) {
        QVERIFY2(message.isEmpty(), "conversion error where a math error belongs");
    } catch (const zm::MathError &e) {
        QCOMPARE(e.text(), message);
    }
}

void TestErrorIndex::ownThresholds_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<qint64>("q");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("labels");

    const QString empty = QStringLiteral("");
    QTest::newRow("defaults 0,75") << ownDefaults() << q("0,75") << QStringLiteral("13") << empty;
    QTest::newRow("defaults 0,86") << ownDefaults() << q("0,86") << QStringLiteral("13") << empty;
    QTest::newRow("defaults 0,68") << ownDefaults() << q("0,68") << QStringLiteral("14") << empty;
    QTest::newRow("defaults 0,6801") << ownDefaults() << q("0,6801") << QStringLiteral("13") << empty;
    QTest::newRow("defaults 0") << ownDefaults() << q("0") << Keep << empty;
    QTest::newRow("defaults 7") << ownDefaults() << q("7") << QStringLiteral("0") << empty;
    QTest::newRow("defaults 110") << ownDefaults() << q("110") << QStringLiteral("0") << Keep;

    // Edit7 holds the bound of 8 points: the rules 15 … 9 run, 8 … 0 do not.
    const QStringList badEdit7 = ownWith(7, QStringLiteral("3,O3"));
    QTest::newRow("bad Edit7, q 5") << badEdit7 << q("5") << QStringLiteral("9") << empty;
    QTest::newRow("bad Edit7, q 3,2") << badEdit7 << q("3,2") << QStringLiteral("9") << empty;
    QTest::newRow("bad Edit7, q 2,5") << badEdit7 << q("2,5") << QStringLiteral("10") << empty;
    QTest::newRow("bad Edit7, q 1,5") << badEdit7 << q("1,5") << QStringLiteral("12") << empty;
    QTest::newRow("bad Edit7, q 0") << badEdit7 << q("0") << Keep << empty;
    QTest::newRow("bad Edit7, q 120") << badEdit7 << q("120") << QStringLiteral("9") << Keep;
    QTest::newRow("empty Edit1") << ownWith(1, QString()) << q("5") << QStringLiteral("15") << empty;
    QTest::newRow("point in Edit1") << ownWith(1, QStringLiteral("0.43")) << q("5") << QStringLiteral("15") << empty;
    QTest::newRow("bad Edit15") << ownWith(15, QStringLiteral("-")) << q("9") << QStringLiteral("1") << empty;
    QTest::newRow("bad hidden bound") << ownWith(0, QStringLiteral("x")) << q("5") << Keep << empty;
    QTest::newRow("only five texts") << ownDefaults().mid(0, 5) << q("5") << QStringLiteral("11") << empty;
    QTest::newRow("no texts") << QStringList() << q("5") << Keep << empty;

    // Own values are used as typed, even when they do not rise.
    QTest::newRow("falling Edit3, q 0,6")
        << ownWith(3, QStringLiteral("0,5")) << q("0,6") << QStringLiteral("12") << empty;
    QTest::newRow("edited Edit5 counts at once")
        << ownWith(5, QStringLiteral("2,00")) << q("2,1") << QStringLiteral("10") << empty;
    QTest::newRow("negative Edit1, q 0") << ownWith(1, QStringLiteral("-1")) << q("0") << QStringLiteral("14") << empty;
    QTest::newRow("exponent in Edit2") << ownWith(2, QStringLiteral("6,8E-1")) << q("0,7") << QStringLiteral("13")
                                       << empty;
    // clang-format on
}

void TestErrorIndex::ownThresholds()
{
    QFETCH(QStringList, own);
    QFETCH(qint64, q);
    QFETCH(QString, points);
    QFETCH(QString, labels);

    const Mapping m = zm::langindex::map(Level::Ewert, Fixed::fromRaw(q), own);
    QCOMPARE(shown(m.points), points);
    QCOMPARE(shown(m.label21), labels);
    QCOMPARE(shown(m.label24), labels);
}

// With the defaults the own ladder is the class-10 ladder, except that
// (0,68; 0,86] earns 13 points instead of 14.
void TestErrorIndex::ownDefaultsFollowClassTen()
{
    const QStringList own = ownDefaults();
    for (qint64 raw = -2; raw <= 70000; ++raw) {
        const Fixed qv = Fixed::fromRaw(raw);
        const QString ownPoints = shown(zm::langindex::map(Level::Ewert, qv, own).points);
        const QString expected =
            raw > 6800 && raw <= 8600 ? QStringLiteral("13") : shown(zm::langindex::map(Level::R10, qv).points);
        if (ownPoints != expected)
            QFAIL(qPrintable(QStringLiteral("q %1: %2, expected %3").arg(zm::formatShortest(qv), ownPoints, expected)));
    }
}

void TestErrorIndex::indexTextLayout()
{
    const QStringList lines = zm::langindex::indexText().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("Wenn Fehlerindex größer \"X\", dann 'Punktzahl', alles klar?"));

    // One block per level, in evaluation order, "eigene Werte" left out.
    qsizetype last = -1;
    for (const auto &info : zm::langindex::levels()) {
        const QString head = QStringLiteral("if ") + QString::fromLatin1(info.objectName) + QStringLiteral(".checked");
        const QStringList found = lines.filter(
            QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(head) + QStringLiteral(" then +/// \\S")));
        if (info.level == Level::Ewert) {
            QVERIFY(found.isEmpty());
            continue;
        }
        QCOMPARE(found.size(), 1);
        const qsizetype at = lines.indexOf(found.first());
        QVERIFY2(at > last, info.objectName);
        last = at;
    }

    const QStringList expectedLines = {
        QStringLiteral("if engl7.checked then      /// Englisch 7.Klasse"),
        QStringLiteral("if   ix > 0  then edit4.text :='18';"),
        QStringLiteral("if   ix > 0.53  then edit4.text :='17';"),
        QStringLiteral("if   ix > 0.53  then label21.caption := 'Engl: Ü 1';"),
        QStringLiteral("if   ix > 11.2  then label21.caption := 'Engl: Ü 8';"),
        QStringLiteral("if   ix > 10.07  then label21.caption := 'Engl: Ü 7 ';"),
        QStringLiteral("if   ix > 9.2  then label21.caption := 'Engl: Ü 7  ';"),
        QStringLiteral("if   ix > 0.528  then edit4.text :='13';"),
        QStringLiteral("if   ix > 3.225  then edit4.text :='0';"),
        QStringLiteral("if   ix > 0  then label21.caption := 'Dt.: Ü 1 ';"),
        QStringLiteral("if   ix > 3.4  then label24.caption := 'Frz: Ü 2';"),
    };
    for (const QString &line : expectedLines)
        QVERIFY2(lines.contains(line), qPrintable(line));

    // Every rule of the tables: 3 × 19 and 22 × 16 points rules,
    // 3 × 22 English, 2 × 7 class-10 and 7 German band rules.
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^if   ix > "))).size(), 57 + 352 + 66 + 14 + 7);
}

// The printed rules and the mapping come from the same tables; reading the
// text back proves that the bounds are printed exactly.
void TestErrorIndex::indexTextAgreesWithMapping()
{
    static const QRegularExpression head(QStringLiteral("^if (\\w+)\\.checked then "));
    static const QRegularExpression rule(QStringLiteral(
        "^if   ix > (\\d+(?:\\.\\d+)?)  then (?:edit4\\.text :='(\\d+)'|label(21|24)\\.caption := '(.*)');$"));

    std::optional<Level> level;
    int rules = 0;
    for (const QString &line : zm::langindex::indexText().split(QLatin1Char('\n'))) {
        if (const auto h = head.match(line); h.hasMatch()) {
            level.reset();
            for (const auto &info : zm::langindex::levels()) {
                if (h.captured(1) == QLatin1String(info.objectName))
                    level = info.level;
            }
            QVERIFY2(level, qPrintable(line));
            continue;
        }
        const auto r = rule.match(line);
        if (!r.hasMatch()) {
            QVERIFY2(!line.startsWith(QLatin1String("if")), qPrintable(line));
            continue;
        }
        QVERIFY2(level, qPrintable(line));
        const Fixed bound = zm::parseFixed(r.captured(1).replace(QLatin1Char('.'), QLatin1Char(',')));
        const Mapping m = zm::langindex::map(*level, Fixed::fromRaw(bound.raw() + 1));
        if (!r.captured(2).isEmpty())
            QCOMPARE(shown(m.points), r.captured(2));
        else
            QCOMPARE(shown(r.captured(3) == QLatin1String("21") ? m.label21 : m.label24), r.captured(4));
        ++rules;
    }
    QCOMPARE(rules, 496);
}

ZM_TEST_MAIN_CORE(TestErrorIndex)

#include "tst_errorindex.moc"
