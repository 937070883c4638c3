// The number of a field: what parses, formats to texts that parse back to the
// same value; the throwing and the quiet parser agree.

#include "common/fixedpoint.h"
#include "fuzzing.h"

using namespace zm;
using fuzz::require;

namespace {

void roundTrip(Fixed value, const QString &text, const char *property)
{
    Fixed again;
    require(tryParseFixed(text, again) && again == value, property, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    Fixed value;
    const bool parsed = tryParseFixed(text, value);
    try {
        require(parseFixed(text) == value && parsed, "parseFixed agrees with tryParseFixed", text);
    } catch (const ConversionError &) {
        require(!parsed, "parseFixed throws only where tryParseFixed fails", text);
    }
    if (parsed) {
        roundTrip(value, formatFixed(value, 4), "formatFixed(4) parses back");
        roundTrip(value, formatShortest(value), "formatShortest parses back");
        // Below 10^14 the general form is exact, and rounding to fewer places
        // cannot leave the range (the largest values round beyond it).
        const std::int64_t whole = value.raw() / Fixed::Scale;
        if (whole < 100'000'000'000'000 && whole > -100'000'000'000'000) {
            roundTrip(value, formatGeneral(value), "formatGeneral parses back below 10^14");
            for (int decimals = 0; decimals < 4; ++decimals) {
                Fixed rounded;
                require(tryParseFixed(formatFixed(value, decimals), rounded), "formatFixed parses", text);
            }
        }
    }
    int whole = 0;
    if (tryParseInt(text, whole)) {
        int again = 0;
        require(tryParseInt(QString::number(whole), again) && again == whole, "whole numbers parse back", text);
    }
    return 0;
}
