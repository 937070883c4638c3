#include "scales/ownkey.h"

namespace zm::scales::ownkey {

namespace {

QStringList gradesWithTendencies()
{
    QStringList bands;
    for (int grade = 1; grade <= 5; ++grade) {
        for (const char *tendency : {" +", "", " -"})
            bands << QString::number(grade) + QLatin1String(tendency);
    }
    return bands << QStringLiteral("6");
}

QStringList points()
{
    QStringList bands;
    for (int p = 15; p >= 0; --p)
        bands << QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'));
    return bands;
}

// a / b rounded to a whole number, halves up; b > 0.
std::int64_t divideHalfUp(std::int64_t a, std::int64_t b)
{
    const std::int64_t twice = 2 * a + b;
    const std::int64_t q = twice / (2 * b);
    return (twice % (2 * b) != 0 && twice < 0) ? q - 1 : q;
}

// A percentage given as numerator / denominator of raw units (value × 10000),
// rounded to hundredths, halves up.
Fixed hundredths(std::int64_t numerator, std::int64_t denominator)
{
    return Fixed::fromRaw(divideHalfUp(numerator, denominator * 100) * 100);
}

} // namespace

const QList<KeyTemplate> &keyTemplates()
{
    static const QList<KeyTemplate> templates = {
        {QStringLiteral("Noten 1 bis 6"), {"1", "2", "3", "4", "5", "6"}, 4},
        {QStringLiteral("Noten mit Tendenz"), gradesWithTendencies(), 12},
        {QStringLiteral("Punkte 15 bis 0"), points(), 11},
    };
    return templates;
}

std::optional<QList<Fixed>> thresholds(const KeyTemplate &key, Fixed breakPoint, Fixed top)
{
    if (breakPoint < Fixed() || top < breakPoint || top > Fixed::fromInt(100))
        return std::nullopt;
    const std::int64_t s = top.raw();
    const std::int64_t k = breakPoint.raw();
    const int failing = static_cast<int>(key.bands.size()) - key.passing;
    QList<Fixed> out;
    // Passing band i of p: s - i × (s - k) / (p - 1), kept as one fraction.
    const int gaps = std::max(key.passing - 1, 1);
    for (int i = 0; i < key.passing; ++i)
        out << hundredths(s * gaps - i * (s - k), gaps);
    // Failing band j of f (1 … f): k - j × k / f.
    for (int j = 1; j <= failing; ++j)
        out << hundredths(k * (failing - j), failing);
    return out;
}

QString thresholdText(Fixed threshold)
{
    return formatShortest(threshold);
}

} // namespace zm::scales::ownkey
