#include "boards/frm_s_report_suju_chulha.h"
#include "boards/monthlyreportsql.h"
#include "core/modbas.h"
#include "core/platform/clock.h"
#include "tests/support/testenv.h"
#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/modfnwidgets.h"
#include "ui/common/spreadview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

#include <map>

namespace {

// February 2024 (29 days) for injection "0001": P1 is planned on two machines of the
// process (counted once), P2 belongs to assembly. Runs on the 3rd and the 29th, one of
// assembly on the 3rd, one in January and one in March. Downtime: 10 minutes of S1 in the
// month, 5 of S1 on 1 March, and 7 in the month of the January run S5.
const QString kData = QStringLiteral(
    "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
    "('EQ1', '0001', 'P1');\n"
    "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
    "('EQ3', '0001', 'P1');\n"
    "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
    "('EQ2', '0002', 'P2');\n"
    "INSERT INTO S_PRODUCTIONPLAN_MONTH (product_code, productionplan_month, day_3, day_29) "
    "VALUES ('P1', '2024-02', 100, 40);\n"
    "INSERT INTO S_PRODUCTIONPLAN_MONTH (product_code, productionplan_month, day_3) "
    "VALUES ('P2', '2024-02', 999);\n"
    "INSERT INTO S_PRODUCTIONPLAN_MONTH (product_code, productionplan_month, day_3) "
    "VALUES ('P1', '2024-03', 7);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, process_code, product_code, qty, bad_qty, min, "
    "jakup_date, employee_su) VALUES ('S1', '0001', 'P1', 90, 10, 100, '2024-02-03', 2);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, process_code, product_code, qty, bad_qty, min, "
    "jakup_date, employee_su) VALUES ('S2', '0001', 'P1', 45, 5, 50, '2024-02-03', 1);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, process_code, product_code, qty, bad_qty, min, "
    "jakup_date, employee_su) VALUES ('S3', '0001', 'P1', 20, NULL, 60, '2024-02-29', 3);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, process_code, product_code, qty, bad_qty, min, "
    "jakup_date, employee_su) VALUES ('S4', '0002', 'P2', 500, 0, 80, '2024-02-03', 9);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, process_code, product_code, qty, bad_qty, min, "
    "jakup_date, employee_su) VALUES ('S5', '0001', 'P1', 70, 0, 40, '2024-01-31', 1);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, process_code, product_code, qty, bad_qty, min, "
    "jakup_date, employee_su) VALUES ('S6', '0001', 'P1', 80, 0, 40, '2024-03-01', 1);\n"
    "INSERT INTO P_BIGADONG (op_seq_sub, biga_date, min) VALUES ('S1', '2024-02-03', 10);\n"
    "INSERT INTO P_BIGADONG (op_seq_sub, biga_date, min) VALUES ('S1', '2024-03-01', 5);\n"
    "INSERT INTO P_BIGADONG (op_seq_sub, biga_date, min) VALUES ('S5', '2024-02-01', 7);\n");

class MonthlyReportTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        createPlantDatabase(QStringLiteral("plant"), kData);
        gsUSER_ID = masterCode();
    }

    // Runs the report for a day's month and process item on a fresh screen.
    void report(frm_S_Report_Suju_Chulha& s, QDate day, const QString& process) {
        s.dtpReg_date->setDate(day);
        s.cboProcess->setCurrentText(process);
        s.btnFind->click();
    }
};

using Days = std::map<int, double>; // day -> value; days not listed are 0

struct Row {
    const char* name;
    Days days;
    double total;
};

void expectRows(clsSpread* g, int dayCount, const std::vector<Row>& rows) {
    ASSERT_EQ(g->MaxRows(), int(rows.size()));
    for (int r = 1; r <= int(rows.size()); ++r) {
        const Row& x = rows[std::size_t(r - 1)];
        EXPECT_EQ(g->TextWithColID(QStringLiteral("순번"), r), QString::number(r));
        EXPECT_EQ(g->TextWithColID(QStringLiteral("구분"), r), QString::fromUtf8(x.name));
        for (int d = 1; d <= dayCount; ++d) {
            const double want = x.days.count(d) ? x.days.at(d) : 0.0;
            EXPECT_NEAR(g->ValueWithColID(QStringLiteral("day_%1").arg(d), r).toDouble(), want,
                        1e-9)
                << x.name << " day " << d;
        }
        EXPECT_NEAR(g->ValueWithColID(QStringLiteral("합계"), r).toDouble(), x.total, 1e-9)
            << x.name;
    }
}

} // namespace

TEST(MonthlyReportSqlTest, MonthValues) {
    struct Case {
        QDate day;
        const char* first;
        const char* last;
        int days;
        const char* key;
    };
    const Case cases[] = {
        {QDate(2024, 2, 17), "2024-02-01", "2024-02-29", 29, "2024-02"},
        {QDate(2023, 2, 28), "2023-02-01", "2023-02-28", 28, "2023-02"},
        {QDate(2024, 4, 30), "2024-04-01", "2024-04-30", 30, "2024-04"},
        {QDate(2024, 12, 1), "2024-12-01", "2024-12-31", 31, "2024-12"},
    };
    for (const Case& c : cases) {
        const MonthlyReportSql::Month m = MonthlyReportSql::monthOf(c.day);
        EXPECT_EQ(m.first, QString::fromLatin1(c.first));
        EXPECT_EQ(m.last, QString::fromLatin1(c.last));
        EXPECT_EQ(m.days, c.days);
        EXPECT_EQ(m.key, QString::fromLatin1(c.key));
        EXPECT_EQ(m.day(m.days), m.last);
    }
    EXPECT_EQ(MonthlyReportSql::processCode(QStringLiteral("사출")), QStringLiteral("0001"));
    EXPECT_EQ(MonthlyReportSql::processCode(QStringLiteral("조립")), QStringLiteral("0002"));
}

TEST(MonthlyReportSqlTest, PivotListsCoverEveryDayBetweenTheTwoDummies) {
    const QString sql = MonthlyReportSql::statement(QDate(2024, 2, 10), QStringLiteral("0001"));
    EXPECT_TRUE(sql.startsWith(QStringLiteral("\nSELECT\n    '1' as [순번]\n   ,'생산계획량'")));
    EXPECT_EQ(sql.count(QStringLiteral("\nUnion All\n")), 7);
    QString days;
    for (int d = 1; d <= 29; ++d)
        days += QStringLiteral("\n[2024-02-%1],").arg(d, 2, 10, QLatin1Char('0'));
    // Row 2 with PIVOT, rows 3 to 8 with Pivot, each list from [1] to [2].
    EXPECT_EQ(
        sql.count(QStringLiteral("FOR jakup_date IN([1],") + days + QStringLiteral("\n[2]))")), 7);
    EXPECT_EQ(sql.count(QStringLiteral("\nPIVOT\n")), 1);
    EXPECT_EQ(sql.count(QStringLiteral("\nPivot\n")), 6);
    EXPECT_EQ(sql.count(QStringLiteral("\n    GROUP BY P_SM.Jakup_Date\n")), 3);
    EXPECT_FALSE(sql.contains(QStringLiteral("day_30")));
    EXPECT_TRUE(sql.contains(
        QStringLiteral("\n    FROM P_SangSan_Master P_SM\n    LEFT JOIN (\n            SELECT\n")));
    EXPECT_TRUE(sql.contains(
        QStringLiteral("            WHERE Biga_Date between '2024-02-01' and '2024-02-29'\n")));
}

// The table SQL Server gives for the fixture: day 3 is S1 + S2 (S4 is assembly), day 29 is
// S3; only S1's downtime of the month counts.
TEST_F(MonthlyReportTest, LeapFebruaryGivesTheDayTable) {
    frm_S_Report_Suju_Chulha s;
    report(s, QDate(2024, 2, 10), QStringLiteral("사출"));
    clsSpread* g = s.spread();
    EXPECT_EQ(g->MaxCols(), 32);
    EXPECT_EQ(g->GetText(3, -1000), QStringLiteral("1일 "));
    EXPECT_EQ(g->GetColID(31), QStringLiteral("day_29"));
    const double operating3 = (150.0 - 10) / 150 * 100;
    expectRows(g, 29,
               {{"생산계획량", {{3, 100}, {29, 40}}, 140},
                {"생산수량", {{3, 150}, {29, 20}}, 170},
                {"양품수량", {{3, 135}, {29, 20}}, 155},
                {"불량수량", {{3, 15}}, 15},
                {"가동율", {{3, operating3}, {29, 100}}, (210.0 - 10) / 210 * 100},
                {"불량율", {{3, 10}}, 15.0 / 170 * 100},
                {"작업효율", {{3, 90}, {29, 100}}, 155.0 / 170 * 100},
                {"투입인원", {{3, 3}, {29, 3}}, 6}});

    ASSERT_EQ(s.cc1->seriesCount(), 3);
    ASSERT_EQ(s.cc1->pointCount(), 30);
    EXPECT_EQ(s.cc1->pointLabel(0), QStringLiteral("1일"));
    EXPECT_EQ(s.cc1->pointLabel(29), QStringLiteral("평균"));
    EXPECT_EQ(s.cc1->seriesName(1), QStringLiteral("불량율"));
    EXPECT_EQ(s.cc1->seriesColor(0), QColor(0, 200, 0));
    EXPECT_NEAR(s.cc1->value(0, 2).value_or(-1), operating3, 1e-9);
    EXPECT_EQ(s.cc1->value(1, 0), 0.0); // a day without production is drawn at 0
    EXPECT_NEAR(s.cc1->value(2, 29).value_or(-1), 155.0 / 170 * 100, 1e-9);
    EXPECT_EQ(s.cc1->topTitle(), QStringLiteral("사출현황"));
}

// Months without plan or production still give all eight rows, with rates 0 and no division
// by zero; a month whose runs had no downtime runs at 100 percent.
TEST_F(MonthlyReportTest, EmptyMonthsGiveZerosAndRatesWithoutDowntime) {
    frm_S_Report_Suju_Chulha s;
    report(s, QDate(2024, 4, 2), QStringLiteral("사출"));
    EXPECT_EQ(s.spread()->MaxCols(), 33);
    expectRows(s.spread(), 30,
               {{"생산계획량", {}, 0},
                {"생산수량", {}, 0},
                {"양품수량", {}, 0},
                {"불량수량", {}, 0},
                {"가동율", {}, 0},
                {"불량율", {}, 0},
                {"작업효율", {}, 0},
                {"투입인원", {}, 0}});
    EXPECT_EQ(s.cc1->pointCount(), 31);

    report(s, QDate(2024, 2, 1), QStringLiteral("조립"));
    expectRows(s.spread(), 29,
               {{"생산계획량", {{3, 999}}, 999},
                {"생산수량", {{3, 500}}, 500},
                {"양품수량", {{3, 500}}, 500},
                {"불량수량", {}, 0},
                {"가동율", {{3, 100}}, 100},
                {"불량율", {}, 0},
                {"작업효율", {{3, 100}}, 100},
                {"투입인원", {{3, 9}}, 9}});
}

TEST_F(MonthlyReportTest, FailedStatementLeavesTheGridEmpty) {
    frm_S_Report_Suju_Chulha s;
    execNative(dbFile(), QStringLiteral("DROP TABLE P_BIGADONG"));
    report(s, QDate(2024, 2, 10), QStringLiteral("사출"));
    EXPECT_EQ(s.spread()->MaxRows(), 0);
    EXPECT_EQ(s.cc1->shownSeriesCount(), 0);
}

TEST_F(MonthlyReportTest, OpensOnTodayAndCtrlKeysClickOnlyEnabledButtons) {
    frm_S_Report_Suju_Chulha s;
    EXPECT_EQ(s.windowTitle(), QStringLiteral("사출실적현황"));
    EXPECT_EQ(s.dtpReg_date->date(), Clock::today());
    EXPECT_EQ(s.cboProcess->currentText(), QStringLiteral("사출"));
    EXPECT_EQ(s.spread()->MaxCols(), 34); // March: 31 days
    for (QPushButton* b :
         {s.btnCopy, s.btnRowAdd, s.btnCancel, s.btnDelete, s.btnSave, s.btnExcel, s.btnPrint})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    ASSERT_TRUE(s.btnFind->isEnabled());

    s.dtpReg_date->setDate(QDate(2024, 2, 3));
    QTest::keyClick(&s, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(s.spread()->MaxRows(), 8);
    // Changing the month drops the rows and lays the grid out again.
    s.dtpReg_date->setDate(QDate(2023, 2, 3));
    EXPECT_EQ(s.spread()->MaxRows(), 0);
    EXPECT_EQ(s.spread()->MaxCols(), 31);
    // Ctrl+R reopens the screen on today's month.
    s.cboProcess->setCurrentIndex(1);
    QTest::keyClick(&s, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(s.dtpReg_date->date(), Clock::today());
    EXPECT_EQ(s.cboProcess->currentIndex(), 0);

    // Without rights the find button is off, and so is its key.
    gsUSER_ID = QStringLiteral("E99");
    frm_S_Report_Suju_Chulha locked;
    EXPECT_FALSE(locked.btnFind->isEnabled());
    locked.dtpReg_date->setDate(QDate(2024, 2, 3));
    QTest::keyClick(&locked, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(locked.spread()->MaxRows(), 0);
}

TEST_F(MonthlyReportTest, EveryPickerMonthAndProcessGivesTheEightRowsWithoutAFailure) {
    // The picker's whole range, from its first to its last month, for both processes: the
    // month's bounds and pivot days are spliced as quoted dates, never failing a statement.
    frm_S_Report_Suju_Chulha s;
    const QDate days[] = {s.dtpReg_date->minimumDate(), QDate(2024, 2, 29),
                          s.dtpReg_date->maximumDate()};
    for (const QDate& day : days) {
        for (const QString& process : {QStringLiteral("사출"), QStringLiteral("조립")}) {
            SCOPED_TRACE(day.toString(Qt::ISODate).toStdString() + " " + process.toStdString());
            report(s, day, process);
            EXPECT_EQ(s.dtpReg_date->date(), day);
            EXPECT_EQ(s.spread()->MaxRows(), 8);
            EXPECT_EQ(s.spread()->MaxCols(), MonthlyReportSql::monthOf(day).days + 3);
        }
    }
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
}
