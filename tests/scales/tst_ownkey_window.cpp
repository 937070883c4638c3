// The own grading key's window and strip: opened from the main menu, the
// templates with their rows, the rounding steps, a typed threshold, saving,
// loading a sound or a damaged file and restoring.

#include "app/mainmenu.h"
#include "scales/ownkeycalculator.h"
#include "scales/ownkeytable.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace zm;

namespace {

const QString Defaults = QStringLiteral("  Es gelten die Vorgabewerte.");
const QString Own = QStringLiteral("  Du benutzt eigene %-Werte!");
const QString Changed = QStringLiteral("...veränderte Werte speichern?");

// Template 1, break point 50, top 95, whole points, then the sixteen fields.
const QByteArray DefaultBytes =
    "1\r\n50\r\n95\r\n1\r\n95\r\n80\r\n65\r\n50\r\n25\r\n0\r\n" + QByteArray("0\r\n").repeated(10);

} // namespace

class TestOwnKeyWindow : public QObject
{
    Q_OBJECT

    test::Program program;
    QString folder;

    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void click(QWidget *window, const QString &name)
    {
        QTest::mouseClick(window->findChild<QAbstractButton *>(name), Qt::LeftButton);
    }
    // Built by the main menu's button, not at start-up.
    static OwnKeyCalculator *openFromMenu()
    {
        if (app::window("EigenerSchluessel") || !app::forms().form1->ButtonSchluessel->isEnabled())
            return nullptr;
        app::forms().form1->ButtonSchluessel->click();
        return qobject_cast<OwnKeyCalculator *>(app::window("EigenerSchluessel"));
    }
    static QStringList shownMinimums(const OwnKeyCalculator &calc)
    {
        QStringList out;
        for (int n = 0; n < calc.bands(); ++n) {
            if (calc.minimum(n)->isVisibleTo(&calc))
                out << calc.minimumText(n);
        }
        return out;
    }
    // Null while there is no file.
    QByteArray savedBytes() const
    {
        QFile file(folder + "/eigenerschluessel.ini");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { folder = qEnvironmentVariable("HOME") + "/Zensomat"; }
    void init()
    {
        QDir(folder).removeRecursively();
        program.start();
    }
    void cleanup() { program.stop(); }

    void templates_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("rounding");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QStringList>("minimums");
        QTest::addColumn<QString>("title"); // of the strip
        // clang-format off
        QTest::newRow("grades")              << 0 << "RundungGanz" << "40" << QStringList{"38", "32", "26", "20", "10", "0"}
                                             << "Noten 1 bis 6, 40 Punkte";
        QTest::newRow("grades, half points") << 0 << "RundungHalb" << "37"
                                             << QStringList{"35,0", "29,5", "24,0", "18,5", "9,5", "0,0"}
                                             << "Noten 1 bis 6, 37 Punkte";
        QTest::newRow("points, one decimal") << 2 << "RundungZehntel" << "60"
                                             << QStringList{"57,0", "54,3", "51,6", "48,9", "46,2", "43,5", "40,8", "38,1",
                                                            "35,4", "32,7", "30,0", "24,0", "18,0", "12,0", "6,0", "0,0"}
                                             << "Punkte 15 bis 0, 60 Punkte";
        // clang-format on
    }
    // Choosing a template spreads its thresholds over the rows it shows; the
    // strip shows one column per band; a typed threshold wins over the spread
    // until the break point changes; a field that is not a number is not saved.
    void templates()
    {
        QFETCH(int, key);
        QFETCH(QString, rounding);
        QFETCH(QString, maximum);
        QFETCH(QStringList, minimums);
        QFETCH(QString, title);
        OwnKeyCalculator *calc = openFromMenu();
        QVERIFY(calc && calc->isVisible());
        QCOMPARE(calc->windowTitle(), Defaults);
        calc->Vorlage->setCurrentIndex(key);
        click(calc, rounding);
        QCOMPARE(calc->windowTitle(), key == 0 && rounding == "RundungGanz" ? Defaults : Changed);
        type(calc->Punktezahl, maximum);
        QCOMPARE(shownMinimums(*calc), minimums);

        click(calc, "Button1");
        auto *strip = qobject_cast<OwnKeyTable *>(app::window("EigenerSchluesselTabelle"));
        QVERIFY(strip && strip->isVisible() && !calc->isVisible());
        QCOMPARE(strip->windowTitle(), title);
        QCOMPARE(strip->StringGrid1->columnCount(), minimums.size() + 1);
        for (int n = 0; n < minimums.size(); ++n) {
            QCOMPARE(strip->cell(n + 1, 0), calc->caption(n)->text());
            QCOMPARE(strip->cell(n + 1, 1), calc->thresholdText(n));
            QCOMPARE(strip->cell(n + 1, 2), minimums.at(n));
        }

        calc->show();
        calc->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calc));
        type(calc->threshold(1), calc->thresholdText(0));
        QCOMPARE(calc->minimumText(1), minimums.first());
        QCOMPARE(calc->windowTitle(), Changed);
        type(calc->Knick, "40");
        QVERIFY(calc->thresholdText(1) != calc->thresholdText(0));

        type(calc->Spitze, "x");
        click(calc, "Button2");
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(savedBytes().isNull());
    }

    void ownValues_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: none
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("reports");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("saved"); // what saving at once writes
        const QByteArray own =
            "2\r\n40\r\n90\r\n2\r\n"
            "90\r\n86\r\n82\r\n78\r\n74\r\n70\r\n66\r\n62\r\n58\r\n54\r\n50\r\n40\r\n30\r\n20\r\n10\r\n0\r\n";
        QByteArray letters = own;
        letters.replace("74\r\n", "7a\r\n");
        // clang-format off
        QTest::newRow("none")             << QByteArray() << Defaults << 0 << 6 << DefaultBytes;
        QTest::newRow("own key")          << own << Own << 0 << 16 << own;
        QTest::newRow("short file")       << own.left(12) << Defaults << 1 << 6 << DefaultBytes;
        QTest::newRow("unknown template") << QByteArray("4" + own.mid(1)) << Defaults << 1 << 6 << DefaultBytes;
        QTest::newRow("unknown rounding") << QByteArray(own).replace("90\r\n2\r\n", "90\r\n0\r\n") << Defaults << 1 << 6
                                          << DefaultBytes;
        QTest::newRow("letters")          << letters << Defaults << 1 << 6 << DefaultBytes;
        // clang-format on
    }
    // Loading when the window is first built, saving every setting, restoring.
    void ownValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, title);
        QFETCH(int, reports);
        QFETCH(int, rows);
        QFETCH(QByteArray, saved);
        if (!file.isNull()) {
            QFile f(folder + "/eigenerschluessel.ini");
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        }
        OwnKeyCalculator *calc = openFromMenu();
        QVERIFY(calc);
        QCOMPARE(program.recorder.criticalCount(), reports);
        QCOMPARE(calc->windowTitle(), title);
        int shown = 0;
        for (int n = 0; n < calc->bands(); ++n)
            shown += calc->threshold(n)->isVisibleTo(calc);
        QCOMPARE(shown, rows);

        click(calc, "Button2");
        QCOMPARE(savedBytes(), saved);
        QCOMPARE(calc->windowTitle(), Own);
        QCOMPARE(program.recorder.texts().last(), "Der Speicherort für eigene Prozentwerte ist: " + folder + "!");

        click(calc, "Button3");
        QVERIFY(!QFile::exists(folder + "/eigenerschluessel.ini"));
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
    }
};

ZM_SCALES_TEST_MAIN(TestOwnKeyWindow)
#include "tst_ownkey_window.moc"
