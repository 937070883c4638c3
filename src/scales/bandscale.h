#pragma once

// Minimum scores of a percentage scale: for every band, the score from which
// a test earns that band, given the maximum score, the band's threshold in
// percent and the strictness factor of the track bar. Shared by every
// percentage calculator; the windows only read their fields and show texts.

#include "common/fixedpoint.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zm::scales {

// Track bar "milder" … "strenger": positions 0 … 10.
inline constexpr int StrictnessMin = 0;
inline constexpr int StrictnessMax = 10;
inline constexpr int StrictnessNeutral = 5;

// 0,90 + 0,02 × position (position 5 gives 1,00). Positions outside 0 … 10
// are taken as the nearest end.
Fixed strictnessFactor(int position);

// Whole points ("Punktzahl runden") or one decimal ("..nicht runden").
enum class Rounding { WholePoints, OneDecimal };

// The constant c of the minimum-score pattern: 0,010001 for whole points, so
// that an exact half (12,5 points) is shown as 13; 0,01 for one decimal.
long double roundingConstant(Rounding rounding);
int shownDecimals(Rounding rounding);

// The parsed inputs of one computation.
struct ScaleInputs
{
    Fixed factor;
    Fixed maximum;
    QList<Fixed> thresholds;
};

// Parses the maximum score and then every threshold, in this order, before
// anything is computed: the first text that is not a number throws
// ConversionError and nothing is shown.
ScaleInputs parseInputs(int trackPosition, const QString &maximum, const QStringList &thresholds);

// The minimum score of band `index` (0-based). Throws MathError when the
// result leaves the range of the number type.
Fixed bandMinimum(const ScaleInputs &inputs, qsizetype index, Rounding rounding);

// The text the band's output label shows: whole points or one decimal,
// rounded halves to even, decimal comma.
QString minimumText(Fixed minimum, Rounding rounding);

} // namespace zm::scales
