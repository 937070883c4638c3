#pragma once

// What a result strip reads of its calculator: the texts it copies and the
// scale that is chosen. A strip knows its calculator only through this, so
// neither includes the other.

#include "scales/scaledefinition.h"

#include <QString>

namespace zm::scales {

class BandSource
{
public:
    virtual ~BandSource() = default;

    // The text of the maximum-score field, as typed.
    virtual QString scoreText() const = 0;
    // The scale that is chosen (the calculator's level or subject).
    virtual const ScaleDefinition &chosenScale() const = 0;
    // Band n (0-based): the threshold field's text and the minimum-score
    // label's text, exactly as shown.
    virtual QString thresholdText(int band) const = 0;
    virtual QString minimumText(int band) const = 0;
};

} // namespace zm::scales
