#include "core/data/sqliteconnection.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/odbcsqlite.h"
#include "tests/support/testenv.h"

#include <QFile>

#include <sqlite3.h>

#include <optional>

namespace {
// A small table: three rows, one NULL name. The helpers run on the embedded backend, and
// on the same file over ODBC.
class ModDbTest : public TestEnv, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        createDatabase(
            QStringLiteral("MES_TEST"),
            QStringLiteral("CREATE TABLE T (id INTEGER PRIMARY KEY, name TEXT, qty INTEGER);"
                           "INSERT INTO T VALUES (1,'a',1),(2,NULL,1),(3,'c',2);"));
        if (GetParam() == Backend::Odbc) {
            ASSERT_TRUE(
                OdbcSqlite::registeredDrivers().contains(QLatin1String(OdbcSqlite::kDriver)))
                << "the SQLite ODBC driver is not registered (scripts/install-deps)";
            OdbcSqlite::installForHelpers();
        }
        ASSERT_TRUE(gfDB_OPEN());
    }
    QString table() const {
        return scalar(
            dbFile(),
            QStringLiteral("SELECT group_concat(id||':'||ifnull(name,'-')||':'||qty, ' ') FROM T"));
    }
    QString log() const { return readFile(QStringLiteral("202403.err")); }
    const QString original = QStringLiteral("1:a:1 2:-:1 3:c:2");
};
} // namespace

INSTANTIATE_TEST_SUITE_P(Backends, ModDbTest, ::testing::Values(Backend::Embedded, Backend::Odbc),
                         ::testing::PrintToStringParamName());

TEST_P(ModDbTest, ExecCommitsAndBatchesRunInOrder) {
    EXPECT_TRUE(gfEXEC_SQL(QStringLiteral("UPDATE T SET qty = qty + 1 WHERE id = 1"),
                           QStringLiteral("loc")));
    EXPECT_TRUE(gfEXEC_SQLS({QStringLiteral("INSERT INTO T VALUES (4,'d',0)"),
                             QStringLiteral("UPDATE T SET qty = 9 WHERE id = 4")},
                            QStringLiteral("loc")));
    EXPECT_EQ(table(), QStringLiteral("1:a:2 2:-:1 3:c:2 4:d:9"));
    EXPECT_FALSE(notifier.busy());
    EXPECT_EQ(log(), QStringLiteral("<missing>"));
}

TEST_P(ModDbTest, BatchWithFailingSecondStatementLeavesNothingAndReports) {
    EXPECT_FALSE(
        gfEXEC_SQLS({QStringLiteral("UPDATE T SET qty = 5"), QStringLiteral("UPDAT T SET qty = 6"),
                     QStringLiteral("DELETE FROM T")},
                    QStringLiteral("frm_S_dayReport")));
    EXPECT_EQ(table(), original);
    ASSERT_EQ(notifier.shown.size(), 1);
    EXPECT_TRUE(
        notifier.shown.first().text.contains(QStringLiteral("Incorrect syntax near 'UPDAT'")));
    EXPECT_TRUE(log().contains(QStringLiteral("ERR NO(102) : ")));
    EXPECT_TRUE(log().contains(QStringLiteral("ERR LOCATION : frm_S_dayReport / ")));
    EXPECT_FALSE(notifier.busy());
    // The connection stays usable after the rollback.
    EXPECT_TRUE(
        gfEXEC_SQL(QStringLiteral("UPDATE T SET qty = 7 WHERE id = 3"), QStringLiteral("loc")));
}

TEST_P(ModDbTest, CountMismatchRollsBackSilentlyAndLogsLocationOnly) {
    EXPECT_FALSE(gfEXEC_SQLS_COUNT({QStringLiteral("UPDATE T SET qty = 5 WHERE id = 3"),
                                    QStringLiteral("UPDATE T SET qty = 0 WHERE qty = 1"),
                                    QStringLiteral("DELETE FROM T WHERE id = 3")},
                                   QStringLiteral("frm_S_jakupjisi_list"), 1));
    EXPECT_EQ(table(), original);
    EXPECT_TRUE(notifier.shown.isEmpty());
    EXPECT_EQ(log(), QStringLiteral("ERR LOCATION : frm_S_jakupjisi_list / \r\n\r\n\r\n"));
    // No row at all is a mismatch too; exactly one row each passes.
    EXPECT_FALSE(
        gfEXEC_SQLS_COUNT({QStringLiteral("DELETE FROM T WHERE id = 99")}, QStringLiteral("x"), 1));
    EXPECT_TRUE(gfEXEC_SQLS_COUNT({QStringLiteral("UPDATE T SET qty = 5 WHERE id = 3"),
                                   QStringLiteral("DELETE FROM T WHERE id = 1")},
                                  QStringLiteral("x"), 1));
    EXPECT_EQ(table(), QStringLiteral("2:-:1 3:c:5"));
}

TEST_P(ModDbTest, GetValueEmptyTextOnNoRowAndNullInvalidOnFailure) {
    EXPECT_EQ(gfGET_VALUE(QStringLiteral("SELECT name FROM T WHERE id = 3"), QString()),
              QVariant(QStringLiteral("c")));
    EXPECT_EQ(gfGET_VALUE(QStringLiteral("SELECT qty FROM T WHERE id = 3"), QString()).toInt(), 2);
    const QVariant none =
        gfGET_VALUE(QStringLiteral("SELECT name FROM T WHERE id = 99"), QString());
    const QVariant null = gfGET_VALUE(QStringLiteral("SELECT name FROM T WHERE id = 2"), QString());
    for (const QVariant& v : {none, null}) {
        EXPECT_TRUE(v.isValid());
        EXPECT_EQ(v.toString(), QStringLiteral(""));
        EXPECT_EQ(v.typeId(), QMetaType::QString);
    }
    EXPECT_TRUE(notifier.shown.isEmpty());
    const QVariant failed =
        gfGET_VALUE(QStringLiteral("SELECT nope FROM T"), QStringLiteral("loc"));
    EXPECT_FALSE(failed.isValid());
    EXPECT_TRUE(log().contains(QStringLiteral("no such column: nope")));
}

TEST_P(ModDbTest, GetRowShapes) {
    const QVariantList row =
        gfGET_ROW(QStringLiteral("SELECT id, name, qty FROM T WHERE id = 2"), QString());
    ASSERT_EQ(row.size(), 3);
    EXPECT_EQ(row.at(0).toInt(), 2);
    EXPECT_TRUE(row.at(1).isNull()); // NULL stays NULL
    EXPECT_EQ(gfGET_ROW(QStringLiteral("SELECT id, name FROM T WHERE id = 99"), QString()),
              QVariantList{QStringLiteral("")});
    EXPECT_TRUE(gfGET_ROW(QStringLiteral("SELECT FROM"), QStringLiteral("loc")).isEmpty());
    EXPECT_FALSE(gRs.isOpen());
}

TEST_P(ModDbTest, OpenRsLeavesResultOpenAndAReadWhileOpenFails) {
    EXPECT_TRUE(gfOPEN_RS(QStringLiteral("SELECT id, NAME FROM T ORDER BY id"), false,
                          QStringLiteral("loc")));
    ASSERT_TRUE(gRs.isOpen());
    EXPECT_EQ(gRs->rowCount(), 3);
    EXPECT_EQ(gRs->field(QStringLiteral("name")).toString(), QStringLiteral("a"));
    gRs->moveNext();
    EXPECT_TRUE(gRs->field(QStringLiteral("Name")).isNull());
    // Another read before the caller closed gRs fails, is reported and leaves gRs closed.
    EXPECT_FALSE(gfGET_VALUE(QStringLiteral("SELECT 1"), QStringLiteral("timer")).isValid());
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_TRUE(log().contains(
        QStringLiteral("ERR NO(3705) : Operation is not allowed when the object is open.")));
    EXPECT_TRUE(log().contains(QStringLiteral("ERR LOCATION : timer / ")));
    // Existence check closes at once; no row gives false.
    EXPECT_TRUE(gfOPEN_RS(QStringLiteral("SELECT 1 FROM T"), true, QString()));
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_FALSE(gfOPEN_RS(QStringLiteral("SELECT 1 FROM T WHERE 0"), false, QString()));
    EXPECT_TRUE(gRs.isOpen());
    EXPECT_TRUE(gRs->eof());
    gRs.close();
    EXPECT_FALSE(gfOPEN_RS(QStringLiteral("SELECT nope"), false, QStringLiteral("loc")));
    EXPECT_FALSE(gRs.isOpen());
}

TEST_P(ModDbTest, OpenQueryReplacesResultAndKnowsRowCount) {
    gRs.open(Recordset(QStringList{QStringLiteral("old")}));
    EXPECT_TRUE(gfOPEN_QUERY(QStringLiteral("SELECT id FROM T"), false));
    ASSERT_TRUE(gRs.isOpen());
    EXPECT_EQ(gRs->rowCount(), 3);
    EXPECT_TRUE(gfOPEN_QUERY(QStringLiteral("SELECT id FROM T"), true));
    EXPECT_FALSE(gRs.isOpen());
    // It does not reopen a closed connection: the failure raises the reconnect prompt.
    gCon->close();
    EXPECT_FALSE(gfOPEN_QUERY(QStringLiteral("SELECT id FROM T"), false));
    EXPECT_EQ(notifier.retryQuestions, 1);
}

TEST_P(ModDbTest, ClosedConnectionIsReopenedByTheHelpers) {
    gCon->close();
    EXPECT_EQ(gfGET_VALUE(QStringLiteral("SELECT COUNT(*) FROM T"), QString()).toInt(), 3);
    gCon.reset();
    EXPECT_TRUE(gfEXEC_SQL(QStringLiteral("DELETE FROM T WHERE id = 1"), QStringLiteral("loc")));
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_P(ModDbTest, DroppedDatabaseFileFailsCleanly) {
    gCon.reset();
    ASSERT_TRUE(QFile::remove(dbFile()));
    notifier.answerRetry = true; // the retry fails as well
    EXPECT_FALSE(gfEXEC_SQL(QStringLiteral("DELETE FROM T"), QStringLiteral("loc")));
    EXPECT_FALSE(QFile::exists(dbFile())); // never created empty
    EXPECT_EQ(gCon, nullptr);
    const QStringList texts = notifier.texts();
    ASSERT_GE(texts.size(), 4);
    EXPECT_TRUE(
        texts.at(0).startsWith(QStringLiteral("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ")));
    EXPECT_TRUE(texts.contains(QStringLiteral("접속실패!!! 전산실에 문의하여 주십시요...")));
    EXPECT_TRUE(log().contains(QStringLiteral("ERR LOCATION : loc / ")));
    EXPECT_FALSE(notifier.busy());
}

// What the embedded backend does when its file vanishes or stays locked.
class EmbeddedFileTest : public ModDbTest {};
INSTANTIATE_TEST_SUITE_P(Embedded, EmbeddedFileTest, ::testing::Values(Backend::Embedded),
                         ::testing::PrintToStringParamName());

// The file renamed away while the program works: the next batch is not written into the
// vanished file but fails with the reconnect prompt; once the file is back, a retry connects
// and every committed row is there.
TEST_P(EmbeddedFileTest, VanishedFileRaisesReconnectAndKeepsCommittedRows) {
    ASSERT_TRUE(
        gfEXEC_SQL(QStringLiteral("UPDATE T SET qty = 8 WHERE id = 1"), QStringLiteral("a")));
    const QString away = dbFile() + QStringLiteral(".away");
    ASSERT_TRUE(QFile::rename(dbFile(), away));
    notifier.answerRetry = true; // the file is still away: the retry fails
    EXPECT_FALSE(gfEXEC_SQLS(
        {QStringLiteral("INSERT INTO T VALUES (4,'d',0)"), QStringLiteral("UPDATE T SET qty = 0")},
        QStringLiteral("loc")));
    EXPECT_EQ(notifier.retryQuestions, 1);
    EXPECT_TRUE(
        notifier.texts().contains(QStringLiteral("접속실패!!! 전산실에 문의하여 주십시요...")));
    EXPECT_TRUE(gConClosed());
    EXPECT_FALSE(QFile::exists(dbFile())) << "never created empty";
    EXPECT_TRUE(log().contains(QStringLiteral("database file is gone")));

    ASSERT_TRUE(QFile::rename(away, dbFile()));
    gfDB_RECONNECT();
    EXPECT_EQ(notifier.shown.last().text, QStringLiteral("접속되었습니다."));
    EXPECT_EQ(table(), QStringLiteral("1:a:8 2:-:1 3:c:2"));
}

// A batch whose commit would land in a file deleted after the batch began is rolled back
// and reported, never reported written.
TEST_P(EmbeddedFileTest, FileDeletedInsideATransactionIsNeverReportedCommitted) {
    DbError e;
    ASSERT_TRUE(gCon->begin(&e));
    qint64 n = 0;
    ASSERT_TRUE(gCon->execute(QStringLiteral("DELETE FROM T"), &n, &e));
    ASSERT_TRUE(QFile::remove(dbFile()));
    EXPECT_FALSE(gCon->commit(&e));
    EXPECT_EQ(e.number, kGenericErrorNumber);
    EXPECT_FALSE(gCon->isOpen());
}

// Another program holds the write lock beyond the busy time-out: the batch fails with the
// reconnect prompt instead of hanging, writes nothing, and works again once the lock is gone.
TEST_P(EmbeddedFileTest, LockedFileRaisesReconnectAndWritesNothing) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(dbFile()).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE T SET qty = 5 WHERE id = 2", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_busy_timeout(static_cast<SqliteConnection*>(gCon.get())->handle(), 50);
    notifier.answerRetry = false;
    EXPECT_FALSE(
        gfEXEC_SQL(QStringLiteral("UPDATE T SET qty = 0 WHERE id = 1"), QStringLiteral("loc")));
    EXPECT_EQ(notifier.retryQuestions, 1);
    EXPECT_TRUE(gConClosed());
    EXPECT_FALSE(notifier.busy());

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE(
        gfEXEC_SQL(QStringLiteral("UPDATE T SET qty = 0 WHERE id = 1"), QStringLiteral("loc")));
    EXPECT_EQ(table(), QStringLiteral("1:a:0 2:-:5 3:c:2"));
}

TEST_P(ModDbTest, OpenFailureMessageAndRelease) {
    gCon.reset();
    gsDB_NAME = QStringLiteral("NO_SUCH_DB");
    EXPECT_FALSE(gfDB_OPEN());
    EXPECT_EQ(gCon, nullptr);
    ASSERT_EQ(notifier.shown.size(), 1);
    EXPECT_EQ(notifier.shown.first().icon, Notifier::Icon::Warning);
    EXPECT_EQ(notifier.shown.first().title, QStringLiteral("Report_TALVEN"));
    // The cause is the backend's own: SQLite's, or the SQLite ODBC driver's.
    const QString cause = GetParam() == Backend::Odbc
                              ? QStringLiteral("[SQLite]connect failed")
                              : QStringLiteral("unable to open database file");
    const QString text = notifier.shown.first().text;
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ") + cause))
        << text.toStdString();
    EXPECT_EQ(log(), QStringLiteral("<missing>")); // an open failure is not logged
}

TEST_P(ModDbTest, ReconnectPromptRetryOpensAndConfirms) {
    gCon.reset();
    notifier.answerRetry = true;
    gfDB_RECONNECT();
    EXPECT_FALSE(gConClosed());
    EXPECT_EQ(notifier.shown.last().text, QStringLiteral("접속되었습니다."));
    EXPECT_EQ(notifier.shown.last().icon, Notifier::Icon::Information);
}

TEST(ConnectionStringTest, ValuesThatWouldBreakTheStringAreBraced) {
    LocalSettings::current() = LocalSettings::defaults();
    struct Case {
        QString server, user, pwd, db, expected;
    };
    const QString h = QStringLiteral("DRIVER={SQL Server};Server=");
    const Case cases[] = {
        // Plain values stay exactly as they were, '=' and other punctuation included.
        {QStringLiteral("10.1.1.1,1433"), QStringLiteral("sa"), QStringLiteral("!417$dartel"),
         QStringLiteral("MES_TALVEN"),
         h + QStringLiteral("10.1.1.1,1433;UID=sa;PWD=!417$dartel; database =MES_TALVEN;")},
        {QStringLiteral("h"), QStringLiteral("a=b"), QString(), QString(),
         h + QStringLiteral("h;UID=a=b;PWD=; database =;")},
        // ';' would end the value, '}' would end a braced one, '{' would start one.
        {QStringLiteral("h"), QStringLiteral("sa"), QStringLiteral("pw;UID=x"), QStringLiteral("d"),
         h + QStringLiteral("h;UID=sa;PWD={pw;UID=x}; database =d;")},
        {QStringLiteral("h"), QStringLiteral("sa"), QStringLiteral("a}b;"), QStringLiteral("d"),
         h + QStringLiteral("h;UID=sa;PWD={a}}b;}; database =d;")},
        {QStringLiteral("h"), QStringLiteral("u;1"), QStringLiteral("{pw"), QStringLiteral("d"),
         h + QStringLiteral("h;UID={u;1};PWD={{pw}; database =d;")},
        // Outer spaces are kept only inside braces.
        {QStringLiteral("h"), QStringLiteral("sa"), QStringLiteral(" pw "), QStringLiteral("d"),
         h + QStringLiteral("h;UID=sa;PWD={ pw }; database =d;")},
    };
    for (const Case& c : cases) {
        gsDB_SERVER = c.server;
        gsDB_USER = c.user;
        gsDB_PWD = c.pwd;
        gsDB_NAME = c.db;
        EXPECT_EQ(gfCONNECTION_STRING(), c.expected) << c.pwd.toStdString();
    }
    gsDB_SERVER = gsDB_USER = gsDB_PWD = gsDB_NAME = QString();
}

TEST_P(ModDbTest, NumberedBatchReadsItsNumberInsideItsTransaction) {
    struct Case {
        const char* why;
        QString numberSql;
        QString statement; // the batch's one statement; empty: the builder refuses
        std::optional<qint16> expected;
        NumberedBatch result;
        QString seen; // the number the builder got ("-" when it was not called)
        QString table;
        int shown;
    };
    const QString next = QStringLiteral("SELECT MAX(id) + 1 FROM T");
    const Case cases[] = {
        {"written", next, QStringLiteral("INSERT INTO T VALUES (%1,'n',0)"), 1,
         NumberedBatch::Written, QStringLiteral("4"), original + QStringLiteral(" 4:n:0"), 0},
        {"no row", QStringLiteral("SELECT id FROM T WHERE id > 9"),
         QStringLiteral("UPDATE T SET name = 'x%1' WHERE id = 1"), std::nullopt,
         NumberedBatch::Written, QString(), QStringLiteral("1:x:1 2:-:1 3:c:2"), 0},
        {"refused", next, QString(), std::nullopt, NumberedBatch::Refused, QStringLiteral("4"),
         original, 0},
        {"read fails", QStringLiteral("SELECT nope FROM T"), QStringLiteral("DELETE FROM T"),
         std::nullopt, NumberedBatch::Failed, QStringLiteral("-"), original, 1},
        {"count differs", next, QStringLiteral("UPDATE T SET qty = %1"), 1, NumberedBatch::Failed,
         QStringLiteral("4"), original, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        createDatabase(QStringLiteral("MES_TEST"),
                       QStringLiteral("DELETE FROM T;"
                                      "INSERT INTO T VALUES "
                                      "(1,'a',1),(2,NULL,1),(3,'c',2);"));
        notifier.shown.clear();
        QString seen = QStringLiteral("-");
        bool inTransaction = false;
        const auto build = [&](const QString& number, QStringList* batch) {
            seen = number;
            inTransaction = gCon->inTransaction();
            if (c.statement.isEmpty())
                return false;
            *batch = {c.statement.contains(QLatin1String("%1")) ? c.statement.arg(number)
                                                                : c.statement};
            return true;
        };
        EXPECT_EQ(gfEXEC_SQLS_NUMBERED(c.numberSql, build, QStringLiteral("loc"), c.expected),
                  c.result);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(inTransaction, seen != QLatin1String("-"));
        EXPECT_FALSE(gCon->inTransaction());
        EXPECT_EQ(table(), c.table);
        EXPECT_EQ(notifier.shown.size(), c.shown);
        EXPECT_FALSE(notifier.busy());
    }
}

TEST_P(ModDbTest, BatchAndReadShareOneTransaction) {
    const struct {
        const char* why;
        QStringList batch;
        QString read;
        bool ok;
        QString rows; // what the read gave: ids joined by ' '
        QString table;
        int shown;
    } cases[] = {
        {"written and read back",
         {QStringLiteral("DELETE FROM T"), QStringLiteral("INSERT INTO T VALUES (7,'g',1)")},
         QStringLiteral("SELECT id FROM T"),
         true,
         QStringLiteral("7"),
         QStringLiteral("7:g:1"),
         0},
        {"a failing statement",
         {QStringLiteral("DELETE FROM T"), QStringLiteral("INSERT INTO nope VALUES (1)")},
         QStringLiteral("SELECT id FROM T"),
         false,
         QString(),
         original,
         1},
        {"a failing read",
         {QStringLiteral("DELETE FROM T")},
         QStringLiteral("SELECT nope FROM T"),
         false,
         QString(),
         original,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        createDatabase(QStringLiteral("MES_TEST"),
                       QStringLiteral("DELETE FROM T;"
                                      "INSERT INTO T VALUES "
                                      "(1,'a',1),(2,NULL,1),(3,'c',2);"));
        notifier.shown.clear();
        Recordset rows;
        EXPECT_EQ(gfEXEC_SQLS_READ(c.batch, c.read, QStringLiteral("loc"), &rows), c.ok);
        QStringList ids;
        for (int r = 0; r < rows.rowCount(); ++r)
            ids << rows.value(r, 0).toString();
        EXPECT_EQ(ids.join(QLatin1Char(' ')), c.rows);
        EXPECT_FALSE(gCon->inTransaction());
        EXPECT_EQ(table(), c.table);
        EXPECT_EQ(notifier.shown.size(), c.shown);
        EXPECT_FALSE(notifier.busy());
    }
}
