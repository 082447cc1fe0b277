#pragma once

#include "core/data/connection.h"
#include "core/data/odbcdialect.h"
#include "core/data/statementrunner.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

// The plant backend: Microsoft SQL Server through Qt's QODBC driver. The connection string
// is set by the caller in the ODBC form ("DRIVER={...};Server=host,port;UID=..;PWD=..;").
// The statement text goes to the driver as the program writes it, unless a dialect is set.
class OdbcConnection : public Connection, private StatementRunner {
public:
    OdbcConnection();
    explicit OdbcConnection(std::unique_ptr<OdbcDialect> dialect);
    ~OdbcConnection() override;

    bool open(DbError* err) override;
    bool isOpen() const override;
    void close() override;
    bool setDefaultDatabase(const QString& name, DbError* err) override;
    bool begin(DbError* err) override;
    bool commit(DbError* err) override;
    bool rollback(DbError* err) override;
    bool inTransaction() const override { return m_inTransaction; }
    bool execute(const QString& text, qint64* affected, DbError* err) override;
    bool select(const QString& text, Recordset* out, DbError* err) override;

private:
    // The driver's own language: what the dialect hands on.
    bool run(const QString& nativeText, Recordset* result, qint64* changes, DbError* err) override;
    bool executeNative(const QString& text, qint64* affected, DbError* err);
    bool selectNative(const QString& text, Recordset* out, DbError* err);
    QSqlDatabase database() const;
    bool notOpen(DbError* err) const;

    QString m_connName;
    std::unique_ptr<OdbcDialect> m_dialect;
    bool m_inTransaction = false;
};
