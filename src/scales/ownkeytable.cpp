#include "scales/ownkeytable.h"

#include "scales/bandsource.h"

#include <algorithm>

namespace {

// Wide enough for the title of the narrowest strip.
constexpr int MinimumWidth = 260;

int stripWidth(int columns)
{
    return std::max(MinimumWidth, columns * zm::scales::ownKeyCalculator().strip.columnWidth + 2);
}

zm::scales::ResultStrip::Layout ownKeyStrip()
{
    zm::scales::ResultStrip::Layout l;
    l.source = QStringLiteral("EigenerSchluessel");
    l.clientSize = {stripWidth(zm::scales::ownKeyCalculator().strip.columns),
                    3 * zm::scales::ownKeyCalculator().strip.rowHeight + 4};
    return l;
}

} // namespace

OwnKeyTable::OwnKeyTable(QWidget *parent)
    : ResultStrip(QStringLiteral("EigenerSchluesselTabelle"), zm::scales::ownKeyCalculator().strip, ownKeyStrip(),
                  parent)
{
}

OwnKeyTable::~OwnKeyTable() = default;

void OwnKeyTable::fill()
{
    const zm::scales::BandSource *calculator = source();
    if (!calculator) {
        ResultStrip::fill();
        return;
    }
    const zm::scales::ScaleDefinition &scale = calculator->chosenScale();
    const int columns = static_cast<int>(scale.strip.heads.size()) + 1;
    setColumnCount(columns, stripWidth(columns));
    ResultStrip::fill();
    setWindowTitle(QStringLiteral("%1, %2 Punkte").arg(scale.caption, calculator->scoreText()));
}
