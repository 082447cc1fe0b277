// The report screen: its statements, how the opener loads a job, the machine buttons, the
// clock with the elapsed minutes, counting, progress, the mould shot check, navigation.
#include "core/platform/clock.h"
#include "production/dayreportrules.h"
#include "production/dayreportsql.h"
#include "production/inspectionopener.h"
#include "tests/production/reportfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/buttoncolor.h"
#include "workorders/clickablelabel.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QPushButton>
#include <QTimer>

namespace {
QStringList lines(const QString& sql) {
    return sql.split(QLatin1Char('\n'));
}

QColor background(const QLabel* l) {
    return l->palette().color(QPalette::Window);
}

QStringList shownMachines(const frm_S_dayReport& r) {
    QStringList names;
    for (const QPushButton* b : r.btnEquipment)
        if (!b->isHidden())
            names << b->text() + QLatin1Char('=') + b->property("Tag").toString();
    return names;
}
} // namespace

TEST(DayReportSqlTest, JobStatementLineByLine) {
    const QStringList expected = {
        QString(),
        QStringLiteral("SELECT"),
        QStringLiteral("    Top 1"),
        QStringLiteral("    B_JAK.seq  AS [작업지시번호],"),
        QStringLiteral("     B_JAK.jisi_date  AS [지시일자],"),
        QStringLiteral("    P_SAN.op_seq_sub  AS [생산실적번호],"),
        QStringLiteral("    case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' then "
                       "'주간'"),
        QStringLiteral("        when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then "
                       "'야간'"),
        QStringLiteral("        when B_JAK.juya_gubun is  null then '주간' end  as [주야구분],"),
        QStringLiteral("    B_PR.process_code As [공정코드],"),
        QStringLiteral("    B_PR.process_name As [공정명],"),
        QStringLiteral("    P_SAN.equipment_code AS [설비코드],"),
        QStringLiteral("    B_JAK.PRODUCT_CODE as [제품코드],"),
        QStringLiteral("    B_C.car_code As [차종코드],"),
        QStringLiteral("    B_C.car_name As [차종명],"),
        QStringLiteral("    B_PM.PUMBUN as [품번],"),
        QStringLiteral("    B_PM.EONO as [Rev.No],"),
        QStringLiteral("    B_PM.PRODUCT_NAME as [품명],"),
        QStringLiteral("    B_PM.standard as [규격],"),
        QStringLiteral("    CASE WHEN B_JAK.ORDER_QTY - B_JAK.Qty >= 0 then B_JAK.ORDER_QTY - "
                       "B_JAK.Qty - B_JAK.bad_Qty else '0' end  as [지시수량],"),
        QStringLiteral("    ISNULL(P_SAN.QTY,0) as [양품수량],"),
        QStringLiteral("    ISNULL(P_SAN.bad_qty,0) as [불량수량],"),
        QStringLiteral("    P_SAN.EMPLOYEE_Su as [작업인원],"),
        QStringLiteral("    ISNULL(B_EM.employee_name,'') as [작업자],"),
        QStringLiteral("    P_SAN.EMPLOYEE_No AS [작업자사번],"),
        QStringLiteral("    P_SAN.sdate AS [시작일자],"),
        QStringLiteral("    P_SAN.stime AS [시작시간],"),
        QStringLiteral("    P_SAN.Edate AS [종료일자],"),
        QStringLiteral("    P_SAN.Etime AS [종료시간],"),
        QStringLiteral("    ISNULL(B_EMP1.employee_Name,'') as [작업자1],"),
        QStringLiteral("    '' as [작업자2],"),
        QStringLiteral("    '' as [작업자3],"),
        QStringLiteral("    B_PM.type as [제품구분],"),
        QStringLiteral("    B_PM.product_type_code as [제품유형코드],"),
        QStringLiteral("    P_SAN.employee_no as [작업자사번]"),
        QStringLiteral("FROM B_JAKUPJISI_MASTER B_JAK"),
        QStringLiteral("JOIN P_SangSan_Master P_SAN ON B_JAK.seq = P_SAN.Seq"),
        QStringLiteral("LEFT JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code"),
        QStringLiteral("Join B_CAR B_C On B_PM.car_code = B_C.car_code"),
        QStringLiteral("left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = P_SAN.EMPLOYEE_NO"),
        QStringLiteral("left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code"),
        QStringLiteral("left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code"),
        QStringLiteral("LEFT JOIN B_EMPLOYEE B_EMP1 on B_EMP1.employee_no = P_SAN.employee_no"),
        QStringLiteral("WHERE 1=1 -- AND B_JAK.jisi_date = '2024-03-05'"),
        QStringLiteral("AND B_JAK.END_YN = '2'"),
        QStringLiteral("AND P_SAN.equipment_code = 'E''1'"),
        QStringLiteral("AND P_SAN.op_seq_sub = '20240305001001'"),
        QStringLiteral("Order by P_SAN.idx desc"),
    };
    EXPECT_EQ(lines(DayReportSql::job(QStringLiteral("E'1"), QStringLiteral("20240305001001"),
                                      QStringLiteral("2024-03-05"))),
              expected);
}

TEST(DayReportSqlTest, SmallStatementsLineByLine) {
    const struct {
        QString sql;
        QStringList expected;
    } cases[] = {
        {DayReportSql::equipButtons(QStringLiteral("10.0.0.5"), QStringLiteral("2024-03-05")),
         {QString(),
          QStringLiteral("select distinct B_JAK.equipment_code as equipment_code, "
                         "B_eq.equipment_name as equipment_name"),
          QStringLiteral("from B_JAKUPJISI_MASTER B_JAK"),
          QStringLiteral("JOiN B_EQUIPMENT B_eq ON b_eq.equipment_code = B_JAK.equipment_code "),
          QStringLiteral("where b_eq.ipaddress = '10.0.0.5'"),
          QStringLiteral(" and ((B_JAK.jisi_date <> '2024-03-05' AND B_JAK.end_yn = '2') OR "
                         "B_JAK.jisi_date = '2024-03-05' AND B_JAK.end_yn = '2')"),
          QStringLiteral("Order by b_eq.equipment_name")}},
        {DayReportSql::processName(QStringLiteral("E1")),
         {QString(), QStringLiteral("SELECT B_PR.process_name"),
          QStringLiteral("FROM B_EQUIPMENT_time B_EQ"),
          QStringLiteral("JOIN B_PROCESS B_PR ON B_PR.process_code = B_EQ.process_code"),
          QStringLiteral("WHERE B_EQ.equipment_code = 'E1'")}},
        {DayReportSql::lineTotals(QStringLiteral("S1")),
         {QString(),
          QStringLiteral("SELECT ISNULL(sum(isnull(qty,0)),0) as qty, "
                         "ISNULL(sum(isnull(bad_qty,0)),0) as bad_qty"),
          QStringLiteral("FROM P_sangsan_master P_SM"), QStringLiteral("WHERE seq = 'S1'")}},
        {DayReportSql::mouldInterval(QStringLiteral("M1"), QStringLiteral("A")),
         {QString(), QStringLiteral("SELECT"), QStringLiteral("    B_M.mold_no as [금형번호],"),
          QStringLiteral("    B_MT.Test_Su as [점검타수],"),
          QStringLiteral("    ISNULL(B_MR.repair_date,'') as [수리날짜]"),
          QStringLiteral("FROM B_METALLIC B_M"),
          QStringLiteral(
              "JOIN B_METALLIC_TYPE B_MT on B_MT.Metallic_Type_Code = B_M.Metallic_Type_Code"),
          QStringLiteral("JOIN("), QStringLiteral("    SELECT"),
          QStringLiteral("        mold_no as mold_no,"),
          QStringLiteral("        MAX(repair_date) As repair_date"),
          QStringLiteral("    From B_METALLIC_REPAIR"), QStringLiteral("    WHERE mold_no = 'M1'"),
          QStringLiteral("    AND product_code = 'A'"), QStringLiteral("    GROUP BY mold_no"),
          QStringLiteral(")B_MR on B_M.mold_no = B_MR.mold_no")}},
        {DayReportSql::mouldShots(QStringLiteral("M1"), QStringLiteral("A"),
                                  QStringLiteral("2013-05-10")),
         {QString(), QStringLiteral("SELECT"), QStringLiteral("    mold_no as [금형번호],"),
          QStringLiteral("    SUM(ISNULL(Qty,0)) as [누적타수]"),
          QStringLiteral("FROM B_METALLIC_COUNT"), QStringLiteral("WHERE mold_no = 'M1'"),
          QStringLiteral("AND product_code = 'A'"),
          QStringLiteral("AND jakup_date > '2013-05-10' "), QStringLiteral("GROUP BY mold_no")}},
        {DayReportSql::mouldShots(QStringLiteral("M1"), QStringLiteral("A"), QString()),
         {QString(), QStringLiteral("SELECT"), QStringLiteral("    mold_no as [금형번호],"),
          QStringLiteral("    SUM(ISNULL(Qty,0)) as [누적타수]"),
          QStringLiteral("FROM B_METALLIC_COUNT"), QStringLiteral("WHERE mold_no = 'M1'"),
          QStringLiteral("AND product_code = 'A'"), QStringLiteral("GROUP BY mold_no")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(c.sql), c.expected);
}

TEST(DayReportRulesTest, MinutesAreMinuteBoundariesCrossed) {
    const auto at = [](int day, int h, int m, int s) {
        return QDateTime(QDate(2024, 3, day), QTime(h, m, s));
    };
    const struct {
        QDateTime from, to;
        qint64 minutes;
    } cases[] = {
        {at(5, 8, 0, 0), at(5, 17, 30, 0), 570}, {at(5, 8, 0, 59), at(5, 8, 1, 0), 1},
        {at(5, 8, 0, 0), at(5, 8, 0, 59), 0},    {at(5, 23, 50, 0), at(6, 0, 20, 0), 30},
        {at(5, 9, 0, 0), at(5, 8, 0, 0), -60},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayReportRules::minutesBetween(c.from, c.to), c.minutes)
            << c.from.toString().toStdString();
}

TEST(DayReportRulesTest, ProgressAndNumbers) {
    const struct {
        const char* remaining;
        const char* good;
        const char* progress;
    } cases[] = {{"0", "50", "0%"},   {"", "50", "0%"},     {"35", "", "0%"},   {"35", "7", "20%"},
                 {"35", "34", "97%"}, {"35", "70", "200%"}, {"3", "-1", "-33%"}};
    for (const auto& c : cases)
        EXPECT_EQ(
            DayReportRules::progress(QString::fromLatin1(c.remaining), QString::fromLatin1(c.good)),
            QString::fromLatin1(c.progress))
            << c.remaining << " " << c.good;
    // Quantities far beyond 16 bits and beyond 32 bits stay exact.
    EXPECT_EQ(DayReportRules::number(QStringLiteral("5000000000")), 5000000000LL);
    EXPECT_EQ(DayReportRules::number(QStringLiteral("12.9")), 12);
    EXPECT_FALSE(DayReportRules::number(QStringLiteral("12a")));
}

TEST_F(ReportTest, OpenerLoadsTheRunIntoTheFields) {
    createPlant();
    frm_S_dayReport* r = open();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    const std::pair<QLabel*, const char*> fields[] = {
        {r->lblJakupdate, "2024-03-05"},
        {r->lbl_juya, "주간"}, // juya_gubun NULL reads as the day shift
        {r->lblEmployee_name, "김작업"},
        {r->lblJakupsu, "2"},
        {r->lbl_jakupjisi_num, "20240305001001"},
        {r->lblseq, "20240305001001"},
        {r->lblOp_seq_sub, "20240305001001"},
        {r->lblWC_code, "P10"},
        {r->lblWC_name, "프레스 (프레스 1호기)"},
        {r->lblEquipment_code, "E1"},
        {r->lblProduct_code, "A"},
        {r->lblPumbun, "PN-A"},
        {r->lblProduct_name, "브라켓"},
        {r->lblCar_name, "K5"},
        {r->lblStandard, "ST-1"},
        {r->lblJisi_Cnt, "35"},
        {r->lblOk_Cnt, "50"},
        {r->lblOk_Cnt2, "50"},
        {r->lblBad_Cnt, "2"},
        {r->lblBad_Cnt2, "2"},
        {r->lblJakup_Cnt, "52"},
        {r->lblStDate, "2024-03-05"},
        {r->lblStTime, "08:00"},
        {r->lblEdTime, ""},
        {r->lblProduct_Gubun, "완제품"},
        {r->lblProduct_type_code, "T1"},
        {r->lblemployee_no, "W1"},
        {r->lblProcess_code, "P10"},
        {r->lbl_okcnt2, "60"}, // both runs of the line
        {r->lbl_badcnt2, "5"},
        {r->lblProgress, "142%"},
    };
    for (const auto& [label, text] : fields)
        EXPECT_EQ(label->text(), QString::fromUtf8(text)) << label->objectName().toStdString();
    EXPECT_EQ(r->lvSerchSQL, QStringLiteral("AND B_PR.process_code = 'P10'"));
    EXPECT_EQ(shownMachines(*r),
              (QStringList{QStringLiteral("프레스 1호기=E1"), QStringLiteral("프레스 2호기=E2")}));
    EXPECT_EQ(ButtonColor::of(r->btnEquipment[0]), ButtonColor::selected());
    EXPECT_EQ(ButtonColor::of(r->btnEquipment[1]), ButtonColor::unselected());
    EXPECT_EQ(ButtonColor::of(r->btnDayReport), ButtonColor::selected());
    EXPECT_TRUE(r->autoInput());
    EXPECT_EQ(r->Timer2->interval(), 5000);
    EXPECT_EQ(r->lampColour(), QColor(255, 0, 0));
    // One screen per program run: the next opening reloads the same one.
    EXPECT_EQ(open(QStringLiteral("E2"), QStringLiteral("20240304001001"), QString(),
                   QStringLiteral("20240304001001")),
              r);
    EXPECT_EQ(r->lbl_juya->text(), QStringLiteral("야간"));
    EXPECT_EQ(r->lblJisi_Cnt->text(), QStringLiteral("0")); // 120 done of 100
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(ReportTest, AnotherMachineClearsTheJob) {
    createPlant();
    frm_S_dayReport* r = open();
    r->btnConnect->click();
    QTest::mouseClick(r->btnEquipment[1], Qt::LeftButton);
    EXPECT_EQ(r->lvEquipment_code, QStringLiteral("E2"));
    EXPECT_EQ(ButtonColor::of(r->btnEquipment[1]), ButtonColor::selected());
    EXPECT_EQ(ButtonColor::of(r->btnEquipment[0]), ButtonColor::unselected());
    for (QLabel* l :
         {static_cast<QLabel*>(r->lblEmployee_name), r->lblOp_seq_sub, r->lblPumbun, r->lblStDate,
          static_cast<QLabel*>(r->lblStTime), r->lblMin, r->lblseq, r->lblProgress})
        EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
    for (QLabel* l : {r->lblJisi_Cnt, r->lblJakup_Cnt, static_cast<QLabel*>(r->lblOk_Cnt),
                      static_cast<QLabel*>(r->lblBad_Cnt), r->lbl_okcnt2, r->lbl_badcnt2})
        EXPECT_EQ(l->text(), QStringLiteral("0")) << l->objectName().toStdString();
    EXPECT_EQ(r->lblWC_name->text(), QStringLiteral("프레스 (프레스 2호기)"));
    EXPECT_FALSE(r->autoInput());
    // The lamp and the buttons keep what "연결하기" set.
    EXPECT_EQ(r->lampColour(), QColor(0, 0, 255));
    EXPECT_FALSE(r->btnConnect->isEnabled());
}

TEST_F(ReportTest, AFailedLoadKeepsTheJobShown) {
    createPlant();
    frm_S_dayReport* r = open();
    dbExec(QStringLiteral("DROP TABLE B_CAR"));
    r->lsQuery();
    EXPECT_FALSE(notifier.shown.isEmpty() && windows.isEmpty()); // the failure was reported
    EXPECT_EQ(r->lblOp_seq_sub->text(), QString::fromLatin1(kRun1));
    EXPECT_EQ(r->lblOk_Cnt->text(), QStringLiteral("50"));
    EXPECT_TRUE(r->autoInput());
}

TEST_F(ReportTest, NoRunningLinesNoMachineButtons) {
    createPlant(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET end_yn = '3' WHERE end_yn = '2';"));
    frm_S_dayReport* r = open();
    EXPECT_TRUE(shownMachines(*r).isEmpty());
    EXPECT_EQ(r->lblOp_seq_sub->text(), QString());
    EXPECT_EQ(r->lblWC_name->text(), QStringLiteral("프레스 ()"));
}

TEST_F(ReportTest, ElapsedMinutesUnderTheShiftRules) {
    createPlant();
    frm_S_dayReport* r = open();
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 59)));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblDate->text() + QLatin1Char(' ') + r->lblTime->text(),
              QStringLiteral("2024-03-05 10:00:59"));
    EXPECT_EQ(r->lblMin->text(), QStringLiteral("120분"));
    r->lblEdTime->setText(QStringLiteral("17:30"));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblMin->text(), QStringLiteral("570분"));
    // A night shift with an end time keeps the value last computed.
    r->lbl_juya->setText(QStringLiteral("야간"));
    r->lblEdTime->setText(QStringLiteral("02:00"));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblMin->text(), QStringLiteral("570분"));
    // Without a start date nothing after the clock runs.
    r->lblStDate->clear();
    r->lblMin->setText(QStringLiteral("x"));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblMin->text(), QStringLiteral("x"));
}

TEST_F(ReportTest, CounterRuleFollowsAutomaticInput) {
    createPlant();
    frm_S_dayReport* r = open();
    r->lblJakup_Cnt->setText(QStringLiteral("100"));
    r->lblBad_Cnt->setText(QStringLiteral("3"));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblOk_Cnt->text(), QStringLiteral("97"));
    EXPECT_EQ(r->lblJakup_Cnt->text(), QStringLiteral("100"));
    EXPECT_EQ(r->lblProgress->text(), QStringLiteral("277%"));
    r->btnDisconnect->click();
    r->lblOk_Cnt->setText(QStringLiteral("100"));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblJakup_Cnt->text(), QStringLiteral("103"));
    // Large counts do not wrap.
    r->lblOk_Cnt->setText(QStringLiteral("3000000000"));
    r->Timer1_Timer();
    EXPECT_EQ(r->lblJakup_Cnt->text(), QStringLiteral("3000000003"));
}

TEST_F(ReportTest, AutomaticInputButtonsAndLamp) {
    createPlant();
    frm_S_dayReport* r = open();
    EXPECT_TRUE(r->btnConnect->isEnabled());
    EXPECT_TRUE(r->btnDisconnect->isEnabled());
    const struct {
        QPushButton* button;
        bool autoInput;
        QColor lamp;
        bool connectEnabled;
        bool disconnectEnabled;
    } steps[] = {{r->btnDisconnect, false, QColor(255, 0, 0), true, false},
                 {r->btnConnect, true, QColor(0, 0, 255), false, true}};
    for (const auto& s : steps) {
        QTest::mouseClick(s.button, Qt::LeftButton);
        EXPECT_EQ(r->autoInput(), s.autoInput) << s.button->text().toStdString();
        EXPECT_EQ(r->lampColour(), s.lamp);
        EXPECT_EQ(r->btnConnect->isEnabled(), s.connectEnabled);
        EXPECT_EQ(r->btnDisconnect->isEnabled(), s.disconnectEnabled);
    }
}

TEST_F(ReportTest, GoodQuantityOnTheKeypad) {
    createPlant();
    frm_S_dayReport* r = open();
    r->btnConnect->click();
    keypadAnswers(QStringLiteral("100"));
    QTest::mouseClick(r->lblOk_Cnt, Qt::LeftButton);
    EXPECT_EQ(r->lblOk_Cnt->text(), QStringLiteral("100"));
    EXPECT_EQ(r->lblJakup_Cnt->text(), QStringLiteral("102"));
    EXPECT_EQ(r->lblProgress->text(), QStringLiteral("285%"));
    EXPECT_FALSE(r->autoInput());
    EXPECT_EQ(r->lampColour(), QColor(255, 0, 0));
    EXPECT_TRUE(r->btnConnect->isEnabled());
    EXPECT_FALSE(r->btnDisconnect->isEnabled());
    // A cancelled keypad switches automatic input on and changes no quantity.
    keypadAnswers(QString());
    QTest::mouseClick(r->lblOk_Cnt, Qt::LeftButton);
    EXPECT_TRUE(r->autoInput());
    EXPECT_EQ(r->lblOk_Cnt->text(), QStringLiteral("100"));
    // Typed 0: production becomes the defective count.
    keypadAnswers(QStringLiteral("0"));
    QTest::mouseClick(r->lblOk_Cnt, Qt::LeftButton);
    EXPECT_EQ(r->lblJakup_Cnt->text(), QStringLiteral("2"));
    // Nothing happens without a job.
    r->lblOp_seq_sub->clear();
    windows.clear();
    QTest::mouseClick(r->lblOk_Cnt, Qt::LeftButton);
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(ReportTest, ProgressReadsZeroWhenNothingRemains) {
    createPlant(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET qty = 120 WHERE seq = "
                               "'20240305001001';"));
    frm_S_dayReport* r = open();
    EXPECT_EQ(r->lblJisi_Cnt->text(), QStringLiteral("0"));
    EXPECT_EQ(r->lblProgress->text(), QStringLiteral("0%"));
}

TEST_F(ReportTest, MouldShotCheck) {
    const QString count = QStringLiteral(
        "INSERT INTO B_METALLIC_COUNT (mold_no, product_code, qty, jakup_date) VALUES "
        "('M1', 'A', %1, '%2')\n");
    const QString repair =
        QStringLiteral("INSERT INTO B_METALLIC_REPAIR (mold_no, product_code, repair_date) VALUES "
                       "('M1', 'A', '%1')\n");
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    const struct {
        const char* name;
        QString data;
        const char* interval;
        const char* shots;
        QColor colour;
    } cases[] = {
        {"500 of 500",
         repair.arg(QStringLiteral("2024-01-01")) +
             count.arg(500).arg(QStringLiteral("2024-02-01")),
         "500", "500", white},
        {"501 of 500",
         repair.arg(QStringLiteral("2024-01-01")) +
             count.arg(501).arg(QStringLiteral("2024-02-01")),
         "500", "501", red},
        {"no repair", count.arg(1).arg(QStringLiteral("2024-02-01")), "0", "1", red},
        {"repair 2013-05-10",
         repair.arg(QStringLiteral("2012-01-01")) + repair.arg(QStringLiteral("2013-05-10")) +
             count.arg(400).arg(QStringLiteral("2013-05-10")) +
             count.arg(7).arg(QStringLiteral("2013-05-11")) +
             count.arg(8).arg(QStringLiteral("2013-06-01")),
         "500", "15", white},
        {"no shots", repair.arg(QStringLiteral("2024-01-01")), "500", "0", white},
    };
    createPlant();
    frm_S_dayReport* r =
        open(QStringLiteral("E1"), QString::fromLatin1(kSeq1), QStringLiteral("M1"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dbExec(QStringLiteral("DELETE FROM B_METALLIC_REPAIR"));
        dbExec(QStringLiteral("DELETE FROM B_METALLIC_COUNT"));
        for (const QString& statement : c.data.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            dbExec(statement);
        r->lsQuery();
        EXPECT_EQ(r->lblMold_chk->text(), QString::fromLatin1(c.interval));
        EXPECT_EQ(r->lblMold_cnt->text(), QString::fromLatin1(c.shots));
        EXPECT_EQ(background(r->lblMold_cnt), c.colour);
    }
}

TEST_F(ReportTest, MouldFieldsKeptWithoutAMould) {
    createPlant();
    frm_S_dayReport* r = open();
    r->lblMold_chk->setText(QStringLiteral("500"));
    r->lblMold_cnt->setText(QStringLiteral("12"));
    r->lsQuery();
    EXPECT_EQ(r->lblMold_chk->text(), QStringLiteral("500"));
    EXPECT_EQ(r->lblMold_cnt->text(), QStringLiteral("12"));
}

TEST_F(ReportTest, RefreshReadsTheLineTotals) {
    createPlant();
    frm_S_dayReport* r = open();
    dbExec(QStringLiteral("UPDATE P_SANGSAN_MASTER SET qty = 40000, bad_qty = 30000 "
                          "WHERE op_seq_sub LIKE '20240305%'"));
    r->Timer2_Timer();
    // Totals beyond 16 bits.
    EXPECT_EQ(r->lbl_okcnt2->text(), QStringLiteral("80000"));
    EXPECT_EQ(r->lbl_badcnt2->text(), QStringLiteral("60000"));
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(ReportTest, QualitySheetButtonsCallTheirOpenersForAJobWithALine) {
    using InspectionOpenerHook::Sheet;
    QStringList opened;
    const auto recorder = [&opened](const char* name) {
        return [&opened, name](frm_S_dayReport* r) {
            opened << QLatin1String(name) + QLatin1Char(' ') + r->lblseq->text();
        };
    };
    InspectionOpenerHook::Opener previous[] = {
        InspectionOpenerHook::set(Sheet::Inspection, recorder("inspection")),
        InspectionOpenerHook::set(Sheet::Mould, recorder("mould"))};
    {
        frm_S_dayReport report;
        EXPECT_FALSE(report.btnJajuTest->isHidden());
        EXPECT_EQ(report.btnMoldTest->text(), QStringLiteral("성형검사 등록"));
        EXPECT_FALSE(report.btnMoldTest->isHidden());
        QTest::mouseClick(report.btnJajuTest, Qt::LeftButton);
        report.lblseq->setText(QStringLiteral("L1"));
        QTest::mouseClick(report.btnJajuTest, Qt::LeftButton);
        QTest::mouseClick(report.btnMoldTest, Qt::LeftButton);
    }
    InspectionOpenerHook::set(Sheet::Inspection, previous[0]);
    InspectionOpenerHook::set(Sheet::Mould, previous[1]);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("inspection L1"), QStringLiteral("mould L1")}));
}

TEST_F(ReportTest, NavigationAndExit) {
    createPlant();
    frm_S_dayReport* r = open();
    // Buttons of screens and actions this terminal does not have are not shown.
    for (const QPushButton* b :
         {r->btnBadList, r->btnBigadongList, r->btnJakupList, r->btnJajuTest, r->btnMoldTest})
        EXPECT_TRUE(b->isHidden()) << b->text().toStdString();
    for (const QPushButton* b :
         {r->btnExit, r->btnJakupJisi, r->btnDayReport, r->btnConnect, r->btnDisconnect,
          r->btnBigadong, r->btnStop, r->btnRun, r->btnLotAdd, r->btnLotCancel, r->btnJobSwitch,
          r->btnMiddleEnd, r->btnEnd, r->btnJobCancel, r->btnForceEnd})
        EXPECT_FALSE(b->isHidden()) << b->text().toStdString();
    QTest::mouseClick(r->btnJakupJisi, Qt::LeftButton);
    bool listShown = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        listShown = listShown ||
                    (w->objectName() == QStringLiteral("frm_S_jakupjisi_list") && w->isVisible());
    EXPECT_TRUE(listShown);
    EXPECT_EQ(r->lblOp_seq_sub->text(), QString::fromLatin1(kRun1)); // left unchanged
    // The auto-end countdown writes lvStartPop by name.
    r->setProperty("lvStartPop", true);
    EXPECT_TRUE(r->lvStartPop);
    // "종료": the confirmation decides; only "Exit" ends the program.
    answer = [](QDialog& d) { press(d, QStringLiteral("Command1")); };
    QTest::mouseClick(r->btnExit, Qt::LeftButton);
    EXPECT_TRUE(ends.isEmpty());
    answer = [](QDialog& d) { press(d, QStringLiteral("Command14")); };
    QTest::mouseClick(r->btnExit, Qt::LeftButton);
    EXPECT_EQ(ends, QList<int>{0});
    EXPECT_EQ(windows.back().window, QStringLiteral("frm_MSG_002"));
}

TEST_F(ReportTest, TheListStartsAndReopensJobsOnTheReportScreen) {
    createPlant();
    frm_S_jakupjisi_list list;
    EXPECT_FALSE(list.btnDayReport->isHidden());
    const auto clickRowOf = [&list](const char* equipment) {
        for (int row = 1; row <= list.spread()->MaxRows(); ++row) {
            if (list.spread()->TextWithColID(QStringLiteral("설비코드"), row) !=
                QString::fromLatin1(equipment))
                continue;
            const QRect cell = list.ss->visualRect(list.ss->model()->index(row - 1, 4));
            QTest::mouseClick(list.ss->viewport(), Qt::LeftButton, {}, cell.center());
            return;
        }
        FAIL() << equipment;
    };
    clickRowOf("E3");
    QTest::mouseClick(list.btnStart, Qt::LeftButton);
    ASSERT_TRUE(windows.isEmpty()) << windowTexts().join(QLatin1Char('|')).toStdString();
    frm_S_dayReport* r = frm_S_dayReport::existing();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    EXPECT_EQ(r->lblOp_seq_sub->text(), QStringLiteral("20240305002001"));
    EXPECT_EQ(r->lblEquipment_code->text(), QStringLiteral("E3"));
    EXPECT_EQ(r->lblWC_name->text(), QStringLiteral("사출 (사출기)"));
    EXPECT_EQ(r->lvSerchSQL, QStringLiteral("AND B_PR.process_code = 'P20'"));
    EXPECT_EQ(r->lblStTime->text(), QStringLiteral("10:00"));
    // Reopening a running order shows the line's first run, on the same screen.
    clickRowOf("E1");
    QTest::mouseClick(list.btnDayReport, Qt::LeftButton);
    EXPECT_EQ(frm_S_dayReport::existing(), r);
    EXPECT_EQ(r->lvEquipment_code, QStringLiteral("E1"));
    EXPECT_EQ(r->lblOp_seq_sub->text(), QStringLiteral("20240305000001"));
    EXPECT_EQ(r->lblOk_Cnt->text(), QStringLiteral("10"));
}
