#include "scales/subjectscalecalculator.h"

#include "app/forms.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/messages.h"
#include "common/widgetstyle.h"
#include "platform/settingsstore.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>

#include <algorithm>
#include <array>

namespace {

using zm::scales::Subject;

const QString Placeholder = QStringLiteral("weitere lt. Fachkonferenz");
const QColor Chosen(200, 219, 234);
const QColor White(255, 255, 255);

// What a subject choice does to the threshold fields.
enum class Editing { Off, On, Kept };

// Per subject, in the order of the codes (the group ids are the scale
// indexes): its radio button, its place in the list (top to bottom), what it
// does to the fields, and for an own subject the number of its name field.
// An own subject also shows the save and reset buttons.
struct Choice
{
    const char *button;
    int place;
    Editing editing;
    bool whiteFields; // otherwise the style's button colour
    int name;         // 1 Edit1, 2 Edit2, 0 none
};

// clang-format off
constexpr std::array<Choice, zm::scales::SubjectCount> Choices = {{
    {"RadioButton4", 0, Editing::Off,  false, 0}, // Mathematik
    {"RadioButton5", 1, Editing::Off,  false, 0}, // Englisch/Deutsch
    {"RadioButton6", 2, Editing::On,   true,  1}, // first own subject
    {"RadioButton1", 5, Editing::Off,  false, 0}, // Hallbrinks Ü8
    {"RadioButton3", 4, Editing::Kept, true,  0}, // Hallbrinks Ü7
    {"RadioButton2", 3, Editing::On,   true,  2}, // second own subject
}};
// clang-format on

const Choice &choiceOf(Subject subject)
{
    return Choices.at(static_cast<std::size_t>(zm::scales::scaleIndex(subject)));
}

zm::scales::PercentCalculator::Behaviour subjectScaleBehaviour()
{
    zm::scales::PercentCalculator::Behaviour b;
    b.strip = QStringLiteral("Form6");
    b.focusAfterCompute = true;
    b.enterActsAsTab = false; // FormKeyPress instead
    b.messageBeforeFolder = false;
    b.saveSetsTitle = false;
    b.loadSetsTitle = false; // the title always reads "Hallbrink Notenskalen"
    b.clearStripOnOpen = true;
    return b;
}

} // namespace

TForm21::TForm21(QWidget *parent)
    : PercentCalculator(zm::scales::subjectScaleCalculator(), subjectScaleBehaviour(), parent)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("Hallbrink Notenskalen"));
    setFixedSize(480, 356);

    // The keyboard path: score, table button (then save and reset where
    // shown), subjects, check box, rounding, the first threshold field.
    buildScoreField({240, 200, 80, 24},
                    {{QStringLiteral("Label9"), QStringLiteral("Punktezahl für die Arbeit:"), {240, 178, 236, 18}}});
    zm::ui::setBold(findChild<QLabel *>(QStringLiteral("Label9")));
    Punktezahl->setText(QStringLiteral("100"));
    // Buttons 2 and 3 take the place of band rows 7 and 8.
    buildButtons({QStringLiteral("Button1"), QStringLiteral("Ergebnistabelle drucken"), {240, 232, 196, 26}},
                 {QStringLiteral("Button2"), QStringLiteral("Konferenzwerte speichern"), {16, 200, 204, 24}},
                 {QStringLiteral("Button3"), QStringLiteral("% Werte  zurücksetzen"), {16, 228, 204, 24}});
    Button2->hide();
    Button3->hide();
    buildChoices();
    CheckBox1 = zm::ui::makeCheckBox(this, QStringLiteral("CheckBox1"),
                                     QStringLiteral("Es handelt sich um eine Abschlussarbeit"), {16, 262, 300, 22});
    buildTrackBar({16, 290, 204, 30}, {QStringLiteral("Label14"), QStringLiteral("milder"), {16, 320, 80, 16}},
                  {QStringLiteral("Label15"), QStringLiteral("strenger"), {140, 320, 80, 16}});
    zm::ui::setTabStop(TrackBar1, false);
    buildRounding({240, 270, 200, 72},
                  {QStringLiteral("RadioButton7"), QStringLiteral("Punktzahl runden"), {12, 14, 180, 22}},
                  {QStringLiteral("RadioButton8"), QStringLiteral("..nicht runden"), {12, 40, 180, 22}});

    buildBandColumn({});
    threshold(0)->setToolTip(QStringLiteral("mit Tab verlassen!"));
    const QColor buttonFace = palette().color(QPalette::Button);
    for (int n = 0; n < bands(); ++n) {
        // Only the first threshold field is a tab stop; all start read-only.
        if (n > 0)
            zm::ui::setTabStop(threshold(n), false);
        if (n < 6)
            zm::ui::setFieldColour(threshold(n), buttonFace);
        threshold(n)->setEnabled(false);
    }
    setRowVisible(6, false);
    setRowVisible(7, false);

    zm::ui::setBackground(this, zm::ui::inactiveBorderColour());
    zm::ui::centreOnScreen(this);
    finishBuilding();
    using zm::ui::guard;
    connect(m_subjects, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            zm::ui::guarded([this, id] { chooseSubject(static_cast<Subject>(id + 1)); });
    });
    connect(Edit1, &QLineEdit::textChanged, this, guard([this] { nameChanged(1); }));
    connect(Edit2, &QLineEdit::textChanged, this, guard([this] { nameChanged(2); }));
    connect(CheckBox1, &QCheckBox::toggled, this, guard([this] { CheckBox1Click(); }));
    zm::ui::onClicked(Button4, this, [this] { Button4Click(); });
}

TForm21::~TForm21() = default;

void TForm21::buildChoices()
{
    zm::ui::makeLabel(this, QStringLiteral("Label16"), QStringLiteral("Fachauswahl"), {240, 8, 180, 18});
    m_subjects = new QButtonGroup(this);
    // Created top to bottom, so that the Tab key follows the list.
    for (int place = 0; place < zm::scales::SubjectCount; ++place) {
        const auto found =
            std::find_if(Choices.begin(), Choices.end(), [place](const Choice &c) { return c.place == place; });
        const auto i = static_cast<std::size_t>(found - Choices.begin());
        const Choice &c = *found;
        const zm::scales::ScaleDefinition &scale = definition().scales.at(static_cast<int>(i));
        const int y = 30 + place * 24;
        // An own subject's name field lies over its radio button's caption.
        auto *radio =
            zm::ui::makeRadio(this, QString::fromLatin1(c.button), scale.caption, {240, y, c.name ? 20 : 180, 22});
        radio->setToolTip(c.name ? Placeholder : scale.hint);
        m_subjects->addButton(radio, static_cast<int>(i));
        if (c.name) {
            QLineEdit *edit =
                zm::ui::makeEdit(this, QStringLiteral("Edit%1").arg(c.name), {262, y, 160, 22}, Placeholder);
            edit->setToolTip(QStringLiteral("Fach hier eintragen!"));
            (c.name == 1 ? Edit1 : Edit2) = edit;
        }
    }
    Button4 = zm::ui::makeButton(this, QStringLiteral("Button4"), QStringLiteral("FQ"), {432, 30, 40, 24});
    Button4->setToolTip(QStringLiteral("Fehlerquotient lt. Lernnetz"));

    // "Mathematik" is chosen by the layout (no handler runs) and highlighted.
    QAbstractButton *maths = m_subjects->button(zm::scales::scaleIndex(Subject::Mathematics));
    maths->setChecked(true);
    for (QAbstractButton *b : m_subjects->buttons())
        zm::ui::setBackground(b, b == maths ? Chosen : zm::ui::inactiveBorderColour());
}

QLineEdit *TForm21::nameField(int number) const
{
    return number == 1 ? Edit1 : number == 2 ? Edit2 : nullptr;
}

int TForm21::chosenIndex() const
{
    const int id = m_subjects->checkedId();
    return id < 0 ? 0 : id;
}

void TForm21::chooseSubject(Subject subject)
{
    const Choice &c = choiceOf(subject);
    QLineEdit *name = nameField(c.name);
    if (name && name->text() == Placeholder) {
        name->setFocus();
        name->selectAll();
    }
    // Recording the choice may fail quietly; for "Mathematik" the failure is
    // reported, once the subject has been set up.
    std::exception_ptr recordFailure;
    try {
        zm::platform::SettingsStore().setSubject(static_cast<int>(subject));
    } catch (const zm::Error &) {
        if (subject == Subject::Mathematics)
            recordFailure = std::current_exception();
    }
    if (c.editing != Editing::Kept) {
        for (int n = 0; n < bands(); ++n)
            threshold(n)->setEnabled(c.editing == Editing::On);
    }
    applyScale(definition().scales.at(zm::scales::scaleIndex(subject)));
    setThresholdColours(c.whiteFields ? White : palette().color(QPalette::Button));
    QAbstractButton *chosen = m_subjects->button(zm::scales::scaleIndex(subject));
    for (QAbstractButton *b : m_subjects->buttons())
        zm::ui::setBackground(b, b == chosen ? Chosen : zm::ui::inactiveBorderColour());
    Button2->setVisible(name != nullptr);
    Button3->setVisible(name != nullptr);
    if (recordFailure)
        std::rethrow_exception(recordFailure);
}

void TForm21::nameChanged(int number)
{
    try {
        zm::platform::SettingsStore().setSubjectName(number, nameField(number)->text());
    } catch (const zm::Error &) {
        // The name stays on screen; it is recorded again with the next change.
    }
}

void TForm21::FormShow()
{
    // A failed read is reported after the other steps have run; the name
    // fields then keep their texts rather than losing the stored names.
    std::exception_ptr readFailure;
    std::array<std::optional<QString>, 2> names;
    try {
        const zm::platform::SettingsStore store;
        names = {store.subjectName(1).value_or(Placeholder), store.subjectName(2).value_or(Placeholder)};
        if (const std::optional<int> code = store.subject())
            m_subjectCode = *code;
    } catch (const zm::Error &) {
        readFailure = std::current_exception();
    }
    Subject subject{};
    if (zm::scales::subjectFromCode(m_subjectCode, subject))
        zm::ui::check(m_subjects->button(zm::scales::scaleIndex(subject)));
    for (int number = 1; number <= 2; ++number) {
        if (const std::optional<QString> &name = names.at(static_cast<std::size_t>(number - 1)))
            zm::ui::setText(nameField(number), name->isEmpty() ? Placeholder : *name);
    }
    zm::ui::setText(Punktezahl, QStringLiteral("100"));
    Punktezahl->setFocus();
    Punktezahl->selectAll();
    if (readFailure)
        std::rethrow_exception(readFailure);
}

void TForm21::CheckBox1Click()
{
    if (!CheckBox1->isChecked()) {
        // Position, score and rounding stay as they are.
        TrackBar1->setEnabled(true);
        m_oneDecimal->setEnabled(true);
        return;
    }
    zm::ui::setValue(TrackBar1, zm::scales::StrictnessNeutral);
    TrackBar1->setEnabled(false);
    zm::ui::setText(Punktezahl, QStringLiteral("100"));
    zm::ui::check(m_wholePoints);
    m_oneDecimal->setEnabled(false);
    zm::ui::showMessage(QStringLiteral("Bei LR-Schwäche(Dt.; Eng.?) bitte 90 Punkte eintragen!"));
}

void TForm21::Button4Click()
{
    if (QWidget *quotient = zm::app::window(QStringLiteral("Form5")))
        zm::ui::showInFront(quotient);
}

void TForm21::FormKeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        focusNextChild();
    Punktezahl->setFocus();
}

void TForm21::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        zm::ui::guarded([this] { FormShow(); });
}

void TForm21::keyPressEvent(QKeyEvent *event)
{
    // Keys a focused control passes on are not the window's own.
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused != this) {
        PercentCalculator::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    zm::ui::guarded([this, key] { FormKeyPress(key); });
}
