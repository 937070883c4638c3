#include "scales/ownkeycalculator.h"

#include "common/controls.h"
#include "common/errorreport.h"
#include "common/inputlimit.h"
#include "scales/ownkey.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using zm::scales::Placed;

constexpr int MaxTyped = 5;

// The own-values file's leading lines; every other line is a number.
constexpr int TemplateLine = 0;
constexpr int BreakPointLine = 1;
constexpr int TopLine = 2;
constexpr int RoundingLine = 3;
static_assert(RoundingLine + 1 == zm::scales::OwnKeyLeadingLines);

bool isNumberLine(int line)
{
    return line != TemplateLine && line != RoundingLine;
}

zm::scales::PercentCalculator::Behaviour ownKeyBehaviour()
{
    zm::scales::PercentCalculator::Behaviour b;
    b.strip = QStringLiteral("EigenerSchluesselTabelle");
    b.startMinimum = QStringLiteral(" ");
    return b;
}

// A labelled edit field at the right-hand side; the label names it for the
// keyboard and for screen readers.
QLineEdit *labelledField(QWidget *parent, const Placed &label, const QString &name, const QRect &field)
{
    QLabel *caption = zm::ui::makeLabel(parent, label.name, label.text, label.at);
    QLineEdit *edit = zm::ui::makeEdit(parent, name, field);
    caption->setBuddy(edit);
    zm::scales::limitTypedInput(edit, MaxTyped);
    return edit;
}

} // namespace

OwnKeyCalculator::OwnKeyCalculator(QWidget *parent)
    : PercentCalculator(zm::scales::ownKeyCalculator(), ownKeyBehaviour(), parent)
{
    using zm::ui::makeLabel;
    setObjectName(QStringLiteral("EigenerSchluessel"));
    setFixedSize(466, 428);
    setAccessibleName(QStringLiteral("Eigener Notenschlüssel"));

    QLabel *heading =
        makeLabel(this, QStringLiteral("LabelTitel"), QStringLiteral("Eigener Notenschlüssel"), {244, 8, 212, 22});
    zm::ui::setBold(heading);
    QLabel *templateLabel =
        makeLabel(this, QStringLiteral("LabelVorlage"), QStringLiteral("Vorlage:"), {244, 36, 212, 18});
    Vorlage = new QComboBox(this);
    Vorlage->setObjectName(QStringLiteral("Vorlage"));
    Vorlage->setGeometry(244, 54, 212, 24);
    for (const zm::scales::ScaleDefinition &scale : definition().scales)
        Vorlage->addItem(scale.caption);
    templateLabel->setBuddy(Vorlage);

    buildScoreField(
        {244, 104, 80, 24},
        {{QStringLiteral("LabelPunkte"), QStringLiteral("Punktezahl für die Arbeit:"), {244, 86, 212, 18}}});
    findChild<QLabel *>(QStringLiteral("LabelPunkte"))->setBuddy(Punktezahl);
    Knick = labelledField(this, {QStringLiteral("LabelKnick"), QStringLiteral("Knick bei ... %:"), {244, 136, 104, 18}},
                          QStringLiteral("Knick"), {244, 154, 60, 24});
    Spitze =
        labelledField(this, {QStringLiteral("LabelSpitze"), QStringLiteral("Spitze ab ... %:"), {352, 136, 104, 18}},
                      QStringLiteral("Spitze"), {352, 154, 60, 24});
    buildRounding({244, 190, 212, 96},
                  {QStringLiteral("RundungGanz"), QStringLiteral("ganze Punkte"), {10, 24, 190, 22}},
                  {QStringLiteral("RundungZehntel"), QStringLiteral("eine Nachkommastelle"), {10, 68, 190, 22}},
                  {QStringLiteral("RundungHalb"), QStringLiteral("halbe Punkte"), {10, 46, 190, 22}});
    GroupBox1->setObjectName(QStringLiteral("Rundung"));
    GroupBox1->setTitle(QStringLiteral("Rundung"));
    m_roundings = {m_wholePoints, m_halfPoints, m_oneDecimal};

    buildBandColumn({10, 32, 24, {16, 0, 60, 22}, {84, 2, 40, 18}, {128, 0, 96, 22}, 18});
    buildButtons({QStringLiteral("Button1"), QStringLiteral("Ergebnistabelle drucken"), {244, 334, 212, 26}},
                 {QStringLiteral("Button2"), QStringLiteral("eigene Werte speichern"), {244, 362, 212, 26}},
                 {QStringLiteral("Button3"), QStringLiteral("Vorgabe wiederherstellen"), {244, 390, 212, 26}});
    zm::ui::centreOnMainMenu(this);
    finishBuilding();
    connect(Vorlage, &QComboBox::currentIndexChanged, this, zm::ui::guard([this] {
                markChanged();
                VorlageChange();
            }));
    for (QLineEdit *field : {Knick, Spitze})
        connect(field, &QLineEdit::textChanged, this, zm::ui::guard([this] {
                    markChanged();
                    KnickSpitzeChange();
                }));
    for (QRadioButton *choice : m_roundings)
        zm::ui::onChecked(choice, this, [this] { markChanged(); });

    m_loading = true;
    setDefaults();
    // A damaged file is reported once the window stands; the defaults stay.
    zm::ui::guarded([this] { loadOwnValues(chosenScale()); });
    m_loading = false;
}

OwnKeyCalculator::~OwnKeyCalculator() = default;

int OwnKeyCalculator::chosenIndex() const
{
    return std::max(Vorlage ? Vorlage->currentIndex() : 0, 0);
}

void OwnKeyCalculator::markChanged()
{
    if (!m_loading)
        setStatus(Status::Changed);
}

void OwnKeyCalculator::VorlageChange()
{
    const zm::scales::ScaleDefinition &scale = chosenScale();
    for (int n = 0; n < bands(); ++n) {
        const QString band = scale.captions.value(n);
        caption(n)->setText(band);
        // A screen reader names the row's fields by their band.
        threshold(n)->setAccessibleName(band + QStringLiteral(": ab ... %"));
        minimum(n)->setAccessibleName(band + QStringLiteral(": ab ... Punkten"));
        setRowVisible(n, n < scale.lastShown);
    }
    regenerate();
}

void OwnKeyCalculator::KnickSpitzeChange()
{
    regenerate();
}

void OwnKeyCalculator::regenerate()
{
    zm::Fixed breakPoint;
    zm::Fixed top;
    if (!zm::tryParseFixed(Knick->text(), breakPoint) || !zm::tryParseFixed(Spitze->text(), top))
        return;
    const auto &key = zm::scales::ownkey::keyTemplates().at(chosenIndex());
    const std::optional<QList<zm::Fixed>> generated = zm::scales::ownkey::thresholds(key, breakPoint, top);
    if (!generated)
        return;
    // Rows the template hides hold 0, so that every field reads as a number.
    for (int n = 0; n < bands(); ++n)
        zm::ui::setText(threshold(n), zm::scales::ownkey::thresholdText(generated->value(n)));
}

void OwnKeyCalculator::setDefaults()
{
    zm::ui::fromCode([this] { Vorlage->setCurrentIndex(0); });
    zm::ui::setText(Knick, zm::formatShortest(zm::scales::ownkey::DefaultBreakPoint));
    zm::ui::setText(Spitze, zm::formatShortest(zm::scales::ownkey::DefaultTop));
    zm::ui::check(m_wholePoints);
    VorlageChange();
}

QStringList OwnKeyCalculator::ownValueLines() const
{
    QStringList lines{QString::number(Vorlage->currentIndex() + 1), Knick->text(), Spitze->text()};
    for (int code = 0; code < m_roundings.size(); ++code) {
        if (m_roundings.at(code)->isChecked())
            lines << QString::number(code + 1);
    }
    lines += PercentCalculator::ownValueLines();
    // Loading refuses a file with a field that is not a number, so such a
    // field is not saved either: the error report names it, nothing is written.
    for (int k = 0; k < lines.size(); ++k) {
        if (isNumberLine(k))
            zm::parseFixed(lines.at(k));
    }
    return lines;
}

void OwnKeyCalculator::takeOwnValues(const QStringList &lines)
{
    const auto code = [&](int line, qsizetype count) {
        int value = 0;
        return zm::tryParseInt(lines.value(line), value) && value >= 1 && value <= count ? value : 0;
    };
    const auto isNumber = [](const QString &text) {
        zm::Fixed value;
        return zm::tryParseFixed(text, value);
    };
    const int key = code(TemplateLine, Vorlage->count());
    const int roundingCode = code(RoundingLine, m_roundings.size());
    bool sound = key > 0 && roundingCode > 0 && lines.size() == zm::scales::OwnKeyLeadingLines + bands();
    for (int k = 0; sound && k < lines.size(); ++k)
        sound = !isNumberLine(k) || isNumber(lines.at(k));
    if (!sound) {
        setDefaults();
        setStatus(Status::Defaults);
        throw zm::Error(QStringLiteral("Die Datei %1 ist beschädigt oder unvollständig. Es gelten die Vorgabewerte.")
                            .arg(chosenScale().file));
    }
    zm::ui::fromCode([&] { Vorlage->setCurrentIndex(key - 1); });
    zm::ui::setText(Knick, lines.at(BreakPointLine));
    zm::ui::setText(Spitze, lines.at(TopLine));
    zm::ui::check(m_roundings.at(roundingCode - 1));
    PercentCalculator::takeOwnValues(lines.mid(zm::scales::OwnKeyLeadingLines));
}
