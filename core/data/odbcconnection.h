#pragma once

#include "core/data/connection.h"

#include <QSqlDatabase>
#include <QString>

// The plant backend: Microsoft SQL Server through Qt's QODBC driver. The connection string
// is set by the caller in the ODBC form ("DRIVER={...};Server=host,port;UID=..;PWD=..;").
class OdbcConnection : public Connection {
public:
    OdbcConnection();
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
    QSqlDatabase database() const;
    bool notOpen(DbError* err) const;

    QString m_connName;
    bool m_inTransaction = false;
};
