// The end actions of the report screen against a plant database: their checks and messages,
// the rows every table holds afterwards, the cleared fields, and a batch that fails as a
// whole.
#include "tests/production/productionfixture.h"
#include "tests/support/faultsweep.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/qtprinters.h"
#include "tests/support/tablesnapshot.h"

#include "core/modfn.h"
#include "core/platform/clock.h"
#include "production/dayreportending.h"
#include "production/frm_s_dayreport.h"
#include "production/frm_s_operation_sheet.h"
#include "ui/common/clsspread.h"
#include "ui/common/screenlocator.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QApplication>

#include <memory>

namespace {
const QString kLine = QStringLiteral("20240305001001");
const QString kRun = QStringLiteral("20240305001001");

// Product P (semi-finished) or F (finished) on line kLine, run kRun; materials M1 with
// stock 1000 and a later row dated tomorrow, M2 without any stock row. P holds 500.
const QString kRows = QStringLiteral(
    "INSERT INTO B_PRODUCT_MASTER (product_code) VALUES ('P'), ('F'), ('M1'), ('M2');\n"
    "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, product_code, order_qty, qty, bad_qty, "
    "end_yn) VALUES ('20240305001', '20240305001001', 'P', 300, 0, 0, '2');\n"
    "INSERT INTO P_SANGSAN_MASTER (seq, op_seq_sub, qty, bad_qty) VALUES "
    "('20240305001001', '20240305001001', 0, 0);\n"
    "INSERT INTO S_PRODUCT_STORE (product_code, ipgo_su, jego_su, reg_date) VALUES "
    "('P', 500, 500, '2024-03-04'), ('M1', 1000, 1000, '2024-03-01'), "
    "('M1', 5, 1005, '2024-03-06');\n");

class DayReportEndingTest : public ProductionFixture {
protected:
    void SetUp() override {
        ProductionFixture::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 30, 15)));
        open(kRows);
        report = std::make_unique<frm_S_dayReport>();
        ending = report->findChild<DayReportEnding*>(QStringLiteral("DayReportEnding"));
        if (stubGrid)
            ending->setMaterialGrid([this] { return materials; }, [this] { materials.clear(); });
        loadJob(QStringLiteral("P"), QStringLiteral("반제품"), 100, 0);
        report->show();
    }
    void TearDown() override {
        report.reset();
        delete findScreen(QStringLiteral("frm_S_jakupjisi_list"));
        Clock::reset();
        ProductionFixture::TearDown();
    }

    // The job's fields as the screen holds them: good so far and good already saved.
    void loadJob(const QString& product, const QString& productClass, int good, int saved) {
        frm_S_dayReport* r = report.get();
        r->lvEquipment_code = QStringLiteral("E1");
        r->lblJakupdate->setText(QStringLiteral("2024-03-05"));
        r->lbl_juya->setText(QStringLiteral("주간"));
        r->lblOp_seq_sub->setText(kRun);
        r->lbl_jakupjisi_num->setText(kLine);
        r->lblseq->setText(kLine);
        r->lblWC_code->setText(QStringLiteral("P10"));
        r->lblProduct_code->setText(product);
        r->lblProduct_name->setText(QStringLiteral("브라켓"));
        r->lblProduct_Gubun->setText(productClass);
        r->lblOk_Cnt->setText(QString::number(good));
        r->lblOk_Cnt2->setText(QString::number(saved));
        r->lblBad_Cnt->setText(QStringLiteral("2"));
        r->lblBad_Cnt2->setText(QStringLiteral("0"));
        r->lblJakup_Cnt->setText(QString::number(good + 2));
        r->lblJakupsu->setText(QStringLiteral("2"));
        r->lblemployee_no->setText(QStringLiteral("W1"));
        r->lblStTime->setText(QStringLiteral("08:00"));
        r->lblMin->setText(QStringLiteral("150분"));
        r->setAutoInput(true);
    }

    static void dbExec(const QString& sql) {
        ASSERT_TRUE(gfEXEC_SQL(sql, QStringLiteral("test"))) << sql.toStdString();
    }

    // Everything an end may write, as one text.
    static QString allRows() {
        return q(QStringLiteral("select product_code, culgo_type, lot_no, ipgo_su, culgo_su, "
                                "jego_su, reg_date from S_PRODUCT_STORE order by idx")) +
               QStringLiteral(" # ") + q(QStringLiteral("select * from P_PRODUCT_STORE")) +
               QStringLiteral(" # ") + q(QStringLiteral("select * from P_PRODUCT_IPGO")) +
               QStringLiteral(" # ") + q(QStringLiteral("select * from S_LOT_HISTORY")) +
               QStringLiteral(" # ") + q(QStringLiteral("select * from B_METALLIC_COUNT")) +
               QStringLiteral(" # ") +
               q(QStringLiteral("select qty, bad_qty, end_yn from B_JAKUPJISI_MASTER")) +
               QStringLiteral(" # ") +
               q(QStringLiteral("select op_seq_sub, qty, bad_qty, lot_no, edate, etime "
                                "from P_SANGSAN_MASTER"));
    }
    static QString todaysMovements(const QString& table) {
        return q(QStringLiteral("select product_code, culgo_type, lot_no, coalesce(ipgo_su, "
                                "culgo_su), jego_su from %1 where reg_date = '2024-03-05' "
                                "order by idx")
                     .arg(table));
    }

    bool stubGrid = true;
    std::unique_ptr<frm_S_dayReport> report;
    DayReportEnding* ending = nullptr;
    QList<DayReportEnding::MaterialCells> materials;
};

TEST_F(DayReportEndingTest, RefusedEndsWriteNothing) {
    const struct {
        const char* productClass;
        int good;
        bool middle;
        const char* message;
    } cases[] = {{"완제품", 100, true, "완제품 중간저장불가."},
                 {"반제품", 0, true, "생산수량이 0입니다."},
                 {"완제품", 0, false, "생산수량이 0입니다."}};
    const QString before = allRows();
    for (const auto& c : cases) {
        loadJob(QStringLiteral("P"), QString::fromUtf8(c.productClass), c.good, 0);
        if (c.good == 0)
            report->lblJakup_Cnt->setText(QStringLiteral("0"));
        messages.clear();
        (c.middle ? report->btnMiddleEnd : report->btnEnd)->click();
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(c.message)}) << c.message;
        EXPECT_EQ(allRows(), before) << c.message;
        EXPECT_EQ(report->lblOp_seq_sub->text(), kRun) << "the job stays shown";
    }
}

TEST_F(DayReportEndingTest, SavedEndsOfferTheRunsMoveSheetWithTheScreensValues) {
    QStringList offered;
    onScreen = [&offered](QDialog& d) {
        auto* sheet = qobject_cast<frm_S_operation_sheet*>(&d);
        ASSERT_NE(sheet, nullptr) << d.objectName().toStdString();
        QStringList texts;
        for (const OperationSheet::Cell& c : OperationSheet::cells(sheet->values()))
            texts << OperationSheet::cellName(c) + QLatin1Char('=') + c.text;
        offered << texts.join(QLatin1Char('|'));
    };
    report->lblWC_name->setText(QStringLiteral("프레스"));
    report->lblCar_code->setText(QStringLiteral("C1"));
    report->lblEmployee_name->setText(QStringLiteral("김작업"));
    report->btnMiddleEnd->click();
    EXPECT_EQ(offered, QStringList{QStringLiteral(
                           "A1=공정이동표(공정명 :프레스)|B2=브라켓|B3=C1|B4=100EA|B5=김작업|"
                           "B6=2024-03-05|B7=*20240305/A/P*|B8=20240305/A")});

    // A refused end offers nothing.
    offered.clear();
    loadJob(QStringLiteral("F"), QStringLiteral("완제품"), 100, 0);
    report->btnMiddleEnd->click();
    EXPECT_TRUE(offered.isEmpty());
}

TEST_F(DayReportEndingTest, MiddleEndPostsReceiptIssuesAndLotHistoryThenClearsTheJob) {
    materials = {{QStringLiteral("M1"), QStringLiteral("30.7"), QStringLiteral("L1")},
                 {QStringLiteral("M2"), QStringLiteral(""), QStringLiteral("0")}};
    report->btnMiddleEnd->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_EQ(todaysMovements(QStringLiteral("S_PRODUCT_STORE")),
              QStringLiteral("P|재공품추가|20240305/A|100|600;"
                             "M1|재공품소모|L1|30|970;"
                             "M2|재공품소모|0|0|0"));
    EXPECT_EQ(q(QStringLiteral("select jego_su from S_PRODUCT_STORE where reg_date = "
                               "'2024-03-06'")),
              QStringLiteral("975"))
        << "the later row moves by the issue";
    EXPECT_EQ(q(QStringLiteral("select ipgo_no, ipgo_no_sub, culgo_type, last_date, user_id "
                               "from S_PRODUCT_STORE where culgo_type = N'재공품추가'")),
              QStringLiteral("20240305001|20240305001001|재공품추가|2024-03-05|E07"));
    EXPECT_EQ(q(QStringLiteral("select * from S_LOT_HISTORY")),
              QStringLiteral("20240305001001|P||M1|20240305/A|L1|P10|E1|2024-03-05;"
                             "20240305001001|P||M2|20240305/A|0|P10|E1|2024-03-05"));
    EXPECT_EQ(q(QStringLiteral("select qty, bad_qty, end_yn from B_JAKUPJISI_MASTER")),
              QStringLiteral("100|2|2"));
    EXPECT_EQ(q(QStringLiteral("select qty, bad_qty, lot_no, edate, etime, sdate, stime, min, "
                               "employee_su, employee_no, last_time, user_id from "
                               "P_SANGSAN_MASTER")),
              QStringLiteral("100|2|20240305/A|2024-03-05|10:30|2024-03-05|08:00|150|2|W1|"
                             "103015|E07"));
    EXPECT_EQ(q(QStringLiteral("select count(*) from P_PRODUCT_STORE")), QStringLiteral("0"));
    EXPECT_TRUE(report->lblOp_seq_sub->text().isEmpty());
    EXPECT_TRUE(report->lblLotno->text().isEmpty());
    EXPECT_EQ(report->lblOk_Cnt->text() + report->lblBad_Cnt->text() + report->lblJisi_Cnt->text(),
              QStringLiteral("000"));
    EXPECT_TRUE(materials.isEmpty()) << "the material grid is emptied";
    EXPECT_FALSE(report->autoInput());
    EXPECT_TRUE(report->isVisible()) << "the screen stays open";
}

TEST_F(DayReportEndingTest, LotsMaterialsAndWorkerWithQuotesAndCommentsEndAsWritten) {
    dbExec(QStringLiteral("INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES "
                          "('W''1--', N'O''Brien')"));
    const QString workers = q(QStringLiteral("select * from B_EMPLOYEE"));
    report->lblemployee_no->setText(QStringLiteral("W'1--"));
    report->lblProduct_name->setText(QStringLiteral("브'라켓--"));
    materials = {{QStringLiteral("M1"), QStringLiteral("30"), QStringLiteral("L'1--")},
                 {QStringLiteral("M'9--"), QStringLiteral(""),
                  QStringLiteral("'; DELETE FROM B_EMPLOYEE; --")}};
    report->btnMiddleEnd->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_EQ(q(QStringLiteral("select culgo_product_code, culgo_lot_no from S_LOT_HISTORY "
                               "order by culgo_product_code desc")),
              QStringLiteral("M1|L'1--;M'9--|'; DELETE FROM B_EMPLOYEE; --"));
    EXPECT_EQ(q(QStringLiteral("select employee_no from P_SANGSAN_MASTER")),
              QStringLiteral("W'1--"));
    EXPECT_EQ(q(QStringLiteral("select * from B_EMPLOYEE")), workers);
}

TEST_F(DayReportEndingTest, EveryEndOverProductMouldAndLotTextsWithQuotesAndComments) {
    // The master data of the run (product code and name, mould, material lot) holds the text;
    // each end writes only its rows and the codes as written, the texts it does not write
    // change nothing.
    const QStringList masters = {QStringLiteral("B_EMPLOYEE"), QStringLiteral("B_PRODUCT_MASTER"),
                                 QStringLiteral("B_METALLIC")};
    const QStringList ledgers = {QStringLiteral("S_PRODUCT_STORE"),
                                 QStringLiteral("P_PRODUCT_STORE"),
                                 QStringLiteral("P_PRODUCT_IPGO"), QStringLiteral("S_LOT_HISTORY"),
                                 QStringLiteral("B_METALLIC_COUNT")};
    for (const QString& h : hostileTexts()) {
        SCOPED_TRACE(h.left(40).toStdString());
        const QString product = QStringLiteral("Q") + h, mould = QStringLiteral("M") + h;
        const QString v = gfSQL_STR(h);
        dbExec(QStringLiteral("INSERT INTO B_PRODUCT_MASTER (product_code, product_name) VALUES "
                              "(N'Q%1', N'%1')")
                   .arg(v));
        dbExec(QStringLiteral("INSERT INTO B_METALLIC (mold_no, product_code) VALUES (N'M%1', "
                              "N'Q%1')")
                   .arg(v));
        for (const QString& t : ledgers)
            dbExec(QStringLiteral("DELETE FROM ") + t);
        const auto runAgain = [&](const QString& productClass) {
            dbExec(QStringLiteral("DELETE FROM P_SANGSAN_MASTER"));
            dbExec(QStringLiteral("INSERT INTO P_SANGSAN_MASTER (seq, op_seq_sub, qty, bad_qty) "
                                  "VALUES ('20240305001001', '20240305001001', 0, 0)"));
            dbExec(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET end_yn = '2', qty = 0, bad_qty "
                                  "= 0, product_code = N'Q%1'")
                       .arg(v));
            loadJob(product, productClass, 100, 0);
            for (QLabel* l : {report->lblProduct_name, report->lblPumbun, report->lblWC_name,
                              static_cast<QLabel*>(report->lblEmployee_name), report->lblCar_code})
                l->setText(h);
            report->lblMold_No->setText(mould);
            report->show();
            messages.clear();
        };
        const TableRows fixed = snapshotTables(masters, &TestEnv::checkRows);

        runAgain(QStringLiteral("반제품"));
        materials = {{QStringLiteral("M1"), QStringLiteral("5"), h}};
        report->btnMiddleEnd->click();
        EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
        EXPECT_EQ(todaysMovements(QStringLiteral("S_PRODUCT_STORE")),
                  product + QStringLiteral("|재공품추가|20240305/A|100|100;M1|재공품소모|") + h +
                      QStringLiteral("|5|-5"));
        EXPECT_EQ(q(QStringLiteral("select culgo_product_code, culgo_lot_no from S_LOT_HISTORY")),
                  QStringLiteral("M1|") + h);
        EXPECT_EQ(q(QStringLiteral("select mold_no, product_code, qty from B_METALLIC_COUNT")),
                  mould + QLatin1Char('|') + product + QStringLiteral("|102"));

        runAgain(QStringLiteral("반제품"));
        const TableRows afterMiddle = snapshotTables(ledgers, &TestEnv::checkRows);
        report->btnForceEnd->click();
        EXPECT_EQ(messages, QStringList{QStringLiteral("강제종료가 완료되었습니다.")});
        EXPECT_EQ(q(QStringLiteral("select count(*) from P_SANGSAN_MASTER")), QStringLiteral("0"));

        runAgain(QStringLiteral("반제품"));
        report->btnJobCancel->click();
        EXPECT_EQ(messages.last(), QStringLiteral("작업취소가 완료되었습니다."));
        EXPECT_EQ(q(QStringLiteral("select end_yn from B_JAKUPJISI_MASTER")), QStringLiteral("1"));
        EXPECT_EQ(changedTables(afterMiddle, snapshotTables(ledgers, &TestEnv::checkRows)),
                  QStringList());

        runAgain(QStringLiteral("완제품"));
        materials.clear();
        report->btnEnd->click();
        EXPECT_EQ(messages.last(), QStringLiteral("저장이 완료되었습니다."));
        EXPECT_EQ(todaysMovements(QStringLiteral("P_PRODUCT_STORE")),
                  product + QStringLiteral("|제품입고|20240305/A|100|100"));
        EXPECT_EQ(q(QStringLiteral("select product_code, lot_no from P_PRODUCT_IPGO")),
                  product + QStringLiteral("|20240305/A"));
        EXPECT_EQ(changedTables(fixed, snapshotTables(masters, &TestEnv::checkRows)),
                  QStringList());
        EXPECT_TRUE(notifier.shown.isEmpty())
            << notifier.texts().join(QLatin1Char('\n')).toStdString();
    }
}

class DayReportEndingGridTest : public DayReportEndingTest {
protected:
    DayReportEndingGridTest() { stubGrid = false; }
};

TEST_F(DayReportEndingGridTest, TheMaterialGridsRowsArePostedAndTheGridEmptied) {
    clsSpread* grid = report->lotSpread();
    grid->SetMaxRows(2);
    const char* const cells[][3] = {{"M1", "12", "L1"}, {"M1", "3", "L2"}};
    for (int r = 0; r < 2; ++r) {
        grid->TextWithColID(QStringLiteral("제품코드"), r + 1, QString::fromUtf8(cells[r][0]));
        grid->TextWithColID(QStringLiteral("투입수량"), r + 1, QString::fromUtf8(cells[r][1]));
        grid->TextWithColID(QStringLiteral("LOT NO"), r + 1, QString::fromUtf8(cells[r][2]));
    }
    report->btnMiddleEnd->click();
    EXPECT_EQ(todaysMovements(QStringLiteral("S_PRODUCT_STORE")),
              QStringLiteral("P|재공품추가|20240305/A|100|600;"
                             "M1|재공품소모|L1|12|988;M1|재공품소모|L2|3|985"));
    EXPECT_EQ(q(QStringLiteral("select culgo_lot_no from S_LOT_HISTORY")), QStringLiteral("L1;L2"));
    EXPECT_EQ(grid->MaxRows(), 0);
}

TEST_F(DayReportEndingTest, FinishedProductEndMovesIntoFinishedGoodsAndClosesTheScreen) {
    dbExec(QStringLiteral("UPDATE P_SANGSAN_MASTER SET qty = 40"));
    loadJob(QStringLiteral("F"), QStringLiteral("완제품"), 100, 40);
    report->lbl_juya->setText(QStringLiteral("야간"));
    report->btnEnd->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_EQ(todaysMovements(QStringLiteral("S_PRODUCT_STORE")),
              QStringLiteral("F|재공품추가|20240305/B|60|60;F|제품투입|20240305/B|60|0"));
    EXPECT_EQ(todaysMovements(QStringLiteral("P_PRODUCT_STORE")),
              QStringLiteral("F|제품입고|20240305/B|60|60"));
    EXPECT_EQ(q(QStringLiteral("select ipgo_no, ipgo_no_sub, ipgo_date, product_code, lot_no, "
                               "operation_no_sub, ipgo_su, palette_su, bigo, employee_no, "
                               "last_time from P_PRODUCT_IPGO")),
              QStringLiteral("20240305001|20240305001001|2024-03-05|F|20240305/B|"
                             "20240305001001|60|0||E07|103015"));
    EXPECT_EQ(q(QStringLiteral("select qty, end_yn from B_JAKUPJISI_MASTER")),
              QStringLiteral("100|3"));
    EXPECT_FALSE(report->isVisible());
    EXPECT_NE(findScreen(QStringLiteral("frm_S_jakupjisi_list")), nullptr);
}

TEST_F(DayReportEndingTest, MouldShotsOfAMiddleEndAndTheEndWithTheWarning) {
    report->lblMold_No->setText(QStringLiteral("MD1"));
    report->btnMiddleEnd->click();
    loadJob(QStringLiteral("P"), QStringLiteral("반제품"), 148, 100);
    report->lblMold_No->setText(QStringLiteral("MD1"));
    report->lblMold_chk->setText(QStringLiteral("500"));
    report->lblMold_cnt->setText(QStringLiteral("600"));
    messages.clear();
    report->btnEnd->click();
    EXPECT_EQ(messages,
              QStringList({QStringLiteral("금형점검이 필요합니다.\n 금형타수를 확인하세요."),
                           QStringLiteral("저장이 완료되었습니다.")}));
    EXPECT_EQ(q(QStringLiteral("select op_seq_sub, mold_no, product_code, qty, jakup_date from "
                               "B_METALLIC_COUNT")),
              QStringLiteral("20240305001001|MD1|P|102|2024-03-05;"
                             "20240305001001|MD1|P|150|2024-03-05"));
    EXPECT_EQ(todaysMovements(QStringLiteral("S_PRODUCT_STORE")),
              QStringLiteral("P|재공품추가|20240305/A|100|600;P|재공품추가|20240305/A|48|648"));
}

TEST_F(DayReportEndingTest, FailingStatementLeavesEveryTableUnchanged) {
    materials = {{QStringLiteral("M1"), QStringLiteral("30"), QStringLiteral("L1")}};
    report->lblMold_No->setText(QStringLiteral("MD1"));
    execNative(dbFile(), QStringLiteral("CREATE TRIGGER no_shots BEFORE INSERT ON "
                                        "B_METALLIC_COUNT BEGIN SELECT RAISE(ABORT, 'refused'); "
                                        "END;"));
    const QString before = allRows();
    report->btnEnd->click();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last(), QStringLiteral("저장 실패"));
    EXPECT_EQ(allRows(), before);
    EXPECT_EQ(report->lblOp_seq_sub->text(), kRun) << "the values stay for another try";
    EXPECT_TRUE(report->isVisible());
}

TEST_F(DayReportEndingTest, NotANumberWritesNothing) {
    const QString before = allRows();
    materials = {{QStringLiteral("M1"), QStringLiteral("3O"), QStringLiteral("L1")}};
    report->btnMiddleEnd->click();
    materials.clear();
    report->lblJakupsu->setText(QStringLiteral("두명"));
    report->btnMiddleEnd->click();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("'3O'")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("'두명'")));
    EXPECT_EQ(allRows(), before);
}

TEST_F(DayReportEndingTest, CancelAndForcedEnd) {
    // The confirmation answered no: nothing changes.
    const QString before = allRows();
    {
        ScopedModalHandler no([this](QDialog& d) {
            messages << d.findChild<QLabel*>(QStringLiteral("Lb_msg"))->text();
            d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            return d.result();
        });
        report->btnJobCancel->click();
    }
    EXPECT_EQ(messages, QStringList{QStringLiteral("진행중인 작업을 취소합니다")});
    EXPECT_EQ(allRows(), before);
    EXPECT_TRUE(report->isVisible());

    // Answered yes on a run that is gone: both statements must touch one row each.
    dbExec(QStringLiteral("UPDATE P_SANGSAN_MASTER SET op_seq_sub = 'OTHER'"));
    messages.clear();
    report->btnJobCancel->click();
    EXPECT_EQ(messages.last(), QStringLiteral("취소 실패"));
    EXPECT_EQ(q(QStringLiteral("select end_yn from B_JAKUPJISI_MASTER")), QStringLiteral("2"));

    dbExec(QStringLiteral("UPDATE P_SANGSAN_MASTER SET op_seq_sub = '20240305001001'"));
    messages.clear();
    report->btnJobCancel->click();
    EXPECT_EQ(messages.last(), QStringLiteral("작업취소가 완료되었습니다."));
    EXPECT_EQ(q(QStringLiteral("select count(*) from P_SANGSAN_MASTER")), QStringLiteral("0"));
    EXPECT_EQ(q(QStringLiteral("select end_yn from B_JAKUPJISI_MASTER")), QStringLiteral("1"));
    EXPECT_FALSE(report->isVisible());
}

TEST_F(DayReportEndingTest, ForcedEndDeletesTheRunAndClearsEvenWhenItFails) {
    execNative(dbFile(), QStringLiteral("CREATE TRIGGER no_end BEFORE UPDATE ON "
                                        "B_JAKUPJISI_MASTER BEGIN SELECT RAISE(ABORT, 'x'); END;"));
    report->btnForceEnd->click();
    EXPECT_FALSE(messages.contains(QStringLiteral("강제종료가 완료되었습니다.")));
    EXPECT_EQ(q(QStringLiteral("select count(*) from P_SANGSAN_MASTER")), QStringLiteral("1"));
    EXPECT_TRUE(report->lblOp_seq_sub->text().isEmpty()) << "cleared although it failed";
    const bool autoInput = report->autoInput();

    execNative(dbFile(), QStringLiteral("DROP TRIGGER no_end;"));
    loadJob(QStringLiteral("P"), QStringLiteral("반제품"), 100, 0);
    messages.clear();
    report->btnForceEnd->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("강제종료가 완료되었습니다.")});
    EXPECT_EQ(q(QStringLiteral("select count(*) from P_SANGSAN_MASTER")), QStringLiteral("0"));
    EXPECT_EQ(q(QStringLiteral("select end_yn from B_JAKUPJISI_MASTER")), QStringLiteral("3"));
    EXPECT_TRUE(autoInput) << "a forced end leaves automatic input as it was";
}

// Each end action's batch with a failure at each of its statements and at its commit: no
// table changes, the failure is reported and the screen says the save failed.
struct EndAction {
    const char* name;
    QPushButton* frm_S_dayReport::*button;
    const char* failure; // the screen's own message after the failure; null for none
    const char* product = "P";
    const char* productClass = "반제품";
};
const EndAction kEndActions[] = {
    {"end", &frm_S_dayReport::btnEnd, "저장 실패"},
    {"end_finished_product", &frm_S_dayReport::btnEnd, "저장 실패", "F", "완제품"},
    {"middle_end", &frm_S_dayReport::btnMiddleEnd, "저장 실패"},
    {"cancel", &frm_S_dayReport::btnJobCancel, "취소 실패"},
    {"forced_end", &frm_S_dayReport::btnForceEnd, nullptr}};

class EndBatchFaultTest : public DayReportEndingTest,
                          public testing::WithParamInterface<EndAction> {};

TEST_P(EndBatchFaultTest, EveryStatementFailsTheBatchAsAWhole) {
    const EndAction a = GetParam();
    FaultSweep sweep(dbFile());
    sweep.run({[&] {
                   loadJob(QString::fromUtf8(a.product), QString::fromUtf8(a.productClass), 100, 0);
                   report->show();
                   report->lblMold_No->setText(QStringLiteral("MD1"));
                   materials = {{QStringLiteral("M1"), QStringLiteral("30"), QStringLiteral("L1")}};
                   messages.clear();
                   notifier.shown.clear();
               },
               [&] { (report.get()->*a.button)->click(); },
               [&](const std::string& where) {
                   EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                       << where;
                   if (a.failure) {
                       ASSERT_FALSE(messages.isEmpty()) << where;
                       EXPECT_EQ(messages.last(), QString::fromUtf8(a.failure)) << where;
                   }
                   EXPECT_FALSE(messages.contains(QStringLiteral("저장이 완료되었습니다.")))
                       << where;
               }});
}

INSTANTIATE_TEST_SUITE_P(EndActions, EndBatchFaultTest, testing::ValuesIn(kEndActions),
                         [](const testing::TestParamInfo<EndAction>& i) {
                             return std::string(i.param.name);
                         });

TEST_F(DayReportEndingTest, JobSwitchOnlyForThePress) {
    report->btnJobSwitch->click();
    report->lblWC_code->setText(QStringLiteral("1000"));
    report->btnJobSwitch->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("작업전환은\n프레스작업만 가능합니다.")});
}
} // namespace
