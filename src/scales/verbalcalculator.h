#pragma once

#include "scales/percentcalculator.h"

namespace zm::scales {

// The window the three- and four-band calculators share: the band rows at
// the left with the track bar and the rounding pair below them, the maximum
// score and the three buttons at the right. The own values are loaded when
// the window is built.
class VerbalCalculator : public PercentCalculator
{
    Q_OBJECT
public:
    // `enterHereLabel`: objectName of the label "hier eingeben:".
    VerbalCalculator(const CalculatorDefinition &definition, const Behaviour &behaviour, const QString &objectName,
                     const QString &enterHereLabel, QWidget *parent = nullptr);
    ~VerbalCalculator() override;
};

} // namespace zm::scales
