#pragma once

// The program's number: a decimal with four places, held as a 64-bit integer
// equal to the value times 10000. Parsing and formatting are free functions
// beside it; arithmetic that the calculators need is done in 80-bit extended
// precision and rounded back to four places, halves to even.

#include <QString>

#include <compare>
#include <cstdint>
#include <limits>

#include "common/errors.h"

static_assert(std::numeric_limits<long double>::digits == 64,
              "the calculators rely on the 80-bit extended type with a 64-bit mantissa");

namespace zm {

class Fixed
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Fixed() = default;
    static constexpr Fixed fromRaw(std::int64_t raw)
    {
        Fixed f;
        f.m_raw = raw;
        return f;
    }
    // Whole number; callers keep it within the range.
    static constexpr Fixed fromInt(std::int64_t whole) { return fromRaw(whole * Scale); }

    constexpr std::int64_t raw() const { return m_raw; }
    // The value (not the raw integer) as an extended number.
    long double toExtended() const { return static_cast<long double>(m_raw) / 10000.0L; }

    friend constexpr auto operator<=>(Fixed, Fixed) = default;
    friend constexpr bool operator==(Fixed, Fixed) = default;

private:
    std::int64_t m_raw = 0;
};

// Text of a field -> number. Blanks, a sign, digits with at most one decimal
// comma, an optional exponent; rounded to four places, halves to even.
// Throws ConversionError "'<text>' ist kein gültiger Gleitkommawert".
Fixed parseFixed(const QString &text);
// Same rules, no exception: false for a text that is not a number.
bool tryParseFixed(const QString &text, Fixed &out);

// Whole number in the 32-bit range. Throws ConversionError
// "'<text>' ist kein gültiger Integerwert".
int parseInt(const QString &text);
bool tryParseInt(const QString &text, int &out);

// Extended value (in units, e.g. 2.5 for 2,5) -> number, rounded to four places,
// halves to even. Throws MathError "Ungültige Gleitkommaoperation" outside the range
// or for NaN/infinity.
Fixed roundToFixed(long double value);
// Same for a value that is already scaled by 10000 (the raw integer representation).
Fixed roundRawToFixed(long double raw);

// a + b. Throws MathError "Ungültige Gleitkommaoperation" when the sum leaves the range.
Fixed addFixed(Fixed a, Fixed b);
// a × b in extended precision, rounded to four places, halves to even (an
// exact tie stays exact: the raw product is divided once). Throws MathError
// outside the range.
Fixed multiplyFixed(Fixed a, Fixed b);

// a / b in extended precision. Throws MathError "Gleitkommadivision durch Null"
// for b == 0 and "Ungültige Gleitkommaoperation" for 0 / 0.
long double divideExtended(long double a, long double b);

// Fixed notation with 0 … 4 decimals, decimal comma, leading '-' for negative
// values, no thousands separator. Rounds the four-place value on its magnitude,
// halves to even, on the integer (never through binary floating point).
QString formatFixed(Fixed value, int decimals);
// Shortest form with up to four decimals: 2,25 / 3 / 2,1429 / -0,5.
QString formatShortest(Fixed value);
// General notation: the shortest form below 10^14; from there on exponent
// notation with up to 15 significant digits ("9,22337203685478E14", "1E14").
QString formatGeneral(Fixed value);

} // namespace zm
