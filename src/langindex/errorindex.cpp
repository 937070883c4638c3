#include "langindex/errorindex.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace zm::langindex {

namespace {

// Bounds are written as decimal literals ("0.528_ix") and turned into the raw
// integer of the fixed-point type (value × 10000) at compile time, so that no
// bound ever passes through binary floating point. A literal with more than
// four decimals or anything but digits and one point does not compile.
consteval std::int64_t operator""_ix(const char *literal)
{
    std::int64_t raw = 0;
    int decimals = -1;
    for (const char *p = literal; *p != '\0'; ++p) {
        if (*p == '.') {
            if (decimals >= 0)
                throw "second decimal point in a bound";
            decimals = 0;
            continue;
        }
        if (*p < '0' || *p > '9')
            throw "a bound holds digits and one decimal point only";
        raw = raw * 10 + (*p - '0');
        if (decimals >= 0 && ++decimals > 4)
            throw "a bound has at most four decimals";
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d)
        raw *= 10;
    return raw;
}

static_assert(0.528_ix == 5280 && 9.2_ix == 92000 && 0_ix == 0 && 11.2_ix == 112000 && 3.225_ix == 32250);

// ---------------------------------------------------------------------------
// The levels as the essay window shows them.

constexpr const char *HintAbi13 = "Für das Abitur und den 13. Jahrgang in SH verbindlich!";

constexpr std::array<LevelInfo, 26> Levels{{
    {Level::Engl7, "engl7", "Engl. 7.Klasse", "", true},
    {Level::Engl8, "engl8", "Engl. 8.Klasse", "", true},
    {Level::Engl9, "engl9", "Engl. 9.Klasse", "", true},
    {Level::R10, "r10", "Klasse......10", "", true},
    {Level::G11, "g11", "Grundkurs 11", "", true},
    {Level::L11, "l11", "Leistungskurs 11", "", true},
    {Level::G12, "g12", "Grundkurs 12", "", true},
    {Level::L12, "l12", "Leistungskurs 12", "", true},
    {Level::G13, "g13", "Grundkurs 13", HintAbi13, true},
    {Level::L13, "l13", "Leistungskurs 13", HintAbi13, true},
    {Level::Deutsch, "deutsch", "Deutsch, Abi", "Für das Abitur verbindlich in SH ab 2004/05!", true},
    {Level::DtSek1, "dtSek1", "Deutsch, Sek1",
     "Verbindlich für die 10. Klasse und die Abschlussprüfungen an Gesamtschulen.", true},
    {Level::Ewert, "ewert", "eigene Werte", "", true},
    {Level::Frz11ab57, "RadioButton1", "11. Jhrg. ab 5/7", "", false},
    {Level::Frz11ab911, "RadioButton2", "11. Jhrg. ab 9/11", "", false},
    {Level::FrzGK12ab57, "RadioButton5", "GK 12. Jhrg. ab 5/7", "", false},
    {Level::FrzGK12ab911, "RadioButton6", "GK 12. Jhrg. ab 9/11", "", false},
    {Level::FrzLK12ab57, "RadioButton3", "LK 12. Jhrg. ab 5/7", "", false},
    {Level::FrzLK12ab9, "RadioButton4", "LK 12. Jhrg. ab 9", "", false},
    {Level::FrzLK12ab11, "RadioButton14", "LK 12. Jhrg. ab 11", "", false},
    {Level::FrzGK13ab57, "RadioButton15", "GK 13. Jhrg. ab 5/7", "", false},
    {Level::FrzGK13ab9, "RadioButton10", "GK 13. Jhrg. ab 9", "", false},
    {Level::FrzGK13ab11, "RadioButton16", "GK 13. Jhrg. ab 11", "", false},
    {Level::FrzLK13ab57, "RadioButton7", "LK 13. Jhrg. ab 5/7", "", false},
    {Level::FrzLK13ab9, "RadioButton8", "LK 13. Jhrg. ab 9", "", false},
    {Level::FrzLK13ab11, "RadioButton9", "LK 13. Jhrg. ab 11", "", false},
}};

constexpr bool levelsInEnumOrder()
{
    for (std::size_t i = 0; i < Levels.size(); ++i) {
        if (static_cast<std::size_t>(Levels[i].level) != i)
            return false;
    }
    return true;
}
static_assert(levelsInEnumOrder(), "info() indexes the table by the enum value");

// ---------------------------------------------------------------------------
// Points ladders: the bounds from the top value (18 or 15) down to 0 points.

constexpr std::array Engl7Points{0_ix,    0.53_ix, 1.06_ix, 1.59_ix, 2.12_ix, 2.65_ix, 3.18_ix,
                                 3.71_ix, 4.24_ix, 4.77_ix, 5.3_ix,  5.83_ix, 6.36_ix, 6.89_ix,
                                 7.42_ix, 7.95_ix, 8.48_ix, 9.01_ix, 9.54_ix};
constexpr std::array Engl8Points{0_ix, 0.5_ix, 1_ix, 1.5_ix, 2_ix, 2.5_ix, 3_ix, 3.5_ix, 4_ix, 4.5_ix,
                                 5_ix, 5.5_ix, 6_ix, 6.5_ix, 7_ix, 7.5_ix, 8_ix, 8.5_ix, 9_ix};
constexpr std::array Engl9Points{0_ix,   0.46_ix, 0.92_ix, 1.38_ix, 1.84_ix, 2.3_ix, 2.76_ix, 3.22_ix, 3.68_ix, 4.14_ix,
                                 4.6_ix, 5.06_ix, 5.52_ix, 5.98_ix, 6.44_ix, 6.9_ix, 7.36_ix, 7.82_ix, 8.28_ix};
constexpr std::array R10Points{0_ix,    0.43_ix, 0.86_ix, 1.29_ix, 1.73_ix, 2.16_ix, 2.59_ix, 3.03_ix,
                               3.46_ix, 3.89_ix, 4.33_ix, 4.76_ix, 5.19_ix, 5.62_ix, 6.06_ix, 6.5_ix};
constexpr std::array G11Points{0_ix,   0.4_ix, 0.8_ix, 1.2_ix, 1.6_ix, 2_ix,   2.4_ix, 2.8_ix,
                               3.2_ix, 3.6_ix, 4_ix,   4.4_ix, 4.8_ix, 5.2_ix, 5.6_ix, 6_ix};
constexpr std::array L11Points{0_ix,    0.33_ix, 0.66_ix, 0.99_ix, 1.33_ix, 1.66_ix, 1.99_ix, 2.32_ix,
                               2.65_ix, 2.99_ix, 3.32_ix, 3.65_ix, 3.99_ix, 4.32_ix, 4.65_ix, 5_ix};
// Like the class-10 ladder except for the second bound (0.36 instead of 0.43).
constexpr std::array G12Points{0_ix,    0.36_ix, 0.86_ix, 1.29_ix, 1.73_ix, 2.16_ix, 2.59_ix, 3.03_ix,
                               3.46_ix, 3.89_ix, 4.33_ix, 4.76_ix, 5.19_ix, 5.62_ix, 6.06_ix, 6.5_ix};
constexpr std::array L12Points{0_ix,   0.3_ix, 0.6_ix, 0.9_ix, 1.2_ix, 1.5_ix, 1.8_ix, 2.1_ix,
                               2.4_ix, 2.7_ix, 3_ix,   3.3_ix, 3.6_ix, 3.9_ix, 4.2_ix, 4.5_ix};
constexpr std::array G13Points{0_ix,    0.33_ix, 0.67_ix, 1_ix,    1.33_ix, 1.67_ix, 2_ix,    2.33_ix,
                               2.67_ix, 3_ix,    3.33_ix, 3.67_ix, 4_ix,    4.33_ix, 4.67_ix, 5_ix};
constexpr std::array L13Points{0_ix,    0.27_ix, 0.53_ix, 0.8_ix,  1.07_ix, 1.33_ix, 1.6_ix,  1.87_ix,
                               2.13_ix, 2.4_ix,  2.67_ix, 2.93_ix, 3.2_ix,  3.47_ix, 3.73_ix, 4_ix};
// Small steps at the top.
constexpr std::array DeutschPoints{0_ix,    0.5_ix,  0.528_ix, 0.548_ix, 0.568_ix, 0.662_ix, 0.8_ix,  0.9_ix,
                                   1.03_ix, 1.21_ix, 1.388_ix, 1.58_ix,  2_ix,     2.27_ix,  3.12_ix, 3.225_ix};
// The last step is a long one: 4.9 to 9.2.
constexpr std::array DtSek1Points{0_ix,   0.4_ix,  0.6_ix,  0.799_ix, 0.93_ix, 1.06_ix, 1.21_ix, 1.45_ix,
                                  1.7_ix, 2.04_ix, 2.35_ix, 2.6_ix,   3.05_ix, 4.05_ix, 4.9_ix,  9.2_ix};

// French ladders of the right column; several levels share one ladder.
constexpr std::array Frz26Points{0_ix,   2.6_ix, 3_ix,   3.4_ix, 3.8_ix, 4.2_ix, 4.6_ix, 5_ix,
                                 5.4_ix, 5.8_ix, 6.2_ix, 6.6_ix, 7_ix,   7.4_ix, 7.8_ix, 8.2_ix};
constexpr std::array Frz30Points{0_ix,   3_ix,   3.4_ix, 3.8_ix, 4.2_ix, 4.6_ix, 5_ix,   5.4_ix,
                                 5.8_ix, 6.2_ix, 6.6_ix, 7_ix,   7.4_ix, 7.8_ix, 8.2_ix, 8.6_ix};
constexpr std::array Frz20Points{0_ix,   2_ix,   2.4_ix, 2.8_ix, 3.2_ix, 3.6_ix, 4_ix,   4.4_ix,
                                 4.8_ix, 5.2_ix, 5.6_ix, 6_ix,   6.4_ix, 6.8_ix, 7.2_ix, 7.6_ix};
constexpr std::array Frz24Points{0_ix,   2.4_ix, 2.8_ix, 3.2_ix, 3.6_ix, 4_ix,   4.4_ix, 4.8_ix,
                                 5.2_ix, 5.6_ix, 6_ix,   6.4_ix, 6.8_ix, 7.2_ix, 7.6_ix, 8_ix};
constexpr std::array Frz14Points{0_ix,   1.4_ix, 1.8_ix, 2.2_ix, 2.6_ix, 3_ix,   3.4_ix, 3.8_ix,
                                 4.2_ix, 4.6_ix, 5_ix,   5.4_ix, 5.8_ix, 6.2_ix, 6.6_ix, 7_ix};
constexpr std::array Frz18Points{0_ix,   1.8_ix, 2.2_ix, 2.6_ix, 3_ix,   3.4_ix, 3.8_ix, 4.2_ix,
                                 4.6_ix, 5_ix,   5.4_ix, 5.8_ix, 6.2_ix, 6.6_ix, 7_ix,   7.4_ix};
constexpr std::array Frz22Points{0_ix, 2.2_ix, 2.6_ix, 3_ix,   3.4_ix, 3.8_ix, 4.2_ix, 4.6_ix,
                                 5_ix, 5.4_ix, 5.8_ix, 6.2_ix, 6.6_ix, 7_ix,   7.4_ix, 7.8_ix};

// ---------------------------------------------------------------------------
// Band ladders: bound → text, in the order the rules run.

// The plain band 7 text carries one trailing blank for classes 7 and 8 and two
// for class 9; the window has always shown it like that.
constexpr std::array<const char *, 22> EnglBandTexts{
    "Engl: Ü 1 +", "Engl: Ü 1",  "Engl: Ü 1 -", "Engl: Ü 2 +", "Engl: Ü 2", "Engl: Ü 2 -",
    "Engl: Ü 3 +", "Engl: Ü 3",  "Engl: Ü 3 -", "Engl: Ü 4 +", "Engl: Ü 4", "Engl: Ü 4 -",
    "Engl: Ü 5 +", "Engl: Ü 5",  "Engl: Ü 5 -", "Engl: Ü 6 +", "Engl: Ü 6", "Engl: Ü 6 -",
    "Engl: Ü 7 +", "Engl: Ü 7 ", "Engl: Ü 7 -", "Engl: Ü 8"};
constexpr std::array<const char *, 22> Engl9BandTexts{
    "Engl: Ü 1 +", "Engl: Ü 1",   "Engl: Ü 1 -", "Engl: Ü 2 +", "Engl: Ü 2", "Engl: Ü 2 -",
    "Engl: Ü 3 +", "Engl: Ü 3",   "Engl: Ü 3 -", "Engl: Ü 4 +", "Engl: Ü 4", "Engl: Ü 4 -",
    "Engl: Ü 5 +", "Engl: Ü 5",   "Engl: Ü 5 -", "Engl: Ü 6 +", "Engl: Ü 6", "Engl: Ü 6 -",
    "Engl: Ü 7 +", "Engl: Ü 7  ", "Engl: Ü 7 -", "Engl: Ü 8"};

// The last bound is 11.2 (not 11.13).
constexpr std::array<std::int64_t, 22> Engl7Bands{
    0_ix,    0.53_ix, 1.06_ix, 1.59_ix, 2.12_ix, 2.65_ix, 3.18_ix, 3.71_ix, 4.24_ix,  4.77_ix, 5.3_ix,
    5.83_ix, 6.36_ix, 6.89_ix, 7.42_ix, 7.95_ix, 8.48_ix, 9.01_ix, 9.54_ix, 10.07_ix, 10.6_ix, 11.2_ix};
constexpr std::array<std::int64_t, 22> Engl8Bands{0_ix, 0.5_ix, 1_ix, 1.5_ix, 2_ix,  2.5_ix, 3_ix, 3.5_ix,
                                                  4_ix, 4.5_ix, 5_ix, 5.5_ix, 6_ix,  6.5_ix, 7_ix, 7.5_ix,
                                                  8_ix, 8.5_ix, 9_ix, 9.5_ix, 10_ix, 10.5_ix};
// After 6.9 comes 7.82: "Engl: Ü 6 +" covers two steps.
constexpr std::array<std::int64_t, 22> Engl9Bands{
    0_ix,    0.46_ix, 0.92_ix, 1.38_ix, 1.84_ix, 2.3_ix,  2.76_ix, 3.22_ix, 3.68_ix, 4.14_ix, 4.6_ix,
    5.06_ix, 5.52_ix, 5.98_ix, 6.44_ix, 6.9_ix,  7.82_ix, 8.28_ix, 8.74_ix, 9.2_ix,  9.66_ix, 10_ix};

constexpr std::array<std::int64_t, 7> R10EnglBands{0_ix, 1.29_ix, 2.59_ix, 3.89_ix, 5.19_ix, 6.5_ix, 8.2_ix};
constexpr std::array<const char *, 7> R10EnglTexts{"Engl: Ü 1", "Engl: Ü 2", "Engl: Ü 3", "Engl: Ü 4",
                                                   "Engl: Ü 5", "Engl: Ü 6", "Engl: Ü 7"};
constexpr std::array<std::int64_t, 7> R10FrzBands{0_ix, 3.4_ix, 4.2_ix, 5.4_ix, 6.6_ix, 7.8_ix, 9.8_ix};
constexpr std::array<const char *, 7> R10FrzTexts{"Frz: Ü 1", "Frz: Ü 2", "Frz: Ü 3", "Frz: Ü 4",
                                                  "Frz: Ü 5", "Frz: Ü 6", "Frz: Ü 7"};

// The first text ends with a blank.
constexpr std::array<std::int64_t, 7> DtSek1Bands{0_ix, 0.799_ix, 1.21_ix, 2.04_ix, 3.05_ix, 4.9_ix, 9.2_ix};
constexpr std::array<const char *, 7> DtSek1Texts{"Dt.: Ü 1 ", "Dt.: Ü 2", "Dt.: Ü 3", "Dt.: Ü 4",
                                                  "Dt.: Ü 5",  "Dt.: Ü 6", "Dt.: Ü 7"};

// ---------------------------------------------------------------------------
// One entry per level: its points ladder and what it does with the two band
// labels.

enum class Band {
    Ladder,        // the band ladder below writes the label
    Emptied,       // the label is emptied at every mapping
    EmptyBelow110, // emptied while q < 110, otherwise left alone
};

struct BandLadder
{
    std::span<const std::int64_t> bounds;
    std::span<const char *const> texts;
};

struct LevelRules
{
    Level level;
    int topPoints;                        // 18 or 15
    std::span<const std::int64_t> points; // bounds of topPoints … 0; empty for "eigene Werte"
    Band label21;
    BandLadder label21Ladder;
    Band label24;
    BandLadder label24Ladder;
};

constexpr BandLadder NoLadder{};

constexpr LevelRules plain(Level level, std::span<const std::int64_t> points)
{
    return {level, 15, points, Band::EmptyBelow110, NoLadder, Band::EmptyBelow110, NoLadder};
}

constexpr std::array<LevelRules, 26> Rules{{
    {Level::Engl7, 18, Engl7Points, Band::Ladder, {Engl7Bands, EnglBandTexts}, Band::Emptied, NoLadder},
    {Level::Engl8, 18, Engl8Points, Band::Ladder, {Engl8Bands, EnglBandTexts}, Band::Emptied, NoLadder},
    {Level::Engl9, 18, Engl9Points, Band::Ladder, {Engl9Bands, Engl9BandTexts}, Band::Emptied, NoLadder},
    {Level::R10, 15, R10Points, Band::Ladder, {R10EnglBands, R10EnglTexts}, Band::Ladder, {R10FrzBands, R10FrzTexts}},
    plain(Level::G11, G11Points),
    plain(Level::L11, L11Points),
    plain(Level::G12, G12Points),
    plain(Level::L12, L12Points),
    plain(Level::G13, G13Points),
    plain(Level::L13, L13Points),
    plain(Level::Deutsch, DeutschPoints),
    {Level::DtSek1, 15, DtSek1Points, Band::Ladder, {DtSek1Bands, DtSek1Texts}, Band::Emptied, NoLadder},
    plain(Level::Ewert, {}),
    plain(Level::Frz11ab57, Frz26Points),
    plain(Level::Frz11ab911, Frz30Points),
    plain(Level::FrzGK12ab57, Frz26Points),
    plain(Level::FrzGK12ab911, Frz30Points),
    plain(Level::FrzLK12ab57, Frz20Points),
    plain(Level::FrzLK12ab9, Frz24Points),
    plain(Level::FrzLK12ab11, Frz26Points),
    plain(Level::FrzGK13ab57, Frz22Points),
    plain(Level::FrzGK13ab9, Frz26Points),
    plain(Level::FrzGK13ab11, Frz30Points),
    plain(Level::FrzLK13ab57, Frz14Points),
    plain(Level::FrzLK13ab9, Frz18Points),
    plain(Level::FrzLK13ab11, Frz22Points),
}};

constexpr bool rulesConsistent()
{
    for (std::size_t i = 0; i < Rules.size(); ++i) {
        const LevelRules &r = Rules[i];
        if (static_cast<std::size_t>(r.level) != i)
            return false;
        const bool own = r.level == Level::Ewert;
        if (own != r.points.empty())
            return false;
        if (!own && r.points.size() != static_cast<std::size_t>(r.topPoints) + 1)
            return false;
        if (r.label21Ladder.bounds.size() != r.label21Ladder.texts.size() ||
            r.label24Ladder.bounds.size() != r.label24Ladder.texts.size())
            return false;
        if ((r.label21 == Band::Ladder) == r.label21Ladder.bounds.empty() ||
            (r.label24 == Band::Ladder) == r.label24Ladder.bounds.empty())
            return false;
    }
    return true;
}
static_assert(rulesConsistent(), "every level has a full ladder and its band rules");

// Own thresholds: the hidden bound of 15 points and the fields of 14 … 0.
constexpr int OwnRuleCount = 16;

// ---------------------------------------------------------------------------

std::optional<QString> applyBand(Band band, const BandLadder &ladder, std::int64_t q)
{
    switch (band) {
    case Band::Ladder: {
        std::optional<QString> text;
        for (std::size_t i = 0; i < ladder.bounds.size(); ++i) {
            if (q > ladder.bounds[i])
                text = QString::fromUtf8(ladder.texts[i]);
        }
        return text;
    }
    case Band::Emptied:
        return QString();
    case Band::EmptyBelow110:
        if (q < 110_ix)
            return QString();
        return std::nullopt;
    }
    return std::nullopt;
}

// A bound as program code writes it: shortest form with a decimal point.
QString codeNumber(std::int64_t raw)
{
    return formatShortest(Fixed::fromRaw(raw)).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString ruleLine(std::int64_t bound, const QString &action)
{
    return QStringLiteral("if   ix > ") + codeNumber(bound) + QStringLiteral("  then ") + action;
}

// The level's name in the comment that opens its block of the index text:
// the radio button's caption with the subject that its frame gives on screen.
QString commentName(Level level)
{
    switch (level) {
    case Level::Engl7:
        return QStringLiteral("Englisch 7.Klasse");
    case Level::Engl8:
        return QStringLiteral("Englisch 8.Klasse");
    case Level::Engl9:
        return QStringLiteral("Englisch 9.Klasse");
    case Level::R10:
        return QStringLiteral("Klasse 10, Englisch und Französisch");
    case Level::G11:
    case Level::L11:
    case Level::G12:
    case Level::L12:
    case Level::G13:
    case Level::L13:
        return QStringLiteral("Englisch ") + QString::fromUtf8(info(level).caption);
    case Level::Deutsch:
    case Level::DtSek1:
    case Level::Ewert:
        return QString::fromUtf8(info(level).caption);
    default:
        return QStringLiteral("Französisch ") + QString::fromUtf8(info(level).caption);
    }
}

void appendBandLines(QStringList &lines, const char *label, const BandLadder &ladder)
{
    for (std::size_t i = 0; i < ladder.bounds.size(); ++i) {
        lines << ruleLine(ladder.bounds[i], QString::fromLatin1(label) + QStringLiteral(".caption := '") +
                                                QString::fromUtf8(ladder.texts[i]) + QStringLiteral("';"));
    }
}

} // namespace

const std::array<LevelInfo, 26> &levels()
{
    return Levels;
}

const LevelInfo &info(Level level)
{
    return Levels[static_cast<std::size_t>(level)];
}

Fixed quotient(const QString &wordCount, const QString &errorCount)
{
    const Fixed words = parseFixed(wordCount);
    const Fixed errors = parseFixed(errorCount);
    // E × 100 / W on the raw integers: the scale of 10000 cancels out. The
    // product is formed in the extended type, where it cannot overflow.
    const long double q =
        divideExtended(static_cast<long double>(errors.raw()) * 100.0L, static_cast<long double>(words.raw()));
    return roundToFixed(q);
}

Mapping map(Level level, Fixed q, const QStringList &ownBounds)
{
    const LevelRules &rules = Rules[static_cast<std::size_t>(level)];
    const std::int64_t ix = q.raw();
    Mapping result;

    if (level == Level::Ewert) {
        // The bounds are the teacher's texts as they stand now. The first one
        // that is missing or not a number ends the ladder; what the rules
        // before it wrote stays.
        for (int i = 0; i < OwnRuleCount; ++i) {
            Fixed bound;
            if (i >= ownBounds.size() || !tryParseFixed(ownBounds[i], bound))
                break;
            if (ix > bound.raw())
                result.points = QString::number(15 - i);
        }
    } else {
        for (std::size_t i = 0; i < rules.points.size(); ++i) {
            if (ix > rules.points[i])
                result.points = QString::number(rules.topPoints - static_cast<int>(i));
        }
    }

    result.label21 = applyBand(rules.label21, rules.label21Ladder, ix);
    result.label24 = applyBand(rules.label24, rules.label24Ladder, ix);
    return result;
}

QString indexText()
{
    QStringList lines;
    lines << QStringLiteral("Wenn Fehlerindex größer \"X\", dann 'Punktzahl', alles klar?");

    for (const LevelRules &rules : Rules) {
        if (rules.level == Level::Ewert)
            continue; // the teacher's own values are not part of the fixed tables
        lines << QString();
        lines << QStringLiteral("if ") + QString::fromLatin1(info(rules.level).objectName) +
                     QStringLiteral(".checked then      /// ") + commentName(rules.level);
        lines << QStringLiteral("begin");
        for (std::size_t i = 0; i < rules.points.size(); ++i) {
            const int points = rules.topPoints - static_cast<int>(i);
            lines << ruleLine(rules.points[i],
                              QStringLiteral("edit4.text :='") + QString::number(points) + QStringLiteral("';"));
        }
        if (rules.label21 == Band::Ladder)
            appendBandLines(lines, "label21", rules.label21Ladder);
        if (rules.label24 == Band::Ladder)
            appendBandLines(lines, "label24", rules.label24Ladder);
        lines << QStringLiteral("end;");
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace zm::langindex
