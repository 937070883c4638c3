#include "langindex/ownthresholds.h"

#include "app/forms.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/messages.h"
#include "common/ownvalues.h"
#include "langindex/essaywindow.h"
#include "common/widgetstyle.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The defaults equal the class-10 ladder except the second one (0,68 where
// that ladder has 0,86).
constexpr std::array<const char *, TForm16::FieldCount> Defaults = {
    "0,43", "0,68", "1,29", "1,73", "2,16", "2,59", "3,03", "3,46",
    "3,89", "4,33", "4,76", "5,19", "5,62", "6,06", "6,50",
};

const QColor WindowColour(255, 255, 255);
const QColor MarkColour(0, 255, 255); // aqua: edited since the last save

const QString TitleOwnValues = QStringLiteral("eigene Werte!");
const QString TitleDefaults = QStringLiteral("Klasse......10");
const QString TitleEdited = QStringLiteral("...speichern?");

// The mark handlers of Edit1 … Edit15, in field order.
using MarkHandler = void (TForm16::*)();
constexpr std::array<MarkHandler, TForm16::FieldCount> MarkHandlers = {
    &TForm16::Button3Click,  &TForm16::Button4Click,  &TForm16::Button5Click,  &TForm16::Button6Click,
    &TForm16::Button7Click,  &TForm16::Button8Click,  &TForm16::Button9Click,  &TForm16::Button10Click,
    &TForm16::Button11Click, &TForm16::Button12Click, &TForm16::Button13Click, &TForm16::Button14Click,
    &TForm16::Button15Click, &TForm16::Button16Click, &TForm16::Button17Click,
};

constexpr int RowHeight = 26;
constexpr int Margin = 8;
constexpr int LabelWidth = 120;
constexpr int FieldWidth = 104;
constexpr int ClientWidth = Margin + LabelWidth + 8 + FieldWidth + Margin;

} // namespace

TForm16::TForm16(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form16"));
    zm::ui::setBackground(this, zm::ui::inactiveBorderColour());

    // Created first, so that the Tab key starts at the save button.
    Button1 = new QPushButton(QStringLiteral("eigene Werte speichern."), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    for (int i = 0; i < FieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int y = Margin + i * RowHeight;
        const int points = 15 - i;
        auto *label = new QLabel(QStringLiteral("%1 Punkte ab....").arg(points, 2, 10, QLatin1Char('0')), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setGeometry(Margin, y, LabelWidth, 22);

        auto *edit = new QLineEdit(QString::fromLatin1(Defaults[at]), this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setGeometry(Margin + LabelWidth + 8, y, FieldWidth, 22);
        zm::ui::setFieldColour(edit, WindowColour);
        edit->installEventFilter(this);
        m_fields[at] = edit;
    }

    Edit16 = new QLineEdit(QStringLiteral("0,0"), this);
    Edit16->setObjectName(QStringLiteral("Edit16"));
    Edit16->hide();

    const int buttonTop = Margin + FieldCount * RowHeight + 4;
    Button1->setGeometry(Margin, buttonTop, ClientWidth - 2 * Margin, 28);
    Button2 = new QPushButton(QStringLiteral("Vorgabewerte wiederherstellen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(Margin, buttonTop + 34, ClientWidth - 2 * Margin, 28);

    // Hidden buttons that carry the mark handlers of the fifteen fields.
    for (int i = 0; i < FieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        QPushButton *hidden = zm::ui::makeHiddenButton(this, QStringLiteral("Button%1").arg(i + 3));
        const MarkHandler handler = MarkHandlers[at];
        connect(hidden, &QPushButton::clicked, this, zm::ui::guard([this, handler] { (this->*handler)(); }));
    }

    setTabOrder(Button1, m_fields.front());
    for (int i = 1; i < FieldCount; ++i)
        setTabOrder(m_fields[static_cast<std::size_t>(i - 1)], m_fields[static_cast<std::size_t>(i)]);
    setTabOrder(m_fields.back(), Button2);

    connect(Button1, &QPushButton::clicked, this, zm::ui::guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, zm::ui::guard([this] { Button2Click(); }));

    setFixedSize(ClientWidth, buttonTop + 34 + 28 + Margin);
    zm::ui::centreOnMainMenu(this);

    zm::ui::guarded([this] { FormCreate(); });
}

TForm16::~TForm16()
{
    for (QLineEdit *edit : m_fields)
        edit->removeEventFilter(this);
}

QStringList TForm16::boundTexts() const
{
    QStringList texts{Edit16->text()};
    for (QLineEdit *edit : m_fields)
        texts << edit->text();
    return texts;
}

void TForm16::FormCreate()
{
    const QString folder = zm::app::dataFolder();
    const QString fileName = QString::fromLatin1(FileName);
    const bool exists = zm::ownvalues::existsInFolder(folder, fileName);
    setWindowTitle(exists ? TitleOwnValues : TitleDefaults);
    if (!exists)
        return;
    // An unreadable file leaves the defaults, without a message; a short one
    // gives empty fields for its missing lines.
    const std::optional<QStringList> lines =
        zm::ownvalues::read(zm::ownvalues::pathInFolder(folder, fileName), FieldCount);
    if (!lines)
        return;
    for (int i = 0; i < FieldCount; ++i)
        zm::ui::setText(m_fields[static_cast<std::size_t>(i)], lines->at(i));
}

void TForm16::Button1Click()
{
    const QString folder = zm::app::dataFolder();
    zm::ui::showMessage(QStringLiteral("Der Speicherort für eigene Prozentwerte ist: ") + folder + QLatin1Char('!'));
    zm::ownvalues::ensureFolder(folder);
    QStringList texts;
    for (QLineEdit *edit : m_fields)
        texts << edit->text();
    zm::ownvalues::write(zm::ownvalues::pathInFolder(folder, QString::fromLatin1(FileName)), texts);

    setWindowTitle(TitleOwnValues);
    Button1->setText(QStringLiteral("eigene Werte speichern"));
    for (QLineEdit *edit : m_fields)
        zm::ui::setFieldColour(edit, WindowColour);
    hide();
    if (TForm14 *essay = zm::app::forms().form14)
        zm::ui::click(essay->Button2);
}

void TForm16::Button2Click()
{
    const QString folder = zm::app::dataFolder();
    // The own values go only when the program really restarts.
    zm::app::restartProgram(this, [&] { zm::ownvalues::removeFromFolder(folder, QString::fromLatin1(FileName)); });
}

void TForm16::markField(int index)
{
    zm::ui::setFieldColour(m_fields.at(static_cast<std::size_t>(index)), MarkColour);
    setWindowTitle(TitleEdited);
    Button1->setText(QStringLiteral("Werte speichern, sonst unwirksam"));
}

void TForm16::Button3Click()
{
    markField(0);
}
void TForm16::Button4Click()
{
    markField(1);
}
void TForm16::Button5Click()
{
    markField(2);
}
void TForm16::Button6Click()
{
    markField(3);
}
void TForm16::Button7Click()
{
    markField(4);
}
void TForm16::Button8Click()
{
    markField(5);
}
void TForm16::Button9Click()
{
    markField(6);
}
void TForm16::Button10Click()
{
    markField(7);
}
void TForm16::Button11Click()
{
    markField(8);
}
void TForm16::Button12Click()
{
    markField(9);
}
void TForm16::Button13Click()
{
    markField(10);
}
void TForm16::Button14Click()
{
    markField(11);
}
void TForm16::Button15Click()
{
    markField(12);
}
void TForm16::Button16Click()
{
    markField(13);
}
void TForm16::Button17Click()
{
    markField(14);
}

bool TForm16::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Only a move of the focus between controls marks a field; getting
        // the window back (activation, a closed popup) does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < m_fields.size(); ++i) {
                if (watched == m_fields[i]) {
                    zm::ui::guarded([this, i] { (this->*MarkHandlers[i])(); });
                    break;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
