#pragma once

// main() for the test executables: a fresh temporary HOME (and XDG folders)
// for each test run, so that the data folder, settings and printer
// configuration of the real user are never touched.

#if __has_include(<QApplication>)
#include "app/application.h"

#include <QApplication>
#endif
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace zm::test {

inline QTemporaryDir &isolateHome()
{
    static QTemporaryDir home;
    const QByteArray path = home.path().toLocal8Bit();
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
    qputenv("XDG_RUNTIME_DIR", path + "/.runtime");
    QDir(home.path()).mkpath(QStringLiteral(".runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/.runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return home;
}

} // namespace zm::test

#define ZM_TEST_MAIN_CORE(TestObject)                                                                                  \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        zm::test::isolateHome();                                                                                       \
        QCoreApplication app(argc, argv);                                                                              \
        TestObject tc;                                                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }

#define ZM_TEST_MAIN_GUI(TestObject)                                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        zm::test::isolateHome();                                                                                       \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setApplicationName(QStringLiteral("Zensomat"));                                                  \
        zm::app::useGermanForQt(app);                                                                                  \
        TestObject tc;                                                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
