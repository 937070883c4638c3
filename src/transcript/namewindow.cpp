#include "transcript/namewindow.h"

#include "app/forms.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/widgetstyle.h"
#include "transcript/transcriptwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Mitschrift aktiv!");
}

TForm18::TForm18(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(Title);
    setFixedSize(336, 104);
    Label1 = zm::ui::makeLabel(this, QStringLiteral("Label1"),
                               QStringLiteral("Den aktuellen SchülerInnennamen hier eingeben:"), QRect(8, 8, 320, 20));
    Edit1 = zm::ui::makeEdit(this, QStringLiteral("Edit1"), QRect(8, 32, 320, 24));
    Button1 = zm::ui::makeButton(this, QStringLiteral("Button1"), QStringLiteral("fertig"), QRect(248, 66, 80, 28));
    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });
    zm::ui::centreOnScreen(this);
}

TForm18::~TForm18() = default;

void TForm18::Button1Click()
{
    if (TForm17 *transcript = zm::app::forms().form17)
        zm::ui::click(transcript->Button2);
    Edit1->setFocus();
    hide();
    if (QWidget *essay = zm::app::window(QStringLiteral("Form14")))
        zm::ui::showInFront(essay);
}

void TForm18::paintEvent(QPaintEvent *event)
{
    // The title is put back whenever the window is painted.
    if (windowTitle() != Title)
        setWindowTitle(Title);
    QWidget::paintEvent(event);
}
