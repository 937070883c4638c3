#include "app/application.h"
#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/messages.h"
#include "platform/handshake.h"

int main(int argc, char *argv[])
{
    zm::app::Application app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    zm::app::useGermanForQt(app);

    zm::platform::MessageWindow applicationWindow(&app);
    zm::platform::runRestartHandshake(applicationWindow, app.arguments().mid(1));

    zm::ui::setApplicationTitle(QStringLiteral("Zensomat"));
    applicationWindow.setTitle(QStringLiteral("Zensomat"));
    QApplication::setApplicationName(QStringLiteral("Zensomat"));

    zm::app::createAllWindows();
    TForm1 *menu = zm::app::forms().form1;
    QObject::connect(menu, &TForm1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    menu->show();
    const int result = app.exec();
    zm::app::destroyAllWindows();
    return result;
}
