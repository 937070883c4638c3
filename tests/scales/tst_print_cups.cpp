// The result strip printed through the system's default printer, for real:
// a private print server of our own (its own configuration folder, reached
// only through a socket in the test's folder) with one default queue that
// writes what it receives into a file. The program prints exactly as it does
// for the user; the test reads the file that arrived.

#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/windowprint.h"
#include "scales/eightbandcalculator.h"
#include "scales/eightbandtable.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace zm;

namespace {

const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString PdfFilter = QStringLiteral("/usr/lib/cups/filter/pdftopdf");
const QString Queue = QStringLiteral("zensomat-test");

// A queue that takes PDF and hands it to the file unchanged in format.
const char *const QueuePpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ZMTEST.PPD"
*Manufacturer: "Zensomat"
*Product: "(Test queue)"
*ModelName: "Zensomat test queue"
*ShortNickName: "Zensomat test queue"
*NickName: "Zensomat test queue"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)ppd";

class PrintServer
{
public:
    PrintServer()
    {
        // The queue's filters run as another user: they must reach the spool.
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                QFileDevice::ReadOther | QFileDevice::ExeOther);
    }
    ~PrintServer() { stop(); }

    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    QString output() const { return m_dir.filePath(QStringLiteral("out/job.pdf")); }
    QString failure() const { return m_failure; }

    // Writes the configuration and starts the server; false with a reason
    // in failure() when it does not come up.
    bool start()
    {
        const QDir dir(m_dir.path());
        for (const char *sub : {"conf/ppd", "conf/ssl", "spool", "cache", "state", "log", "out"})
            dir.mkpath(QString::fromLatin1(sub));
        const QString root = m_dir.path();
        write("conf/cupsd.conf", QStringLiteral("Listen %1\n"
                                                "LogLevel warn\n"
                                                "WebInterface No\n"
                                                "Browsing No\n"
                                                "DefaultAuthType None\n"
                                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                                "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                                "  </Limit>\n</Policy>\n")
                                     .arg(socket()));
        write("conf/cups-files.conf", QStringLiteral("FileDevice Yes\n"
                                                     "ServerRoot %1/conf\n"
                                                     "RequestRoot %1/spool\n"
                                                     "TempDir %1/spool\n"
                                                     "CacheDir %1/cache\n"
                                                     "StateDir %1/state\n"
                                                     "AccessLog %1/log/access_log\n"
                                                     "ErrorLog %1/log/error_log\n"
                                                     "PageLog %1/log/page_log\n"
                                                     "Printcap %1/state/printcap\n"
                                                     "DataDir /usr/share/cups\n"
                                                     "ServerBin /usr/lib/cups\n")
                                          .arg(root));
        write("conf/printers.conf", QStringLiteral("<DefaultPrinter %1>\n"
                                                   "Info Zensomat test queue\n"
                                                   "DeviceURI file://%2\n"
                                                   "State Idle\n"
                                                   "Accepting Yes\n"
                                                   "Shared No\n"
                                                   "</DefaultPrinter>\n")
                                        .arg(Queue, output()));
        write(QStringLiteral("conf/ppd/%1.ppd").arg(Queue), QString::fromLatin1(QueuePpd));

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(Cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), dir.filePath("conf/cupsd.conf"),
                              QStringLiteral("-s"), dir.filePath("conf/cups-files.conf")});
        if (!m_cupsd.waitForStarted(10000)) {
            m_failure = QStringLiteral("cupsd could not be started: ") + m_cupsd.errorString();
            return false;
        }
        for (int i = 0; i < 200; ++i) {
            if (m_cupsd.state() != QProcess::Running)
                break;
            QLocalSocket probe;
            probe.connectToServer(socket());
            if (probe.waitForConnected(100))
                return true;
            QTest::qWait(50);
        }
        m_failure = QStringLiteral("cupsd did not come up: ") + QString::fromLocal8Bit(m_cupsd.readAll()).trimmed() +
                    QLatin1Char(' ') + log().right(800);
        stop();
        return false;
    }

    // Ends the server by its process id.
    void stop()
    {
        if (m_cupsd.state() == QProcess::NotRunning)
            return;
        m_cupsd.terminate(); // SIGTERM to the server's pid
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }

    // Runs one of the print system's queue commands (cupsreject,
    // cupsaccept) on the test queue of this server; false when it fails.
    bool queueAdmin(const QString &command) const
    {
        const QString program =
            QStandardPaths::findExecutable(command, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (program.isEmpty())
            return false;
        QProcess admin;
        admin.start(program, {QStringLiteral("-h"), socket(), Queue});
        return admin.waitForFinished(20000) && admin.exitStatus() == QProcess::NormalExit && admin.exitCode() == 0;
    }

    QString log() const
    {
        QFile f(m_dir.filePath(QStringLiteral("log/error_log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

private:
    void write(const QString &relative, const QString &text) const
    {
        QFile f(m_dir.filePath(relative));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_failure;
};

PrintServer *server = nullptr;

} // namespace

class TestPrintCups : public QObject
{
    Q_OBJECT

    test::Program program;
    bool running = false;

private slots:
    void initTestCase()
    {
        if (!QFile::exists(Cupsd))
            QSKIP("cupsd is not installed (Debian package \"cups\"); the print server test cannot run");
        if (!QFile::exists(PdfFilter))
            QSKIP("the PDF filter of cups-filters is missing; the test queue cannot pass PDF on");
        running = server->start();
        if (!running)
            QSKIP(qPrintable(QStringLiteral("the private print server did not start: ") + server->failure()));
        if (!QPrinterInfo::availablePrinterNames().contains(Queue))
            QSKIP("Qt's CUPS print plugin (libcupsprintersupport) is not available: no printer is visible");
    }
    void cleanupTestCase()
    {
        program.stop();
        server->stop();
    }

    void stripPrintsOnTheDefaultPrinter()
    {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), Queue);
        program.start();
        TForm2 *calc = app::forms().form2;
        TForm3 *strip = app::forms().form3;
        calc->show();
        QTest::keyClicks(calc->Punktezahl, "20");
        QTest::mouseClick(calc->findChild<QPushButton *>("Button1"), Qt::LeftButton);
        QVERIFY(strip->isVisible());

        QTableWidget *grid = strip->StringGrid1;
        const QPoint cell = grid->visualItemRect(grid->item(1, 4)).center();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(program.recorder.criticalCount(), 0);
        QVERIFY(!strip->isVisible());

        QTRY_VERIFY2_WITH_TIMEOUT(test::pdfPageCount(server->output()) == 1, qPrintable(server->log().right(1500)),
                                  60000);
        // The strip's own background, a little inside its bottom right corner,
        // arrived where the screen shows it: the image starts at the page's corner.
        const QImage page = test::renderPdfPage(server->output(), strip->logicalDpiX());
        QVERIFY(!page.isNull());
        QVERIFY2(test::nearColour(page.pixelColor(300, 52), QColor(210, 227, 238)),
                 qPrintable(page.pixelColor(300, 52).name()));
        QCOMPARE(page.pixelColor(330, 80), QColor(Qt::white));
    }

    // The default queue refuses jobs: the job must not vanish. The error
    // report says so, and what was on screen stays, for the result strip and
    // for the index view of the essay window.
    void refusedJobIsReported_data()
    {
        // clang-format off
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("keptOpen");
        QTest::newRow("result strip") << "Form3"  << "StringGrid1";
        QTest::newRow("index view")   << "Form14" << "RichEdit1";
        // clang-format on
    }
    void refusedJobIsReported()
    {
        QFETCH(QString, window);
        QFETCH(QString, keptOpen);
        if (!server->queueAdmin(QStringLiteral("cupsreject")))
            QSKIP("cupsreject (Debian package \"cups-client\") could not make the queue refuse jobs");
        program.stop();
        program.start();
        if (window == QLatin1String("Form3")) {
            app::window("Form2")->show();
            QTest::keyClicks(test::Program::control("Form2", "Punktezahl"), "20");
            test::Program::control<QPushButton>("Form2", "Button1")->click();
            auto *grid = test::Program::control<QTableWidget>("Form3", "StringGrid1");
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 4)).center());
        } else {
            app::window("Form14")->show();
            test::Program::control<QPushButton>("Form14", "Button4")->click();
            test::Program::control<QPushButton>("Form14", "Button5")->click();
        }
        const bool accepted = server->queueAdmin(QStringLiteral("cupsaccept"));
        QCOMPARE(program.recorder.criticalCount(), 1);
        QCOMPARE(program.recorder.boxes.last().text,
                 QStringLiteral("Der Standarddrucker nimmt keine Druckaufträge an."));
        QVERIFY(app::window(window)->isVisible());
        QVERIFY(test::Program::control(window, keptOpen)->isVisible());
        QVERIFY(accepted);
    }
};

int main(int argc, char *argv[])
{
    zm::test::isolateHome();
    PrintServer printServer;
    server = &printServer;
    // libcups reads this once, on first use: it must be set before anything
    // asks for printers, and it points nowhere but at our own server.
    qputenv("CUPS_SERVER", printServer.socket().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zensomat"));
    TestPrintCups tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_print_cups.moc"
