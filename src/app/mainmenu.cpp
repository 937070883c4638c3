#include "app/mainmenu.h"

#include "app/forms.h"
#include "classtest/classtestwindows.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/ownvalues.h"
#include "common/widgetstyle.h"
#include "platform/handshake.h"
#include "platform/platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

#include <array>

namespace {

struct MenuEntry
{
    QPushButton *TForm1::*button;
    const char *objectName;
    const char *caption;
    const char *hint;
    const char *window; // objectName of the window it shows
};

// Left-hand column top to bottom, then the bottom row left to right, then the
// row below it.
const std::array<MenuEntry, 11> Menu = {{
    {&TForm1::Button6, "Button6", "e, te, ne", "", "Form8"},
    {&TForm1::Button4, "Button4", "4 Stufen", "", "Form19"},
    {&TForm1::Button5, "Button5", "HaBri", "Laut Konferenzbeschluss und mehr!", "Form21"},
    {&TForm1::Button1, "Button1", "Wiesgrund", "", "Form2"},
    {&TForm1::Button7, "Button7", "Gymi-Skala", "", "Form10"},
    {&TForm1::Button11, "Button11", "Sprachen", "", "Form14"},
    {&TForm1::Button3, "Button3", "60% zu 40%", "", "Form13"},
    {&TForm1::Button8, "Button8", "Informationen", "", "Form15"},
    {&TForm1::Button2, "Button2", "Niveauverteiler", "", "Form12"},
    {&TForm1::Button9, "Button9", "Fehlerquotient Deutsch", "", "Form5"},
    {&TForm1::ButtonSchluessel, "ButtonSchluessel", "Eigener Notenschlüssel…", "", "EigenerSchluessel"},
}};

constexpr int MenuWidth = 384;
// The row below the picture area (384 × 284): the stored class tests and the own key.
constexpr int PictureHeight = 284;
constexpr int LastRowTop = PictureHeight + 4;
constexpr int Height = PictureHeight + 33;

QPixmap renderPicture(const QString &resource, QSize size)
{
    QPixmap pixmap = zm::ui::screenPixmap(size);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zensomat"));
    setFixedSize(MenuWidth, Height);
    // Every window shows the program's icon; drawn from its SVG at the size
    // asked for, it stays sharp at any scale.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/zensomat.svg")));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, MenuWidth, Height);
    Image1->setPixmap(renderPicture(QStringLiteral(":/pictures/background.svg"), QSize(MenuWidth, Height)));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(176, 24, 184, 176);
    Image2->setPixmap(renderPicture(QStringLiteral(":/pictures/motto.svg"), QSize(184, 176)));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(QStringLiteral("Gerecht bewerten heißt genau rechnen."));

    for (std::size_t i = 0; i < Menu.size(); ++i) {
        const MenuEntry &entry = Menu[i];
        auto *button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.objectName));
        if (*entry.hint)
            button->setToolTip(QString::fromUtf8(entry.hint));
        if (i < 7) {
            button->setGeometry(16, 14 + static_cast<int>(i) * 29, 132, 25);
        } else if (i < 10) {
            static constexpr std::array<int, 3> x = {16, 118, 226};
            static constexpr std::array<int, 3> w = {96, 102, 146};
            button->setGeometry(x[i - 7], 248, w[i - 7], 25);
        } else {
            // The first place of this row belongs to the class test evaluation.
            button->setGeometry(198, LastRowTop, 174, 25);
        }
        this->*entry.button = button;
        connect(button, &QPushButton::clicked, this, zm::ui::guard([this, button] { openWindow(button); }));
    }

    ButtonKlassenarbeiten = new QPushButton(QStringLiteral("Klassenarbeiten…"), this);
    ButtonKlassenarbeiten->setObjectName(QStringLiteral("ButtonKlassenarbeiten"));
    ButtonKlassenarbeiten->setAccessibleName(QStringLiteral("Gespeicherte Klassenarbeiten"));
    ButtonKlassenarbeiten->setGeometry(16, LastRowTop, 132, 25);
    connect(ButtonKlassenarbeiten, &QPushButton::clicked, this, zm::ui::guard([] { zm::classtest::openArchive(); }));

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(226, 218, 146, 20);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, Qt::red);
    pal.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(pal);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    qApp->installEventFilter(this);
    zm::ui::guarded([this] { FormCreate(); });
    updateButtons();
}

TForm1::~TForm1()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TForm1::FormCreate()
{
    m_dataFolder = zm::platform::dataFolderPath();
    const std::uint32_t delta = zm::platform::measureCounterDelta();
    Label1->setText(zm::platform::cpuSpeedLine(delta));
    repaint();
    zm::ownvalues::ensureFolder(m_dataFolder);
}

void TForm1::updateButtons()
{
    for (const MenuEntry &entry : Menu)
        (this->*entry.button)->setEnabled(zm::app::canOpen(QString::fromLatin1(entry.window)));
}

void TForm1::openWindow(QPushButton *button)
{
    for (const MenuEntry &entry : Menu) {
        if (this->*entry.button != button)
            continue;
        QWidget *w = zm::app::windowToOpen(QString::fromLatin1(entry.window));
        if (!w)
            return;
        zm::ui::showInFront(w);
        if (button == Button1) {
            if (auto *field = w->findChild<QWidget *>(QStringLiteral("Punktezahl")))
                field->setFocus();
        }
        return;
    }
}

void TForm1::ApplicationEvents1Message(int message, qintptr wParam)
{
    if (message == zm::platform::RestartMessage && wParam == zm::platform::RestartClose)
        close();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == zm::platform::PostedMessageEvent::eventType()) {
        const auto *posted = static_cast<zm::platform::PostedMessageEvent *>(event);
        zm::ui::guarded([&] { ApplicationEvents1Message(posted->message(), posted->wParam()); });
    }
    return QWidget::eventFilter(watched, event); // never marks a message as handled
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool mayEnd = false;
    zm::ui::guarded([&] { mayEnd = zm::app::mayEnd(); });
    if (!mayEnd) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}
