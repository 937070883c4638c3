#include "scales/threebandtable.h"

namespace {

zm::scales::ResultStrip::Layout threeBandStrip()
{
    zm::scales::ResultStrip::Layout l;
    l.source = QStringLiteral("Form8");
    l.clientSize = {280, 92};
    l.background = QColor(210, 228, 238);
    l.minimiseBox = true;
    l.cellPainter = false; // the grid's own drawing, text at the left
    l.gridLineWidth = 2;
    l.headingHeight = 20;
    l.footer = QStringLiteral("erreicht -- teilweise erreicht -- nicht erreicht");
    l.footerHeight = 20;
    return l;
}

} // namespace

TForm9::TForm9(QWidget *parent)
    : ResultStrip(QStringLiteral("Form9"), zm::scales::threeBandCalculator().strip, threeBandStrip(), parent)
{
}

TForm9::~TForm9() = default;
