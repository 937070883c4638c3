#include "app/forms.h"
#include "app/mainmenu.h"
#include "platform/handshake.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <unistd.h>

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

    // A message is one short line: a client that never ends its line, or
    // sends a line longer than a message, is cut off without anything being
    // posted, and a proper message after it still arrives.
    void overlongMessageIsDropped_data()
    {
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("no line end") << QByteArray(1 << 20, '5');
        QTest::newRow("message padded to a long line") << QByteArray("5735 99 0") + QByteArray(100, ' ') + '\n';
    }
    void overlongMessageIsDropped()
    {
        QFETCH(QByteArray, junk);
        Listener running;
        platform::MessageWindow w(&running);
        w.setTitle("Vandrel Client");
        QLocalSocket client;
        client.connectToServer(platform::channelName("TApplication", "Vandrel Client"));
        QVERIFY(client.waitForConnected(1000));
        client.write(junk);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 10000);
        QVERIFY(running.received.isEmpty());
        QVERIFY(platform::postToWindow("TApplication", "Vandrel Client", 5735, 99, 0));
        QTRY_COMPARE(running.received.size(), 1);
    }

    // Qt's server closes itself for good when accepting a connection fails
    // (too many open files): the channel opens again by itself.
    void channelReopensAfterTheServerStops()
    {
        Listener running;
        platform::MessageWindow w(&running);
        w.setTitle("Vandrel Client");
        auto *server = w.findChild<QLocalServer *>();
        QVERIFY(server);
        server->close();
        QVERIFY(!w.isListening());
        QTRY_VERIFY_WITH_TIMEOUT(w.isListening(), 5000);
        QVERIFY(platform::postToWindow("TApplication", "Vandrel Client", 5735, 0, 0));
        QTRY_COMPARE(running.received.size(), 1);
    }

    // Without XDG_RUNTIME_DIR the channel lies in a folder of the user's own,
    // created owner-only, never in the shared temporary folder itself; a
    // runtime folder that others may enter is not used at all.
    void channelFolderIsPrivate()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);
        });
        QTemporaryDir shared;
        QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777)); // open to everybody, like /tmp
        qputenv("TMPDIR", shared.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");

        const QString name = platform::channelName("TApplication", "Vandrel Client");
        QVERIFY(!name.isEmpty());
        const QFileInfo folder(QFileInfo(name).absolutePath());
        QCOMPARE(folder.absolutePath(), QFileInfo(shared.path()).absoluteFilePath());
        QCOMPARE(folder.ownerId(), uint(geteuid()));
        QCOMPARE(folder.permissions() & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());
        {
            Listener running;
            platform::MessageWindow w(&running);
            w.setTitle("Vandrel Client");
            QVERIFY(w.isListening());
            QVERIFY(platform::postToWindow("TApplication", "Vandrel Client", 5735, 0, 0));
            QTRY_COMPARE(running.received.size(), 1);
        }

        const auto refused = [&](const QString &openFolder) {
            QFile::setPermissions(openFolder, QFileDevice::Permissions(0x7755));
            Listener running;
            platform::MessageWindow w(&running);
            w.setTitle("Vandrel Client");
            return platform::channelName("TApplication", "Vandrel Client").isEmpty() && !w.isListening() &&
                   !platform::postToWindow("TApplication", "Vandrel Client", 5735, 0, 0);
        };
        QVERIFY(refused(folder.absoluteFilePath()));
        QVERIFY(QDir(shared.path()).mkdir("xdg"));
        qputenv("XDG_RUNTIME_DIR", shared.filePath("xdg").toLocal8Bit());
        QVERIFY(refused(shared.filePath("xdg")));
        // Nothing was ever placed in the shared folder itself.
        QStringList expected{"xdg", folder.fileName()};
        expected.sort();
        QCOMPARE(QDir(shared.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 expected);
    }

    // Connections held open without a word, more than the running program
    // may have open files: it still answers a new instance.
    void heldConnectionsDoNotSilenceTheProgram()
    {
        const QString binary = qEnvironmentVariable("ZENSOMAT_BINARY");
        if (binary.isEmpty() || !QFile::exists(binary))
            QSKIP("the program binary is not built");
        QProcess process;
        process.start("/bin/sh", {"-c", "ulimit -n 256 && exec \"$0\"", binary});
        QVERIFY(process.waitForStarted());
        const QString name = platform::channelName("TApplication", "Zensomat");
        QTRY_VERIFY_WITH_TIMEOUT(platform::postToWindow("TApplication", "Zensomat", 5735, 0, 0, 100), 30000);
        std::vector<std::unique_ptr<QLocalSocket>> held;
        for (int i = 0; i < 300; ++i) {
            held.push_back(std::make_unique<QLocalSocket>());
            held.back()->connectToServer(name);
            held.back()->waitForConnected(1000);
        }
        QTest::qWait(500);
        const bool reached = platform::postToWindow("TApplication", "Zensomat", 5735, 99, 0);
        const bool closed = process.waitForFinished(30000);
        if (!closed) {
            process.kill();
            process.waitForFinished();
        }
        QVERIFY(reached);
        QVERIFY(closed);
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
