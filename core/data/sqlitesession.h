#pragma once

#include "core/data/dberror.h"
#include "core/data/recordset.h"
#include "core/data/statementrunner.h"

#include <QString>

struct sqlite3;

// Runs SQLite statement text on an open database handle through the C API. A text may hold
// several statements; the result is that of the last statement that returns columns, and
// the change count is the total of the statements that changed rows.
class SqliteSession final : public StatementRunner {
public:
    explicit SqliteSession(sqlite3* db) : m_db(db) {}

    sqlite3* handle() const { return m_db; }
    bool run(const QString& sqliteText, Recordset* result, qint64* changes, DbError* err) override;

    static DbError errorOf(sqlite3* db);

private:
    sqlite3* m_db;
};
