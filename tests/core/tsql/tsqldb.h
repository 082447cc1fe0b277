#pragma once

#include "core/data/sqliteconnection.h"

#include <QString>
#include <QStringList>

#include <memory>

class TsqlDialect;

// A database file opened through the T-SQL dialect, with results as text: one line per row,
// cells joined by '|', NULL as "NULL"; a failure as "ERROR: " and the message.
class TsqlDb {
public:
    explicit TsqlDb(const QString& file, std::shared_ptr<TsqlDialect> dialect = nullptr);

    // The rows of the batch's last result set.
    QString run(const QString& text);
    // Runs a batch without a result; empty text on success.
    QString exec(const QString& text, qint64* affected = nullptr);
    QStringList columns(const QString& text);
    // The number of the last failure of run() or exec(); 0 after a success.
    int lastErrorNumber() const { return m_lastErrorNumber; }
    // Creates the plant tables from db/schema.sql.
    void loadSchema();
    SqliteConnection& connection() { return *m_con; }
    TsqlDialect& dialect() { return *m_dialect; }

    static QString schemaText();

private:
    std::shared_ptr<TsqlDialect> m_dialect;
    std::unique_ptr<SqliteConnection> m_con;
    int m_lastErrorNumber = 0;
};
