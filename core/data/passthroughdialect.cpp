#include "core/data/sqlitedialect.h"
#include "core/data/sqlitesession.h"

bool PassThroughDialect::run(SqliteSession& session, const QString& text, Recordset* result,
                             qint64* affected, DbError* err) {
    return session.run(text, result, affected, err);
}
