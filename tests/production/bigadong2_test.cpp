// The downtime entry (frm_S_bigadong2) against a plant database: every code with the run's
// minutes, the keypad on the minutes column, and the save's inserts, updates and deletes.
#include "tests/production/entryfixture.h"
#include "tests/support/faultsweep.h"
#include "tests/support/hostiletexts.h"

#include "production/frm_s_bigadong2.h"

#include <functional>
#include <memory>

namespace {
// Run R1 has 20 minutes for B02 and a timed stop (no code); run R2 has 5 minutes for B01.
const QString kRows = QStringLiteral(
    "INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B01', N'금형교체'), "
    "('B02', N'자재대기'), ('B03', N'설비고장');\n"
    "INSERT INTO P_BIGADONG (op_seq, op_seq_sub, equipment_code, bigadong_code, min, "
    "employee_su, biga_date, sdate, stime) VALUES "
    "('R1', 'R1', 'EQ1', 'B02', 20, 1, '2024-03-04', NULL, NULL), "
    "('R1', 'R1', 'EQ1', '', 12, NULL, '2024-03-04', '2024-03-05', '08:00'), "
    "('R2', 'R2', 'EQ1', 'B01', 5, 1, '2024-03-04', NULL, NULL);");

const QString kMinutes = QStringLiteral("분");
const QString kCode = QStringLiteral("비가동코드");

class Bigadong2Test : public EntryFixture {
protected:
    void SetUp() override {
        EntryFixture::SetUp();
        open(kRows);
        screen = std::make_unique<frm_S_bigadong2>(nullptr);
        screen->lblOp_seq_sub->setText(QStringLiteral("R1"));
        screen->lblProduct_code->setText(QStringLiteral("A-100"));
        screen->lblprocess_code->setText(QStringLiteral("P10"));
        screen->lblEquipment_code->setText(QStringLiteral("EQ1"));
        screen->lblEmployee_su->setText(QStringLiteral("2"));
        screen->show();
        screen->lsQuery();
    }
    void TearDown() override {
        screen.reset();
        EntryFixture::TearDown();
    }
    int row(const char* code) const { return rowOf(screen->grid(), kCode, QLatin1String(code)); }
    static QString stored() {
        return q(QStringLiteral("SELECT op_seq_sub, bigadong_code, min FROM P_BIGADONG ORDER BY "
                                "op_seq_sub, bigadong_code"));
    }

    std::unique_ptr<frm_S_bigadong2> screen;
};
} // namespace

TEST_F(Bigadong2Test, EveryCodeShowsTheRunsMinutes) {
    clsSpread* g = screen->grid();
    EXPECT_EQ(shownRows(g),
              (QStringList{QStringLiteral("금형교체|0"), QStringLiteral("자재대기|20"),
                           QStringLiteral("설비고장|0")}));
    EXPECT_EQ(g->MaxCols(), 6);
    for (int c = 1; c <= 4; ++c)
        EXPECT_TRUE(g->Spr()->isColumnHidden(c - 1)) << c;
    EXPECT_EQ(g->TextWithColID(QStringLiteral("생산실적순번"), 1), QStringLiteral("R1"));
    EXPECT_EQ(g->TextWithColID(QStringLiteral("제품코드"), 1), QStringLiteral("A-100"));
    EXPECT_TRUE(g->TextWithColID(QStringLiteral("idx"), row("B01")).isEmpty());
    EXPECT_FALSE(g->TextWithColID(QStringLiteral("idx"), row("B02")).isEmpty());
}

TEST_F(Bigadong2Test, KeypadOnTheMinutesColumnOnly) {
    clsSpread* g = screen->grid();
    struct Case {
        QString colId;
        QStringList keys;
        int keypadsShown;
        QString minutes;
    };
    const Case cases[] = {
        {kMinutes,
         {QStringLiteral("cmd1"), QStringLiteral("cmd5"), QStringLiteral("Command13")},
         1,
         QStringLiteral("15")},
        {kMinutes, {QStringLiteral("cmd9"), QStringLiteral("Command14")}, 1, QStringLiteral("15")},
        {QStringLiteral("비가동명"), {}, 0, QStringLiteral("15")},
    };
    for (const Case& c : cases) {
        keypads = 0;
        touch(g, c.colId, row("B01"), c.keys);
        EXPECT_EQ(keypads, c.keypadsShown) << c.colId.toStdString();
        EXPECT_EQ(g->TextWithColID(kMinutes, row("B01")), c.minutes) << c.colId.toStdString();
    }
}

TEST_F(Bigadong2Test, SaveInsertsUpdatesAndDeletesPerCode) {
    clsSpread* g = screen->grid();
    // 15 for a code without a row, 0 for the code with one; B03 untouched.
    touch(g, kMinutes, row("B01"),
          {QStringLiteral("cmd1"), QStringLiteral("cmd5"), QStringLiteral("Command13")});
    touch(g, kMinutes, row("B02"), {QStringLiteral("cmd0"), QStringLiteral("Command13")});
    QString refusal;
    const QStringList batch = screen->saveBatch(&refusal);
    ASSERT_EQ(batch.size(), 3);
    EXPECT_TRUE(batch[0].startsWith(QStringLiteral("\nINSERT INTO P_BIGADONG")));
    EXPECT_TRUE(batch[1].startsWith(QStringLiteral("\n    DELETE  P_BIGADONG")));
    EXPECT_TRUE(batch[2].contains(QStringLiteral("and bigadong_code = 'B03'")));
    screen->cmdSave->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(stored(), QStringLiteral("R1||12;R1|B01|15;R2|B01|5"));
    EXPECT_EQ(q(QStringLiteral("SELECT prod_no, seq, op_seq, employee_su, equipment_code, bigo, "
                               "biga_date, last_date, last_time, user_id, sdate IS NULL FROM "
                               "P_BIGADONG WHERE bigadong_code = 'B01' AND op_seq_sub = 'R1'")),
              QStringLiteral("||R1|2|EQ1||2024-03-05|2024-03-05|100000|E07|1"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Bigadong2Test, SaveWithoutChangesUpdatesTheStoredCodeAndDeletesNothing) {
    QString refusal;
    const QStringList batch = screen->saveBatch(&refusal);
    ASSERT_EQ(batch.size(), 3);
    EXPECT_TRUE(batch[0].startsWith(QStringLiteral("\n    DELETE  P_BIGADONG")));
    EXPECT_TRUE(batch[1].startsWith(QStringLiteral("\n    UPDATE  P_BIGADONG")));
    EXPECT_TRUE(batch[2].startsWith(QStringLiteral("\n    DELETE  P_BIGADONG")));
    screen->cmdSave->click();
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(stored(), QStringLiteral("R1||12;R1|B02|20;R2|B01|5"));
    EXPECT_EQ(q(QStringLiteral("SELECT employee_su, biga_date, user_id FROM P_BIGADONG WHERE "
                               "bigadong_code = 'B02'")),
              QStringLiteral("2|2024-03-05|E07"));
}

TEST_F(Bigadong2Test, RefusedAndFailedSavesWriteNothingAndKeepTheScreen) {
    struct Case {
        const char* why;
        std::function<void()> arrange;
        QStringList messages;
    };
    const Case cases[] = {
        {"crew size not a number",
         [this] { screen->lblEmployee_su->setText(QStringLiteral("2명")); },
         {QStringLiteral("작업 인원이 숫자가 아닙니다: 2명")}},
        {"minutes beyond 32 bits",
         [this] { screen->grid()->ValueWithColID(kMinutes, row("B01"), 3000000000LL); },
         {QStringLiteral("금형교체: 분은 0 이상의 정수로 입력하십시오.")}},
        {"the insert fails",
         [this] {
             execNative(dbFile(), QStringLiteral("CREATE TRIGGER no_insert BEFORE INSERT ON "
                                                 "P_BIGADONG BEGIN SELECT RAISE(ABORT, "
                                                 "'refused'); END"));
             screen->grid()->ValueWithColID(kMinutes, row("B03"), 7);
         },
         {}},
    };
    for (const Case& c : cases) {
        screen->lsQuery();
        screen->grid()->ValueWithColID(kMinutes, row("B02"), 0);
        c.arrange();
        messages.clear();
        screen->cmdSave->click();
        EXPECT_EQ(messages, c.messages) << c.why;
        EXPECT_TRUE(screen->isVisible()) << c.why;
        EXPECT_EQ(stored(), QStringLiteral("R1||12;R1|B02|20;R2|B01|5")) << c.why;
        screen->lblEmployee_su->setText(QStringLiteral("2"));
    }
    EXPECT_EQ(notifier.shown.size(), 1);
}

TEST_F(Bigadong2Test, TextsThatAreNoNumbersAreRefusedAndQuotedCodesSaved) {
    const QString before = stored();
    for (const QString& text : hostileTexts()) {
        if (text.isEmpty())
            continue;
        SCOPED_TRACE(text.toStdString());
        for (bool crew : {true, false}) {
            screen->lsQuery();
            screen->lblEmployee_su->setText(crew ? text : QStringLiteral("2"));
            if (!crew)
                screen->grid()->ValueWithColID(kMinutes, row("B01"), text);
            messages.clear();
            screen->cmdSave->click();
            EXPECT_EQ(
                messages,
                QStringList{crew ? QStringLiteral("작업 인원이 숫자가 아닙니다: ") + text
                                 : QStringLiteral("금형교체: 분은 0 이상의 정수로 입력하십시오.")})
                << crew;
            EXPECT_TRUE(screen->isVisible());
            EXPECT_EQ(stored(), before);
        }
    }
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) "
                                          "VALUES ('B''9--', N'''; DELETE FROM B_EMPLOYEE; --')"),
                           QStringLiteral("set-up")));
    screen->lblEmployee_su->setText(QStringLiteral("2"));
    screen->lsQuery();
    screen->grid()->ValueWithColID(kMinutes, row("B'9--"), 9);
    messages.clear();
    screen->cmdSave->click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(stored(), QStringLiteral("R1||12;R1|B'9--|9;R1|B02|20;R2|B01|5"));
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_F(Bigadong2Test, EveryStatementOfTheSaveFailsItAsAWhole) {
    FaultSweep sweep(dbFile());
    sweep.run({[this] {
                   screen->show();
                   screen->lsQuery();
                   screen->grid()->ValueWithColID(kMinutes, row("B01"), 15);
                   screen->grid()->ValueWithColID(kMinutes, row("B02"), 0);
                   notifier.shown.clear();
               },
               [this] { screen->cmdSave->click(); },
               [this](const std::string& where) {
                   EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                       << where;
                   EXPECT_TRUE(screen->isVisible()) << where;
               }});
}
