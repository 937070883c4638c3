#include "langindex/essaygrade.h"

#include "common/errors.h"

#include <array>
#include <cstdint>

namespace zm::langindex {

namespace {

// The final grade reads and checks the parts in this order: 3, 1, 2, 4, 5, 6.
constexpr std::array<int, PartCount> ReadOrder = {2, 0, 1, 3, 4, 5};

constexpr Fixed Fifteen = Fixed::fromInt(15);

struct GradeStep
{
    std::int64_t above; // raw bound: the score must be greater
    const char *text;
};

// Strict greater-than, the last matching step wins.
// clang-format off
constexpr std::array<GradeStep, 16> GradeSteps = {{
    {-150000, "6"},
    {   4990, "5 -"},
    {  14990, "5"},
    {  24990, "5 +"},
    {  34990, "4 -"},
    {  44990, "4"},
    {  54990, "4 +"},
    {  64990, "3 -"},
    {  74990, "3"},
    {  84990, "3 +"},
    {  94990, "2 -"},
    { 104990, "2"},
    { 114990, "2 +"},
    { 124990, "1 -"},
    { 134990, "1"},
    { 144990, "1 +"},
}};
// clang-format on

long double extended(Fixed value)
{
    return static_cast<long double>(value.raw());
}

// a / b in extended precision, rounded to four places.
Fixed quotientOf(Fixed a, Fixed b)
{
    return roundRawToFixed(divideExtended(extended(a) * Fixed::Scale, extended(b)));
}

template <std::size_t N> Fixed sumOf(const std::array<Fixed, N> &values)
{
    long double raw = 0;
    for (const Fixed v : values)
        raw += extended(v);
    return roundRawToFixed(raw);
}

} // namespace

void EssayGrade::changed(Field field)
{
    const int index = static_cast<int>(field);
    const int firstPoints = static_cast<int>(Field::Points1);
    const int firstValue = static_cast<int>(Field::Value1);
    if (index >= firstPoints && index < firstPoints + PartCount)
        partChange(index - firstPoints);
    else if (index >= firstValue && index < firstValue + PartCount - 1)
        partChange(index - firstValue + 1);
    else if (field == Field::Maximum)
        partChange(0);
    else if (field == Field::Expression)
        expressionCheck();
    else if (field == Field::FinalScore)
        gradeText();
}

void EssayGrade::partChange(int part)
{
    const Field pointsAt = pointsField(part);
    const Field valueAt = valueField(part);
    m_fields.makeTabStop(pointsAt);
    Fixed points;
    Fixed maximum;
    try {
        points = parseFixed(m_fields.text(pointsAt));
        maximum = parseFixed(m_fields.text(Field::Maximum));
    } catch (const ConversionError &) {
        return;
    }
    // 15 × (p / m) in extended precision; a maximum of 0 goes to the report.
    const Fixed value = roundToFixed(15.0L * divideExtended(extended(points), extended(maximum)));
    if (!m_additive) {
        if (m_fields.text(valueAt).isEmpty())
            m_fields.setText(valueAt, QStringLiteral("1"));
        if (points > Fifteen)
            m_fields.setText(pointsAt, QString());
        if (m_fields.text(pointsAt).isEmpty())
            m_fields.setText(valueAt, QString());
    }
    if (m_fields.text(pointsAt).isEmpty())
        m_fields.beep();
    if (m_additive)
        m_fields.setText(valueAt, formatShortest(value));
}

void EssayGrade::setPartMode(bool additive)
{
    m_additive = additive;
    m_fields.setText(Field::InterimCaption, additive ? QStringLiteral("entspr. Punktzahl nach 15er-System")
                                                     : QStringLiteral("Zwischenergebnis der Teilaufgaben"));
    m_fields.setText(Field::Interim, QStringLiteral(" ? "));
    for (int part = 0; part < PartCount; ++part)
        m_fields.setText(pointsField(part), QString());
    for (int part = 0; part < PartCount; ++part)
        m_fields.setText(valueField(part), QString());
}

void EssayGrade::expressionCheck()
{
    // A language text that is not a whole number goes to the report.
    if (parseInt(m_fields.text(Field::Language)) > 15)
        m_fields.showMessage(QStringLiteral("Ups, da sind mehr als 15 Punkte bei der Schreibrichtigkeit!"));
    if (m_fields.text(Field::ExpressionWeight) == QLatin1String("0"))
        m_fields.setText(Field::ExpressionWeight, QStringLiteral("1"));
}

void EssayGrade::gradeText()
{
    if (const auto grade = gradeFor(parseFixed(m_fields.text(Field::FinalScore))))
        m_fields.setText(Field::GradeText, *grade);
}

std::optional<QString> EssayGrade::gradeFor(Fixed score)
{
    std::optional<QString> grade;
    for (const GradeStep &step : GradeSteps) {
        if (score.raw() > step.above)
            grade = QString::fromUtf8(step.text);
    }
    return grade;
}

QStringList EssayGrade::gradeTexts()
{
    QStringList texts;
    for (auto step = GradeSteps.rbegin(); step != GradeSteps.rend(); ++step)
        texts << QString::fromUtf8(step->text);
    return texts;
}

Fixed EssayGrade::read(Field field) const
{
    const QString text = m_fields.text(field);
    return text.isEmpty() ? Fixed() : parseFixed(text);
}

void EssayGrade::stop(const QString &message)
{
    m_fields.showMessage(message);
    throw Stop{};
}

Fixed EssayGrade::contentSum(const std::array<Fixed, PartCount> &points, const std::array<Fixed, PartCount> &weights,
                             bool additive)
{
    if (m_fields.text(Field::Language).isEmpty() && m_fields.text(Field::LanguageWeight) != QLatin1String("0"))
        stop(QStringLiteral("Schweres Vergehen, entweder wurde keine Bezugsgruppe für den Fehlerindex gewählt\n"
                            "oder es wurde kein Fehlerquotient ermittelt. Gib Wort und Fehlerzahl ein."));
    for (const int part : ReadOrder) {
        if (m_fields.text(pointsField(part)).isEmpty() && weights[part] != Fixed())
            stop(QStringLiteral("Vergiss nicht, die Teilaufgabe %1 zu bepunkten!").arg(part + 1));
    }
    if (additive)
        return sumOf(weights);
    long double raw = 0;
    for (int part = 0; part < PartCount; ++part)
        raw += extended(points[part]) * extended(weights[part]);
    return roundRawToFixed(raw / Fixed::Scale);
}

Fixed EssayGrade::finalScore(Fixed content, Fixed weightSum, Fixed contentWeight)
{
    const Fixed expression = read(Field::Expression);
    if (expression > Fifteen)
        stop(QStringLiteral("Das Ausdrucksvermögen hat mehr als 15 Punkte?"));
    const Fixed expressionWeight = read(Field::ExpressionWeight);
    const Fixed language = read(Field::Language);
    const Fixed languageWeight = read(Field::LanguageWeight);
    // Here an empty area weight is not a number.
    const Fixed total = sumOf(std::array<Fixed, 3>{parseFixed(m_fields.text(Field::LanguageWeight)),
                                                   parseFixed(m_fields.text(Field::ExpressionWeight)),
                                                   parseFixed(m_fields.text(Field::ContentWeight))});
    if (weightSum == Fixed())
        stop(QStringLiteral("Du musst schon eine Teilaufgabe eintragen\n"
                            "sonst müsste ich durch 0 teilen, \n"
                            "und das ist nun mal nicht möglich!"));
    // (C / S) × content weight + A × expression weight + L × language weight,
    // C / S unrounded, on the raw integers.
    const long double weighted = divideExtended(extended(content), extended(weightSum)) * extended(contentWeight) +
                                 extended(expression) * extended(expressionWeight) / Fixed::Scale +
                                 extended(language) * extended(languageWeight) / Fixed::Scale;
    return quotientOf(roundRawToFixed(weighted), total);
}

GradeEnd EssayGrade::finalGrade(bool recording, int &pending)
{
    const int before = pending;
    if (recording)
        pending = 1;
    try {
        const bool additive = m_additive;
        std::array<Fixed, PartCount> points{};
        for (const int part : ReadOrder) {
            if (additive && m_fields.text(pointsField(part)).isEmpty())
                m_fields.setText(valueField(part), QString());
            points[part] = read(pointsField(part));
            if (!additive && points[part] > Fifteen)
                stop(QStringLiteral("Eingabefehler, Aufgabe %1 hat mehr als 15 Punkte!").arg(part + 1));
        }
        std::array<Fixed, PartCount> weights{};
        for (const int part : ReadOrder)
            weights[part] = read(valueField(part));
        const Fixed contentWeight = read(Field::ContentWeight);

        const Fixed content = contentSum(points, weights, additive);
        const Fixed weightSum = additive ? Fixed::fromInt(1) : sumOf(weights);
        m_fields.setText(Field::FinalScore, formatFixed(finalScore(content, weightSum, contentWeight), 1));

        if (additive) {
            m_fields.setText(Field::Interim, formatFixed(content, 2));
            if (content > Fifteen)
                m_fields.showMessage(QStringLiteral("Du hast mehr Inhaltspunkte vergeben als maximal vorgesehen!"));
        } else if (parseFixed(m_fields.text(Field::FinalScore)) > Fifteen) {
            m_fields.showMessage(QStringLiteral("Hier liegt ein Eingabefehler vor.\n"
                                                "Mehr als 15 Punkte gibt es nicht!\n"
                                                "Ausnahmen nur bei Englisch 7 bis 9 möglich"));
        } else {
            m_fields.setText(Field::Interim, formatFixed(quotientOf(content, weightSum), 2));
        }
        return GradeEnd::Done;
    } catch (const Stop &) {
        pending = before;
        return GradeEnd::Stopped;
    } catch (const ConversionError &) {
        m_fields.showMessage(QStringLiteral("Gib erstmal Werte ein!"));
        return GradeEnd::NotANumber;
    } catch (const Error &) {
        // No unfinished result may be offered for saving.
        pending = before;
        return GradeEnd::Failed;
    }
}

} // namespace zm::langindex
