#include "scales/fifteenpointcalculator.h"

#include "common/controls.h"
#include "common/errorreport.h"
#include "scales/resultstrip.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

// Percentage points above an exclusive threshold.
constexpr zm::Fixed ExclusiveOffset = zm::Fixed::fromRaw(5000);
constexpr int StripColumnWidth = 28;

zm::scales::PercentCalculator::Behaviour fifteenPointBehaviour()
{
    zm::scales::PercentCalculator::Behaviour b;
    b.strip = QStringLiteral("Form11");
    b.enterActsAsTab = false;
    b.startMinimum = QStringLiteral(" ");
    return b;
}

} // namespace

TForm10::TForm10(QWidget *parent)
    : PercentCalculator(zm::scales::fifteenPointCalculator(), fifteenPointBehaviour(), parent)
    , m_offset(ExclusiveOffset)
{
    using zm::ui::makeLabel;
    setObjectName(QStringLiteral("Form10"));
    setFixedSize(466, 426);

    // The keyboard path: the score first, then the thresholds.
    buildScoreField({250, 50, 80, 24},
                    {{QStringLiteral("Label9"), QStringLiteral("Punktezahl für die Arbeit"), {250, 10, 206, 18}},
                     {QStringLiteral("Label4"), QStringLiteral("hier eingeben:"), {250, 30, 206, 18}}});
    buildBandColumn({10, 32, 24, {100, 0, 56, 22}, {16, 2, 80, 18}, {164, 0, 70, 22}, 18});
    Label11 = findChild<QLabel *>(QStringLiteral("Label11"));
    CheckBox1 = zm::ui::makeCheckBox(this, QStringLiteral("CheckBox1"), QStringLiteral("Prozentgrenze inclusiv"),
                                     {250, 90, 206, 22});
    buildRounding({250, 122, 206, 60},
                  {QStringLiteral("RadioButton1"), QStringLiteral("Punktzahl runden"), {12, 32, 186, 22}},
                  {QStringLiteral("RadioButton2"), QStringLiteral("... nicht runden"), {12, 8, 186, 22}});
    makeLabel(this, QStringLiteral("Label13"), QStringLiteral("Jorvan Spezial"), {250, 200, 206, 18});
    buildButtons({QStringLiteral("Button1"), QStringLiteral("Ergebnistabelle drucken"), {250, 334, 206, 26}},
                 {QStringLiteral("Button2"), QStringLiteral("eigene % - Werte speichern"), {250, 362, 206, 26}},
                 {QStringLiteral("Button3"), QStringLiteral("% - Vorgabe wiederherstellen"), {250, 390, 206, 26}});
    Button20 = zm::ui::makeHiddenButton(this, QStringLiteral("Button20"));
    zm::ui::centreOnMainMenu(this);
    finishBuilding();
    zm::ui::onClicked(Button20, this, [this] { Button20Click(); });
    connect(CheckBox1, &QCheckBox::toggled, this, zm::ui::guard([this] { CheckBox1Click(); }));
    loadOwnValues(definition().scales.front());
}

TForm10::~TForm10() = default;

zm::Fixed TForm10::boundaryOffset() const
{
    return m_offset;
}

void TForm10::CheckBox1Click()
{
    const bool inclusive = CheckBox1->isChecked();
    m_offset = inclusive ? zm::Fixed() : ExclusiveOffset;
    Label11->setText(inclusive ? QStringLiteral("ab x%") : QStringLiteral("über x%"));
    zm::ui::click(Button20);
}

void TForm10::Button20Click()
{
    PunktezahlChange();
}

void TForm10::stripShown(zm::scales::ResultStrip *strip)
{
    for (int column = 0; column < strip->StringGrid1->columnCount(); ++column)
        strip->StringGrid1->setColumnWidth(column, StripColumnWidth);
}
