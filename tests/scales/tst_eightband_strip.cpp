#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/errorreport.h"
#include "common/windowprint.h"
#include "scales/eightbandcalculator.h"
#include "scales/eightbandtable.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace zm;

namespace {
const QString Blanks(10, QLatin1Char(' '));

const QStringList OpeningMessage = {
    "Gleich erscheint eine kleine Tabelle.",
    "Ein Doppelklick irgendwo auf die Tabelle startet den Druckvorgang.",
    "Mit den Tastenkombinationen [Alt] und [Druck] kopierst du die Tabelle in die",
    "Zwischenablage; mit [Strg] und [V] fügst du die Tab. in ein Worddokument ein.",
    "Unter Bootcamp [Mac] kopierst du mit: shift + fn + alt + F11. ",
    "Einfügen funktioniert mit [Strg] und [V]. ",
};
} // namespace

class TestEightBandStrip : public QObject
{
    Q_OBJECT

    test::Program program;
    TForm2 *calc = nullptr;
    TForm3 *strip = nullptr;
    QString pdfPath;
    int printed = 0;

    static void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void clickRadio(QRadioButton *radio)
    {
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    void clickLevels(const QStringList &names)
    {
        for (const QString &name : names)
            clickRadio(calc->findChild<QRadioButton *>(name));
    }
    void openStrip()
    {
        QTest::mouseClick(calc->findChild<QPushButton *>("Button1"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(strip));
    }
    // The calculator again, from the main menu.
    void reopenCalculator()
    {
        app::forms().form1->show();
        QTest::mouseClick(app::forms().form1->Button1, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(calc));
    }
    QStringList row(int r) const
    {
        QStringList out;
        for (int c = 0; c < TForm3::Columns; ++c)
            out << strip->cell(c, r);
        return out;
    }
    QPoint cellCentre(int column, int row) const { return cellRect(column, row).center(); }
    QRect cellRect(int column, int row) const
    {
        return strip->StringGrid1->visualItemRect(strip->StringGrid1->item(row, column));
    }

private slots:
    void init()
    {
        pdfPath = qEnvironmentVariable("HOME") + QStringLiteral("/strip-%1.pdf").arg(++printed);
        QFile::remove(pdfPath);
        print::setPrinterProvider([this] { return test::pdfPrinter(pdfPath); });
        program.start();
        calc = app::forms().form2;
        strip = app::forms().form3;
        QVERIFY(calc && strip);
        calc->show();
        QVERIFY(QTest::qWaitForWindowActive(calc));
    }
    void cleanup()
    {
        program.stop();
        print::setPrinterProvider({});
    }

    void createdEmptyAndHidden()
    {
        QCOMPARE(strip->objectName(), QString("Form3"));
        QVERIFY(!strip->isVisible());
        QCOMPARE(strip->windowTitle(), QString());
        QCOMPARE(strip->size(), QSize(313, 60));
        QTableWidget *grid = strip->StringGrid1;
        QCOMPARE(grid->columnCount(), 9);
        QCOMPARE(grid->rowCount(), 3);
        QVERIFY(grid->horizontalHeader()->isHidden() && grid->verticalHeader()->isHidden());
        QCOMPARE(grid->columnWidth(4), 33);
        QCOMPARE(grid->rowHeight(1), 16);
        QCOMPARE(grid->font().pixelSize(), 12);
        QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(strip->toolTip(), QString("Doppelklick !"));
        QVERIFY(strip->Button1->isHidden());
        QCOMPARE(row(0), QStringList(9, QString()));
    }

    void openingShowsTheMessageThenTheStrip()
    {
        type(calc->Punktezahl, "20");
        openStrip();
        QCOMPARE(program.recorder.texts(), QStringList{OpeningMessage.join('\n')});
        QVERIFY(strip->isVisible());
        QVERIFY(!calc->isVisible());
        QCOMPARE(strip->windowTitle(), QString("Tabelle für 20 Punkte."));
        QCOMPARE(strip->pos(), app::forms().form1->pos() + QPoint(116, 58));
    }

    void tableForEveryLevel_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("levels");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("thresholds");
        QTest::addColumn<QStringList>("minimums");
        QTest::newRow("*") << QStringList{"RadioButton5", "RadioButton4"}
                           << QStringList{"", "", "", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", "Ü 8"}
                           << QStringList{"%", "", "", "93", "84", "67", "50", "34", "0"}
                           << QStringList{"ab", "", "", "19", "17", "13", "10", "7", "0"};
        QTest::newRow("**") << QStringList{"RadioButton5"}
                            << QStringList{"", "", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", ""}
                            << QStringList{"%", "", "93", "84", "67", "50", "34", "0", ""}
                            << QStringList{"ab", "", "19", "17", "13", "10", "7", "0", ""};
        QTest::newRow("***") << QStringList{"RadioButton6"}
                             << QStringList{"", "Ü 1 ", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "", ""}
                             << QStringList{"%", "93", "84", "67", "50", "34", "0", "", ""}
                             << QStringList{"ab", "19", "17", "13", "10", "7", "0", "", ""};
        QTest::newRow("Förderschulniveau")
            << QStringList{"RadioButton2"} << QStringList{"", "Fö 1", "Fö 2", "Fö 3", "Fö 4", "Fö 5", "Fö 6", "", ""}
            << QStringList{"%", "90", "70", "55", "40", "20", "00", "", ""}
            << QStringList{"ab", "18", "14", "11", "8", "4", "0", "", ""};
        QTest::newRow("* + **") << QStringList{"RadioButton9"}
                                << QStringList{"", "", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", "Ü 8"}
                                << QStringList{"%", "", "95", "84", "73", "62", "51", "26", "0"}
                                << QStringList{"ab", "", "19", "17", "15", "12", "10", "5", "0"};
        QTest::newRow("** + ***") << QStringList{"RadioButton3"}
                                  << QStringList{"", "Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", ""}
                                  << QStringList{"%", "95", "84", "73", "62", "51", "26", "0", ""}
                                  << QStringList{"ab", "19", "17", "15", "12", "10", "5", "0", ""};
        QTest::newRow("*, ** +***") << QStringList{"RadioButton1"}
                                    << QStringList{"", "Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", "Ü 8"}
                                    << QStringList{"%", "95", "84", "73", "62", "51", "34", "17", "0"}
                                    << QStringList{"ab", "19", "17", "15", "12", "10", "7", "3", "0"};
        // clang-format on
    }
    void tableForEveryLevel()
    {
        QFETCH(QStringList, levels);
        QFETCH(QStringList, names);
        QFETCH(QStringList, thresholds);
        QFETCH(QStringList, minimums);
        clickLevels(levels);
        type(calc->Punktezahl, "20");
        openStrip();
        QCOMPARE(row(0), names);
        QCOMPARE(row(1), thresholds);
        QCOMPARE(row(2), minimums);
    }

    void titleWithAnEmptyScore()
    {
        openStrip();
        QCOMPARE(strip->windowTitle(), QString("Tabelle für  Punkte."));
        QCOMPARE(row(2), (QStringList{"ab", "", "", Blanks, Blanks, Blanks, Blanks, Blanks, Blanks}));
    }

    // Filled for "*, ** +***" at 20 points, then refilled by a click for
    // another level at 30 points: the columns a level leaves alone keep
    // the old figures.
    void untouchedColumns_data()
    {
        // clang-format off
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("thresholds");
        QTest::addColumn<QStringList>("minimums");
        QTest::newRow("* keeps column 1's figures")
            << "RadioButton4" << QStringList{"", "", "", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", "Ü 8"}
            << QStringList{"%", "95", "", "93", "84", "67", "50", "34", "0"}
            << QStringList{"ab", "19", "", "28", "25", "20", "15", "10", "0"};
        QTest::newRow("** keeps column 1's figures")
            << "RadioButton5" << QStringList{"", "", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", ""}
            << QStringList{"%", "95", "93", "84", "67", "50", "34", "0", ""}
            << QStringList{"ab", "19", "28", "25", "20", "15", "10", "0", ""};
        QTest::newRow("Förderschulniveau keeps columns 7 and 8")
            << "RadioButton2" << QStringList{"", "Fö 1", "Fö 2", "Fö 3", "Fö 4", "Fö 5", "Fö 6", "Ü 7", "Ü 8"}
            << QStringList{"%", "90", "70", "55", "40", "20", "00", "17", "0"}
            << QStringList{"ab", "27", "21", "17", "12", "6", "0", "3", "0"};
        QTest::newRow("*** blanks columns 7 and 8")
            << "RadioButton6" << QStringList{"", "Ü 1 ", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "", ""}
            << QStringList{"%", "93", "84", "67", "50", "34", "0", "", ""}
            << QStringList{"ab", "28", "25", "20", "15", "10", "0", "", ""};
        // clang-format on
    }
    void untouchedColumns()
    {
        QFETCH(QString, level);
        QFETCH(QStringList, names);
        QFETCH(QStringList, thresholds);
        QFETCH(QStringList, minimums);
        clickLevels({"RadioButton1"});
        type(calc->Punktezahl, "20");
        openStrip();
        reopenCalculator();
        clickLevels({level});
        type(calc->Punktezahl, "30");
        QTest::mouseClick(strip->StringGrid1->viewport(), Qt::LeftButton, {}, cellCentre(4, 1));
        QCOMPARE(strip->windowTitle(), QString("Tabelle für 30 Punkte."));
        QCOMPARE(row(0), names);
        QCOMPARE(row(1), thresholds);
        QCOMPARE(row(2), minimums);
    }

    void refillsWhenActivatedAgain()
    {
        type(calc->Punktezahl, "20");
        openStrip();
        reopenCalculator();
        type(calc->Punktezahl, "30");
        QCOMPARE(strip->windowTitle(), QString("Tabelle für 20 Punkte."));
        strip->move(0, 0);
        strip->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(strip));
        QCOMPARE(strip->windowTitle(), QString("Tabelle für 30 Punkte."));
        QCOMPARE(row(2), (QStringList{"ab", "", "", "28", "25", "20", "15", "10", "0"}));
        QCOMPARE(strip->pos(), app::forms().form1->pos() + QPoint(116, 58));
    }

    // The grid has no heading row or column, so the user resizes a column or
    // a row by dragging the line after it; the drag selects nothing and is
    // no click into the grid (no refill).
    void dragGridLineToResize_data()
    {
        // clang-format off
        QTest::addColumn<bool>("column");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("column wider") << true << 3 << 10 << 43;
        QTest::newRow("column narrower") << true << 0 << -13 << 20;
        QTest::newRow("row taller") << false << 1 << 5 << 21;
        // clang-format on
    }
    void dragGridLineToResize()
    {
        QFETCH(bool, column);
        QFETCH(int, index);
        QFETCH(int, delta);
        QFETCH(int, expected);
        type(calc->Punktezahl, "20");
        openStrip();
        ui::guarded([&] { ui::setText(calc->Punktezahl, "30"); });
        QTableWidget *grid = strip->StringGrid1;
        QWidget *viewport = grid->viewport();
        const QRect cell = column ? cellRect(index, 1) : cellRect(4, index);
        const QPoint line =
            column ? QPoint(cell.right() + 1, cell.center().y()) : QPoint(cell.center().x(), cell.bottom() + 1);
        const QPoint to = line + (column ? QPoint(delta, 0) : QPoint(0, delta));
        QTest::mouseMove(viewport, line);
        QCOMPARE(viewport->cursor().shape(), column ? Qt::SplitHCursor : Qt::SplitVCursor);
        QTest::mousePress(viewport, Qt::LeftButton, {}, line);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        QCOMPARE(column ? grid->columnWidth(index) : grid->rowHeight(index), expected);
        QCOMPARE(column ? grid->columnWidth(index + 1) : grid->rowHeight(index + 1), column ? 33 : 16);
        QVERIFY(grid->selectedItems().isEmpty());
        QCOMPARE(strip->windowTitle(), QString("Tabelle für 20 Punkte."));
        // Away from the lines a click still selects and refills.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cellCentre(5, 0));
        QCOMPARE(strip->windowTitle(), QString("Tabelle für 30 Punkte."));
    }

    void doubleClickPrintsOnePageAndCloses()
    {
        if (!test::popplerAvailable())
            QSKIP("pdfinfo/pdftoppm (poppler-utils) are needed to read the printed page");
        type(calc->Punktezahl, "20");
        openStrip();
        QTest::mouseDClick(strip->StringGrid1->viewport(), Qt::LeftButton, {}, cellCentre(3, 1));
        QCOMPARE(test::pdfPageCount(pdfPath), 1);
        QVERIFY(!strip->isVisible());
        QVERIFY(!calc->isVisible());
        QCOMPARE(program.recorder.criticalCount(), 0);
    }

    void hiddenButtonPrintsToo()
    {
        openStrip();
        ui::guarded([&] { ui::click(strip->Button1); });
        QVERIFY(QFile::exists(pdfPath));
        QVERIFY(!strip->isVisible());
    }

    void noPrinterKeepsTheStripOpen()
    {
        print::setPrinterProvider([] { return std::unique_ptr<QPrinter>(); });
        openStrip();
        QTest::mouseDClick(strip->StringGrid1->viewport(), Qt::LeftButton, {}, cellCentre(3, 1));
        QCOMPARE(program.recorder.boxes.last().kind, ui::BoxKind::Critical);
        QCOMPARE(program.recorder.boxes.last().text, QString("Es ist kein Standarddrucker eingerichtet."));
        QVERIFY(strip->isVisible());
    }

    // The page shows the strip at its size on screen from the page's top
    // left corner, its cells as text where the screen has them, and a
    // selected range printed like the other cells.
    void printedPageShowsTheStripAsText()
    {
        if (!test::popplerAvailable() || !test::pdftotextAvailable())
            QSKIP("pdftoppm/pdftotext (poppler-utils) are needed to read the printed page");
        clickLevels({"RadioButton1"});
        type(calc->Punktezahl, "20");
        openStrip();
        QTableWidget *grid = strip->StringGrid1;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(3, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(5, 1));
        QCOMPARE(grid->selectedItems().size(), 6);
        const QImage screen = strip->grab().toImage();
        const auto onScreen = [&screen](QPoint p) { return screen.pixelColor(p * screen.devicePixelRatio()); };
        const QPoint origin = grid->viewport()->mapTo(strip, QPoint(0, 0));
        const QPoint selected = origin + cellRect(4, 1).topLeft() + QPoint(3, 3);
        const QPoint unselected = origin + cellRect(7, 1).topLeft() + QPoint(3, 3);
        QVERIFY(!test::nearColour(onScreen(selected), onScreen(unselected)));
        ui::guarded([&] { ui::click(strip->Button1); });
        QCOMPARE(program.recorder.criticalCount(), 0);
        QCOMPARE(grid->selectedItems().size(), 6);

        const int dpi = strip->logicalDpiX();
        const QImage page = test::renderPdfPage(pdfPath, dpi);
        QVERIFY(!page.isNull());
        for (const QPoint &p : {selected, unselected, QPoint(310, 57)}) {
            QVERIFY2(test::nearColour(page.pixelColor(p), onScreen(unselected)),
                     qPrintable(QStringLiteral("at %1,%2: %3").arg(p.x()).arg(p.y()).arg(page.pixelColor(p).name())));
        }
        QCOMPARE(page.pixelColor(320, 70), QColor(Qt::white));

        // Band names and minimum scores, each inside its cell.
        const QList<test::PdfWord> words = test::pdfWords(pdfPath);
        for (int column = 1; column < TForm3::Columns; ++column) {
            for (int r : {0, 2}) {
                QVERIFY2(test::wordsInCell(words, strip->cell(column, r), cellRect(column, r).translated(origin), dpi),
                         qPrintable(strip->cell(column, r)));
            }
        }
        QVERIFY(strip->cell(1, 0).startsWith("Ü 1"));
        QVERIFY2(QFileInfo(pdfPath).size() < 40 * 1024, qPrintable(QString::number(QFileInfo(pdfPath).size())));
    }
};

ZM_SCALES_TEST_MAIN(TestEightBandStrip)
#include "tst_eightband_strip.moc"
