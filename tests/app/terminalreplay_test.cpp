// The real program in the terminal role on the terminal scripts of tests/scripts, at a set
// clock, on a fresh database from the plant schema and the terminal fixture; the rows the
// scripts wrote are read back afterwards.
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/programtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr auto kClock = "2024-03-05 09:30:00";

QString script(const char* name) {
    return QStringLiteral(MES_REPLAY_SCRIPTS "/") + QString::fromUtf8(name);
}

class TerminalReplayTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        QFile f(script("terminal.sql"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        fixture = QString::fromUtf8(f.readAll());
        installProgram(QStringLiteral(MES_PROGRAM), fixture);
    }

    ProgramRun replay(const char* name, const QString& role) {
        return run({role, QStringLiteral("--replay"), script(name), QStringLiteral("--clock"),
                    QString::fromLatin1(kClock)});
    }

    // Reads the program's database after the run.
    static QString value(const QString& sql) {
        if (gConClosed() && !gfDB_OPEN())
            return QStringLiteral("<no connection>");
        return gfGET_VALUE(sql, QString()).toString();
    }

    QString fixture;
};
} // namespace

TEST_F(TerminalReplayTest, ListScriptStartsRegistersAndCancels) {
    const ProgramRun r = replay("terminal_list.replay", QStringLiteral("--terminal"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_TRUE(
        r.out.contains(QStringLiteral("message\tmessageBox\t알림\t김작업님 확인되었습니다.")))
        << r.out.toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT op_seq_sub + '|' + equipment_code + '|' + user_id FROM "
                                   "P_SANGSAN_MASTER WHERE seq = '20240305002001'")),
              QStringLiteral("20240305001001|E2|2001"));
    EXPECT_EQ(value(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = "
                                   "'20240305002001'")),
              QStringLiteral("2"));
    EXPECT_EQ(value(QStringLiteral("SELECT equipment_code + '|' + product_code + '|' + end_yn + "
                                   "'|' + CAST(order_qty AS varchar) FROM B_JAKUPJISI_MASTER WHERE "
                                   "prod_no = '20240305003'")),
              QStringLiteral("E2|A|1|120"));
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE prod_no = "
                                   "'20240305001'")),
              QStringLiteral("0"));
}

TEST_F(TerminalReplayTest, ReportScriptCountsAndChangesCrewAndWorker) {
    ASSERT_TRUE(gfDB_OPEN());
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO B_EMPLOYEE (employee_no, employee_name, "
                                          "pwd) VALUES ('2002', N'이작업', '2222')"),
                           QString()));
    const ProgramRun r = replay("terminal_report.replay", QStringLiteral("--terminal"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_EQ(
        value(QStringLiteral("SELECT employee_no + '|' + CAST(employee_su AS varchar) + '|' + "
                             "CAST(qty AS varchar) FROM P_SANGSAN_MASTER WHERE seq = "
                             "'20240305002001'")),
        QStringLiteral("2002|3|0"));
    // The other runs keep their worker and crew.
    EXPECT_EQ(
        value(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER WHERE seq <> "
                             "'20240305002001' AND (employee_no <> '2001' OR employee_su <> 1)")),
        QStringLiteral("0"));
}

TEST_F(TerminalReplayTest, SiteScriptLogsInOnTheChosenSite) {
    createPlantDatabase(QStringLiteral("MES_ORV"),
                        fixture + QStringLiteral("\nUPDATE B_PROCESS SET process_name = N'본사 "
                                                 "프레스' WHERE process_code = 'P10';\n"));
    const ProgramRun r = replay("terminal_site.replay", QStringLiteral("--site"));
    EXPECT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
}

TEST_F(TerminalReplayTest, LotsScriptSplitsScansAndAsksBeforeAYoungerLot) {
    ASSERT_TRUE(gfDB_OPEN());
    ASSERT_TRUE(gfEXEC_SQLS(
        {QStringLiteral("INSERT INTO B_ABC (abc, abc_gubun) VALUES ('R', N'자재')"),
         QStringLiteral("INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, "
                        "car_code, type, unit_code, abc) VALUES ('M1', 'PN-M1', N'강판', 'C1', "
                        "N'원자재', 'KG', 'R')"),
         QStringLiteral("INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
                        "('BA', NULL, 'A', 1)"),
         QStringLiteral("INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
                        "('BA-1', 'BA', 'M1', 2)"),
         QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, "
                        "reg_date) VALUES ('M1', 'L1', 150, 0, '2024-03-01')"),
         QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, "
                        "reg_date) VALUES ('M1', 'L2', 100, 0, '2024-03-02')"),
         QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, "
                        "reg_date) VALUES ('M1', 'L3', 40, 0, '2024-03-03')")},
        QString()));
    const ProgramRun r = replay("terminal_lots.replay", QStringLiteral("--terminal"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("message\tmessageBox\t입력오류\tLOT NO (L1) 가 먼저 "
                                              "투입 되어야 합니다.")))
        << r.out.toStdString();
}

TEST_F(TerminalReplayTest, AnUnwritableErrorLogNeverStopsTheWorker) {
    const QString log = path(QStringLiteral("202403.err"));
    ASSERT_TRUE(QDir().mkpath(log));
    execNative(dbFile(), QStringLiteral("CREATE TRIGGER refuse_start BEFORE INSERT ON "
                                        "P_SANGSAN_MASTER WHEN NEW.seq = '20240305002001' "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    const ProgramRun r = replay("terminal_errlog.replay", QStringLiteral("--terminal"));
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_TRUE(QFileInfo(log).isDir()) << "the log's place stays as it was";
    EXPECT_EQ(value(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = "
                                   "'20240305002001'")),
              QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE jisi_date = "
                                   "'2024-03-05'")),
              QStringLiteral("3"));
}
