#pragma once

// What the transcript reads of the essay window and sets in it. The essay
// window implements it; the transcript finds it through the window registry,
// so neither window includes the other.

#include "langindex/errorindex.h"

#include <QStringList>

namespace zm::langindex {

class EssayHandOff
{
public:
    virtual ~EssayHandOff() = default;

    // The graded student's cells after the name: words, errors, quotient,
    // language points, expression points, content points, "score / grade".
    virtual QStringList resultCells() const = 0;
    // 1 = a result computed with recording on and not yet saved, 2 = nothing
    // pending, 3 = recording on, nothing computed yet.
    virtual int pendingState() const = 0;
    virtual void setPendingState(int state) = 0;
    // The selected level (nullptr: none).
    virtual const LevelInfo *selectedLevel() const = 0;
};

} // namespace zm::langindex
