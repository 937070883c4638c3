#include "app/application.h"

#include "common/errorreport.h"

namespace zm::app {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        zm::ui::reportException(std::current_exception());
        return false;
    }
}

} // namespace zm::app
