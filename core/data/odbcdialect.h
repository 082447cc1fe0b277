#pragma once

#include "core/data/dberror.h"
#include "core/data/recordset.h"

#include <QString>

class StatementRunner;

// What an ODBC connection does with the program's statement text when the server behind the
// driver does not speak it (a SQLite file behind the SQLite ODBC driver, for the transport's
// tests). One dialect serves one connection. Without a dialect, the plant's case, the text
// goes to the driver as it is.
class OdbcDialect {
public:
    virtual ~OdbcDialect() = default;

    // Prepares the connection just opened; native runs the driver's own language on it.
    virtual bool prepare(StatementRunner& native, DbError* err) = 0;
    virtual bool run(StatementRunner& native, const QString& text, Recordset* result,
                     qint64* affected, DbError* err) = 0;
    // Makes name the default database, as the server's USE does.
    virtual bool useDatabase(StatementRunner& native, const QString& name, DbError* err) = 0;
};
