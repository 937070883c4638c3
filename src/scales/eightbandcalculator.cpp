#include "scales/eightbandcalculator.h"

#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/errorreport.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/ownvalues.h"
#include "scales/bandscale.h"
#include "scales/eightbandtable.h"
#include "common/inputlimit.h"
#include "common/widgetstyle.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>

#include <algorithm>
#include <optional>

namespace {

const QString OwnValuesTitle = QStringLiteral("  Du benutzt eigene %-Werte!");
const QString DefaultsTitle = QStringLiteral("  Es gelten die Vorgabewerte.");
const QString ChangedTitle = QStringLiteral("...veränderte Werte speichern?");

constexpr int MaxTyped = 5;
constexpr int Bands = 8;

const QColor Aqua(0, 255, 255);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

// One demand level: its radio button, file, the rows it shows, the captions
// and defaults it writes when it has no own-values file.
struct LevelData
{
    TForm2::Level level;
    QRadioButton *TForm2::*button;
    void (TForm2::*click)(); // the level's handler
    const char *objectName;
    const char *caption;
    const char *hint;
    const char *file;
    int firstRow; // rows shown, 1-based; rows 3 to 6 are always shown
    int lastRow;
    const char *captionPrefix;            // "Ü " or "Fö "
    int captionCount;                     // Label1 … LabelN
    int firstDefault;                     // 1-based field that the first default goes into
    std::array<const char *, 8> defaults; // nullptr ends the list
    int linesRead;
    bool writable;
};

// clang-format off
const std::array<LevelData, 7> Levels = {{
    {TForm2::Level::Star, &TForm2::RadioButton4, &TForm2::RadioButton4Click, "RadioButton4", "*", "",
     "ue8c.ini", 3, 8, "Ü ", 6, 3, {"93", "84", "67", "50", "34", "0", nullptr, nullptr}, 8, true},
    {TForm2::Level::TwoStars, &TForm2::RadioButton5, &TForm2::RadioButton5Click, "RadioButton5", "**", "",
     "ue8d.ini", 2, 7, "Ü ", 6, 2, {"93", "84", "67", "50", "34", "0", nullptr, nullptr}, 8, true},
    {TForm2::Level::ThreeStars, &TForm2::RadioButton6, &TForm2::RadioButton6Click, "RadioButton6", "***", "",
     "ue8e.ini", 1, 6, "Ü ", 6, 1, {"93", "84", "67", "50", "34", "0", nullptr, nullptr}, 8, true},
    {TForm2::Level::SpecialNeeds, &TForm2::RadioButton2, &TForm2::RadioButton2Click, "RadioButton2", "Förderschulniveau", "",
     "ue8a.ini", 1, 6, "Fö ", 6, 1, {"90", "70", "55", "40", "20", "00", nullptr, nullptr}, 6, false},
    {TForm2::Level::StarPlusTwoStars, &TForm2::RadioButton9, &TForm2::RadioButton9Click, "RadioButton9", "* + **",
     "80% Grundniveau, 20% Erweiterungsniveau",
     "ue8n.ini", 2, 8, "Ü ", 8, 1, {"95", "95", "84", "73", "62", "51", "26", "0"}, 8, true},
    {TForm2::Level::TwoPlusThreeStars, &TForm2::RadioButton3, &TForm2::RadioButton3Click, "RadioButton3", "** + ***",
     "90 % Abschlussniveau MSA, 10 % gymn. Niveau",
     "ue8b.ini", 1, 7, "Ü ", 6, 1, {"95", "84", "73", "62", "51", "26", "0", "0"}, 8, true},
    {TForm2::Level::AllLevels, &TForm2::RadioButton1, &TForm2::RadioButton1Click, "RadioButton1", "*, ** +***",
     "50% Grundniveau, 40% Erweiterungsniveau, 10 % gymn. Niveau",
     "ue8alle.ini", 1, 8, "Ü ", 6, 1, {"95", "84", "73", "62", "51", "34", "17", "0"}, 8, true},
}};
// clang-format on

// What entering threshold field n does.
const std::array<void (TForm2::*)(), 8> EnterHandlers = {
    &TForm2::ue1prozEnter, &TForm2::ue2prozEnter, &TForm2::Button6Click,  &TForm2::Button7Click,
    &TForm2::Button8Click, &TForm2::Button9Click, &TForm2::Button10Click, &TForm2::Button11Click,
};

const LevelData &levelData(TForm2::Level level)
{
    return Levels.at(static_cast<std::size_t>(level));
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ü-8 Noten"));
    buildLayout();
    // Centred on the main window, which already exists when this one is made.
    if (QWidget *menu = zm::app::window(QStringLiteral("Form1")))
        move(menu->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    FormCreate();
    connectHandlers();
}

TForm2::~TForm2() = default;

void TForm2::buildLayout()
{
    setFixedSize(448, 346);

    auto label = [this](const QString &name, const QString &text, QRect geometry) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(geometry);
        return l;
    };
    auto radio = [](QWidget *parent, const char *name, const QString &text, QRect geometry) {
        auto *r = new QRadioButton(text, parent);
        r->setObjectName(QString::fromLatin1(name));
        r->setGeometry(geometry);
        r->resize(std::min(geometry.width(), r->sizeHint().width()), geometry.height());
        return r;
    };
    auto button = [this](const char *name, const QString &text, QRect geometry) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };

    // The keyboard path: score, levels, track bar, rounding, buttons. The
    // threshold fields are reached by mouse only.
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("Punktezahl für die Arbeit"), {240, 10, 196, 18});
    Label13 = label(QStringLiteral("Label13"), QStringLiteral("hier eingeben:"), {240, 30, 196, 18});
    Punktezahl = new QLineEdit(this);
    Punktezahl->setObjectName(QStringLiteral("Punktezahl"));
    Punktezahl->setGeometry(240, 50, 80, 24);
    zm::scales::limitTypedInput(Punktezahl, MaxTyped);

    Label16 = label(QStringLiteral("Label16"), QStringLiteral("Anspruchsniveau der Arbeit"), {240, 86, 196, 18});
    for (std::size_t i = 0; i < Levels.size(); ++i) {
        const LevelData &s = Levels[i];
        // Left column "*", "**", "***", "Förderschulniveau"; right column the mixed levels.
        const bool right = i >= 4;
        const int row = right ? static_cast<int>(i) - 4 : static_cast<int>(i);
        const QRect geometry = right ? QRect(350, 106 + row * 22, 92, 20) : QRect(240, 106 + row * 22, 150, 20);
        QRadioButton *r = radio(this, s.objectName, QString::fromUtf8(s.caption), geometry);
        if (*s.hint)
            r->setToolTip(QString::fromUtf8(s.hint));
        this->*s.button = r;
    }
    RadioButton4->setChecked(true);
    m_levels = new QButtonGroup(this);
    for (std::size_t i = 0; i < Levels.size(); ++i)
        m_levels->addButton(this->*Levels[i].button, static_cast<int>(i));

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(zm::scales::StrictnessMin, zm::scales::StrictnessMax);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(zm::scales::StrictnessNeutral);
    TrackBar1->setGeometry(240, 200, 196, 30);
    Label14 = label(QStringLiteral("Label14"), QStringLiteral("milder"), {240, 230, 80, 16});
    Label15 = label(QStringLiteral("Label15"), QStringLiteral("strenger"), {356, 230, 80, 16});
    Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 262, 200, 72);
    RadioButton7 = radio(GroupBox1, "RadioButton7", QStringLiteral("Punktzahl runden"), {12, 14, 180, 22});
    RadioButton8 = radio(GroupBox1, "RadioButton8", QStringLiteral("..nicht runden"), {12, 40, 180, 22});
    RadioButton7->setChecked(true);

    Button1 = button("Button1", QStringLiteral("Ergebnistabelle drucken"), {240, 254, 196, 26});
    Button2 = button("Button2", QStringLiteral("eigene % - Werte speichern"), {240, 282, 196, 26});
    Button2->setToolTip(QStringLiteral("Veränderte Prozentwerte für das nächste mal speichern!"));
    Button3 = button("Button3", QStringLiteral("% - Vorgabe wiederherstellen"), {240, 310, 196, 26});
    Button3->setToolTip(QStringLiteral("NEUSTART"));

    // Column heads and the eight band rows.
    Label11 = label(QStringLiteral("Label11"), QStringLiteral("% Skala:"), {16, 10, 64, 18});
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("Note:"), {90, 10, 44, 18});
    Label12 = label(QStringLiteral("Label12"), QStringLiteral("ab ... Punkten"), {136, 10, 92, 18});

    const std::array<QLineEdit **, Bands> fields = {&ue1proz, &ue2proz, &ue3proz, &ue4proz,
                                                    &ue5proz, &ue6proz, &ue7proz, &ue8proz};
    const std::array<QLabel **, Bands> outputs = {&ue1bedarf, &ue2bedarf, &ue3bedarf, &ue4bedarf,
                                                  &ue5bedarf, &ue6bedarf, &ue7bedarf, &ue8bedarf};
    const std::array<QLabel **, Bands> captions = {&Label1, &Label2, &Label3, &Label4,
                                                   &Label5, &Label6, &Label7, &Label8};
    const std::array<const char *, Bands> startTexts = {"95", "84", "93", "84", "67", "50", "34", "0"};
    QPalette outputPalette = palette();
    outputPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    outputPalette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
    for (int n = 0; n < Bands; ++n) {
        const int y = 32 + n * 28;
        auto *field = new QLineEdit(QString::fromLatin1(startTexts[n]), this);
        field->setObjectName(QStringLiteral("ue%1proz").arg(n + 1));
        field->setGeometry(16, y, 60, 24);
        field->setFocusPolicy(Qt::ClickFocus);
        zm::scales::limitTypedInput(field, MaxTyped);
        auto *caption =
            label(QStringLiteral("Label%1").arg(n + 1), QStringLiteral("Ü%1").arg(n + 1), {90, y + 3, 44, 18});
        auto *output = label(QStringLiteral("ue%1bedarf").arg(n + 1), QString(10, QLatin1Char(' ')), {136, y, 84, 24});
        output->setAlignment(Qt::AlignCenter);
        output->setAutoFillBackground(true);
        output->setPalette(outputPalette);
        *fields[n] = field;
        *outputs[n] = output;
        *captions[n] = caption;
        m_thresholds[n] = field;
        m_minimums[n] = output;
        m_captions[n] = caption;
    }
    // At creation the rows of the level "*" are shown: 3 to 8.
    for (int n : {0, 1}) {
        m_thresholds[n]->hide();
        m_captions[n]->hide();
        m_minimums[n]->hide();
    }

    // Enter and Escape move on like Tab, wherever the focus is.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void TForm2::FormCreate()
{
    // "*" is selected by the layout already, so no level switch runs here.
    RadioButton4->setChecked(true);
}

void TForm2::connectHandlers()
{
    using zm::ui::guard;
    connect(Punktezahl, &QLineEdit::textChanged, this, guard([this] { PunktezahlChange(); }));
    for (QLineEdit *field : m_thresholds)
        connect(field, &QLineEdit::textChanged, this, guard([this] { PunktezahlChange(); }));
    connect(TrackBar1, &QSlider::valueChanged, this, guard([this] { PunktezahlChange(); }));
    for (QRadioButton *rounding : {RadioButton7, RadioButton8}) {
        connect(rounding, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                zm::ui::guarded([this] { PunktezahlChange(); });
        });
    }
    // A level's handler runs when its button becomes selected, by a click or
    // by code; clicking the selected one toggles nothing.
    connect(m_levels, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        zm::ui::guarded([this, id] { (this->*Levels.at(static_cast<std::size_t>(id)).click)(); });
    });
    connect(Button1, &QPushButton::clicked, this, guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guard([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, guard([this] { Button3Click(); }));
}

TForm2::Level TForm2::level() const
{
    for (const LevelData &s : Levels) {
        if ((this->*s.button)->isChecked())
            return s.level;
    }
    return Level::Star;
}

QString TForm2::levelFile(Level level)
{
    return QString::fromLatin1(levelData(level).file);
}

QString TForm2::dataFolder() const
{
    return zm::app::dataFolder();
}

void TForm2::PunktezahlChange()
{
    setWindowTitle(ChangedTitle);
    const auto rounding =
        RadioButton8->isChecked() ? zm::scales::Rounding::OneDecimal : zm::scales::Rounding::WholePoints;
    try {
        QStringList texts;
        for (QLineEdit *field : m_thresholds)
            texts << field->text();
        const zm::scales::ScaleInputs inputs = zm::scales::parseInputs(TrackBar1->value(), Punktezahl->text(), texts);
        // Hidden bands are computed too; a result out of range stops at
        // that band and goes to the error report.
        for (int n = 0; n < Bands; ++n)
            m_minimums[n]->setText(zm::scales::minimumText(zm::scales::bandMinimum(inputs, n, rounding), rounding));
    } catch (const zm::ConversionError &) {
        // A field that is not a number: every band keeps what it showed.
    }
    if (isVisible())
        activateWindow();
}

void TForm2::switchLevel(Level level)
{
    const LevelData &s = levelData(level);
    for (int n = 0; n < s.captionCount; ++n)
        m_captions[n]->setText(QString::fromUtf8(s.captionPrefix) + QString::number(n + 1));
    for (int row : {1, 2, 7, 8}) {
        const bool shown = row >= s.firstRow && row <= s.lastRow;
        m_thresholds[row - 1]->setVisible(shown);
        m_captions[row - 1]->setVisible(shown);
        m_minimums[row - 1]->setVisible(shown);
    }
    const QString folder = dataFolder();
    const QString file = QString::fromLatin1(s.file);
    const bool own = zm::ownvalues::existsInFolder(folder, file);
    if (!own) {
        for (int k = 0; k < Bands && s.defaults[k]; ++k)
            zm::ui::setText(m_thresholds[s.firstDefault - 1 + k], QString::fromLatin1(s.defaults[k]));
        setThresholdColours(White);
    }
    setWindowTitle(own ? OwnValuesTitle : DefaultsTitle);
    if (own) {
        // A file that cannot be read is passed over without a word.
        const std::optional<QStringList> lines =
            zm::ownvalues::read(zm::ownvalues::pathInFolder(folder, file), s.linesRead);
        if (lines) {
            for (int k = 0; k < s.linesRead; ++k)
                zm::ui::setText(m_thresholds[k], lines->at(k));
        }
    }
}

void TForm2::RadioButton1Click()
{
    switchLevel(Level::AllLevels);
}

void TForm2::RadioButton2Click()
{
    switchLevel(Level::SpecialNeeds);
}

void TForm2::RadioButton3Click()
{
    switchLevel(Level::TwoPlusThreeStars);
}

void TForm2::RadioButton4Click()
{
    switchLevel(Level::Star);
}

void TForm2::RadioButton5Click()
{
    switchLevel(Level::TwoStars);
}

void TForm2::RadioButton6Click()
{
    switchLevel(Level::ThreeStars);
}

void TForm2::RadioButton9Click()
{
    switchLevel(Level::StarPlusTwoStars);
}

void TForm2::setThresholdColours(const QColor &colour)
{
    for (QLineEdit *field : m_thresholds)
        zm::ui::setFieldColour(field, colour);
}

void TForm2::markEntered(QLineEdit *field, const QColor &colour, bool announceChange)
{
    zm::ui::setFieldColour(field, colour);
    if (announceChange)
        setWindowTitle(ChangedTitle);
}

void TForm2::ue1prozEnter()
{
    markEntered(ue1proz, Aqua, false);
}

void TForm2::ue2prozEnter()
{
    markEntered(ue2proz, Aqua, true);
}

void TForm2::Button6Click()
{
    markEntered(ue3proz, Aqua, true);
}

void TForm2::Button7Click()
{
    markEntered(ue4proz, Aqua, true);
}

void TForm2::Button8Click()
{
    markEntered(ue5proz, Aqua, true);
}

void TForm2::Button9Click()
{
    markEntered(ue6proz, Aqua, true);
}

void TForm2::Button10Click()
{
    markEntered(ue7proz, Aqua, true);
}

void TForm2::Button11Click()
{
    markEntered(ue8proz, Red, false);
    ue8bedarf->setText(QStringLiteral("???"));
}

void TForm2::Button1Click()
{
    TForm3 *strip = zm::app::forms().form3;
    if (!strip)
        return;
    strip->clearBandColumns();
    zm::ui::showMessageLines({
        QStringLiteral("Gleich erscheint eine kleine Tabelle."),
        QStringLiteral("Ein Doppelklick irgendwo auf die Tabelle startet den Druckvorgang."),
        QStringLiteral("Mit den Tastenkombinationen [Alt] und [Druck] kopierst du die Tabelle in die"),
        QStringLiteral("Zwischenablage; mit [Strg] und [V] fügst du die Tab. in ein Worddokument ein."),
        QStringLiteral("Unter Bootcamp [Mac] kopierst du mit: shift + fn + alt + F11. "),
        QStringLiteral("Einfügen funktioniert mit [Strg] und [V]. "),
    });
    strip->showNormal();
    strip->raise();
    strip->activateWindow();
    // The activation fills the table too, but window systems activate
    // asynchronously; fill it now so it never shows stale figures.
    strip->StringGrid1Click();
    hide();
}

void TForm2::Button2Click()
{
    const Level current = level();
    if (!levelData(current).writable) {
        zm::ui::showMessage(QStringLiteral("Diese Werte sind vorgegeben und können nicht dauerhaft verändert werden!"));
        return;
    }
    const QString folder = dataFolder();
    zm::ownvalues::ensureFolder(folder);
    zm::ui::showMessage(QStringLiteral("Der Speicherort für eigene Prozentwerte ist: ") + folder + QStringLiteral("!"));
    QStringList lines;
    for (QLineEdit *field : m_thresholds)
        lines << field->text();
    // Replaces the old file only once the new one is complete; a failure is
    // an IoError for the error report, and the title and colours stay.
    zm::ownvalues::write(zm::ownvalues::pathInFolder(folder, levelFile(current)), lines);
    setWindowTitle(OwnValuesTitle);
    setThresholdColours(QApplication::palette().color(QPalette::Base));
}

void TForm2::Button3Click()
{
    const Level current = level();
    if (levelData(current).writable)
        zm::ownvalues::removeFromFolder(dataFolder(), levelFile(current));
    zm::app::restartProgram(this);
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

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
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
            const auto handler = EnterHandlers.at(static_cast<std::size_t>(field - m_thresholds.begin()));
            zm::ui::guarded([this, handler] { (this->*handler)(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}
