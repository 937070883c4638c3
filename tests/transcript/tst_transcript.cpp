#include "common/filewriter.h"
#include "langindex/essaygrade.h"
#include "transcript/csvexport.h"
#include "transcript/documentexport.h"
#include "transcript/htmlexport.h"
#include "transcript/statistics.h"
#include "transcript/tableread.h"
#include "transcript/transcript.h"

#include "support/testmain.h"
#include "support/zipped.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace zm;
using test::unzipped;
using test::zipped;
using transcript::Transcript;

Q_DECLARE_METATYPE(zm::transcript::DocumentType)

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(qEnvironmentVariable("ZENSOMAT_TEST_DATA") + '/' + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// The transcript of tests/data/transcript.doc: three students, the third
// graded without the index.
Transcript threeStudents()
{
    Transcript t;
    t.addRow({"Anna Bauer", "250", "5", "2,00", "11", "10", "10,50", "9,5 / 2 -"});
    t.addRow({"Ayşe Doğan & <Gast>", "300", "6", "2,00", "11", "12", "11,00", "11,3 / 2 +"});
    t.addRow({"Jürgen Müller", "", "", "", "8", "9", "7,25", "8,1 / 3"});
    return t;
}

QStringList row(const Transcript &t, int r)
{
    QStringList cells;
    for (int c = 0; c < transcript::Columns; ++c)
        cells << t.cell(c, r);
    return cells;
}

} // namespace

class TestTranscript : public QObject
{
    Q_OBJECT

private slots:
    void savedFileMatchesByteForByte()
    {
        const QByteArray html =
            transcript::transcriptHtml(threeStudents(), "Engl. GK 11", QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        const QByteArray expected = fixture("transcript.doc");
        const QList<QByteArray> got = html.split('\n');
        const QList<QByteArray> want = expected.split('\n');
        for (int i = 0; i < std::min(got.size(), want.size()); ++i)
            QCOMPARE(got[i], want[i]); // names the first line that differs
        QCOMPARE(html, expected);
    }

    // Reading a saved file back puts its title row into grid row 0 and every
    // saved row one lower; escaped and referenced characters come back, with
    // the declared encoding and without it (files saved before it was declared).
    void readsItsOwnFileBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray saved = fixture("transcript.doc");
        QByteArray undeclared = saved;
        undeclared.remove(saved.indexOf("<head>"), saved.indexOf("<body>") - saved.indexOf("<head>"));
        QVERIFY(!undeclared.contains("charset"));
        QTest::newRow("declared") << saved;
        QTest::newRow("undeclared") << undeclared;
    }
    void readsItsOwnFileBack()
    {
        QFETCH(QByteArray, bytes);
        Transcript t;
        t.putTable(transcript::firstTableOf(bytes));
        QCOMPARE(row(t, 0), QStringList({"Index: Engl. GK 11", "05.03.2024", "14:07:09", "", "", "", "©", "Velmorra"}));
        QCOMPARE(row(t, 1), row(Transcript(), 0));
        QCOMPARE(row(t, 3), row(threeStudents(), 2));
        QCOMPARE(row(t, 4), row(threeStudents(), 3));
        QCOMPARE(t.cell(0, 5), QString());
        QVERIFY(!t.hasUnsavedRows());
        // The next student comes below the ones read back.
        QCOMPARE(t.addRow({"Nachzügler"}), 5);
    }

    // The transcript's type follows a known typed extension, else the filter
    // entry, else it is the HTML text.
    void documentType_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<transcript::DocumentType>("type");
        using enum transcript::DocumentType;
        // clang-format off
        QTest::newRow(".doc")                  << "/a/liste.doc"  << ""             << Html;
        QTest::newRow(".docx over .doc entry") << "/a/liste.docx" << "x ( *.doc)"   << Docx;
        QTest::newRow(".ODT over .docx entry") << "/a/liste.ODT"  << "x (*.docx)"   << Odt;
        QTest::newRow(".htm over .odt entry")  << "/a/liste.htm"  << "x (*.odt)"    << Html;
        QTest::newRow("unknown: the entry")    << "/a/liste.txt"  << "x (*.odt)"    << Odt;
        QTest::newRow("none: the entry")       << "/a.b/liste"    << "x (*.docx)"   << Docx;
        QTest::newRow("unknown, no entry")     << "/a/liste.rtf"  << ""             << Html;
        // clang-format on
    }
    void documentType()
    {
        QFETCH(QString, path);
        QFETCH(QString, filter);
        QFETCH(transcript::DocumentType, type);
        QCOMPARE(transcript::documentType(path, filter), type);
    }

    // A full transcript as .docx and .odt: the smallest package of
    // well-formed parts (the .odt's media type first, stored, at its fixed
    // place), every row written, and the program's reader gets the grid back
    // with blanks, tabs and characters beyond Latin-1 intact. Where a word
    // processor is installed it must show every name too.
    void documentsReadBack_data()
    {
        QTest::addColumn<transcript::DocumentType>("type");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("rowTag");
        QTest::addColumn<QStringList>("markers"); // first column's width, bold
        QTest::newRow(".docx") << transcript::DocumentType::Docx
                               << QStringList{"[Content_Types].xml", "_rels/.rels", "word/document.xml"} << "<w:tr>"
                               << QStringList{"<w:gridCol w:w=\"3300\"/>", "<w:b/>"};
        QTest::newRow(".odt") << transcript::DocumentType::Odt
                              << QStringList{"mimetype", "META-INF/manifest.xml", "styles.xml", "content.xml"}
                              << "<table:table-row>"
                              << QStringList{"style:column-width=\"5.8208cm\"", "fo:font-weight=\"bold\""};
    }
    void documentsReadBack()
    {
        QFETCH(transcript::DocumentType, type);
        QFETCH(QStringList, entries);
        QFETCH(QString, rowTag);
        QFETCH(QStringList, markers);
        Transcript t = threeStudents();
        t.addRow({" Anna  Lena ", "a\tb", QString("x\x01y"), "😀", " ", "", "", "2 -"});
        for (int student = 5; student <= 35; ++student)
            t.addRow({QString::number(student)});
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
        const QByteArray bytes = transcript::transcriptDocument(type, t, " Frz.,11 ab 5/7", when);

        const auto parts = unzipped(bytes);
        QStringList names;
        for (const auto &[name, content] : parts) {
            names << name;
            QXmlStreamReader xml(content);
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(name == "mimetype" || !xml.hasError(), qPrintable(name + ": " + xml.errorString()));
        }
        QCOMPARE(names, entries);
        const QByteArray body = parts.last().second;
        QCOMPARE(body.count(rowTag.toUtf8()), 2 + 35);
        for (const QString &marker : markers)
            QVERIFY2(body.contains(marker.toUtf8()), qPrintable(marker));
        if (names[0] == "mimetype") {
            QCOMPARE(bytes.mid(8, 2), QByteArray(2, '\0'));  // stored
            QCOMPARE(bytes.mid(28, 2), QByteArray(2, '\0')); // no extra field
            QCOMPARE(bytes.mid(30, 8 + parts[0].second.size()), "mimetype" + parts[0].second);
            QCOMPARE(parts[0].second, QByteArray("application/vnd.oasis.opendocument.text"));
        }

        const transcript::Row title = transcript::titleRow(" Frz.,11 ab 5/7", when);
        QList<QStringList> expected{QStringList(title.begin(), title.end())};
        for (int r = 0; r < transcript::Rows - 1; ++r)
            expected << row(t, r);
        expected[5][2] = "xy"; // XML cannot carry the control character
        QList<QStringList> back = transcript::firstTableOf(bytes);
        for (QStringList &cells : back)
            cells.replaceInStrings("\r", "");
        QCOMPARE(back[0][0], QString("Index:  Frz.,11 ab 5/7"));
        QCOMPARE(back, expected);

        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            QSKIP("soffice is not installed: a word processor's view of the document is not checked");
        QTemporaryDir dir;
        const QString path = dir.filePath(type == transcript::DocumentType::Docx ? "liste.docx" : "liste.odt");
        files::writeFile(path, bytes, "Die Mitschrift wurde nicht gespeichert:");
        QProcess convert;
        convert.start(soffice, {"--headless", "--convert-to", "txt:Text (encoded):UTF8", "--outdir", dir.path(), path});
        QVERIFY(convert.waitForFinished(120000));
        QFile text(dir.filePath("liste.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString shown = QString::fromUtf8(text.readAll());
        for (const char *name : {"Jürgen Müller", "Ayşe Doğan & <Gast>", "Anna  Lena", "35"})
            QVERIFY2(shown.contains(QString::fromUtf8(name)), name);
    }

    void addingRows()
    {
        Transcript t;
        QCOMPARE(t.addRow({"", "250"}), 1);
        QVERIFY(t.hasUnsavedRows());
        t.markSaved();
        QCOMPARE(t.addRow({"Anna", "300"}), 1); // an empty name is taken again
        QCOMPARE(t.cell(1, 1), QString("300"));
        for (int student = 2; student <= 35; ++student)
            QCOMPARE(t.addRow({QString::number(student)}), student);
        QCOMPARE(t.addRow({"36"}), std::nullopt);
        QCOMPARE(t.cell(0, 35), QString("35"));
        QCOMPARE(t.cell(0, 1), QString("Anna"));
    }

    // Tables as word processors write them: HTML with paragraphs, blanks and
    // a declared encoding; .docx and .odt built here. A cell's paragraphs
    // are joined, repeated cells and rows repeated, a short row leaves the
    // grid cells beyond it alone.
    void readsDocuments_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray html = "<html><head><meta charset=\"utf-8\"><style>td{}</style></head><body>"
                                "<p>Vorher</p><table><thead><tr><th>Name:</th><th>Fehler:</th></tr></thead><tbody>"
                                "<tr><td><p class=MsoNormal>Ay\xC5\x9F"
                                "e</p>\n<p>  Do&#287;an</p></td>"
                                "<td>5&nbsp;&amp; 6</td><td><o:p>&nbsp;</o:p></td></tr>"
                                "<tr><td>Z</td></tr></tbody></table><table><tr><td>zweite</td></tr></table>";
        const QByteArray w =
            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
            "<w:body><w:p><w:r><w:t>Vorher</w:t></w:r></w:p><w:tbl>"
            "<w:tr><w:tc><w:p><w:r><w:t>Name:</w:t></w:r></w:p></w:tc>"
            "<w:tc><w:p><w:r><w:t>Fehler:</w:t></w:r></w:p></w:tc></w:tr>"
            "<w:tr><w:tc><w:p><w:r><w:t>Ayşe</w:t></w:r></w:p><w:p><w:r><w:t xml:space=\"preserve\">"
            "Doğan</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>5 &amp; 6</w:t></w:r></w:p></w:tc>"
            "<w:tc><w:p/></w:tc></w:tr>"
            "<w:tr><w:tc><w:p><w:r><w:t>Z</w:t></w:r></w:p></w:tc></w:tr></w:tbl></w:body></w:document>";
        const QByteArray odt =
            "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
            "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
            "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>"
            "<table:table><table:table-column table:number-columns-repeated=\"3\"/>"
            "<table:table-row><table:table-cell><text:p>Name:</text:p></table:table-cell>"
            "<table:table-cell><text:p>Fehler:</text:p></table:table-cell></table:table-row>"
            "<table:table-row><table:table-cell><text:p>Ayşe</text:p><text:p>Doğan</text:p></table:table-cell>"
            "<table:table-cell><text:p>5<text:s/>&amp; 6</text:p></table:table-cell>"
            "<table:table-cell table:number-columns-repeated=\"1\"/></table:table-row>"
            "<table:table-row><table:table-cell><text:p>Z</text:p></table:table-cell></table:table-row>"
            "</table:table></office:text></office:body></office:document-content>";
        QTest::newRow("HTML") << html;
        QTest::newRow(".docx") << zipped("word/document.xml", w);
        QTest::newRow(".odt") << zipped("content.xml", odt);
    }
    void readsDocuments()
    {
        QFETCH(QByteArray, bytes);
        Transcript t;
        t.addRow({"a", "b", "c", "d"});
        t.addRow({"e", "f", "g", "h"});
        t.putTable(transcript::firstTableOf(bytes));
        QCOMPARE(row(t, 0), QStringList({"Name:", "Fehler:"}) + row(Transcript(), 0).mid(2));
        QCOMPARE(row(t, 1).mid(0, 4), QStringList({"AyşeDoğan", "5 & 6", "", "d"}));
        QCOMPARE(row(t, 2).mid(0, 2), QStringList({"Z", "f"}));
    }

    // What is wrong is said; the grid stays as it was.
    void unreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray docx = zipped("word/document.xml", "<w:document xmlns:w=\"x\"/>");
        QByteArray damaged = zipped("word/document.xml", QByteArray(2000, 'x'));
        damaged.truncate(damaged.size() / 2);
        // clang-format off
        QTest::newRow("no table") << QByteArray("<html><body><p>Liste</p></body></html>")
                                  << "In der Datei gibt es keine Tabelle.";
        QTest::newRow("empty file") << QByteArray() << "In der Datei gibt es keine Tabelle.";
        QTest::newRow("damaged zip") << damaged
                                     << "Die Datei ist beschädigt: das ZIP-Archiv lässt sich nicht öffnen.";
        QTest::newRow("zip of something else") << zipped("bild.png", "PNG")
                                               << "Die Datei ist weder ein .docx- noch ein .odt-Dokument.";
        QTest::newRow("broken XML") << zipped("word/document.xml", "<w:document><w:tbl><w:tr>")
                                    << "Die Datei ist beschädigt: ihr Inhalt ist kein gültiges XML (Zeile 1).";
        QTest::newRow("old binary format") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)
            << "Dateien im alten Word-Format kann ich nicht lesen. Speichere sie als .docx, .odt oder .html.";
        // clang-format on
    }
    void unreadableFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        try {
            transcript::firstTableOf(bytes);
            QFAIL("no error");
        } catch (const transcript::TableReadError &e) {
            QCOMPARE(e.text(), reason);
        }
    }

    // The last column from row 0 down: a title row never counts, the grade
    // counts as written, the score when it is a number; the mean is rounded
    // once, halves to even.
    void statistics_data()
    {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("average");
        const QString lead = "Durchschnitt der Gesamtpunkte: ";
        // clang-format off
        QTest::newRow("no rows") << QStringList{"Gesamtpkt./Note:"} << QStringList{}
                                 << lead + "noch keine Einträge";
        QTest::newRow("a class") << QStringList{"15,0 / 1 +", "9,5 / 2 -", "11,3 / 2 +", "8,1 / 3", "9,5 / 2 -"}
                                 << QStringList{"2 +:1", "2 -:2", "3:1"} << lead + "9,6 (4 Arbeiten)";
        QTest::newRow("odd rows") << QStringList{"", "16,0 / 1 +", "-0,5 / 6", "abc / 2 -", " / ", "7/5-", "x / 7"}
                                  << QStringList{"1 +:1", "2 -:1", "5 -:1", "6:1"} << lead + "7,5 (3 Arbeiten)";
        QTest::newRow("half to even") << QStringList{"", "9,2 / 3 +", "9,3 / 3 +"}
                                      << QStringList{"3 +:2"} << lead + "9,2 (2 Arbeiten)";
        QTest::newRow("one paper") << QStringList{"", "4 / 4"} << QStringList{"4:1"} << lead + "4,0 (1 Arbeit)";
        // clang-format on
    }
    void statistics()
    {
        QFETCH(QStringList, totals);
        QFETCH(QStringList, counts);
        QFETCH(QString, average);
        QList<QStringList> table;
        for (const QString &total : totals)
            table << QStringList{"Name", "", "", "", "", "", "", total};
        Transcript t;
        t.putTable(table);
        const transcript::Statistics got = transcript::statisticsOf(t);
        const QStringList grades = langindex::EssayGrade::gradeTexts();
        QCOMPARE(got.gradeCounts.size(), grades.size());
        QStringList nonZero;
        for (int i = 0; i < grades.size(); ++i) {
            if (got.gradeCounts[i])
                nonZero << grades[i] + ':' + QString::number(got.gradeCounts[i]);
        }
        QCOMPARE(nonZero, counts);
        QCOMPARE(transcript::averageText(got), average);
    }

    // Texts a spreadsheet would run as a formula get an apostrophe, plain
    // numbers stay numbers; ";", quotes and line breaks are quoted.
    void csvCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        // clang-format off
        QTest::newRow("formula")         << "=SUMME(A1)"  << "'=SUMME(A1)";
        QTest::newRow("minus")           << "-A1+1"       << "'-A1+1";
        QTest::newRow("at")              << "@SUMME(A1)"  << "'@SUMME(A1)";
        QTest::newRow("tab")             << "\tx"         << "'\tx";
        QTest::newRow("CR")              << "\rx"         << "\"'\rx\"";
        QTest::newRow("plus")            << "+A1"         << "'+A1";
        QTest::newRow("minus, exponent") << "-3E5"        << "'-3E5";
        QTest::newRow("negative")        << "-3"          << "-3";
        QTest::newRow("negative, comma") << "-3,5"        << "-3,5";
        QTest::newRow("semicolon")       << "Meier; Anna" << "\"Meier; Anna\"";
        QTest::newRow("quotes")          << "Der \"Boss\""  << "\"Der \"\"Boss\"\"\"";
        QTest::newRow("line break")      << "a\nb"        << "\"a\nb\"";
        // clang-format on
    }
    void csvCells()
    {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(transcript::csvCell(text), cell);
    }

    // A spreadsheet's reader gets the grid's cells back (guarded ones with
    // their apostrophe); empty rows are left out.
    void csvReadsBack()
    {
        Transcript t;
        t.addRow({"Meier; Anna", "250", "5", "2,00", "11", "10", "10,50", "9,5 / 2 -"});
        t.addRow({"Der \"Boss\"", "-3", "-3,5", "", "", "", "", ""});
        t.addRow({"=SUMME(A1)", "Ayşe Doğan"});
        const QByteArray csv = transcript::transcriptCsv(t);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(csv.count("\r\n"), 4);
        QCOMPARE(csv.count('\n'), 4);

        if (QStandardPaths::findExecutable("python3").isEmpty())
            QSKIP("python3 is not installed: no CSV reader to read the file back");
        QTemporaryDir dir;
        QFile file(dir.filePath("liste.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        QProcess python;
        python.start("python3", {"-c",
                                 "import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n",
                                 file.fileName()});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.exitCode(), 0);
        QList<QStringList> rows;
        for (const QJsonValue &r : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
            rows << r.toVariant().toStringList();
        QStringList guarded = row(t, 3);
        guarded[0] = "'=SUMME(A1)";
        QCOMPARE(rows, (QList<QStringList>{row(t, 0), row(t, 1), row(t, 2), guarded}));
    }

    // A failed write says why and leaves what was there.
    void writeFailures()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("liste.html");
        files::writeFile(path, "alt", "Die Mitschrift wurde nicht gespeichert:");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        for (const QString &target : {path, dir.filePath("fehlt/liste.html")}) {
            try {
                files::writeFile(target, "neu", "Die Mitschrift wurde nicht gespeichert:");
                QFAIL("no error");
            } catch (const Error &e) {
                QVERIFY2(e.text().startsWith("Die Mitschrift wurde nicht gespeichert:\n"), qPrintable(e.text()));
            }
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("alt"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"liste.html"});
    }
};

ZM_TEST_MAIN_CORE(TestTranscript)
#include "tst_transcript.moc"
