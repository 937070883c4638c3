// Building blocks of the percentage calculators' windows: the band column,
// the maximum score, the track bar, the rounding pair and the three buttons,
// each at the positions the calculator gives.

#include "scales/percentcalculator.h"

#include "common/controls.h"
#include "common/inputlimit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace zm::scales {

namespace {
constexpr int MaxTyped = 5;
} // namespace

void PercentCalculator::buildBandColumn(const BandColumnGeometry &g)
{
    using zm::ui::makeLabel;
    const auto head = [&](const NamedText &h, const QRect &column) {
        if (!h.text.isNull())
            makeLabel(this, h.name, h.text, {column.x(), g.headTop, column.width(), g.headHeight});
    };
    head(m_definition.thresholdHead, g.field);
    head(m_definition.captionHead, g.caption);
    head(m_definition.minimumHead, g.minimum);

    QPalette outputPalette = palette();
    outputPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    outputPalette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
    for (int n = 0; n < m_definition.bands(); ++n) {
        const int y = g.top + n * g.rowStep;
        QLineEdit *field = zm::ui::makeEdit(this, m_definition.thresholdNames.at(n), g.field.translated(0, y),
                                            m_definition.startThresholds.value(n));
        if (!m_behaviour.thresholdTabStops)
            field->setFocusPolicy(Qt::ClickFocus);
        limitTypedInput(field, MaxTyped);
        QLabel *caption = makeLabel(this, m_definition.captionNames.at(n), m_definition.startCaptions.value(n),
                                    g.caption.translated(0, y));
        QLabel *output =
            makeLabel(this, m_definition.minimumNames.at(n), m_behaviour.startMinimum, g.minimum.translated(0, y));
        output->setAlignment(Qt::AlignCenter);
        output->setAutoFillBackground(true);
        output->setPalette(outputPalette);
        m_thresholds.push_back(field);
        m_captions.push_back(caption);
        m_minimums.push_back(output);
    }
}

void PercentCalculator::buildScoreField(const QRect &field, const QList<Placed> &labels)
{
    QList<QLabel *> made;
    for (const Placed &l : labels)
        made << zm::ui::makeLabel(this, l.name, l.text, l.at);
    Punktezahl = zm::ui::makeEdit(this, QStringLiteral("Punktezahl"), field);
    // A screen reader names the field after the first caption above it.
    if (!made.isEmpty())
        made.first()->setBuddy(Punktezahl);
    limitTypedInput(Punktezahl, MaxTyped);
}

void PercentCalculator::buildTrackBar(const QRect &bar, const Placed &milder, const Placed &stricter)
{
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(StrictnessMin, StrictnessMax);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(StrictnessNeutral);
    TrackBar1->setGeometry(bar);
    TrackBar1->setAccessibleName(QStringLiteral("%1 – %2").arg(milder.text, stricter.text));
    zm::ui::makeLabel(this, milder.name, milder.text, milder.at);
    zm::ui::makeLabel(this, stricter.name, stricter.text, stricter.at)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void PercentCalculator::buildRounding(const QRect &group, const Placed &wholePoints, const Placed &oneDecimal,
                                      const Placed &halfPoints)
{
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(group);
    m_wholePoints = zm::ui::makeRadio(GroupBox1, wholePoints.name, wholePoints.text, wholePoints.at);
    if (!halfPoints.name.isEmpty())
        m_halfPoints = zm::ui::makeRadio(GroupBox1, halfPoints.name, halfPoints.text, halfPoints.at);
    m_oneDecimal = zm::ui::makeRadio(GroupBox1, oneDecimal.name, oneDecimal.text, oneDecimal.at);
    QRadioButton *start = m_definition.startRounding == Rounding::WholePoints ? m_wholePoints : m_oneDecimal;
    if (m_definition.startRounding == Rounding::HalfPoints && m_halfPoints)
        start = m_halfPoints;
    start->setChecked(true);
}

void PercentCalculator::buildButtons(const Placed &table, const Placed &save, const Placed &restore)
{
    Button1 = zm::ui::makeButton(this, table.name, table.text, table.at);
    Button2 = zm::ui::makeButton(this, save.name, save.text, save.at);
    Button3 = zm::ui::makeButton(this, restore.name, restore.text, restore.at);
}

} // namespace zm::scales
