// A class test's points as typed, graded against a key whose texts are as
// foreign as the points: the first line is the maximum score, the next up to
// sixteen the bands' minimum scores, the last the points. Whatever the texts,
// grading never fails, a graded row reached the best band whose minimum is not
// above its points, and the distribution counts it once.

#include "classtest/classtest.h"
#include "common/fixedpoint.h"
#include "fuzzing.h"

using namespace zm;
using classtest::Grading;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(fuzz::bytesOf(data, size)).split(QLatin1Char('\n'));
    if (lines.size() < 3 || lines.size() > 18)
        return 0;
    classtest::Key key;
    key.maximum = lines.first();
    for (qsizetype n = 1; n + 1 < lines.size(); ++n)
        key.bands.append({QStringLiteral("Ü %1").arg(n), lines.at(n)});
    const Grading grading(key);
    const classtest::Result result{QStringLiteral("Anna"), lines.last()};
    const Grading::Grade grade = grading.grade(result);

    Fixed points;
    const bool number = tryParseFixed(result.points.trimmed(), points);
    if (grade.status == Grading::Status::Graded) {
        require(number, "graded points are a number", result.points);
        Fixed minimum;
        require(tryParseFixed(key.bands.at(grade.band).minimum, minimum) && minimum <= points,
                "the band's minimum is not above the points", result.points);
        for (int better = 0; better < grade.band; ++better) {
            Fixed above;
            require(!tryParseFixed(key.bands.at(better).minimum, above) || above > points, "no better band was reached",
                    result.points);
        }
        require(grading.gradeText(grade) == key.bands.at(grade.band).caption, "the grade is the band's caption");
    }
    if (grade.status == Grading::Status::Invalid || grade.status == Grading::Status::BelowKey)
        require(!grade.reason.isEmpty(), "a row that counts nowhere says why");

    const classtest::Distribution distribution = classtest::distributionOf(grading, {grade});
    int counted = 0;
    for (const int count : distribution.counts)
        counted += count;
    require(counted == (grade.status == Grading::Status::Graded ? 1 : 0), "a graded row is counted once");
    require(!classtest::averageText(distribution).isEmpty(), "there is always an average text");
    return 0;
}
