#pragma once

#include "core/data/dberror.h"
#include "core/data/recordset.h"

#include <QString>

// One database connection: open/closed state, a default database, transactions, and
// statements that either change rows (affected count) or return a static result.
// Every failing call fills the DbError it is given (which may be null).
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    virtual ~Connection() = default;

    virtual bool open(DbError* err) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    virtual bool setDefaultDatabase(const QString& name, DbError* err) = 0;
    virtual bool begin(DbError* err) = 0;
    virtual bool commit(DbError* err) = 0;
    virtual bool rollback(DbError* err) = 0;
    virtual bool inTransaction() const = 0;

    // Runs a statement or batch; affected is the number of rows it changed.
    virtual bool execute(const QString& text, qint64* affected, DbError* err) = 0;
    // Runs a statement or batch and reads its result (the last result with columns).
    virtual bool select(const QString& text, Recordset* out, DbError* err) = 0;

    void setConnectionString(const QString& s) { m_connectionString = s; }
    QString connectionString() const { return m_connectionString; }
    void setConnectionTimeout(int seconds) { m_connectTimeout = seconds; }
    int connectionTimeout() const { return m_connectTimeout; }
    void setCommandTimeout(int seconds) { m_commandTimeout = seconds; }
    int commandTimeout() const { return m_commandTimeout; }

private:
    QString m_connectionString;
    int m_connectTimeout = 15;
    int m_commandTimeout = 30;
};
