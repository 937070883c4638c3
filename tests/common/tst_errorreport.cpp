#include "common/errorreport.h"
#include "common/errors.h"
#include "common/fixedpoint.h"
#include "common/messages.h"

#include "support/gui.h"
#include "support/testmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using namespace zm;

class TestErrorReport : public QObject
{
    Q_OBJECT

    test::BoxRecorder boxes;

private slots:
    void init()
    {
        ui::setApplicationTitle("Zensomat");
        boxes.install();
    }
    void cleanup() { test::BoxRecorder::uninstall(); }

    void fullStopRule_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter gets a full stop") << "Gleitkommadivision durch Null" << "Gleitkommadivision durch Null.";
        QTest::newRow("quote gets none") << "Fehler bei 'x'" << "Fehler bei 'x'";
        QTest::newRow("conversion error") << "'x' ist kein gültiger Gleitkommawert"
                                          << "'x' ist kein gültiger Gleitkommawert.";
        QTest::newRow("full stop stays single") << "Win32-Fehler. Code: 2." << "Win32-Fehler. Code: 2.";
        QTest::newRow("exclamation mark sorts before") << "Fehler!" << "Fehler!";
        QTest::newRow("digit sorts after") << "E/A-Fehler 5" << "E/A-Fehler 5.";
        QTest::newRow("empty text") << "" << "";
        // clang-format on
    }
    void fullStopRule()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        ui::reportError(text);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].kind, ui::BoxKind::Critical);
        QCOMPARE(boxes.boxes[0].title, QString("Zensomat"));
        QCOMPARE(boxes.boxes[0].text, shown);
    }

    void guardedReportsAndGoesOn()
    {
        bool after = false;
        ui::guarded([] { throw MathError::divisionByZero(); });
        ui::guarded([&] { after = true; });
        QVERIFY(after);
        QCOMPARE(boxes.texts(), QStringList{"Gleitkommadivision durch Null."});
        QCOMPARE(ui::handlerDepth(), 0);
    }

    // Outer handler assigns a text; the field's handler assigns another
    // field; that one fails. Both outer handlers end, one report.
    void nestedFailureTwoLevelsDeep()
    {
        QLineEdit a, b, c;
        QStringList trace;
        connect(&c, &QLineEdit::textChanged, this, ui::guard([&] {
            trace << "c";
            throw ConversionError("'c' ist kein gültiger Integerwert");
        }));
        connect(&b, &QLineEdit::textChanged, this, ui::guard([&] {
            trace << "b-before";
            ui::setText(&c, "x");
            trace << "b-after";
        }));
        connect(&a, &QLineEdit::textChanged, this, ui::guard([&] {
            trace << "a-before";
            ui::setText(&b, "y");
            trace << "a-after";
        }));
        a.setText("go");
        QCOMPARE(trace, (QStringList{"a-before", "b-before", "c"}));
        QCOMPARE(boxes.texts(), QStringList{"'c' ist kein gültiger Integerwert."});
        QCOMPARE(ui::handlerDepth(), 0);
    }

    // A nested conversion error reaches the outer handler as the same type,
    // so an outer guard for non-numbers swallows it silently.
    void nestedErrorKeepsItsType()
    {
        QLineEdit a, b;
        bool caught = false;
        connect(&b, &QLineEdit::textChanged, this, ui::guard([] { parseFixed("abc"); }));
        connect(&a, &QLineEdit::textChanged, this, ui::guard([&] {
            try {
                ui::setText(&b, "1");
            } catch (const ConversionError &) {
                caught = true;
            }
        }));
        a.setText("1");
        QVERIFY(caught);
        QVERIFY(boxes.boxes.isEmpty());
    }

    // The toolkit rules the windows rely on.
    void sameTextRunsNothing()
    {
        QLineEdit e;
        QSignalSpy spy(&e, &QLineEdit::textChanged);
        e.setText("20");
        e.setText("20");
        QCOMPARE(spy.count(), 1);
        e.setText("");
        QCOMPARE(spy.count(), 2);
    }

    void radioHandlerRunsWhenItBecomesChecked()
    {
        QWidget box;
        auto *r1 = new QRadioButton("a", &box);
        auto *r2 = new QRadioButton("b", &box);
        r1->setChecked(true);
        box.show();
        QSignalSpy spy(r2, &QRadioButton::toggled);
        QTest::mouseClick(r1, Qt::LeftButton); // already checked: nothing
        QCOMPARE(spy.count(), 0);
        r2->setChecked(true); // by code
        QCOMPARE(spy.count(), 1);
        r2->setChecked(true);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!r1->isChecked());
    }

    void sliderAndCheckBoxEmitOnlyOnChange()
    {
        QSlider s;
        s.setRange(0, 10);
        s.setValue(5);
        QSignalSpy spy(&s, &QSlider::valueChanged);
        s.setValue(5);
        QCOMPARE(spy.count(), 0);
        s.setValue(6);
        QCOMPARE(spy.count(), 1);
        QCheckBox c;
        c.setChecked(true);
        QSignalSpy cspy(&c, &QCheckBox::toggled);
        c.setChecked(true);
        QCOMPARE(cspy.count(), 0);
    }

    void buttonClickFromCodeRaisesTheHandlersError()
    {
        QPushButton hidden;
        hidden.hide();
        connect(&hidden, &QPushButton::clicked, this, ui::guard([] { throw IoError(5); }));
        bool outerEnded = true;
        ui::guarded([&] {
            ui::click(&hidden);
            outerEnded = false;
        });
        QVERIFY(outerEnded);
        QCOMPARE(boxes.texts(), QStringList{"E/A-Fehler 5."});
    }

    void plainMessageCarriesTheTitle()
    {
        ui::showMessageLines({"eins", "zwei "});
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].kind, ui::BoxKind::Information);
        QCOMPARE(boxes.boxes[0].text, QString("eins\nzwei "));
        QCOMPARE(boxes.boxes[0].title, QString("Zensomat"));
    }

    void realBoxesCanBeAcknowledged()
    {
        test::BoxRecorder::uninstall();
        test::RealBoxCloser closer;
        ui::showMessage("Hallo");
        ui::reportError("Kaputt");
        QCOMPARE(closer.texts, (QStringList{"Hallo", "Kaputt."}));
    }
};

ZM_TEST_MAIN_GUI(TestErrorReport)
#include "tst_errorreport.moc"
