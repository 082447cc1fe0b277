#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

std::unique_ptr<SqliteConnection> connectionOn(const QString& file, bool create) {
    auto con = std::make_unique<SqliteConnection>(QString(), QString(), embeddedDialect());
    con->setFile(file);
    con->setCreateIfMissing(create);
    return con;
}

QString firstValue(SqliteConnection& con, const QString& sql) {
    Recordset rs;
    DbError e;
    if (!con.select(sql, &rs, &e))
        return QStringLiteral("ERROR: ") + e.description;
    return rs.rowCount() ? rs.value(0, 0).toString() : QString();
}

// Asks the handle itself, past the dialect, which refuses SQLite's own statements.
QString journalMode(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    QString mode;
    if (sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        mode = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return mode;
}

} // namespace

TEST(SqliteConnection, OpensWithTheLinkedLibraryAndSharesCommittedRows) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("MES.sqlite"));
    auto writer = connectionOn(file, true);
    auto reader = connectionOn(file, false);
    DbError e;
    ASSERT_TRUE(writer->open(&e)) << e.description.toStdString();
    ASSERT_TRUE(reader->open(&e)) << e.description.toStdString();
    // No Qt SQL driver is involved: its copy of SQLite cannot drive the file as well.
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
    EXPECT_STREQ(sqlite3_db_filename(writer->handle(), "main"),
                 QFileInfo(file).absoluteFilePath().toUtf8().constData());
    EXPECT_EQ(journalMode(writer->handle()), QStringLiteral("wal"));

    ASSERT_TRUE(writer->execute(QStringLiteral("CREATE TABLE T (A INT)"), nullptr, &e));
    ASSERT_TRUE(writer->begin(&e));
    ASSERT_TRUE(writer->execute(QStringLiteral("INSERT INTO T (A) VALUES (7)"), nullptr, &e));
    // Uncommitted rows stay the writer's own.
    EXPECT_EQ(firstValue(*reader, QStringLiteral("SELECT COUNT(*) FROM T")), QStringLiteral("0"));
    ASSERT_TRUE(writer->commit(&e));
    EXPECT_EQ(firstValue(*reader, QStringLiteral("SELECT SUM(A) FROM T")), QStringLiteral("7"));
}

TEST(SqliteConnection, MissingFileFailsWithoutCreatingIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("MSE.sqlite"));
    auto con = connectionOn(file, false);
    DbError e;
    EXPECT_FALSE(con->open(&e));
    EXPECT_EQ(e.number, SQLITE_CANTOPEN);
    EXPECT_FALSE(con->isOpen());
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST(SqliteConnection, ClosedConnectionReportsALostLink) {
    QTemporaryDir dir;
    auto con = connectionOn(dir.filePath(QStringLiteral("MES.sqlite")), true);
    DbError e;
    ASSERT_TRUE(con->open(&e));
    con->close();
    con->close(); // a second close is harmless
    EXPECT_FALSE(con->execute(QStringLiteral("SELECT 1"), nullptr, &e));
    EXPECT_EQ(e.number, kGenericErrorNumber);
    EXPECT_EQ(e.description, QStringLiteral("Operation is not allowed when the object is closed."));
    ASSERT_TRUE(con->open(&e)) << "a closed connection opens again";
    EXPECT_EQ(firstValue(*con, QStringLiteral("SELECT 1 + 1")), QStringLiteral("2"));
}
