#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/clock.h"
#include "langindex/essaygrade.h"
#include "langindex/essaywindow.h"
#include "transcript/namewindow.h"
#include "transcript/tableread.h"
#include "transcript/tablecollector.h"
#include "transcript/transcriptwindow.h"

#include "scales/scalestest.h"
#include "support/gui.h"
#include "support/zipped.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace zm;

Q_DECLARE_METATYPE(ui::Answer)

class TestTranscriptWindow : public QObject
{
    Q_OBJECT

    test::Program program;
    QString home;

    static TForm14 *essay() { return app::forms().form14; }
    static TForm17 *transcript() { return app::forms().form17; }
    static TForm18 *names() { return app::forms().form18; }
    QStringList boxes() const { return program.recorder.texts(); }
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < 8; ++c)
            cells << transcript()->cell(c, r);
        return cells;
    }
    // 12 and 9 points in the first two part tasks, expression 10, language 8: 9,5 and "2 -".
    static void gradeOneStudent()
    {
        essay()->Edit4->setText("8");
        essay()->Edit17->setText("10");
        essay()->Edit12->setText("12");
        essay()->Edit13->setText("9");
        essay()->Button3->click();
    }
    static void finish(const QString &name)
    {
        names()->Edit1->setText(name);
        names()->Button1->click();
    }
    // The peak resident memory (Linux) starts again from what is resident now.
    static bool resetPeakMemory()
    {
        QFile refs("/proc/self/clear_refs");
        return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
    }
    static qint64 peakResidentKb()
    {
        QFile status("/proc/self/status");
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
        return 0;
    }
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { home = qEnvironmentVariable("HOME"); }
    void init()
    {
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        clock::setNowProvider([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
        program.start();
        essay()->show();
    }
    void cleanup()
    {
        program.stop();
        ui::setAnswerHook(nullptr);
        clock::setNowProvider(nullptr);
        print::setPrinterProvider(nullptr);
    }

    // Grade → name window → "fertig" → row; "Mitschrift speichern" saves
    // and the flag goes 3 → 1 → 2; a second click then does nothing.
    void gradeRecordAndSave()
    {
        QCOMPARE(essay()->transcriptPending, 3);
        gradeOneStudent();
        QCOMPARE(essay()->Edit21->text(), QString("9,5"));
        QCOMPARE(essay()->Label30->text(), QString("2 -"));
        QCOMPARE(essay()->transcriptPending, 1);
        QVERIFY(names()->isVisible());
        QCOMPARE(names()->windowTitle(), QString("Mitschrift aktiv!"));
        QCOMPARE(names()->Edit1->text(), QString());

        finish("Ayşe Doğan & <Gast>");
        QVERIFY(!names()->isVisible());
        QCOMPARE(row(1), QStringList({"Ayşe Doğan & <Gast>", "", "", "", "8", "10", "10,50", "9,5 / 2 -"}));
        QCOMPARE(essay()->transcriptPending, 1);

        essay()->Button10->click();
        QVERIFY(transcript()->isVisible());
        QCOMPARE(transcript()->windowTitle(), QString("Ausdruck vom 05.03.2024"));

        QTemporaryDir dir;
        program.fileAnswer = dir.filePath("liste.doc");
        essay()->Button9->click();
        QCOMPARE(program.fileRequests.size(), 1);
        QCOMPARE(program.fileRequests[0].kind, ui::FileRequest::Kind::Save);
        QCOMPARE(program.fileRequests[0].folder, home + "/Zensomat");
        QCOMPARE(program.fileRequests[0].defaultSuffix, QString("doc"));
        QCOMPARE(program.fileRequests[0].filters,
                 QStringList({"Ergebnismitschrift als .doc ( *.doc)", "Ergebnismitschrift als .html (*.html)",
                              "Word-Dokument (*.docx)", "OpenDocument-Text (*.odt)"}));
        QCOMPARE(essay()->transcriptPending, 2);
        QVERIFY(!transcript()->hasUnsavedRows());
        const QByteArray saved = fileBytes(program.fileAnswer);
        QVERIFY(saved.contains("<b>Index: </b>"));
        QVERIFY(saved.contains("<b>05.03.2024</b>"));
        QVERIFY(saved.contains("<b>Ay&#351;e Do&#287;an &amp; &lt;Gast&gt;</b>"));

        essay()->Button9->click();
        QCOMPARE(program.fileRequests.size(), 1);
        QVERIFY(boxes().isEmpty());
    }

    // After a message about the inputs nothing is computed, no name window
    // opens, and rows still waiting to be saved stay waiting.
    void anEndedGradeOffersNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("missing language points")
            << "Edit4"
            << ""
            << QStringList{"Schweres Vergehen, entweder wurde keine Bezugsgruppe für den "
                           "Fehlerindex gewählt\noder es wurde kein Fehlerquotient ermittelt. "
                           "Gib Wort und Fehlerzahl ein."};
        QTest::newRow("all area weights 0") << "Edit18,Edit19,Edit20"
                                            << "0" << QStringList{};
    }
    void anEndedGradeOffersNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QStringList, shown);
        gradeOneStudent();
        finish("Anna");
        essay()->Edit21->setText("7");
        for (const QString &name : field.split(','))
            essay()->findChild<QLineEdit *>(name)->setText(value);
        program.recorder.boxes.clear();
        essay()->Button3->click();
        QCOMPARE(boxes(), shown);
        QCOMPARE(essay()->Edit21->text(), QString("7"));
        QVERIFY(!names()->isVisible());
        QCOMPARE(essay()->transcriptPending, 1);
    }

    void thirtySixthStudentIsRefused()
    {
        gradeOneStudent();
        for (int student = 1; student <= 35; ++student)
            finish(QString::number(student));
        QVERIFY(boxes().isEmpty());
        finish("36");
        QCOMPARE(boxes(),
                 QStringList{"Die Mitschrift ist voll: mehr als 35 Schülerinnen und Schüler passen nicht "
                             "hinein.\nDieser Eintrag wurde nicht übernommen. Speichere die Mitschrift jetzt!"});
        QCOMPARE(transcript()->cell(0, 35), QString("35"));
    }

    // A cancelled save, or a failed one, leaves the result waiting to be
    // saved and the old file as it was. Saved as any type, the transcript
    // counts as saved; the type follows the typed extension, else the entry.
    void savesEachType_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("marker"); // what the file holds there
        QTest::newRow("HTML") << "liste.doc" << 0 << 0 << QByteArray("<html>\r\n<head>");
        QTest::newRow(".docx by the entry") << "liste" << 2 << 30 << QByteArray("[Content_Types].xml");
        QTest::newRow(".odt by the name") << "liste.odt" << 2 << 30 << QByteArray("mimetype");
    }
    void savesEachType()
    {
        QFETCH(QString, fileName);
        QFETCH(int, entry);
        QFETCH(int, offset);
        QFETCH(QByteArray, marker);
        gradeOneStudent();
        finish("Jürgen Müller");
        essay()->Button9->click(); // cancelled
        QCOMPARE(essay()->transcriptPending, 1);

        QTemporaryDir dir;
        program.fileAnswer = dir.filePath(fileName);
        program.filterAnswer = program.fileRequests[0].filters[entry];
        QFile old(program.fileAnswer);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
        old.close();
        QFile::setPermissions(program.fileAnswer, QFileDevice::ReadOwner);
        essay()->Button9->click();
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(boxes()[0].startsWith("Die Mitschrift wurde nicht gespeichert:\n"));
        QCOMPARE(fileBytes(program.fileAnswer), QByteArray("alt"));
        QCOMPARE(essay()->transcriptPending, 1);
        QVERIFY(transcript()->hasUnsavedRows());

        QFile::setPermissions(program.fileAnswer, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        essay()->Button9->click();
        QCOMPARE(program.recorder.criticalCount(), 1);
        QCOMPARE(essay()->transcriptPending, 2);
        QVERIFY(!transcript()->hasUnsavedRows());
        QCOMPARE(fileBytes(program.fileAnswer).mid(offset, marker.size()), marker);
        QCOMPARE(transcript::readFirstTable(program.fileAnswer)[2][0].remove('\r'), QString("Jürgen Müller"));
    }

    // Ending the program (here by a restart) with rows never saved asks first.
    void unsavedRowsOnExit_data()
    {
        QTest::addColumn<bool>("rows");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<bool>("saveSucceeds");
        QTest::addColumn<bool>("ends");
        QTest::newRow("nothing unsaved") << false << ui::Answer::Cancel << false << true;
        QTest::newRow("Abbrechen") << true << ui::Answer::Cancel << false << false;
        QTest::newRow("Nein") << true << ui::Answer::No << false << true;
        QTest::newRow("Ja, saved") << true << ui::Answer::Yes << true << true;
        QTest::newRow("Ja, dialog cancelled") << true << ui::Answer::Yes << false << false;
    }
    void unsavedRowsOnExit()
    {
        QFETCH(bool, rows);
        QFETCH(ui::Answer, answer);
        QFETCH(bool, saveSucceeds);
        QFETCH(bool, ends);
        if (rows)
            finish("Anna");
        QTemporaryDir dir;
        if (saveSucceeds)
            program.fileAnswer = dir.filePath("liste.html");
        ui::setAnswerHook([answer](const ui::ShownBox &) { return answer; });
        TForm1 *menu = app::forms().form1;
        menu->show();
        QSignalSpy closed(menu, &TForm1::closed);
        app::restartProgram(nullptr);
        QCOMPARE(closed.count(), ends ? 1 : 0);
        QCOMPARE(program.relaunches.size(), ends ? 1 : 0);
        QCOMPARE(program.recorder.boxes.size(), rows ? 1 : 0);
        if (rows)
            QCOMPARE(program.recorder.boxes[0].kind, ui::BoxKind::Question);
        QCOMPARE(QFile::exists(program.fileAnswer), saveSucceeds);
    }

    // Every restore button asks about unsaved rows before it deletes its own
    // values; "Abbrechen" or a cancelled save keeps the file byte for byte and the program running.
    void restoreAsksFirst_data()
    {
        // clang-format off
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("radio"); // chosen first, when given
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<ui::Answer>("answer");
        QTest::newRow("Ü-8, Abbrechen")        << "Form2"  << ""             << "Button3" << "ue8c.ini"  << ui::Answer::Cancel;
        QTest::newRow("Ü-8, Nein")             << "Form2"  << ""             << "Button3" << "ue8c.ini"  << ui::Answer::No;
        QTest::newRow("e, te, ne, Abbrechen")  << "Form8"  << ""             << "Button3" << "etene.ini" << ui::Answer::Cancel;
        QTest::newRow("4 Stufen, Abbrechen")   << "Form19" << ""             << "Button3" << "4er.ini"   << ui::Answer::Cancel;
        QTest::newRow("Gymi-Skala, Abbrechen") << "Form10" << ""             << "Button3" << "p15.ini"   << ui::Answer::Cancel;
        QTest::newRow("own subject, Abbrechen")<< "Form21" << "RadioButton6" << "Button3" << "konf.ini"  << ui::Answer::Cancel;
        QTest::newRow("own subject, Nein")     << "Form21" << "RadioButton6" << "Button3" << "konf.ini"  << ui::Answer::No;
        QTest::newRow("index, Abbrechen")      << "Form16" << ""             << "Button2" << "ewert.ini" << ui::Answer::Cancel;
        QTest::newRow("index, Nein")           << "Form16" << ""             << "Button2" << "ewert.ini" << ui::Answer::No;
        QTest::newRow("index, Ja, not saved")  << "Form16" << ""             << "Button2" << "ewert.ini" << ui::Answer::Yes;
        // clang-format on
    }
    void restoreAsksFirst()
    {
        QFETCH(QString, window);
        QFETCH(QString, radio);
        QFETCH(QString, button);
        QFETCH(QString, fileName);
        QFETCH(ui::Answer, answer);
        const QString path = app::dataFolder() + "/" + fileName;
        const QByteArray own("91\r\n78,5\r\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(own) == own.size());
        file.close();
        finish("Anna");
        QWidget *calculator = app::window(window);
        calculator->show();
        if (!radio.isEmpty())
            test::Program::control<QAbstractButton>(window, radio)->click();
        program.recorder.boxes.clear();
        ui::setAnswerHook([answer](const ui::ShownBox &) { return answer; });
        TForm1 *menu = app::forms().form1;
        menu->show();
        test::Program::control<QPushButton>(window, button)->click();
        const bool restarts = answer == ui::Answer::No; // "Ja" finds the save dialog cancelled
        QCOMPARE(program.recorder.boxes.size(), 1);
        QCOMPARE(program.recorder.boxes[0].kind, ui::BoxKind::Question);
        QCOMPARE(QFile::exists(path), !restarts);
        QCOMPARE(fileBytes(path), restarts ? QByteArray() : own);
        QCOMPARE(program.relaunches.size(), restarts ? 1 : 0);
        QCOMPARE(menu->isVisible(), !restarts);
        if (!restarts)
            QVERIFY(calculator->isVisible());
    }

    void readBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("row0");
        QFile fixture(qEnvironmentVariable("ZENSOMAT_TEST_DATA") + "/transcript.doc");
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        QTest::newRow("a saved transcript")
            << fixture.readAll() << "Alles eingelesen, Microsoft Word kannst du  jetzt wieder beenden!"
            << QStringList{"Index: Engl. GK 11", "05.03.2024", "14:07:09", "", "", "", "©", "Velmorra"};
        QTest::newRow("a line end in a cell's source") // word processors wrap their HTML source
            << QByteArray("<meta http-equiv=Content-Type content=\"text/html; charset=windows-1252\"><table><tr>"
                          "<td>J\xFCrgen\r\n  M\xFCller<br>&nbsp;7 \x80</td></tr></table>")
            << "Alles eingelesen, Microsoft Word kannst du  jetzt wieder beenden!"
            << QStringList{
                   "Jürgen Müller7 €", "Wortzahl:", "Fehler:", "F.Q.:", "Pkt.:", "A.:", "Inhalt:", "Gesamtpkt./Note:"};
        QTest::newRow("no table") << QByteArray("<p>Liste</p>")
                                  << "Hier gibts wohl kein WinWord? Brauche ich aber!, sorry\nIn der Datei gibt es "
                                     "keine Tabelle."
                                  << QStringList{"Name:", "Wortzahl:", "Fehler:", "F.Q.:",
                                                 "Pkt.:", "A.:",       "Inhalt:", "Gesamtpkt./Note:"};
    }
    void readBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QStringList, row0);
        QTemporaryDir dir;
        program.fileAnswer = dir.filePath("liste.doc");
        QFile file(program.fileAnswer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        transcript()->Button4->click();
        QCOMPARE(program.fileRequests.size(), 1);
        QCOMPARE(program.fileRequests[0].kind, ui::FileRequest::Kind::Open);
        QCOMPARE(program.fileRequests[0].folder, home + "/Zensomat");
        QVERIFY(program.fileRequests[0].filters.isEmpty());
        QCOMPARE(boxes(), QStringList{shown});
        QCOMPARE(row(0), row0);
    }

    // Files built to freeze the program or exhaust its memory: each is
    // answered at once in German, and the grid stays as it was. The file is
    // head + count × unit + tail, zipped as `entry` where one is given.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("unit");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QString>("reason");
        const QByteArray w = "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                             "<w:body><w:tbl>";
        const QByteArray odt =
            "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
            " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
            " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><table:table>"
            "<table:table-row><table:table-cell><text:p>";
        const QByteArray table = "<table><tr><td>1</td></tr></table>";
        const QByteArray wordTable = "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>1</w:t></w:r></w:p></w:tc></w:tr></w:tbl>";
        const int toCap = -1;
        // clang-format off
        QTest::newRow("repeated blanks, .odt") << "content.xml" << odt << QByteArray("<text:s text:c=\"1000\"/>")
            << 2'200'000 << QByteArray() << "mehr als 300 Zeichen";
        QTest::newRow("one huge cell, .docx") << "word/document.xml" << w + "<w:tr><w:tc><w:p><w:r><w:t>"
            << QByteArray("x") << 60'000'000 << QByteArray() << "zu groß";
        QTest::newRow("millions of empty rows, .docx") << "word/document.xml" << w << QByteArray("<w:tr/>")
            << 9'000'000 << QByteArray() << "ist leer";
        QTest::newRow("paragraphs up to the cap, .docx") << "word/document.xml" << w.chopped(7)
            << QByteArray("<w:p/>") << toCap << wordTable << "zu umfangreich";
        QTest::newRow("text up to the cap, .docx") << "word/document.xml" << w.chopped(7) + "<w:t>"
            << QByteArray("x") << toCap << "</w:t>" + wordTable << "";
        QTest::newRow("millions of cells, HTML") << QString() << QByteArray("<table><tr>")
            << QByteArray("<td>1</td>") << 6'300'000 << QByteArray() << "zu groß";
        QTest::newRow("cells up to the cap, HTML") << QString() << QByteArray("<table><tr>")
            << QByteArray("<td>1</td>") << toCap << QByteArray() << "zu umfangreich";
        QTest::newRow("text up to the cap, HTML") << QString() << QByteArray("<p>")
            << QByteArray("Wort ") << toCap << table << "";
        // clang-format on
    }
    void hostileFiles()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, unit);
        QFETCH(int, count);
        QFETCH(QByteArray, tail);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        program.fileAnswer = dir.filePath("liste.doc");
        {
            if (count < 0) // as much as a file may hold
                count = int((transcript::MaxTextBytes - head.size() - tail.size() - 100) / unit.size());
            QByteArray bytes = head + unit.repeated(count) + tail;
            if (!entry.isEmpty())
                bytes = test::zipped(entry, bytes);
            QFile file(program.fileAnswer);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const QStringList before = row(0);
        const bool peakReset = QFile::exists("/proc/self/clear_refs") && resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        transcript()->Button4->click();
        const qint64 ms = timer.elapsed();
        const qint64 peakMb = peakResidentKb() / 1024;
        qInfo("%lld ms, %lld MB at most", ms, peakMb);
        QCOMPARE(boxes().size(), 1);
        if (reason.isEmpty()) {
            QVERIFY(boxes()[0].startsWith("Alles eingelesen"));
        } else {
            QVERIFY2(boxes()[0].contains(reason), qPrintable(boxes()[0]));
            QCOMPARE(row(0), before);
        }
#if !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
        if (peakReset)
            QVERIFY2(peakMb < 200, qPrintable(QString::number(peakMb)));
#else
        Q_UNUSED(peakReset) // the sanitizer's own memory and time are no measure of the reader
#endif
    }

    // The grade distribution and the average follow every row and every table
    // read back. "CSV speichern…" writes through the save dialog; the rows stay
    // waiting to be saved as a transcript, and a failed write leaves the file.
    void statisticsAndCsv()
    {
        const auto *distribution = transcript()->findChild<QTableWidget *>("Notenspiegel");
        const auto *average = transcript()->findChild<QLabel *>("Durchschnitt");
        QVERIFY(distribution && average);
        const QStringList grades = langindex::EssayGrade::gradeTexts();
        QCOMPARE(distribution->columnCount(), grades.size());
        for (int c = 0; c < grades.size(); ++c)
            QCOMPARE(distribution->horizontalHeaderItem(c)->text(), grades[c]);
        const auto counts = [&] {
            QStringList out;
            for (int c = 0; c < grades.size(); ++c) {
                if (distribution->item(0, c)->text() != "0")
                    out << grades[c] + ':' + distribution->item(0, c)->text();
            }
            return out;
        };
        QCOMPARE(counts(), QStringList());
        QCOMPARE(average->text(), QString("Durchschnitt der Gesamtpunkte: noch keine Einträge"));

        gradeOneStudent();
        finish("Anna"); // 9,5 / 2 -
        essay()->Edit4->setText("14");
        essay()->Button3->click();
        finish("=SUMME(A1)"); // 11,5 / 2 +
        QCOMPARE(counts(), QStringList({"2 +:1", "2 -:1"}));
        QCOMPARE(average->text(), QString("Durchschnitt der Gesamtpunkte: 10,5 (2 Arbeiten)"));

        QTemporaryDir dir;
        program.fileAnswer = dir.filePath("liste.csv");
        transcript()->findChild<QPushButton *>("ButtonCsv")->click();
        QCOMPARE(program.fileRequests.size(), 1);
        QCOMPARE(program.fileRequests[0].kind, ui::FileRequest::Kind::Save);
        QCOMPARE(program.fileRequests[0].folder, home + "/Zensomat");
        QCOMPARE(program.fileRequests[0].filters, QStringList{"CSV-Datei (*.csv)"});
        QCOMPARE(program.fileRequests[0].defaultSuffix, QString("csv"));
        const QByteArray csv = fileBytes(program.fileAnswer);
        QVERIFY(csv.startsWith("\xEF\xBB\xBFName:;Wortzahl:;"));
        QVERIFY(csv.endsWith("\r\n'=SUMME(A1);;;;14;10;10,50;11,5 / 2 +\r\n"));
        QVERIFY(transcript()->hasUnsavedRows());
        QCOMPARE(essay()->transcriptPending, 1);
        QVERIFY(boxes().isEmpty());

        QFile::setPermissions(program.fileAnswer, QFileDevice::ReadOwner);
        transcript()->findChild<QPushButton *>("ButtonCsv")->click();
        QCOMPARE(program.recorder.criticalCount(), 1);
        QVERIFY(boxes()[0].startsWith("Die CSV-Datei wurde nicht gespeichert:\n"));
        QCOMPARE(fileBytes(program.fileAnswer), csv);

        // tests/data/transcript.doc: 9,5 / 2 -, 11,3 / 2 + and 8,1 / 3 below its title and heading rows.
        program.fileAnswer = qEnvironmentVariable("ZENSOMAT_TEST_DATA") + "/transcript.doc";
        transcript()->Button4->click();
        QCOMPARE(counts(), QStringList({"2 +:1", "2 -:1", "3:1"}));
        QCOMPARE(average->text(), QString("Durchschnitt der Gesamtpunkte: 9,6 (3 Arbeiten)"));
    }

    // The note first, then the window's image fitted to one page.
    void printsTheWindow()
    {
        if (!test::popplerAvailable())
            QSKIP("pdfinfo is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("liste.pdf");
        print::setPrinterProvider([pdf] { return test::pdfPrinter(pdf); });
        transcript()->setWindowTitle(QString());
        transcript()->show();
        transcript()->Button1->click();
        QCOMPARE(transcript()->windowTitle(), QString("Ausdruck vom 05.03.2024"));
        QCOMPARE(boxes().size(), 1);
        QVERIFY(boxes()[0].startsWith("Nur was gerade auf dem Monitor zu sehen ist, wird auch gedruckt."));
        QCOMPARE(test::pdfPageCount(pdf), 1);
    }
};

ZM_SCALES_TEST_MAIN(TestTranscriptWindow)
#include "tst_transcriptwindow.moc"
