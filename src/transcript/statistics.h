#pragma once

// What the transcript's rows add up to: how many students got each grade
// and the average of their final scores. Both come from the last column
// ("9,5 / 2 -"): the grade is counted as the row writes it, the score when it
// is a number. The heading row and empty rows count for nothing.

#include "common/fixedpoint.h"

#include <QList>
#include <QString>

namespace zm::transcript {

class Transcript;

struct Statistics
{
    // One count per grade of langindex::EssayGrade::gradeTexts(), best first.
    QList<int> gradeCounts;
    // Rows whose final score is a number, and the mean of those scores
    // rounded to one decimal, halves to even (0 without such rows).
    int scored = 0;
    Fixed average;
};

Statistics statisticsOf(const Transcript &transcript);

// "Durchschnitt der Gesamtpunkte: 9,3 (12 Arbeiten)".
QString averageText(const Statistics &statistics);

} // namespace zm::transcript
