#include "misc/weightedgrade.h"

#include <algorithm>
#include <array>

namespace zm::misc {

namespace {

// Grades for 15 … 0 points.
constexpr std::array<const char *, 16> Grades = {
    "1+", "1", "1-", "2+", "2", "2-", "3+", "3", "3-", "4+", "4", "4-", "5+", "5", "5-", "6",
};

} // namespace

Weighting weighting(int position)
{
    const int oral = 55 + 5 * std::clamp(position, WeightingMin, WeightingMax);
    const int written = 100 - oral;
    return {oral, written, Fixed::fromRaw(oral * 100), Fixed::fromRaw(written * 100)};
}

QString weightCaption(int percent)
{
    return QStringLiteral("zählen zu %1 %").arg(percent);
}

Fixed totalPoints(Fixed oral, Fixed written, const Weighting &weights)
{
    return addFixed(multiplyFixed(oral, weights.oral), multiplyFixed(written, weights.written));
}

std::optional<QString> gradeOf(const QString &shownTotal)
{
    for (std::size_t i = 0; i < Grades.size(); ++i) {
        if (shownTotal == QString::number(15 - static_cast<int>(i)))
            return QString::fromLatin1(Grades[i]);
    }
    return std::nullopt;
}

} // namespace zm::misc
