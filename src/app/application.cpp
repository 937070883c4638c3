#include "app/application.h"

#include "common/errorreport.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

void useGermanForQt(QCoreApplication &app)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto *translator = new QTranslator(&app);
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace zm::app
