#include "misc/finalgradewindow.h"

#include "app/forms.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/errors.h"
#include "common/widgetstyle.h"
#include "misc/weightedgrade.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>

namespace {

const QString Unknown = QStringLiteral("?");
const zm::Fixed HighestPoints = zm::Fixed::fromInt(15);

} // namespace

TForm13::TForm13(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    using namespace zm::ui;
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Berechnen der Endnoten"));
    setFixedSize(400, 232);

    const zm::misc::Weighting start = zm::misc::weighting(zm::misc::WeightingStart);
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("mündliche Leistungen"), {12, 12, 170, 24});
    Edit1 = makeEdit(this, QStringLiteral("Edit1"), {186, 12, 60, 24}, QStringLiteral("15"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), zm::misc::weightCaption(start.oralPercent), {256, 12, 132, 24});
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("schriftliche Leistungen"), {12, 44, 170, 24});
    Edit2 = makeEdit(this, QStringLiteral("Edit2"), {186, 44, 60, 24}, QStringLiteral("15"));
    Label4 =
        makeLabel(this, QStringLiteral("Label4"), zm::misc::weightCaption(start.writtenPercent), {256, 44, 132, 24});
    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Bitte Punkte zwischen 0 und 15 eingeben"),
              {12, 76, 376, 20});

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(12, 104, 376, 32);
    TrackBar1->setRange(zm::misc::WeightingMin, zm::misc::WeightingMax);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setValue(zm::misc::WeightingStart);

    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Gesamtpunktzahl:"), {12, 148, 170, 32});
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("15"), {186, 148, 80, 32});
    makeLabel(this, QStringLiteral("Label9"), QStringLiteral("Endnote:"), {12, 188, 170, 32});
    Label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("1+"), {186, 188, 80, 32});
    setBold(Label6, 14);
    setBold(Label7, 14);

    connect(Edit1, &QLineEdit::textChanged, this, guard([this] { Label6Click(); }));
    connect(Edit2, &QLineEdit::textChanged, this, guard([this] { Label6Click(); }));
    connect(TrackBar1, &QSlider::valueChanged, this, guard([this] { Label6Click(); }));
    Label6->installEventFilter(this);

    centreOnScreen(this);
    guarded([this] { FormCreate(); });
}

TForm13::~TForm13()
{
    Label6->removeEventFilter(this);
}

void TForm13::FormCreate()
{
    // On top of every other window, for the whole run.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void TForm13::Label6Click()
{
    if (Edit1->text().isEmpty() || Edit2->text().isEmpty()) {
        Label6->setText(Unknown);
        Label7->setText(Unknown);
    }
    const zm::misc::Weighting weights = zm::misc::weighting(TrackBar1->value());
    Label2->setText(zm::misc::weightCaption(weights.oralPercent));
    Label4->setText(zm::misc::weightCaption(weights.writtenPercent));
    // A text that is not a number ends the computation without a message,
    // the labels as far as they were set.
    try {
        const zm::Fixed oral = zm::parseFixed(Edit1->text());
        const zm::Fixed written = zm::parseFixed(Edit2->text());
        Label6->setText(zm::formatFixed(zm::misc::totalPoints(oral, written, weights), 0));
        // A total outside 0 … 15 keeps the grade shown before.
        if (const auto grade = zm::misc::gradeOf(Label6->text()))
            Label7->setText(*grade);
        if (oral > HighestPoints || written > HighestPoints) {
            Label6->setText(Unknown);
            Label7->setText(Unknown);
        }
    } catch (const zm::ConversionError &) {
    }
}

bool TForm13::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label6 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        zm::ui::guarded([this] { Label6Click(); });
    return QWidget::eventFilter(watched, event);
}

void TForm13::closeEvent(QCloseEvent *event)
{
    // Closing is always allowed; the main menu comes back into view.
    if (QWidget *menu = zm::app::window(QStringLiteral("Form1")))
        menu->show();
    QWidget::closeEvent(event);
}
