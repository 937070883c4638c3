#include "scales/bandscale.h"

#include <algorithm>

namespace zm::scales {

Fixed strictnessFactor(int position)
{
    position = std::clamp(position, StrictnessMin, StrictnessMax);
    // 0,90 + 0,02 × position, exact in the four-place representation.
    return Fixed::fromRaw(9000 + 200 * static_cast<std::int64_t>(position));
}

long double roundingConstant(Rounding rounding)
{
    return rounding == Rounding::WholePoints ? MinScoreWholePoints : MinScoreOneDecimal;
}

int shownDecimals(Rounding rounding)
{
    return rounding == Rounding::WholePoints ? 0 : 1;
}

ScaleInputs parseInputs(int trackPosition, const QString &maximum, const QStringList &thresholds)
{
    ScaleInputs inputs;
    inputs.factor = strictnessFactor(trackPosition);
    inputs.maximum = parseFixed(maximum);
    inputs.thresholds.reserve(thresholds.size());
    for (const QString &text : thresholds)
        inputs.thresholds.append(parseFixed(text));
    return inputs;
}

Fixed bandMinimum(const ScaleInputs &inputs, qsizetype index, Rounding rounding)
{
    return minimumScore(inputs.factor, inputs.maximum, inputs.thresholds.at(index), roundingConstant(rounding));
}

QString minimumText(Fixed minimum, Rounding rounding)
{
    return formatFixed(minimum, shownDecimals(rounding));
}

} // namespace zm::scales
