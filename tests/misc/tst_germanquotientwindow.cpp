// "ESA/MSA Deutsch SH" through its controls: it recomputes as the teacher
// types and when the level changes; a bad entry goes to the error report.

#include "app/forms.h"
#include "misc/germanquotientwindow.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace zm;

class TestGermanQuotientWindow : public QObject
{
    Q_OBJECT

    test::Program program;
    TForm5 *form = nullptr;

    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    QStringList results() const { return {form->Label5->text(), form->Label2->text()}; }

private slots:
    void init()
    {
        program.start();
        form = app::forms().form5;
        QVERIFY(form);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup() { program.stop(); }

    void typingAndLevels()
    {
        QCOMPARE(form->windowTitle(), QString("ESA/MSA Deutsch SH, verbindlich für 9. + 10. Klassen "));
        QCOMPARE(results(), (QStringList{" ", " "}));
        QVERIFY(form->Image1->isVisibleTo(form) && !form->Image2->isVisibleTo(form));
        type(form->Edit1, "250");
        QCOMPARE(results(), (QStringList{" ", " "})); // no error count yet
        type(form->Edit2, "12");
        QCOMPARE(results(), (QStringList{"21", "5"}));
        // The level switch recomputes from the same inputs.
        QTest::mouseClick(form->RadioButton2, Qt::LeftButton, {}, QPoint(8, form->RadioButton2->height() / 2));
        QCOMPARE(results(), (QStringList{"21", "3"}));
        QVERIFY(!form->Image1->isVisibleTo(form) && form->Image2->isVisibleTo(form));
        type(form->Edit2, "20");
        QCOMPARE(results(), (QStringList{"12", "2"}));
        QTest::mouseClick(form->RadioButton1, Qt::LeftButton, {}, QPoint(8, form->RadioButton1->height() / 2));
        QCOMPARE(results(), (QStringList{"12", "1"}));
        QCOMPARE(form->Image1->item(2, 1)->text(), QString("≥100"));
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    // No errors or a text that is no number: one error report per keystroke,
    // the results keep their texts.
    void badEntries_data()
    {
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("report");
        QTest::newRow("no errors") << "0"
                                   << "Gleitkommadivision durch Null.";
        QTest::newRow("no number") << "x"
                                   << "'x' ist kein gültiger Gleitkommawert.";
    }
    void badEntries()
    {
        QFETCH(QString, errors);
        QFETCH(QString, report);
        type(form->Edit1, "270");
        type(form->Edit2, "20");
        QCOMPARE(results(), (QStringList{"14", "2"}));
        type(form->Edit2, errors);
        QCOMPARE(program.recorder.texts(), QStringList{report});
        QCOMPARE(program.recorder.criticalCount(), 1);
        QCOMPARE(results(), (QStringList{"14", "2"}));
    }
};

ZM_TEST_MAIN_GUI(TestGermanQuotientWindow)
#include "tst_germanquotientwindow.moc"
