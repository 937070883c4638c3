#pragma once

// Every window of the program exists once, from start-up (or, for a few, from
// the first time it is opened) to the end. Windows reach each other's controls
// through this registry, as the calculators and their result strips read each
// other's fields directly.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

class TForm1;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;
class TForm21;
class OwnKeyCalculator;
class OwnKeyTable;

namespace zm::app {

struct Forms
{
    TForm1 *form1 = nullptr;
    TForm2 *form2 = nullptr;
    TForm3 *form3 = nullptr;
    TForm5 *form5 = nullptr;
    TForm6 *form6 = nullptr;
    TForm8 *form8 = nullptr;
    TForm9 *form9 = nullptr;
    TForm10 *form10 = nullptr;
    TForm11 *form11 = nullptr;
    TForm12 *form12 = nullptr;
    TForm13 *form13 = nullptr;
    TForm14 *form14 = nullptr;
    TForm15 *form15 = nullptr;
    TForm16 *form16 = nullptr;
    TForm17 *form17 = nullptr;
    TForm18 *form18 = nullptr;
    TForm19 *form19 = nullptr;
    TForm20 *form20 = nullptr;
    TForm21 *form21 = nullptr;
    // Built when first opened (see windowToOpen).
    OwnKeyCalculator *ownKey = nullptr;
    OwnKeyTable *ownKeyTable = nullptr;
};

Forms &forms();

// Creates every window in the start-up order, the main menu first (its
// creation works out the data folder that the calculators' creation handlers
// read). Only the main menu is shown, by the caller.
void createAllWindows();
// Deletes them again in reverse order (end of the program, end of a test).
void destroyAllWindows();

// Every window in creation order (empty while none is built): what walks
// over all windows (tests, the keyboard path) iterate.
QList<QWidget *> allWindows();
// A window made later than start-up, when first opened: kept from now on
// and deleted with the others at the end.
void registerWindow(QWidget *window);

// The window with this objectName ("Form2"), or nullptr while it is not built.
QWidget *window(const QString &objectName);

// Windows that are not needed at start-up are built the first time they are
// opened. windowToOpen is window(), building the window (and the windows it
// needs, such as its strip) first where it is one of those; canOpen tells
// whether it exists or can be built.
QWidget *windowToOpen(const QString &objectName);
bool canOpen(const QString &objectName);
// The objectNames of every window built when first opened (for walks over
// all windows, which open them first).
QStringList windowsBuiltOnDemand();

// The program is about to end: false when the teacher chose to keep it
// running (asked about transcript rows that were never saved).
bool mayEnd();

// Restoring defaults: ask about unsaved transcript rows first; then close the
// calculator and the main menu (which ends the program once the current event
// is handled), run `beforeRelaunch` (deleting the own values) and start the
// program again with the argument "restart". When the teacher keeps the
// program running nothing of this happens.
void restartProgram(QWidget *closingWindow, const std::function<void()> &beforeRelaunch = {});

// The data folder path the main menu worked out ("" when that failed).
QString dataFolder();

} // namespace zm::app
