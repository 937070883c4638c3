// The three-band, four-band and fifteen-point calculators and their strips
// through their widgets: the worked values, the marks on entering a field,
// own values loaded at creation, saved, refused and restored; the strips'
// cells, titles, refilling, placement, grid lines and printing.

#include "app/forms.h"
#include "common/errorreport.h"
#include "scales/percentcalculator.h"
#include "scales/resultstrip.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

using namespace zm;
using zm::scales::PercentCalculator;
using zm::scales::ResultStrip;

namespace {
const QString Own = QStringLiteral("  Du benutzt eigene %-Werte!");
const QString Changed = QStringLiteral("...veränderte Werte speichern?");
} // namespace

class TestBandCalculators : public QObject
{
    Q_OBJECT

    test::Program program;
    QString folder;
    QString pdfPath;

    static PercentCalculator *showCalculator(const QString &name)
    {
        auto *calc = qobject_cast<PercentCalculator *>(app::window(name));
        calc->show();
        return QTest::qWaitForWindowActive(calc) ? calc : nullptr;
    }
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void click(QWidget *w, const QString &name)
    {
        auto *button = w->findChild<QAbstractButton *>(name);
        const bool box = qobject_cast<QRadioButton *>(button) || qobject_cast<QCheckBox *>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, box ? QPoint(8, button->height() / 2) : button->rect().center());
    }
    // The calculator's thresholds or minimum scores.
    static QStringList texts(const PercentCalculator *calc, bool minimums)
    {
        QStringList out;
        for (int n = 0; n < calc->bands(); ++n)
            out << (minimums ? calc->minimumText(n) : calc->thresholdText(n));
        return out;
    }
    static QStringList stripRow(const ResultStrip *strip, int row)
    {
        QStringList out;
        for (int c = 0; c < strip->StringGrid1->columnCount(); ++c)
            out << strip->cell(c, row);
        return out;
    }
    static QPoint cellCentre(const ResultStrip *strip, int column, int row)
    {
        return strip->StringGrid1->visualItemRect(strip->StringGrid1->item(row, column)).center();
    }
    static QColor colour(const QLineEdit *field) { return field->palette().color(QPalette::Base); }
    QByteArray fileBytes(const QString &name) const
    {
        QFile f(folder + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        folder = qEnvironmentVariable("HOME") + "/Zensomat";
        pdfPath = qEnvironmentVariable("HOME") + "/strip.pdf";
    }
    void init()
    {
        QDir(folder).removeRecursively();
        QFile::remove(pdfPath);
        print::setPrinterProvider([this] { return test::pdfPrinter(pdfPath); });
        program.start();
    }
    void cleanup()
    {
        program.stop();
        print::setPrinterProvider({});
    }

    void workedValues_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("rounding");     // radio button clicked afterwards; empty: the start choice
        QTest::addColumn<int>("track");            // track-bar position set afterwards; -1: untouched
        QTest::addColumn<bool>("inclusive");       // "Prozentgrenze inclusiv" checked afterwards
        QTest::addColumn<QStringList>("typed");    // thresholds of the first bands, set afterwards
        QTest::addColumn<QStringList>("expected"); // the first minimum scores

        const QStringList none;
        const QStringList halves = {"11,65", "11,25", "42,5", "43,5", "42,25"};
        // clang-format off
        QTest::newRow("e te ne, 40")         << "Form8"  << "40"  << "RadioButton8" << -1 << false << none
                                             << QStringList{"30,0", "20,0", "0,0"};
        QTest::newRow("e te ne, 25")         << "Form8"  << "25"  << "RadioButton8" << -1 << false << none
                                             << QStringList{"18,8", "12,5", "0,0"};
        QTest::newRow("e te ne, 25, whole")  << "Form8"  << "25"  << ""             << -1 << false << none
                                             << QStringList{"19", "13", "0"};
        QTest::newRow("4 Stufen, 40")        << "Form19" << "40"  << ""             << -1 << false << none
                                             << QStringList{"30", "20", "12", "0"};
        QTest::newRow("4 Stufen, milder")    << "Form19" << "40"  << "RadioButton8" << 0  << false << none
                                             << QStringList{"27,0"};
        // A threshold set after the score recomputes at once.
        QTest::newRow("4 Stufen, lifted")    << "Form19" << "100" << ""             << -1 << false
                                             << QStringList{"20,499"} << QStringList{"21"};
        QTest::newRow("Gymi, 60")            << "Form10" << "60"  << ""             << -1 << false << none
                                             << QStringList{"57,3", "54,3", "51,3", "48,3", "45,3", "42,3", "39,3", "36,3",
                                                            "33,3", "30,3", "27,3", "24,3", "21,3", "18,3", "11,7", "0,0"};
        QTest::newRow("Gymi, 60, inclusive") << "Form10" << "60"  << ""             << -1 << true  << none
                                             << QStringList{"57,0", "54,0", "51,0", "48,0", "45,0", "42,0", "39,0", "36,0",
                                                            "33,0", "30,0", "27,0", "24,0", "21,0", "18,0", "11,4", "0,0"};
        // No lift for whole points: halves round to even.
        QTest::newRow("Gymi, halves, whole") << "Form10" << "100" << "RadioButton1" << -1 << true  << halves
                                             << QStringList{"12", "11", "42", "44", "42"};
        QTest::newRow("Gymi, halves, 1 dec.")<< "Form10" << "100" << ""             << -1 << true  << halves
                                             << QStringList{"11,6", "11,2", "42,5", "43,5", "42,2"};
        // clang-format on
    }
    // Every change after the score (rounding, track bar, check box,
    // thresholds) recomputes at once.
    void workedValues()
    {
        QFETCH(QString, form);
        QFETCH(QString, maximum);
        QFETCH(QString, rounding);
        QFETCH(int, track);
        QFETCH(bool, inclusive);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, expected);
        PercentCalculator *calc = showCalculator(form);
        QVERIFY(calc);
        type(calc->Punktezahl, maximum);
        if (!rounding.isEmpty())
            click(calc, rounding);
        if (track >= 0)
            calc->findChild<QSlider *>("TrackBar1")->setValue(track);
        if (inclusive)
            click(calc, "CheckBox1");
        for (int n = 0; n < typed.size(); ++n)
            ui::guarded([&] { ui::setText(calc->threshold(n), typed.at(n)); });
        QCOMPARE(texts(calc, true).first(expected.size()), expected);
        QCOMPARE(program.recorder.boxes.size(), 0);
        if (!inclusive)
            return;
        // Unchecked again: every grade but 00 lies half a percentage point higher.
        auto *head = calc->findChild<QLabel *>("Label11");
        QCOMPARE(head->text(), QString("ab x%"));
        const QStringList before = texts(calc, true);
        click(calc, "CheckBox1");
        QCOMPARE(head->text(), QString("über x%"));
        QCOMPARE(calc->minimumText(15), before.last());
        if (rounding.isEmpty())
            QVERIFY(calc->minimumText(0) != before.first());
    }

    void ownValues_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("ownFile"); // null: none
        QTest::addColumn<QString>("startMinimum");
        QTest::addColumn<QStringList>("loaded"); // the first threshold texts after creation
        QTest::addColumn<QString>("unknown");    // shows "???" once the last field is entered

        QFile damaged(qEnvironmentVariable("ZENSOMAT_TEST_DATA") + "/ctrl_z.ini");
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        const QString blanks(10, QLatin1Char(' '));
        // clang-format off
        QTest::newRow("e te ne, defaults")   << "Form8"  << "etene.ini" << QByteArray() << blanks
                                             << QStringList{"75", "50", "0"} << "ue3bedarf";
        QTest::newRow("e te ne, short file") << "Form8"  << "etene.ini" << QByteArray("80\r\n") << blanks
                                             << QStringList{"80", "", ""} << "ue3bedarf";
        QTest::newRow("4 Stufen, defaults")  << "Form19" << "4er.ini"   << QByteArray() << " "
                                             << QStringList{"75", "50", "30", "0"} << "ue4bedarf";
        QTest::newRow("4 Stufen, LF only")   << "Form19" << "4er.ini"   << QByteArray("60\n40\n") << " "
                                             << QStringList{"60\n40\n", "", "", ""} << "ue4bedarf";
        QTest::newRow("Gymi, defaults")      << "Form10" << "p15.ini"   << QByteArray() << " "
                                             << QStringList{"95", "90", "85"} << "n0note";
        QTest::newRow("Gymi, damaged file")  << "Form10" << "p15.ini"   << damaged.readAll() << " "
                                             << QStringList{"95", "84,5", "abc", ""} << "n0note";
        // clang-format on
    }
    // Loading at creation, the marks, saving, a refused save, restoring.
    void ownValues()
    {
        QFETCH(QString, form);
        QFETCH(QString, file);
        QFETCH(QByteArray, ownFile);
        QFETCH(QString, startMinimum);
        QFETCH(QStringList, loaded);
        QFETCH(QString, unknown);
        if (!ownFile.isNull()) {
            program.stop();
            QFile f(folder + "/" + file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ownFile) == ownFile.size());
            f.close();
            program.start();
        }
        PercentCalculator *calc = showCalculator(form);
        QVERIFY(calc);
        QCOMPARE(calc->windowTitle(), ownFile.isNull() ? QString("  Es gelten die Vorgabewerte.") : Own);
        QCOMPARE(texts(calc, false).first(loaded.size()), loaded);
        QCOMPARE(texts(calc, true), QStringList(calc->bands(), startMinimum));
        // A loaded text that is not a number keeps every result as it was.
        type(calc->Punktezahl, "40");
        QCOMPARE(texts(calc, true) == QStringList(calc->bands(), startMinimum), !ownFile.isNull());

        // Entering the first field asks to save; the last one turns red with "???".
        const int last = calc->bands() - 1;
        calc->threshold(0)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(colour(calc->threshold(0)), QColor(0, 255, 255));
        QCOMPARE(calc->windowTitle(), Changed);
        calc->threshold(last)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(colour(calc->threshold(last)), QColor(255, 0, 0));
        QCOMPARE(calc->findChild<QLabel *>(unknown)->text(), QString("???"));
        QCOMPARE(calc->windowTitle(), Changed);

        // Saving writes every field as it stands and says where.
        click(calc, "Button2");
        QCOMPARE(program.recorder.texts(), QStringList{"Der Speicherort für eigene Prozentwerte ist: " + folder + "!"});
        const QByteArray saved = (texts(calc, false).join("\r\n") + "\r\n").toLatin1();
        QCOMPARE(fileBytes(file), saved);
        QCOMPARE(calc->windowTitle(), Own);
        QCOMPARE(colour(calc->threshold(last)), QApplication::palette().color(QPalette::Base));

        // A save that cannot write reports it and keeps the old file.
        QVERIFY(QFile::setPermissions(folder + "/" + file, QFileDevice::ReadOwner));
        type(calc->threshold(0), "1");
        click(calc, "Button2");
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(program.recorder.boxes.last().text.startsWith("E/A-Fehler "));
        QCOMPARE(fileBytes(file), saved);
        QCOMPARE(calc->windowTitle(), Changed);

        // Restoring deletes the file and restarts without a word.
        const qsizetype boxes = program.recorder.boxes.size();
        click(calc, "Button3");
        QVERIFY(!QFile::exists(folder + "/" + file));
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
        QVERIFY(!app::window("Form1")->isVisible());
        QCOMPARE(program.recorder.boxes.size(), boxes);
    }

    void strips_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("stripName");
        QTest::addColumn<QString>("title");   // with the score 40
        QTest::addColumn<QString>("heading"); // Label1 with the score 40; null: none
        QTest::addColumn<QString>("footer");  // Label2; null: none
        QTest::addColumn<QStringList>("heads");
        QTest::addColumn<QSize>("cellSize"); // column width and row height
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<bool>("besideMainMenu");

        QStringList grades{""};
        for (int grade = 15; grade >= 1; --grade)
            grades << QStringLiteral("%1").arg(grade, 2, 10, QLatin1Char('0'));
        const QString table40 = QStringLiteral("Tabelle für 40 Punkte.");
        // clang-format off
        QTest::newRow("e, te, ne") << "Form8" << "Form9" << "e, te, ne" << table40
                                   << "erreicht -- teilweise erreicht -- nicht erreicht"
                                   << QStringList{"", "e", "te", "ne"} << QSize(40, 16) << 2 << false;
        QTest::newRow("4 Stufen")  << "Form19" << "Form20" << "4 Stufen" << table40 << QString()
                                   << QStringList{"", "sicher", "überw.s.", "teilw.s.", "unsicher"}
                                   << QSize(45, 18) << 1 << false;
        QTest::newRow("Gymi")      << "Form10" << "Form11" << table40 << QString() << QString()
                                   << grades << QSize(28, 16) << 1 << true;
        // clang-format on
    }
    void strips()
    {
        QFETCH(QString, form);
        QFETCH(QString, stripName);
        QFETCH(QString, title);
        QFETCH(QString, heading);
        QFETCH(QString, footer);
        QFETCH(QStringList, heads);
        QFETCH(QSize, cellSize);
        QFETCH(int, lineWidth);
        QFETCH(bool, besideMainMenu);
        auto *strip = qobject_cast<ResultStrip *>(app::window(stripName));
        auto *label1 = strip->findChild<QLabel *>("Label1");
        auto *label2 = strip->findChild<QLabel *>("Label2");
        QCOMPARE(label1 != nullptr, !heading.isNull());
        QCOMPARE(label2 ? label2->text() : QString(), footer);
        // The strip copies the calculator's texts, minimum scores as shown.
        PercentCalculator *calc = showCalculator(form);
        QVERIFY(calc);
        const auto copied = [&](int row) {
            QStringList out{row == 1 ? "%" : "ab"};
            for (int band = 0; band < heads.size() - 1; ++band)
                out << (row == 1 ? calc->thresholdText(band) : calc->minimumText(band));
            return out;
        };

        // Opened with no score: nothing stands between the two blanks.
        click(calc, "Button1");
        QVERIFY(QTest::qWaitForWindowExposed(strip));
        QVERIFY(!calc->isVisible());
        QVERIFY(program.recorder.texts().value(0).startsWith("Gleich erscheint eine kleine Tabelle.\n"));
        const QString empty = QStringLiteral("Tabelle für  Punkte.");
        QCOMPARE(strip->windowTitle(), heading.isNull() ? empty : title);
        QCOMPARE(label1 ? label1->text() : QString(), heading.isNull() ? QString() : empty);
        QCOMPARE(stripRow(strip, 0), heads);
        QCOMPARE(stripRow(strip, 1), copied(1));
        QCOMPARE(stripRow(strip, 2), copied(2));
        QCOMPARE(strip->StringGrid1->columnWidth(heads.size() - 1), cellSize.width());
        QCOMPARE(strip->StringGrid1->rowHeight(2), cellSize.height());

        // A click into the open strip copies the calculator again (and
        // follows the main menu where the strip sits beside it).
        ui::guarded([&] { ui::setText(calc->Punktezahl, "40"); });
        QWidget *menu = app::window("Form1");
        menu->move(menu->pos() + QPoint(30, 20));
        QTest::mouseClick(strip->StringGrid1->viewport(), Qt::LeftButton, {}, cellCentre(strip, 1, 1));
        QCOMPARE(strip->windowTitle(), title);
        QCOMPARE(label1 ? label1->text() : QString(), heading);
        QCOMPARE(stripRow(strip, 2), copied(2));
        QVERIFY(!strip->cell(1, 2).trimmed().isEmpty());
        QCOMPARE(strip->pos() == menu->pos() + QPoint(116, 0), besideMainMenu);

        // The lines between the cells are `lineWidth` pixels wide.
        const QImage grid = strip->StringGrid1->viewport()->grab().toImage();
        const int edge = strip->StringGrid1->columnWidth(0) - 1;
        const int y = cellCentre(strip, 0, 1).y();
        for (int k = 1; k < lineWidth; ++k)
            QCOMPARE(grid.pixelColor(edge - k, y), grid.pixelColor(edge, y));
        QVERIFY(grid.pixelColor(edge - lineWidth, y) != grid.pixelColor(edge, y));

        // A double click prints one page and closes the strip.
        QTest::mouseDClick(strip->StringGrid1->viewport(), Qt::LeftButton, {}, cellCentre(strip, 2, 1));
        QCOMPARE(program.recorder.criticalCount(), 0);
        QVERIFY(!strip->isVisible());
        QVERIFY(QFile::exists(pdfPath));
        if (test::popplerAvailable())
            QCOMPARE(test::pdfPageCount(pdfPath), 1);
    }
};

ZM_SCALES_TEST_MAIN(TestBandCalculators)
#include "tst_band_calculators.moc"
