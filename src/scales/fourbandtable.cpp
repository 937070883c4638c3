#include "scales/fourbandtable.h"

namespace {

zm::scales::ResultStrip::Layout fourBandStrip()
{
    zm::scales::ResultStrip::Layout l;
    l.source = QStringLiteral("Form19");
    l.clientSize = {227, 76};
    l.background = QColor(210, 228, 238);
    l.hint.clear();
    l.headingHeight = 20;
    return l;
}

} // namespace

TForm20::TForm20(QWidget *parent)
    : ResultStrip(QStringLiteral("Form20"), zm::scales::fourBandCalculator().strip, fourBandStrip(), parent)
{
}

TForm20::~TForm20() = default;
