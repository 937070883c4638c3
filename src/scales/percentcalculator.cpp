#include "scales/percentcalculator.h"

#include "app/forms.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/ownvalues.h"
#include "common/widgetstyle.h"
#include "scales/resultstrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <optional>

namespace zm::scales {

namespace {

const QColor Aqua(0, 255, 255);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

QString statusText(PercentCalculator::Status status)
{
    switch (status) {
    case PercentCalculator::Status::OwnValues:
        return QStringLiteral("  Du benutzt eigene %-Werte!");
    case PercentCalculator::Status::Defaults:
        return QStringLiteral("  Es gelten die Vorgabewerte.");
    case PercentCalculator::Status::Changed:
        break;
    }
    return QStringLiteral("...veränderte Werte speichern?");
}

} // namespace

void showTableMessage()
{
    zm::ui::showMessageLines({
        QStringLiteral("Gleich erscheint eine kleine Tabelle."),
        QStringLiteral("Ein Doppelklick irgendwo auf die Tabelle startet den Druckvorgang."),
        QStringLiteral("Mit den Tastenkombinationen [Alt] und [Druck] kopierst du die Tabelle in die"),
        QStringLiteral("Zwischenablage; mit [Strg] und [V] fügst du die Tab. in ein Worddokument ein."),
        QStringLiteral("Unter Bootcamp [Mac] kopierst du mit: shift + fn + alt + F11. "),
        QStringLiteral("Einfügen funktioniert mit [Strg] und [V]. "),
    });
}

PercentCalculator::PercentCalculator(const CalculatorDefinition &definition, const Behaviour &behaviour,
                                     QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
    , m_definition(definition)
    , m_behaviour(behaviour)
{
}

PercentCalculator::~PercentCalculator() = default;

int PercentCalculator::bands() const
{
    return static_cast<int>(m_thresholds.size());
}

QLineEdit *PercentCalculator::threshold(int band) const
{
    return m_thresholds.at(static_cast<std::size_t>(band));
}

QLabel *PercentCalculator::minimum(int band) const
{
    return m_minimums.at(static_cast<std::size_t>(band));
}

QLabel *PercentCalculator::caption(int band) const
{
    return m_captions.at(static_cast<std::size_t>(band));
}

QString PercentCalculator::scoreText() const
{
    return Punktezahl->text();
}

const ScaleDefinition &PercentCalculator::chosenScale() const
{
    return m_definition.scales.at(chosenIndex());
}

QString PercentCalculator::thresholdText(int band) const
{
    return threshold(band)->text();
}

QString PercentCalculator::minimumText(int band) const
{
    return minimum(band)->text();
}

void PercentCalculator::finishBuilding()
{
    using zm::ui::guard;
    connect(Punktezahl, &QLineEdit::textChanged, this, guard([this] { PunktezahlChange(); }));
    for (QLineEdit *field : m_thresholds)
        connect(field, &QLineEdit::textChanged, this, guard([this] { PunktezahlChange(); }));
    if (TrackBar1)
        connect(TrackBar1, &QSlider::valueChanged, this, guard([this] { PunktezahlChange(); }));
    for (QRadioButton *choice : {m_wholePoints, m_oneDecimal, m_halfPoints}) {
        if (choice)
            zm::ui::onChecked(choice, this, [this] { PunktezahlChange(); });
    }
    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });
    zm::ui::onClicked(Button2, this, [this] { Button2Click(); });
    zm::ui::onClicked(Button3, this, [this] { Button3Click(); });

    // Enter and Escape are seen wherever the focus is; entering a threshold
    // field marks it.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    nameBands();
}

Rounding PercentCalculator::rounding() const
{
    if (m_halfPoints && m_halfPoints->isChecked())
        return Rounding::HalfPoints;
    return m_oneDecimal->isChecked() ? Rounding::OneDecimal : Rounding::WholePoints;
}

void PercentCalculator::setStatus(Status status)
{
    setWindowTitle(statusText(status));
}

Fixed PercentCalculator::bandMinimum(const ScaleInputs &inputs, int band, Rounding r) const
{
    if (m_definition.rule == MinimumRule::Stepped)
        return steppedMinimumScore(inputs.maximum, inputs.thresholds.at(band), r);
    if (m_definition.rule == MinimumRule::Offset) {
        // The lowest band counts from its threshold itself.
        const Fixed offset = band == bands() - 1 ? Fixed() : boundaryOffset();
        return offsetMinimumScore(inputs.thresholds.at(band), offset, inputs.maximum);
    }
    return scales::bandMinimum(inputs, band, r);
}

void PercentCalculator::PunktezahlChange()
{
    if (m_behaviour.titleOnCompute)
        setStatus(Status::Changed);
    const Rounding r = rounding();
    try {
        QStringList texts;
        for (QLineEdit *field : m_thresholds)
            texts << field->text();
        const ScaleInputs inputs =
            parseInputs(TrackBar1 ? TrackBar1->value() : StrictnessNeutral, Punktezahl->text(), texts);
        // Hidden bands are computed too; a result out of range stops at
        // that band and goes to the error report.
        for (int n = 0; n < bands(); ++n)
            minimum(n)->setText(scales::minimumText(bandMinimum(inputs, n, r), r));
    } catch (const zm::ConversionError &) {
        // A field that is not a number: every band keeps what it showed.
    }
    nameBands();
    if (m_behaviour.focusAfterCompute && isVisible())
        activateWindow();
}

void PercentCalculator::markField(int band)
{
    switch (m_definition.entryMarks.value(band, EntryMark::None)) {
    case EntryMark::None:
        return;
    case EntryMark::Aqua:
        zm::ui::setFieldColour(threshold(band), Aqua);
        return;
    case EntryMark::AquaChanged:
        zm::ui::setFieldColour(threshold(band), Aqua);
        setStatus(Status::Changed);
        return;
    case EntryMark::RedUnknownMinimum:
        zm::ui::setFieldColour(threshold(band), Red);
        minimum(band)->setText(QStringLiteral("???"));
        nameBands();
        return;
    case EntryMark::RedUnknownCaption:
        zm::ui::setFieldColour(threshold(band), Red);
        caption(band)->setText(QStringLiteral("???"));
        nameBands();
        return;
    }
}

void PercentCalculator::nameBands()
{
    // The minimum-score head with the value in place of its dots
    // ("ab 19 Punkten"), or followed by it ("Bedarf: 19").
    const QString head = m_definition.minimumHead.text.trimmed();
    const QLatin1String dots("...");
    for (int n = 0; n < bands(); ++n) {
        const QString band = caption(n)->text().trimmed();
        const QString value = minimum(n)->text().trimmed();
        const QString shown = value.isEmpty() ? QStringLiteral("…") : value;
        const QString figure = head.contains(dots) ? QString(head).replace(dots, shown)
                                                   : QStringLiteral("%1 %2").arg(head, shown).trimmed();
        zm::ui::setAccessibleName(threshold(n), QStringLiteral("Prozentwert %1").arg(band));
        zm::ui::setAccessibleName(minimum(n), QStringLiteral("%1, %2").arg(figure, band));
    }
}

void PercentCalculator::setThresholdColours(const QColor &colour)
{
    for (QLineEdit *field : m_thresholds)
        zm::ui::setFieldColour(field, colour);
}

void PercentCalculator::setRowVisible(int band, bool shown)
{
    threshold(band)->setVisible(shown);
    caption(band)->setVisible(shown);
    minimum(band)->setVisible(shown);
}

void PercentCalculator::applyScale(const ScaleDefinition &scale)
{
    for (int n = 0; n < scale.captions.size() && n < bands(); ++n)
        caption(n)->setText(scale.captions.at(n));
    nameBands();
    if (scale.lastShown > 0) {
        for (int n = 0; n < bands(); ++n)
            setRowVisible(n, n + 1 >= scale.firstShown && n + 1 <= scale.lastShown);
    }
    if (scale.defaultsWithFile || !zm::ownvalues::existsInFolder(zm::app::dataFolder(), scale.file)) {
        for (int k = 0; k < scale.defaults.size(); ++k)
            zm::ui::setText(threshold(scale.firstDefault - 1 + k), scale.defaults.at(k));
        if (scale.whitensFields)
            setThresholdColours(White);
    }
    loadOwnValues(scale);
}

void PercentCalculator::loadOwnValues(const ScaleDefinition &scale)
{
    const QString folder = zm::app::dataFolder();
    const bool own = zm::ownvalues::existsInFolder(folder, scale.file);
    if (m_behaviour.loadSetsTitle)
        setStatus(own ? Status::OwnValues : Status::Defaults);
    if (!own)
        return;
    // A file that cannot be read is passed over without a word.
    const std::optional<QStringList> lines =
        zm::ownvalues::read(zm::ownvalues::pathInFolder(folder, scale.file), scale.linesRead);
    if (lines)
        takeOwnValues(*lines);
}

QStringList PercentCalculator::ownValueLines() const
{
    QStringList lines;
    for (QLineEdit *field : m_thresholds)
        lines << field->text();
    return lines;
}

void PercentCalculator::takeOwnValues(const QStringList &lines)
{
    for (int k = 0; k < lines.size() && k < bands(); ++k)
        zm::ui::setText(threshold(k), lines.at(k));
}

void PercentCalculator::Button1Click()
{
    auto *strip = qobject_cast<ResultStrip *>(zm::ui::topLevelWindow(m_behaviour.strip));
    if (!strip)
        return;
    if (m_behaviour.clearStripOnOpen)
        strip->clearBandColumns();
    showTableMessage();
    zm::ui::showInFront(strip);
    // The activation fills the strip too, but window systems activate
    // asynchronously; fill it now so it never shows stale figures.
    strip->refill();
    stripShown(strip);
    hide();
}

void PercentCalculator::Button2Click()
{
    const ScaleDefinition &scale = chosenScale();
    if (!scale.savable) {
        zm::ui::showMessage(QStringLiteral("Diese Werte sind vorgegeben und können nicht dauerhaft verändert werden!"));
        return;
    }
    const QString folder = zm::app::dataFolder();
    const QString where =
        QStringLiteral("Der Speicherort für eigene Prozentwerte ist: ") + folder + QStringLiteral("!");
    if (m_behaviour.messageBeforeFolder) {
        zm::ui::showMessage(where);
        zm::ownvalues::ensureFolder(folder);
    } else {
        zm::ownvalues::ensureFolder(folder);
        zm::ui::showMessage(where);
    }
    const QStringList lines = ownValueLines();
    // Replaces the old file only once the new one is complete; a failure is
    // an IoError for the error report, and the title and colours stay.
    zm::ownvalues::write(zm::ownvalues::pathInFolder(folder, scale.file), lines);
    if (m_behaviour.saveSetsTitle)
        setStatus(Status::OwnValues);
    setThresholdColours(QApplication::palette().color(QPalette::Base));
}

void PercentCalculator::Button3Click()
{
    const ScaleDefinition &scale = chosenScale();
    const QString file = scale.savable ? scale.file : QString();
    const QString folder = zm::app::dataFolder();
    QWidget *closing = m_behaviour.restoreHidesStrip ? zm::ui::topLevelWindow(m_behaviour.strip) : this;
    // The own values go only when the program really restarts.
    zm::app::restartProgram(closing, [&] {
        if (!file.isEmpty())
            zm::ownvalues::removeFromFolder(folder, file);
    });
}

bool PercentCalculator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_behaviour.enterActsAsTab) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            focusNextChild();
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        // Entering a field by mouse or from code marks it; the window merely
        // becoming active again (after a message box, say) does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        const auto field = std::find(m_thresholds.begin(), m_thresholds.end(), watched);
        if (field != m_thresholds.end()) {
            const int band = static_cast<int>(field - m_thresholds.begin());
            zm::ui::guarded([this, band] { markField(band); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zm::scales
