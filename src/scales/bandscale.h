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

// Whole points ("Punktzahl runden") or one decimal ("..nicht runden"); half
// points only where a calculator offers them (the stepped rule).
enum class Rounding { WholePoints, OneDecimal, HalfPoints };

// The constants of the minimum-score pattern: c = 0,01 for one shown decimal,
// 0,010001 when whole points are shown, which lifts an exact half (12,5
// points) above the tie so that it is shown as 13.
inline constexpr long double MinScoreOneDecimal = 0.01L;
inline constexpr long double MinScoreWholePoints = 0.010001L;

long double roundingConstant(Rounding rounding);
int shownDecimals(Rounding rounding);

// ((F × P) × T) × c / 100000000 on the raw integers, in extended precision,
// rounded to an integer halves to even: the minimum score of one band.
// Throws MathError when the result leaves the range of the number type.
Fixed minimumScore(Fixed factor, Fixed maximum, Fixed threshold, long double c);

// The fifteen-point scale's own pattern: ((T + O) × P) × 0,01 / 10000 on the
// raw integers, in extended precision, rounded halves to even; no lift for
// whole points. O is the boundary offset in percentage points.
Fixed offsetMinimumScore(Fixed threshold, Fixed offset, Fixed maximum);

// The stepped pattern: maximum × threshold / 100 on the raw integers, exact,
// rounded to the step of `rounding` (1, 0,5 or 0,1 points) with halves of the
// step up, and never above the maximum rounded down to that step. Throws
// MathError when the product leaves the range of the number type.
Fixed steppedMinimumScore(Fixed maximum, Fixed threshold, Rounding rounding);

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

// The minimum score of band `index` (0-based) by the common pattern. Throws
// MathError when the result leaves the range of the number type.
Fixed bandMinimum(const ScaleInputs &inputs, qsizetype index, Rounding rounding);

// The text the band's output label shows: whole points or one decimal,
// rounded halves to even, decimal comma.
QString minimumText(Fixed minimum, Rounding rounding);

} // namespace zm::scales
