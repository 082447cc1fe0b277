#pragma once

#include "core/data/connection.h"

#include <QString>

#include <memory>

class SqliteDialect;
struct sqlite3;

// The embedded backend: one SQLite file per database name in the data folder, opened
// with the linked SQLite library, every statement run through the dialect. WAL mode and a
// busy time-out let several terminals share one file.
class SqliteConnection : public Connection {
public:
    SqliteConnection(QString dataFolder, QString databaseName,
                     std::shared_ptr<SqliteDialect> dialect);
    ~SqliteConnection() override;

    // The file of a database name: <data folder>/<name>.sqlite.
    static QString fileFor(const QString& dataFolder, const QString& databaseName);
    // Opens this exact file instead of the one of a database name (tools, tests).
    void setFile(const QString& path) { m_file = path; }
    QString file() const { return m_file; }
    // Whether open() creates a missing file (tools that build databases); off by default,
    // so a mistyped database name fails instead of creating an empty database.
    void setCreateIfMissing(bool on) { m_create = on; }

    bool open(DbError* err) override;
    bool isOpen() const override;
    void close() override;
    bool setDefaultDatabase(const QString& name, DbError* err) override;
    bool begin(DbError* err) override;
    bool commit(DbError* err) override;
    bool rollback(DbError* err) override;
    bool inTransaction() const override;
    bool execute(const QString& text, qint64* affected, DbError* err) override;
    bool select(const QString& text, Recordset* out, DbError* err) override;

    sqlite3* handle() const { return m_handle; }

private:
    bool runNative(const char* sql, DbError* err);
    bool notOpen(DbError* err) const;
    // Whether the open file was deleted or renamed under the handle.
    bool fileMoved() const;
    // True (the connection closed, err filled) when the file can no longer be reached.
    bool linkLost(DbError* err);
    bool dropLink(const DbError& cause, DbError* err);
    // Passes ok through; a failure meaning the file is unreachable closes the connection.
    bool checked(bool ok, DbError* err);

    QString m_dataFolder;
    QString m_file;
    std::shared_ptr<SqliteDialect> m_dialect;
    sqlite3* m_handle = nullptr;
    bool m_create = false;
};
