// The defect entry (frm_S_badqty) against a plant database: the codes allowed for the run's
// process with its quantities, the two boxes and their colour, the keypad, and the save of
// the rows with the run's total.
#include "tests/production/entryfixture.h"
#include "tests/support/faultsweep.h"
#include "tests/support/hostiletexts.h"

#include "production/frm_s_badqty.h"

#include <QLineEdit>

#include <functional>
#include <memory>

namespace {
// P10 allows D01 and D02; D03 belongs to P20 only. Run R1 has 2 of D01 and 4 of D02, run R2
// has 4 of D02.
const QString kRows = QStringLiteral(
    "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D01', N'버'), "
    "('D02', N'미성형'), ('D03', N'찍힘');\n"
    "INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P10', 'D01'), "
    "('P10', 'D02'), ('P20', 'D03');\n"
    "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty, bigo) VALUES "
    "('R1', 'D01', 2, N'메모'), ('R1', 'D02', 4, NULL), ('R2', 'D02', 4, NULL);\n"
    "INSERT INTO P_SANGSAN_MASTER (op_seq_sub, qty, bad_qty) VALUES ('R1', 100, 6), "
    "('R2', 100, 4);");

const QString kQuantity = QStringLiteral("수량");
const QString kCode = QStringLiteral("부적합코드");

class BadqtyTest : public EntryFixture {
protected:
    void SetUp() override {
        EntryFixture::SetUp();
        open(kRows);
        screen = std::make_unique<frm_S_badqty>(nullptr);
        load(QStringLiteral("R1"), QStringLiteral("5"));
    }
    void TearDown() override {
        screen.reset();
        EntryFixture::TearDown();
    }
    void load(const QString& run, const QString& badCnt, const QString& process = u"P10"_qs) {
        screen->lblOp_seq_sub->setText(run);
        screen->lblWC_code->setText(process);
        screen->lblProduct_code->setText(QStringLiteral("A-100"));
        screen->lblEquipment_code->setText(QStringLiteral("EQ1"));
        screen->lblBad_Cnt->setText(badCnt);
        screen->show();
        screen->lsQuery();
    }
    int row(const char* code) const { return rowOf(screen->grid(), kCode, QLatin1String(code)); }
    QString boxes() const {
        const QColor c = screen->txtBad_cnt->palette().color(QPalette::Text);
        return screen->txtBad_Total_cnt->text() + QLatin1Char('|') + screen->txtBad_cnt->text() +
               QLatin1Char('|') + c.name();
    }
    static QString stored() {
        return q(QStringLiteral("SELECT op_seq_sub, processbad_code, bad_qty FROM P_BADQTY ORDER "
                                "BY op_seq_sub, processbad_code")) +
               QLatin1Char('/') +
               q(QStringLiteral("SELECT bad_qty FROM P_SANGSAN_MASTER ORDER BY op_seq_sub"));
    }

    std::unique_ptr<frm_S_badqty> screen;
};
} // namespace

TEST_F(BadqtyTest, TheProcesssCodesByNameWithTheRunsQuantities) {
    clsSpread* g = screen->grid();
    EXPECT_EQ(shownRows(g),
              (QStringList{QStringLiteral("미성형|4|"), QStringLiteral("버|2|메모")}));
    EXPECT_EQ(g->MaxCols(), 8);
    for (int c = 1; c <= 5; ++c)
        EXPECT_TRUE(g->Spr()->isColumnHidden(c - 1)) << c;
    EXPECT_EQ(g->TextWithColID(QStringLiteral("공정코드"), 1), QStringLiteral("P10"));
    load(QStringLiteral("R2"), QStringLiteral("4"));
    EXPECT_EQ(shownRows(g), (QStringList{QStringLiteral("미성형|4|"), QStringLiteral("버|0|")}));
    load(QStringLiteral("R1"), QStringLiteral("0"), QStringLiteral("P99"));
    EXPECT_EQ(g->MaxRows(), 0);
}

TEST_F(BadqtyTest, BoxesShowTheEnteredSumAndTheRestRedWhenNegative) {
    struct Case {
        QString badCnt;
        QString boxes;
    };
    const Case cases[] = {{QStringLiteral("5"), QStringLiteral("6|-1|#ff0000")},
                          {QStringLiteral("6"), QStringLiteral("6|0|#000000")},
                          {QStringLiteral("10"), QStringLiteral("6|4|#000000")},
                          {QString(), QStringLiteral("6|-6|#ff0000")}};
    for (const Case& c : cases) {
        load(QStringLiteral("R1"), c.badCnt);
        EXPECT_EQ(boxes(), c.boxes) << c.badCnt.toStdString();
    }
    // Sums beyond 16 bits.
    gfEXEC_SQL(QStringLiteral("UPDATE P_BADQTY SET bad_qty = 40000 WHERE op_seq_sub = 'R1'"),
               QStringLiteral("set-up"));
    load(QStringLiteral("R1"), QStringLiteral("100000"));
    EXPECT_EQ(boxes(), QStringLiteral("80000|20000|#000000"));
    // The boxes are not recomputed while the worker edits.
    touch(screen->grid(), kQuantity, row("D01"),
          {QStringLiteral("cmd9"), QStringLiteral("Command13")});
    EXPECT_EQ(screen->grid()->TextWithColID(kQuantity, row("D01")), QStringLiteral("9"));
    EXPECT_EQ(boxes(), QStringLiteral("80000|20000|#000000"));
}

TEST_F(BadqtyTest, SaveWritesTheRowsAndTheRunsTotal) {
    load(QStringLiteral("R2"), QStringLiteral("4"));
    clsSpread* g = screen->grid();
    touch(g, kQuantity, row("D01"), {QStringLiteral("cmd2"), QStringLiteral("Command13")});
    touch(g, kQuantity, row("D02"), {QStringLiteral("cmd0"), QStringLiteral("Command13")});
    // A touch elsewhere opens no keypad.
    keypads = 0;
    touch(g, QStringLiteral("부적합명"), row("D01"), {});
    EXPECT_EQ(keypads, 0);
    g->TextWithColID(QStringLiteral("비고"), row("D01"), QStringLiteral("버 'A'"));
    qint64 total = 0;
    QString refusal;
    const QStringList batch = screen->saveBatch(&total, &refusal);
    ASSERT_EQ(batch.size(), 3);
    EXPECT_TRUE(batch[0].startsWith(QStringLiteral("\n    DELETE  P_BADQTY"))); // D02, by name
    EXPECT_TRUE(batch[1].startsWith(QStringLiteral("\nINSERT INTO P_BADQTY")));
    EXPECT_TRUE(batch[2].startsWith(QStringLiteral("\nUPDATE P_SM")));
    screen->cmdSave->click();
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->lblBad_Cnt->text(), QStringLiteral("2"));
    EXPECT_EQ(stored(), QStringLiteral("R1|D01|2;R1|D02|4;R2|D01|2/6;2"));
    EXPECT_EQ(q(QStringLiteral("SELECT prod_no, seq, op_seq, process_code, equipment_code, bigo, "
                               "product_code, employee_no, last_date, last_time, user_id FROM "
                               "P_BADQTY WHERE op_seq_sub = 'R2'")),
              QStringLiteral("||R2|P10|EQ1|버 'A'|A-100|E07|2024-03-05|100000|E07"));

    // Saving again updates the stored code.
    load(QStringLiteral("R2"), QStringLiteral("2"));
    touch(g, kQuantity, row("D01"), {QStringLiteral("cmd5"), QStringLiteral("Command13")});
    screen->cmdSave->click();
    EXPECT_EQ(screen->lblBad_Cnt->text(), QStringLiteral("5"));
    EXPECT_EQ(stored(), QStringLiteral("R1|D01|2;R1|D02|4;R2|D01|5/6;5"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BadqtyTest, RefusedAndFailedSavesWriteNothingAndKeepTheScreen) {
    struct Case {
        const char* why;
        std::function<void()> arrange;
        QStringList messages;
    };
    const QString before = stored();
    const Case cases[] = {
        {"a quantity beyond 32 bits",
         [this] { screen->grid()->ValueWithColID(kQuantity, row("D01"), 3000000000LL); },
         {QStringLiteral("버: 수량은 0 이상의 정수로 입력하십시오.")}},
        {"a total beyond 32 bits",
         [this] {
             screen->grid()->ValueWithColID(kQuantity, row("D01"), 2000000000);
             screen->grid()->ValueWithColID(kQuantity, row("D02"), 2000000000);
         },
         {QStringLiteral("불량 수량의 합계가 너무 큽니다.")}},
        {"the total's update fails",
         [this] {
             execNative(dbFile(), QStringLiteral("CREATE TRIGGER no_total BEFORE UPDATE ON "
                                                 "P_SANGSAN_MASTER BEGIN SELECT RAISE(ABORT, "
                                                 "'refused'); END"));
             screen->grid()->ValueWithColID(kQuantity, row("D01"), 0);
         },
         {}},
    };
    for (const Case& c : cases) {
        load(QStringLiteral("R1"), QStringLiteral("5"));
        c.arrange();
        messages.clear();
        screen->cmdSave->click();
        EXPECT_EQ(messages, c.messages) << c.why;
        EXPECT_TRUE(screen->isVisible()) << c.why;
        EXPECT_EQ(screen->lblBad_Cnt->text(), QStringLiteral("5")) << c.why;
        EXPECT_EQ(stored(), before) << c.why;
    }
    EXPECT_EQ(notifier.shown.size(), 1);
}

TEST_F(BadqtyTest, WithoutCodesForTheProcessSaveClosesAndKeepsTheShownQuantity) {
    load(QStringLiteral("R1"), QStringLiteral("6"), QStringLiteral("P99"));
    const QString before = stored();
    screen->cmdSave->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->lblBad_Cnt->text(), QStringLiteral("6"));
    EXPECT_EQ(stored(), before);
}

TEST_F(BadqtyTest, RemarksAndCodesWithQuotesAndCommentsAreSavedAsWritten) {
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO B_PROCESSBAD (processbad_code, "
                                          "processbad_name) VALUES ('D''9--', N'''; DELETE FROM "
                                          "B_EMPLOYEE; --');\n"
                                          "INSERT INTO B_PROCESSBAD1 (process_code, "
                                          "processbad_code) VALUES ('P10', 'D''9--')"),
                           QStringLiteral("set-up")));
    const QString masters = q(QStringLiteral("SELECT * FROM B_PROCESSBAD")) +
                            q(QStringLiteral("SELECT * FROM B_PROCESSBAD1"));
    clsSpread* g = screen->grid();
    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(text.toStdString());
        load(QStringLiteral("R2"), QStringLiteral("4"));
        touch(g, kQuantity, row("D'9--"), {QStringLiteral("cmd3"), QStringLiteral("Command13")});
        g->TextWithColID(QStringLiteral("비고"), row("D'9--"), text);
        const QString shown = g->TextWithColID(QStringLiteral("비고"), row("D'9--"));
        EXPECT_TRUE(text.startsWith(shown));
        screen->cmdSave->click();
        EXPECT_EQ(screen->result(), QDialog::Accepted);
        EXPECT_EQ(q(QStringLiteral("SELECT processbad_code, bad_qty, bigo FROM P_BADQTY WHERE "
                                   "op_seq_sub = 'R2' AND bad_qty > 0 ORDER BY processbad_code")),
                  QStringLiteral("D'9--|3|") + shown + QStringLiteral(";D02|4|"));
        EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_BADQTY WHERE op_seq_sub = 'R1'")),
                  QStringLiteral("2"));
    }
    EXPECT_EQ(q(QStringLiteral("SELECT * FROM B_PROCESSBAD")) +
                  q(QStringLiteral("SELECT * FROM B_PROCESSBAD1")),
              masters);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(BadqtyTest, EveryStatementOfTheSaveFailsItAsAWhole) {
    FaultSweep sweep(dbFile());
    sweep.run({[this] {
                   load(QStringLiteral("R2"), QStringLiteral("4"));
                   screen->grid()->ValueWithColID(kQuantity, row("D01"), 2);
                   screen->grid()->ValueWithColID(kQuantity, row("D02"), 0);
                   notifier.shown.clear();
               },
               [this] { screen->cmdSave->click(); },
               [this](const std::string& where) {
                   EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                       << where;
                   EXPECT_TRUE(screen->isVisible()) << where;
                   EXPECT_EQ(screen->lblBad_Cnt->text(), QStringLiteral("4")) << where;
               }});
}
