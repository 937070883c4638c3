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
        QTest::keyClicks(edit, text);
    }
    static void choose(QRadioButton *level) { QTest::mouseClick(level, Qt::LeftButton, {}, QPoint(8, 8)); }
    QStringList results() const { return {form->Label5->text(), form->Label2->text()}; }
    bool msaPicture() const { return form->Image1->isVisibleTo(form) && !form->Image2->isVisibleTo(form); }

private slots:
    void init()
    {
        program.start();
        form = app::forms().form5;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup() { program.stop(); }

    void typingAndLevels()
    {
        type(form->Edit1, "250");
        QCOMPARE(results(), (QStringList{" ", " "})); // no error count yet
        type(form->Edit2, "12");
        QCOMPARE(results(), (QStringList{"21", "5"}));
        QVERIFY(msaPicture());
        choose(form->RadioButton2); // recomputes from the same inputs
        QCOMPARE(results(), (QStringList{"21", "3"}));
        QVERIFY(!msaPicture() && form->Image2->isVisibleTo(form));
        type(form->Edit2, "20");
        QCOMPARE(results(), (QStringList{"12", "2"}));
        choose(form->RadioButton1);
        QCOMPARE(results(), (QStringList{"12", "1"}));
        QVERIFY(msaPicture());
        QVERIFY(program.recorder.boxes.isEmpty());
    }

    // One error report; the results keep their texts.
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
