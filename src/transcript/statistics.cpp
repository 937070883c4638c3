#include "transcript/statistics.h"

#include "langindex/essaygrade.h"
#include "transcript/transcript.h"

namespace zm::transcript {

namespace {

constexpr int TotalColumn = 7; // "Gesamtpkt./Note:"

// "1 +" and "1+" are the same grade: a table edited in a word processor may
// have lost or gained blanks.
QString withoutBlanks(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (!c.isSpace())
            out += c;
    }
    return out;
}

} // namespace

Statistics statisticsOf(const Transcript &transcript)
{
    const QStringList grades = langindex::EssayGrade::gradeTexts();
    QStringList keys;
    for (const QString &grade : grades)
        keys << withoutBlanks(grade);

    Statistics result;
    result.gradeCounts.fill(0, grades.size());
    long double sum = 0; // of raw values: exact for any realistic score
    for (int row = 1; row < Rows; ++row) {
        const QString total = transcript.cell(TotalColumn, row);
        const qsizetype slash = total.indexOf(QLatin1Char('/'));
        Fixed score; // a cell without "/" may still hold a bare score (left(-1) is all of it)
        if (tryParseFixed(total.left(slash), score)) {
            sum += static_cast<long double>(score.raw());
            ++result.scored;
        }
        if (slash >= 0) {
            const qsizetype grade = keys.indexOf(withoutBlanks(total.mid(slash + 1)));
            if (grade >= 0)
                ++result.gradeCounts[grade];
        }
    }
    if (result.scored > 0) {
        // Straight to tenths, so that the mean is rounded once.
        const Fixed tenths = roundRawToFixed(sum / (result.scored * 1000.0L));
        result.average = Fixed::fromRaw(tenths.raw() * 1000);
    }
    return result;
}

QString averageText(const Statistics &statistics)
{
    const QString lead = QStringLiteral("Durchschnitt der Gesamtpunkte: ");
    if (statistics.scored == 0)
        return lead + QStringLiteral("noch keine Einträge");
    const QString papers =
        statistics.scored == 1 ? QStringLiteral("1 Arbeit") : QStringLiteral("%1 Arbeiten").arg(statistics.scored);
    return lead + formatFixed(statistics.average, 1) + QStringLiteral(" (") + papers + QLatin1Char(')');
}

} // namespace zm::transcript
