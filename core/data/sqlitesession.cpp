#include "core/data/sqlitesession.h"

#include <sqlite3.h>

namespace {
// Each value goes straight from the statement into the recordset's storage.
void appendColumn(sqlite3_stmt* st, int col, Recordset& rs) {
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER:
        rs.appendInteger(sqlite3_column_int64(st, col));
        break;
    case SQLITE_FLOAT:
        rs.appendReal(sqlite3_column_double(st, col));
        break;
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        rs.appendText(p, sqlite3_column_bytes(st, col));
        break;
    }
    case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
        rs.appendBlob(p, sqlite3_column_bytes(st, col));
        break;
    }
    default:
        rs.appendNull();
        break;
    }
}

Recordset readRows(sqlite3_stmt* st, int rc, int* finalRc) {
    const int cols = sqlite3_column_count(st);
    QStringList names;
    for (int c = 0; c < cols; ++c)
        names << QString::fromUtf8(sqlite3_column_name(st, c));
    Recordset rs(names);
    while (rc == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c)
            appendColumn(st, c, rs);
        rc = sqlite3_step(st);
    }
    *finalRc = rc;
    return rs;
}
} // namespace

DbError SqliteSession::errorOf(sqlite3* db) {
    const int code = sqlite3_extended_errcode(db);
    return DbError::make(code ? code : kGenericErrorNumber, QString::fromUtf8(sqlite3_errmsg(db)));
}

bool SqliteSession::run(const QString& sqliteText, Recordset* result, qint64* changes,
                        DbError* err) {
    const QByteArray utf8 = sqliteText.toUtf8();
    const char* tail = utf8.constData();
    const char* end = tail + utf8.size();
    qint64 total = 0;
    bool haveResult = false;
    while (tail < end) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, tail, int(end - tail), &st, &tail) != SQLITE_OK) {
            if (err)
                *err = errorOf(m_db);
            return false;
        }
        if (!st)
            continue; // white space or a comment only
        const sqlite3_int64 before = sqlite3_total_changes64(m_db);
        int rc = sqlite3_step(st);
        if (sqlite3_column_count(st) > 0) {
            Recordset rs = readRows(st, rc, &rc);
            if (result) {
                *result = std::move(rs);
                haveResult = true;
            }
        } else {
            while (rc == SQLITE_ROW)
                rc = sqlite3_step(st);
        }
        if (rc != SQLITE_DONE) {
            if (err)
                *err = errorOf(m_db);
            sqlite3_finalize(st);
            return false;
        }
        sqlite3_finalize(st);
        // The difference of the running total also holds for DDL, which leaves
        // sqlite3_changes() at the previous statement's count.
        total += sqlite3_total_changes64(m_db) - before;
    }
    if (result && !haveResult)
        *result = Recordset();
    if (changes)
        *changes = total;
    return true;
}
