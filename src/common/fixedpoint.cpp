// Parsing, formatting and extended-precision helpers of the four-place
// fixed-point number.
//
// Parsing works on the decimal digits of the text, never through binary
// floating point, so "1,23455" is an exact tie and rounds to even (1,2346).
// Formatting rounds the integer magnitude, so ties behave the same way there.
//
// Rules that are not obvious from the header:
//  * Blanks are spaces and tabs. The decimal separator is always ','.
//  * A mantissa may consist of a lone comma (",", "-,", ",E5"), which reads
//    as 0; it needs at least one digit or the comma. An exponent needs at
//    least one digit.
//  * The accepted range is ±922337203685477,5807 after rounding; the
//    value -922337203685477,5808 (the int64 minimum) is rejected so that
//    every accepted text has a negation that is accepted too.
//  * parseInt accepts "$1F", "0x1F", "0X1F" and a sign in front of the
//    prefix ("-$10" = -16). Hexadecimal values obey the same signed 32-bit
//    range as decimal ones ("$FFFFFFFF" is an error, not -1).
//  * formatFixed clamps decimals into 0 … 4. A value that rounds to zero is
//    shown without a sign ("0", "0,0"; never "-0").
//  * formatGeneral: if the integer part of the value has 15 or more digits
//    (|value| >= 10^14), the value is shown as d,dddE<n>: the magnitude is
//    rounded to 15 significant digits (halves to even), trailing zeros and a
//    trailing comma of the mantissa are dropped, and the exponent is written
//    without '+' and without leading zeros (922337203685477,5807 ->
//    "9,22337203685478E14", 100000000000000 -> "1E14"). Everything smaller
//    is shown exactly as formatShortest shows it.

#include "common/fixedpoint.h"

#include <algorithm>
#include <cfenv>
#include <climits>
#include <cmath>
#include <optional>

namespace zm {

namespace {

constexpr std::uint64_t MaxMagnitude = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
constexpr std::uint64_t Pow10[] = {1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Moves `i` past leading blanks and an optional sign; true for a '-'.
bool skipBlanksAndSign(const QString &text, qsizetype &i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        return text[i++] == QLatin1Char('-');
    return false;
}

int decimalDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') ? u - u'0' : -1;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Raw value (value × 10000) of a field's text, or nothing for a text that is
// not a number or lies outside the range.
std::optional<std::int64_t> parseRaw(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    const bool negative = skipBlanksAndSign(text, i);

    // Significant digits of integer and fraction part together, leading
    // zeros dropped; fractionDigits counts the digits after the comma
    // (including dropped ones, which only matter for the position).
    std::string digits;
    std::int64_t fractionDigits = 0;
    bool sawDigit = false;
    bool sawComma = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        const int d = decimalDigit(c);
        if (d >= 0) {
            sawDigit = true;
            if (sawComma)
                ++fractionDigits;
            if (d != 0 || !digits.empty())
                digits.push_back(static_cast<char>('0' + d));
        } else if (c == QLatin1Char(',') && !sawComma) {
            sawComma = true;
        } else {
            break;
        }
    }
    if (!sawDigit && !sawComma)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ++i;
        }
        bool sawExponentDigit = false;
        // Saturates far beyond any meaningful size; the digit count of a
        // QString cannot come near it, so the result stays decided correctly.
        constexpr std::int64_t ExponentCap = 1'000'000'000'000'000LL;
        for (; i < n && decimalDigit(text[i]) >= 0; ++i) {
            sawExponentDigit = true;
            if (exponent < ExponentCap)
                exponent = exponent * 10 + decimalDigit(text[i]);
        }
        if (!sawExponentDigit)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }

    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    if (digits.empty())
        return 0; // zero, whatever the exponent

    // value × 10000 = digits × 10^shift; keep the first `keep` digits as the
    // integer result and round on the rest.
    const auto len = static_cast<std::int64_t>(digits.size());
    const std::int64_t shift = exponent - fractionDigits + 4;
    const std::int64_t keep = len + shift;
    if (keep > 19) // the first digit is non-zero: at least 10^19
        return std::nullopt;

    std::uint64_t q = 0;
    for (std::int64_t k = 0; k < keep; ++k)
        q = q * 10 + (k < len ? static_cast<std::uint64_t>(digits[static_cast<size_t>(k)] - '0') : 0);

    if (keep < len) {
        // When keep < 0 the first dropped digit is a zero in front of the
        // significant ones: the value is below half a unit and rounds to 0.
        if (keep >= 0) {
            const int first = digits[static_cast<size_t>(keep)] - '0';
            bool restNonZero = false;
            for (std::int64_t k = keep + 1; k < len && !restNonZero; ++k)
                restNonZero = digits[static_cast<size_t>(k)] != '0';
            if (first > 5 || (first == 5 && (restNonZero || (q & 1U))))
                ++q;
        }
    }

    if (q > MaxMagnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(q);
    return negative ? -value : value;
}

std::optional<int> parseIntValue(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    const bool negative = skipBlanksAndSign(text, i);

    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }

    // One past the largest magnitude; accumulation stops growing beyond it.
    constexpr std::int64_t Limit = static_cast<std::int64_t>(INT_MAX) + 2;
    std::int64_t magnitude = 0;
    bool sawDigit = false;
    for (; i < n; ++i) {
        const int d = base == 16 ? hexDigit(text[i]) : decimalDigit(text[i]);
        if (d < 0)
            return std::nullopt;
        sawDigit = true;
        magnitude = std::min(magnitude * base + d, Limit);
    }
    if (!sawDigit)
        return std::nullopt;

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// Magnitude of a raw value; correct for the int64 minimum too.
std::uint64_t magnitudeOf(std::int64_t raw)
{
    return raw < 0 ? 0U - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
}

// Rounds `value` to a multiple of `unit`, halves to even, and returns the quotient.
std::uint64_t roundedQuotient(std::uint64_t value, std::uint64_t unit)
{
    std::uint64_t q = value / unit;
    const std::uint64_t r = value % unit;
    const std::uint64_t half = unit / 2; // unit is 1 or a power of ten
    if (unit > 1 && (r > half || (r == half && (q & 1U))))
        ++q;
    return q;
}

// Removes trailing zeros of the fraction and then a trailing comma.
void stripFraction(QString &s)
{
    if (!s.contains(QLatin1Char(',')))
        return;
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char(',')))
        s.chop(1);
}

} // namespace

Fixed parseFixed(const QString &text)
{
    const auto raw = parseRaw(text);
    if (!raw)
        throw ConversionError(QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Gleitkommawert"));
    return Fixed::fromRaw(*raw);
}

bool tryParseFixed(const QString &text, Fixed &out)
{
    const auto raw = parseRaw(text);
    if (!raw)
        return false;
    out = Fixed::fromRaw(*raw);
    return true;
}

int parseInt(const QString &text)
{
    const auto value = parseIntValue(text);
    if (!value)
        throw ConversionError(QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Integerwert"));
    return *value;
}

bool tryParseInt(const QString &text, int &out)
{
    const auto value = parseIntValue(text);
    if (!value)
        return false;
    out = *value;
    return true;
}

Fixed roundToFixed(long double value)
{
    return roundRawToFixed(value * 10000.0L);
}

Fixed roundRawToFixed(long double raw)
{
    if (!std::isfinite(raw))
        throw MathError::invalidOperation();

    // Round to nearest, halves to even, whatever mode someone left behind.
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    // rint rounds in the current mode like nearbyint, but without saving and
    // restoring the floating-point environment: several times faster, and
    // nobody reads the inexact flag it may raise.
    const long double r = std::rint(raw);
    if (mode != FE_TONEAREST)
        std::fesetround(mode);

    // Both bounds are powers of two and exact in the extended type.
    constexpr long double Lower = -9223372036854775808.0L;
    constexpr long double Upper = 9223372036854775808.0L;
    if (!(r >= Lower && r < Upper))
        throw MathError::invalidOperation();
    return Fixed::fromRaw(static_cast<std::int64_t>(r));
}

Fixed addFixed(Fixed a, Fixed b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.raw(), b.raw(), &sum))
        throw MathError::invalidOperation();
    return Fixed::fromRaw(sum);
}

Fixed multiplyFixed(Fixed a, Fixed b)
{
    return roundRawToFixed(static_cast<long double>(a.raw()) * static_cast<long double>(b.raw()) / 10000.0L);
}

long double divideExtended(long double a, long double b)
{
    if (b == 0.0L) {
        if (a == 0.0L)
            throw MathError::invalidOperation();
        throw MathError::divisionByZero();
    }
    return a / b;
}

QString formatFixed(Fixed value, int decimals)
{
    decimals = std::clamp(decimals, 0, 4);
    const std::uint64_t q = roundedQuotient(magnitudeOf(value.raw()), Pow10[4 - decimals]);
    const std::uint64_t unit = Pow10[decimals];

    QString s;
    if (value.raw() < 0 && q != 0)
        s += QLatin1Char('-');
    s += QString::number(q / unit);
    if (decimals > 0) {
        s += QLatin1Char(',');
        s += QString::number(q % unit).rightJustified(decimals, QLatin1Char('0'));
    }
    return s;
}

QString formatShortest(Fixed value)
{
    QString s = formatFixed(value, 4);
    stripFraction(s);
    return s;
}

QString formatGeneral(Fixed value)
{
    constexpr std::uint64_t ExponentFrom = 1'000'000'000'000'000'000ULL; // raw of 10^14
    const std::uint64_t magnitude = magnitudeOf(value.raw());
    if (magnitude < ExponentFrom)
        return formatShortest(value);

    // 19 raw digits here (at least 10^18); keep 15 significant ones.
    const QString digits = QString::number(magnitude);
    const auto dropped = static_cast<int>(digits.size()) - 15;
    std::uint64_t unit = 1;
    for (int k = 0; k < dropped; ++k)
        unit *= 10;
    // No carry to a 16th digit is possible: the largest magnitude starts with 9223….
    QString mantissa = QString::number(roundedQuotient(magnitude, unit));
    // The raw value is the value × 10^4.
    const int exponent = static_cast<int>(digits.size()) - 1 - 4;
    mantissa.insert(1, QLatin1Char(','));
    stripFraction(mantissa);

    QString s;
    if (value.raw() < 0)
        s += QLatin1Char('-');
    return s + mantissa + QLatin1Char('E') + QString::number(exponent);
}

} // namespace zm
