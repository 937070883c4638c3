#pragma once

// A percentage calculator described as data: its bands with their field
// names, captions and start texts, the scales it can show (one, or one per
// level or subject) with their defaults and own-values files, the rule for
// the minimum scores, and what its result strip shows. The windows are built
// from this; the result strips read the same tables.

#include "scales/bandscale.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zm::scales {

// What entering a threshold field does.
enum class EntryMark {
    None,
    Aqua,              // the field turns aqua
    AquaChanged,       // aqua, and the title asks to save the changes
    RedUnknownMinimum, // red, and the band's minimum-score label shows "???"
    RedUnknownCaption, // red, and the band's caption shows "???"
};

// How the minimum scores are worked out.
enum class MinimumRule {
    Lifted,  // factor × maximum × threshold / 100, × 1,0001 when whole points are shown
    Offset,  // (threshold + offset) × maximum / 100, no lift; the last band without the offset
    Stepped, // maximum × threshold / 100 to the rounding's step, halves up, never above the maximum
};

// The result strip's columns for one scale: column c (1 …) shows band c.
struct StripColumns
{
    // Row 0 of columns 1 …; a null text marks a band the scale does not use.
    QStringList heads;
    // An unused column whose rows 1 and 2 keep their texts (0: none).
    int keepFiguresOfColumn = 0;
    // Unused columns from this one on keep all their texts (0: none).
    int keepColumnsFrom = 0;
};

// One scale a calculator can show.
struct ScaleDefinition
{
    QString caption; // the choice's caption ("*", "Mathematik"); empty for a calculator with one scale
    QString hint;
    QString file;         // own-values file in the data folder; empty: none
    int linesRead = 0;    // lines of the file that go into threshold fields 1 …
    bool savable = true;  // false: saving is refused, restoring deletes nothing
    QStringList captions; // written into band captions 1 … when the scale is chosen
    int firstShown = 1;   // band rows shown, 1-based; lastShown 0: rows are never hidden
    int lastShown = 0;
    int firstDefault = 1;       // the band that takes the first default
    QStringList defaults;       // written when the scale has no own-values file
    bool whitensFields = false; // writing the defaults also sets every threshold field white
    // The defaults are written first even when the own-values file exists.
    bool defaultsWithFile = false;
    StripColumns strip;
};

// A control's objectName and text.
struct NamedText
{
    QString name;
    QString text;
};

struct StripLayout
{
    int columns = 0; // the row-head column included
    int columnWidth = 33;
    int rowHeight = 16;
    // Column 0 of rows 0 … 2; a null text is left as it is.
    QStringList rowHeads{QString(), QStringLiteral("%"), QStringLiteral("ab")};
    QString titlePattern;   // the window title; %1 is the score text
    QString headingPattern; // the label above the grid; empty: the strip has none
};

struct CalculatorDefinition
{
    // Per band, in band order: objectNames of the threshold field, the
    // minimum-score label and the caption label, and their texts at creation.
    QStringList thresholdNames;
    QStringList minimumNames;
    QStringList captionNames;
    QStringList startCaptions;
    QStringList startThresholds;
    QList<EntryMark> entryMarks;
    // Heads over the threshold, caption and minimum-score columns.
    NamedText thresholdHead;
    NamedText captionHead;
    NamedText minimumHead;
    MinimumRule rule = MinimumRule::Lifted;
    Rounding startRounding = Rounding::WholePoints;
    QList<ScaleDefinition> scales; // one, or one per choice
    StripLayout strip;

    int bands() const { return static_cast<int>(thresholdNames.size()); }
};

// "pattern" with %1 replaced by each number from `first` to `last` (either
// direction): numbered(QStringLiteral("ue%1proz"), 1, 8).
QStringList numbered(const QString &pattern, int first, int last);

// The eight-band calculator: its bands and its seven demand levels, in the
// order of the level table.
const CalculatorDefinition &eightBandCalculator();

// The subject-scale calculator: its eight bands and its six subject choices
// in the order of their stored codes 1 … 6 (see scales/subjectscale.h).
const CalculatorDefinition &subjectScaleCalculator();
// "e, te, ne": erreicht, teilweise erreicht, nicht erreicht.
const CalculatorDefinition &threeBandCalculator();
// "Beurteilung in 4 Stufen": sicher … unsicher.
const CalculatorDefinition &fourBandCalculator();
// The fifteen-point scale of the upper secondary level: grades 15 … 00.
const CalculatorDefinition &fifteenPointCalculator();

// An own grading key: sixteen rows, one scale per template (see
// scales/ownkey.h). Its own-values file starts with OwnKeyLeadingLines lines
// (template code, break point, top, rounding code) before the thresholds.
const CalculatorDefinition &ownKeyCalculator();
inline constexpr int OwnKeyLeadingLines = 4;

} // namespace zm::scales
