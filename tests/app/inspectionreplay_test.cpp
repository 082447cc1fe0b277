// The real program in the terminal role on the inspection script of tests/scripts, on a
// fresh demo plant of the script's day; the sheet's rows are read back with mes-sql.
#include "db/demoplant.h"
#include "tests/support/programtest.h"

#include <QFile>
#include <QProcess>

namespace {
QString scriptFile(const char* name) {
    return QStringLiteral(MES_REPLAY_SCRIPTS "/") + QString::fromUtf8(name);
}

class InspectionReplayTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        installProgram(QStringLiteral(MES_PROGRAM),
                       DemoPlant::sql(QDate(2024, 3, 5), QStringLiteral(MES_DEMO_PICTURES)));
    }

    // The rows of a check, read with the mes-sql tool: cells joined by '|', rows by ';'.
    QString rows(const QString& sql) { return mesSqlRows(QStringLiteral(MES_SQL_TOOL), sql); }
};
} // namespace

TEST_F(InspectionReplayTest, TheRunningJobsSheetWithAFailingReadingIsSaved) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_inspection.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 10:00:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    // The picture was there: no connection error was shown.
    EXPECT_FALSE(r.out.contains(QStringLiteral("연결오류"))) << r.out.toStdString();
    // The third new sheet of the day, failed, complete, by the quality inspector; the
    // inspected quantity is the order's 400 with no good or defective pieces yet.
    EXPECT_EQ(rows(QStringLiteral(
                  "SELECT process_num, process_test_num, process_juya, process_test_result, "
                  "process_test_check, process_test_su, process_pass_su, "
                  "process_bad_su, "
                  "process_tester_id, process_test_date, user_id FROM Q_CHOJUNGJONGTEST_RESULT "
                  "WHERE seq = '20240305002001'")),
              QStringLiteral("20240305003|QS-FG03-01|1|0|1|400|0|400|3001|2024-03-05|2002"));
    EXPECT_EQ(rows(QStringLiteral("SELECT process_test_num_sub, x1, x2, x3, "
                                  "process_test_result_sub, process_num FROM "
                                  "Q_CHOJUNGJONGTEST_RESULT_SUB WHERE seq = '20240305002001' "
                                  "ORDER BY process_test_num_sub")),
              QStringLiteral("QS-FG03-01-01|45.02|44.98|45.3|불합격|20240305003;"
                             "QS-FG03-01-02|0.05|0.05|0.05|합격|20240305003;"
                             "QS-FG03-01-03|OK|OK|OK|합격|20240305003"));
}

TEST_F(InspectionReplayTest, TheRunningJobsMouldSheetIsSavedAfterARefusedText) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_mould.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 10:00:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    // One row of the line and day; the fields left empty are NULL.
    EXPECT_EQ(
        rows(QStringLiteral(
            "SELECT op_seq_sub, product_code, test_date, cylinder1, "
            "cylinder2, CASE WHEN cylinder3 IS NULL THEN 'NULL' END, "
            "time_s_ju, CASE WHEN gadong_ya3 IS NULL THEN 'NULL' END FROM Q_MOLDTEST_RESULT WHERE "
            "op_seq_sub = '20240305002001'")),
        QStringLiteral("20240305002001|FG03|2024-03-05|215|220|NULL|3.5|NULL"));
}
