#include "common/controls.h"

#include "common/textfit.h"

#include <QCheckBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zm::ui {

namespace {

template <class T> T *placed(T *control, const QString &name, const QRect &geometry)
{
    if (!name.isEmpty())
        control->setObjectName(name);
    control->setGeometry(geometry);
    // The size is fixed; a text that runs wider gets a slightly smaller font.
    shrinkToFit(control);
    return control;
}

QWidget *mainMenu()
{
    return topLevelWindow(QStringLiteral("Form1"));
}

} // namespace

QWidget *topLevelWindow(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return placed(new QLabel(text, parent), name, geometry);
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QRect &geometry, const QString &text)
{
    return placed(new QLineEdit(text, parent), name, geometry);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    return placed(new QPushButton(caption, parent), name, geometry);
}

QRadioButton *makeRadio(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *radio = placed(new QRadioButton(caption, parent), name, geometry);
    radio->resize(std::min(geometry.width(), radio->sizeHint().width()), geometry.height());
    return radio;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    return placed(new QCheckBox(caption, parent), name, geometry);
}

QPushButton *makeHiddenButton(QWidget *parent, const QString &name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->hide();
    return button;
}

void setTabStop(QWidget *widget, bool on)
{
    const int policy = on ? (widget->focusPolicy() | Qt::TabFocus) : (widget->focusPolicy() & ~Qt::TabFocus);
    widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
}

void setBold(QWidget *widget, int pointSize)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}

void setAccessibleName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setPaletteColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Active, role, colour);
    pal.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(pal);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    // Buttons fill with their own role (the button colour), not the window's.
    QPalette pal = widget->palette();
    pal.setColor(widget->backgroundRole(), colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QPixmap screenPixmap(QSize size)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void showInFront(QWidget *window)
{
    window->showNormal();
    window->raise();
    window->activateWindow();
}

void centreOnMainMenu(QWidget *window)
{
    if (QWidget *menu = mainMenu())
        window->move(menu->frameGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
    else
        centreOnScreen(window);
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
}

void placeBesideMainMenu(QWidget *window, QPoint offset)
{
    if (QWidget *menu = mainMenu())
        window->move(menu->pos() + offset);
}

} // namespace zm::ui
