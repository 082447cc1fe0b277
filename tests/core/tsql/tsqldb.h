#pragma once

#include "core/data/sqliteconnection.h"
#include "tests/support/odbcsqlite.h"

#include <QString>
#include <QStringList>

#include <memory>

class TsqlDialect;

// A database file opened through the T-SQL dialect, with results as text: one line per row,
// cells joined by '|', NULL as "NULL"; a failure as "ERROR: " and the message. The file is
// opened by the embedded backend, or over ODBC through the SQLite ODBC driver.
class TsqlDb {
public:
    explicit TsqlDb(const QString& file, std::shared_ptr<TsqlDialect> dialect = nullptr);
    TsqlDb(const QString& file, Backend backend);

    // The rows of the batch's last result set.
    QString run(const QString& text);
    // Runs a batch without a result; empty text on success.
    QString exec(const QString& text, qint64* affected = nullptr);
    QStringList columns(const QString& text);
    // The number of the last failure of run() or exec(); 0 after a success.
    int lastErrorNumber() const { return m_lastErrorNumber; }
    // Creates the plant tables from db/schema.sql.
    void loadSchema();
    Connection& connection() { return *m_con; }
    // The embedded backend's handle and dialect (not over ODBC).
    sqlite3* handle() const { return m_sqlite ? m_sqlite->handle() : nullptr; }
    TsqlDialect& dialect() { return *m_dialect; }

    static QString schemaText();

private:
    void openEmbedded(const QString& file);

    std::shared_ptr<TsqlDialect> m_dialect;
    std::unique_ptr<Connection> m_con;
    SqliteConnection* m_sqlite = nullptr;
    int m_lastErrorNumber = 0;
};
