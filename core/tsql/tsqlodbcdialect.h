#pragma once

#include "core/data/odbcdialect.h"

#include <QString>

#include <memory>

namespace tsql {
class HandleState;
}

// The T-SQL dialect for a SQLite database behind the SQLite ODBC driver: the program's text
// is translated as on the embedded backend and the SQLite text sent through the driver. The
// driver loads the tsql_* functions and the TSQL_CI collation itself (its LoadExt option
// naming the mestsql extension); the companion file of the global temporary tables is
// attached here. USE accepts the database the connection opened, named as its file is.
class TsqlOdbcDialect : public OdbcDialect {
public:
    TsqlOdbcDialect();
    ~TsqlOdbcDialect() override;

    bool prepare(StatementRunner& native, DbError* err) override;
    bool run(StatementRunner& native, const QString& text, Recordset* result, qint64* affected,
             DbError* err) override;
    bool useDatabase(StatementRunner& native, const QString& name, DbError* err) override;

private:
    std::unique_ptr<tsql::HandleState> m_state;
    QString m_file;
};
