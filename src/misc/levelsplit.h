#pragma once

// Splitting a test's points over three levels of difficulty: the basic level
// carries about 50 %, the extended level about 38 % and the additional
// qualification about 12 % of the total, each within two percentage points
// (exclusive). No GUI; the level distributor window reads its fields, calls
// these and writes texts.

#include "common/fixedpoint.h"

#include <QString>

#include <array>
#include <optional>

namespace zm::misc {

// Grundniveau, Erweiterungsniveau, Zusatzqualifikation.
inline constexpr int LevelCount = 3;
using LevelPoints = std::array<Fixed, LevelCount>;

struct LevelTarget
{
    int share;        // target share in percent; the corridor is share ± 2, bounds excluded
    Fixed multiplier; // completion from this level: 2, 2,63, 8,33 (not 100 / share)
};
const std::array<LevelTarget, LevelCount> &levelTargets();

// A level field's text: empty counts as 0; anything else that is not a
// number throws ConversionError.
Fixed levelValue(const QString &text);

// The points of level `other` when `value` was typed for level `typed`:
// value × multiplier / 100 × target share of `other`, rounded to four places.
Fixed completedPoints(int typed, Fixed value, int other);

// G + E + Z. Throws MathError when the sum leaves the number's range.
Fixed levelSum(const LevelPoints &points);

// Each level's share of the sum in percent, rounded to four places; only
// when every level is greater than 0.
std::optional<LevelPoints> levelShares(const LevelPoints &points);

// Whether all three unrounded shares lie strictly inside their corridors;
// no answer when the sum is 0.
std::optional<bool> insideCorridors(const LevelPoints &points);

// The target points of a level for a total: total / 100 × target share,
// rounded to four places.
Fixed targetPoints(Fixed total, int level);

} // namespace zm::misc
