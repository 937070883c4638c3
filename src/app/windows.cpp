#include "app/forms.h"

#include "app/mainmenu.h"
#include "classtest/classtestwindows.h"
#include "common/errorreport.h"
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
#include "scales/threebandcalculator.h"
#include "scales/threebandtable.h"
#include "transcript/namewindow.h"
#include "transcript/transcriptwindow.h"

#include <QWidget>

#include <vector>

namespace zm::app {

namespace {
std::vector<QWidget *> createdInOrder;

template <class T> void create(T *&slot)
{
    slot = new T();
    createdInOrder.push_back(slot);
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
    createdInOrder.push_back(window);
}

QWidget *window(const QString &objectName)
{
    for (QWidget *w : createdInOrder) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

bool mayEnd()
{
    return !forms().form17 || forms().form17->mayEnd();
}

void restartProgram(QWidget *closingWindow)
{
    if (closingWindow)
        closingWindow->close();
    // The main menu asks about unsaved transcript rows; the teacher may keep the program running.
    if (forms().form1 && !forms().form1->close())
        return;
    zm::platform::relaunchSelf({QStringLiteral("restart")});
}

QString dataFolder()
{
    return forms().form1 ? forms().form1->dataFolderPath() : QString();
}

} // namespace zm::app
