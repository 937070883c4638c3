#include "scales/eightbandtable.h"

namespace {

zm::scales::ResultStrip::Layout eightBandStrip()
{
    zm::scales::ResultStrip::Layout l;
    l.source = QStringLiteral("Form2");
    l.clientSize = {313, 60};
    l.besideMainMenu = QPoint(116, 58);
    return l;
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : ResultStrip(QStringLiteral("Form3"), zm::scales::eightBandCalculator().strip, eightBandStrip(), parent)
{
    static_assert(Columns == 9);
}

TForm3::~TForm3() = default;
