#include "scales/eightbandcalculator.h"

#include "common/controls.h"
#include "common/errorreport.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <array>

namespace {

using zm::scales::Placed;

// The level radio buttons, in the order of the level table (the group ids).
// Left column "*", "**", "***", "Förderschulniveau"; right column the mixed levels.
constexpr std::array<const char *, 7> LevelButtons = {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton2",
                                                      "RadioButton9", "RadioButton3", "RadioButton1"};

zm::scales::PercentCalculator::Behaviour eightBandBehaviour()
{
    zm::scales::PercentCalculator::Behaviour b;
    b.strip = QStringLiteral("Form3");
    b.titleOnCompute = true;
    b.focusAfterCompute = true;
    b.thresholdTabStops = false; // the threshold fields are reached by mouse
    b.messageBeforeFolder = false;
    b.clearStripOnOpen = true;
    return b;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : PercentCalculator(zm::scales::eightBandCalculator(), eightBandBehaviour(), parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ü-8 Noten"));
    setFixedSize(448, 346);

    // The keyboard path: score, levels, track bar, rounding, buttons.
    buildScoreField({240, 50, 80, 24},
                    {{QStringLiteral("Label9"), QStringLiteral("Punktezahl für die Arbeit"), {240, 10, 196, 18}},
                     {QStringLiteral("Label13"), QStringLiteral("hier eingeben:"), {240, 30, 196, 18}}});
    zm::ui::makeLabel(this, QStringLiteral("Label16"), QStringLiteral("Anspruchsniveau der Arbeit"),
                      {240, 86, 196, 18});
    m_levels = new QButtonGroup(this);
    const auto &levels = definition().scales;
    for (int i = 0; i < static_cast<int>(LevelButtons.size()); ++i) {
        const bool right = i >= 4;
        const int row = right ? i - 4 : i;
        const QRect at = right ? QRect(350, 106 + row * 22, 92, 20) : QRect(240, 106 + row * 22, 150, 20);
        QRadioButton *r = zm::ui::makeRadio(this, QString::fromLatin1(LevelButtons.at(static_cast<std::size_t>(i))),
                                            levels.at(i).caption, at);
        if (!levels.at(i).hint.isEmpty())
            r->setToolTip(levels.at(i).hint);
        m_levels->addButton(r, i);
    }
    RadioButton1 = qobject_cast<QRadioButton *>(m_levels->button(static_cast<int>(Level::AllLevels)));
    // "*" is selected by the layout, so no level switch runs at creation.
    m_levels->button(static_cast<int>(Level::Star))->setChecked(true);

    buildTrackBar({240, 200, 196, 30}, {QStringLiteral("Label14"), QStringLiteral("milder"), {240, 230, 80, 16}},
                  {QStringLiteral("Label15"), QStringLiteral("strenger"), {356, 230, 80, 16}});
    buildRounding({16, 262, 200, 72},
                  {QStringLiteral("RadioButton7"), QStringLiteral("Punktzahl runden"), {12, 14, 180, 22}},
                  {QStringLiteral("RadioButton8"), QStringLiteral("..nicht runden"), {12, 40, 180, 22}});
    buildButtons({QStringLiteral("Button1"), QStringLiteral("Ergebnistabelle drucken"), {240, 254, 196, 26}},
                 {QStringLiteral("Button2"), QStringLiteral("eigene % - Werte speichern"), {240, 282, 196, 26}},
                 {QStringLiteral("Button3"), QStringLiteral("% - Vorgabe wiederherstellen"), {240, 310, 196, 26}});
    Button2->setToolTip(QStringLiteral("Veränderte Prozentwerte für das nächste mal speichern!"));
    Button3->setToolTip(QStringLiteral("NEUSTART"));

    buildBandColumn({});
    // At creation the rows of the level "*" are shown: 3 to 8.
    setRowVisible(0, false);
    setRowVisible(1, false);

    zm::ui::centreOnMainMenu(this);
    finishBuilding();
    // A level's switch runs when its button becomes selected, by a click or
    // by code; clicking the selected one toggles nothing.
    connect(m_levels, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            zm::ui::guarded([this, id] { switchLevel(static_cast<Level>(id)); });
    });
}

TForm2::~TForm2() = default;

TForm2::Level TForm2::level() const
{
    const int id = m_levels->checkedId();
    return id < 0 ? Level::Star : static_cast<Level>(id);
}

int TForm2::chosenIndex() const
{
    return static_cast<int>(level());
}

QString TForm2::levelFile(Level level)
{
    return zm::scales::eightBandCalculator().scales.at(static_cast<int>(level)).file;
}

void TForm2::switchLevel(Level level)
{
    applyScale(definition().scales.at(static_cast<int>(level)));
}

void TForm2::FormShow()
{
    Punktezahl->setFocus();
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        zm::ui::guarded([this] { FormShow(); });
}
