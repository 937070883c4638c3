// The right-click menu of every result strip and the transcript: the cells
// as a real table on the clipboard, the window's image as a one-page PDF at
// the top left, and printing through the print dialog.

#include "app/forms.h"
#include "common/tablemenu.h"
#include "common/tabletext.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QPrinter>
#include <QTest>

using namespace zm;

class TestTableMenu : public QObject
{
    Q_OBJECT

    test::Program program;

    static void trigger(QWidget *window, const char *action)
    {
        auto *a = window->findChild<QAction *>(QString::fromLatin1(action));
        QVERIFY2(a, action);
        a->trigger();
    }
    // Rendered page: the bounding box of what is not white.
    static QRect inked(const QImage &page)
    {
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y) != QColor(Qt::white))
                    box |= QRect(x, y, 1, 1);
        return box;
    }

private slots:
    void init() { program.start(); }
    void cleanup()
    {
        program.stop();
        print::setPrintDialogHook(nullptr);
    }

    void fileNameFromTitle_data()
    {
        // clang-format off
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("trailing full stop")  << "Tabelle für 20 Punkte." << "Tabelle für 20 Punkte";
        QTest::newRow("refused characters")  << "max. 4/5: \"a\"*?<b>|"   << "max. 4_5_ _a____b__";
        QTest::newRow("nothing left")        << " . "                      << "Tabelle";
        // clang-format on
    }
    void fileNameFromTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(tabletext::fileNameFromTitle(title, "Tabelle"), name);
    }

    void menu_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"Form3", "Form6", "Form9", "Form11", "Form20", "Form17"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void menu()
    {
        QFETCH(QString, window);
        QWidget *w = app::window(window);
        QVERIFY(w);
        w->show();
        if (auto *refill = w->findChild<QAbstractItemView *>("StringGrid1"))
            QTest::mouseClick(refill->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        auto *grid = w->findChild<QAbstractItemView *>("StringGrid1");
        QVERIFY(grid);
        QVERIFY(QTest::qWaitForWindowExposed(w));

        // A right click anywhere opens the menu: on the grid (without
        // selecting or marking the cell), the other grids, the labels and
        // wherever no control is.
        auto *menu = w->findChild<QMenu *>("TableMenu");
        QVERIFY(menu);
        QList<QPoint> spots{grid->viewport()->mapTo(w, grid->visualRect(grid->model()->index(1, 1)).center())};
        for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child != grid && child->isVisible() &&
                (qobject_cast<QLabel *>(child) || qobject_cast<QAbstractItemView *>(child)))
                spots << child->geometry().center();
        for (int y = 2; y < w->height() && spots.size() < 20; y += 10)
            if (!w->childAt(QPoint(2, y)))
                spots << QPoint(2, y);
        grid->setCurrentIndex({});
        grid->clearSelection();
        for (const QPoint &spot : spots) {
            QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, spot);
            QTRY_VERIFY2(menu->isVisible(), qPrintable(QString("%1,%2").arg(spot.x()).arg(spot.y())));
            menu->hide();
        }
        QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(!grid->currentIndex().isValid());

        // Both formats, with the grid's exact texts; only rows that hold text.
        if (window == "Form17")
            QTest::mouseClick(w->findChild<QPushButton *>("Button2"), Qt::LeftButton);
        const tabletext::Rows rows = ui::tableTexts(grid);
        for (const QStringList &cells : rows)
            QVERIFY(!cells.join("").isEmpty());
        if (window == "Form17")
            QCOMPARE(rows.size(), 2); // the heading row and the student
        trigger(w, "ActionCopy");
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->hasHtml() && copied->hasText());
        QCOMPARE(copied->text(), tabletext::toTabSeparated(rows));
        QCOMPARE(copied->text().count("\r\n"), rows.size());
        QCOMPARE(copied->html().count("<td>"), rows.size() * rows.front().size());

        if (!test::popplerAvailable() || !test::pdftotextAvailable())
            QSKIP("pdfinfo/pdftoppm/pdftotext (poppler-utils) are needed to read the PDF back");
        // The PDF: offered in the data folder under the window's title, one
        // page, the image at the top left corner.
        const QString pdf = qEnvironmentVariable("HOME") + "/" + window + ".pdf";
        program.fileAnswer = pdf;
        trigger(w, "ActionPdf");
        QCOMPARE(program.fileRequests.size(), 1);
        QCOMPARE(program.fileRequests.front().folder, app::dataFolder());
        QVERIFY(program.fileRequests.front().fileName.endsWith(".pdf"));
        QCOMPARE(test::pdfPageCount(pdf), 1);
        const QImage page = test::renderPdfPage(pdf, 72);
        QCOMPARE(inked(page).topLeft(), QPoint(0, 0));
        QVERIFY(program.recorder.boxes.isEmpty());

        // The print dialog: cancelled prints nothing; accepted prints one page.
        const QString printed = qEnvironmentVariable("HOME") + "/" + window + "-printed.pdf";
        print::setPrintDialogHook([](QPrinter &) { return false; });
        trigger(w, "ActionPrint");
        print::setPrintDialogHook([&printed](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(printed);
            return true;
        });
        trigger(w, "ActionPrint");
        QCOMPARE(test::pdfPageCount(printed), 1);
        // Both put the window's words on the page as text, at the same places.
        const QList<test::PdfWord> saved = test::pdfWords(pdf);
        const QList<test::PdfWord> onPaper = test::pdfWords(printed);
        QVERIFY(!saved.isEmpty());
        QCOMPARE(onPaper.size(), saved.size());
        for (qsizetype i = 0; i < saved.size(); ++i) {
            QCOMPARE(onPaper[i].text, saved[i].text);
            QVERIFY2((onPaper[i].box.topLeft() - saved[i].box.topLeft()).manhattanLength() < 1,
                     qPrintable(saved[i].text));
        }
        QVERIFY(w->isVisible()); // unlike the double click, the menu keeps the window open
        QVERIFY(program.recorder.boxes.isEmpty());
    }
};

ZM_SCALES_TEST_MAIN(TestTableMenu)
#include "tst_table_menu.moc"
