// The class-test window, its archive and reports, opened the ways a teacher
// opens them: from a result strip's menu and from the main menu.

#include "app/forms.h"
#include "classtest/barchart.h"
#include "classtest/classtestwindow.h"
#include "classtest/classtestwindows.h"
#include "classtest/sqlitestore.h"
#include "common/errorreport.h"
#include "common/messages.h"
#include "scales/resultstrip.h"

#include "scales/scalestest.h"
#include "support/gui.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace zm;
using classtest::ClassTestWindow;

namespace {

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList tableRow(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << table->item(row, column)->text();
    return cells;
}

} // namespace

class TestClassTestWindow : public QObject
{
    Q_OBJECT

    test::Program program;

    // The calculator computes for 40 points; its strip opens the window.
    static ClassTestWindow *openFrom(const QString &calculator, const QString &strip)
    {
        app::windowToOpen(calculator); // the own key is built when first opened
        auto *score = test::Program::control<QLineEdit>(calculator, "Punktezahl");
        ui::guarded([&] { ui::setText(score, "40"); });
        auto *action = app::window(strip)->findChild<QAction *>("ActionKlassenarbeit");
        if (!action)
            return nullptr;
        action->trigger();
        return qobject_cast<ClassTestWindow *>(app::window("Klassenarbeit"));
    }

    static void type(ClassTestWindow *w, int row, const QString &name, const QString &points)
    {
        w->Ergebnisse->item(row, 0)->setText(name);
        w->Ergebnisse->item(row, 1)->setText(points);
    }

    static QString storePath() { return QDir(app::dataFolder()).filePath("klassenarbeiten.sqlite"); }

private slots:
    void init()
    {
        program.start();
        classtest::useStore(std::make_unique<classtest::SqliteStore>(":memory:"));
    }
    void cleanup()
    {
        program.stop();
        ui::setAnswerHook(nullptr);
    }

    void keyFromEveryStrip_data()
    {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QString>("strip");
        QTest::newRow("eight bands") << "Form2"
                                     << "Form3";
        QTest::newRow("subject scale") << "Form21"
                                       << "Form6";
        QTest::newRow("three bands") << "Form8"
                                     << "Form9";
        QTest::newRow("four bands") << "Form19"
                                    << "Form20";
        QTest::newRow("fifteen points") << "Form10"
                                        << "Form11";
        QTest::newRow("own key") << "EigenerSchluessel"
                                 << "EigenerSchluesselTabelle";
    }
    // The key is the strip's heads and minimums; later changes in the calculator leave it.
    void keyFromEveryStrip()
    {
        QFETCH(QString, calculator);
        QFETCH(QString, strip);
        QVERIFY(!app::window("Klassenarbeit")); // not made at start-up
        ClassTestWindow *w = openFrom(calculator, strip);
        QVERIFY2(w && w->isVisible(), qPrintable(program.recorder.texts().join("|")));
        QCOMPARE(w->windowTitle(), QStringLiteral("Klassenarbeit auswerten"));
        auto *s = qobject_cast<scales::ResultStrip *>(app::window(strip));
        s->refill();
        QStringList heads, minimums;
        for (int column = 1; column < s->StringGrid1->columnCount(); ++column) {
            if (!s->cell(column, 0).isEmpty()) {
                heads << s->cell(column, 0);
                minimums << s->cell(column, 2);
            }
        }
        QCOMPARE(tableRow(w->Schluessel, 0), heads);
        QCOMPARE(tableRow(w->Schluessel, 1), minimums);
        QCOMPARE(w->Hoechstpunktzahl->text(), QStringLiteral("Höchstpunktzahl: 40"));
        QCOMPARE(w->Notenspiegel->columnCount(), heads.size());
        // Points exactly at the second band's minimum reach that band.
        type(w, 0, QStringLiteral("Ada"), minimums.at(1));
        QCOMPARE(w->Ergebnisse->item(0, 2)->text(), heads.at(1));
        ui::guarded([&] { ui::setText(test::Program::control<QLineEdit>(calculator, "Punktezahl"), "80"); });
        QCOMPARE(tableRow(w->Schluessel, 1), minimums);
        QCOMPARE(program.recorder.criticalCount(), 0);
    }

    // Each keystroke regrades the row; everything typed is in the store at once.
    void typingGradesAndStores()
    {
        ClassTestWindow *w = openFrom("Form8", "Form9"); // e 30, te 20, ne 0 of 40
        QVERIFY(w);
        QCOMPARE(w->Ergebnisse->rowCount(), 1);
        QApplication::setActiveWindow(w);
        w->Ergebnisse->setFocus();
        w->Ergebnisse->setCurrentCell(0, 1); // reaching a cell opens its editor
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor && w->Ergebnisse->isAncestorOf(editor));
        QTest::keyClick(editor, '3');
        QCOMPARE(w->Ergebnisse->item(0, 2)->text(), QStringLiteral("ne"));
        QTest::keyClick(editor, '5');
        QCOMPARE(w->Ergebnisse->item(0, 2)->text(), QStringLiteral("e"));
        QCOMPARE(w->Ergebnisse->rowCount(), 2); // always one empty row at the end
        QTest::keyClick(editor, Qt::Key_Escape);

        type(w, 1, "Ben", "41");
        QCOMPARE(w->Ergebnisse->item(1, 2)->text(), QStringLiteral("???"));
        QCOMPARE(w->Ergebnisse->item(1, 1)->toolTip(),
                 QStringLiteral("Die Punktzahl liegt über der Höchstpunktzahl (40)."));
        QVERIFY(w->Ergebnisse->item(1, 1)->background().color() != w->Ergebnisse->item(0, 1)->background().color());
        type(w, 2, "Cem", "20");
        type(w, 3, "Dana", "");
        QCOMPARE(tableRow(w->Notenspiegel, 0), QStringList({"1", "1", "0"}));
        QCOMPARE(tableRow(w->Notenspiegel, 1), QStringList({"50,0 %", "50,0 %", "0,0 %"}));
        QCOMPARE(w->Durchschnitt->text(), QStringLiteral("Durchschnitt: – (2 Arbeiten)"));
        QCOMPARE(w->Diagramm->counts(), QList<int>({1, 1, 0}));
        w->Klasse->setText("7b");

        classtest::ClassTestStore *store = classtest::store();
        const classtest::ClassTest stored = store->load(w->test().id);
        QCOMPARE(stored.className, QStringLiteral("7b"));
        QCOMPARE(stored.results.size(), 4);
        QCOMPARE(stored.results.at(0).points, QStringLiteral("35"));
        QCOMPARE(stored.results.at(3).name, QStringLiteral("Dana"));

        // The archive lists it and opens it again; deleting asks first.
        QPushButton *archiveButton = w->ButtonArchiv;
        QTest::mouseClick(archiveButton, Qt::LeftButton);
        auto *list = test::Program::control<QListWidget>("Archiv", "ArchivListe");
        QVERIFY(list);
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().contains(QStringLiteral(" – 7b – ")));
        QVERIFY(list->item(0)->text().endsWith(QStringLiteral("(4 Arbeiten)")));
        type(w, 0, "", "");
        QTest::mouseClick(test::Program::control<QPushButton>("Archiv", "ButtonOeffnen"), Qt::LeftButton);
        QCOMPARE(w->Ergebnisse->item(0, 0)->text(), QString());
        QCOMPARE(w->Ergebnisse->item(2, 0)->text(), QStringLiteral("Cem"));

        ui::setAnswerHook([](const ui::ShownBox &) { return ui::Answer::Yes; });
        QTest::mouseClick(test::Program::control<QPushButton>("Archiv", "ButtonLoeschen"), Qt::LeftButton);
        QVERIFY(program.recorder.texts().last().endsWith(QStringLiteral("“ mit 3 Ergebnissen löschen?")));
        QCOMPARE(list->count(), 0);
        QVERIFY(store->summaries().isEmpty());
        QCOMPARE(program.recorder.criticalCount(), 0);
    }

    // A damaged file in the data folder: a message, the window works without storing, the file stays.
    void refusedStoreKeepsItsFile()
    {
        classtest::closeStore();
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kein SQLite");
        file.close();
        ClassTestWindow *w = openFrom("Form2", "Form3");
        QVERIFY(w);
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(program.recorder.texts().first().contains(QStringLiteral("Die Datei bleibt unverändert")));
        QCOMPARE(w->windowTitle(), QStringLiteral("Klassenarbeit auswerten (wird nicht gespeichert)"));
        type(w, 0, "Anna", "30");
        QVERIFY(!w->Ergebnisse->item(0, 2)->text().isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kein SQLite"));
        QCOMPARE(program.recorder.criticalCount(), 1);
    }

    void reportHoldsNamesAndGrades_data()
    {
        QTest::addColumn<int>("students");
        QTest::addColumn<int>("pages");
        QTest::newRow("40 on one page") << 40 << 1;
        QTest::newRow("41 on two") << 41 << 2;
    }
    void reportHoldsNamesAndGrades()
    {
        QFETCH(int, students);
        QFETCH(int, pages);
        ClassTestWindow *w = openFrom("Form2", "Form3");
        for (int i = 0; i < students; ++i)
            type(w, i, i ? QStringLiteral("Schüler%1").arg(i) : QStringLiteral("=WENN(1;2)"), QString::number(i % 41));
        program.fileAnswer = QDir::home().filePath("arbeit.csv");
        QTest::mouseClick(w->ButtonCsv, Qt::LeftButton);
        QFile csv(program.fileAnswer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFName;Punkte;Note\r\n\"'=WENN(1;2)\";0;"));
        QCOMPARE(bytes.count("\r\n"), students + 1);

        if (QStandardPaths::findExecutable("pdftotext").isEmpty() || !test::popplerAvailable())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are needed to read the report back");
        program.fileAnswer = QDir::home().filePath("arbeit.pdf");
        QTest::mouseClick(w->ButtonPdf, Qt::LeftButton);
        QCOMPARE(program.recorder.criticalCount(), 0);
        QCOMPARE(test::pdfPageCount(program.fileAnswer), pages);
        const QString text = pdfText(program.fileAnswer);
        // Every row as name, points and grade on one line (pdftotext drops the blank in "Ü 3").
        QStringList lines;
        for (const QString &line : text.split('\n'))
            lines << QString(line).remove(' ');
        for (int i = 0; i < students; ++i) {
            const QString row = w->Ergebnisse->item(i, 0)->text() + QString::number(i % 41) +
                                w->Ergebnisse->item(i, 2)->text().remove(' ');
            QVERIFY2(lines.contains(row), qPrintable(row));
        }
        QVERIFY(text.contains(w->Durchschnitt->text()));

        // Printing draws the same report on the printer.
        const QString printed = QDir::home().filePath("gedruckt.pdf");
        print::setPrintDialogHook([&printed](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(printed);
            return true;
        });
        QTest::mouseClick(w->ButtonDrucken, Qt::LeftButton);
        print::setPrintDialogHook(nullptr);
        QCOMPARE(test::pdfPageCount(printed), pages);
        QVERIFY(pdfText(printed).contains(w->Ergebnisse->item(students - 1, 0)->text()));
    }

    // The main menu grows by one row; nothing above it moves.
    void mainMenuRow()
    {
        QWidget *menu = app::window("Form1");
        QCOMPARE(menu->size(), QSize(384, 317));
        QCOMPARE(test::Program::control<QWidget>("Form1", "Button9")->geometry(), QRect(226, 248, 146, 25));
        auto *button = test::Program::control<QPushButton>("Form1", "ButtonKlassenarbeiten");
        QCOMPARE(button->text(), QStringLiteral("Klassenarbeiten…"));
        QVERIFY(button->y() >= 284 && button->geometry().bottom() < 317);
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget *archive = app::window("Archiv");
        QVERIFY(archive && archive->isVisible());
        QCOMPARE(archive->windowTitle(), QStringLiteral("Gespeicherte Arbeiten"));
    }
};

ZM_SCALES_TEST_MAIN(TestClassTestWindow)
#include "tst_classtestwindow.moc"
