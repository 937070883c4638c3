#include "common/errors.h"
#include "common/ownvalues.h"

#include "support/testmain.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>
#include <QTemporaryDir>
#include <QTest>

using namespace zm;

class TestOwnValues : public QObject
{
    Q_OBJECT

private slots:
    void readingRule_data()
    {
        // clang-format off
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("five of eight lines")
            << "five_lines.ini" << 8 << QStringList{"95", "84", "93", "84", "67", "", "", ""};
        QTest::newRow("LF-only reads as one line")
            << "lf_only.ini" << 8
            << QStringList{"95\n84\n93\n84\n67\n50\n34\n0\n", "", "", "", "", "", "", ""};
        QTest::newRow("Ctrl-Z ends the file")
            << "ctrl_z.ini" << 6 << QStringList{"95", "84,5", "abc", "", "", ""};
        QTest::newRow("lone CR ends a line, Windows-1252 decoded")
            << "cr_only.ini" << 3 << QStringList{"x", "A", QString::fromUtf8("ä€")};
        // clang-format on
    }
    void readingRule()
    {
        QFETCH(QString, fixture);
        QFETCH(int, count);
        QFETCH(QStringList, expected);
        const QString path = qEnvironmentVariable("ZENSOMAT_TEST_DATA") + "/" + fixture;
        const auto lines = ownvalues::read(path, count);
        QVERIFY(lines.has_value());
        QCOMPARE(*lines, expected);
    }

    // A 3 GB file (sparse, so the test costs no disk) loads like a short one.
    void hugeFileReadsOnlyItsStart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ue8c.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("95\r\n84,5\r\n");
        QVERIFY(f.resize(qint64(3) << 30));
        f.close();
        QCOMPARE(*ownvalues::read(path, 3),
                 (QStringList{"95", "84,5", QString(ownvalues::MaxReadBytes - 10, QChar(0))}));
    }

    void missingFileReadsNothing() { QVERIFY(!ownvalues::read("/nonexistent/ue8c.ini", 8).has_value()); }

    void writeIsByteExact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ue8c.ini");
        ownvalues::write(path, {"95", "84", "93", "84", "67", "50", "34", "0"});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes, QByteArray("95\r\n84\r\n93\r\n84\r\n67\r\n50\r\n34\r\n0\r\n"));
        QCOMPARE(bytes.size(), 31);
    }

    void roundTripKeepsTextsAsTheyStand()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ewert.ini");
        const QStringList texts{"84,5", " ", "abc", QString::fromUtf8("Ü€"), ""};
        ownvalues::write(path, texts);
        QCOMPARE(*ownvalues::read(path, 5), texts);
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ue8c.ini");
        ownvalues::write(path, {"1", "2"});
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        bool raised = false;
        try {
            ownvalues::write(path, {"3", "4"});
        } catch (const IoError &e) {
            raised = true;
            QVERIFY(e.text().startsWith("E/A-Fehler "));
        }
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (geteuid() == 0)
            QSKIP("root may write into a read-only folder");
        QVERIFY(raised);
        QCOMPARE(*ownvalues::read(path, 2), (QStringList{"1", "2"}));
    }

    void readOnlyFileIsRefusedAndKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ue8c.ini");
        ownvalues::write(path, {"1"});
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QVERIFY_THROWS_EXCEPTION(IoError, ownvalues::write(path, {"2"}));
        QCOMPARE(*ownvalues::read(path, 1), QStringList{"1"});
    }

    void namesMatchWithoutRegardToCase()
    {
        QTemporaryDir dir;
        ownvalues::write(dir.filePath("konf.ini"), {"x"});
        QVERIFY(ownvalues::existsInFolder(dir.path(), "Konf.ini"));
        QCOMPARE(ownvalues::pathInFolder(dir.path(), "KONF.INI"), dir.filePath("konf.ini"));
        QCOMPARE(ownvalues::pathInFolder(dir.path(), "p15.ini"), dir.path() + "/p15.ini");
        ownvalues::removeFromFolder(dir.path(), "KonF.Ini");
        QVERIFY(!QFile::exists(dir.filePath("konf.ini")));
    }

    void ensureFolderCreatesOneLevel()
    {
        QTemporaryDir dir;
        ownvalues::ensureFolder(dir.filePath("Zensomat"));
        QVERIFY(QFileInfo(dir.filePath("Zensomat")).isDir());
        ownvalues::ensureFolder(dir.filePath("Zensomat")); // exists: nothing happens
        QVERIFY_THROWS_EXCEPTION(IoError, ownvalues::ensureFolder(dir.filePath("a/b/Zensomat")));
    }
};

ZM_TEST_MAIN_CORE(TestOwnValues)
#include "tst_ownvalues.moc"
