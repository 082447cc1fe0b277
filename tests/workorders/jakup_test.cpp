// Work order creation (frm_S_Jakup) against a plant database: the product grid with today's
// remaining plan, the part number filter, the save and its refusals.
#include "tests/support/faultsweep.h"
#include "tests/workorders/workorderfixture.h"

#include "core/platform/clock.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/frm_s_jakup.h"
#include "workorders/jakupstatements.h"

#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {
// On EQ1 in P10: A plans 100 for today with 40 made today (and 500 yesterday), B plans 100
// with 120 made, C has no plan. D is made on other equipment. Other days' and months' plan
// columns must not count.
const QString kProducts = QStringLiteral(
    "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'차1');\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES "
    "('A-100', 'PN-A', N'커버', 'C1'), ('B-200', 'PN-B', N'브래킷', 'C1'),"
    "('C-300', 'PN-C''Q', N'캡', 'C1'), ('D-400', 'PN-D', N'기타', 'C1');\n"
    "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
    "('EQ1', 'P10', 'A-100'), ('EQ1', 'P10', 'B-200'), ('EQ1', 'P10', 'C-300'),"
    "('EQ2', 'P10', 'D-400');\n"
    "INSERT INTO S_PRODUCTIONPLAN_TOTAL (product_code, productionplan_month, day_4, day_5, "
    "day_15) VALUES ('A-100', '2024-03', 999, 100, 777), ('B-200', '2024-03', 0, 100, 0),"
    "('D-400', '2024-03', 0, 100, 0);\n"
    "INSERT INTO S_PRODUCTIONPLAN_TOTAL (product_code, productionplan_month, day_5) VALUES "
    "('C-300', '2024-04', 555);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, product_code, qty, jakup_date) VALUES "
    "('R1', 'A-100', 30, '2024-03-05'), ('R2', 'A-100', 10, '2024-03-05'),"
    "('R3', 'A-100', 500, '2024-03-04'), ('R4', 'B-200', 120, '2024-03-05');\n");

class JakupTest : public WorkOrderFixture {
protected:
    void SetUp() override {
        WorkOrderFixture::SetUp();
        open(kProducts);
        screen = std::make_unique<frm_S_Jakup>(nullptr);
        screen->txtprocess_code->setText(QStringLiteral("P10"));
        screen->txtprocess_name->setText(QStringLiteral("사출"));
        screen->txtequipment_code->setText(QStringLiteral("EQ1 "));
        screen->txtequipment_name->setText(QStringLiteral("사출기 1호"));
        screen->show();
        screen->lsQuery();
    }
    void TearDown() override {
        screen.reset();
        WorkOrderFixture::TearDown();
    }
    // The shown columns of every row, sorted (the statement leaves the order open).
    QStringList shownRows() const {
        QStringList rows;
        clsSpread* g = screen->grid();
        for (int r = 1; r <= g->MaxRows(); ++r)
            rows << QStringList{g->GetText(2, r), g->GetText(4, r), g->GetText(5, r),
                                g->GetText(6, r)}
                        .join(QLatin1Char('|'));
        rows.sort();
        return rows;
    }
    // Makes the row of the part number active and saves.
    void saveRowOf(const QString& pumbun) {
        clsSpread* g = screen->grid();
        for (int r = 1; r <= g->MaxRows(); ++r)
            if (g->TextWithColID(QStringLiteral("품번"), r) == pumbun)
                g->SetFocus(2, r);
        screen->cmdSave_Click();
    }
    static QString orders() { return q(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER")); }

    std::unique_ptr<frm_S_Jakup> screen;
};
} // namespace

TEST_F(JakupTest, GridShowsTodaysPlanLessTodaysOutputNeverBelowZero) {
    EXPECT_EQ(shownRows(),
              (QStringList{QStringLiteral("차1|PN-A|커버|60"), QStringLiteral("차1|PN-B|브래킷|0"),
                           QStringLiteral("차1|PN-C'Q|캡|0")}));
    clsSpread* g = screen->grid();
    EXPECT_EQ(g->MaxCols(), 6);
    for (int c : {1, 3})
        EXPECT_TRUE(g->Spr()->isColumnHidden(c - 1)) << c;
    // The filter narrows by part number; a quote in it is only a character.
    for (auto [filter, rows] :
         {std::pair{QStringLiteral("C'"), 1}, std::pair{QStringLiteral("PN-"), 3},
          std::pair{QStringLiteral("X"), 0}}) {
        screen->txtPumbun->setText(filter);
        screen->cmd_query->click();
        EXPECT_EQ(g->MaxRows(), rows) << filter.toStdString();
    }
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_F(JakupTest, SaveStoresAWaitingOrderNumberedForTheDay) {
    // B is over-produced: its order is for 1.
    saveRowOf(QStringLiteral("PN-B"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(q(QStringLiteral(
                  "SELECT prod_no, seq, process_code, jisi_date, equipment_code, cproduct_code, "
                  "product_code, pumbun, palette_code, plan_qty, order_qty, end_yn, employee_su, "
                  "employee, employee_no, bom_code, juya_gubun, jisi_time, sunbun, last_date, "
                  "last_time, user_id FROM B_JAKUPJISI_MASTER")),
              QStringLiteral("20240305001|20240305001001|P10|2024-03-05|EQ1|B-200|B-200|PN-B||0|"
                             "1|1|1||||1||1|2024-03-05|100000|E07"));
    messages.clear();
    screen->show();
    screen->lsQuery();
    saveRowOf(QStringLiteral("PN-A"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_EQ(q(QStringLiteral("SELECT seq, order_qty FROM B_JAKUPJISI_MASTER WHERE prod_no = "
                               "'20240305002'")),
              QStringLiteral("20240305002001|60"));
}

TEST_F(JakupTest, RefusedAndFailedSavesStoreNothingAndKeepTheScreen) {
    struct Case {
        const char* why;
        std::function<void()> arrange;
        bool chooseRow;
        QString message;
    };
    const Case cases[] = {
        {"no row chosen", [] {}, false, QStringLiteral("제품을 먼저 선택하십시오.")},
        {"empty grid",
         [this] {
             screen->txtPumbun->setText(QStringLiteral("NONE"));
             screen->lsQuery();
         },
         true, QStringLiteral("제품을 먼저 선택하십시오.")},
        {"the day's numbers used up",
         [] {
             gfEXEC_SQL(QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq) VALUES "
                                       "('20240305999', 'X1')"),
                        QStringLiteral("set-up"));
         },
         true, JakupStatements::orderNumbersUsedUpMessage()},
        {"seq taken by another order",
         [] {
             gfEXEC_SQL(QStringLiteral("DELETE FROM B_JAKUPJISI_MASTER;\n"
                                       "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq) VALUES "
                                       "('X', '20240305001001')"),
                        QStringLiteral("set-up"));
         },
         true, QStringLiteral("저장 실패")},
    };
    for (const Case& c : cases) {
        screen->lsQuery();
        c.arrange();
        const QString before = orders();
        messages.clear();
        if (c.chooseRow)
            saveRowOf(QStringLiteral("PN-A"));
        else
            screen->cmdSave_Click();
        EXPECT_EQ(messages, QStringList{c.message}) << c.why;
        EXPECT_TRUE(screen->isVisible()) << c.why;
        EXPECT_EQ(orders(), before) << c.why;
        screen->txtPumbun->clear();
    }
}

TEST_F(JakupTest, ATouchOnThePartNumberBoxOpensTheKeyboard) {
    struct Case {
        std::vector<const char*> keys;
        QString filter;
        int rows;
    };
    const Case cases[] = {{{"cmdc", "Command13"}, QStringLiteral("C"), 1},
                          {{"cmdb", "Command14"}, QStringLiteral("C"), 1}};
    for (const Case& c : cases) {
        ScopedModalHandler typing([&c](QDialog& d) {
            for (const char* key : c.keys)
                d.findChild<QPushButton*>(QLatin1String(key))->click();
            return d.result();
        });
        QTest::mouseClick(screen->txtPumbun, Qt::LeftButton);
        EXPECT_EQ(screen->txtPumbun->text(), c.filter) << c.keys.front();
        EXPECT_EQ(screen->grid()->MaxRows(), c.rows) << c.keys.front();
    }
}

TEST_F(JakupTest, EveryStatementOfTheSaveFailsItAsAWhole) {
    FaultSweep sweep(dbFile());
    sweep.run({[this] {
                   screen->show();
                   screen->lsQuery();
                   messages.clear();
                   notifier.shown.clear();
               },
               [this] { saveRowOf(QStringLiteral("PN-A")); },
               [this](const std::string& where) {
                   EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                       << where;
                   EXPECT_EQ(messages, QStringList{QStringLiteral("저장 실패")}) << where;
                   EXPECT_TRUE(screen->isVisible()) << where;
               }});
}
