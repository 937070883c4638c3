#include "app/forms.h"

#include "app/mainmenu.h"
#include "common/accessiblenames.h"
#include "classtest/classtestwindows.h"
#include "common/errorreport.h"
#include "common/keyboardpath.h"
#include "langindex/essaywindow.h"
#include "langindex/ownthresholds.h"
#include "misc/finalgradewindow.h"
#include "misc/infowindow.h"
#include "misc/leveldistributor.h"
#include "misc/germanquotientwindow.h"
#include "platform/platform.h"
#include "scales/eightbandcalculator.h"
#include "scales/eightbandtable.h"
#include "scales/subjectscalecalculator.h"
#include "scales/subjectscaletable.h"
#include "scales/fifteenpointcalculator.h"
#include "scales/fifteenpointtable.h"
#include "scales/fourbandcalculator.h"
#include "scales/fourbandtable.h"
#include "scales/ownkeycalculator.h"
#include "scales/ownkeytable.h"
#include "scales/threebandcalculator.h"
#include "scales/threebandtable.h"
#include "transcript/namewindow.h"
#include "transcript/transcriptwindow.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace zm::app {

namespace {
std::vector<QWidget *> createdInOrder;
// Set while restartProgram closes the main menu after the teacher agreed to end.
bool endConfirmed = false;

void keep(QWidget *window)
{
    createdInOrder.push_back(window);
    // Names first: a control without a caption is named after its own hint,
    // not after the keyboard path's.
    zm::ui::nameByCaptions(window);
    zm::ui::addKeyboardPath(window);
}

template <class T> void create(T *&slot)
{
    slot = new T();
    keep(slot);
}

// The windows built when first opened: the objectNames of what is built
// together (a calculator and its strip), and how to build it.
struct BuiltOnDemand
{
    std::array<const char *, 2> names;
    void (*build)(Forms &);
};

const std::array<BuiltOnDemand, 1> OnDemand = {{
    {{"EigenerSchluessel", "EigenerSchluesselTabelle"},
     [](Forms &f) {
         create(f.ownKeyTable);
         create(f.ownKey);
     }},
}};

const BuiltOnDemand *onDemand(const QString &objectName)
{
    for (const BuiltOnDemand &entry : OnDemand) {
        for (const char *name : entry.names) {
            if (objectName == QLatin1String(name))
                return &entry;
        }
    }
    return nullptr;
}
} // namespace

Forms &forms()
{
    static Forms f;
    return f;
}

void createAllWindows()
{
    Forms &f = forms();
    // The order matters: the main menu first, the others as the program has
    // always created them (later windows may look at earlier ones).
    create(f.form1);
    create(f.form3);
    create(f.form8);
    create(f.form9);
    create(f.form2);
    create(f.form10);
    create(f.form11);
    create(f.form14);
    create(f.form16);
    create(f.form15);
    create(f.form12);
    create(f.form13);
    create(f.form17);
    create(f.form18);
    create(f.form5);
    create(f.form19);
    create(f.form20);
    create(f.form21);
    create(f.form6);
    // WINDOW CREATION ORDER: TForm1, TForm3, TForm8, TForm9, TForm2, TForm10,
    // TForm11, TForm14, TForm16, TForm15, TForm12, TForm13, TForm17, TForm18,
    // TForm5, TForm19, TForm20, TForm21, TForm6. Add each window in its place.
    f.form1->updateButtons();
}

void destroyAllWindows()
{
    while (!createdInOrder.empty()) {
        delete createdInOrder.back();
        createdInOrder.pop_back();
    }
    forms() = Forms{};
    zm::classtest::closeStore();
}

void registerWindow(QWidget *window)
{
    keep(window);
}

QList<QWidget *> allWindows()
{
    return {createdInOrder.begin(), createdInOrder.end()};
}

QWidget *window(const QString &objectName)
{
    for (QWidget *w : createdInOrder) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

QWidget *windowToOpen(const QString &objectName)
{
    if (QWidget *w = window(objectName))
        return w;
    const BuiltOnDemand *entry = onDemand(objectName);
    // Only once the start-up windows stand (the main menu knows the data folder).
    if (!entry || !forms().form1)
        return nullptr;
    entry->build(forms());
    return window(objectName);
}

QStringList windowsBuiltOnDemand()
{
    QStringList names;
    for (const BuiltOnDemand &entry : OnDemand) {
        for (const char *name : entry.names)
            names << QString::fromLatin1(name);
    }
    return names;
}

bool canOpen(const QString &objectName)
{
    return window(objectName) || (onDemand(objectName) && forms().form1);
}

bool mayEnd()
{
    return endConfirmed || !forms().form17 || forms().form17->mayEnd();
}

void restartProgram(QWidget *closingWindow, const std::function<void()> &beforeRelaunch)
{
    // Ask about unsaved transcript rows before anything changes: "Abbrechen",
    // or a save that fails or is cancelled, leaves every window and file as it was.
    if (!mayEnd())
        return;
    if (closingWindow)
        closingWindow->close();
    if (TForm1 *menu = forms().form1) {
        // The question has been answered; closing the main menu must not ask again.
        endConfirmed = true;
        const bool closed = menu->close();
        endConfirmed = false;
        if (!closed)
            return;
    }
    if (beforeRelaunch)
        beforeRelaunch();
    zm::platform::relaunchSelf({QStringLiteral("restart")});
}

QString dataFolder()
{
    return forms().form1 ? forms().form1->dataFolderPath() : QString();
}

} // namespace zm::app
