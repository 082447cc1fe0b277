// Work order creation fed hostile texts: in the part number filter and in the product master
// rows the save copies into the order.
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"
#include "tests/workorders/workorderfixture.h"

#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadview.h"
#include "workorders/frm_s_jakup.h"
#include "workorders/workorderactions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {
// Two ordinary products and one whose code, part number and name hold quotes and comments.
const QString kRows = QStringLiteral(
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('E07', N'김철수'),"
    "('E08', N'O''Brien--');\n"
    "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'차''1--');\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES "
    "('A-100', 'PN-A', N'커버', 'C1'), ('B-200', 'PN-B', N'브래킷', 'C1'),"
    "('Q''1--', 'P''; DELETE FROM B_EMPLOYEE; --', N'캡''--', 'C1');\n"
    "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
    "('EQ1', 'P10', 'A-100'), ('EQ1', 'P10', 'B-200'), ('EQ1', 'P10', 'Q''1--');\n");

const QStringList kTables = {QStringLiteral("B_EMPLOYEE"), QStringLiteral("B_CAR"),
                             QStringLiteral("B_PRODUCT_MASTER"), QStringLiteral("B_EQUIPMENT_TIME"),
                             QStringLiteral("B_JAKUPJISI_MASTER")};

class JakupUnsafeInputTest : public WorkOrderFixture {
protected:
    void SetUp() override {
        WorkOrderFixture::SetUp();
        open(kRows);
        screen = std::make_unique<frm_S_Jakup>(nullptr);
        screen->txtprocess_code->setText(QStringLiteral("P10"));
        screen->txtequipment_code->setText(QStringLiteral("EQ1"));
        screen->show();
        screen->lsQuery();
    }
    void TearDown() override {
        screen.reset();
        WorkOrderFixture::TearDown();
    }
    TableRows snapshot() const { return snapshotTables(kTables, &TestEnv::checkRows); }

    std::unique_ptr<frm_S_Jakup> screen;
};
} // namespace

TEST_F(JakupUnsafeInputTest, TheFilterMatchesTextAndNeverFailsOrWrites) {
    // The filter is a LIKE pattern: % and _ keep their wildcard meaning, everything else is
    // matched as written.
    const int expected[] = {1, 0, 1, 1, 3, 3, 0, 0, 3};
    const QStringList texts = hostileTexts();
    ASSERT_EQ(texts.size(), qsizetype(std::size(expected)));
    const TableRows before = snapshot();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        screen->txtPumbun->setText(texts[i]);
        screen->cmd_query->click();
        EXPECT_EQ(screen->grid()->MaxRows(), expected[i]) << texts[i].toStdString();
    }
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(changedTables(before, snapshot()), QStringList());
}

TEST_F(JakupUnsafeInputTest, TheKeyboardTypesCommentsAndLongTextsIntoTheFilterSafely) {
    // The part number keyboard has letters, digits, minus and a point: of the hostile texts it
    // can type the comment marker and an over-long text; a quote it cannot type at all.
    struct Case {
        QStringList keys;
        QString filter;
        int rows;
    };
    const Case cases[] = {
        {{QStringLiteral("Command15"), QStringLiteral("Command15")}, QStringLiteral("--"), 1},
        {{QStringLiteral("cmdn"), QStringLiteral("Command15")}, QStringLiteral("N-"), 2},
        {{QStringLiteral("Command3"), QStringLiteral("Command15"), QStringLiteral("Command15")},
         QStringLiteral(".--"),
         0},
        {QStringList(300, QStringLiteral("cmdx")), QString(300, QLatin1Char('X')), 0}};
    const TableRows before = snapshot();
    for (const Case& c : cases) {
        ScopedModalHandler typing([&c](QDialog& d) {
            for (const QString& key : c.keys + QStringList{QStringLiteral("Command13")}) {
                auto* b = d.findChild<QPushButton*>(key);
                EXPECT_NE(b, nullptr) << key.toStdString();
                if (b)
                    b->click();
            }
            return d.result();
        });
        QTest::mouseClick(screen->txtPumbun, Qt::LeftButton);
        EXPECT_EQ(screen->txtPumbun->text(), c.filter);
        EXPECT_EQ(screen->grid()->MaxRows(), c.rows) << c.filter.toStdString();
    }
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(changedTables(before, snapshot()), QStringList());
}

TEST_F(JakupUnsafeInputTest, AProductWithQuotesAndCommentsIsOrderedAsWritten) {
    const TableRows before = snapshot();
    clsSpread* g = screen->grid();
    for (int r = 1; r <= g->MaxRows(); ++r)
        if (g->TextWithColID(QStringLiteral("품번"), r).startsWith(QLatin1Char('P')))
            g->SetFocus(2, r);
    screen->cmdSave_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(changedTables(before, snapshot()), QStringList{QStringLiteral("B_JAKUPJISI_MASTER")});
    EXPECT_EQ(checkRows(QStringLiteral("SELECT prod_no, cproduct_code, product_code, pumbun "
                                       "FROM B_JAKUPJISI_MASTER")),
              QStringLiteral("20240305001|Q'1--|Q'1--|P'; DELETE FROM B_EMPLOYEE; --"));
    EXPECT_EQ(checkRows(QStringLiteral("SELECT COUNT(*) FROM B_EMPLOYEE")), QStringLiteral("2"));
}

TEST_F(JakupUnsafeInputTest, AStartCopiesCodesWithQuotesAndCommentsIntoTheRunOnly) {
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, "
                                          "equipment_code, end_yn, jisi_date) VALUES "
                                          "('20240305001', '20240305001001', 'EQ1', '1', "
                                          "'2024-03-05')"),
                           QStringLiteral("set-up")));
    const QStringList tables = kTables + QStringList{QStringLiteral("P_SANGSAN_MASTER")};
    const TableRows before = snapshotTables(tables, &TestEnv::checkRows);
    ListSelection s =
        waiting(QStringLiteral("20240305001"), QStringLiteral("EQ1"), QStringLiteral("2024-03-05"));
    s.processCode = QStringLiteral("P'1--");
    s.productCode = QStringLiteral("Q'1--");
    s.employeeNo = QStringLiteral("'; DELETE FROM B_EMPLOYEE; --");
    QString job;
    ASSERT_TRUE(WorkOrderActions::startJob(s, QStringLiteral("frm_S_jakupjisi_list"), &job))
        << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(
        changedTables(before, snapshotTables(tables, &TestEnv::checkRows)),
        (QStringList{QStringLiteral("B_JAKUPJISI_MASTER"), QStringLiteral("P_SANGSAN_MASTER")}));
    EXPECT_EQ(checkRows(QStringLiteral("SELECT op_seq_sub, process_code, product_code, "
                                       "employee_no FROM P_SANGSAN_MASTER")),
              QStringLiteral("20240305001001|P'1--|Q'1--|'; DELETE FROM B_EMPLOYEE; --"));
}
