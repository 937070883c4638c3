// Figures a teacher feels: how fast the program is ready, how fast a
// keystroke shows the minimum scores on screen, how fast a strip becomes a
// PDF file and how large that is, how much memory it holds, and how fast the
// number core is. Each figure is the median of several runs. The data
// folder lies in a temporary HOME; the clock measurement's half second is
// left out, as it is no work of the program's.

#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/filedialogs.h"
#include "classtest/classtestwindow.h"
#include "classtest/classtestwindows.h"
#include "common/messages.h"
#include "platform/handshake.h"
#include "platform/platform.h"
#include "scales/bandscale.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Milliseconds of each of `runs` calls.
std::vector<double> timed(int runs, const std::function<void()> &work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

void line(const char *figure, double value, const char *unit, const char *target)
{
    std::printf("%-44s %12.3f %-8s (target %s)\n", figure, value, unit, target);
    std::fflush(stdout);
}

// Shows the window and waits until the window system has it on screen.
void showAndWait(QWidget *w)
{
    w->show();
    QElapsedTimer timer;
    timer.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Resident memory in MB (Linux); -1 elsewhere.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &l : status.readAll().split('\n')) {
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void typeKey(QWidget *target, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// One start as main() does it, in a process of its own: application,
// restart handshake, every window, the main menu on screen. Prints the
// milliseconds since main() began.
int startOnce(QElapsedTimer &sinceMain, int argc, char *argv[])
{
    QApplication app(argc, argv);
    zm::platform::MessageWindow applicationWindow(&app);
    zm::platform::runRestartHandshake(applicationWindow, {});
    zm::ui::setApplicationTitle(QStringLiteral("Zensomat"));
    applicationWindow.setTitle(QStringLiteral("Zensomat"));
    zm::platform::setClockMeasurement([] { return 1200000000u; });
    zm::app::createAllWindows();
    showAndWait(zm::app::forms().form1);
    std::printf("%.3f\n", static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
    zm::app::destroyAllWindows();
    return 0;
}

void startUp(const QString &self)
{
    std::vector<double> ms;
    for (int i = 0; i < 9; ++i) {
        QProcess child;
        child.start(self, {QStringLiteral("--start-once")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::printf("start-up: the child run failed\n");
            return;
        }
        ms.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    line("start: main() to main menu, all windows made", median(ms), "ms", "< 150 ms");
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    void watch(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Sends a key and lets the event loop run until the field has repainted.
// The field is painted in the same pass as every label the key changed, and
// that pass ends with the window's backing store flushed to the window
// system; so the return marks the end of the repaint.
void typeAndRepaint(QWidget *field, const PaintCounter &fieldPaints, Qt::Key key, const QString &text)
{
    const int before = fieldPaints.count;
    typeKey(field, key, text);
    QElapsedTimer timer;
    timer.start();
    while (fieldPaints.count == before && timer.elapsed() < 1000)
        QCoreApplication::processEvents();
}

// A key in Punktezahl of "Ü-8 Noten": a digit appended, every band
// recomputed, and the window repainted; then taken back (not timed).
void keystroke()
{
    zm::app::createAllWindows();
    QWidget *calculator = zm::app::window(QStringLiteral("Form2"));
    showAndWait(calculator);
    auto *score = calculator->findChild<QLineEdit *>(QStringLiteral("Punktezahl"));
    // The blinking cursor would repaint the field on its own.
    QApplication::setCursorFlashTime(0);
    PaintCounter fieldPaints;
    fieldPaints.watch(score);
    PaintCounter minimumPaints;
    for (QLabel *label : calculator->findChildren<QLabel *>()) {
        if (label->objectName().endsWith(QLatin1String("bedarf")))
            minimumPaints.watch(label);
    }
    score->setFocus();
    typeAndRepaint(score, fieldPaints, Qt::Key_2, QStringLiteral("2"));
    constexpr int Runs = 200;
    std::vector<double> ms;
    const int fieldBefore = fieldPaints.count;
    const int minimumBefore = minimumPaints.count;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        typeAndRepaint(score, fieldPaints, Qt::Key_5, QStringLiteral("5"));
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        typeAndRepaint(score, fieldPaints, Qt::Key_Backspace, QString());
    }
    // Between "2" and "25" the upper bands' minimum scores differ, so each
    // key has to have repainted the field and some of the labels.
    if (fieldPaints.count - fieldBefore < 2 * Runs || minimumPaints.count - minimumBefore < 2 * Runs)
        std::printf("keystroke: the window was not repainted after every key\n");
    const QByteArray figure = "keystroke in Punktezahl, repainted (" + QGuiApplication::platformName().toLatin1() + ")";
    line(figure.constData(), median(ms), "ms", "< 1 ms");
    zm::app::destroyAllWindows();
}

// The strip of "Ü-8 Noten" saved through its right-click menu's "Als PDF
// speichern…", the file dialog answered with a file in the temporary home.
void stripAsPdf()
{
    zm::app::createAllWindows();
    QWidget *calculator = zm::app::window(QStringLiteral("Form2"));
    showAndWait(calculator);
    calculator->findChild<QLineEdit *>(QStringLiteral("Punktezahl"))->setText(QStringLiteral("20"));
    calculator->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QWidget *strip = zm::app::window(QStringLiteral("Form3"));
    showAndWait(strip);
    const QString path = QDir::home().filePath(QStringLiteral("strip.pdf"));
    zm::ui::setFileDialogHook([path](const zm::ui::FileRequest &) { return path; });
    auto *savePdf = strip->findChild<QAction *>(QStringLiteral("ActionPdf"));
    // The first run writes a new file, every later one replaces it.
    QFile::remove(path);
    const std::vector<double> ms = timed(15, [&] { savePdf->trigger(); });
    zm::ui::setFileDialogHook({});
    const qint64 bytes = QFileInfo(path).size();
    if (bytes <= 0) {
        std::printf("strip as PDF: no file was written\n");
    } else {
        line("strip TForm3 saved as PDF file", median(ms), "ms", "-");
        line("  its PDF file size", static_cast<double>(bytes) / 1024.0, "KB", "-");
    }
    zm::app::destroyAllWindows();
}

template <class T = QWidget> T *control(const char *window, const char *name)
{
    return zm::app::window(QString::fromLatin1(window))->findChild<T *>(QString::fromLatin1(name));
}

// "Endnote berechnen" with language points, expression and two parts, then
// the name window's "fertig": the student's row is in the transcript.
void finalGrade()
{
    zm::app::createAllWindows();
    showAndWait(zm::app::window(QStringLiteral("Form14")));
    control<QCheckBox>("Form14", "CheckBox1")->setChecked(true);
    control<QLineEdit>("Form14", "Edit4")->setText(QStringLiteral("8"));
    control<QLineEdit>("Form14", "Edit17")->setText(QStringLiteral("10"));
    control<QLineEdit>("Form14", "Edit12")->setText(QStringLiteral("12"));
    control<QLineEdit>("Form14", "Edit13")->setText(QStringLiteral("9"));
    auto *grade = control<QPushButton>("Form14", "Button3");
    auto *name = control<QLineEdit>("Form18", "Edit1");
    auto *done = control<QPushButton>("Form18", "Button1");
    auto *transcript = zm::app::window(QStringLiteral("Form17"));
    std::vector<double> ms;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer timer;
        timer.start();
        grade->click();
        name->setText(QStringLiteral("Schüler %1").arg(i + 1));
        done->click();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    QAbstractItemModel *rows = transcript->findChild<QAbstractItemView *>(QStringLiteral("StringGrid1"))->model();
    if (rows->index(29, 0).data().toString().isEmpty())
        std::printf("final grade: the rows did not reach the transcript\n");
    line("final grade with a transcript row", median(ms), "ms", "-");
    zm::app::destroyAllWindows();
}

// A class test of 500 students, stored in the data folder's database: the
// window the three-band strip opens for 40 points.
zm::classtest::ClassTestWindow *classTestOf500()
{
    zm::app::createAllWindows();
    control<QLineEdit>("Form8", "Punktezahl")->setText(QStringLiteral("40"));
    zm::app::window(QStringLiteral("Form9"))->findChild<QAction *>(QStringLiteral("ActionKlassenarbeit"))->trigger();
    auto *w = qobject_cast<zm::classtest::ClassTestWindow *>(zm::app::window(QStringLiteral("Klassenarbeit")));
    showAndWait(w);
    for (int row = 0; row < 500; ++row) {
        w->Ergebnisse->item(row, 0)->setText(QStringLiteral("Schüler %1").arg(row + 1));
        w->Ergebnisse->item(row, 1)->setText(QString::number(row % 41));
    }
    return w;
}

// One points cell changed: its grade, the distribution, the average and the
// chart follow, the cell is stored, and the window is painted again.
void classTestChange()
{
    zm::classtest::ClassTestWindow *w = classTestOf500();
    QTableWidgetItem *points = w->Ergebnisse->item(250, 1);
    int n = 0;
    const std::vector<double> ms = timed(50, [&] {
        points->setText(QString::number(++n % 41));
        QCoreApplication::processEvents();
    });
    if (w->Notenspiegel->item(0, 0)->text().isEmpty())
        std::printf("class test: the distribution was not shown\n");
    line("class test of 500: one points change", median(ms), "ms", "< 5 ms");
    zm::app::destroyAllWindows();
}

// A stored test of 500 students read back and shown.
void classTestOpen()
{
    const qint64 id = classTestOf500()->test().id;
    const std::vector<double> ms = timed(15, [&] {
        zm::classtest::openStored(id);
        QCoreApplication::processEvents();
    });
    line("class test of 500: opening it stored", median(ms), "ms", "< 100 ms");
    zm::app::destroyAllWindows();
}

void memory()
{
    zm::app::createAllWindows();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName().startsWith(QLatin1String("Form"))) {
            showAndWait(w);
            w->hide();
        }
    }
    QCoreApplication::processEvents();
    line("resident memory, every window shown once", residentMegabytes(), "MB", "< 60 MB");
    zm::app::destroyAllWindows();
}

void numberCore()
{
    constexpr int Evaluations = 2'000'000;
    std::vector<zm::Fixed> maxima;
    for (int i = 1; i <= 1000; ++i)
        maxima.push_back(zm::Fixed::fromRaw(i * 1234));
    std::int64_t sink = 0;
    const std::vector<double> ms = timed(7, [&] {
        for (int i = 0; i < Evaluations; ++i) {
            const zm::Fixed m = maxima[static_cast<std::size_t>(i % 1000)];
            sink += zm::scales::minimumScore(zm::scales::strictnessFactor(i % 11), m, zm::Fixed::fromInt(i % 100),
                                             zm::scales::MinScoreWholePoints)
                        .raw();
        }
    });
    const double perSecond = Evaluations / (median(ms) / 1000.0);
    line("number core: minimum scores per second", perSecond / 1e6, "million", "> 10 million");
    if (sink == 42)
        std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 1 && qstrcmp(argv[1], "--start-once") == 0)
        return startOnce(sinceMain, argc, argv);

    // A home of its own, so that no real data folder or channel is touched;
    // the child runs inherit it.
    QTemporaryDir home;
    const QByteArray path = home.path().toLocal8Bit();
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_RUNTIME_DIR", path + "/.runtime");
    QDir(home.path()).mkpath(QStringLiteral(".runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/.runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes ("does not support raise()") would
    // break up the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zensomat"));
    zm::ui::setApplicationTitle(QStringLiteral("Zensomat"));
    zm::ui::setMessageHook([](const zm::ui::ShownBox &) {});
    zm::platform::setClockMeasurement([] { return 1200000000u; });
    zm::platform::setRelaunchHook([](const QString &, const QStringList &) {});

    // "--keystroke": only the keystroke figure (bench.sh runs it once more on X11).
    if (argc > 1 && qstrcmp(argv[1], "--keystroke") == 0) {
        keystroke();
        return 0;
    }
    startUp(QCoreApplication::applicationFilePath());
    keystroke();
    finalGrade();
    stripAsPdf();
    classTestChange();
    classTestOpen();
    memory();
    numberCore();
    return 0;
}
