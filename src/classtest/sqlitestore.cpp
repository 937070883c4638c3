#include "classtest/sqlitestore.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace zm::classtest {

namespace {

// The schema, one step per version: step n brings user_version from n to n + 1.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps = {
        {
            QStringLiteral("CREATE TABLE tests (id INTEGER PRIMARY KEY, title TEXT NOT NULL, "
                           "class_name TEXT NOT NULL, test_date TEXT NOT NULL, maximum TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE bands (test_id INTEGER NOT NULL REFERENCES tests(id) ON DELETE CASCADE, "
                           "position INTEGER NOT NULL, caption TEXT NOT NULL, minimum TEXT NOT NULL, "
                           "PRIMARY KEY (test_id, position))"),
            QStringLiteral("CREATE TABLE results (test_id INTEGER NOT NULL REFERENCES tests(id) ON DELETE CASCADE, "
                           "row INTEGER NOT NULL, name TEXT NOT NULL, points TEXT NOT NULL, "
                           "PRIMARY KEY (test_id, row))"),
        },
    };
    return steps;
}

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QString openFailure(const QString &path, const QString &cause)
{
    return QStringLiteral("Die gespeicherten Klassenarbeiten können nicht geöffnet werden.\nDatei: %1\n%2\n"
                          "Die Datei bleibt unverändert; neue Eingaben werden nicht gespeichert.")
        .arg(QFileInfo(path).fileName(), cause);
}

// A file that exists and is not empty must start with SQLite's header;
// anything else is not opened at all, so it cannot be changed.
bool looksLikeSqlite(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3", 16);
}

QSqlDatabase database(const QString &connection)
{
    return QSqlDatabase::database(connection, false);
}

// Runs a prepared statement with its bound values; throws with `heading` on failure.
QSqlQuery run(const QString &connection, const QString &sql, const QVariantList &values, const QString &heading)
{
    QSqlQuery query(database(connection));
    if (!query.prepare(sql))
        throw Error(heading + QLatin1Char('\n') + query.lastError().text());
    // A null text would bind as NULL; the columns hold texts, empty ones included.
    for (const QVariant &value : values)
        query.addBindValue(
            value.typeId() == QMetaType::QString && value.toString().isNull() ? QVariant(QStringLiteral("")) : value);
    if (!query.exec())
        throw Error(heading + QLatin1Char('\n') + query.lastError().text());
    return query;
}

// The first value of a statement's first row (invalid without a row); the
// statement is finished, so it holds no read transaction open.
QVariant scalar(const QString &connection, const QString &sql, const QString &heading)
{
    QSqlQuery query = run(connection, sql, {}, heading);
    const QVariant value = query.next() ? query.value(0) : QVariant();
    query.finish();
    return value;
}

const QString NotStored = QStringLiteral("Die Änderung wurde nicht gespeichert:");

// One change, one transaction: committed, or rolled back and reported.
template <class Work> void inTransaction(const QString &connection, Work work)
{
    QSqlDatabase db = database(connection);
    if (!db.transaction())
        throw Error(NotStored + QLatin1Char('\n') + db.lastError().text());
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString cause = db.lastError().text();
        db.rollback();
        throw Error(NotStored + QLatin1Char('\n') + cause);
    }
}

} // namespace

QString summaryText(const Summary &summary)
{
    const QString papers =
        summary.results == 1 ? QStringLiteral("1 Arbeit") : QStringLiteral("%1 Arbeiten").arg(summary.results);
    return QStringLiteral("%1 – %2 – %3 (%4)")
        .arg(summary.title, summary.className, summary.date.toString(QStringLiteral("dd.MM.yyyy")), papers);
}

int SqliteStore::schemaVersion()
{
    return static_cast<int>(migrations().size());
}

SqliteStore::SqliteStore(const QString &path)
    : m_path(path)
{
    static QAtomicInt counter;
    m_connection = QStringLiteral("classtests-%1").arg(counter.fetchAndAddRelaxed(1));
    const bool memory = path == QLatin1String(":memory:");
    if (!memory && !looksLikeSqlite(path))
        throw Error(openFailure(path, QStringLiteral("Sie ist beschädigt oder keine Datenbank.")));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    }
    try {
        QSqlDatabase db = database(m_connection);
        if (!db.open())
            throw Error(openFailure(path, db.lastError().text()));
        const QString damaged = QStringLiteral("Sie ist beschädigt.");
        if (scalar(m_connection, QStringLiteral("PRAGMA quick_check"), openFailure(path, damaged)).toString() !=
            QLatin1String("ok"))
            throw Error(openFailure(path, damaged));
        const QVariant version =
            scalar(m_connection, QStringLiteral("PRAGMA user_version"), openFailure(path, damaged));
        if (!version.isValid())
            throw Error(openFailure(path, damaged));
        if (version.toInt() > schemaVersion())
            throw Error(openFailure(path, QStringLiteral("Sie stammt von einer neueren Version des Programms.")));
        const QString setup = openFailure(path, QStringLiteral("Sie lässt sich nicht einrichten."));
        scalar(m_connection, QStringLiteral("PRAGMA journal_mode=WAL"), setup);
        scalar(m_connection, QStringLiteral("PRAGMA synchronous=FULL"), setup);
        scalar(m_connection, QStringLiteral("PRAGMA foreign_keys=ON"), setup);
        migrate();
    } catch (...) {
        database(m_connection).close();
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
}

SqliteStore::~SqliteStore()
{
    database(m_connection).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void SqliteStore::migrate()
{
    const QString heading = openFailure(m_path, QStringLiteral("Sie lässt sich nicht auf den neuen Stand bringen."));
    int applied = scalar(m_connection, QStringLiteral("PRAGMA user_version"), heading).toInt();
    for (; applied < schemaVersion(); ++applied) {
        inTransaction(m_connection, [&] {
            for (const QString &statement : migrations().at(applied))
                run(m_connection, statement, {}, heading);
            // PRAGMA takes no bound values; the number is the program's own.
            run(m_connection, QStringLiteral("PRAGMA user_version = %1").arg(applied + 1), {}, heading);
        });
    }
}

QList<Summary> SqliteStore::summaries()
{
    QSqlQuery query = run(m_connection,
                          QStringLiteral("SELECT t.id, t.title, t.class_name, t.test_date, "
                                         "(SELECT COUNT(*) FROM results r WHERE r.test_id = t.id) "
                                         "FROM tests t ORDER BY t.test_date DESC, t.id DESC"),
                          {}, QStringLiteral("Die gespeicherten Arbeiten können nicht gelesen werden:"));
    QList<Summary> out;
    while (query.next()) {
        out.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                    QDate::fromString(query.value(3).toString(), DateFormat), query.value(4).toInt()});
    }
    return out;
}

ClassTest SqliteStore::load(qint64 id)
{
    const QString heading = QStringLiteral("Die Arbeit kann nicht gelesen werden:");
    ClassTest test;
    QSqlQuery head =
        run(m_connection, QStringLiteral("SELECT title, class_name, test_date, maximum FROM tests WHERE id = ?"), {id},
            heading);
    if (!head.next())
        throw Error(heading + QStringLiteral("\nSie wurde inzwischen gelöscht."));
    test.id = id;
    test.title = head.value(0).toString();
    test.className = head.value(1).toString();
    test.date = QDate::fromString(head.value(2).toString(), DateFormat);
    test.key.maximum = head.value(3).toString();
    QSqlQuery bands =
        run(m_connection, QStringLiteral("SELECT caption, minimum FROM bands WHERE test_id = ? ORDER BY position"),
            {id}, heading);
    while (bands.next())
        test.key.bands.append({bands.value(0).toString(), bands.value(1).toString()});
    QSqlQuery results = run(m_connection,
                            QStringLiteral("SELECT row, name, points FROM results WHERE test_id = ? AND row >= 0 "
                                           "AND row < ? ORDER BY row"),
                            {id, MaxStudents}, heading);
    // Each result goes back into its own row, so later changes address the
    // same stored row; rows emptied in between stay as empty rows.
    while (results.next()) {
        const int row = results.value(0).toInt();
        while (test.results.size() < row)
            test.results.append(Result{});
        test.results.append({results.value(1).toString(), results.value(2).toString()});
    }
    return test;
}

qint64 SqliteStore::create(const ClassTest &test)
{
    qint64 id = 0;
    inTransaction(m_connection, [&] {
        QSqlQuery insert =
            run(m_connection,
                QStringLiteral("INSERT INTO tests (title, class_name, test_date, maximum) "
                               "VALUES (?, ?, ?, ?)"),
                {test.title, test.className, test.date.toString(DateFormat), test.key.maximum}, NotStored);
        id = insert.lastInsertId().toLongLong();
        for (int band = 0; band < test.key.bands.size(); ++band) {
            const Band &b = test.key.bands.at(band);
            run(m_connection,
                QStringLiteral("INSERT INTO bands (test_id, position, caption, minimum) VALUES (?, ?, ?, ?)"),
                {id, band, b.caption, b.minimum}, NotStored);
        }
        for (int row = 0; row < test.results.size(); ++row) {
            const Result &result = test.results.at(row);
            if (!result.isEmpty())
                run(m_connection,
                    QStringLiteral("INSERT INTO results (test_id, row, name, points) VALUES (?, ?, ?, ?)"),
                    {id, row, result.name, result.points}, NotStored);
        }
    });
    return id;
}

void SqliteStore::setField(qint64 id, const char *statement, const QVariant &value)
{
    inTransaction(m_connection, [&] { run(m_connection, QString::fromLatin1(statement), {value, id}, NotStored); });
}

void SqliteStore::setTitle(qint64 id, const QString &title)
{
    setField(id, "UPDATE tests SET title = ? WHERE id = ?", title);
}

void SqliteStore::setClassName(qint64 id, const QString &className)
{
    setField(id, "UPDATE tests SET class_name = ? WHERE id = ?", className);
}

void SqliteStore::setDate(qint64 id, const QDate &date)
{
    setField(id, "UPDATE tests SET test_date = ? WHERE id = ?", date.toString(DateFormat));
}

void SqliteStore::setResult(qint64 id, int row, const Result &result)
{
    inTransaction(m_connection, [&] {
        if (result.isEmpty())
            run(m_connection, QStringLiteral("DELETE FROM results WHERE test_id = ? AND row = ?"), {id, row},
                NotStored);
        else
            run(m_connection,
                QStringLiteral("INSERT INTO results (test_id, row, name, points) VALUES (?, ?, ?, ?) "
                               "ON CONFLICT (test_id, row) DO UPDATE SET name = excluded.name, "
                               "points = excluded.points"),
                {id, row, result.name, result.points}, NotStored);
    });
}

void SqliteStore::remove(qint64 id)
{
    inTransaction(m_connection,
                  [&] { run(m_connection, QStringLiteral("DELETE FROM tests WHERE id = ?"), {id}, NotStored); });
}

} // namespace zm::classtest
