#include "misc/leveldistributor.h"

#include "app/forms.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/errors.h"
#include "common/updown.h"
#include "common/widgetstyle.h"
#include "misc/levelsplit.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using zm::Fixed;
using zm::misc::LevelPoints;

namespace {

const QColor Red(0xFF, 0x00, 0x00);
const QColor Green(0x00, 0x80, 0x00);

constexpr int FrameWidth = 14;
constexpr int InnerWidth = 432;
constexpr int InnerHeight = 242;

struct LevelRow
{
    const char *caption;
    const char *corridor;
};
constexpr std::array<LevelRow, zm::misc::LevelCount> Rows = {{
    {"Grundniveau:", "50 ± 2%"},
    {"Erweiterungsniveau:", "38 ± 2%"},
    {"Zusatzqualifikation:", "12 ± 2%"},
}};

} // namespace

TForm12::TForm12(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Velmorra Niveauverteiler"));
    buildLayout();
    connectHandlers();
    zm::ui::centreOnScreen(this);
}

TForm12::~TForm12()
{
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4})
        edit->removeEventFilter(this);
}

void TForm12::buildLayout()
{
    using namespace zm::ui;
    setFixedSize(InnerWidth + 2 * FrameWidth, InnerHeight + 2 * FrameWidth);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());
    setBackground(Panel1, Red);
    Panel2 = new QWidget(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(FrameWidth, FrameWidth, InnerWidth, InnerHeight);
    setBackground(Panel2, palette().color(QPalette::Window));

    QWidget *p = Panel2;
    makeLabel(p, QStringLiteral("Label4"), QStringLiteral("Punkte:"), {150, 8, 76, 20});
    Label5 = makeLabel(p, QStringLiteral("Label5"), QStringLiteral("Anteil:"), {236, 8, 88, 20});
    makeLabel(p, QStringLiteral("Label6"), QStringLiteral("Soll: "), {330, 8, 90, 20});

    // Created row by row, so that the Tab key runs down the level fields.
    for (int i = 0; i < zm::misc::LevelCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int y = 32 + 32 * i;
        makeLabel(p, QStringLiteral("Label%1").arg(i + 1), QString::fromUtf8(Rows[at].caption), {10, y, 136, 24});
        m_levels[at] = makeEdit(p, QStringLiteral("Edit%1").arg(i + 1), {150, y, 60, 24});
        auto *arrows = new UpDown(p);
        arrows->setObjectName(QStringLiteral("UpDown%1").arg(i + 1));
        arrows->setGeometry(210, y, 18, 24);
        (i == 0 ? UpDown1 : i == 1 ? UpDown2 : UpDown3) = arrows;
        m_shares[at] = makeEdit(p, QStringLiteral("Edit%1").arg(i + 5), {236, y, 88, 24});
        m_shares[at]->setEnabled(false);
        makeLabel(p, QStringLiteral("Label%1").arg(i + 7), QString::fromUtf8(Rows[at].corridor), {330, y, 90, 24});
        m_typedButtons[at] = makeHiddenButton(this, QStringLiteral("Button%1").arg(i + 6));
    }
    Edit1 = m_levels[0];
    Edit2 = m_levels[1];
    Edit3 = m_levels[2];
    Edit5 = m_shares[0];
    Edit6 = m_shares[1];
    Edit7 = m_shares[2];
    Edit5->setToolTip(QStringLiteral("Soll: um 50%"));
    Button6 = m_typedButtons[0];
    Button7 = m_typedButtons[1];
    Button8 = m_typedButtons[2];

    makeLabel(p, QStringLiteral("Label10"), QStringLiteral("Gesamtpunktzahl:"), {10, 136, 136, 24});
    Edit4 = makeEdit(p, QStringLiteral("Edit4"), {150, 136, 78, 24});
    makeLabel(p, QStringLiteral("Label11"), QStringLiteral("entsprechend 100%"), {236, 136, 180, 24});

    CheckBox1 =
        makeCheckBox(p, QStringLiteral("CheckBox1"), QStringLiteral("automatische Ergänzung"), {10, 172, 260, 22});
    CheckBox1->setChecked(true);
    Button3 = makeButton(p, QStringLiteral("Button3"), QStringLiteral("zur Notenverteilung"), {10, 204, 190, 28});
    Button2 = makeButton(p, QStringLiteral("Button2"), QStringLiteral("Ende"), {322, 204, 100, 28});
}

void TForm12::connectHandlers()
{
    using zm::ui::guard;
    using zm::ui::guarded;
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4})
        edit->installEventFilter(this);
    const std::array<void (TForm12::*)(), 3> typed = {&TForm12::Button6Click, &TForm12::Button7Click,
                                                      &TForm12::Button8Click};
    const std::array<zm::ui::UpDown *, 3> arrows = {UpDown1, UpDown2, UpDown3};
    const std::array<void (TForm12::*)(int), 3> steps = {&TForm12::UpDown1Click, &TForm12::UpDown2Click,
                                                         &TForm12::UpDown3Click};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto typedHandler = typed[i];
        const auto stepHandler = steps[i];
        zm::ui::onClicked(m_typedButtons[i], this, [this, typedHandler] { (this->*typedHandler)(); });
        connect(arrows[i], &zm::ui::UpDown::stepped, this,
                [this, stepHandler](int direction) { guarded([=, this] { (this->*stepHandler)(direction); }); });
    }
    // Runs when the box changes, by a click or from code.
    connect(CheckBox1, &QCheckBox::toggled, this, guard([this] { CheckBox1Click(); }));
    zm::ui::onClicked(Button2, this, [this] { Button2Click(); });
    zm::ui::onClicked(Button3, this, [this] { Button3Click(); });
}

bool TForm12::eventFilter(QObject *watched, QEvent *event)
{
    // One key-up per key: a held key repeats its press, not its release.
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
        if (watched == Edit1)
            zm::ui::guarded([this] { Edit1KeyUp(); });
        else if (watched == Edit2)
            zm::ui::guarded([this] { Edit2KeyUp(); });
        else if (watched == Edit3)
            zm::ui::guarded([this] { Edit3KeyUp(); });
        else if (watched == Edit4)
            zm::ui::guarded([this] { Edit4KeyUp(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TForm12::Edit1KeyUp()
{
    zm::ui::click(Button6);
}

void TForm12::Edit2KeyUp()
{
    zm::ui::click(Button7);
}

void TForm12::Edit3KeyUp()
{
    zm::ui::click(Button8);
}

void TForm12::Button6Click()
{
    levelTyped(0);
}

void TForm12::Button7Click()
{
    levelTyped(1);
}

void TForm12::Button8Click()
{
    levelTyped(2);
}

void TForm12::UpDown1Click(int direction)
{
    stepLevel(0, direction);
}

void TForm12::UpDown2Click(int direction)
{
    stepLevel(1, direction);
}

void TForm12::UpDown3Click(int direction)
{
    stepLevel(2, direction);
}

LevelPoints TForm12::readLevels() const
{
    LevelPoints points;
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = zm::misc::levelValue(m_levels[i]->text());
    return points;
}

void TForm12::showShares(const LevelPoints &points)
{
    if (const auto shares = zm::misc::levelShares(points)) {
        for (std::size_t i = 0; i < shares->size(); ++i)
            zm::ui::setText(m_shares[i], zm::formatFixed((*shares)[i], 2));
    }
}

void TForm12::showStatus(const LevelPoints &points)
{
    if (const auto inside = zm::misc::insideCorridors(points))
        zm::ui::setBackground(Panel1, *inside ? Green : Red);
}

void TForm12::levelTyped(int level)
{
    Label5->setText(QStringLiteral("Anteil:"));
    // A level that is not a number ends the operation without a message.
    try {
        LevelPoints points = readLevels();
        if (CheckBox1->isChecked()) {
            const Fixed typed = points[static_cast<std::size_t>(level)];
            for (int other = 0; other < zm::misc::LevelCount; ++other) {
                if (other != level)
                    zm::ui::setText(m_levels[static_cast<std::size_t>(other)],
                                    zm::formatFixed(zm::misc::completedPoints(level, typed, other), 0));
            }
        }
        points = readLevels();
        showShares(points);
        zm::ui::setText(Edit4, zm::formatGeneral(zm::misc::levelSum(points)));
        m_lastTyped = level;
        showStatus(points);
    } catch (const zm::ConversionError &) {
    }
}

void TForm12::Edit4KeyUp()
{
    // A total that is not a number goes to the error report.
    const Fixed total = zm::parseFixed(Edit4->text());
    Label5->setText(QStringLiteral("Punkte:"));
    for (int i = 0; i < zm::misc::LevelCount; ++i)
        zm::ui::setText(m_shares[static_cast<std::size_t>(i)], zm::formatFixed(zm::misc::targetPoints(total, i), 2));
}

void TForm12::stepLevel(int level, int direction)
{
    const auto at = static_cast<std::size_t>(level);
    try {
        LevelPoints points = readLevels();
        if (points[at] <= Fixed())
            return;
        zm::ui::setText(m_levels[at], zm::formatGeneral(zm::addFixed(points[at], Fixed::fromInt(direction))));
        points = readLevels();
        showShares(points);
        showStatus(points);
        m_lastTyped = level;
        // Typing no longer completes until the box is checked again.
        zm::ui::check(CheckBox1, false);
    } catch (const zm::ConversionError &) {
    }
}

void TForm12::CheckBox1Click()
{
    if (CheckBox1->isChecked() && m_lastTyped >= 0)
        zm::ui::click(m_typedButtons[static_cast<std::size_t>(m_lastTyped)]);
}

void TForm12::Button2Click()
{
    if (QWidget *menu = zm::app::window(QStringLiteral("Form1")))
        zm::ui::showInFront(menu);
    hide();
}

void TForm12::Button3Click()
{
    QWidget *calculator = zm::app::window(QStringLiteral("Form2"));
    if (!calculator)
        return;
    auto *score = calculator->findChild<QLineEdit *>(QStringLiteral("Punktezahl"));
    auto *allLevels = calculator->findChild<QRadioButton *>(QStringLiteral("RadioButton1"));
    hide();
    zm::ui::showInFront(calculator);
    if (!score || !allLevels)
        return;
    score->setFocus();
    // The new maximum score runs the calculator's computation; selecting the
    // level "*, ** +***" runs its level switch unless it is selected already.
    zm::ui::setText(score, Edit4->text());
    zm::ui::check(allLevels);
}
