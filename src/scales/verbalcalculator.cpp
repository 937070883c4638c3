#include "scales/verbalcalculator.h"

namespace zm::scales {

VerbalCalculator::VerbalCalculator(const CalculatorDefinition &definition, const Behaviour &behaviour,
                                   const QString &objectName, const QString &enterHereLabel, QWidget *parent)
    : PercentCalculator(definition, behaviour, parent)
{
    setObjectName(objectName);
    const BandColumnGeometry rows{10, 32, 28, {16, 0, 50, 24}, {76, 3, 124, 18}, {204, 0, 84, 24}, 18};
    const int below = rows.top + definition.bands() * rows.rowStep + 8;
    setFixedSize(500, below + 122);

    // The keyboard path: the score first, then the thresholds, the rounding
    // and the buttons.
    buildScoreField({300, 50, 80, 24},
                    {{QStringLiteral("Label9"), QStringLiteral("Punktezahl für die Arbeit"), {300, 10, 190, 18}},
                     {enterHereLabel, QStringLiteral("hier eingeben:"), {300, 30, 190, 18}}});
    buildBandColumn(rows);
    buildTrackBar({16, below, 272, 30}, {QStringLiteral("Label5"), QStringLiteral("milder"), {16, below + 30, 80, 16}},
                  {QStringLiteral("Label6"), QStringLiteral("strenger"), {208, below + 30, 80, 16}});
    buildRounding({16, below + 52, 272, 60},
                  {QStringLiteral("RadioButton7"), QStringLiteral("Punktzahl runden"), {12, 8, 250, 22}},
                  {QStringLiteral("RadioButton8"), QStringLiteral("... nicht runden."), {12, 32, 250, 22}});
    const int buttons = below + 112 - 3 * 28;
    buildButtons(
        {QStringLiteral("Button1"), QStringLiteral("Ergebnistabelle drucken"), {300, buttons, 190, 26}},
        {QStringLiteral("Button2"), QStringLiteral("eigene % - Werte speichern"), {300, buttons + 28, 190, 26}},
        {QStringLiteral("Button3"), QStringLiteral("% - Vorgabe wiederherstellen"), {300, buttons + 56, 190, 26}});
    finishBuilding();
    loadOwnValues(definition.scales.front());
}

VerbalCalculator::~VerbalCalculator() = default;

} // namespace zm::scales
