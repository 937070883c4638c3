#include "app/forms.h"
#include "langindex/essaywindow.h"
#include "langindex/ownthresholds.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zm;

namespace {

const QStringList Defaults = {"0,43", "0,68", "1,29", "1,73", "2,16", "2,59", "3,03", "3,46",
                              "3,89", "4,33", "4,76", "5,19", "5,62", "6,06", "6,50"};

} // namespace

class TestOwnThresholds : public QObject
{
    Q_OBJECT

    test::Program program;
    QString home;

    QString folder() const { return home + "/Zensomat"; }
    QString file() const { return folder() + "/ewert.ini"; }
    void writeFile(const QByteArray &bytes) const
    {
        QDir().mkpath(folder());
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static TForm16 *own() { return app::forms().form16; }
    static TForm14 *essay() { return app::forms().form14; }
    static QLineEdit *field(int n) { return own()->findChild<QLineEdit *>(QString("Edit%1").arg(n)); }
    static QStringList fieldTexts()
    {
        QStringList out;
        for (int n = 1; n <= 15; ++n)
            out << field(n)->text();
        return out;
    }
    static QColor base(QLineEdit *e) { return e->palette().color(QPalette::Base); }
    // The essay window with the index on, "eigene Werte" selected and quotient q.
    static void ownLevelWithQuotient(const QString &errorsPer100Words)
    {
        TForm14 *w = essay();
        if (!w->indexMode())
            w->Button14->click();
        w->findChild<QRadioButton *>("ewert")->click();
        w->Edit1->setText("100");
        w->Edit2->setText(errorsPer100Words);
    }

private slots:
    void initTestCase() { home = qEnvironmentVariable("HOME"); }
    void init()
    {
        QDir(home).removeRecursively();
        QDir().mkpath(home);
    }
    void cleanup() { program.stop(); }

    void defaultsWithoutFile()
    {
        program.start();
        QCOMPARE(own()->objectName(), QString("Form16"));
        QCOMPARE(own()->windowTitle(), QString("Klasse......10"));
        QCOMPARE(fieldTexts(), Defaults);
        QCOMPARE(own()->findChild<QLabel *>("Label1")->text(), QString("15 Punkte ab...."));
        QCOMPARE(own()->findChild<QLabel *>("Label7")->text(), QString("09 Punkte ab...."));
        QCOMPARE(own()->findChild<QLabel *>("Label15")->text(), QString("01 Punkte ab...."));
        QCOMPARE(own()->Edit16->text(), QString("0,0"));
        QVERIFY(!own()->Edit16->isVisibleTo(own()));
        QCOMPARE(own()->Button1->text(), QString("eigene Werte speichern."));
        QCOMPARE(own()->Button2->text(), QString("Vorgabewerte wiederherstellen"));
        for (int n = 3; n <= 17; ++n)
            QVERIFY(!own()->findChild<QPushButton *>(QString("Button%1").arg(n))->isVisibleTo(own()));
        QStringList bounds{"0,0"};
        bounds << Defaults;
        QCOMPARE(own()->boundTexts(), bounds);
    }

    void tabOrder()
    {
        program.start();
        QStringList order;
        QWidget *w = own()->Button1;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(own()) && w->window() == own())
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != own()->Button1);
        QStringList expected{"Button1"};
        for (int n = 1; n <= 15; ++n)
            expected << QString("Edit%1").arg(n);
        expected << "Button2";
        QCOMPARE(order, expected);
    }

    void loadAtCreation_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QStringList own = {"0,5", "0,9", "1,3", "1,7", "2,1", "2,5", "2,9",     "3,3",
                           "3,7", "4,1", "4,5", "4,9", "5,3", "5,7", "6,123456"};
        QTest::newRow("fifteen lines, a long one kept whole") << (own.join("\r\n") + "\r\n").toLatin1() << own;
        QStringList shortFile = {"1,0", "2,0"};
        for (int i = 2; i < 15; ++i)
            shortFile << "";
        QTest::newRow("short file gives empty fields") << QByteArray("1,0\r\n2,0\r\n") << shortFile;
        // clang-format on
    }
    void loadAtCreation()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        writeFile(bytes);
        program.start();
        QCOMPARE(own()->windowTitle(), QString("eigene Werte!"));
        QCOMPARE(fieldTexts(), fields);
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    // The save: message, fifteen lines, title and caption, colours back,
    // window hidden, and the essay window maps again with the new values.
    void saveWritesAndMapsAgain()
    {
        program.start();
        ownLevelWithQuotient("0,75");
        QCOMPARE(essay()->Edit4->text(), QString("13")); // 0,75 > 0,68
        own()->show();
        QVERIFY(QTest::qWaitForWindowActive(own()));
        field(2)->setFocus(Qt::TabFocusReason);
        QCOMPARE(base(field(2)), QColor(0, 255, 255));
        QCOMPARE(base(field(1)), QColor(Qt::white));
        QCOMPARE(own()->windowTitle(), QString("...speichern?"));
        QCOMPARE(own()->Button1->text(), QString("Werte speichern, sonst unwirksam"));
        field(2)->setText("0,80");

        QTest::mouseClick(own()->Button1, Qt::LeftButton);
        QCOMPARE(program.recorder.texts(),
                 QStringList{"Der Speicherort für eigene Prozentwerte ist: " + folder() + "!"});
        QFile f(file());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0,43\r\n0,80\r\n1,29\r\n1,73\r\n2,16\r\n2,59\r\n3,03\r\n3,46\r\n"
                                         "3,89\r\n4,33\r\n4,76\r\n5,19\r\n5,62\r\n6,06\r\n6,50\r\n"));
        QCOMPARE(own()->windowTitle(), QString("eigene Werte!"));
        QCOMPARE(own()->Button1->text(), QString("eigene Werte speichern"));
        QCOMPARE(base(field(2)), QColor(Qt::white));
        QVERIFY(!own()->isVisible());
        QCOMPARE(essay()->Edit4->text(), QString("14")); // 0,75 is no longer above the 13-point bound
    }

    void saveFailureKeepsTheMarks()
    {
        writeFile("0,43\r\n");
        QVERIFY(QFile::setPermissions(file(), QFileDevice::ReadOwner));
        program.start();
        own()->show();
        QVERIFY(QTest::qWaitForWindowActive(own()));
        field(5)->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(own()->Button1, Qt::LeftButton);
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(program.recorder.boxes.last().text.startsWith("E/A-Fehler 5\n"));
        QVERIFY(own()->isVisible());
        QCOMPARE(own()->windowTitle(), QString("...speichern?"));
        QCOMPARE(base(field(5)), QColor(0, 255, 255));
        QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void typedValueCountsBeforeSaving()
    {
        program.start();
        ownLevelWithQuotient("2,1");
        QCOMPARE(essay()->Edit4->text(), QString("11"));
        field(5)->selectAll();
        QTest::keyClicks(field(5), "2,00");
        QTest::mouseClick(essay()->GroupBox11, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(essay()->Edit4->text(), QString("10"));
        QVERIFY(!QFile::exists(file()));
    }

    // A text that is not a number in the "09 Punkte" row: the rules down to
    // 9 points run, the rest of the ladder is skipped, without a message.
    void badFieldStopsTheLadder()
    {
        program.start();
        field(7)->setText("drei");
        ownLevelWithQuotient("5");
        QCOMPARE(essay()->Edit4->text(), QString("9"));
        field(7)->setText("3,03");
        essay()->Button2->click();
        QCOMPARE(essay()->Edit4->text(), QString("4"));
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    void restoreDeletesAndRestarts_data()
    {
        // clang-format off
        QTest::addColumn<bool>("withFile");
        QTest::newRow("own values saved") << true;
        QTest::newRow("no file") << false;
        // clang-format on
    }
    void restoreDeletesAndRestarts()
    {
        QFETCH(bool, withFile);
        if (withFile)
            writeFile("1\r\n");
        program.start();
        own()->show();
        QTest::mouseClick(own()->Button2, Qt::LeftButton);
        QVERIFY(!QFile::exists(file()));
        QVERIFY(!own()->isVisible());
        QCOMPARE(program.relaunches, QList<QStringList>{{"restart"}});
        QVERIFY(program.recorder.boxes.isEmpty());
    }
};

ZM_TEST_MAIN_GUI(TestOwnThresholds)
#include "tst_ownthresholds.moc"
