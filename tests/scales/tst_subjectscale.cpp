// "Hallbrink Notenskalen" and its strip through their controls: subject
// choices, per-user settings, own thresholds, the check box, and the strip
// with its short subject names printed to a PDF file.

#include "app/forms.h"
#include "app/mainmenu.h"
#include "platform/settingsstore.h"
#include "scales/subjectscalecalculator.h"
#include "scales/subjectscaletable.h"

#include "scalestest.h"
#include "support/gui.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <sys/stat.h>

using namespace zm;

namespace {
const QString Placeholder = QStringLiteral("weitere lt. Fachkonferenz");
const QString Blanks(10, QLatin1Char(' '));
} // namespace

class TestSubjectScale : public QObject
{
    Q_OBJECT

    test::Program program;
    QString folder, settingsFolder, pdfPath;
    TForm21 *form = nullptr;
    TForm6 *strip = nullptr;

    template <class T = QWidget> T *c(const QString &name) const { return form->findChild<T *>(name); }
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        text.isEmpty() ? QTest::keyClick(edit, Qt::Key_Delete) : QTest::keyClicks(edit, text);
    }
    void type(const QString &field, const QString &text) const { type(c<QLineEdit>(field), text); }
    // On the radio button's circle or the middle of any other button.
    void click(const QString &name) const
    {
        auto *b = c<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {},
                          qobject_cast<QRadioButton *>(b) ? QPoint(8, b->height() / 2) : b->rect().center());
    }
    QStringList texts(const QString &pattern, int count = 8) const
    {
        QStringList out;
        for (int n = 1; n <= count; ++n)
            out << c(pattern.arg(n))->property("text").toString();
        return out;
    }
    QStringList minimums(int count = 6) const { return texts(QStringLiteral("ue%1bedarf"), count); }
    QStringList fields() const { return texts(QStringLiteral("ue%1proz")); }
    // Closed if open, then opened from the main menu's "HaBri".
    void open()
    {
        form->close();
        app::forms().form1->show();
        app::forms().form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app::forms().form1));
        QTest::mouseClick(app::forms().form1->Button5, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void initTestCase()
    {
        folder = qEnvironmentVariable("HOME") + "/Zensomat";
        settingsFolder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Velmorra";
        QVERIFY(settingsFolder.startsWith(qEnvironmentVariable("HOME")));
        pdfPath = qEnvironmentVariable("HOME") + "/strip.pdf";
    }
    void init()
    {
        QDir(folder).removeRecursively();
        QDir(settingsFolder).removeRecursively();
        print::setPrinterProvider([this] { return test::pdfPrinter(pdfPath); });
        program.start();
        form = app::forms().form21;
        strip = app::forms().form6;
        open();
    }
    void cleanup()
    {
        program.stop();
        print::setPrinterProvider({});
    }

    // Nothing stored: "Mathematik" stays chosen without its handler running
    // and the score already reads 100, so nothing is computed.
    void firstShowing()
    {
        QVERIFY(c<QRadioButton>("RadioButton4")->isChecked());
        QCOMPARE(minimums(8), QStringList(8, Blanks));
        QCOMPARE(QApplication::focusWidget(), form->Punktezahl);
        QCOMPARE(form->Punktezahl->selectedText(), QString("100"));
        QCOMPARE(form->Edit2->text(), Placeholder);
        QVERIFY(!c("ue1proz")->isEnabled() && !c("Button2")->isVisible());
        QVERIFY(!QFile::exists(settingsFolder + "/Zensomat.conf"));
        click("Button4");
        QVERIFY(app::window("Form5")->isVisible());
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    void workedValues_data()
    {
        // clang-format off
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("threshold"); // typed into ue1proz; empty: the subject's own
        QTest::addColumn<QString>("score");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("whole");
        QTest::addColumn<QStringList>("oneDecimal");
        QTest::newRow("Mathematik at 100") << "RadioButton4" << "" << "100" << 5
            << QStringList{"90", "75", "60", "45", "22", "0"} << QStringList{"90,0", "75,0", "60,0", "45,0", "22,0", "0,0"};
        QTest::newRow("30 at 75")     << "RadioButton6" << "75" << "30"  << 5  << QStringList{"23"} << QStringList{"22,5"};
        QTest::newRow("33 at 45")     << "RadioButton6" << "45" << "33"  << 5  << QStringList{"15"} << QStringList{"14,8"};
        QTest::newRow("25 at 50")     << "RadioButton2" << "50" << "25"  << 5  << QStringList{"13"} << QStringList{"12,5"};
        QTest::newRow("milder end")   << "RadioButton4" << ""   << "100" << 0  << QStringList{"81"} << QStringList{"81,0"};
        QTest::newRow("stricter end") << "RadioButton4" << ""   << "100" << 10 << QStringList{"99"} << QStringList{"99,0"};
        // clang-format on
    }
    void workedValues()
    {
        QFETCH(QString, subject);
        QFETCH(QString, threshold);
        QFETCH(QString, score);
        QFETCH(int, position);
        QFETCH(QStringList, whole);
        QFETCH(QStringList, oneDecimal);
        click("RadioButton5");
        click(subject);
        if (!threshold.isEmpty())
            type("ue1proz", threshold);
        c<QSlider>("TrackBar1")->setValue(position);
        type(form->Punktezahl, score);
        QCOMPARE(minimums(static_cast<int>(whole.size())), whole);
        click("RadioButton8");
        QCOMPARE(minimums(static_cast<int>(oneDecimal.size())), oneDecimal);
        QCOMPARE(form->windowTitle(), QString("Hallbrink Notenskalen"));
    }

    // Six lines in the first own subject's file (found whatever the case of
    // its name) empty the hidden fields 7 and 8, which then block every
    // result, under "Mathematik" too, until Ü8 writes them; they stay under
    // "Mathematik" and are saved with the second own subject. The reset
    // deletes the chosen subject's file and restarts.
    void ownThresholdsAndHiddenFields()
    {
        writeFile(folder + "/KONF.INI", "91\r\n78\r\n63\r\n48\r\n25\r\n0\r\n");
        click("RadioButton6");
        QCOMPARE(QApplication::focusWidget(), form->Edit1);
        QCOMPARE(form->Edit1->selectedText(), Placeholder);
        QCOMPARE(fields().mid(6), (QStringList{"", ""}));
        const QStringList loaded = minimums(8); // computed while 7 and 8 still held numbers
        type(form->Punktezahl, "50");
        click("RadioButton4");
        QCOMPARE(minimums(8), loaded);
        click("RadioButton1");
        QCOMPARE(minimums(8), (QStringList{"45", "38", "30", "25", "20", "15", "10", "0"}));
        click("RadioButton4");
        QCOMPARE(fields().mid(6), (QStringList{"20", "0"}));

        click("RadioButton2");
        QVERIFY(c("ue1proz")->isEnabled() && c("Button2")->isVisible());
        QCOMPARE(c<QLineEdit>("ue2proz")->palette().color(QPalette::Base), QColor(Qt::white));
        type("ue1proz", "62,5");
        click("Button2");
        QCOMPARE(program.recorder.texts(), QStringList{"Der Speicherort für eigene Prozentwerte ist: " + folder + "!"});
        QFile saved(folder + "/konf1.ini");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("62,5\r\n78\r\n63\r\n48\r\n25\r\n0\r\n20\r\n0\r\n"));
        QCOMPARE(c<QLineEdit>("ue1proz")->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));

        click("RadioButton6");
        click("Button3");
        QVERIFY(!QFile::exists(folder + "/KONF.INI") && QFile::exists(saved.fileName()));
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
        QVERIFY(!form->isVisible());
    }

    // Ü7 writes its defaults, then the eight-band calculator's own values.
    void ue7()
    {
        click("RadioButton3");
        QCOMPARE(fields(), (QStringList{"95", "84", "73", "62", "51", "26", "0", "0"}));
        QCOMPARE(texts(QStringLiteral("Label%1"), 7), (QStringList{"Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü7"}));
        QVERIFY(c("ue7proz")->isVisible() && !c("ue8proz")->isVisible());
        QVERIFY(!c("ue1proz")->isEnabled()); // left as "Mathematik" had them
        writeFile(folder + "/ue8b.ini", "96\r\n85\r\n74\r\n63\r\n52\r\n27\r\n1\r\n");
        click("RadioButton4");
        click("RadioButton3");
        QCOMPARE(fields(), (QStringList{"96", "85", "74", "63", "52", "27", "1", ""}));
    }

    void finalExamination()
    {
        auto *bar = c<QSlider>("TrackBar1");
        bar->setValue(2);
        click("RadioButton8");
        type(form->Punktezahl, "40");
        click("CheckBox1");
        QCOMPARE(program.recorder.texts(), QStringList{"Bei LR-Schwäche(Dt.; Eng.?) bitte 90 Punkte eintragen!"});
        QCOMPARE(bar->value(), 5);
        QCOMPARE(minimums(), (QStringList{"90", "75", "60", "45", "22", "0"}));
        QVERIFY(!bar->isEnabled() && !c("RadioButton8")->isEnabled());
        click("CheckBox1");
        QVERIFY(bar->isEnabled() && c("RadioButton8")->isEnabled());
        QCOMPARE(bar->value(), 5);
    }

    // The choice and each keystroke of a name are stored at once; the next
    // showing reads them back, the choice from the text a settings file holds.
    void settings()
    {
        click("RadioButton6");
        for (const QString typed : {"B", "Bi", "Bio"}) {
            QTest::keyClick(form->Edit1, typed.back().toLatin1());
            QCOMPARE(platform::SettingsStore().subjectName(1), std::optional<QString>(typed));
        }
        QCOMPARE(platform::SettingsStore().subject(), std::optional<int>(3));
        type(form->Edit1, "");
        open();
        QCOMPARE(form->Edit1->text(), Placeholder);
        writeFile(settingsFolder + "/Zensomat.conf", "[General]\nFach=5\nfn2=Erdkunde\n");
        open();
        QVERIFY(c<QRadioButton>("RadioButton3")->isChecked());
        QCOMPARE(form->Edit2->text(), QString("Erdkunde"));
        QCOMPARE(QApplication::focusWidget(), form->Punktezahl);
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    // Settings that could not be read are never written in that run, however
    // the subject and names change; a file over the 64 KiB cap and a pipe are
    // not read at all. One byte less than the cap is read as usual.
    void unreadableSettingsLeftAlone_data()
    {
        QTest::addColumn<int>("size"); // -1: a named pipe
        QTest::addColumn<bool>("readable");
        QTest::newRow("at the cap") << 64 * 1024 << true;
        QTest::newRow("one byte over the cap") << 64 * 1024 + 1 << false;
        QTest::newRow("a megabyte") << 1024 * 1024 << false;
        QTest::newRow("a named pipe") << -1 << false;
    }
    void unreadableSettingsLeftAlone()
    {
        QFETCH(int, size);
        QFETCH(bool, readable);
        const QString path = settingsFolder + "/Zensomat.conf";
        QByteArray bytes("[General]\nFach=3\nfn1=Chemie\npad=");
        if (size < 0) {
            QDir().mkpath(settingsFolder);
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            bytes += QByteArray(size - bytes.size() - 1, 'x') + '\n';
            writeFile(path, bytes);
        }
        open();
        QCOMPARE(c<QRadioButton>("RadioButton6")->isChecked(), readable);
        QCOMPARE(form->Edit1->text(), readable ? QString("Chemie") : Placeholder);
        QCOMPARE(program.recorder.texts().size(), readable ? 0 : 1);
        if (readable)
            return;
        QVERIFY(program.recorder.texts().first().startsWith("Die Einstellungen können nicht gelesen werden: "));
        click("RadioButton6");
        type(form->Edit1, "Physik");
        click("RadioButton4");
        QVERIFY(program.recorder.texts().last().startsWith("Die Einstellungen können nicht gespeichert werden"));
        open();
        if (size < 0) {
            QVERIFY(QFileInfo(path).isFile() == false && QFileInfo::exists(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == bytes);
        }
    }

    // Only a key no field takes sends the focus to the score.
    void keysReachingTheWindow()
    {
        click("RadioButton6");
        QTest::keyClick(form->Edit1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form->Edit1);
        form->Edit1->clearFocus();
        QTest::keyClick(form, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), form->Punktezahl);
    }

    void stripPerSubject_data()
    {
        // clang-format off
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("name"); // typed into the own subject's name field
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("heads");
        QTest::addColumn<QStringList>("minimums");
        const QStringList grades{" 1", " 2", " 3", " 4", " 5", " 6"};
        const QStringList u8{"Ü 1", "Ü 2", "Ü 3", "Ü 4", "Ü 5", "Ü 6", "Ü 7", "Ü 8"};
        QTest::newRow("Mathematik")       << "RadioButton4" << ""         << 260 << (QStringList{"Ma."} << grades)
                                          << QStringList{"ab", "41", "34", "27", "20", "10", "0"};
        QTest::newRow("Englisch/Deutsch") << "RadioButton5" << ""         << 260 << (QStringList{"Dt-E."} << grades)
                                          << QStringList{"ab", "42", "37", "30", "23", "14", "0"};
        QTest::newRow("first own")        << "RadioButton6" << "Erdkunde" << 260 << (QStringList{"Erdk."} << grades)
                                          << QStringList{"ab", "41", "35", "29", "22", "11", "0"};
        QTest::newRow("second own")       << "RadioButton2" << "BIOLOGIE" << 260 << (QStringList{"BIOL."} << grades)
                                          << QStringList{"ab", "41", "35", "29", "22", "11", "0"};
        QTest::newRow("Ü8")               << "RadioButton1" << ""         << 325 << (QStringList{"Note:"} << u8)
                                          << QStringList{"ab", "41", "34", "27", "23", "18", "14", "9", "0"};
        QTest::newRow("Ü7")               << "RadioButton3" << ""         << 290 << (QStringList{"Note:"} << u8.mid(0, 7) << "")
                                          << QStringList{"ab", "43", "38", "33", "28", "23", "12", "0", ""};
        // clang-format on
    }
    // Each choice after the widest strip: the strip shrinks and grows with it.
    void stripPerSubject()
    {
        QFETCH(QString, subject);
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(QStringList, heads);
        QFETCH(QStringList, minimums);
        click("RadioButton1");
        click("Button1");
        open();
        click(subject);
        if (!name.isEmpty())
            type(subject == "RadioButton6" ? form->Edit1 : form->Edit2, name);
        type(form->Punktezahl, "45,5");
        program.recorder.boxes.clear();
        click("Button1");
        QVERIFY(QTest::qWaitForWindowExposed(strip) && !form->isVisible());
        QVERIFY(program.recorder.texts().value(0).startsWith("Gleich erscheint eine kleine Tabelle.\n"));
        QCOMPARE(strip->windowTitle(), QString("max. 45,5 Pkt."));
        QCOMPARE(strip->width(), width);
        QCOMPARE(strip->pos(), app::forms().form1->pos() + QPoint(116, 58));
        QCOMPARE(strip->StringGrid1->columnCount(), heads.size());
        for (int column = 0; column < heads.size(); ++column) {
            QCOMPARE(strip->cell(column, 0), heads.at(column));
            QCOMPARE(strip->cell(column, 2), minimums.at(column));
            QCOMPARE(strip->cell(column, 1), column == 0                  ? QString("%")
                                             : heads.at(column).isEmpty() ? QString()
                                                                          : fields().at(column - 1));
        }
        if (!test::popplerAvailable())
            QSKIP("pdfinfo (poppler-utils) is needed to read the printed page");
        QTest::mouseDClick(strip->StringGrid1->viewport(), Qt::LeftButton, {}, QPoint(40, 20));
        QCOMPARE(test::pdfPageCount(pdfPath), 1);
        QVERIFY(!strip->isVisible());
        QCOMPARE(program.recorder.criticalCount(), 0);
    }

    // Settings that cannot be written: only the "Mathematik" choice reports
    // it, after setting its scale up. Settings that cannot be read are
    // reported after the showing, and the names stay. Last: the settings
    // keep what they could not write until they can.
    void settingsFailures()
    {
        click("RadioButton6");
        type(form->Edit1, "Chemie");
        QDir(settingsFolder).removeRecursively();
        writeFile(settingsFolder, "not a folder");
        type(form->Edit1, "Physik");
        click("RadioButton5");
        QVERIFY(program.recorder.boxes.isEmpty());
        click("RadioButton4");
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(program.recorder.texts().first().startsWith("Die Einstellungen können nicht gespeichert werden: "));
        QCOMPARE(fields().first(6), (QStringList{"90", "75", "60", "45", "22", "0"}));

        QFile::remove(settingsFolder);
        QVERIFY(QDir().mkpath(settingsFolder + "/Zensomat.conf"));
        program.recorder.boxes.clear();
        type(form->Punktezahl, "50");
        open();
        QCOMPARE(program.recorder.texts().size(), 1);
        QVERIFY(program.recorder.texts().first().startsWith("Die Einstellungen können nicht gelesen werden: "));
        QCOMPARE(form->Edit1->text(), QString("Physik"));
        QCOMPARE(form->Punktezahl->text(), QString("100"));
        QDir(settingsFolder).removeRecursively();
    }
};

ZM_SCALES_TEST_MAIN(TestSubjectScale)
#include "tst_subjectscale.moc"
