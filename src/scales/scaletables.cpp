// Every percentage calculator's bands, scales and strip, as data.

#include "scales/scaledefinition.h"

#include "scales/ownkey.h"

namespace zm::scales {

QStringList numbered(const QString &pattern, int first, int last)
{
    QStringList out;
    const int step = first <= last ? 1 : -1;
    for (int n = first;; n += step) {
        out << pattern.arg(n);
        if (n == last)
            break;
    }
    return out;
}

namespace {

// Strip heads for bands `first` … `last` of eight ("Ü 3" …), null elsewhere.
QStringList eightBandHeads(const QString &prefix, int first, int last)
{
    QStringList heads;
    for (int band = 1; band <= 8; ++band)
        heads << (band >= first && band <= last ? prefix + QString::number(band) : QString());
    return heads;
}

CalculatorDefinition makeEightBand()
{
    CalculatorDefinition d;
    d.thresholdNames = numbered(QStringLiteral("ue%1proz"), 1, 8);
    d.minimumNames = numbered(QStringLiteral("ue%1bedarf"), 1, 8);
    d.captionNames = numbered(QStringLiteral("Label%1"), 1, 8);
    d.startCaptions = numbered(QStringLiteral("Ü%1"), 1, 8);
    d.startThresholds = {"95", "84", "93", "84", "67", "50", "34", "0"};
    d.entryMarks = {EntryMark::Aqua,        EntryMark::AquaChanged,      EntryMark::AquaChanged,
                    EntryMark::AquaChanged, EntryMark::AquaChanged,      EntryMark::AquaChanged,
                    EntryMark::AquaChanged, EntryMark::RedUnknownMinimum};
    d.thresholdHead = {QStringLiteral("Label11"), QStringLiteral("% Skala:")};
    d.captionHead = {QStringLiteral("Label10"), QStringLiteral("Note:")};
    d.minimumHead = {QStringLiteral("Label12"), QStringLiteral("ab ... Punkten")};
    d.strip.columns = 9;
    d.strip.titlePattern = QStringLiteral("Tabelle für %1 Punkte.");

    const QStringList u6 = numbered(QStringLiteral("Ü %1"), 1, 6);
    const QStringList u8 = numbered(QStringLiteral("Ü %1"), 1, 8);
    const QStringList starDefaults = {"93", "84", "67", "50", "34", "0"};
    auto level = [](const char *caption, const char *hint, const char *file, int lines, QStringList captions,
                    int firstShown, int lastShown, int firstDefault, QStringList defaults, StripColumns strip) {
        ScaleDefinition s;
        s.caption = QString::fromUtf8(caption);
        s.hint = QString::fromUtf8(hint);
        s.file = QString::fromLatin1(file);
        s.linesRead = lines;
        s.captions = std::move(captions);
        s.firstShown = firstShown;
        s.lastShown = lastShown;
        s.firstDefault = firstDefault;
        s.defaults = std::move(defaults);
        s.whitensFields = true;
        s.strip = std::move(strip);
        return s;
    };
    QStringList threeStarHeads = eightBandHeads(QStringLiteral("Ü "), 1, 6);
    threeStarHeads[0] += QLatin1Char(' '); // "Ü 1 " has always carried this blank

    // clang-format off
    d.scales = {
        level("*", "", "ue8c.ini", 8, u6, 3, 8, 3, starDefaults,
              {eightBandHeads(QStringLiteral("Ü "), 3, 8), 1, 0}),
        level("**", "", "ue8d.ini", 8, u6, 2, 7, 2, starDefaults,
              {eightBandHeads(QStringLiteral("Ü "), 2, 7), 1, 0}),
        level("***", "", "ue8e.ini", 8, u6, 1, 6, 1, starDefaults,
              {threeStarHeads, 0, 0}),
        level("Förderschulniveau", "", "ue8a.ini", 6, numbered(QStringLiteral("Fö %1"), 1, 6), 1, 6, 1,
              {"90", "70", "55", "40", "20", "00"},
              {eightBandHeads(QStringLiteral("Fö "), 1, 6), 0, 7}),
        level("* + **", "80% Grundniveau, 20% Erweiterungsniveau", "ue8n.ini", 8, u8, 2, 8, 1,
              {"95", "95", "84", "73", "62", "51", "26", "0"},
              {eightBandHeads(QStringLiteral("Ü "), 2, 8), 0, 0}),
        level("** + ***", "90 % Abschlussniveau MSA, 10 % gymn. Niveau", "ue8b.ini", 8, u6, 1, 7, 1,
              {"95", "84", "73", "62", "51", "26", "0", "0"},
              {eightBandHeads(QStringLiteral("Ü "), 1, 7), 0, 0}),
        level("*, ** +***", "50% Grundniveau, 40% Erweiterungsniveau, 10 % gymn. Niveau", "ue8alle.ini", 8, u6,
              1, 8, 1, {"95", "84", "73", "62", "51", "34", "17", "0"},
              {eightBandHeads(QStringLiteral("Ü "), 1, 8), 0, 0}),
    };
    // clang-format on
    d.scales[3].savable = false; // "Förderschulniveau" is only ever read
    return d;
}

} // namespace

const CalculatorDefinition &eightBandCalculator()
{
    static const CalculatorDefinition d = makeEightBand();
    return d;
}

// ---- Subject-scale calculator ("Hallbrink Notenskalen") ----

namespace {

CalculatorDefinition makeSubjectScale()
{
    CalculatorDefinition d;
    d.thresholdNames = numbered(QStringLiteral("ue%1proz"), 1, 8);
    d.minimumNames = numbered(QStringLiteral("ue%1bedarf"), 1, 8);
    d.captionNames = numbered(QStringLiteral("Label%1"), 1, 8);
    d.startCaptions = numbered(QStringLiteral(" %1"), 1, 6) << QStringLiteral("Ü7") << QStringLiteral("Ü8");
    d.startThresholds = {"90", "75", "60", "45", "22", "0", "0", "0"};
    d.entryMarks = {EntryMark::Aqua};
    d.thresholdHead = {QStringLiteral("Label11"), QStringLiteral("% Skala:")};
    d.captionHead = {QStringLiteral("Label10"), QStringLiteral("Note:")};
    d.minimumHead = {QStringLiteral("Label12"), QStringLiteral("ab ... Punkten")};
    d.strip.columns = 9;
    d.strip.titlePattern = QStringLiteral("max. %1 Pkt.");

    const QStringList grades = numbered(QStringLiteral(" %1"), 1, 6);
    const QString schoolHint = QStringLiteral("50% Grundniveau, 40% Erweiterungsniveau, 10 % gymn. Niveau");
    // The fixed subjects and the school scales have no file of their own
    // to save or delete; the Ü7 scale only reads the eight-band file.
    auto subject = [](const char *caption, const QString &hint, const char *file, bool savable, QStringList captions,
                      int lastShown, QStringList defaults, QStringList heads) {
        ScaleDefinition s;
        s.caption = QString::fromUtf8(caption);
        s.hint = hint;
        s.file = QString::fromLatin1(file);
        s.linesRead = s.file.isEmpty() ? 0 : 8;
        s.savable = savable;
        s.captions = std::move(captions);
        s.lastShown = lastShown;
        s.defaults = std::move(defaults);
        s.strip.heads = std::move(heads);
        return s;
    };
    const QStringList ownDefaults = {"91", "78", "63", "48", "25", "0"};

    // clang-format off
    d.scales = {
        subject("Mathematik", {}, "", false, grades, 6, {"90", "75", "60", "45", "22", "0"}, grades),
        subject("Englisch/Deutsch", {}, "", false, grades, 6, {"92", "81", "67", "50", "30", "0"}, grades),
        subject("", {}, "konf.ini", true, grades, 6, ownDefaults, grades),
        subject("Hallbrinks Ü8", schoolHint, "", false, numbered(QStringLiteral("Ü %1"), 1, 8), 8,
                {"90", "75", "60", "50", "40", "30", "20", "0"}, numbered(QStringLiteral("Ü %1"), 1, 8)),
        subject("Hallbrinks Ü7", schoolHint, "ue8b.ini", false, numbered(QStringLiteral("Ü %1"), 1, 6), 7,
                {"95", "84", "73", "62", "51", "26", "0", "0"}, numbered(QStringLiteral("Ü %1"), 1, 7) << QString()),
        subject("", {}, "konf1.ini", true, grades, 6, ownDefaults, grades),
    };
    // clang-format on
    // Ü7 always starts from its defaults; the eight-band calculator's own
    // values of "** + ***", where saved, then take their place.
    d.scales[4].defaultsWithFile = true;
    return d;
}

} // namespace

// ---- Three-band, four-band and fifteen-point calculators ----

namespace {

// The only scale of a calculator without choices: its own-values file holds
// every threshold field; its strip shows the bands under `heads`.
ScaleDefinition onlyScale(const QString &file, int bands, QStringList heads)
{
    ScaleDefinition s;
    s.file = file;
    s.linesRead = bands;
    s.strip.heads = std::move(heads);
    return s;
}

// The threshold fields "<prefix>Nproz", the minimum labels "<prefix>Nbedarf"
// and the captions by `captionPattern`, for bands N = first … last.
void nameBands(CalculatorDefinition &d, const QString &prefix, const QString &captionPattern, int first, int last)
{
    d.thresholdNames = numbered(prefix + QStringLiteral("%1proz"), first, last);
    d.minimumNames = numbered(prefix + QStringLiteral("%1bedarf"), first, last);
    d.captionNames = numbered(captionPattern, first, last);
}

// Entering any field but the last asks to save the changes; the last one
// turns red with "???" in the place `last` names.
QList<EntryMark> marksEndingWith(int bands, EntryMark last)
{
    return QList<EntryMark>(bands - 1, EntryMark::AquaChanged) << last;
}

// The three- and four-band calculators: verbal bands in the rows ue1 …,
// whole points at the start, a strip with a fixed title and the score in
// its heading line.
CalculatorDefinition verbalBands(QStringList captions, QStringList thresholds, const QString &file,
                                 QStringList stripHeads, const QString &stripTitle)
{
    const int n = static_cast<int>(captions.size());
    CalculatorDefinition d;
    nameBands(d, QStringLiteral("ue"), QStringLiteral("Label%1"), 1, n);
    d.startCaptions = std::move(captions);
    d.startThresholds = std::move(thresholds);
    d.entryMarks = marksEndingWith(n, EntryMark::RedUnknownMinimum);
    d.thresholdHead = {QStringLiteral("Label11"), QStringLiteral("% Skala:")};
    d.captionHead = {QStringLiteral("Label10"), QStringLiteral("Beurteilung")};
    d.minimumHead = {QStringLiteral("Label12"), QStringLiteral("ab ... Punkten")};
    d.scales = {onlyScale(file, n, std::move(stripHeads))};
    d.strip.columns = n + 1;
    d.strip.titlePattern = stripTitle;
    d.strip.headingPattern = QStringLiteral("Tabelle für %1 Punkte.");
    return d;
}

CalculatorDefinition makeThreeBand()
{
    CalculatorDefinition d = verbalBands(
        {QStringLiteral("erreicht"), QStringLiteral("teilweise erreicht"), QStringLiteral("nicht erreicht")},
        {"75", "50", "0"}, QStringLiteral("etene.ini"), {"e", "te", "ne"}, QStringLiteral("e, te, ne"));
    d.strip.columnWidth = 40;
    return d;
}

CalculatorDefinition makeFourBand()
{
    CalculatorDefinition d = verbalBands(
        {QStringLiteral("sicher"), QStringLiteral("überwiegend sicher"), QStringLiteral("teilweise sicher"),
         QStringLiteral("unsicher")},
        {"75", "50", "30", "0"}, QStringLiteral("4er.ini"),
        {QStringLiteral("sicher"), QStringLiteral("überw.s."), QStringLiteral("teilw.s."), QStringLiteral("unsicher")},
        QStringLiteral("4 Stufen"));
    d.strip.columnWidth = 45;
    d.strip.rowHeight = 18;
    return d;
}

// Grades 15 … 00: (threshold + boundary offset) × maximum / 100, grade 00
// without the offset; one decimal at the start.
CalculatorDefinition makeFifteenPoint()
{
    CalculatorDefinition d;
    nameBands(d, QStringLiteral("n"), QStringLiteral("n%1note"), 15, 0);
    for (int grade = 15; grade >= 0; --grade)
        d.startCaptions << QStringLiteral("%1").arg(grade, 2, 10, QLatin1Char('0'));
    // From 30 % (grade 02) the step is to 19 % (grade 01), not to 25 %.
    d.startThresholds = {"95", "90", "85", "80", "75", "70", "65", "60",
                         "55", "50", "45", "40", "35", "30", "19", "00"};
    d.entryMarks = marksEndingWith(16, EntryMark::RedUnknownCaption);
    d.captionHead = {QStringLiteral("Label10"), QStringLiteral("Notenpunkte:")};
    d.thresholdHead = {QStringLiteral("Label11"), QStringLiteral("über % ")};
    d.minimumHead = {QStringLiteral("Label12"), QStringLiteral("Bedarf:")};
    d.rule = MinimumRule::Offset;
    d.startRounding = Rounding::OneDecimal;
    // The strip has no column for grade 00.
    d.scales = {onlyScale(QStringLiteral("p15.ini"), 16, d.startCaptions.first(15))};
    d.strip.columns = 16;
    d.strip.titlePattern = QStringLiteral("Tabelle für %1 Punkte.");
    return d;
}

// An own key: sixteen rows, of which each template shows its bands; every
// template keeps its values in the same file, which also names the template.
CalculatorDefinition makeOwnKey()
{
    CalculatorDefinition d;
    d.thresholdNames = numbered(QStringLiteral("proz%1"), 1, ownkey::MaxBands);
    d.minimumNames = numbered(QStringLiteral("bedarf%1"), 1, ownkey::MaxBands);
    d.captionNames = numbered(QStringLiteral("stufe%1"), 1, ownkey::MaxBands);
    d.entryMarks = QList<EntryMark>(ownkey::MaxBands, EntryMark::AquaChanged);
    d.thresholdHead = {QStringLiteral("LabelProzent"), QStringLiteral("ab ... %")};
    d.captionHead = {QStringLiteral("LabelNote"), QStringLiteral("Note:")};
    d.minimumHead = {QStringLiteral("LabelBedarf"), QStringLiteral("ab ... Punkten")};
    d.rule = MinimumRule::Stepped;
    for (const ownkey::KeyTemplate &key : ownkey::keyTemplates()) {
        ScaleDefinition s;
        s.caption = key.name;
        s.file = QStringLiteral("eigenerschluessel.ini");
        s.linesRead = OwnKeyLeadingLines + ownkey::MaxBands;
        s.captions = key.bands;
        s.lastShown = static_cast<int>(key.bands.size());
        s.strip.heads = key.bands;
        d.scales << s;
    }
    d.strip.columns = ownkey::MaxBands + 1;
    return d;
}

} // namespace

const CalculatorDefinition &ownKeyCalculator()
{
    static const CalculatorDefinition d = makeOwnKey();
    return d;
}

const CalculatorDefinition &subjectScaleCalculator()
{
    static const CalculatorDefinition d = makeSubjectScale();
    return d;
}

const CalculatorDefinition &threeBandCalculator()
{
    static const CalculatorDefinition d = makeThreeBand();
    return d;
}

const CalculatorDefinition &fourBandCalculator()
{
    static const CalculatorDefinition d = makeFourBand();
    return d;
}

const CalculatorDefinition &fifteenPointCalculator()
{
    static const CalculatorDefinition d = makeFifteenPoint();
    return d;
}

} // namespace zm::scales
