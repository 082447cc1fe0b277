#include "tests/support/odbcsqlite.h"

#include "core/data/odbcvalue.h"
#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/tsql/tsqlodbcdialect.h"

#include <QFileInfo>

#include <sql.h>
#include <sqlext.h>

namespace OdbcSqlite {

QStringList registeredDrivers() {
    QStringList names;
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return names;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLCHAR name[256];
    SQLCHAR attributes[1024];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDrivers(env, direction, name, sizeof name, &nameLength, attributes,
                                    sizeof attributes, &attributesLength))) {
        names << QString::fromLocal8Bit(reinterpret_cast<const char*>(name));
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return names;
}

QString connectionString(const QString& file, bool createIfMissing) {
    // LoadExt takes a comma-separated list of files; SQLite finds the entry point
    // sqlite3_mestsql_init from the file name. NoCreat would also keep the companion file of
    // the global temporary tables from being made (attached files inherit the open flags),
    // so it is set only where the database file itself is missing.
    createIfMissing = createIfMissing || QFileInfo::exists(file);
    return QStringLiteral("DRIVER={%1};Database=%2;LoadExt=%3;NoCreat=%4;")
        .arg(QLatin1String(kDriver), odbcAttributeValue(file),
             odbcAttributeValue(QStringLiteral(MES_TSQL_EXTENSION)),
             createIfMissing ? QStringLiteral("0") : QStringLiteral("1"));
}

std::unique_ptr<OdbcConnection> connection(const QString& file, bool createIfMissing) {
    auto c = std::make_unique<OdbcConnection>(std::make_unique<TsqlOdbcDialect>());
    c->setConnectionString(connectionString(file, createIfMissing));
    return c;
}

std::unique_ptr<Connection> connectionFor(Backend backend, const QString& file) {
    if (backend == Backend::Odbc)
        return connection(file, true);
    auto c = std::make_unique<SqliteConnection>(QString(), QString(), embeddedDialect());
    c->setFile(file);
    c->setCreateIfMissing(true);
    return c;
}

void installForHelpers() {
    setConnectionFactory([]() -> std::unique_ptr<Connection> {
        return connection(SqliteConnection::fileFor(LocalSettings::current().dataFolder, gsDB_NAME),
                          false);
    });
}

} // namespace OdbcSqlite
