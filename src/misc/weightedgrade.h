#pragma once

// The final grade from an oral and a written result, both in points of the
// fifteen-point system: the oral part weighs 55, 60, 65 or 70 %, the written
// part the rest. No GUI.

#include "common/fixedpoint.h"

#include <QString>

#include <optional>

namespace zm::misc {

// Track bar positions 0 … 3; position 1 (60 % oral) at start.
inline constexpr int WeightingMin = 0;
inline constexpr int WeightingMax = 3;
inline constexpr int WeightingStart = 1;

struct Weighting
{
    int oralPercent = 0;
    int writtenPercent = 0;
    Fixed oral;
    Fixed written;
};

// Positions outside 0 … 3 are taken as the nearest end.
Weighting weighting(int position);

// "zählen zu 60 %"
QString weightCaption(int percent);

// Oral × oral weight and written × written weight, each rounded to four
// places, then added.
Fixed totalPoints(Fixed oral, Fixed written, const Weighting &weights);

// The grade of a shown total ("15" → "1+", "0" → "6"); none for any other text.
std::optional<QString> gradeOf(const QString &shownTotal);

} // namespace zm::misc
