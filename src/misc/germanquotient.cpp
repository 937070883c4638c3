#include "misc/germanquotient.h"

namespace zm::misc {

const QList<QuotientBand> &quotientTable(SchoolLevel level)
{
    // clang-format off
    static const QList<QuotientBand> msa = {
        {10, 100}, {9, 70}, {8, 50}, {7, 42}, {6, 33}, {5, 20},
        {4, 18}, {3, 16}, {2, 14}, {1, 12}, {0, 0},
    };
    static const QList<QuotientBand> esa = {
        {6, 70}, {5, 40}, {4, 25}, {3, 15}, {2, 12}, {1, 9}, {0, 0},
    };
    // clang-format on
    return level == SchoolLevel::MSA ? msa : esa;
}

Fixed wordsPerError(Fixed words, Fixed errors)
{
    // The scale of the two raw integers cancels out.
    return roundToFixed(divideExtended(static_cast<long double>(words.raw()), static_cast<long double>(errors.raw())));
}

int quotientPoints(SchoolLevel level, qint64 q)
{
    for (const QuotientBand &band : quotientTable(level)) {
        if (q >= band.from)
            return band.points;
    }
    return 0;
}

QStringList quotientRanges(SchoolLevel level)
{
    QStringList ranges;
    const QList<QuotientBand> &table = quotientTable(level);
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (i == 0)
            ranges << QStringLiteral("≥%1").arg(table.at(i).from);
        else
            ranges << QStringLiteral("%1-%2").arg(table.at(i - 1).from - 1).arg(table.at(i).from);
    }
    return ranges;
}

} // namespace zm::misc
