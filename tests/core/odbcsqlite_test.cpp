// The connection layer on both SQLite routes: the embedded backend and the ODBC transport
// (QODBC, unixODBC, the SQLite 3 ODBC driver with the mestsql extension loaded). The same
// T-SQL must give the same rows, counts, NULLs, texts and failure numbers on both.
#include "core/data/odbcconnection.h"
#include "core/platform/clock.h"
#include "core/tsql/tsqlodbcdialect.h"
#include "tests/support/odbcsqlite.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BackendConnection : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        if (GetParam() == Backend::Odbc) {
            ASSERT_TRUE(
                OdbcSqlite::registeredDrivers().contains(QLatin1String(OdbcSqlite::kDriver)))
                << "the SQLite ODBC driver is not registered (scripts/install-deps)";
        }
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
        con = open();
        ASSERT_TRUE(con);
        run(QStringLiteral("CREATE TABLE W (id INT NOT NULL PRIMARY KEY, name VARCHAR(40) NULL, "
                           "qty INT NULL)"));
        run(QStringLiteral("INSERT INTO W (id, name, qty) VALUES (1, 'a', 1)"));
        run(QStringLiteral("INSERT INTO W (id, name, qty) VALUES (2, 'b', 1)"));
        run(QStringLiteral("INSERT INTO W (id, name, qty) VALUES (3, 'c', 2)"));
    }
    void TearDown() override { Clock::reset(); }

    QString file() const { return m_dir.filePath(QStringLiteral("MES_T.sqlite")); }
    std::unique_ptr<Connection> open() {
        std::unique_ptr<Connection> c = OdbcSqlite::connectionFor(GetParam(), file());
        DbError e;
        EXPECT_TRUE(c->open(&e)) << e.description.toStdString();
        return c->isOpen() ? std::move(c) : nullptr;
    }
    qint64 run(const QString& text) {
        DbError e;
        qint64 n = -1;
        EXPECT_TRUE(con->execute(text, &n, &e))
            << text.toStdString() << ": " << e.description.toStdString();
        return n;
    }
    Recordset rows(const QString& text, Connection* c = nullptr) {
        DbError e;
        Recordset rs;
        EXPECT_TRUE((c ? c : con.get())->select(text, &rs, &e))
            << text.toStdString() << ": " << e.description.toStdString();
        return rs;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Connection> con;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Backends, BackendConnection,
                         ::testing::Values(Backend::Embedded, Backend::Odbc),
                         ::testing::PrintToStringParamName());

TEST_P(BackendConnection, KoreanTextRoundTripsAndNullStaysApartFromTheEmptyText) {
    const QString korean = QStringLiteral("한글 작업지시 ①");
    run(QStringLiteral("INSERT INTO W (id, name, qty) VALUES (4, N'%1', 3)").arg(korean));
    run(QStringLiteral("INSERT INTO W (id, name, qty) VALUES (5, '', 0)"));
    run(QStringLiteral("INSERT INTO W (id, name, qty) VALUES (6, NULL, NULL)"));
    const Recordset rs =
        rows(QStringLiteral("SELECT id, name, qty FROM W WHERE id > 3 ORDER BY id"));
    ASSERT_EQ(rs.rowCount(), 3);
    EXPECT_EQ(rs.value(0, 1).toString(), korean);
    EXPECT_EQ(rs.value(1, 1).typeId(), QMetaType::QString);
    EXPECT_TRUE(rs.value(1, 1).toString().isEmpty());
    EXPECT_EQ(rs.value(1, 2).toInt(), 0);
    EXPECT_FALSE(rs.value(1, 2).isNull());
    EXPECT_TRUE(rs.value(2, 1).isNull());
    EXPECT_TRUE(rs.value(2, 2).isNull());
    // The text in the statement reaches SQLite as characters: compared, measured and cut so.
    const Recordset found =
        rows(QStringLiteral("SELECT id, LEN(name), LEFT(name, 2) FROM W WHERE name = N'%1'")
                 .arg(korean));
    ASSERT_EQ(found.rowCount(), 1);
    EXPECT_EQ(found.value(0, 0).toInt(), 4);
    EXPECT_EQ(found.value(0, 1).toInt(), korean.size());
    EXPECT_EQ(found.value(0, 2).toString(), QStringLiteral("한글"));
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM W WHERE name IS NULL")).value(0, 0).toInt(),
              1);
}

TEST_P(BackendConnection, AffectedRowsAreTheRowsEachTextChanged) {
    const struct {
        const char* text;
        qint64 affected;
    } cases[] = {
        {"UPDATE W SET qty = qty + 1 WHERE qty = 1", 2},
        {"UPDATE W SET qty = 0 WHERE id = 99", 0},
        {"INSERT INTO W (id, name, qty) VALUES (4, 'd', 1), (5, 'e', 1)", 2},
        {"DELETE FROM W WHERE id = 5", 1},
        {"UPDATE W SET name = 'x' WHERE id = 1; DELETE FROM W WHERE id = 4", 2},
        // DDL changes no rows, whatever the statement before it changed.
        {"CREATE TABLE V (id INT NULL)", 0},
        {"IF EXISTS (SELECT 1 FROM W WHERE id = 1) UPDATE W SET qty = 7", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(QString::fromUtf8(c.text)), c.affected) << c.text;
    EXPECT_EQ(rows(QStringLiteral("SELECT SUM(qty) FROM W")).value(0, 0).toInt(), 21);
}

TEST_P(BackendConnection, TransactionsCommitAndRollBack) {
    DbError e;
    ASSERT_TRUE(con->begin(&e)) << e.description.toStdString();
    EXPECT_TRUE(con->inTransaction());
    run(QStringLiteral("DELETE FROM W"));
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM W")).value(0, 0).toInt(), 0);
    ASSERT_TRUE(con->rollback(&e)) << e.description.toStdString();
    EXPECT_FALSE(con->inTransaction());
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM W")).value(0, 0).toInt(), 3);

    ASSERT_TRUE(con->begin(&e)) << e.description.toStdString();
    run(QStringLiteral("UPDATE W SET qty = 5 WHERE id = 3"));
    ASSERT_TRUE(con->commit(&e)) << e.description.toStdString();
    EXPECT_FALSE(con->inTransaction());
    // Another connection to the file sees the committed row.
    const std::unique_ptr<Connection> other = open();
    ASSERT_TRUE(other);
    EXPECT_EQ(
        rows(QStringLiteral("SELECT qty FROM W WHERE id = 3"), other.get()).value(0, 0).toInt(), 5);
}

TEST_P(BackendConnection, FailuresCarryTheServersNumbers) {
    const struct {
        const char* text;
        int number;
        const char* message; // the start of the description
    } cases[] = {
        {"SELEC id FROM W", 102, "Incorrect syntax near 'SELEC'"},
        {"SELECT CONVERT(INT, name) FROM W", 245,
         "Conversion failed when converting the varchar value 'a' to data type int."},
        {"SELECT qty / (qty - qty) FROM W", 8134, "Divide by zero error encountered."},
        {"SELECT CONVERT(DATETIME, 'not a date')", 241,
         "Conversion failed when converting date and/or time from character string."},
    };
    for (const auto& c : cases) {
        Recordset rs;
        DbError e;
        EXPECT_FALSE(con->select(QString::fromUtf8(c.text), &rs, &e)) << c.text;
        EXPECT_EQ(e.number, c.number) << c.text << ": " << e.description.toStdString();
        EXPECT_TRUE(e.description.startsWith(QString::fromUtf8(c.message)))
            << c.text << ": " << e.description.toStdString();
    }
    // The connection stays usable.
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM W")).value(0, 0).toInt(), 3);
}

// Over ODBC the extension runs inside the driver, and still reads the program's clock.
TEST_P(BackendConnection, GetdateIsTheProgramsClock) {
    EXPECT_EQ(
        rows(QStringLiteral("SELECT CONVERT(VARCHAR(19), GETDATE(), 120)")).value(0, 0).toString(),
        QStringLiteral("2024-03-05 10:00:00"));
}

class OdbcTransport : public BackendConnection {};

INSTANTIATE_TEST_SUITE_P(Odbc, OdbcTransport, ::testing::Values(Backend::Odbc),
                         ::testing::PrintToStringParamName());

// Without a dialect, the plant's case, the text reaches the driver as the program wrote it.
TEST_P(OdbcTransport, WithoutDialectTheTextGoesToTheDriverAsWritten) {
    OdbcConnection plain;
    plain.setConnectionString(OdbcSqlite::connectionString(file(), false));
    DbError e;
    ASSERT_TRUE(plain.open(&e)) << e.description.toStdString();
    // SQLite's own concatenation, which the T-SQL translation would refuse.
    EXPECT_EQ(rows(QStringLiteral("SELECT name || '|' || qty FROM W WHERE id = 3"), &plain)
                  .value(0, 0)
                  .toString(),
              QStringLiteral("c|2"));
    EXPECT_FALSE(plain.setDefaultDatabase(QStringLiteral("MES_T"), &e));
    EXPECT_TRUE(e.description.contains(QStringLiteral("USE"))) << e.description.toStdString();
}

// A SQLite file is one database: USE accepts the one the connection opened.
TEST_P(OdbcTransport, UseAcceptsTheOpenedDatabaseOnly) {
    DbError e;
    EXPECT_TRUE(con->setDefaultDatabase(QStringLiteral("mes_t"), &e))
        << e.description.toStdString();
    EXPECT_FALSE(con->setDefaultDatabase(QStringLiteral("MES_OTHER"), &e));
    EXPECT_EQ(e.number, 911);
    EXPECT_TRUE(e.description.startsWith(QStringLiteral("Database 'MES_OTHER' does not exist.")));
}

// A connection whose driver did not load the extension fails at open, not at the first call.
TEST_P(OdbcTransport, OpenFailsWithoutTheExtension) {
    OdbcConnection c(std::make_unique<TsqlOdbcDialect>());
    c.setConnectionString(
        QStringLiteral("DRIVER={%1};Database=%2;").arg(QLatin1String(OdbcSqlite::kDriver), file()));
    DbError e;
    EXPECT_FALSE(c.open(&e));
    EXPECT_FALSE(c.isOpen());
    EXPECT_TRUE(e.description.startsWith(QStringLiteral("the T-SQL functions are not loaded")))
        << e.description.toStdString();
}
