#pragma once

#include "core/data/connection.h"

#include <functional>
#include <memory>

// Wraps the program's connection and fails on request: the n-th statement run inside a
// transaction since arm(), or the first commit since arm(). Counts what it saw, so a test
// learns how many statements a batch has before it fails each of them in turn.
class FaultyConnection : public Connection {
public:
    explicit FaultyConnection(std::unique_ptr<Connection> inner) : m_inner(std::move(inner)) {}

    // failAt 0 fails no statement.
    void arm(int failAt, bool failCommit) {
        m_failAt = failAt;
        m_failCommit = failCommit;
        m_seen = 0;
        m_seenBeforeCommit = -1;
        m_failures = 0;
    }
    // Called before the k-th statement of a transaction runs, and with k = statements + 1
    // before its commit (a child process pauses there to be killed).
    void setBeforeStatement(std::function<void(int k)> f) { m_before = std::move(f); }
    int statementsBeforeFirstCommit() const { return m_seenBeforeCommit; }
    int failures() const { return m_failures; }
    std::unique_ptr<Connection> release() { return std::move(m_inner); }

    bool open(DbError* err) override { return m_inner->open(err); }
    bool isOpen() const override { return m_inner && m_inner->isOpen(); }
    void close() override { m_inner->close(); }
    bool setDefaultDatabase(const QString& name, DbError* err) override {
        return m_inner->setDefaultDatabase(name, err);
    }
    bool begin(DbError* err) override { return m_inner->begin(err); }
    bool commit(DbError* err) override;
    bool rollback(DbError* err) override { return m_inner->rollback(err); }
    bool inTransaction() const override { return m_inner->inTransaction(); }
    bool execute(const QString& text, qint64* affected, DbError* err) override;
    bool select(const QString& text, Recordset* out, DbError* err) override;

private:
    // True when this statement is the one to fail (err filled).
    bool injected(DbError* err);

    std::unique_ptr<Connection> m_inner;
    int m_failAt = 0;
    bool m_failCommit = false;
    int m_seen = 0;
    int m_seenBeforeCommit = -1;
    int m_failures = 0;
    std::function<void(int)> m_before;
};
