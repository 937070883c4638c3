#include "scales/fifteenpointtable.h"

namespace {

zm::scales::ResultStrip::Layout fifteenPointStrip()
{
    zm::scales::ResultStrip::Layout l;
    l.source = QStringLiteral("Form10");
    l.clientSize = {478, 77};
    l.background = QColor(210, 228, 238);
    l.minimiseBox = true;
    l.hint = QStringLiteral("Doppelklick");
    l.besideMainMenu = QPoint(116, 0);
    return l;
}

} // namespace

TForm11::TForm11(QWidget *parent)
    : ResultStrip(QStringLiteral("Form11"), zm::scales::fifteenPointCalculator().strip, fifteenPointStrip(), parent)
{
}

TForm11::~TForm11() = default;
