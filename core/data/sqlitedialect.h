#pragma once

#include "core/data/dberror.h"
#include "core/data/recordset.h"

#include <QString>

class SqliteSession;
struct sqlite3;

// What the SQLite backend does with the program's statement text. The backend hands every
// statement or batch to its dialect, which runs it on the session; a dialect also prepares
// every newly opened database handle (functions, collations, attached files).
class SqliteDialect {
public:
    virtual ~SqliteDialect() = default;

    virtual bool prepareHandle(sqlite3* db, const QString& databaseFile, DbError* err) = 0;
    virtual bool run(SqliteSession& session, const QString& text, Recordset* result,
                     qint64* affected, DbError* err) = 0;
};

// Hands the text to SQLite as it is: for SQLite-native text (tools, fixtures) only.
class PassThroughDialect : public SqliteDialect {
public:
    bool prepareHandle(sqlite3*, const QString&, DbError*) override { return true; }
    bool run(SqliteSession& session, const QString& text, Recordset* result, qint64* affected,
             DbError* err) override;
};
