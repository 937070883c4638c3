#include "common/errorreport.h"

#include "scales/scalestest.h"
#include "support/gui.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace zm;

namespace {

const QColor Red("#FF0000");
const QColor Green("#008000");

template <class T = QLineEdit> T *find(const QString &window, const QString &name)
{
    T *w = test::Program::control<T>(window, name);
    if (!w)
        qFatal("no control %s.%s", qPrintable(window), qPrintable(name));
    return w;
}

// The level distributor's Edit1 … Edit7: levels, total, shares.
QStringList distributorFields()
{
    QStringList out;
    for (int n = 1; n <= 7; ++n)
        out << find("Form12", QString("Edit%1").arg(n))->text();
    return out;
}

QColor frame()
{
    return find<QWidget>("Form12", "Panel1")->palette().color(QPalette::Window);
}

// Replaces a field's text as the teacher would, one keystroke at a time.
void typeInto(const QString &name, const QString &value)
{
    QLineEdit *e = find("Form12", name);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, value);
}

void click(const QString &window, const QString &name)
{
    QTest::mouseClick(find<QWidget>(window, name), Qt::LeftButton);
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {path, "-"});
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : "";
}

} // namespace

class TestMiscWindows : public QObject
{
    Q_OBJECT

    test::Program program;
    QTemporaryDir printDir;

    QStringList boxes() const { return program.recorder.texts(); }
    static QTextEdit *helpText() { return find<QTextEdit>("Form15", "RichEdit1"); }

private slots:
    void init()
    {
        QDir(qEnvironmentVariable("HOME")).removeRecursively();
        QDir().mkpath(qEnvironmentVariable("HOME"));
        program.start();
    }
    void cleanup()
    {
        print::setPrinterProvider(nullptr);
        program.stop();
    }

    // The main menu and the essay window open these windows once they exist.
    void openers_data()
    {
        // clang-format off
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opens");
        QTest::newRow("Niveauverteiler")    << "Form1"  << "Button2"  << "Form12";
        QTest::newRow("60% zu 40%")         << "Form1"  << "Button3"  << "Form13";
        QTest::newRow("Informationen")      << "Form1"  << "Button8"  << "Form15";
        QTest::newRow("Diktat")             << "Form14" << "Button7"  << "Form12";
        QTest::newRow("Hilfe zum Programm") << "Form14" << "Button13" << "Form15";
        // clang-format on
    }
    void openers()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, opens);
        app::window(window)->show();
        QVERIFY(find<QWidget>(window, button)->isEnabled());
        click(window, button);
        QVERIFY(app::window(opens)->isVisible());
    }

    void levelsTyped_data()
    {
        // clang-format off
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("typed"); // into Edit1 … Edit3, in order; "" types nothing
        QTest::addColumn<QStringList>("shown"); // Edit1 … Edit7
        QTest::addColumn<QColor>("colour");
        const QStringList split{"50", "38", "12", "100", "50,00", "38,00", "12,00"};
        QTest::newRow("G = 50 completes") << true  << QStringList{"50", "", ""} << split << Green;
        QTest::newRow("E = 38 completes") << true  << QStringList{"", "38", ""} << split << Green;
        QTest::newRow("Z = 12 completes") << true  << QStringList{"", "", "12"} << split << Green;
        QTest::newRow("53/35/12 by hand") << false << QStringList{"53", "35", "12"}
                                          << QStringList{"53", "35", "12", "100", "53,00", "35,00", "12,00"} << Red;
        QTest::newRow("a level empty")    << false << QStringList{"50", "38", ""}
                                          << QStringList{"50", "38", "", "88", "", "", ""} << Red;
        // "5" completes to 4 and 1 (40 % is outside); the "x" then stops silently.
        QTest::newRow("not a number")     << true  << QStringList{"5x", "", ""}
                                          << QStringList{"5x", "4", "1", "10", "50,00", "40,00", "10,00"} << Red;
        // clang-format on
    }
    void levelsTyped()
    {
        QFETCH(bool, complete);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        QFETCH(QColor, colour);
        QCOMPARE(frame(), Red);
        if (!complete)
            click("Form12", "CheckBox1");
        for (int i = 0; i < 3; ++i) {
            if (!typed[i].isEmpty())
                typeInto(QString("Edit%1").arg(i + 1), typed[i]);
        }
        QCOMPARE(distributorFields(), shown);
        QCOMPARE(frame(), colour);
        QCOMPARE(find<QLabel>("Form12", "Label5")->text(), QString("Anteil:"));
        QVERIFY(boxes().isEmpty());
    }

    // A step changes one level, turns the completion off and leaves the
    // total; checking the box again completes from the level last touched.
    void stepsAndTheCheckBox()
    {
        const auto arrow = [](int level, const char *which) {
            QTest::mouseClick(find<QWidget>("Form12", QString("UpDown%1").arg(level))->findChild<QToolButton *>(which),
                              Qt::LeftButton);
        };
        auto *completion = find<QCheckBox>("Form12", "CheckBox1");
        arrow(1, "up");
        arrow(2, "down");
        QCOMPARE(distributorFields(), QStringList(7, QString()));
        QVERIFY(completion->isChecked());

        typeInto("Edit1", "50");
        arrow(1, "up");
        QCOMPARE(distributorFields(), (QStringList{"51", "38", "12", "100", "50,50", "37,62", "11,88"}));
        QVERIFY(!completion->isChecked());
        QTest::keyClick(find<QWidget>("Form12", "UpDown2"), Qt::Key_Down);
        typeInto("Edit3", "20");
        QCOMPARE(distributorFields(), (QStringList{"51", "37", "20", "108", "47,22", "34,26", "18,52"}));
        QCOMPARE(frame(), Red);
        click("Form12", "CheckBox1");
        // 20 × 8,33 / 100 × 50 = 83,3 and × 38 = 63,308.
        QCOMPARE(distributorFields(), (QStringList{"83", "63", "20", "166", "50,00", "37,95", "12,05"}));
        QCOMPARE(frame(), Green);
    }

    // The total shows each level's target points and touches nothing else;
    // an empty total is reported.
    void totalMode()
    {
        typeInto("Edit1", "50");
        QLineEdit *total = find("Form12", "Edit4");
        total->selectAll();
        QTest::keyClicks(total, "80");
        QCOMPARE(find<QLabel>("Form12", "Label5")->text(), QString("Punkte:"));
        QCOMPARE(distributorFields(), (QStringList{"50", "38", "12", "80", "40,00", "30,40", "9,60"}));
        QCOMPARE(frame(), Green);
        QVERIFY(boxes().isEmpty());
        QTest::keyClick(total, Qt::Key_Backspace);
        QTest::keyClick(total, Qt::Key_Backspace);
        QCOMPARE(boxes(), QStringList{"'' ist kein gültiger Gleitkommawert."});
        QCOMPARE(distributorFields(), (QStringList{"50", "38", "12", "", "4,00", "3,04", "0,96"}));
    }

    void handOverToTheEightBandCalculator()
    {
        QWidget *distributor = app::window("Form12");
        distributor->show();
        typeInto("Edit1", "50");
        click("Form12", "Button3");
        QVERIFY(!distributor->isVisible());
        QVERIFY(app::window("Form2")->isVisible());
        QCOMPARE(find("Form2", "Punktezahl")->text(), QString("100"));
        QVERIFY(find<QRadioButton>("Form2", "RadioButton1")->isChecked());
        QTRY_COMPARE(app::window("Form2")->focusWidget(), find<QWidget>("Form2", "Punktezahl"));
        QStringList minimums; // the defaults of "*, ** +***" for 100 points
        for (int n = 1; n <= 8; ++n)
            minimums << find<QLabel>("Form2", QString("ue%1bedarf").arg(n))->text();
        QCOMPARE(minimums, (QStringList{"95", "84", "73", "62", "51", "34", "17", "0"}));

        distributor->show();
        click("Form12", "Button2");
        QVERIFY(!distributor->isVisible());
        QVERIFY(app::window("Form1")->isVisible());
        QVERIFY(boxes().isEmpty());
    }

    void finalGrade_data()
    {
        // clang-format off
        QTest::addColumn<QString>("oral");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("position");      // set last: the move recomputes at once
        QTest::addColumn<QStringList>("shown"); // Label2, Label4, Label6, Label7
        QTest::newRow("start")            << "15" << "15" << 1 << QStringList{"zählen zu 60 %", "zählen zu 40 %", "15", "1+"};
        QTest::newRow("above 15")         << "15" << "16" << 2 << QStringList{"zählen zu 65 %", "zählen zu 35 %", "?", "?"};
        QTest::newRow("empty field")      << ""   << "10" << 1 << QStringList{"zählen zu 60 %", "zählen zu 40 %", "?", "?"};
        // -1 and 15 give 5 ("4"); -1 and -1 give -1, which keeps that grade.
        QTest::newRow("negative")         << "-1" << "-1" << 0 << QStringList{"zählen zu 55 %", "zählen zu 45 %", "-1", "4"};
        // A text that is not a number leaves the labels; the captions follow the track bar.
        QTest::newRow("not a number")     << "1x" << "10" << 3 << QStringList{"zählen zu 70 %", "zählen zu 30 %", "15", "1+"};
        // clang-format on
    }
    void finalGrade()
    {
        QFETCH(QString, oral);
        QFETCH(QString, written);
        QFETCH(int, position);
        QFETCH(QStringList, shown);
        ui::guarded([&] {
            ui::setText(find("Form13", "Edit1"), oral);
            ui::setText(find("Form13", "Edit2"), written);
        });
        find<QSlider>("Form13", "TrackBar1")->setValue(position);
        QStringList labels;
        for (const char *name : {"Label2", "Label4", "Label6", "Label7"})
            labels << find<QLabel>("Form13", name)->text();
        QCOMPARE(labels, shown);
        QVERIFY(boxes().isEmpty());
    }

    void finalGradeWindowStaysOnTopAndBringsBackTheMenu()
    {
        QWidget *w = app::window("Form13");
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        w->show();
        w->close();
        QVERIFY(!w->isVisible());
        QVERIFY(app::window("Form1")->isVisible());
    }

    void helpTextIsReadOnly()
    {
        const QString text = helpText()->toPlainText();
        const QStringList lines = text.split('\n');
        QVERIFY2(lines.size() >= 40 && lines.size() <= 60, qPrintable(QString::number(lines.size())));
        for (const QString &line : lines)
            QVERIFY2(line.startsWith(' ') && !line.startsWith("  "), qPrintable(line));
        QCOMPARE(lines.first(), QString(" Hallo Kolleginnen und Kollegen,"));
        QVERIFY(lines.contains(" Aber nun kurz zum Programm:"));
        app::window("Form15")->show();
        helpText()->setFocus();
        QTest::keyClicks(helpText(), "xyz");
        QTest::keyClick(helpText(), Qt::Key_Delete);
        QCOMPARE(helpText()->toPlainText(), text);
    }

    // Every line reaches the paper, across pages, in one job titled "INFO".
    void printingTheHelpText()
    {
        const QString pdf = printDir.filePath("info.pdf");
        print::setPrinterProvider([pdf] {
            auto printer = test::pdfPrinter(pdf);
            printer->setPageSize(QPageSize(QSizeF(210, 90), QPageSize::Millimeter)); // short pages: several
            return printer;
        });
        click("Form15", "Button1");
        QVERIFY(boxes().isEmpty());
        // Page by page without the page number at each foot; the "fi" ligature
        // reads back as one character, so compatibility forms are unfolded.
        QStringList printed;
        const QStringList pages =
            pdfText(pdf).normalized(QString::NormalizationForm_KC).split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() > 1);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QStringList words = pages[page].simplified().split(' ');
            QCOMPARE(words.takeLast(), QString::number(page + 1));
            printed << words;
        }
        QCOMPARE(printed, helpText()->toPlainText().simplified().split(' '));
        QProcess meta;
        meta.start("pdfinfo", {pdf});
        QVERIFY(meta.waitForFinished(20000));
        QVERIFY(QString::fromUtf8(meta.readAllStandardOutput()).contains(QRegularExpression("Title: +INFO\n")));
    }

    void printingFailuresAreReported_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no default printer") << false << "Es ist kein Standarddrucker eingerichtet.";
        QTest::newRow("job fails") << true << "Der Druckauftrag ist fehlgeschlagen.";
    }
    void printingFailuresAreReported()
    {
        QFETCH(bool, printer);
        QFETCH(QString, message);
        print::setPrinterProvider([printer] {
            return printer ? test::pdfPrinter("/nonexistent-folder/info.pdf") : std::unique_ptr<QPrinter>();
        });
        click("Form15", "Button1");
        QCOMPARE(program.recorder.criticalCount(), 1);
        QCOMPARE(boxes(), QStringList{message});
    }
};

ZM_SCALES_TEST_MAIN(TestMiscWindows)
#include "tst_misc_windows.moc"
