// Saving own values on a really full file system: the data folder is a tiny
// tmpfs, filled up before the save. The mount lives in a mount namespace of
// this test process alone, so it never shows outside and dies with the
// process even when the test crashes; it is unmounted at the end all the same.

#include "app/forms.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cerrno>
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

    // Writes blocks until the file system refuses: afterwards not one page is free.
    void fillUp() const
    {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        QCOMPARE(filler.error(), QFileDevice::ResourceError);
    }

private slots:
    void initTestCase()
    {
        if (!mountFailure.isEmpty())
            QSKIP(qPrintable(mountFailure));
        QVERIFY(QDir().mkpath(folder));
#if defined(Q_OS_LINUX)
        if (mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
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

    // The save reports the disk-full error, and the teacher's old file stays
    // byte for byte, with no half-written copy beside it; the window keeps
    // its title and stays open.
    void saveOnAFullDiskKeepsTheOldFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("saveButton");
        QTest::addColumn<QString>("file");
        QTest::newRow("eight-band ** + ***") << "Form2"  << "RadioButton3" << "ue3proz" << "Button2" << "ue8b.ini";
        QTest::newRow("own thresholds")      << "Form16" << ""             << "Edit3"   << "Button1" << "ewert.ini";
        // clang-format on
    }
    void saveOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(QString, window);
        QFETCH(QString, level);
        QFETCH(QString, field);
        QFETCH(QString, saveButton);
        QFETCH(QString, file);
        const QString path = folder + QLatin1Char('/') + file;
        const QByteArray old = QByteArray("1,5\r\n").repeated(15);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(old), old.size());
        }

        program.start();
        QWidget *w = app::window(window);
        QVERIFY(w);
        w->show();
        if (!level.isEmpty())
            test::Program::control<QRadioButton>(window, level)->click();
        auto *edit = test::Program::control<QLineEdit>(window, field);
        QVERIFY(edit);
        edit->setText(QStringLiteral("12,5"));
        const QString title = w->windowTitle();
        fillUp();
        if (QTest::currentTestFailed())
            return;

        program.recorder.boxes.clear();
        test::Program::control<QPushButton>(window, saveButton)->click();

        QCOMPARE(program.recorder.criticalCount(), 1);
        QCOMPARE(program.recorder.texts().last(), QStringLiteral("E/A-Fehler 112."));
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
