#pragma once

// The German error quotient of the school-leaving levels MSA and ESA: words
// per error as a whole number, and the points the level's table gives for
// it. GUI-free; the window "ESA/MSA Deutsch SH" shows it.

#include "common/fixedpoint.h"

#include <QList>
#include <QString>

namespace zm::misc {

enum class SchoolLevel { MSA, ESA };

// One row of a points table: `points` from quotient `from` on (up to the
// next row's `from`).
struct QuotientBand
{
    int points;
    int from;
};

// The level's table, highest points first; the last row starts at 0.
const QList<QuotientBand> &quotientTable(SchoolLevel level);

// Words per error, words / errors in extended precision rounded to four
// places, halves to even. Throws MathError "Gleitkommadivision durch Null"
// for no errors ("Ungültige Gleitkommaoperation" with no words either).
Fixed wordsPerError(Fixed words, Fixed errors);

// The points for the whole-number quotient q (below 0 counts as 0).
int quotientPoints(SchoolLevel level, qint64 q);

// The ranges of the table as the points picture shows them, highest points
// first: "≥100", "99-70", …, "11-0".
QStringList quotientRanges(SchoolLevel level);

} // namespace zm::misc
