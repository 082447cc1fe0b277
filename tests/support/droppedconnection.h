#pragma once

#include "core/data/connection.h"

// A connection that claims to be open but whose reads fail as a dropped server connection
// does (the provider's general failure).
class DroppedConnection : public Connection {
public:
    bool open(DbError*) override { return true; }
    bool isOpen() const override { return true; }
    void close() override {}
    bool setDefaultDatabase(const QString&, DbError*) override { return true; }
    bool begin(DbError*) override { return true; }
    bool commit(DbError*) override { return true; }
    bool rollback(DbError*) override { return true; }
    bool inTransaction() const override { return false; }
    bool execute(const QString&, qint64*, DbError*) override { return false; }
    bool select(const QString&, Recordset*, DbError* err) override {
        *err = DbError::make(kGenericErrorNumber, QStringLiteral("Communication link failure"));
        return false;
    }
};
