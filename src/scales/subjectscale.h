#pragma once

// The subject-scale calculator's choices and the short subject name that its
// result strip shows in the corner cell. GUI-free.

#include <QString>

namespace zm::scales {

// A subject choice by the code stored under "Fach"; subjectScaleCalculator()
// lists the scales in this order (code 1 is scale 0).
enum class Subject { Mathematics = 1, EnglishGerman, FirstOwn, SchoolEight, SchoolSeven, SecondOwn };
inline constexpr int SubjectCount = 6;

// The subject for a stored code; false for any other code.
bool subjectFromCode(int code, Subject &subject);
inline int scaleIndex(Subject subject)
{
    return static_cast<int>(subject) - 1;
}

// A name of fewer than four characters stays whole; otherwise its first
// three characters when the third is a lower-case "o" ("Biologie": "Bio"),
// else its first four ("Chemie": "Chem"); then a full stop.
QString shortSubjectName(const QString &name);

} // namespace zm::scales
