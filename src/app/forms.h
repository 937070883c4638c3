#pragma once

// Every window of the program exists once, from start-up to the end. Windows
// reach each other's controls through this registry, as the calculators and
// their result strips read each other's fields directly.

#include <QString>

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
};

Forms &forms();

// Creates every window in the start-up order, the main menu first (its
// creation works out the data folder that the calculators' creation handlers
// read). Only the main menu is shown, by the caller.
void createAllWindows();
// Deletes them again in reverse order (end of the program, end of a test).
void destroyAllWindows();

// A window made later than start-up, when first opened: kept from now on
// and deleted with the others at the end.
void registerWindow(QWidget *window);

// The window with this objectName ("Form2"), or nullptr while it is not built.
QWidget *window(const QString &objectName);

// The program is about to end: false when the teacher chose to keep it
// running (asked about transcript rows that were never saved).
bool mayEnd();

// Restoring defaults: close the calculator and the main menu (which ends the
// program once the current event is handled) and start the program again
// with the argument "restart" – unless the teacher keeps the program running.
void restartProgram(QWidget *closingWindow);

// The data folder path the main menu worked out ("" when that failed).
QString dataFolder();

} // namespace zm::app
