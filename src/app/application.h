#pragma once

#include <QApplication>

namespace zm::app {

// The application object. Its notify() is the last line of defence: an error
// that got past a handler's guard is reported instead of ending the program.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Qt's own dialogs and buttons (file and print dialogs, standard buttons of
// message boxes) in German whatever the system's language, with Qt's German
// translations where they are installed; the default locale becomes German
// too. Without the translations the program runs all the same, with Qt's
// English texts. Numbers never go through the locale (see zm::formatFixed).
void useGermanForQt(QCoreApplication &app);

} // namespace zm::app
