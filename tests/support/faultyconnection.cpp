#include "tests/support/faultyconnection.h"

namespace {
DbError injectedError() {
    return DbError::make(kCommandErrorNumber, QStringLiteral("injected fault"));
}
} // namespace

bool FaultyConnection::injected(DbError* err) {
    if (!m_inner->inTransaction() || m_seenBeforeCommit >= 0)
        return false;
    ++m_seen;
    if (m_before)
        m_before(m_seen);
    if (m_seen != m_failAt)
        return false;
    ++m_failures;
    if (err)
        *err = injectedError();
    return true;
}

bool FaultyConnection::commit(DbError* err) {
    if (m_seenBeforeCommit < 0) {
        m_seenBeforeCommit = m_seen;
        if (m_before)
            m_before(m_seen + 1);
        if (m_failCommit) {
            ++m_failures;
            if (err)
                *err = injectedError();
            return false;
        }
    }
    return m_inner->commit(err);
}

bool FaultyConnection::execute(const QString& text, qint64* affected, DbError* err) {
    if (injected(err)) {
        if (affected)
            *affected = 0;
        return false;
    }
    return m_inner->execute(text, affected, err);
}

bool FaultyConnection::select(const QString& text, Recordset* out, DbError* err) {
    return !injected(err) && m_inner->select(text, out, err);
}
