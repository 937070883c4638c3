#include "scales/fourbandcalculator.h"

#include "common/controls.h"

namespace {

zm::scales::PercentCalculator::Behaviour fourBandBehaviour()
{
    zm::scales::PercentCalculator::Behaviour b;
    b.strip = QStringLiteral("Form20");
    b.enterActsAsTab = false;
    b.startMinimum = QStringLiteral(" ");
    return b;
}

} // namespace

// Every change of a threshold recomputes, as in the other calculators, so
// the minimum scores always belong to the thresholds beside them.
TForm19::TForm19(QWidget *parent)
    : VerbalCalculator(zm::scales::fourBandCalculator(), fourBandBehaviour(), QStringLiteral("Form19"),
                       QStringLiteral("Label13"), parent)
{
    zm::ui::centreOnScreen(this);
}

TForm19::~TForm19() = default;
