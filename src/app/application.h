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

} // namespace zm::app
