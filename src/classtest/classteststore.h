#pragma once

// Where class tests are kept. The window knows only this interface; the
// program uses the SQLite file in the data folder, tests the same class on
// an in-memory database. Every call that changes something is stored before
// it returns (or throws zm::Error with a German text).

#include "classtest/classtest.h"

#include <QList>

namespace zm::classtest {

struct Summary
{
    qint64 id = 0;
    QString title;
    QString className;
    QDate date;
    int results = 0; // stored rows
};

// "Titel – Klasse – 05.03.2024 (24 Arbeiten)".
QString summaryText(const Summary &summary);

class ClassTestStore
{
public:
    virtual ~ClassTestStore() = default;

    // Every stored test, newest first (by date, then by creation).
    virtual QList<Summary> summaries() = 0;
    // The test with its key; each result at its stored row (rows emptied in
    // between come back empty). Throws when the test is gone.
    virtual ClassTest load(qint64 id) = 0;
    // Stores a new test (title, class, date, key, results) and returns its id.
    virtual qint64 create(const ClassTest &test) = 0;
    virtual void setTitle(qint64 id, const QString &title) = 0;
    virtual void setClassName(qint64 id, const QString &className) = 0;
    virtual void setDate(qint64 id, const QDate &date) = 0;
    // Row `row` (0-based, the grid's order) of a test; an empty result removes
    // it. Rows of a new test are stored at their index in test.results.
    virtual void setResult(qint64 id, int row, const Result &result) = 0;
    virtual void remove(qint64 id) = 0;
};

} // namespace zm::classtest
