#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"
#include "tests/support/testenv.h"

#include <QFile>

namespace {
class ErrLogTest : public TestEnv {};
} // namespace

TEST_F(ErrLogTest, RecordForms) {
    struct Case {
        DbError err;
        QString message;
        QString location;
        QString record;
    };
    const Case cases[] = {
        {{},
         QString(),
         QStringLiteral("frm_S_jakupjisi_list"),
         QStringLiteral("ERR LOCATION : frm_S_jakupjisi_list / \r\n\r\n")},
        {{}, QString(), QStringLiteral("   "), QString()},
        {{}, QString(), QString(), QString()},
        {{-2147217900, QStringLiteral("Invalid column name 'x'.")},
         QStringLiteral("Invalid column name 'x'."),
         QStringLiteral("frm_S_dayReport"),
         QStringLiteral(
             "[2024년03월05일 10시00분00초]\r\nERR NO(-2147217900) : Invalid column name "
             "'x'.     \r\nERR LOCATION : frm_S_dayReport / Invalid column name 'x'.\r\n\r\n")},
        {{7, QStringLiteral("boom")},
         QStringLiteral("boom"),
         QString(),
         QStringLiteral("[2024년03월05일 10시00분00초]\r\nERR NO(7) : boom     ")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errLogRecord(c.err, c.message, c.location, Clock::now()), c.record)
            << c.location.toStdString();
    // Hours run 00-23.
    EXPECT_TRUE(errLogRecord({1, QStringLiteral("x")}, QString(), QString(),
                             QDateTime(QDate(2024, 3, 5), QTime(23, 4, 5)))
                    .startsWith(QStringLiteral("[2024년03월05일 23시04분05초]")));
}

TEST_F(ErrLogTest, LocationOnlyReportWritesThreeLineBreaksAndShowsNoBox) {
    createDatabase(QStringLiteral("MES_TEST"), QStringLiteral("CREATE TABLE t(a)"));
    ASSERT_TRUE(gfDB_OPEN());
    gfERR_LOG(DbError{}, QString(), QStringLiteral("frm_S_jakupjisi_list"));
    EXPECT_EQ(readFile(QStringLiteral("202403.err")),
              QStringLiteral("ERR LOCATION : frm_S_jakupjisi_list / \r\n\r\n\r\n"));
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_F(ErrLogTest, MessageBoxHasNoIconAndTheProgramTitle) {
    gfERR_LOG({5, QStringLiteral("bad")}, QStringLiteral("bad"), QStringLiteral("x"));
    ASSERT_FALSE(notifier.shown.isEmpty());
    const FakeNotifier::Shown& last = notifier.shown.last();
    EXPECT_EQ(last.icon, Notifier::Icon::None);
    EXPECT_EQ(last.title, QStringLiteral("Report_TALVEN"));
    EXPECT_EQ(last.text, QStringLiteral("bad"));
    EXPECT_FALSE(notifier.busy());
}

TEST_F(ErrLogTest, MonthRollOverStartsANewFileAndAppends) {
    Clock::setFixed(QDateTime(QDate(2024, 3, 31), QTime(23, 59, 59)));
    gfERR_LOG(DbError{}, QString(), QStringLiteral("a"));
    gfERR_LOG(DbError{}, QString(), QStringLiteral("b"));
    Clock::setFixed(QDateTime(QDate(2024, 4, 1), QTime(0, 0, 0)));
    gfERR_LOG(DbError{}, QString(), QStringLiteral("c"));
    EXPECT_EQ(readFile(QStringLiteral("202403.err")),
              QStringLiteral("ERR LOCATION : a / \r\n\r\n\r\nERR LOCATION : b / \r\n\r\n\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("202404.err")),
              QStringLiteral("ERR LOCATION : c / \r\n\r\n\r\n"));
}

TEST_F(ErrLogTest, ClosesSharedResultAndOffersReconnectWhenClosed) {
    gRs.open(Recordset(QStringList{QStringLiteral("a")}));
    notifier.answerRetry = false;
    gfERR_LOG({1, QStringLiteral("x")}, QString(), QStringLiteral("loc"));
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_EQ(notifier.retryQuestions, 1);
    EXPECT_EQ(notifier.shown.first().text,
              QStringLiteral("데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?"));
}

TEST_F(ErrLogTest, UnwritableLogFolderLosesTheRecordQuietly) {
    QFile blocker(path(QStringLiteral("notafolder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    AppPaths::setProgramFolder(path(QStringLiteral("notafolder")));
    gfERR_LOG({1, QStringLiteral("x")}, QStringLiteral("x"), QStringLiteral("loc"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("notafolder/202403.err"))));
    EXPECT_EQ(notifier.shown.last().text, QStringLiteral("x"));
}

TEST(SqlStrTest, QuotesDoubledNullEmpty) {
    EXPECT_EQ(gfSQL_STR(QStringLiteral("O'Neil")), QStringLiteral("O''Neil"));
    EXPECT_EQ(gfSQL_STR(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_EQ(gfSQL_STR(QVariant()), QString());
    EXPECT_EQ(gfSQL_STR(12), QStringLiteral("12"));
    EXPECT_EQ(gfSQL_STR(QStringLiteral("")), QString());
}
