#include "common/cellpainter.h"
#include "common/errors.h"
#include "common/windowprint.h"

#include "scalestest.h"

#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using namespace zm;
using print::PrintScale;

Q_DECLARE_METATYPE(PrintScale)
Q_DECLARE_METATYPE(zm::ui::CellAlignment)

namespace {

// A window of one colour with a small blue square in its top left corner,
// so that the page shows where the image's corner went.
class Sample : public QWidget
{
public:
    Sample()
    {
        setFixedSize(200, 100);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(200, 40, 40));
        setPalette(pal);
        setAutoFillBackground(true);
        auto *corner = new QWidget(this);
        corner->setGeometry(0, 0, 20, 20);
        QPalette blue = corner->palette();
        blue.setColor(QPalette::Window, QColor(0, 0, 255));
        corner->setPalette(blue);
        corner->setAutoFillBackground(true);
    }
};

// Bounding box of the pixels that are not white.
QRect inked(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Bounding box of the dark (text) pixels.
QRect darkPixels(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).red() < 100)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

const QColor Fill(210, 227, 238);

} // namespace

class TestWindowPrint : public QObject
{
    Q_OBJECT

    QString pdf(const QString &name) const { return qEnvironmentVariable("HOME") + "/" + name; }

private slots:
    void cleanup() { print::setPrinterProvider({}); }

    void mulDiv_data()
    {
        // clang-format off
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << 10 << 3 << 5 << 6;
        QTest::newRow("rounds down") << 10 << 1 << 3 << 3;
        QTest::newRow("rounds up") << 20 << 1 << 3 << 7;
        QTest::newRow("half away from zero") << 5 << 1 << 2 << 3;
        QTest::newRow("negative half away from zero") << -5 << 1 << 2 << -3;
        QTest::newRow("negative divisor") << 7 << 1 << -2 << -4;
        QTest::newRow("product beyond 32 bits") << 50000 << 50000 << 25000 << 100000;
        QTest::newRow("screen to 600 dpi") << 313 << 600 << 96 << 1956;
        QTest::newRow("no divisor") << 5 << 5 << 0 << 0;
        // clang-format on
    }
    void mulDiv()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(print::mulDiv(a, b, c), expected);
    }

    void printedSize_data()
    {
        // clang-format off
        QTest::addColumn<PrintScale>("scale");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<QSize>("expected");
        const QSize strip(313, 60);
        QTest::newRow("none: one dot per pixel") << PrintScale::None << strip << 600 << 600 << strip;
        QTest::newRow("proportional") << PrintScale::Proportional << strip << 600 << 600 << QSize(1956, 375);
        QTest::newRow("proportional, own vertical resolution")
            << PrintScale::Proportional << strip << 600 << 300 << QSize(1956, 188);
        QTest::newRow("fit: wide image takes the page width")
            << PrintScale::PrintToFit << strip << 600 << 600 << QSize(4960, 951);
        QTest::newRow("fit: tall image takes the page height")
            << PrintScale::PrintToFit << QSize(60, 313) << 600 << 600 << QSize(1345, 7016);
        // clang-format on
    }
    void printedSize()
    {
        QFETCH(PrintScale, scale);
        QFETCH(QSize, image);
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(QSize, expected);
        const print::PrinterMetrics a4{dpiX, dpiY, QSize(4960, 7016)};
        QCOMPARE(print::printedSize(image, 96, scale, a4), expected);
    }

    // One page; the image at the paper's top left corner, as large as the
    // print scale makes it.
    void printsOnePage_data()
    {
        // clang-format off
        QTest::addColumn<PrintScale>("scale");
        QTest::newRow("none") << PrintScale::None;
        QTest::newRow("proportional") << PrintScale::Proportional;
        QTest::newRow("fit to page") << PrintScale::PrintToFit;
        // clang-format on
    }
    void printsOnePage()
    {
        QFETCH(PrintScale, scale);
        if (!test::popplerAvailable())
            QSKIP("pdfinfo/pdftoppm (poppler-utils) are needed to read the printed page");
        Sample window;
        const QString path = pdf(QStringLiteral("sample-%1.pdf").arg(int(scale)));
        constexpr int printerDpi = 300;
        constexpr int renderDpi = 96;
        auto printer = test::pdfPrinter(path, printerDpi);
        // Printers keep a margin of their own; the image still lands at the
        // paper's corner.
        printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        print::printWindowImage(&window, scale, *printer);
        QCOMPARE(test::pdfPageCount(path), 1);
        const QImage page = test::renderPdfPage(path, renderDpi);
        QVERIFY(!page.isNull());

        QSize expected;
        switch (scale) {
        case PrintScale::None:
            expected = window.size() * renderDpi / printerDpi;
            break;
        case PrintScale::Proportional:
            expected = window.size() * renderDpi / window.logicalDpiX();
            break;
        case PrintScale::PrintToFit:
            expected = QSize(page.width(), page.width() / 2);
            break;
        }
        const QRect box = inked(page);
        QCOMPARE(box.topLeft(), QPoint(0, 0));
        QVERIFY2(std::abs(box.width() - expected.width()) <= 2 && std::abs(box.height() - expected.height()) <= 2,
                 qPrintable(QStringLiteral("printed %1×%2, expected %3×%4")
                                .arg(box.width())
                                .arg(box.height())
                                .arg(expected.width())
                                .arg(expected.height())));
        QVERIFY(test::nearColour(page.pixelColor(1, 1), QColor(0, 0, 255)));
        QVERIFY(test::nearColour(page.pixelColor(box.center()), QColor(200, 40, 40)));
    }

    // A window that was never shown and is laid out by a layout prints all
    // the same, as text; its grid's selected and current cells print like
    // any other cell, and the selection is back afterwards without a signal.
    void hiddenWindowPrintsWithoutSelection()
    {
        if (!test::popplerAvailable() || !test::pdftotextAvailable())
            QSKIP("pdftoppm/pdftotext (poppler-utils) are needed to read the printed page");
        QWidget window;
        window.resize(240, 90);
        auto *grid = new QTableWidget(2, 3);
        (new QVBoxLayout(&window))->addWidget(grid);
        QPalette pal = grid->palette();
        pal.setColor(QPalette::Base, Fill);
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        grid->setPalette(pal);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        for (int i = 0; i < 6; ++i)
            grid->setItem(i / 3, i % 3, new QTableWidgetItem(QStringLiteral("Z%1").arg(i)));
        grid->setCurrentCell(0, 0);
        grid->item(0, 1)->setSelected(true);
        grid->item(1, 2)->setSelected(true);
        const QList<QTableWidgetItem *> selected = grid->selectedItems();
        QSignalSpy selectionSignals(grid, &QTableWidget::itemSelectionChanged);
        QSignalSpy currentSignals(grid, &QTableWidget::currentItemChanged);

        const QString path = pdf(QStringLiteral("hidden.pdf"));
        print::printWindowImage(&window, PrintScale::Proportional, *test::pdfPrinter(path));
        QVERIFY(!window.isVisible());
        QCOMPARE(grid->selectedItems(), selected);
        QCOMPARE(grid->currentItem(), grid->item(0, 0));
        QCOMPARE(selectionSignals.count() + currentSignals.count(), 0);

        const int dpi = window.logicalDpiX();
        const QImage page = test::renderPdfPage(path, dpi);
        const QList<test::PdfWord> words = test::pdfWords(path);
        for (int i = 0; i < 6; ++i) {
            const QTableWidgetItem *item = grid->item(i / 3, i % 3);
            const QRect cell = grid->visualItemRect(item).translated(grid->viewport()->mapTo(&window, QPoint()));
            QVERIFY2(cell.width() > 20 && cell.bottom() < window.height(), qPrintable(item->text()));
            QVERIFY2(test::nearColour(page.pixelColor(cell.topLeft() + QPoint(3, 3)), Fill),
                     qPrintable(item->text() + ": " + page.pixelColor(cell.topLeft() + QPoint(3, 3)).name()));
            QVERIFY2(test::wordsInCell(words, item->text(), cell, dpi), qPrintable(item->text()));
        }
    }

    void noDefaultPrinter()
    {
        Sample window;
        print::setPrinterProvider([] { return std::unique_ptr<QPrinter>(); });
        try {
            print::printWindowImage(&window, PrintScale::Proportional);
            QFAIL("printed without a printer");
        } catch (const Error &e) {
            QCOMPARE(e.text(), QString("Es ist kein Standarddrucker eingerichtet."));
        }
    }

    // The tests' print system is unreachable: the real lookup finds no
    // default printer either and says so.
    void systemWithoutPrinters()
    {
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        Sample window;
        QVERIFY_THROWS_EXCEPTION(Error, print::printWindowImage(&window, PrintScale::Proportional));
    }

    void jobThatCannotStart()
    {
        Sample window;
        auto printer = test::pdfPrinter(pdf("no-such-folder/out.pdf"));
        try {
            print::printWindowImage(&window, PrintScale::Proportional, *printer);
            QFAIL("a job without output succeeded");
        } catch (const Error &e) {
            QCOMPARE(e.text(), QString("Der Druckauftrag konnte nicht gestartet werden."));
        }
    }

    void cellPainterAlignment_data()
    {
        // clang-format off
        QTest::addColumn<ui::CellAlignment>("alignment");
        QTest::addColumn<int>("left"); // expected first text column, -1: centred
        QTest::newRow("left") << ui::CellAlignment::Left << 12;
        QTest::newRow("right") << ui::CellAlignment::Right << -2;
        QTest::newRow("centre") << ui::CellAlignment::Centre << -1;
        // clang-format on
    }
    void cellPainterAlignment()
    {
        QFETCH(ui::CellAlignment, alignment);
        QFETCH(int, left);
        QImage image(100, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        const QRect cell(10, 10, 60, 16);
        {
            QPainter p(&image);
            ui::paintCell(p, cell, QStringLiteral("Ü 3"), Fill, Qt::black, font, alignment, false);
        }
        QCOMPARE(image.pixelColor(cell.bottomLeft()), Fill);
        QCOMPARE(image.pixelColor(cell.topRight()), Fill);
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        const QRect text = darkPixels(image);
        QVERIFY(cell.contains(text));
        QVERIFY(text.top() <= cell.top() + 4); // top-aligned
        if (left > 0)
            QVERIFY(std::abs(text.left() - left) <= 2);
        else if (left == -2)
            QVERIFY(std::abs(text.right() - (cell.right() - 2)) <= 2);
        else
            QVERIFY(std::abs(text.center().x() - cell.center().x()) <= 2);
    }

    void cellPainterWrapsOrClips()
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        const QRect cell(0, 0, 40, 40);
        const QString text = QStringLiteral("WWW WWW WWW");
        for (bool wrap : {false, true}) {
            QImage image(80, 60, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter p(&image);
                ui::paintCell(p, cell, text, Fill, Qt::black, font, ui::CellAlignment::Left, wrap);
            }
            const QRect dark = darkPixels(image);
            QVERIFY(cell.contains(dark));       // clipped to the cell
            QCOMPARE(dark.bottom() > 18, wrap); // a second line only when wrapping
        }
    }

    // Selected cells keep the grid's selection colour.
    void delegateShowsTheSelection()
    {
        QTableWidget grid(2, 2);
        grid.setItemDelegate(new ui::CellPainterDelegate(ui::CellAlignment::Centre, false, &grid));
        QPalette pal = grid.palette();
        pal.setColor(QPalette::Base, Fill);
        pal.setColor(QPalette::Highlight, QColor(0, 0, 128));
        pal.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0, 0, 128));
        grid.setPalette(pal);
        grid.horizontalHeader()->hide();
        grid.verticalHeader()->hide();
        for (int i = 0; i < 4; ++i)
            grid.setItem(i / 2, i % 2, new QTableWidgetItem(QString::number(i)));
        grid.resize(200, 100);
        grid.setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
        grid.item(0, 0)->setSelected(true);
        grid.item(1, 1)->setSelected(true);
        const QImage image = grid.viewport()->grab().toImage();
        auto at = [&](int row, int column) {
            return image.pixelColor(grid.visualItemRect(grid.item(row, column)).topLeft() + QPoint(3, 3));
        };
        QCOMPARE(at(1, 1), QColor(0, 0, 128));
        QCOMPARE(at(0, 1), Fill);
        QCOMPARE(at(0, 0), Fill); // the current cell stays readable
    }
};

ZM_SCALES_TEST_MAIN(TestWindowPrint)
#include "tst_windowprint.moc"
