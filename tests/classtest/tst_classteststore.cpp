#include "classtest/sqlitestore.h"

#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace zm;
using namespace zm::classtest;

namespace {

ClassTest sample(const QString &title, const QDate &date)
{
    ClassTest test;
    test.title = title;
    test.className = QStringLiteral("7b");
    test.date = date;
    test.key = {{{QStringLiteral("Ü 1 "), QStringLiteral("35")}, {QStringLiteral("Ü 2"), QStringLiteral("27,5")}},
                QStringLiteral("40")};
    test.results = {{QStringLiteral("Anna"), QStringLiteral("36")}, {}, {QStringLiteral("Ben"), QString()}};
    return test;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestClassTestStore : public QObject
{
    Q_OBJECT

private slots:
    // Every kind of change, read back through the same class on a database in memory.
    void changesReadBack()
    {
        SqliteStore store(QStringLiteral(":memory:"));
        const qint64 older = store.create(sample(QStringLiteral("Erste"), QDate(2024, 3, 5)));
        const qint64 id = store.create(sample(QStringLiteral("Zweite"), QDate(2024, 3, 5)));
        store.setTitle(id, QStringLiteral("Bruch'; DROP TABLE tests; --"));
        store.setClassName(id, QStringLiteral("8a"));
        store.setDate(id, QDate(2024, 9, 1));
        store.setResult(id, 1, {QStringLiteral("Cem"), QStringLiteral("27,5")});
        store.setResult(id, 2, {}); // emptied: gone
        store.setResult(id, 4, {QString(), QStringLiteral("x")});

        const ClassTest test = store.load(id);
        QCOMPARE(test.title, QStringLiteral("Bruch'; DROP TABLE tests; --"));
        QCOMPARE(test.className, QStringLiteral("8a"));
        QCOMPARE(test.date, QDate(2024, 9, 1));
        QCOMPARE(test.key.maximum, QStringLiteral("40"));
        QCOMPARE(test.key.bands.size(), 2);
        QCOMPARE(test.key.bands.first().caption, QStringLiteral("Ü 1 "));
        QCOMPARE(test.key.bands.last().minimum, QStringLiteral("27,5"));
        QCOMPARE(test.results.size(), 5);
        QCOMPARE(test.results.at(1).name, QStringLiteral("Cem"));
        QVERIFY(test.results.at(2).isEmpty());
        QCOMPARE(test.results.at(4).points, QStringLiteral("x"));

        const QList<Summary> list = store.summaries();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.first().id, id); // the newer date first
        QCOMPARE(summaryText(list.last()), QStringLiteral("Erste – 7b – 05.03.2024 (2 Arbeiten)"));

        store.remove(older);
        QCOMPARE(store.summaries().size(), 1);
        QVERIFY_THROWS_EXCEPTION(zm::Error, store.load(older));
    }

    void reopensAfterTheProgramEnds()
    {
        const QString path = QDir::home().filePath(QString::fromLatin1(StoreFileName));
        qint64 id = 0;
        {
            SqliteStore store(path);
            id = store.create(sample(QStringLiteral("Diktat"), QDate(2024, 3, 5)));
            store.setResult(id, 3, {QStringLiteral("Dana"), QStringLiteral("40")});
        }
        SqliteStore again(path);
        QCOMPARE(again.load(id).results.at(3).name, QStringLiteral("Dana"));
        // The file counts its migration steps and writes ahead.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "look");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("PRAGMA user_version") && query.next());
            QCOMPARE(query.value(0).toInt(), SqliteStore::schemaVersion());
            QVERIFY(query.exec("PRAGMA journal_mode") && query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
        }
        QSqlDatabase::removeDatabase("look");
    }

    // Killed between two changes: the first change is in the file.
    void firstChangeSurvivesSigkill()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("k.sqlite"));
        QProcess child;
        child.start(QStringLiteral(STORE_CHILD), {path});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(20000));
        const qint64 id = child.readLine().trimmed().toLongLong();
        QVERIFY(id > 0);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        SqliteStore store(path);
        const ClassTest test = store.load(id);
        QCOMPARE(test.results.size(), 1);
        QCOMPARE(test.results.first().points, QStringLiteral("27,5"));
    }

    void refusedFilesStayUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("cause");
        QTest::newRow("not a database") << QByteArray("Noten: Anna 1, Ben 2\n").repeated(300)
                                        << "Sie ist beschädigt oder keine Datenbank.";
        QTest::newRow("newer version") << QByteArray() << "Sie stammt von einer neueren Version des Programms.";
        QTest::newRow("damaged pages") << QByteArray("damaged") << "Sie ist beschädigt.";
    }
    void refusedFilesStayUnchanged()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(StoreFileName));
        if (content.isEmpty() || content == "damaged") {
            // A real database first: one from the future, or one whose pages were overwritten.
            {
                SqliteStore store(path);
                for (int i = 0; i < 40; ++i)
                    store.create(sample(QStringLiteral("Arbeit %1").arg(i), QDate(2024, 1, 1)));
            }
            QFile::remove(path + QStringLiteral("-wal"));
            QFile::remove(path + QStringLiteral("-shm"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (content.isEmpty()) {
                file.seek(60); // user_version, big-endian
                file.write(QByteArray("\0\0\0\x63", 4));
            } else {
                file.seek(4096);
                file.write(QByteArray(8192, '\x5a'));
            }
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QByteArray before = bytesOf(path);
        try {
            SqliteStore store(path);
            QFAIL("opened");
        } catch (const zm::Error &error) {
            QVERIFY2(error.text().contains(cause), qPrintable(error.text()));
            QVERIFY(error.text().contains(QStringLiteral("Die Datei bleibt unverändert")));
        }
        QCOMPARE(bytesOf(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
    }
};

ZM_TEST_MAIN_CORE(TestClassTestStore)
#include "tst_classteststore.moc"
