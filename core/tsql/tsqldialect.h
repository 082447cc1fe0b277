#pragma once

#include "core/data/sqlitedialect.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace tsql {
class HandleState;
}

// The embedded backend's T-SQL dialect: every statement text is parsed, translated to
// SQLite with the server's semantics and run; IF/BEGIN/END run as control flow here.
// Each handle gets the tsql_* functions, the TSQL_CI collation and the companion file of
// global temporary tables (##X) attached as mes_tempdb.
class TsqlDialect : public SqliteDialect {
public:
    TsqlDialect();
    ~TsqlDialect() override;

    bool prepareHandle(sqlite3* db, const QString& databaseFile, DbError* err) override;
    bool run(SqliteSession& session, const QString& text, Recordset* result, qint64* affected,
             DbError* err) override;

    // Runs a batch and hands every result set to onResult in order (the mes-sql command
    // prints them all). affected: the total of changed rows.
    bool runBatch(SqliteSession& session, const QString& text,
                  const std::function<void(Recordset&)>& onResult, qint64* affected, DbError* err);
    // The SQLite text a batch becomes on this handle, statement per line; IF shows both
    // branches as comments around them.
    bool translate(sqlite3* db, const QString& text, QString* sqliteText, DbError* err);

    // Drops the translations kept for the handle (translate() and runBatch() make them
    // again), e.g. to measure first-time translation.
    void forgetTranslations(sqlite3* db);

    // The file that holds the global temporary tables of a database file.
    static QString companionFile(const QString& databaseFile);

private:
    std::shared_ptr<tsql::HandleState> stateOf(sqlite3* db);
    static void forget(void* state);

    std::mutex m_mutex;
    std::unordered_map<sqlite3*, std::shared_ptr<tsql::HandleState>> m_states;
};
