#include "app/forms.h"
#include "app/mainmenu.h"
#include "platform/handshake.h"
#include "platform/platform.h"

#include "support/gui.h"
#include "support/testmain.h"

#include "common/filedialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace zm;

class TestMainMenu : public QObject
{
    Q_OBJECT

    test::Program program;
    QString home;

private slots:
    void initTestCase() { home = qEnvironmentVariable("HOME"); }
    void init()
    {
        QDir(home).removeRecursively();
        QDir().mkpath(home);
    }
    void cleanup()
    {
        program.stop();
        qputenv("HOME", home.toLocal8Bit());
    }

    // Qt's own dialogs speak German: the save dialog's title, its question
    // before replacing a file and that question's buttons.
    void qtDialogsInGerman()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        const QString existing = home + "/liste.csv";
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("alt") == 3);
        file.close();
        QString title, question;
        QStringList buttons;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                question = box->text();
                for (QAbstractButton *b : box->buttons())
                    buttons << b->text();
                box->button(QMessageBox::No)->click();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                title = dialog->windowTitle();
                if (question.isEmpty()) {
                    dialog->selectFile(existing);
                    // As the "Speichern" button does; its question runs in a loop of its own.
                    QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog *>(dialog)->accept(); });
                } else {
                    dialog->reject();
                }
            }
        });
        answerer.start(20);
        ui::FileRequest request;
        request.kind = ui::FileRequest::Kind::Save;
        request.folder = home;
        QCOMPARE(ui::chooseFile(request), QString());
        QCOMPARE(title, QString("Speichern unter"));
        QCOMPARE(question, QString("Die Datei liste.csv existiert bereits.\nSoll sie überschrieben werden?"));
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(buttons, (QStringList{"&Ja", "&Nein"}));
        QCOMPARE(QFile(existing).size(), 3);
    }

    void createsTheDataFolderAndShowsTheClock()
    {
        program.start();
        TForm1 *menu = app::forms().form1;
        QCOMPARE(menu->objectName(), QString("Form1"));
        QCOMPARE(menu->windowTitle(), QString("Zensomat"));
        QCOMPARE(app::dataFolder(), home + "/Zensomat");
        QVERIFY(QFileInfo(home + "/Zensomat").isDir());
        QCOMPARE(menu->Label1->text(), QString("CPU-Speed: 2400 Mhz"));
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    void existingFolderIsLeftAlone()
    {
        QDir(home).mkpath("Zensomat");
        QFile f(home + "/Zensomat/ue8c.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1\r\n");
        f.close();
        program.start();
        QVERIFY(QFile::exists(home + "/Zensomat/ue8c.ini"));
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    void missingHomeIsReportedAndTheRestSkipped()
    {
        qunsetenv("HOME");
        program.start();
        QCOMPARE(app::dataFolder(), QString());
        QCOMPARE(app::forms().form1->Label1->text(), QString("Label1"));
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(program.recorder.boxes[0].text.startsWith("Win32-Fehler. Code: 203.\n"));
    }

    void folderThatCannotBeCreatedIsAnIoError()
    {
        QFile blocker(home + "/Zensomat");
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        program.start();
        QCOMPARE(program.recorder.texts(), QStringList{"E/A-Fehler 183."});
        QCOMPARE(app::forms().form1->Label1->text(), QString("CPU-Speed: 2400 Mhz"));
    }

    void clockLine_data()
    {
        // clang-format off
        QTest::addColumn<quint32>("delta");
        QTest::addColumn<QString>("line");
        QTest::newRow("2.4 GHz") << 1200000000u << "CPU-Speed: 2400 Mhz";
        QTest::newRow("half goes to even, down") << 2400250000u << "CPU-Speed: 4800 Mhz";
        QTest::newRow("half goes to even, up") << 2400750000u << "CPU-Speed: 4802 Mhz";
        QTest::newRow("wrapped counter shows too low") << quint32(5000000000ull % 4294967296ull)
                                                      << "CPU-Speed: 1410 Mhz";
        QTest::newRow("zero") << 0u << "CPU-Speed: 0 Mhz";
        // clang-format on
    }
    void clockLine()
    {
        QFETCH(quint32, delta);
        QFETCH(QString, line);
        QCOMPARE(platform::cpuSpeedLine(delta), line);
    }

    void buttonsFollowTheTable()
    {
        program.start();
        const QList<QPair<QString, QString>> table = {
            {"Button6", "e, te, ne"},       {"Button4", "4 Stufen"},
            {"Button5", "HaBri"},           {"Button1", "Wiesgrund"},
            {"Button7", "Gymi-Skala"},      {"Button11", "Sprachen"},
            {"Button3", "60% zu 40%"},      {"Button8", "Informationen"},
            {"Button2", "Niveauverteiler"}, {"Button9", "Fehlerquotient Deutsch"},
        };
        const QMap<QString, QString> opens = {{"Button6", "Form8"},  {"Button4", "Form19"}, {"Button5", "Form21"},
                                              {"Button1", "Form2"},  {"Button7", "Form10"}, {"Button11", "Form14"},
                                              {"Button3", "Form13"}, {"Button8", "Form15"}, {"Button2", "Form12"},
                                              {"Button9", "Form5"}};
        for (const auto &[name, caption] : table) {
            auto *button = app::forms().form1->findChild<QPushButton *>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->isEnabled(), app::window(opens[name]) != nullptr);
        }
        QCOMPARE(app::forms().form1->Button5->toolTip(), QString("Laut Konferenzbeschluss und mehr!"));
    }

    void closingTheMenuEndsTheProgram()
    {
        program.start();
        TForm1 *menu = app::forms().form1;
        menu->show();
        QSignalSpy closed(menu, &TForm1::closed);
        menu->close();
        QCOMPARE(closed.count(), 1);
    }

    void postedCloseMessageClosesTheMenu_data()
    {
        // clang-format off
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("wParam");
        QTest::addColumn<bool>("closes");
        QTest::newRow("5735 with 99") << 5735 << 99 << true;
        QTest::newRow("5735 with 0") << 5735 << 0 << false;
        QTest::newRow("other message") << 5734 << 99 << false;
        // clang-format on
    }
    void postedCloseMessageClosesTheMenu()
    {
        QFETCH(int, message);
        QFETCH(int, wParam);
        QFETCH(bool, closes);
        program.start();
        TForm1 *menu = app::forms().form1;
        menu->show();
        QSignalSpy closed(menu, &TForm1::closed);
        QCoreApplication::postEvent(qApp, new platform::PostedMessageEvent(message, wParam, 0));
        QCoreApplication::processEvents();
        QCOMPARE(closed.count(), closes ? 1 : 0);
    }

    void restartClosesAndRelaunches()
    {
        program.start();
        TForm1 *menu = app::forms().form1;
        menu->show();
        QWidget calculator;
        calculator.show();
        QSignalSpy closed(menu, &TForm1::closed);
        app::restartProgram(&calculator);
        QVERIFY(!calculator.isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
    }
};

ZM_TEST_MAIN_GUI(TestMainMenu)
#include "tst_mainmenu.moc"
