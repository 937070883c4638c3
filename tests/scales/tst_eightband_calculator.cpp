#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/errorreport.h"
#include "scales/eightbandcalculator.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

using namespace zm;

namespace {
const QString Own = QStringLiteral("  Du benutzt eigene %-Werte!");
const QString Defaults = QStringLiteral("  Es gelten die Vorgabewerte.");
const QString Changed = QStringLiteral("...veränderte Werte speichern?");
const QStringList StartFields = {"95", "84", "93", "84", "67", "50", "34", "0"};
const QString Blanks(10, QLatin1Char(' '));
} // namespace

class TestEightBandCalculator : public QObject
{
    Q_OBJECT

    test::Program program;
    QString folder;
    TForm2 *form = nullptr;

    template <class T = QWidget> T *control(const QString &name) const
    {
        T *c = form->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(name); }

    // Replaces the field's text by typing, as a user would.
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    // On the radio button's circle or the push button's middle.
    void click(const QString &name)
    {
        auto *button = control<QAbstractButton>(name);
        const QPoint at =
            qobject_cast<QRadioButton *>(button) ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }

    QStringList fields() const
    {
        QStringList out;
        for (int n = 0; n < 8; ++n)
            out << form->threshold(n)->text();
        return out;
    }
    QStringList outputs() const
    {
        QStringList out;
        for (int n = 0; n < 8; ++n)
            out << form->minimum(n)->text();
        return out;
    }
    QStringList captions() const
    {
        QStringList out;
        for (int n = 1; n <= 8; ++n)
            out << control<QLabel>(QStringLiteral("Label%1").arg(n))->text();
        return out;
    }
    // '+' for a shown row, '-' for a hidden one; all three controls agree.
    QString rows() const
    {
        QString out;
        for (int n = 1; n <= 8; ++n) {
            const bool shown = control(QStringLiteral("ue%1proz").arg(n))->isVisibleTo(form);
            if (control(QStringLiteral("Label%1").arg(n))->isVisibleTo(form) != shown ||
                control(QStringLiteral("ue%1bedarf").arg(n))->isVisibleTo(form) != shown)
                return QStringLiteral("row %1 split").arg(n);
            out += shown ? QLatin1Char('+') : QLatin1Char('-');
        }
        return out;
    }
    static QColor colour(QLineEdit *edit) { return edit->palette().color(QPalette::Base); }

    void writeOwnFile(const QString &name, const QByteArray &bytes)
    {
        QFile f(folder + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray fixture(const QString &name)
    {
        QFile f(qEnvironmentVariable("ZENSOMAT_TEST_DATA") + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { folder = qEnvironmentVariable("HOME") + "/Zensomat"; }
    void init()
    {
        QDir(folder).removeRecursively();
        program.start();
        form = app::forms().form2;
        QVERIFY(form);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        program.stop();
        form = nullptr;
    }

    void startState()
    {
        QCOMPARE(form->objectName(), QString("Form2"));
        QCOMPARE(form->windowTitle(), QString("Ü-8 Noten"));
        QCOMPARE(fields(), StartFields);
        QCOMPARE(captions(), (QStringList{"Ü1", "Ü2", "Ü3", "Ü4", "Ü5", "Ü6", "Ü7", "Ü8"}));
        QCOMPARE(rows(), QString("--++++++"));
        QCOMPARE(outputs(), QStringList(8, Blanks));
        QVERIFY(control<QRadioButton>("RadioButton4")->isChecked());
        QVERIFY(control<QRadioButton>("RadioButton7")->isChecked());
        QCOMPARE(control<QSlider>("TrackBar1")->value(), 5);
        QCOMPARE(QApplication::focusWidget(), field("Punktezahl"));
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    // Typing the maximum score fills every band, the hidden ones too.
    void everyBandIsComputed_data()
    {
        // clang-format off
        QTest::addColumn<bool>("oneDecimal");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("whole points") << false << QStringList{"19", "17", "19", "17", "13", "10", "7", "0"};
        QTest::newRow("one decimal") << true
                                     << QStringList{"19,0", "16,8", "18,6", "16,8", "13,4", "10,0", "6,8", "0,0"};
        // clang-format on
    }
    void everyBandIsComputed()
    {
        QFETCH(bool, oneDecimal);
        QFETCH(QStringList, expected);
        if (oneDecimal) {
            click("RadioButton8");
            QCOMPARE(form->windowTitle(), Changed);      // the rounding choice runs the computation,
            QCOMPARE(outputs(), QStringList(8, Blanks)); // but without a score it shows nothing
        }
        QTest::keyClicks(field("Punktezahl"), "20");
        QCOMPARE(outputs(), expected);
    }

    void minimumScore_data()
    {
        // clang-format off
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("threshold"); // typed into ue5proz
        QTest::addColumn<int>("trackKey");      // 0: track bar untouched
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("oneDecimal");
        QTest::newRow("exact half") << "25"
                                    << "50" << 0 << "13"
                                    << "12,5";
        QTest::newRow("half to even at one decimal") << "18,5"
                                                     << "50" << 0 << "9"
                                                     << "9,2";
        QTest::newRow("half a point") << "1"
                                      << "50" << 0 << "1"
                                      << "0,5";
        QTest::newRow("stricter end") << "20"
                                      << "95" << int(Qt::Key_End) << "21"
                                      << "20,9";
        QTest::newRow("milder end") << "20"
                                    << "95" << int(Qt::Key_Home) << "17"
                                    << "17,1";
        QTest::newRow("comma decimal") << "95,5"
                                       << "93" << 0 << "89"
                                       << "88,8";
        QTest::newRow("point is no decimal, nothing updates") << "95.5"
                                                              << "93" << 0 << "88"
                                                              << "88";
        // clang-format on
    }
    void minimumScore()
    {
        QFETCH(QString, maximum);
        QFETCH(QString, threshold);
        QFETCH(int, trackKey);
        QFETCH(QString, whole);
        QFETCH(QString, oneDecimal);
        type(field("ue5proz"), threshold);
        if (trackKey)
            QTest::keyClick(control("TrackBar1"), Qt::Key(trackKey));
        QTest::keyClicks(field("Punktezahl"), maximum);
        QCOMPARE(control<QLabel>("ue5bedarf")->text(), whole);
        click("RadioButton8");
        QCOMPARE(control<QLabel>("ue5bedarf")->text(), oneDecimal);
        click("RadioButton7");
        QCOMPARE(control<QLabel>("ue5bedarf")->text(), whole);
    }

    void badHiddenFieldBlocksEveryBand()
    {
        ui::guarded([&] { ui::setText(field("ue1proz"), "abc"); });
        QTest::keyClicks(field("Punktezahl"), "20");
        QCOMPARE(outputs(), QStringList(8, Blanks));
        QCOMPARE(form->windowTitle(), Changed);
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    void resultOutOfRangeGoesToTheErrorReport()
    {
        QTest::keyClicks(field("Punktezahl"), "9E9");
        const QStringList before = outputs();
        type(field("ue3proz"), "9E9");
        QCOMPARE(program.recorder.texts(), QStringList{"Ungültige Gleitkommaoperation."});
        QCOMPARE(program.recorder.criticalCount(), 1);
        QCOMPARE(control<QLabel>("ue3bedarf")->text(), QString("810081000")); // from "9", the last good run
        QCOMPARE(outputs().mid(3), before.mid(3));
    }

    // The error of a computation nested in the level switch ends the switch:
    // the lines after the failing one are not loaded; one report.
    void nestedErrorEndsTheLevelSwitch()
    {
        QTest::keyClicks(field("Punktezahl"), "9E9");
        writeOwnFile("ue8d.ini", "1\r\n2\r\n9E9\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
        click("RadioButton5");
        QCOMPARE(fields(), (QStringList{"1", "2", "9E9", "84", "67", "50", "34", "0"}));
        QCOMPARE(program.recorder.texts(), QStringList{"Ungültige Gleitkommaoperation."});
    }

    void clickingTheSelectedLevelRunsNothing()
    {
        writeOwnFile("ue8c.ini", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
        click("RadioButton4");
        QCOMPARE(fields(), StartFields);
        QCOMPARE(form->windowTitle(), QString("Ü-8 Noten"));
        click("RadioButton5");
        click("RadioButton4");
        QCOMPARE(fields(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    }

    void levelSwitch_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("expectedFields");
        QTest::addColumn<QStringList>("expectedCaptions");
        QTest::addColumn<QString>("expectedRows");
        const QStringList six = {"Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü7", "Ü8"};
        QTest::newRow("*") << QStringList{"RadioButton5", "RadioButton4"}
                           << QStringList{"95", "93", "93", "84", "67", "50", "34", "0"} << six << "--++++++";
        QTest::newRow("**") << QStringList{"RadioButton5"} << QStringList{"95", "93", "84", "67", "50", "34", "0", "0"}
                            << six << "-++++++-";
        QTest::newRow("***") << QStringList{"RadioButton6"} << QStringList{"93", "84", "67", "50", "34", "0", "34", "0"}
                             << six << "++++++--";
        QTest::newRow("Förderschulniveau")
            << QStringList{"RadioButton2"} << QStringList{"90", "70", "55", "40", "20", "00", "34", "0"}
            << QStringList{"Fö 1", "Fö 2", "Fö 3", "Fö 4", "Fö 5", "Fö 6", "Ü7", "Ü8"} << "++++++--";
        QTest::newRow("Förderschulniveau, then **")
            << QStringList{"RadioButton2", "RadioButton5"} << QStringList{"90", "93", "84", "67", "50", "34", "0", "0"}
            << six << "-++++++-";
        QTest::newRow("* + **") << QStringList{"RadioButton9"}
                                << QStringList{"95", "95", "84", "73", "62", "51", "26", "0"}
                                << QStringList{"Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", "Ü 8"} << "-+++++++";
        QTest::newRow("** + ***") << QStringList{"RadioButton3"}
                                  << QStringList{"95", "84", "73", "62", "51", "26", "0", "0"} << six << "+++++++-";
        QTest::newRow("*, ** +***") << QStringList{"RadioButton1"}
                                    << QStringList{"95", "84", "73", "62", "51", "34", "17", "0"} << six << "++++++++";
        // clang-format on
    }
    void levelSwitch()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, expectedFields);
        QFETCH(QStringList, expectedCaptions);
        QFETCH(QString, expectedRows);
        QTest::mouseClick(field("ue4proz"), Qt::LeftButton); // an aqua mark to be cleared
        QCOMPARE(colour(field("ue4proz")), QColor(0, 255, 255));
        for (const QString &name : clicks)
            click(name);
        QCOMPARE(fields(), expectedFields);
        QCOMPARE(captions(), expectedCaptions);
        QCOMPARE(rows(), expectedRows);
        QCOMPARE(form->windowTitle(), Defaults);
        for (int n = 0; n < 8; ++n)
            QCOMPARE(colour(form->threshold(n)), QColor(Qt::white));
    }

    void ownValuesFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expectedFields");
        QTest::addColumn<QStringList>("titles"); // every title the window showed, in order
        const QStringList ownThenChanged = {Own, Changed};
        QTest::newRow("eight lines") << "RadioButton5"
                                     << "ue8d.ini" << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n")
                                     << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << ownThenChanged;
        QTest::newRow("five lines empty the rest")
            << "RadioButton6"
            << "ue8e.ini" << fixture("five_lines.ini") << QStringList{"95", "84", "93", "84", "67", "", "", ""}
            << ownThenChanged;
        QTest::newRow("LF-only is one line") << "RadioButton9"
                                             << "ue8n.ini" << QByteArray("1\n2\n3\n")
                                             << QStringList{"1\n2\n3\n", "", "", "", "", "", "", ""} << ownThenChanged;
        QTest::newRow("texts as they stand")
            << "RadioButton3"
            << "ue8b.ini" << QByteArray("95\r\n84,5\r\nabc\r\n \r\n67\r\n50\r\n34\r\n0\r\n")
            << QStringList{"95", "84,5", "abc", " ", "67", "50", "34", "0"} << ownThenChanged;
        QTest::newRow("name in another case")
            << "RadioButton1"
            << "UE8ALLE.INI" << QByteArray("7\r\n") << QStringList{"7", "", "", "", "", "", "", ""} << ownThenChanged;
        QTest::newRow("Förderschulniveau reads six lines")
            << "RadioButton2"
            << "ue8a.ini" << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n")
            << QStringList{"1", "2", "3", "4", "5", "6", "34", "0"} << ownThenChanged;
        QTest::newRow("same texts keep the own-values title")
            << "RadioButton5"
            << "ue8d.ini" << QByteArray("95\r\n84\r\n93\r\n84\r\n67\r\n50\r\n34\r\n0\r\n") << StartFields
            << QStringList{Own};
        // clang-format on
    }
    void ownValuesFile()
    {
        QFETCH(QString, radio);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expectedFields);
        QFETCH(QStringList, titles);
        writeOwnFile(fileName, content);
        QSignalSpy spy(form, &QWidget::windowTitleChanged);
        click(radio);
        QCOMPARE(fields(), expectedFields);
        QStringList shown;
        for (const QList<QVariant> &args : spy)
            shown << args.at(0).toString();
        QCOMPARE(shown, titles);
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    // Loaded texts are used as they stand: a decimal comma computes, letters
    // leave every band silent.
    void loadedTextsCompute()
    {
        writeOwnFile("ue8b.ini", "95\r\n84,5\r\n73\r\n62\r\n51\r\n26\r\n0\r\n0\r\n");
        click("RadioButton3");
        QTest::keyClicks(field("Punktezahl"), "20");
        QCOMPARE(control<QLabel>("ue2bedarf")->text(), QString("17"));
        click("RadioButton8");
        QCOMPARE(control<QLabel>("ue2bedarf")->text(), QString("16,9"));

        writeOwnFile("ue8d.ini", "95\r\n84\r\nabc\r\n84\r\n67\r\n50\r\n34\r\n0\r\n");
        click("RadioButton5");
        const QStringList before = outputs();
        type(field("Punktezahl"), "30");
        QCOMPARE(outputs(), before);
    }

    void saveWritesTheFieldsAsTheyStand()
    {
        QDir(folder).removeRecursively(); // save makes the folder again
        QTest::mouseClick(field("ue3proz"), Qt::LeftButton);
        QTest::mouseClick(field("ue8proz"), Qt::LeftButton);
        click("Button2");
        QCOMPARE(program.recorder.texts(), QStringList{"Der Speicherort für eigene Prozentwerte ist: " + folder + "!"});
        QFile f(folder + "/ue8c.ini");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes, QByteArray("95\r\n84\r\n93\r\n84\r\n67\r\n50\r\n34\r\n0\r\n"));
        QCOMPARE(bytes.size(), 31);
        QCOMPARE(form->windowTitle(), Own);
        for (int n = 0; n < 8; ++n)
            QCOMPARE(colour(form->threshold(n)), QApplication::palette().color(QPalette::Base));
    }

    void saveAtSpecialNeedsLevelOnlyRefuses()
    {
        click("RadioButton2");
        QDir(folder).removeRecursively();
        const QString title = form->windowTitle();
        click("Button2");
        QCOMPARE(program.recorder.texts(),
                 QStringList{"Diese Werte sind vorgegeben und können nicht dauerhaft verändert werden!"});
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(form->windowTitle(), title);
    }

    void failedSaveGoesToTheErrorReport()
    {
        QVERIFY(QDir(folder).mkdir("ue8c.ini")); // a folder where the file belongs
        QTest::mouseClick(field("ue3proz"), Qt::LeftButton);
        const QString title = form->windowTitle();
        click("Button2");
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(program.recorder.boxes.last().text.startsWith("E/A-Fehler "));
        QCOMPARE(form->windowTitle(), title);
        QCOMPARE(colour(field("ue3proz")), QColor(0, 255, 255));
    }

    void restore_data()
    {
        // clang-format off
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("*") << ""
                           << "ue8c.ini" << true;
        QTest::newRow("*, ** +***") << "RadioButton1"
                                    << "ue8alle.ini" << true;
        QTest::newRow("Förderschulniveau keeps its file") << "RadioButton2"
                                                          << "ue8a.ini" << false;
        QTest::newRow("no file, still a restart") << "RadioButton5"
                                                  << "" << false;
        // clang-format on
    }
    void restore()
    {
        QFETCH(QString, radio);
        QFETCH(QString, fileName);
        QFETCH(bool, deleted);
        if (!fileName.isEmpty())
            writeOwnFile(fileName, "1\r\n");
        if (!radio.isEmpty())
            click(radio);
        app::forms().form1->show();
        click("Button3");
        if (!fileName.isEmpty())
            QCOMPARE(QFile::exists(folder + "/" + fileName), !deleted);
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
        QVERIFY(!form->isVisible());
        QVERIFY(!app::forms().form1->isVisible());
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    void enteringAField_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("mark");
        QTest::addColumn<QString>("title");
        const QColor aqua(0, 255, 255);
        QTest::newRow("ue1proz") << "ue1proz" << aqua << Defaults;
        QTest::newRow("ue2proz") << "ue2proz" << aqua << Changed;
        QTest::newRow("ue3proz") << "ue3proz" << aqua << Changed;
        QTest::newRow("ue5proz") << "ue5proz" << aqua << Changed;
        QTest::newRow("ue7proz") << "ue7proz" << aqua << Changed;
        QTest::newRow("ue8proz") << "ue8proz" << QColor(255, 0, 0) << Defaults;
        // clang-format on
    }
    void enteringAField()
    {
        QFETCH(QString, name);
        QFETCH(QColor, mark);
        QFETCH(QString, title);
        click("RadioButton1"); // every row shown, title "Es gelten …"
        QTest::mouseClick(field(name), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), field(name));
        QCOMPARE(colour(field(name)), mark);
        QCOMPARE(form->windowTitle(), title);
        QCOMPARE(control<QLabel>("ue8bedarf")->text(), name == "ue8proz" ? QString("???") : Blanks);
    }

    void questionMarksLastUntilTheNextComputation()
    {
        QTest::mouseClick(field("ue8proz"), Qt::LeftButton);
        QCOMPARE(control<QLabel>("ue8bedarf")->text(), QString("???"));
        QTest::keyClicks(field("Punktezahl"), "20"); // the focus stays in ue8proz
        QCOMPARE(control<QLabel>("ue8bedarf")->text(), QString("0"));
        // The window becoming active again is no new entry.
        app::forms().form1->show();
        app::forms().form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app::forms().form1));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), field("ue8proz"));
        QCOMPARE(control<QLabel>("ue8bedarf")->text(), QString("0"));
        field("ue8proz")->end(false);
        QTest::keyClicks(field("ue8proz"), "5"); // "05"
        QCOMPARE(control<QLabel>("ue8bedarf")->text(), QString("1"));
    }

    void enterAndEscapeMoveOnLikeTab_data()
    {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        // clang-format on
    }
    void enterAndEscapeMoveOnLikeTab()
    {
        QFETCH(int, key);
        QLineEdit *score = field("Punktezahl");
        QTest::keyClicks(score, "20");
        QTest::keyClick(score, Qt::Key_Tab);
        QWidget *tabTarget = QApplication::focusWidget();
        QVERIFY(tabTarget && tabTarget != score);
        score->setFocus();
        QTest::keyClick(score, Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), tabTarget);
        QVERIFY(form->isVisible());
        QCOMPARE(score->text(), QString("20"));
    }

    void tabSkipsTheThresholdFields()
    {
        click("RadioButton1");
        field("Punktezahl")->setFocus();
        QSet<QWidget *> reached;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget());
        }
        QVERIFY(reached.contains(field("Punktezahl")));
        for (int n = 0; n < 8; ++n)
            QVERIFY(!reached.contains(form->threshold(n)));
    }

    void typingStopsAtFiveCharacters()
    {
        QLineEdit *score = field("Punktezahl");
        QTest::keyClicks(score, "1234567");
        QCOMPARE(score->text(), QString("12345"));
        // Texts from code are never cut, and typing adds nothing to them.
        ui::guarded([&] { ui::setText(score, "123456"); });
        QCOMPARE(score->text(), QString("123456"));
        score->end(false);
        QTest::keyClicks(score, "7");
        QCOMPARE(score->text(), QString("123456"));
        QTest::keyClick(score, Qt::Key_Backspace);
        QCOMPARE(score->text(), QString("12345"));
        // Pasting takes as much of the first line as fits.
        QGuiApplication::clipboard()->setText("98765432\n1");
        score->clear();
        score->insert("1");
        QTest::keyClick(score, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(score->text(), QString("19876"));
        score->selectAll();
        QTest::keyClick(score, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(score->text(), QString("98765"));
        // The context menu's paste is limited the same way.
        score->setText("12");
        score->end(false);
        bool pasted = false;
        QTimer::singleShot(50, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                    action->trigger();
                    pasted = true;
                }
            }
            menu->close();
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), score->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(score, &menuEvent);
        QVERIFY(pasted);
        QCOMPARE(score->text(), QString("12987"));
    }

    // Another window selects "*, ** +***" by code: the switch runs, once.
    void levelByCodeRunsTheSwitch()
    {
        ui::guarded([&] {
            ui::setText(field("Punktezahl"), "20");
            ui::check(control<QRadioButton>("RadioButton1"));
        });
        QCOMPARE(fields(), (QStringList{"95", "84", "73", "62", "51", "34", "17", "0"}));
        QCOMPARE(outputs(), (QStringList{"19", "17", "15", "12", "10", "7", "3", "0"}));
        QCOMPARE(form->windowTitle(), Defaults);
        type(field("ue3proz"), "70");
        ui::guarded([&] { ui::check(control<QRadioButton>("RadioButton1")); });
        QCOMPARE(field("ue3proz")->text(), QString("70"));
        QCOMPARE(form->windowTitle(), Changed);
    }
};

ZM_SCALES_TEST_MAIN(TestEightBandCalculator)
#include "tst_eightband_calculator.moc"
