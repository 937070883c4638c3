#include "scales/subjectscale.h"

namespace zm::scales {

bool subjectFromCode(int code, Subject &subject)
{
    if (code < 1 || code > SubjectCount)
        return false;
    subject = static_cast<Subject>(code);
    return true;
}

QString shortSubjectName(const QString &name)
{
    if (name.size() < 4)
        return name + QLatin1Char('.');
    const int kept = name.at(2) == QLatin1Char('o') ? 3 : 4;
    return name.left(kept) + QLatin1Char('.');
}

} // namespace zm::scales
