// Saving every kind of file on a really full file system: the data folder is
// a tiny tmpfs, filled up (or nearly) before the save. The mount lives in a mount namespace of
// this test process alone, so it never shows outside and dies with the
// process even when the test crashes; it is unmounted at the end all the same.

#include "app/forms.h"
#include "common/errorreport.h"
#include "common/windowprint.h"
#include "transcript/transcriptwindow.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>
#include <cstring>

#if defined(Q_OS_LINUX)
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

using namespace zm;

namespace {

// Why the tmpfs cannot be used; empty when it can.
QString mountFailure = QStringLiteral("tmpfs mounts need Linux");

QString errnoText(const char *what)
{
    return QStringLiteral("%1 failed: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

// Before any thread exists: a mount namespace of our own whose mounts do not
// propagate back to the system's.
void enterPrivateMountNamespace()
{
#if defined(Q_OS_LINUX)
    if (geteuid() != 0) {
        mountFailure = QStringLiteral("mounting a tmpfs needs root");
        return;
    }
    if (unshare(CLONE_NEWNS) != 0) {
        mountFailure = errnoText("unshare(CLONE_NEWNS)");
        return;
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        mountFailure = errnoText("making / private");
        return;
    }
    mountFailure.clear();
#endif
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

    test::Program program;
    QString folder = qEnvironmentVariable("HOME") + QStringLiteral("/Zensomat");
    bool mounted = false;

    // Writes blocks until the file system refuses, then gives `keepFree`
    // bytes back; with none, not one page is free.
    void fillUp(qint64 keepFree = 0) const
    {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        QCOMPARE(filler.error(), QFileDevice::ResourceError);
        filler.close();
        if (keepFree > 0)
            QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - keepFree)));
    }

    static QByteArray stripPdf()
    {
        QTemporaryDir elsewhere;
        const QString path = elsewhere.filePath(QStringLiteral("probe.pdf"));
        print::saveWindowImageAsPdf(app::window(QStringLiteral("Form3")), print::PrintScale::Proportional, path);
        return readAll(path);
    }

private slots:
    void initTestCase()
    {
        if (!mountFailure.isEmpty())
            QSKIP(qPrintable(mountFailure));
        QVERIFY(QDir().mkpath(folder));
#if defined(Q_OS_LINUX)
        if (mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=512k,mode=0700") != 0)
            QSKIP(qPrintable(errnoText("mounting a tmpfs")));
        mounted = true;
#endif
    }
    void cleanupTestCase()
    {
        program.stop();
#if defined(Q_OS_LINUX)
        if (mounted && umount2(folder.toLocal8Bit().constData(), MNT_DETACH) != 0)
            qWarning("%s", qPrintable(errnoText("unmounting the tmpfs")));
#endif
    }
    void cleanup()
    {
        program.stop();
        for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(folder + QLatin1Char('/') + entry);
    }

    // Every kind of file the program writes: the save reports the full disk
    // in German, the teacher's old file stays byte for byte, no temporary
    // file is left beside it, and the window stays open as it was.
    void saveOnAFullDiskKeepsTheOldFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("someSpaceLeft");
        QTest::addColumn<QString>("message");
        QTest::newRow("own values, eight-band") << "Form2"  << "ue8b.ini"   << false << "E/A-Fehler 112\n";
        QTest::newRow("own thresholds")         << "Form16" << "ewert.ini"  << false << "E/A-Fehler 112\n";
        QTest::newRow("transcript")             << "html"   << "liste.doc"  << false << "Die Mitschrift wurde nicht gespeichert:\n";
        QTest::newRow("transcript, .docx")      << "html"   << "liste.docx" << false << "Die Mitschrift wurde nicht gespeichert:\n";
        QTest::newRow("transcript, .odt")       << "html"   << "liste.odt"  << false << "Die Mitschrift wurde nicht gespeichert:\n";
        QTest::newRow("csv")                    << "csv"    << "liste.csv"  << false << "Die CSV-Datei wurde nicht gespeichert:\n";
        QTest::newRow("pdf, full")              << "pdf"    << "tabelle.pdf" << false << "Die PDF-Datei wurde nicht gespeichert:\n";
        QTest::newRow("pdf, half its size free") << "pdf"   << "tabelle.pdf" << true << "Die PDF-Datei wurde nicht gespeichert:\n";
        // clang-format on
    }
    void saveOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(bool, someSpaceLeft);
        QFETCH(QString, message);
        const QString path = folder + QLatin1Char('/') + file;
        const QByteArray old = QByteArray("1,5\r\n").repeated(15);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(old), old.size());
        }

        program.start();
        QWidget *w = nullptr;
        std::function<void()> save;
        if (kind == QLatin1String("Form2") || kind == QLatin1String("Form16")) {
            const bool eightBand = kind == QLatin1String("Form2");
            w = app::window(kind);
            QVERIFY(w);
            w->show();
            if (eightBand)
                test::Program::control<QRadioButton>(kind, QStringLiteral("RadioButton3"))->click();
            auto *edit = test::Program::control<QLineEdit>(kind, eightBand ? QStringLiteral("ue3proz")
                                                                           : QStringLiteral("Edit3"));
            QVERIFY(edit);
            edit->setText(QStringLiteral("12,5"));
            auto *button = test::Program::control<QPushButton>(kind, eightBand ? QStringLiteral("Button2")
                                                                               : QStringLiteral("Button1"));
            save = [button] { button->click(); };
        } else if (kind == QLatin1String("pdf")) {
            w = app::window(QStringLiteral("Form3"));
            w->show();
            save = [w, path] {
                // What "Als PDF speichern…" does once the file is chosen.
                try {
                    print::saveWindowImageAsPdf(w, print::PrintScale::Proportional, path);
                } catch (const Error &error) {
                    ui::reportError(error.text());
                }
            };
        } else {
            w = app::forms().form17;
            w->show();
            program.fileAnswer = path;
            auto *button = w->findChild<QPushButton *>(kind == QLatin1String("csv") ? QStringLiteral("ButtonCsv")
                                                                                    : QStringLiteral("Button3"));
            save = [button] { button->click(); };
        }
        const QString title = w->windowTitle();
        fillUp(someSpaceLeft ? stripPdf().size() / 2 : 0);
        if (QTest::currentTestFailed())
            return;

        program.recorder.boxes.clear();
        save();

        QCOMPARE(program.recorder.criticalCount(), 1);
        const QString shown = program.recorder.texts().last();
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("Der Datenträger ist voll.")), qPrintable(shown));
        QVERIFY2(shown.contains(file), qPrintable(shown));
        QCOMPARE(readAll(path), old);
        QStringList expected{file, QStringLiteral("filler")};
        expected.sort();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), expected);
        QCOMPARE(w->windowTitle(), title);
        QVERIFY(w->isVisible());
    }
};

int main(int argc, char *argv[])
{
    zm::test::isolateHome();
    enterPrivateMountNamespace();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zensomat"));
    TestFullDisk tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_fulldisk.moc"
