// The two bases with made-up calculators: a new calculator is a definition,
// the positions of its controls and its own handlers; a new strip is its
// layout.

#include "scales/percentcalculator.h"
#include "scales/resultstrip.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zm;
using namespace zm::scales;

namespace {

// Three bands of the lifted pattern, marking the last field red with "???"
// in its minimum; or four bands of the offset pattern, marking the last
// caption, starting with one decimal and without a track bar.
CalculatorDefinition madeUp(bool offsetRule)
{
    const int n = offsetRule ? 4 : 3;
    CalculatorDefinition d;
    d.thresholdNames = numbered(QStringLiteral("p%1"), 1, n);
    d.minimumNames = numbered(QStringLiteral("m%1"), 1, n);
    d.captionNames = numbered(QStringLiteral("c%1"), 1, n);
    d.startCaptions = numbered(QStringLiteral("B%1"), 1, n);
    d.startThresholds = offsetRule ? QStringList{"90", "60", "30", "0"} : QStringList{"75", "50", "0"};
    d.entryMarks = QList<EntryMark>(n - 1, EntryMark::AquaChanged)
                   << (offsetRule ? EntryMark::RedUnknownCaption : EntryMark::RedUnknownMinimum);
    d.rule = offsetRule ? MinimumRule::Offset : MinimumRule::Lifted;
    d.startRounding = offsetRule ? Rounding::OneDecimal : Rounding::WholePoints;
    ScaleDefinition scale;
    scale.file = offsetRule ? QStringLiteral("made4.ini") : QStringLiteral("made3.ini");
    scale.linesRead = n;
    scale.strip.heads = numbered(QStringLiteral("b%1"), 1, n);
    d.scales = {scale};
    d.strip.columns = n + 1;
    d.strip.titlePattern = QStringLiteral("max. %1");
    return d;
}

class MadeUpCalculator : public PercentCalculator
{
public:
    MadeUpCalculator(const CalculatorDefinition &d, bool offsetRule)
        : PercentCalculator(d, behaviourFor(offsetRule))
        , m_offsetRule(offsetRule)
    {
        setObjectName(offsetRule ? QStringLiteral("Made4") : QStringLiteral("Made3"));
        setFixedSize(460, 240);
        buildBandColumn({});
        buildScoreField({240, 10, 80, 24}, {});
        if (!offsetRule)
            buildTrackBar({240, 40, 196, 30}, {"L1", "milder", {240, 70, 80, 16}},
                          {"L2", "strenger", {356, 70, 80, 16}});
        buildRounding({240, 90, 200, 60}, {"R1", "Punktzahl runden", {8, 8, 180, 22}},
                      {"R2", "..nicht runden", {8, 32, 180, 22}});
        buildButtons({"Button1", "Ergebnistabelle drucken", {240, 160, 196, 24}},
                     {"Button2", "eigene % - Werte speichern", {240, 186, 196, 24}},
                     {"Button3", "% - Vorgabe wiederherstellen", {240, 212, 196, 24}});
        finishBuilding();
        loadOwnValues(definition().scales.front());
    }

protected:
    Fixed boundaryOffset() const override { return m_offsetRule ? parseFixed(QStringLiteral("0,5")) : Fixed(); }

private:
    static Behaviour behaviourFor(bool offsetRule)
    {
        Behaviour b;
        b.strip = offsetRule ? QStringLiteral("Strip4") : QStringLiteral("Strip3");
        b.startMinimum = QStringLiteral(" ");
        return b;
    }
    bool m_offsetRule;
};

ResultStrip::Layout stripFor(bool offsetRule)
{
    ResultStrip::Layout l;
    l.source = offsetRule ? QStringLiteral("Made4") : QStringLiteral("Made3");
    l.clientSize = {200, 60};
    return l;
}

} // namespace

class TestPercentCalculator : public QObject
{
    Q_OBJECT

    test::Program program;
    QString folder;

    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static QStringList texts(const QWidget &w, const QStringList &names)
    {
        QStringList out;
        for (const QString &name : names)
            out << w.findChild<QWidget *>(name)->property("text").toString();
        return out;
    }

private slots:
    void initTestCase() { folder = qEnvironmentVariable("HOME") + "/Zensomat"; }
    void init()
    {
        QDir(folder).removeRecursively();
        program.start();
    }
    void cleanup()
    {
        program.stop();
        print::setPrinterProvider({});
    }

    void madeUpCalculators_data()
    {
        // clang-format off
        QTest::addColumn<bool>("offsetRule");
        QTest::addColumn<QByteArray>("ownFile"); // empty: none
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QStringList>("minimums");
        QTest::addColumn<QString>("title");
        QTest::newRow("lifted, defaults")      << false << QByteArray() << "25" << QStringList{"19", "13", "0"}
                                               << "  Es gelten die Vorgabewerte.";
        QTest::newRow("lifted, own values")    << false << QByteArray("80\r\n40\r\n0\r\n") << "25"
                                               << QStringList{"20", "10", "0"} << "  Du benutzt eigene %-Werte!";
        QTest::newRow("offset, defaults")      << true << QByteArray() << "60" << QStringList{"54,3", "36,3", "18,3", "0,0"}
                                               << "  Es gelten die Vorgabewerte.";
        QTest::newRow("offset, own values")    << true << QByteArray("95\n") << "60" << QStringList{"54,3", "36,3", "18,3", "0,0"}
                                               << "  Du benutzt eigene %-Werte!";
        // clang-format on
    }
    // Loading at creation, computing, marking the last field, the strip's
    // cells, saving and restoring: all from the definition.
    void madeUpCalculators()
    {
        QFETCH(bool, offsetRule);
        QFETCH(QByteArray, ownFile);
        QFETCH(QString, maximum);
        QFETCH(QStringList, minimums);
        QFETCH(QString, title);
        const CalculatorDefinition d = madeUp(offsetRule);
        if (!ownFile.isEmpty()) {
            QFile f(folder + "/" + d.scales.front().file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ownFile);
        }
        ResultStrip strip(offsetRule ? "Strip4" : "Strip3", d.strip, stripFor(offsetRule));
        MadeUpCalculator calc(d, offsetRule);
        QCOMPARE(calc.windowTitle(), title);
        QCOMPARE(texts(calc, d.minimumNames), QStringList(d.bands(), " "));
        // An LF-only file is one line: its other fields read empty and the
        // computation stays silent until they are mended.
        const bool lfOnly = ownFile.contains('\n') && !ownFile.contains('\r');
        calc.show();
        QVERIFY(QTest::qWaitForWindowActive(&calc));
        type(calc.Punktezahl, maximum);
        if (lfOnly) {
            QCOMPARE(texts(calc, d.minimumNames), QStringList(d.bands(), " "));
            for (int n = 0; n < d.bands(); ++n)
                calc.threshold(n)->setText(d.startThresholds.at(n));
        }
        QCOMPARE(texts(calc, d.minimumNames), minimums);

        // Entering the last field marks it red and shows "???".
        const int last = d.bands() - 1;
        calc.threshold(last)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(calc.threshold(last)->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE((offsetRule ? calc.caption(last) : calc.minimum(last))->text(), QString("???"));
        // Entering another field asks to save the changes.
        calc.threshold(0)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(calc.windowTitle(), QString("...veränderte Werte speichern?"));

        // The strip copies heads, thresholds and minimums and names the score.
        QTest::mouseClick(calc.findChild<QPushButton *>("Button1"), Qt::LeftButton);
        QVERIFY(!calc.isVisible());
        QCOMPARE(program.recorder.texts().last().left(37), QString("Gleich erscheint eine kleine Tabelle."));
        QCOMPARE(strip.windowTitle(), "max. " + maximum);
        for (int n = 0; n < d.bands(); ++n) {
            QCOMPARE(strip.cell(n + 1, 0), QString("b%1").arg(n + 1));
            QCOMPARE(strip.cell(n + 1, 1), calc.threshold(n)->text());
            QCOMPARE(strip.cell(n + 1, 2), calc.minimum(n)->text());
        }
        QCOMPARE(strip.cell(0, 2), QString("ab"));

        // Saving writes every field as a line; restoring deletes and restarts.
        calc.show();
        QTest::mouseClick(calc.findChild<QPushButton *>("Button2"), Qt::LeftButton);
        QFile saved(folder + "/" + d.scales.front().file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), (texts(calc, d.thresholdNames).join("\r\n") + "\r\n").toLatin1());
        saved.close();
        QCOMPARE(calc.windowTitle(), QString("  Du benutzt eigene %-Werte!"));
        QTest::mouseClick(calc.findChild<QPushButton *>("Button3"), Qt::LeftButton);
        QVERIFY(!QFile::exists(saved.fileName()));
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
    }
};

ZM_SCALES_TEST_MAIN(TestPercentCalculator)
#include "tst_percentcalculator.moc"
