#include "scales/threebandcalculator.h"

#include "common/controls.h"
#include "common/widgetstyle.h"

#include <QPushButton>
#include <QSlider>

namespace {

zm::scales::PercentCalculator::Behaviour threeBandBehaviour()
{
    zm::scales::PercentCalculator::Behaviour b;
    b.strip = QStringLiteral("Form9");
    b.enterActsAsTab = false;
    b.restoreHidesStrip = true;
    return b;
}

} // namespace

TForm8::TForm8(QWidget *parent)
    : VerbalCalculator(zm::scales::threeBandCalculator(), threeBandBehaviour(), QStringLiteral("Form8"),
                       QStringLiteral("Label4"), parent)
{
    zm::ui::setBackground(this, zm::ui::inactiveBorderColour());
    TrackBar1->setCursor(Qt::PointingHandCursor);
    zm::ui::setTabStop(TrackBar1, false);
    // Button4 … Button6 do what entering their threshold field does, for
    // code that clicks them.
    for (int band = 0; band < bands(); ++band) {
        QPushButton *trigger = zm::ui::makeHiddenButton(this, QStringLiteral("Button%1").arg(4 + band));
        zm::ui::onClicked(trigger, this, [this, band] { markField(band); });
    }
    zm::ui::centreOnMainMenu(this);
}

TForm8::~TForm8() = default;
