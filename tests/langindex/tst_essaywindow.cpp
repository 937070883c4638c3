#include "app/forms.h"
#include "common/clock.h"
#include "common/messages.h"
#include "langindex/essaywindow.h"
#include "langindex/ownthresholds.h"

#include "common/windowprint.h"
#include "support/gui.h"
#include "support/testmain.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTime>
#include <QTimer>

using namespace zm;

class TestEssayWindow : public QObject
{
    Q_OBJECT

    test::Program program;
    QString home;

    static TForm14 *essay() { return app::forms().form14; }
    template <class T = QLineEdit> static T *find(const QString &name)
    {
        T *w = essay()->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    static QLineEdit *edit(const QString &name) { return find<QLineEdit>(name); }
    static QString text(const QString &name) { return edit(name)->text(); }
    static QColor base(const QString &name) { return edit(name)->palette().color(QPalette::Base); }
    // Replaces a field's text as the teacher would, one keystroke at a time.
    static void typeInto(const QString &name, const QString &value)
    {
        QLineEdit *e = edit(name);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, value);
    }
    static void click(const QString &name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    static void withIndex()
    {
        if (!essay()->indexMode())
            click("Button14");
    }
    // Word and error count in one go each, word count first.
    static void counts(const QString &words, const QString &errors)
    {
        edit("Edit1")->setText(words);
        edit("Edit2")->setText(errors);
    }
    QStringList boxes() const { return program.recorder.texts(); }

private slots:
    void initTestCase() { home = qEnvironmentVariable("HOME"); }
    void init()
    {
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        program.start();
        essay()->show();
    }
    void cleanup()
    {
        zm::print::setPrinterProvider(nullptr);
        program.stop();
    }

    void startsWithoutIndexAndWeighted()
    {
        TForm14 *w = essay();
        QCOMPARE(w->windowTitle(), QString("Online Hilfe: erst alle Arbeiten nachsehen, dann hier bewerten."));
        QCOMPARE(find<QPushButton>("Button14")->text(), QString("mit Fehlerindex"));
        QVERIFY(w->GroupBox6->isVisibleTo(w));
        QVERIFY(!w->GroupBox1->isVisibleTo(w));
        QVERIFY(find<QRadioButton>("RadioButton12")->isChecked());
        QVERIFY(!w->Edit22->isVisibleTo(w));
        QCOMPARE(w->Edit22->text(), QString("100"));
        QCOMPARE(w->transcriptPending, 3);
        QVERIFY(w->CheckBox1->isChecked());
        QVERIFY(!(w->RadioButton12->focusPolicy() & Qt::TabFocus));
        QCOMPARE(w->storedQuotient(), Fixed());
        QVERIFY(!w->selectedLevel());
        for (const char *name : {"Edit18", "Edit19", "Edit20"})
            QCOMPARE(text(name), QString("1"));
        // The weights are told apart by their colours alone.
        QVERIFY(w->GroupBox11->findChildren<QLabel *>().isEmpty());
        // Buttons that show later windows are on once those windows exist.
        QVERIFY(find<QPushButton>("Button3")->isEnabled());
        for (const auto &[button, window] :
             {std::pair{"Button9", "Form17"}, {"Button10", "Form17"}, {"Button7", "Form12"}, {"Button13", "Form15"}})
            QCOMPARE(find<QPushButton>(button)->isEnabled(), app::window(window) != nullptr);
    }

    // At start only the error count, the expression points, the part points
    // and checked radio buttons take the Tab key; a level becomes a tab stop
    // once it is checked.
    void tabStopsAtStart()
    {
        TForm14 *w = essay();
        withIndex();
        const auto tabStop = [](QWidget *widget) { return bool(widget->focusPolicy() & Qt::TabFocus); };
        for (const char *name : {"Edit2", "Edit17", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16"})
            QVERIFY2(tabStop(edit(name)), name);
        for (const char *name : {"Edit1", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10",
                                 "Edit18", "Edit19", "Edit20", "Edit21"})
            QVERIFY2(!tabStop(edit(name)), name);
        QVERIFY(!tabStop(w->RadioButton12));
        QVERIFY(!tabStop(w->RadioButton13));
        for (const auto &info : langindex::levels())
            QVERIFY2(!tabStop(find<QRadioButton>(QString::fromLatin1(info.objectName))), info.objectName);
        QTest::mouseClick(find<QRadioButton>("g12"), Qt::LeftButton);
        QVERIFY(tabStop(find<QRadioButton>("g12")));
        QVERIFY(!tabStop(find<QRadioButton>("r10")));
    }

    void levelsAreOneGroupAcrossBothFrames()
    {
        const auto &levels = langindex::levels();
        for (const auto &info : levels) {
            auto *radio = find<QRadioButton>(QString::fromLatin1(info.objectName));
            QCOMPARE(radio->text(), QString::fromUtf8(info.caption));
            QVERIFY(!radio->isChecked());
        }
        withIndex();
        click("engl7");
        click("RadioButton9");
        QVERIFY(!find<QRadioButton>("engl7")->isChecked());
        QCOMPARE(essay()->selectedLevel()->level, langindex::Level::FrzLK13ab11);
    }

    // Emptying word count, error count, quotient and points; keeping the
    // level and the stored quotient; the colours of the two typed fields.
    void modeSwitch()
    {
        TForm14 *w = essay();
        withIndex();
        QCOMPARE(find<QPushButton>("Button14")->text(), QString("ohne Fehlerindex"));
        QVERIFY(w->GroupBox1->isVisibleTo(w));
        QVERIFY(!w->GroupBox6->isVisibleTo(w));
        QCOMPARE(base("Edit1"), QColor(Qt::white));
        click("r10");
        counts("250", "5");
        QCOMPARE(text("Edit3"), QString("2,00"));
        QCOMPARE(text("Edit4"), QString("11"));

        click("Button14");
        QCOMPARE(find<QPushButton>("Button14")->text(), QString("mit Fehlerindex"));
        QVERIFY(w->GroupBox6->isVisibleTo(w));
        QVERIFY(w->Image1->isVisibleTo(w));
        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"})
            QVERIFY2(text(name).isEmpty(), name);
        QVERIFY(find<QRadioButton>("r10")->isChecked());
        QCOMPARE(w->storedQuotient(), Fixed::fromInt(2));
        QCOMPARE(base("Edit4"), QColor(Qt::white));

        click("Button14");
        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"})
            QVERIFY2(text(name).isEmpty(), name);
        // The click on the weights box maps the kept quotient again.
        QTest::mouseClick(w->GroupBox11, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(text("Edit4"), QString("11"));
        QVERIFY(boxes().isEmpty());
    }

    // Only a left click on the weights box maps again.
    void weightsBoxClick_data()
    {
        // clang-format off
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("points");
        QTest::newRow("left button maps") << Qt::LeftButton << "11";
        QTest::newRow("right button does nothing") << Qt::RightButton << "7";
        QTest::newRow("middle button does nothing") << Qt::MiddleButton << "7";
        // clang-format on
    }
    void weightsBoxClick()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, points);
        withIndex();
        click("r10");
        counts("250", "5");
        edit("Edit4")->setText("7");
        QTest::mouseClick(essay()->GroupBox11, button, {}, QPoint(5, 5));
        QCOMPARE(text("Edit4"), points);
    }

    // Points typed by hand without the index are never replaced by the mapping.
    void handTypedPointsStayWithoutIndex()
    {
        TForm14 *w = essay();
        withIndex();
        click("r10");
        counts("250", "5");
        click("Button14");
        typeInto("Edit4", "7");
        QTest::mouseClick(w->GroupBox11, Qt::LeftButton, {}, QPoint(5, 5));
        w->Button2->click();
        QCOMPARE(text("Edit4"), QString("7"));
    }

    void quotientFollowsTheErrorCountOnly()
    {
        withIndex();
        click("r10");
        typeInto("Edit1", "250");
        QCOMPARE(text("Edit3"), QString());
        typeInto("Edit2", "5");
        QCOMPARE(text("Edit3"), QString("2,00"));
        QCOMPARE(text("Edit4"), QString("11"));
        // A new word count alone changes nothing …
        typeInto("Edit1", "500");
        QCOMPARE(text("Edit3"), QString("2,00"));
        QCOMPARE(text("Edit4"), QString("11"));
        QCOMPARE(essay()->storedQuotient(), Fixed::fromInt(2));
        // … until the error count is edited.
        typeInto("Edit2", "4");
        QCOMPARE(text("Edit3"), QString("0,80"));
        QCOMPARE(text("Edit4"), QString("14"));
        QVERIFY(boxes().isEmpty());
    }

    void mappingShowsPointsAndBands_data()
    {
        // clang-format off
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("quotient");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("french");
        QTest::newRow("class 10, 5 in 250") << "r10"
                                            << "250"
                                            << "5"
                                            << "2,00"
                                            << "11"
                                            << "Engl: Ü 2"
                                            << "Frz: Ü 1";
        QTest::newRow("German Sek1, bound with three decimals") << "dtSek1"
                                                                << "500"
                                                                << "4"
                                                                << "0,80"
                                                                << "12"
                                                                << "Dt.: Ü 2"
                                                                << "";
        QTest::newRow("English 7 beyond the points ladder") << "engl7"
                                                            << "1000"
                                                            << "96"
                                                            << "9,60"
                                                            << "0"
                                                            << "Engl: Ü 7 +"
                                                            << "";
        QTest::newRow("course level empties the bands") << "g11"
                                                        << "100"
                                                        << "2"
                                                        << "2,00"
                                                        << "11"
                                                        << ""
                                                        << "";
        // clang-format on
    }
    void mappingShowsPointsAndBands()
    {
        QFETCH(QString, level);
        QFETCH(QString, words);
        QFETCH(QString, errors);
        QFETCH(QString, quotient);
        QFETCH(QString, points);
        QFETCH(QString, english);
        QFETCH(QString, french);
        withIndex();
        // Bands left over from another level first.
        click("r10");
        counts("100", "9");
        QCOMPARE(essay()->Label21->text(), QString("Engl: Ü 7"));
        click(level);
        counts(words, errors);
        QCOMPARE(text("Edit3"), quotient);
        QCOMPARE(text("Edit4"), points);
        QCOMPARE(essay()->Label21->text(), english);
        QCOMPARE(essay()->Label24->text(), french);
    }

    // 2,1234 and 2,1249 both show 2,12: the second calculation stores its
    // quotient but leaves the quotient text, so the mapping does not run.
    void sameTwoDecimalTextDoesNotMapAgain()
    {
        withIndex();
        click("r10");
        counts("100", "2,1234");
        QCOMPARE(text("Edit3"), QString("2,12"));
        QCOMPARE(text("Edit4"), QString("11"));
        edit("Edit4")->setText("99"); // a mapping would overwrite this
        edit("Edit2")->setText("2,1249");
        QCOMPARE(essay()->storedQuotient(), Fixed::fromRaw(21249));
        QCOMPARE(text("Edit3"), QString("2,12"));
        QCOMPARE(text("Edit4"), QString("99"));
        edit("Edit2")->setText("2,1251");
        QCOMPARE(text("Edit3"), QString("2,13"));
        QCOMPARE(text("Edit4"), QString("11"));
    }

    void selectingAnotherLevelMapsAtOnce()
    {
        withIndex();
        click("r10");
        counts("100", "3");
        QCOMPARE(text("Edit4"), QString("9"));
        QCOMPARE(essay()->Label21->text(), QString("Engl: Ü 3"));
        click("RadioButton14");
        QCOMPARE(text("Edit4"), QString("14"));
        QCOMPARE(essay()->Label21->text(), QString());
        QCOMPARE(essay()->Label24->text(), QString());
    }

    void zeroWordsGoToTheReport_data()
    {
        // clang-format off
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("report");
        QTest::newRow("errors in 0 words") << "6"
                                           << "Gleitkommadivision durch Null.";
        QTest::newRow("0 errors in 0 words") << "0"
                                             << "Ungültige Gleitkommaoperation.";
        // clang-format on
    }
    void zeroWordsGoToTheReport()
    {
        QFETCH(QString, errors);
        QFETCH(QString, report);
        withIndex();
        click("r10");
        counts("250", "5");
        counts("0", errors);
        QCOMPARE(boxes(), QStringList{report});
        QCOMPARE(program.recorder.boxes[0].kind, ui::BoxKind::Critical);
        QCOMPARE(essay()->storedQuotient(), Fixed::fromInt(2));
        QCOMPARE(text("Edit3"), QString("2,00"));
    }

    void nonNumberCountsAreSilent()
    {
        withIndex();
        click("r10");
        counts("250", "5");
        counts("250", "fünf");
        counts("", "3");
        QVERIFY(boxes().isEmpty());
        QCOMPARE(text("Edit3"), QString("2,00"));
    }

    // "0" points turn the field red, other points white; a text that is not
    // a number leaves the colour.
    void pointsColour()
    {
        withIndex();
        click("r10");
        counts("100", "2");
        QCOMPARE(text("Edit4"), QString("11"));
        QCOMPARE(base("Edit4"), QColor(Qt::white));
        edit("Edit4")->setText("x");
        counts("100", "0"); // q = 0: no rule writes
        QCOMPARE(text("Edit3"), QString("0,00"));
        QCOMPARE(text("Edit4"), QString("x"));
        QCOMPARE(base("Edit4"), QColor(Qt::white));
        counts("100", "7");
        QCOMPARE(text("Edit4"), QString("0"));
        QCOMPARE(base("Edit4"), QColor(Qt::red));
        edit("Edit4")->setText("");
        counts("100", "0");
        QCOMPARE(base("Edit4"), QColor(Qt::red));
    }

    // Additive mode: each part's value is written from its points and the
    // maximum; a new maximum ripples through the parts until the first
    // part whose points field is empty.
    void additiveRipple()
    {
        TForm14 *w = essay();
        click("RadioButton13");
        QVERIFY(w->Edit22->isVisibleTo(w));
        QCOMPARE(w->Label12->text(), QString("entspr. Punktzahl nach 15er-System"));
        QVERIFY(!edit("Edit6")->isEnabled());
        typeInto("Edit12", "40");
        typeInto("Edit13", "35");
        typeInto("Edit14", "30"); // task 4, behind the empty task 3
        QCOMPARE(text("Edit6"), QString("6"));
        QCOMPARE(text("Edit7"), QString("5,25"));
        QCOMPARE(text("Edit5"), QString());
        QCOMPARE(text("Edit8"), QString("4,5"));

        typeInto("Edit22", "50");
        QCOMPARE(text("Edit6"), QString("12"));
        QCOMPARE(text("Edit7"), QString("10,5"));
        QCOMPARE(text("Edit5"), QString());
        QCOMPARE(text("Edit8"), QString("4,5"));

        // With task 3 filled the ripple reaches task 4.
        typeInto("Edit11", "10");
        QCOMPARE(text("Edit5"), QString("3"));
        typeInto("Edit22", "7");
        QCOMPARE(text("Edit8"), QString("64,2857"));
        typeInto("Edit12", "1");
        QCOMPARE(text("Edit6"), QString("2,1429"));
        QVERIFY(boxes().isEmpty());
    }

    void maximumZeroGoesToTheReport()
    {
        click("RadioButton13");
        typeInto("Edit12", "40");
        edit("Edit22")->setText("0");
        QCOMPARE(boxes(), QStringList{"Gleitkommadivision durch Null."});
        QCOMPARE(text("Edit6"), QString("6"));
    }

    void weightedPartRules_data()
    {
        // clang-format off
        QTest::addColumn<QString>("weightBefore");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("pointsAfter");
        QTest::addColumn<QString>("weightAfter");
        QTest::addColumn<int>("beeps");
        QTest::newRow("16 points: emptied with a beep") << ""
                                                        << "16"
                                                        << ""
                                                        << "" << 1;
        QTest::newRow("16 points empty the own weight too") << "3"
                                                            << "16"
                                                            << ""
                                                            << "" << 1;
        QTest::newRow("15 points get the weight 1") << ""
                                                    << "15"
                                                    << "15"
                                                    << "1" << 0;
        QTest::newRow("a weight stays") << "2"
                                        << "12"
                                        << "12"
                                        << "2" << 0;
        // clang-format on
    }
    void weightedPartRules()
    {
        QFETCH(QString, weightBefore);
        QFETCH(QString, points);
        QFETCH(QString, pointsAfter);
        QFETCH(QString, weightAfter);
        QFETCH(int, beeps);
        edit("Edit7")->setText(weightBefore);
        const int before = ui::beepCount();
        edit("Edit13")->setText(points);
        QCOMPARE(text("Edit13"), pointsAfter);
        QCOMPARE(text("Edit7"), weightAfter);
        QCOMPARE(ui::beepCount() - before, beeps);
        QVERIFY(edit("Edit13")->focusPolicy() & Qt::TabFocus);
        QVERIFY(boxes().isEmpty());
    }

    void partModesEmptyTheParts()
    {
        TForm14 *w = essay();
        typeInto("Edit12", "12");
        QCOMPARE(text("Edit6"), QString("1"));
        click("RadioButton13");
        click("RadioButton12");
        for (const char *name : {"Edit11", "Edit12", "Edit13", "Edit5", "Edit6", "Edit7"})
            QVERIFY2(text(name).isEmpty(), name);
        QCOMPARE(w->Label12->text(), QString("Zwischenergebnis der Teilaufgaben"));
        QCOMPARE(w->Label25->text(), QString(" ? "));
        QVERIFY(!w->Edit22->isVisibleTo(w));
        QVERIFY(edit("Edit6")->isEnabled());
        QVERIFY(!(w->RadioButton12->focusPolicy() & Qt::TabFocus));
        QVERIFY(!(w->RadioButton13->focusPolicy() & Qt::TabFocus));
    }

    void expressionCheck_data()
    {
        // clang-format off
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("weightAfter");
        QTest::newRow("empty language points") << ""
                                               << "0" << QStringList{"'' ist kein gültiger Integerwert."} << "0";
        QTest::newRow("decimal language points") << "7,5"
                                                 << "0" << QStringList{"'7,5' ist kein gültiger Integerwert."} << "0";
        QTest::newRow("16 points") << "16"
                                   << "0" << QStringList{"Ups, da sind mehr als 15 Punkte bei der Schreibrichtigkeit!"}
                                   << "1";
        QTest::newRow("15 points, weight 0") << "15"
                                             << "0" << QStringList{} << "1";
        QTest::newRow("weight 00 stays") << "15"
                                         << "00" << QStringList{} << "00";
        // clang-format on
    }
    void expressionCheck()
    {
        QFETCH(QString, language);
        QFETCH(QString, weight);
        QFETCH(QStringList, shown);
        QFETCH(QString, weightAfter);
        edit("Edit4")->setText(language);
        edit("Edit19")->setText(weight);
        edit("Edit17")->setText("10");
        QCOMPARE(boxes(), shown);
        QCOMPARE(text("Edit19"), weightAfter);
        if (!shown.isEmpty() && shown[0].contains("Integerwert"))
            QCOMPARE(program.recorder.boxes[0].kind, ui::BoxKind::Critical);
    }

    void areaWeightsChangeCase()
    {
        QTest::keyClicks(edit("Edit19"), "x");
        QTest::keyClicks(edit("Edit20"), "Y");
        QCOMPARE(text("Edit19"), QString("1X"));
        QCOMPARE(text("Edit20"), QString("1y"));
    }

    void helpMessages_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Hinweise zum Vorgehen")
            << "Button8"
            << QStringList{
                   "Hinweise zum Vorgehen in drei Schritten:",
                   "",
                   "1. Der Rechner bleibt aus, spart Strom, ist leise... Korrigiere zunächst alle Arbeiten!",
                   "",
                   "2. Nachdem das\"Sprachen\"-Modul des Zensomats gestartet wurde, werden zunächst",
                   "   die nur einmalig einzugebenden Grundbedingungen für Klasse oder Kurs eingegeben:",
                   "        a) Falls gewählt: Bezugsgruppe für die Umrechnung des Fehlerindexes in eine Note",
                   "        b) Gewichtung der Teilbereiche per Faktor (rot, gelb oder blau), falls gewünscht",
                   "        c) Gewichtung der Teilaufgaben, falls gewünscht oder additive Methode wählen.",
                   "   ",
                   "3. Jetzt kann für jede Schülerin, für jeden Schüler die individuelle Note durch",
                   "   Eingabe von: Wortzahl und Fehlerzahl bzw. Punkte für Sprachrichtigkeit,",
                   "   Ausdrucksvermögen und weiteren Aufgabenteilen ermittelt werden.",
                   "   Folge einfach den Tabulatorsprüngen!",
                   "",
                   "Deutschkollegen und Kolleginnen sollten einfach eine Teilaufgabe mit entsprechender",
                   "Gewichtung für das Bewerten des \"Aufbaus\" benutzen. ",
                   "Der Inhalt/Teilaufgabenteil kann auch separat genutzt werden, einfach die Faktoren ",
                   "von Fehlerindex und Ausdruck (rot, gelb)auf 0 (Null) setzen. ",
                   "Wer will, kann eine Ergebnisliste mitschreiben, speichern und (oder) drucken.  ",
                   "Sollte ein Nachschreiber später noch bewertet werden müssen, kann die Klassenliste wieder   ",
                   "geöffnet werden. Der/die Nachzügler werden dann bewertet und unten rangehängt.   ",
                   "Achtung, nach Beenden des Zensomats sind alle nicht gespeicherten Einträge weg. ",
               };
        QTest::newRow("Info") << "Button11"
                              << QStringList{
                                     "Letzte Überarbeitung der Indextabelle im Dezember 2008.",
                                     "Für den 11. Jahrgang werden die Werte empfohlen,",
                                     "für 12 und 13 waren die Werte in Schleswig-Holstein verbindlich!",
                                     "Momentan, 2011, kann in SH auch ohne Index gearbeitet werden!",
                                     "Genauere Beschreibungen sind unter dem Schalter \"Indexwerte ansehen\" und im "
                                     "Lernnetz SH zu bekommen!",
                                 };
        // clang-format on
    }
    void helpMessages()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        withIndex(); // "Info" sits in the index box
        click(button);
        QCOMPARE(program.recorder.boxes.size(), 1);
        QCOMPARE(program.recorder.boxes[0].kind, ui::BoxKind::Information);
        QCOMPARE(program.recorder.boxes[0].title, QString("Zensomat"));
        QCOMPARE(program.recorder.boxes[0].text.split('\n'), lines);
    }

    void clockText_data()
    {
        // clang-format off
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("shown");
        QTest::newRow("afternoon") << QTime(14, 5) << "14:05 Uhr";
        QTest::newRow("morning, leading zero") << QTime(9, 3, 59) << "09:03 Uhr";
        QTest::newRow("midnight") << QTime(0, 0) << "00:00 Uhr";
        // clang-format on
    }
    void clockText()
    {
        QFETCH(QTime, time);
        QFETCH(QString, shown);
        QCOMPARE(TForm14::clockText(time), shown);
    }

    void statusBarAndTimer()
    {
        TForm14 *w = essay();
        QCOMPARE(w->Timer1->interval(), 1000);
        QVERIFY(w->Timer1->isActive());
        QVERIFY(!w->statusPanels[0]->text().trimmed().isEmpty());
        QCOMPARE(w->statusPanels[1]->text(), QString());
        QVERIFY(w->statusPanels[2]->alignment() & Qt::AlignHCenter);
        // The clock panel reads the program's clock, which a test can fix.
        clock::setNowProvider([] { return QDateTime(QDate(2026, 12, 8), QTime(7, 45)); });
        w->statusPanels[2]->clear();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusPanels[2]->text(), QString("07:45 Uhr"), 3000);
        clock::setNowProvider(nullptr);
    }

    void indexViewShowsAndPrints()
    {
        TForm14 *w = essay();
        withIndex();
        click("Button4");
        QVERIFY(w->RichEdit1->isVisibleTo(w));
        QVERIFY(w->Button5->isVisibleTo(w));
        QVERIFY(w->Button6->isVisibleTo(w));
        QVERIFY(w->RichEdit1->isReadOnly());
        QVERIFY(w->RichEdit1->toPlainText().startsWith(
            QString("Wenn Fehlerindex größer \"X\", dann 'Punktzahl', alles klar?")));

        QTemporaryDir dir;
        const QString pdf = dir.filePath("index.pdf");
        zm::print::setPrinterProvider([pdf] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
        click("Button5");
        QVERIFY(boxes().isEmpty());
        QVERIFY(!w->RichEdit1->isVisibleTo(w));
        QVERIFY(!w->Button5->isVisibleTo(w));
        QVERIFY(!w->Button6->isVisibleTo(w));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY2(bytes.count("/Type /Page\n") > 1, "the index text runs over several pages");

        click("Button4");
        click("Button6");
        QVERIFY(!w->RichEdit1->isVisibleTo(w));
        QVERIFY(!w->Button5->isVisibleTo(w));
    }

    void printingWithoutPrinterIsReported()
    {
        zm::print::setPrinterProvider([] { return std::unique_ptr<QPrinter>(); });
        TForm14 *w = essay();
        click("Button4");
        click("Button5");
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(boxes()[0].startsWith("Es ist kein Standarddrucker eingerichtet."));
        // The view stays usable: it can still be closed.
        QVERIFY(w->RichEdit1->isVisibleTo(w));
        QVERIFY(w->Button6->isVisibleTo(w));
    }

    // "Endnote berechnen" leaves only the per-student fields in the Tab
    // order; the grade text follows every change of the final score, and a
    // final score that is not a number goes to the report.
    void finalGradeAndGradeText()
    {
        TForm14 *w = essay();
        withIndex();
        click("g12");
        w->CheckBox1->setChecked(false);
        typeInto("Edit4", "8");
        typeInto("Edit17", "10");
        typeInto("Edit12", "12");
        typeInto("Edit13", "9");
        click("Button3");
        QCOMPARE(text("Edit21"), QString("9,5"));
        QCOMPARE(w->Label30->text(), QString("2 -"));
        QCOMPARE(w->Label25->text(), QString("10,50"));
        QVERIFY(!(find<QRadioButton>("g12")->focusPolicy() & Qt::TabFocus));
        QVERIFY(edit("Edit12")->focusPolicy() & Qt::TabFocus);
        edit("Edit11")->setText("3"); // a tab stop now, but its weight is emptied again
        edit("Edit5")->clear();
        click("Button3");
        QVERIFY(!(edit("Edit11")->focusPolicy() & Qt::TabFocus));

        edit("Edit21")->setText("9,4");
        QCOMPARE(w->Label30->text(), QString("3 +"));
        edit("Edit21")->setText("9,4x");
        QCOMPARE(boxes(), QStringList{"'9,4x' ist kein gültiger Gleitkommawert."});
        QCOMPARE(w->Label30->text(), QString("3 +"));
        QTest::mouseClick(w->Label30, Qt::LeftButton);
        QCOMPARE(program.recorder.criticalCount(), 2);
    }

    void recordingFlagFollowsTheCheckBox()
    {
        TForm14 *w = essay();
        click("CheckBox1");
        QVERIFY(!w->CheckBox1->isChecked());
        QCOMPARE(w->transcriptPending, 2);
        click("CheckBox1");
        QCOMPARE(w->transcriptPending, 3);
    }

    void endHidesAndOwnValuesOpens()
    {
        TForm14 *w = essay();
        w->show();
        withIndex();
        click("Button1");
        QVERIFY(app::forms().form16->isVisible());
        click("Button12");
        QVERIFY(!w->isVisible());
    }
};

ZM_TEST_MAIN_GUI(TestEssayWindow)
#include "tst_essaywindow.moc"
