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

Fixed minimumScore(Fixed factor, Fixed maximum, Fixed threshold, long double c)
{
    long double x = static_cast<long double>(factor.raw()) * static_cast<long double>(maximum.raw());
    x = x * static_cast<long double>(threshold.raw());
    x = x * c;
    x = x / 100000000.0L;
    return roundRawToFixed(x);
}

namespace {

// Floor division for a positive divisor.
std::int64_t floorDivide(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

Fixed steppedMinimumScore(Fixed maximum, Fixed threshold, Rounding rounding)
{
    // The raw product is the score times 10^10; a step of s raw units is
    // s × 10^6 units of the product.
    std::int64_t product = 0;
    if (__builtin_mul_overflow(maximum.raw(), threshold.raw(), &product))
        throw MathError::invalidOperation();
    const std::int64_t step = rounding == Rounding::WholePoints  ? 10000
                              : rounding == Rounding::HalfPoints ? 5000
                                                                 : 1000;
    const std::int64_t unit = step * 1000000;
    std::int64_t steps = floorDivide(product, unit);
    if (2 * (product - steps * unit) >= unit)
        ++steps;
    return Fixed::fromRaw(std::min(steps * step, floorDivide(maximum.raw(), step) * step));
}

Fixed offsetMinimumScore(Fixed threshold, Fixed offset, Fixed maximum)
{
    long double x = static_cast<long double>(threshold.raw()) + static_cast<long double>(offset.raw());
    x = x * static_cast<long double>(maximum.raw());
    x = x * MinScoreOneDecimal;
    x = x / 10000.0L;
    return roundRawToFixed(x);
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
