#include "core/localsettings.h"
#include "core/moddb.h"
#include "core/statementtrace.h"
#include "tests/support/testenv.h"

class TraceTest : public TestEnv {};

TEST_F(TraceTest, EveryHelperStatementIsAppended) {
    createDatabase(QStringLiteral("MES_TEST"),
                   QStringLiteral("CREATE TABLE T (a INTEGER); INSERT INTO T VALUES (1),(2);"));
    ASSERT_TRUE(gfDB_OPEN());
    LocalSettings::current().traceFile = QStringLiteral("trace.log");
    EXPECT_TRUE(gfEXEC_SQL(QStringLiteral("\nUPDATE T\nSET a = a + 1"), QStringLiteral("frm_A")));
    EXPECT_EQ(
        gfGET_VALUE(QStringLiteral("SELECT COUNT(*) FROM T"), QStringLiteral("frm_B")).toInt(), 2);
    EXPECT_FALSE(
        gfGET_VALUE(QStringLiteral("SELECT nope FROM T"), QStringLiteral("frm_C")).isValid());
    const QStringList lines =
        readFile(QStringLiteral("trace.log")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    const QStringList first = lines.at(0).split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first.at(0), QStringLiteral("2024-03-05 10:00:00.000"));
    EXPECT_EQ(first.at(1), QStringLiteral("frm_A"));
    EXPECT_TRUE(first.at(2).endsWith(QStringLiteral("us")));
    EXPECT_EQ(first.at(3), QStringLiteral("rows=2"));
    EXPECT_EQ(first.at(4), QStringLiteral("ok"));
    EXPECT_EQ(first.at(5), QStringLiteral("\\nUPDATE T\\nSET a = a + 1"));
    EXPECT_EQ(lines.at(1).split(QLatin1Char('\t')).at(3), QStringLiteral("rows=1"));
    EXPECT_TRUE(lines.at(2)
                    .split(QLatin1Char('\t'))
                    .at(4)
                    .startsWith(QStringLiteral("error 1: no such column")));
}

TEST_F(TraceTest, OffByDefaultAndUnwritableTraceNeverFails) {
    createDatabase(QStringLiteral("MES_TEST"), QStringLiteral("CREATE TABLE T (a INTEGER);"));
    ASSERT_TRUE(gfDB_OPEN());
    EXPECT_FALSE(StatementTrace::enabled());
    LocalSettings::current().traceFile = path(QStringLiteral("missing/dir/trace.log"));
    EXPECT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO T VALUES (1)"), QStringLiteral("x")));
    EXPECT_TRUE(notifier.shown.isEmpty());
}
