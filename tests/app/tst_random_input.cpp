// Random input across every window the program creates: clicks, typing of
// numbers and junk, keys, slider moves, cell clicks and drags, closing
// windows. Windows and their controls are found at run time, so windows
// added later take part without a change here.
//
// The run is seeded: ZENSOMAT_RANDOM_SEED=<n> replays another run,
// ZENSOMAT_RANDOM_LOG=1 prints every action. It fails on a crash, on a
// sanitizer report (the sanitized run aborts), on a hang (QtTest's function
// timeout, set low for this test, aborts with a stack trace) and on an
// exception that is not one of the program's own errors reaching the error
// report.
//
// Message boxes are answered by the box recorder, printing goes to a PDF
// file, relaunching is recorded; a closed main menu or a relaunch starts the
// program's windows afresh, as the real program would start again.

#include "app/forms.h"
#include "common/controls.h"
#include "common/windowprint.h"

#include "scales/scalestest.h"
#include "support/gui.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>

using namespace zm;

namespace {

constexpr int Actions = 2000;
constexpr quint32 DefaultSeed = 7;

// clang-format off
const QStringList Tokens = {
    "20", "0", "100", "-5", "12,5", "84,5", "0,43", "1e3", "1E-4", "99999999999", "1e400", ",", "-", "e",
    "abc", " ", "  7 ", "ä€", "1,2,3", "12.5", "%", "NaN", "0,00005", "2147483648", "'",
};
const QList<Qt::Key> Keys = {
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
    Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_F1,
};
// clang-format on

// The program's own errors carry German texts; "std::…", "vector::…" or an
// unknown exception mean that something no handler expected got through.
bool isForeignError(const QString &text)
{
    static const QRegularExpression foreign(QStringLiteral("::|^std|bad_alloc|^Unbekannter Fehler"));
    return foreign.match(text).hasMatch();
}

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

} // namespace

class TestRandomInput : public QObject
{
    Q_OBJECT

    test::Program program;
    QTemporaryDir printouts;
    QRandomGenerator random;
    bool verbose = false;
    QStringList foreignErrors;
    QSet<QString> windowsSeen;
    int restarts = 0;
    int prints = 0;
    int reports = 0;

    int below(int n) { return static_cast<int>(random.bounded(n)); }
    template <class T> T pick(const QList<T> &items) { return items.at(below(static_cast<int>(items.size()))); }

    QString token()
    {
        if (below(3) == 0)
            return QString::number(random.bounded(1000000000u)).left(1 + below(10));
        return pick(Tokens);
    }

    void starting(const QString &action)
    {
        if (verbose) // past QtTest's limit on logged messages
            std::fprintf(stderr, "%s\n", qPrintable(action));
    }

    void startProgram()
    {
        program.start();
        zm::ui::showInFront(app::window(QStringLiteral("Form1")));
    }

    // Every window of the program, those built when first opened included,
    // in the order they were made, so that a seed always replays the same
    // run (Qt's list of top-level widgets has no fixed order).
    static QList<QWidget *> programWindows(bool visibleOnly)
    {
        QList<QWidget *> out;
        for (QWidget *w : app::allWindows()) {
            if (!visibleOnly || w->isVisible())
                out << w;
        }
        return out;
    }

    // What a user can reach in the window: visible, enabled controls.
    static QList<QWidget *> controlsOf(QWidget *window)
    {
        QList<QWidget *> out;
        for (QWidget *c : window->findChildren<QWidget *>()) {
            if (!c->isVisible() || !c->isEnabled())
                continue;
            if (qobject_cast<QLineEdit *>(c) || qobject_cast<QAbstractButton *>(c) ||
                qobject_cast<QAbstractSlider *>(c) || qobject_cast<QAbstractItemView *>(c) ||
                qobject_cast<QTextEdit *>(c) || qobject_cast<QComboBox *>(c) || qobject_cast<QAbstractSpinBox *>(c))
                out << c;
        }
        return out;
    }

    void typeInto(QWidget *target)
    {
        switch (below(4)) {
        case 0: {
            const Qt::Key key = pick(Keys);
            starting(QStringLiteral("key %1 into %2").arg(key).arg(nameOf(target)));
            QTest::keyClick(target, key);
            break;
        }
        case 1: {
            const QString text = token();
            starting(QStringLiteral("paste \"%1\" into %2").arg(text, nameOf(target)));
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        default: {
            const QString text = token();
            starting(QStringLiteral("type \"%1\" into %2").arg(text, nameOf(target)));
            for (const QChar ch : text) {
                // QTest maps only ASCII characters to keys.
                if (ch.unicode() < 0x80)
                    QTest::keyClick(target, ch.toLatin1());
                else
                    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
        }
    }

    void clickButton(QAbstractButton *button)
    {
        starting(QStringLiteral("click %1").arg(nameOf(button)));
        // Check boxes and radio buttons take the click on their indicator.
        const bool indicator = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
        const QPoint at =
            indicator ? QPoint(qMin(6, button->width() - 1), button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }

    void useItemView(QAbstractItemView *view)
    {
        const QAbstractItemModel *model = view->model();
        if (!model || model->rowCount() == 0 || model->columnCount() == 0)
            return clickAnywhere(view);
        const QRect cell = view->visualRect(model->index(below(model->rowCount()), below(model->columnCount())));
        if (cell.isEmpty())
            return clickAnywhere(view);
        QWidget *viewport = view->viewport();
        switch (below(4)) {
        case 0: {
            starting(QStringLiteral("double click into %1").arg(nameOf(view)));
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, cell.center());
            break;
        }
        case 1: {
            // From a cell's right or bottom border: the grid lines can be dragged.
            const QPoint from =
                below(2) ? QPoint(cell.right(), cell.center().y()) : QPoint(cell.center().x(), cell.bottom());
            const QPoint to = from + QPoint(below(41) - 20, below(41) - 20);
            starting(QStringLiteral("drag in %1").arg(nameOf(view)));
            QTest::mousePress(viewport, Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(viewport, &move);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
            break;
        }
        default:
            starting(QStringLiteral("click into %1").arg(nameOf(view)));
            QTest::mouseClick(viewport, Qt::LeftButton, {}, cell.center());
        }
    }

    void clickAnywhere(QWidget *target)
    {
        const QPoint at(below(qMax(1, target->width())), below(qMax(1, target->height())));
        starting(QStringLiteral("click %1 at %2,%3").arg(nameOf(target)).arg(at.x()).arg(at.y()));
        QWidget *receiver = target;
        if (auto *area = qobject_cast<QAbstractScrollArea *>(target))
            receiver = area->viewport();
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->rect().contains(at) ? at : QPoint(0, 0));
    }

    void useControl(QWidget *control)
    {
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return clickButton(button);
        if (auto *view = qobject_cast<QAbstractItemView *>(control))
            return useItemView(view);
        if (below(3) == 0)
            return clickAnywhere(control);
        typeInto(control);
    }

    // One action of a user: mostly in the active window, sometimes elsewhere.
    void act()
    {
        QWidget *menu = app::window(QStringLiteral("Form1"));
        const QList<QWidget *> shown = programWindows(true);
        const int dice = below(100);
        if (dice < 3 || shown.isEmpty()) {
            starting(QStringLiteral("main menu to the front"));
            zm::ui::showInFront(menu);
            return;
        }
        QWidget *active = QApplication::activeWindow();
        QWidget *window = active && shown.contains(active) && below(4) != 0 ? active : pick(shown);
        windowsSeen.insert(window->objectName());
        if (dice < 6) {
            starting(QStringLiteral("close %1").arg(nameOf(window)));
            window->close();
            return;
        }
        if (window != active) {
            window->raise();
            window->activateWindow();
            QCoreApplication::processEvents();
        }
        QWidget *focus = window->focusWidget();
        if (dice < 20 && focus && focus->isVisible())
            return typeInto(focus);
        const QList<QWidget *> controls = controlsOf(window);
        if (controls.isEmpty())
            return typeInto(window);
        useControl(pick(controls));
    }

    // Boxes shown since the last look: count the error reports, keep the
    // ones that are not the program's own errors.
    void collectReports()
    {
        for (const zm::ui::ShownBox &box : program.recorder.boxes) {
            if (box.kind != zm::ui::BoxKind::Critical)
                continue;
            ++reports;
            if (verbose)
                std::fprintf(stderr, "error report: %s\n", qPrintable(box.text));
            if (isForeignError(box.text))
                foreignErrors << box.text;
        }
        program.recorder.boxes.clear();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(printouts.isValid());
        zm::print::setPrinterProvider([this] {
            ++prints;
            return test::pdfPrinter(printouts.filePath(QStringLiteral("printout.pdf")));
        });
        // File dialogs are cancelled by the Program fixture's hook.
    }
    void cleanupTestCase()
    {
        program.stop();
        zm::print::setPrinterProvider(nullptr);
    }

    void randomInputAcrossEveryWindow()
    {
        const quint32 seed = qEnvironmentVariableIsSet("ZENSOMAT_RANDOM_SEED")
                                 ? static_cast<quint32>(qEnvironmentVariableIntValue("ZENSOMAT_RANDOM_SEED"))
                                 : DefaultSeed;
        random.seed(seed);
        verbose = qEnvironmentVariableIntValue("ZENSOMAT_RANDOM_LOG") != 0;
        startProgram();
        const int windowCount = static_cast<int>(programWindows(false).size());
        for (int i = 0; i < Actions; ++i) {
            act();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            collectReports();
            // Closing the main menu ends the program; restoring defaults starts it again.
            const QWidget *menu = app::window(QStringLiteral("Form1"));
            if (!program.relaunches.isEmpty() || !menu || !menu->isVisible()) {
                starting(QStringLiteral("start again"));
                program.stop();
                startProgram();
                ++restarts;
            }
        }
        qInfo("seed %u: %d actions over %lld windows (%d made at start), %d restarts, %d printouts, %d error reports",
              seed, Actions, static_cast<long long>(windowsSeen.size()), windowCount, restarts, prints, reports);
        QVERIFY2(foreignErrors.isEmpty(), qPrintable(foreignErrors.join(QStringLiteral(" | "))));
        QVERIFY(windowsSeen.size() > 1);
    }
};

ZM_SCALES_TEST_MAIN(TestRandomInput)
#include "tst_random_input.moc"
