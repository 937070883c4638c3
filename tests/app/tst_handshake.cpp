#include "app/forms.h"
#include "app/mainmenu.h"
#include "platform/handshake.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace zm;

namespace {

// Stands in for a running instance: records what is posted to it.
class Listener : public QObject
{
public:
    QList<QPair<int, qintptr>> received;
    bool event(QEvent *e) override
    {
        if (e->type() == platform::PostedMessageEvent::eventType()) {
            auto *m = static_cast<platform::PostedMessageEvent *>(e);
            received.append({m->message(), m->wParam()});
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

class TestHandshake : public QObject
{
    Q_OBJECT

private slots:
    void cleanedArgument_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("isRestart");
        QTest::newRow("restart") << QStringList{"restart"} << true;
        QTest::newRow("/restart") << QStringList{"/restart"} << true;
        QTest::newRow("//restart/") << QStringList{"//restart/"} << true;
        QTest::newRow("Restart") << QStringList{"Restart"} << false;
        QTest::newRow("-restart") << QStringList{"-restart"} << false;
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("only the first counts") << QStringList{"x", "restart"} << false;
        // clang-format on
    }
    void cleanedArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, isRestart);
        QCOMPARE(platform::cleanedRestartArgument(arguments) == "restart", isRestart);
    }

    // A running instance under "Vandrel Client" gets 5735 with 99 or 0.
    void postsToTheWindowFound_data() { cleanedArgument_data(); }
    void postsToTheWindowFound()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, isRestart);
        Listener running;
        platform::MessageWindow runningWindow(&running);
        runningWindow.setTitle("Vandrel Client");
        QVERIFY(runningWindow.isListening());

        Listener self;
        platform::MessageWindow own(&self);
        QVERIFY(platform::runRestartHandshake(own, arguments));
        QTRY_COMPARE(running.received.size(), 1);
        QCOMPARE(running.received[0].first, 5735);
        QCOMPARE(running.received[0].second, qintptr(isRestart ? 99 : 0));
        QVERIFY(self.received.isEmpty());
        QCOMPARE(own.title(), QString("Vandrel Client"));
    }

    void nobodyListeningPostsNothing()
    {
        Listener self;
        platform::MessageWindow own(&self);
        QVERIFY(!platform::runRestartHandshake(own, {"restart"}));
        QCOMPARE(own.title(), QString("Vandrel Client"));
    }

    // A finished instance is titled "Zensomat" and is not found.
    void finishedInstanceIsNotFound()
    {
        Listener running;
        platform::MessageWindow runningWindow(&running);
        runningWindow.setTitle("Zensomat");
        Listener self;
        platform::MessageWindow own(&self);
        QVERIFY(!platform::runRestartHandshake(own, {"restart"}));
        QTest::qWait(50);
        QVERIFY(running.received.isEmpty());
    }

    void liveChannelIsNotTakenOver()
    {
        Listener first, second;
        platform::MessageWindow a(&first), b(&second);
        a.setTitle("Vandrel Client");
        b.setTitle("Vandrel Client");
        QVERIFY(a.isListening());
        QVERIFY(!b.isListening());
        QVERIFY(platform::postToWindow("TApplication", "Vandrel Client", 5735, 0, 0));
        QTRY_COMPARE(first.received.size(), 1);
        QVERIFY(second.received.isEmpty());
    }

    void staleSocketIsReplaced()
    {
        const QString name = platform::channelName("TApplication", "Vandrel Client");
        {
            QFile stale(name);
            QVERIFY(stale.open(QIODevice::WriteOnly));
        }
        Listener running;
        platform::MessageWindow w(&running);
        w.setTitle("Vandrel Client");
        QVERIFY(w.isListening());
    }

    // The real program started with "restart" asks the running instance to close.
    void realStartSendsTheHandshake_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<qintptr>("wParam");
        QTest::newRow("restart") << QStringList{"restart"} << qintptr(99);
        QTest::newRow("//restart/") << QStringList{"//restart/"} << qintptr(99);
        QTest::newRow("Restart") << QStringList{"Restart"} << qintptr(0);
        QTest::newRow("no argument") << QStringList{} << qintptr(0);
        // clang-format on
    }
    void realStartSendsTheHandshake()
    {
        QFETCH(QStringList, arguments);
        QFETCH(qintptr, wParam);
        const QString binary = qEnvironmentVariable("ZENSOMAT_BINARY");
        if (binary.isEmpty() || !QFile::exists(binary))
            QSKIP("the program binary is not built");
        Listener running;
        platform::MessageWindow runningWindow(&running);
        runningWindow.setTitle("Vandrel Client");
        QProcess process;
        process.start(binary, arguments);
        QVERIFY(process.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(running.received.size(), 1, 15000);
        QCOMPARE(running.received[0].second, wParam);
        process.kill();
        process.waitForFinished();
    }

    // The receiving side: a running main menu under "Vandrel Client" closes on
    // 5735 with 99, posted from here or sent by the real program started with "/restart".
    void runningMenuCloses_data()
    {
        // clang-format off
        QTest::addColumn<bool>("realProgram");
        QTest::newRow("posted here") << false;
        QTest::newRow("real program started with /restart") << true;
        // clang-format on
    }
    void runningMenuCloses()
    {
        QFETCH(bool, realProgram);
        const QString binary = qEnvironmentVariable("ZENSOMAT_BINARY");
        if (realProgram && (binary.isEmpty() || !QFile::exists(binary)))
            QSKIP("the program binary is not built");
        test::Program program;
        program.start();
        TForm1 *menu = app::forms().form1;
        menu->show();
        QSignalSpy closed(menu, &TForm1::closed);
        platform::MessageWindow runningWindow(qApp);
        runningWindow.setTitle("Vandrel Client");
        QProcess process;
        if (realProgram) {
            process.start(binary, {"/restart"});
            QVERIFY(process.waitForStarted());
        } else {
            QVERIFY(platform::postToWindow("TApplication", "Vandrel Client", 5735, 99, 0));
        }
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 15000);
        QVERIFY(!menu->isVisible());
        if (realProgram) {
            process.kill();
            process.waitForFinished();
        }
        program.stop();
    }
};

ZM_TEST_MAIN_GUI(TestHandshake)
#include "tst_handshake.moc"
