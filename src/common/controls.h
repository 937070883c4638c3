#pragma once

// Building windows the way the program always laid them out: controls at
// fixed positions, each carrying the name other windows and the tests use as
// its objectName. Also the few connection and placement habits every window
// shares.

#include "common/errorreport.h"

#include <QAbstractButton>
#include <QColor>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zm::ui {

// Controls at a position inside `parent`; `name` becomes the objectName
// (an empty name leaves it unset).
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
QLineEdit *makeEdit(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = {});
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
// The radio button is never wider than its caption needs, so that a click
// beside the caption does not select it.
QRadioButton *makeRadio(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
// A hidden button that serves as an internal trigger: other code clicks it.
QPushButton *makeHiddenButton(QWidget *parent, const QString &name);

// The Tab key reaches the widget or not; the mouse still gives it the focus.
void setTabStop(QWidget *widget, bool on);
void setBold(QWidget *widget, int pointSize = 0);
// The name a screen reader says; set only when it differs (a change is
// announced to the screen reader).
void setAccessibleName(QWidget *widget, const QString &name);
// One colour of the widget's palette, for the active and inactive states.
void setPaletteColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);
// A filled background (labels, panels, whole windows, radio buttons).
void setBackground(QWidget *widget, const QColor &colour);

// Runs `handler` (guarded) whenever the button becomes checked, by a click
// or from code; a click on the checked button runs nothing.
template <class F> void onChecked(QAbstractButton *button, QObject *context, F handler)
{
    QObject::connect(button, &QAbstractButton::toggled, context, [handler = std::move(handler)](bool on) {
        if (on)
            guarded(handler);
    });
}

// Runs `handler` (guarded) on every click of the button.
template <class F> void onClicked(QAbstractButton *button, QObject *context, F handler)
{
    QObject::connect(button, &QAbstractButton::clicked, context, guard(std::move(handler)));
}

// A transparent picture of this size in the screen's device pixels (twice as
// many at 200 %), so that what is drawn into it stays sharp at any scale.
QPixmap screenPixmap(QSize size);

// The top-level window with this objectName, or nullptr.
QWidget *topLevelWindow(const QString &objectName);

// Shows the window in its normal state, in front, as the active window.
void showInFront(QWidget *window);
// Centres the window on the main menu (on the screen while there is none).
void centreOnMainMenu(QWidget *window);
// Centres the window on the primary screen.
void centreOnScreen(QWidget *window);
// Moves the window to the main menu's top left corner plus `offset`.
void placeBesideMainMenu(QWidget *window, QPoint offset);

} // namespace zm::ui
