#include "tests/support/faultsweep.h"

#include "core/modbas.h"
#include "tests/support/faultyconnection.h"

#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

#include <sqlite3.h>

namespace {
QString columnText(sqlite3_stmt* st, int c) {
    if (sqlite3_column_type(st, c) == SQLITE_NULL)
        return QStringLiteral("<null>");
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                             sqlite3_column_bytes(st, c));
}

// Rows of one statement, cells joined by '|', rows by ';'.
QString rowsOf(sqlite3* db, const QByteArray& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        return QStringLiteral("<error: ") + QString::fromUtf8(sqlite3_errmsg(db)) +
               QLatin1Char('>');
    QString out;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            out += columnText(st, c) + QLatin1Char('|');
        out += QLatin1Char(';');
    }
    sqlite3_finalize(st);
    return out;
}
} // namespace

FaultSweep::FaultSweep(QString dbFile) : m_dbFile(std::move(dbFile)) {
    auto faulty = std::make_unique<FaultyConnection>(std::move(gCon));
    m_faulty = faulty.get();
    gCon = std::move(faulty);
}

FaultSweep::~FaultSweep() {
    if (gCon.get() == m_faulty)
        gCon = m_faulty->release();
}

QString FaultSweep::dump(const QString& dbFile) {
    sqlite3* db = nullptr;
    QString out;
    if (sqlite3_open_v2(QFile::encodeName(dbFile).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        const QString names =
            rowsOf(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        for (const QString& row : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString table = row.chopped(1);
            out += table + QStringLiteral(": ") +
                   rowsOf(db, "SELECT * FROM \"" + table.toUtf8() + "\" ORDER BY rowid") +
                   QLatin1Char('\n');
        }
    }
    sqlite3_close(db);
    return out;
}

int FaultSweep::run(const Action& a) {
    const QString before = dump(m_dbFile);
    // The commit failing first: the batch runs whole, so its statements are counted.
    a.arrange();
    m_faulty->arm(0, true);
    a.act();
    const int positions = m_faulty->statementsBeforeFirstCommit();
    std::cout << "fault sweep: " << positions << " statements and the commit\n";
    EXPECT_GT(positions, 0) << "the action ran no batch";
    EXPECT_EQ(m_faulty->failures(), positions > 0 ? 1 : 0);
    EXPECT_EQ(dump(m_dbFile), before) << "commit failing";
    a.afterFailure("commit");
    for (int k = 1; k <= positions; ++k) {
        const std::string where =
            "statement " + std::to_string(k) + " of " + std::to_string(positions);
        a.arrange();
        m_faulty->arm(k, false);
        a.act();
        EXPECT_EQ(m_faulty->failures(), 1) << where;
        EXPECT_EQ(dump(m_dbFile), before) << where;
        a.afterFailure(where);
    }
    a.arrange();
    m_faulty->arm(0, false);
    a.act();
    EXPECT_NE(dump(m_dbFile), before) << "nothing failing, the batch writes";
    return positions;
}
