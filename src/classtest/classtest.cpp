#include "classtest/classtest.h"

#include "common/clock.h"
#include "scales/bandsource.h"
#include "transcript/csvexport.h"

#include <QRegularExpression>
#include <QStringList>

namespace zm::classtest {

namespace {

std::optional<Fixed> numberOf(const QString &text)
{
    Fixed value;
    if (!tryParseFixed(text, value))
        return std::nullopt;
    return value;
}

// n / d rounded to whole units, halves away from zero (n, d ≥ 0, d > 0).
qint64 roundedQuotient(qint64 n, qint64 d)
{
    return (2 * n + d) / (2 * d);
}

} // namespace

Key keyFrom(const scales::BandSource &source)
{
    Key key;
    key.maximum = source.scoreText().trimmed();
    const QStringList &heads = source.chosenScale().strip.heads;
    bool anyMinimum = false;
    for (int band = 0; band < heads.size(); ++band) {
        if (heads.at(band).isNull())
            continue;
        const Band b{heads.at(band), source.minimumText(band)};
        anyMinimum = anyMinimum || numberOf(b.minimum).has_value();
        key.bands << b;
    }
    const std::optional<Fixed> maximum = numberOf(key.maximum);
    if (!maximum || *maximum <= Fixed() || !anyMinimum)
        throw Error(QStringLiteral("Der Schlüssel ist noch nicht berechnet: Gib zuerst die Höchstpunktzahl ein."));
    return key;
}

QString defaultTitle(const QDate &date)
{
    return QStringLiteral("Klassenarbeit vom ") + clock::dateText(date);
}

Grading::Grading(const Key &key)
    : m_key(key)
    , m_maximum(numberOf(key.maximum))
{
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    for (const Band &band : m_key.bands) {
        m_minimums << numberOf(band.minimum);
        const QRegularExpressionMatch match = digits.match(band.caption);
        m_numbers << (match.hasMatch() ? std::optional<int>(match.captured().toInt()) : std::nullopt);
    }
}

Grading::Grade Grading::grade(const Result &result) const
{
    Grade grade;
    const QString points = result.points.trimmed();
    if (points.isEmpty()) {
        grade.status = result.name.trimmed().isEmpty() ? Status::Empty : Status::NotGraded;
        return grade;
    }
    grade.status = Status::Invalid;
    const std::optional<Fixed> value = numberOf(points);
    if (!value) {
        grade.reason = QStringLiteral("„%1“ ist keine Zahl.").arg(points);
        return grade;
    }
    if (*value < Fixed()) {
        grade.reason = QStringLiteral("Die Punktzahl darf nicht negativ sein.");
        return grade;
    }
    if (m_maximum && *value > *m_maximum) {
        grade.reason = QStringLiteral("Die Punktzahl liegt über der Höchstpunktzahl (%1).").arg(m_key.maximum);
        return grade;
    }
    for (int band = 0; band < m_minimums.size(); ++band) {
        if (m_minimums.at(band) && *m_minimums.at(band) <= *value) {
            grade.status = Status::Graded;
            grade.band = band;
            return grade;
        }
    }
    grade.status = Status::BelowKey;
    grade.reason = QStringLiteral("Die Punktzahl liegt unter der niedrigsten Stufe des Schlüssels.");
    return grade;
}

QString Grading::gradeText(const Grade &grade) const
{
    switch (grade.status) {
    case Status::Graded:
        return m_key.bands.at(grade.band).caption;
    case Status::Invalid:
        return QStringLiteral("???");
    case Status::BelowKey:
        return QStringLiteral("–");
    default:
        return QString();
    }
}

void Distribution::add(const Grading &grading, const Grading::Grade &grade, int sign)
{
    if (grade.status != Grading::Status::Graded)
        return;
    counts[grade.band] += sign;
    graded += sign;
    numberSum += sign * grading.captionNumber(grade.band).value_or(0);
}

Distribution distributionOf(const Grading &grading, const QList<Grading::Grade> &grades)
{
    Distribution d;
    d.counts = QList<int>(grading.bands(), 0);
    d.numbered = grading.bands() > 0;
    for (int band = 0; band < grading.bands(); ++band)
        d.numbered = d.numbered && grading.captionNumber(band).has_value();
    for (const Grading::Grade &grade : grades)
        d.add(grading, grade);
    return d;
}

QString shareText(int count, int graded)
{
    const qint64 tenths = graded > 0 ? roundedQuotient(qint64(count) * 1000, graded) : 0;
    return formatFixed(Fixed::fromRaw(tenths * 1000), 1) + QStringLiteral(" %");
}

QString averageText(const Distribution &distribution)
{
    QString value = QStringLiteral("–");
    if (distribution.numbered && distribution.graded > 0) {
        const qint64 hundredths = roundedQuotient(distribution.numberSum * 100, distribution.graded);
        value = formatFixed(Fixed::fromRaw(hundredths * 100), 2);
    }
    const QString papers =
        distribution.graded == 1 ? QStringLiteral("1 Arbeit") : QStringLiteral("%1 Arbeiten").arg(distribution.graded);
    return QStringLiteral("Durchschnitt: ") + value + QStringLiteral(" (") + papers + QLatin1Char(')');
}

QByteArray classTestCsv(const ClassTest &test, const Grading &grading)
{
    QByteArray bytes("\xEF\xBB\xBF");
    const auto line = [&bytes](const QStringList &cells) {
        QStringList quoted;
        for (const QString &cell : cells)
            quoted << transcript::csvCell(cell);
        bytes += quoted.join(QLatin1Char(';')).toUtf8() + "\r\n";
    };
    line({QStringLiteral("Name"), QStringLiteral("Punkte"), QStringLiteral("Note")});
    for (const Result &result : test.results) {
        if (!result.isEmpty())
            line({result.name, result.points.trimmed(), grading.gradeText(grading.grade(result))});
    }
    return bytes;
}

} // namespace zm::classtest
