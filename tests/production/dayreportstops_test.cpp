// The downtime and defect actions on the report screen: the stop buttons and their states,
// the entry screens opened with the job's fields, and the screen's follow-up after the
// defect entry.
#include "tests/production/productionfixture.h"

#include "core/moddb.h"
#include "core/platform/clock.h"
#include "production/frm_s_badqty.h"
#include "production/frm_s_bigadong2.h"
#include "production/frm_s_dayreport.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QTest>

#include <memory>

namespace {
// Run R1 of line S1 on EQ1 in P10: 100 good so far; D01 and D02 are its process's defects.
const QString kRows = QStringLiteral(
    "INSERT INTO REAL_TIME (equipment_code, bigadong) VALUES ('EQ1', 'FALSE');\n"
    "INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B01', N'금형교체');\n"
    "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D01', N'버'), "
    "('D02', N'미성형');\n"
    "INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P10', 'D01'), "
    "('P10', 'D02');\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, seq, qty, bad_qty) VALUES ('R1', 'S1', 100, 0);");

class DayReportStopsTest : public ProductionFixture {
protected:
    void SetUp() override {
        ProductionFixture::SetUp();
        open(kRows);
        report = std::make_unique<frm_S_dayReport>();
        report->lblOp_seq_sub->setText(QStringLiteral("R1"));
        report->lbl_jakupjisi_num->setText(QStringLiteral("S1"));
        report->lblJakupdate->setText(QStringLiteral("2024-03-05"));
        report->lblEquipment_code->setText(QStringLiteral("EQ1"));
        report->lblWC_code->setText(QStringLiteral("P10"));
        report->lblProduct_code->setText(QStringLiteral("A-100"));
        report->lblJakupsu->setText(QStringLiteral("3"));
        report->lblStDate->setText(QStringLiteral("2024-03-05"));
        report->lblStTime->setText(QStringLiteral("08:00"));
        report->lblOk_Cnt->setText(QStringLiteral("100"));
        report->lblBad_Cnt->setText(QStringLiteral("0"));
        report->lblJakup_Cnt->setText(QStringLiteral("100"));
        report->show();
    }
    void TearDown() override {
        report.reset();
        ProductionFixture::TearDown();
    }
    QString states() const {
        return QString(QLatin1Char(report->btnStop->isEnabled() ? 'S' : '-')) +
               QLatin1Char(report->btnRun->isEnabled() ? 'R' : '-');
    }
    // The three quantities: good, defective, production.
    QString counts() const {
        return report->lblOk_Cnt->text() + QLatin1Char('|') + report->lblBad_Cnt->text() +
               QLatin1Char('|') + report->lblJakup_Cnt->text();
    }

    std::unique_ptr<frm_S_dayReport> report;
};
} // namespace

TEST_F(DayReportStopsTest, StopAndRunSwitchTheButtonsAndTheMachinesState) {
    EXPECT_EQ(states(), QStringLiteral("SR"));
    report->btnStop->click();
    EXPECT_EQ(states(), QStringLiteral("-R"));
    EXPECT_EQ(q(QStringLiteral("SELECT op_seq_sub, equipment_code, biga_date, sdate, stime FROM "
                               "P_BIGADONG WHERE etime IS NULL")),
              QStringLiteral("R1|EQ1|2024-03-05|2024-03-05|10:00"));
    EXPECT_EQ(q(QStringLiteral("SELECT bigadong FROM REAL_TIME")), QStringLiteral("TRUE"));
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 25)));
    report->btnRun->click();
    EXPECT_EQ(states(), QStringLiteral("S-"));
    EXPECT_EQ(q(QStringLiteral("SELECT etime, min FROM P_BIGADONG")), QStringLiteral("10:25|25"));
    EXPECT_EQ(q(QStringLiteral("SELECT bigadong FROM REAL_TIME")), QStringLiteral("FALSE"));
    // Without a job a stop does nothing; the state stays for the next job.
    report->lblOp_seq_sub->clear();
    report->btnStop->click();
    EXPECT_EQ(states(), QStringLiteral("S-"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_BIGADONG")), QStringLiteral("1"));
    EXPECT_TRUE(screensShown.isEmpty());
}

TEST_F(DayReportStopsTest, DowntimeEntryOpensWithTheJobsFields) {
    QStringList fields;
    onScreen = [&fields](QDialog& d) {
        auto* e = qobject_cast<frm_S_bigadong2*>(&d);
        ASSERT_NE(e, nullptr);
        for (QLabel* l : {e->lblProduct_code, e->lblOp_seq_sub, e->lblprocess_code,
                          e->lblEquipment_code, e->lblEmployee_su})
            fields << l->text();
        e->grid()->ValueWithColID(QStringLiteral("분"), 1, 15);
        e->cmdSave->click();
    };
    report->btnBigadong->click();
    EXPECT_EQ(screensShown, QStringList{QStringLiteral("frm_S_bigadong2")});
    EXPECT_EQ(fields.join(QLatin1Char('|')), QStringLiteral("A-100|R1|P10|EQ1|3"));
    EXPECT_EQ(q(QStringLiteral("SELECT bigadong_code, min, employee_su FROM P_BIGADONG")),
              QStringLiteral("B01|15|3"));
    EXPECT_EQ(counts(), QStringLiteral("100|0|100"));
    report->lblOp_seq_sub->clear();
    report->btnBigadong->click();
    EXPECT_EQ(screensShown.size(), 1);
}

TEST_F(DayReportStopsTest, DefectsSavedTurnGoodPiecesIntoDefectiveOnes) {
    // A-100 takes 2 of M1 a piece; lot L1 holds 1000.
    ASSERT_TRUE(gfEXEC_SQLS(
        {QStringLiteral("INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5')"),
         QStringLiteral("INSERT INTO B_PRODUCT_MASTER (product_code, car_code) VALUES ('A-100', "
                        "'C1'), ('M1', 'C1')"),
         QStringLiteral("INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
                        "('BA', NULL, 'A-100', 1), ('BA-1', 'BA', 'M1', 2)"),
         QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, "
                        "jego_su, reg_date) VALUES ('M1', 'L1', 1000, 0, 1000, '2024-03-01')")},
        QStringLiteral("test")));
    report->setAutoInput(false);
    onScreen = [](QDialog& d) {
        auto* e = qobject_cast<frm_S_badqty*>(&d);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->lblBad_Cnt->text(), QStringLiteral("0"));
        e->grid()->ValueWithColID(QStringLiteral("수량"), 1, 2);
        e->grid()->ValueWithColID(QStringLiteral("수량"), 2, 1);
        e->cmdSave->click();
    };
    QTest::mouseClick(report->lblBad_Cnt, Qt::LeftButton);
    EXPECT_EQ(screensShown, QStringList{QStringLiteral("frm_S_badqty")});
    EXPECT_TRUE(report->autoInput());
    EXPECT_EQ(counts(), QStringLiteral("97|3|100"));
    EXPECT_EQ(report->lbl_badcnt2->text(), QStringLiteral("3"));
    EXPECT_EQ(q(QStringLiteral("SELECT bad_qty FROM P_SANGSAN_MASTER")), QStringLiteral("3"));
    // The material for the 100 pieces made, not for 103.
    clsSpread* lots = report->lotSpread();
    ASSERT_EQ(lots->MaxRows(), 1);
    EXPECT_EQ(lots->TextWithColID(QStringLiteral("LOT NO"), 1), QStringLiteral("L1"));
    EXPECT_EQ(lots->TextWithColID(QStringLiteral("투입수량"), 1), QStringLiteral("200"));
    // The next tick keeps the counts.
    report->Timer1_Timer();
    EXPECT_EQ(counts(), QStringLiteral("97|3|100"));
}

TEST_F(DayReportStopsTest, DefectEntryClosedUnsavedStillFollowsUp) {
    report->setAutoInput(false);
    report->lblOk_Cnt->setText(QStringLiteral("90"));
    onScreen = [](QDialog& d) { static_cast<frm_S_badqty&>(d).Command14->click(); };
    QTest::mouseClick(report->lblBad_Cnt, Qt::LeftButton);
    EXPECT_EQ(screensShown, QStringList{QStringLiteral("frm_S_badqty")});
    EXPECT_TRUE(report->autoInput());
    EXPECT_EQ(counts(), QStringLiteral("90|0|90"));
    EXPECT_EQ(report->lbl_okcnt2->text(), QStringLiteral("100"));
    // Without a job the touch does nothing.
    report->lblOp_seq_sub->clear();
    QTest::mouseClick(report->lblBad_Cnt, Qt::LeftButton);
    EXPECT_EQ(screensShown.size(), 1);
}
