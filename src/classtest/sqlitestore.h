#pragma once

// Class tests in an SQLite file through Qt SQL. The schema is an ordered list
// of migration steps; PRAGMA user_version counts the steps applied and each
// step runs with its version bump in one transaction. A file that is damaged
// or newer than the program knows is refused and left untouched. Every
// statement is prepared with bound values; every change is its own
// transaction, written ahead (WAL) and synced before the call returns.

#include "classtest/classteststore.h"

#include <QString>

namespace zm::classtest {

// The file in the data folder.
inline constexpr auto StoreFileName = "klassenarbeiten.sqlite";

class SqliteStore : public ClassTestStore
{
public:
    // Opens (or creates) the database at `path`; ":memory:" for a database
    // that lives as long as the object. Throws zm::Error with a German text
    // when it cannot be opened, is damaged or is newer than this program.
    explicit SqliteStore(const QString &path);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    // The schema version this program writes.
    static int schemaVersion();

    QList<Summary> summaries() override;
    ClassTest load(qint64 id) override;
    qint64 create(const ClassTest &test) override;
    void setTitle(qint64 id, const QString &title) override;
    void setClassName(qint64 id, const QString &className) override;
    void setDate(qint64 id, const QDate &date) override;
    void setResult(qint64 id, int row, const Result &result) override;
    void remove(qint64 id) override;

private:
    void migrate();
    void setField(qint64 id, const char *statement, const QVariant &value);

    QString m_connection;
    QString m_path;
};

} // namespace zm::classtest
