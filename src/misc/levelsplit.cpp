#include "misc/levelsplit.h"

namespace zm::misc {

namespace {

// The raw integers (value × 10000) as extended numbers: products of two of
// them stay exact for any realistic number of points, so a result is rounded
// once, at the single division.
long double ext(Fixed value)
{
    return static_cast<long double>(value.raw());
}

} // namespace

const std::array<LevelTarget, LevelCount> &levelTargets()
{
    static const std::array<LevelTarget, LevelCount> targets = {{
        {50, Fixed::fromRaw(20000)},
        {38, Fixed::fromRaw(26300)},
        {12, Fixed::fromRaw(83300)},
    }};
    return targets;
}

Fixed levelValue(const QString &text)
{
    return text.isEmpty() ? Fixed() : parseFixed(text);
}

Fixed completedPoints(int typed, Fixed value, int other)
{
    const auto &targets = levelTargets();
    const long double multiplier = ext(targets.at(static_cast<std::size_t>(typed)).multiplier);
    const int share = targets.at(static_cast<std::size_t>(other)).share;
    // value × m / 100 × share, with the raw integers: raw(v) × raw(m) × share / 10^6.
    return roundRawToFixed(ext(value) * multiplier * share / 1000000.0L);
}

Fixed levelSum(const LevelPoints &points)
{
    return addFixed(addFixed(points[0], points[1]), points[2]);
}

std::optional<LevelPoints> levelShares(const LevelPoints &points)
{
    for (Fixed p : points) {
        if (p <= Fixed())
            return std::nullopt;
    }
    const long double sum = ext(levelSum(points));
    LevelPoints shares;
    for (std::size_t i = 0; i < points.size(); ++i)
        shares[i] = roundRawToFixed(ext(points[i]) * 1000000.0L / sum); // p / S × 100, raw
    return shares;
}

std::optional<bool> insideCorridors(const LevelPoints &points)
{
    long double sum = ext(levelSum(points));
    if (sum == 0.0L)
        return std::nullopt;
    // share = 100 × p / S; compared as 100 × p against bound × S, which keeps
    // an exact 48 or 52 % exact (and outside). A negative sum turns the
    // comparison round, so both sides change sign instead.
    const long double sign = sum < 0.0L ? -1.0L : 1.0L;
    sum *= sign;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const long double scaled = 100.0L * ext(points[i]) * sign;
        const int share = levelTargets()[i].share;
        if (!(scaled > (share - 2) * sum && scaled < (share + 2) * sum))
            return false;
    }
    return true;
}

Fixed targetPoints(Fixed total, int level)
{
    return roundRawToFixed(ext(total) * levelTargets().at(static_cast<std::size_t>(level)).share / 100.0L);
}

} // namespace zm::misc
