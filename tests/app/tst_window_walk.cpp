// Walks every window the program creates (the window registry's list, so a
// window added later joins without a change here):
// - every single-line text fits its control: labels, buttons, radio buttons
//   and check boxes beside their indicator, group box titles, grid heads.
//   CTest runs this at the screen scales 100 %, 150 % and 200 %.
// - every control a teacher reads or uses has an accessible name, and grids
//   expose their cells to screen readers;
// - the keyboard reaches every input control: the Tab key, the arrow keys
//   within a group of radio buttons, and F6 / Shift+F6 for what Tab skips.

#include "app/forms.h"
#include "classtest/classtestwindows.h"
#include "common/cellpainter.h"
#include "common/textfit.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <utility>

using namespace zm;

namespace {

using Findings = QList<std::pair<const QWidget *, QString>>;

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString where(const QWidget *window, const QWidget *control)
{
    return QStringLiteral("%1 (\"%2\") / %3").arg(window->objectName(), window->windowTitle(), nameOf(control));
}

QString overflow(const QString &text, int need, int room)
{
    return QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(need).arg(room);
}

// The shown header sections of a grid.
QStringList headerOverflows(const QHeaderView *header)
{
    QStringList out;
    const QAbstractItemModel *model = header->model();
    if (!model || header->isHidden())
        return out;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        const QString text = model->headerData(section, header->orientation()).toString();
        // A row head runs across the header, a column head along its section.
        const int across = header->orientation() == Qt::Vertical ? header->width() : header->sectionSize(section);
        const int room = across - 2 * margin;
        const int need = ui::textWidth(header->fontMetrics(), text);
        if (!header->isSectionHidden(section) && need > room)
            out << QStringLiteral("head %1 ").arg(section) + overflow(text, need, room);
    }
    return out;
}

// The head row and head column of a grid without headers, or its headers.
QStringList gridOverflows(const QTableView *grid)
{
    QStringList out = headerOverflows(grid->horizontalHeader()) + headerOverflows(grid->verticalHeader());
    const QAbstractItemModel *model = grid->model();
    QModelIndexList heads;
    for (int column = 0; model && grid->horizontalHeader()->isHidden() && column < model->columnCount(); ++column)
        heads << model->index(0, column);
    for (int row = 1; model && grid->verticalHeader()->isHidden() && row < model->rowCount(); ++row)
        heads << model->index(row, 0);
    for (const QModelIndex &index : heads) {
        const QString text = index.data().toString();
        if (text.isEmpty() || grid->visualRect(index).isEmpty())
            continue;
        const QVariant font = index.data(Qt::FontRole);
        const int need = ui::textWidth(QFontMetrics(font.isValid() ? font.value<QFont>() : grid->font()), text);
        const int room = ui::cellTextRoom(grid, index);
        if (need > room)
            out << QStringLiteral("cell %1,%2 ").arg(index.column()).arg(index.row()) + overflow(text, need, room);
    }
    return out;
}

bool isInputControl(const QWidget *c)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(c))
        return !edit->isReadOnly();
    return qobject_cast<const QAbstractButton *>(c) || qobject_cast<const QAbstractSlider *>(c) ||
           qobject_cast<const QComboBox *>(c) || qobject_cast<const QAbstractSpinBox *>(c) ||
           qobject_cast<const QTextEdit *>(c);
}

// Part of a grid or text view (its scroll bars, headers, corner button), or
// of a spin box or combo box (its line edit): the outer control is the one.
bool insideScrollArea(const QWidget *c, const QWidget *window)
{
    for (const QWidget *p = c->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(p) || qobject_cast<const QAbstractSpinBox *>(p) ||
            qobject_cast<const QComboBox *>(p))
            return true;
    }
    return false;
}

// Controls the user can see and use now.
QList<QWidget *> shownControls(QWidget *window)
{
    QList<QWidget *> out;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (c->isVisible() && c->isEnabled() && c->window() == window && !insideScrollArea(c, window))
            out << c;
    }
    return out;
}

bool tabReaches(const QWidget *c)
{
    return (c->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

} // namespace

class TestWindowWalk : public QObject
{
    Q_OBJECT

    test::Program program;

    // Runs `check` on every window, shown and active, and fails after
    // naming every finding of every window.
    template <class F> void walk(F check)
    {
        const QList<QWidget *> windows = app::allWindows();
        QVERIFY(!windows.isEmpty());
        int findings = 0;
        for (QWidget *window : windows) {
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            for (const auto &finding : check(window)) {
                qWarning("%s: %s", qPrintable(where(window, finding.first)), qPrintable(finding.second));
                ++findings;
            }
            window->hide();
        }
        QCOMPARE(findings, 0);
    }

private slots:
    void init()
    {
        program.start();
        for (const QString &name : app::windowsBuiltOnDemand())
            QVERIFY2(app::windowToOpen(name), qPrintable(name));
        // The class-test windows: the evaluation from a strip's menu (a key
        // needs a maximum score), and the archive.
        test::Program::control<QLineEdit>(QStringLiteral("Form2"), QStringLiteral("Punktezahl"))
            ->setText(QStringLiteral("40"));
        app::window(QStringLiteral("Form3"))->findChild<QAction *>(QStringLiteral("ActionKlassenarbeit"))->trigger();
        QVERIFY(app::window(QStringLiteral("Klassenarbeit")));
        classtest::openArchive();
        QVERIFY(app::window(QStringLiteral("Archiv")));
    }
    void cleanup() { program.stop(); }

    void textsFit()
    {
        // The scale CTest asks for is the one the screen has.
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        if (!scale.isEmpty())
            QCOMPARE(qApp->devicePixelRatio(), scale.toDouble());
        // The icon is drawn from its SVG at whatever size is asked for.
        QCOMPARE(QApplication::windowIcon().pixmap(QSize(256, 256), 1.0).width(), 256);
        walk([](QWidget *window) {
            Findings out;
            for (QWidget *c : shownControls(window)) {
                const ui::TextRoom r = ui::textRoom(c);
                const int need = ui::textWidth(c->fontMetrics(), r.text);
                if (r.room >= 0 && !r.text.isEmpty() && need > r.room)
                    out.append({c, overflow(r.text, need, r.room)});
                if (auto *grid = qobject_cast<QTableView *>(c)) {
                    for (const QString &cell : gridOverflows(grid))
                        out.append({c, cell});
                }
            }
            return out;
        });
    }

    void accessibleNames()
    {
        walk([](QWidget *window) {
            Findings out;
            for (QWidget *c : shownControls(window)) {
                const auto *label = qobject_cast<QLabel *>(c);
                auto *view = qobject_cast<QAbstractItemView *>(c);
                if (!isInputControl(c) && !view && !(label && !label->text().isEmpty()))
                    continue; // pictures, frames, panels
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(c);
                if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
                    out.append({c, QStringLiteral("no accessible name")});
                if (view && iface && view->model() && view->model()->rowCount() > 0) {
                    QAccessibleTableInterface *table = iface->tableInterface();
                    QAccessibleInterface *cell = table ? table->cellAt(0, 0) : nullptr;
                    if (!cell || cell->text(QAccessible::Name) != view->model()->index(0, 0).data().toString())
                        out.append({c, QStringLiteral("cells not exposed")});
                }
            }
            return out;
        });
    }

    // Names follow the captions beside the fields and the figures shown.
    void namesFollowTheWindow_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("score field") << QString() << "Punktezahl"
                                     << "Punktezahl für die Arbeit";
        QTest::newRow("threshold") << QString() << "ue3proz"
                                   << "Prozentwert Ü3";
        QTest::newRow("minimum score") << QString() << "ue3bedarf"
                                       << "ab 19 Punkten, Ü3";
        QTest::newRow("caption of another level") << "RadioButton5"
                                                  << "ue3proz"
                                                  << "Prozentwert Ü 3";
        QTest::newRow("figure of another level") << "RadioButton5"
                                                 << "ue3bedarf"
                                                 << "ab 17 Punkten, Ü 3";
    }
    void namesFollowTheWindow()
    {
        QFETCH(QString, level);
        QFETCH(QString, control);
        QFETCH(QString, name);
        if (!level.isEmpty())
            test::Program::control<QRadioButton>(QStringLiteral("Form2"), level)->click();
        test::Program::control<QLineEdit>(QStringLiteral("Form2"), QStringLiteral("Punktezahl"))
            ->setText(QStringLiteral("20"));
        QWidget *c = test::Program::control(QStringLiteral("Form2"), control);
        QVERIFY(c);
        QCOMPARE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name), name);
    }

    void keyboardReachesInputs()
    {
        walk([](QWidget *window) {
            const QList<QWidget *> controls = shownControls(window);
            // Where F6 goes: pressed until the focus comes round again.
            QList<QWidget *> reached;
            for (int i = 0; i <= controls.size(); ++i) {
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : window, Qt::Key_F6);
                focus = QApplication::focusWidget();
                if (!focus || reached.contains(focus))
                    break;
                reached << focus;
            }
            const auto reachable = [&](const QWidget *c) {
                // Reached when it or what it belongs to (an up-down pair's
                // arrows) takes the focus by Tab or by F6.
                for (const QWidget *w = c; w && w != window; w = w->parentWidget()) {
                    const QWidget *target = w->focusProxy() ? w->focusProxy() : w;
                    if (tabReaches(target) || reached.contains(target))
                        return true;
                }
                // The arrow keys move between the radio buttons of a group.
                return qobject_cast<const QRadioButton *>(c) &&
                       std::any_of(controls.begin(), controls.end(), [c](const QWidget *other) {
                           return qobject_cast<const QRadioButton *>(other) &&
                                  other->parentWidget() == c->parentWidget() && tabReaches(other);
                       });
            };
            Findings out;
            for (QWidget *c : controls) {
                if (isInputControl(c) && !reachable(c))
                    out.append({c, QStringLiteral("not reached by the keyboard")});
            }
            return out;
        });
    }
};

ZM_TEST_MAIN_GUI(TestWindowWalk)
#include "tst_window_walk.moc"
