#pragma once

// A class test evaluated against a grading key: the key is a snapshot of a
// result strip (bands best first, each with its caption and minimum score
// exactly as the strip showed them, and the maximum score); every student's
// points become the caption of the best band whose minimum they reach.
// GUI-free: the window, the store and the reports all work on these types.

#include "common/errors.h"
#include "common/fixedpoint.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace zm::scales {
class BandSource;
}

namespace zm::classtest {

// At most this many students per test.
inline constexpr int MaxStudents = 500;

struct Band
{
    QString caption;
    QString minimum; // the text the strip showed ("17", "12,5")
};

struct Key
{
    QList<Band> bands; // best first
    QString maximum;   // the maximum score as typed in the calculator
};

// The key a strip shows for its calculator: the bands the chosen scale puts
// into the strip, with the calculator's minimum-score texts. Throws zm::Error
// when the maximum score or every minimum is not a number (nothing to grade
// against).
Key keyFrom(const scales::BandSource &source);

struct Result
{
    QString name;
    QString points; // as typed, decimal comma
    bool isEmpty() const { return name.trimmed().isEmpty() && points.trimmed().isEmpty(); }
};

struct ClassTest
{
    qint64 id = 0; // 0: not stored
    QString title;
    QString className;
    QDate date;
    Key key;
    QList<Result> results;
};

// "Klassenarbeit vom 05.03.2024".
QString defaultTitle(const QDate &date);

// The key's numbers, parsed once so that grading a row costs a few compares.
class Grading
{
public:
    explicit Grading(const Key &key);

    enum class Status {
        Empty,     // neither name nor points: counts nowhere
        NotGraded, // a name without points
        Invalid,   // points that are no number, negative or above the maximum
        Graded,    // a band was reached
        BelowKey,  // valid points below every band's minimum (a key without a band from 0)
    };
    struct Grade
    {
        Status status = Status::Empty;
        int band = -1;  // Graded: index into the key's bands
        QString reason; // Invalid, BelowKey: why, in German
    };

    Grade grade(const Result &result) const;
    // The text of the grade column: the caption, "???" for invalid points,
    // "–" below the key, empty otherwise.
    QString gradeText(const Grade &grade) const;

    const Key &key() const { return m_key; }
    int bands() const { return static_cast<int>(m_key.bands.size()); }
    // The number a band's caption carries ("Ü 3" → 3, "12" → 12); empty
    // when the caption holds none ("sicher").
    std::optional<int> captionNumber(int band) const { return m_numbers.value(band); }

private:
    Key m_key;
    std::optional<Fixed> m_maximum;
    QList<std::optional<Fixed>> m_minimums;
    QList<std::optional<int>> m_numbers;
};

// How many graded students reached each band, and what that adds up to.
struct Distribution
{
    QList<int> counts; // per band of the key
    int graded = 0;
    // Sum of the graded students' caption numbers, and whether every band
    // of the key carries one.
    qint64 numberSum = 0;
    bool numbered = false;

    void add(const Grading &grading, const Grading::Grade &grade, int sign = 1);
};

Distribution distributionOf(const Grading &grading, const QList<Grading::Grade> &grades);

// "25,0 %": count of graded, one decimal, halves away from zero ("0,0 %" of none).
QString shareText(int count, int graded);
// "Durchschnitt: 2,83 (24 Arbeiten)", "Durchschnitt: – (24 Arbeiten)".
QString averageText(const Distribution &distribution);

// The results for spreadsheets, as the transcript's CSV: a heading row
// "Name;Punkte;Note", then one row per student that holds anything.
QByteArray classTestCsv(const ClassTest &test, const Grading &grading);

} // namespace zm::classtest
