#include "boards/boardcycle.h"
#include "boards/boardstatements.h"
#include "boards/frm_s_imgshow_sangsan.h"
#include "boards/frm_s_imgshow_suju.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "tests/support/testenv.h"
#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

TEST(BoardStatementsTest, MonthRangesCrossYearEnds) {
    struct Case {
        QDate today;
        int shift;
        QString first, last;
    };
    const Case cases[] = {
        {QDate(2024, 1, 15), -1, QStringLiteral("2023-12-01"), QStringLiteral("2023-12-31")},
        {QDate(2024, 12, 10), 1, QStringLiteral("2025-01-01"), QStringLiteral("2025-01-31")},
        {QDate(2024, 3, 31), -1, QStringLiteral("2024-02-01"), QStringLiteral("2024-02-29")},
        {QDate(2023, 3, 1), -1, QStringLiteral("2023-02-01"), QStringLiteral("2023-02-28")},
        {QDate(2024, 1, 31), 1, QStringLiteral("2024-02-01"), QStringLiteral("2024-02-29")},
    };
    for (const Case& c : cases) {
        const auto r = BoardStatements::monthRange(c.today, c.shift);
        EXPECT_EQ(r.first, c.first) << c.today.toString().toStdString();
        EXPECT_EQ(r.second, c.last) << c.today.toString().toStdString();
    }
}

TEST(BoardStatementsTest, ProductionStatementText) {
    EXPECT_EQ(
        BoardStatements::sangsan(QDate(2024, 3, 1)),
        QStringLiteral("\nSELECT\n    Total.order_qty1\nFROM("
                       "\n    SELECT\n        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty1\n "
                       "   FROM B_JAKUPJISI_MASTER P_PSJ\n    WHERE P_PSJ.jisi_date = '2024-02-29'"
                       "\n    Union All"
                       "\n    SELECT\n        ISNULL(Sum(ISNULL(Qty, 0)), 0) As Qty1\n    FROM "
                       "P_SangSan_Master P_PC\n    WHERE P_PC.Jakup_Date = '2024-02-29'"
                       "\n    Union All"
                       "\n    SELECT\n        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty2\n "
                       "   FROM B_JAKUPJISI_MASTER P_PSJ\n    WHERE P_PSJ.jisi_date = '2024-03-01'"
                       "\n    Union All"
                       "\n    SELECT\n        ISNULL(Sum(ISNULL(Qty, 0)), 0) As Qty2\n    FROM "
                       "P_SangSan_Master P_PC\n    WHERE P_PC.Jakup_Date = '2024-03-01'"
                       "\n    Union All"
                       "\n    SELECT\n        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty3\n "
                       "   FROM B_JAKUPJISI_MASTER P_PSJ\n    WHERE P_PSJ.jisi_date = '2024-03-02'"
                       "\n)TOTAL"));
    const QString suju = BoardStatements::suju(QDate(2024, 12, 10));
    EXPECT_TRUE(suju.startsWith(QStringLiteral(
        "\nSELECT\n    Total.Suju_Su1\nFROM(\n    SELECT\n        ISNULL(Sum(ISNULL(Balju_su, 0)), "
        "0) As Suju_Su1\n    FROM P_PRODUCT_SUJU_TALVEN P_PSJ\n    WHERE P_PSJ.Chulha_date between "
        "'2024-11-01' AND '2024-11-30'\n    Union All\n")));
    EXPECT_TRUE(suju.contains(QStringLiteral(
        "\n        ISNULL(Sum(ISNULL(culha_su, 0)), 0) As chulha_Su2\n    FROM P_PRODUCT_CULHA "
        "P_PC\n    WHERE P_PC.Culha_date between '2024-12-01' AND '2024-12-31'\n")));
    EXPECT_TRUE(suju.endsWith(
        QStringLiteral("As Suju_Su3\n    FROM P_PRODUCT_SUJU_TALVEN P_PSJ\n    WHERE "
                       "P_PSJ.Chulha_date between '2025-01-01' AND '2025-01-31'\n)TOTAL")));
}

namespace {
// Orders and shipments around December 2024 and work around 2024-12-10.
const QString kData = QStringLiteral(
    "INSERT INTO P_PRODUCT_SUJU_TALVEN (chulha_date, balju_su) VALUES ('2024-11-30', 1000);\n"
    "INSERT INTO P_PRODUCT_SUJU_TALVEN (chulha_date, balju_su) VALUES ('2024-11-01', 500);\n"
    "INSERT INTO P_PRODUCT_SUJU_TALVEN (chulha_date, balju_su) VALUES ('2024-12-31', 42000);\n"
    "INSERT INTO P_PRODUCT_SUJU_TALVEN (chulha_date, balju_su) VALUES ('2025-01-15', 300);\n"
    "INSERT INTO P_PRODUCT_SUJU_TALVEN (chulha_date, balju_su) VALUES ('2025-02-01', 999);\n"
    "INSERT INTO P_PRODUCT_CULHA (culha_date, culha_su) VALUES ('2024-11-15', 1400);\n"
    "INSERT INTO P_PRODUCT_CULHA (culha_date, culha_su) VALUES ('2024-12-01', NULL);\n"
    "INSERT INTO B_JAKUPJISI_MASTER (seq, prod_no, jisi_date, order_qty) VALUES ('20241209001001', "
    "'20241209001', '2024-12-09', 700);\n"
    "INSERT INTO B_JAKUPJISI_MASTER (seq, prod_no, jisi_date, order_qty) VALUES ('20241211001001', "
    "'20241211001', '2024-12-11', 90);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, jakup_date, qty) VALUES ('20241209001001', "
    "'2024-12-09', 650);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, jakup_date, qty) VALUES ('20241210001001', "
    "'2024-12-10', 120);\n");

class BoardTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 12, 10), QTime(8, 30, 0)));
        createPlantDatabase(QStringLiteral("MES_TALVEN"), kData);
        ASSERT_TRUE(gfDB_OPEN());
    }
    static QList<double> totals(TotalsBoard& b) {
        QList<double> out;
        for (int c = 1; c <= 5; ++c)
            out << b.summary()->GetValue(c, 1).toDouble();
        return out;
    }
    static void tick(ImgShowBoard& b, int n) {
        for (int i = 0; i < n; ++i)
            b.Timer1_Timer();
    }
    int boxes = 0;
    ScopedModalHandler modal{[this](QDialog&) { return ++boxes, 0; }};
};
} // namespace

TEST_F(BoardTest, OrderBoardTotalsChartAndFixedScale) {
    frm_S_ImgSHow_Suju board;
    board.lsQuery();
    EXPECT_EQ(totals(board), (QList<double>{1500, 1400, 42000, 0, 300}));
    EXPECT_EQ(board.summary()->GetText(4, 1), QStringLiteral("0")); // no shipments: 0, not empty
    const ChartView& c = *board.cc1;
    EXPECT_EQ(c.seriesCount(), 2);
    EXPECT_EQ(c.pointCount(), 3);
    EXPECT_EQ(c.value(0, 0), 1500);
    EXPECT_EQ(c.value(0, 1), 42000);
    EXPECT_EQ(c.value(0, 2), 300);
    EXPECT_EQ(c.value(1, 0), 1400);
    EXPECT_EQ(c.value(1, 1), 0);
    EXPECT_EQ(c.value(1, 2), 0); // the next month's shipment point is always 0
    EXPECT_EQ(c.pointLabel(0), QStringLiteral("전월"));
    EXPECT_EQ(c.pointLabel(2), QStringLiteral("명월"));
    EXPECT_EQ(c.seriesName(0), QStringLiteral("수주량"));
    EXPECT_EQ(c.seriesName(1), QStringLiteral("출하량"));
    EXPECT_EQ(c.seriesColor(0), QColor(200, 200, 0));
    EXPECT_EQ(c.seriesColor(1), QColor(0, 200, 0));
    EXPECT_TRUE(c.legendVisible());
    // The scale stays fixed although a total is above it.
    EXPECT_EQ(c.axisMin(), 0);
    EXPECT_EQ(c.axisMax(), 20000);
    EXPECT_EQ(c.axisStep(), 2000);
    EXPECT_EQ(c.axisDecimals(), 0);
    EXPECT_EQ(c.valueAxisTitle(), QStringLiteral("단위 : (EA)"));
    EXPECT_EQ(c.topTitle(), QStringLiteral("한길 hatch Oper Assy 발주 및 출하량"));
    EXPECT_EQ(boxes, 0);
}

TEST_F(BoardTest, ProductionBoardYesterdayTodayTomorrow) {
    frm_S_ImgSHow_Sangsan board;
    EXPECT_EQ(board.lblTitle->text(), QStringLiteral("지시대비 생산현황"));
    board.lsQuery();
    EXPECT_EQ(totals(board), (QList<double>{700, 650, 0, 120, 90}));
    EXPECT_EQ(board.cc1->value(1, 2), 0);
    EXPECT_EQ(board.cc1->axisMax(), 2000);
    EXPECT_EQ(board.cc1->axisStep(), 200);
    EXPECT_EQ(board.cc1->seriesName(0), QStringLiteral("지시량"));
    EXPECT_EQ(board.summary()->GetText(1, -1000), QStringLiteral("전일"));
    EXPECT_EQ(board.summary()->GetText(2, -999), QStringLiteral("생산수량"));
    EXPECT_EQ(board.summary()->GetColID(5), QStringLiteral("명일지시"));
}

TEST_F(BoardTest, CycleFillsAtHundredTicksAndHandsOverAtTwoHundred) {
    std::unique_ptr<BoardCycle> cycle(BoardCycle::ordersAndProduction());
    auto* first = qobject_cast<frm_S_ImgSHow_Suju*>(cycle->start());
    ASSERT_NE(first, nullptr);
    QPointer<ImgShowBoard> firstAlive(first);
    QPointer<ImgShowBoard> next;
    QObject::connect(cycle.get(), &BoardCycle::handedOver, cycle.get(),
                     [&next](ImgShowBoard* b) { next = b; });
    EXPECT_EQ(first->form_Start(), QStringLiteral("GO"));
    EXPECT_TRUE(first->Timer1->isActive());
    EXPECT_EQ(first->Timer1->interval(), 100);
    tick(*first, 99);
    EXPECT_EQ(first->summary()->MaxRows(), 0); // empty for the first ten seconds
    EXPECT_EQ(first->ProgressBar1->value(), 99);
    tick(*first, 1);
    EXPECT_EQ(first->summary()->MaxRows(), 1);
    EXPECT_EQ(first->cycleCount(), 100);
    EXPECT_EQ(first->ProgressBar1->value(), 0);
    tick(*first, 99);
    EXPECT_TRUE(next.isNull());
    tick(*first, 1);
    ASSERT_FALSE(next.isNull());
    auto* production = qobject_cast<frm_S_ImgSHow_Sangsan*>(next.data());
    ASSERT_NE(production, nullptr);
    EXPECT_TRUE(first->form_Start().isEmpty());
    EXPECT_FALSE(first->Timer1->isActive());
    EXPECT_EQ(next->form_Start(), QStringLiteral("GO"));
    EXPECT_TRUE(next->Timer1->isActive());
    EXPECT_EQ(next->cycleCount(), 0);
    EXPECT_EQ(production->summary()->MaxRows(), 0); // the new board starts empty
    EXPECT_EQ(production->cc1->seriesCount(), 0);
    first->Timer1_Timer(); // a stray tick after hand-over does nothing
    EXPECT_EQ(first->ProgressBar1->value(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstAlive.isNull()); // closed and unloaded
    EXPECT_EQ(cycle->current(), next.data());

    // The production board hands back to a new order/shipment board.
    QPointer<ImgShowBoard> second = next;
    tick(*second, 200);
    ASSERT_FALSE(next.isNull());
    EXPECT_NE(qobject_cast<frm_S_ImgSHow_Suju*>(next.data()), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    delete next.data();
}

TEST_F(BoardTest, FailingStatementOrClosedConnectionLeavesTheBoardEmpty) {
    frm_S_ImgSHow_Suju board;
    execNative(dbFile(), QStringLiteral("DROP TABLE P_PRODUCT_CULHA"));
    board.lsQuery();
    EXPECT_EQ(board.summary()->MaxRows(), 0);
    EXPECT_EQ(board.cc1->seriesCount(), 0);
    EXPECT_TRUE(readFile(QStringLiteral("202412.err"))
                    .contains(QStringLiteral("ERR LOCATION : 일자별 생산현황 / ")));
    gCon->close();
    board.lsQuery();
    EXPECT_EQ(board.summary()->MaxRows(), 0);
    EXPECT_EQ(boxes, 0);
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(BoardTest, ClockShowsDateAndTime) {
    frm_S_ImgSHow_Sangsan board;
    board.Timer2_Timer();
    EXPECT_EQ(board.lblDate->text(), QStringLiteral("2024-12-10"));
    EXPECT_EQ(board.lblTime->text(), QStringLiteral("08:30:00"));
    EXPECT_EQ(board.Timer2->interval(), 1000);
    EXPECT_EQ(board.windowTitle(), QStringLiteral("일자별 생산현황"));
}
