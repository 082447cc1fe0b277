#include "production/frm_s_lot_select.h"
#include "production/lotstatements.h"
#include "tests/production/lotfixture.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"

#include <QLineEdit>

#include <gtest/gtest.h>

// The lot selection screen opened by a touch on M1's "LOT NO" cell. M1 has lot A (150,
// received first), lot B (100) and the emptied lot Z; M2 has lot C.
class LotSelectTest : public LotTest {
protected:
    frm_S_dayReport* report = nullptr;
    int row = 0;

    void SetUp() override {
        LotTest::SetUp();
        report = openWithGood(
            receipt("M1", QStringLiteral("A"), 150, "2024-02-01") +
                receipt("M1", QStringLiteral("B"), 100) + receipt("M1", QStringLiteral("Z"), 10) +
                issue("M1", QStringLiteral("Z"), 10) + receipt("M2", QStringLiteral("C"), 500),
            QString());
        row = rowOf(report, "M1");
        // The row shows lot B, as a worker may have typed it.
        report->lotSpread()->TextWithColID(QStringLiteral("LOT NO"), row, QStringLiteral("B"));
        windows.clear();
    }

    QString lotOfRow() const {
        return report->lotSpread()->TextWithColID(QStringLiteral("LOT NO"), row);
    }
    QStringList messages() const {
        QStringList m;
        for (const Shown& s : windows)
            if (s.window != QStringLiteral("frm_S_lot_select"))
                m << s.title + QStringLiteral(": ") + s.text;
        return m;
    }

    // Touches the row's "LOT NO" cell and acts on the screen that opens.
    void onLotScreen(const std::function<void(frm_S_lot_select&)>& act) {
        answer = [act](QDialog& d) {
            if (auto* s = qobject_cast<frm_S_lot_select*>(&d))
                act(*s);
        };
        const int col = report->lotSpread()->ColumnNumber(QStringLiteral("LOT NO"));
        touch(report, "LOT NO", row);
        report->sprLot_Click(col, row);
        answer = {};
    }
};

TEST_F(LotSelectTest, TheScreenListsTheMaterialsLotsWithStock) {
    QStringList lots;
    QString hidden;
    onLotScreen([&](frm_S_lot_select& s) {
        const clsSpread& ss = *s.spread();
        for (int r = 1; r <= ss.MaxRows(); ++r)
            lots << ss.TextWithColID(QStringLiteral("LOT NO"), r) + QLatin1Char(' ') +
                        ss.ValueWithColID(QStringLiteral("수량"), r).toString();
        hidden = QStringList{s.lblProduct_code->text(), s.lblOp_seq_sub->text(),
                             s.lblMaterial_code->text(), s.lblLot_no->text()}
                     .join(QLatin1Char(' '));
        QTest::mouseClick(s.Command14, Qt::LeftButton);
    });
    EXPECT_EQ(lots, (utf8List({"A 150", "B 100"})));
    EXPECT_EQ(hidden, QStringLiteral("A %1 M1 B").arg(QLatin1String(kRun1)));
    EXPECT_EQ(lotOfRow(), QStringLiteral("B"));
}

// Scans as a USB scanner types them: the text and Enter into the barcode box.
TEST_F(LotSelectTest, BarcodeForms) {
    const QString notFormat = QStringLiteral("오류: 바코드 형식이 아닙니다. (LOT NO/자재코드)");
    const struct {
        const char* scan;
        const char* lot; // the row's lot afterwards
        QString message;
    } cases[] = {
        {"A/M1", "A", QString()},
        {"*A/M1*", "A", QString()},
        {"A/M1\r", "A", QString()},
        {"A", "B", notFormat},
        {"/M1", "B", notFormat},
        {"Q/M1", "B", QStringLiteral("오류: 재고가 있는 LOT가 아닙니다. (Q)")},
        {"Z/M1", "B", QStringLiteral("오류: 재고가 있는 LOT가 아닙니다. (Z)")},
        {"C/M2", "B", QStringLiteral("오류: 해당제품의 LOT가 아닙니다..")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scan);
        report->lotSpread()->TextWithColID(QStringLiteral("LOT NO"), row, QStringLiteral("B"));
        windows.clear();
        bool open = false;
        QString boxAfter;
        onLotScreen([&](frm_S_lot_select& s) {
            QTest::keyClicks(s.txtBarcode, QString::fromUtf8(c.scan));
            QTest::keyClick(s.txtBarcode, Qt::Key_Return);
            open = !s.result();
            boxAfter = s.txtBarcode->text();
        });
        EXPECT_EQ(lotOfRow(), QString::fromLatin1(c.lot));
        EXPECT_EQ(messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        // A refused scan leaves the screen open with an empty box for the next one.
        EXPECT_EQ(open, !c.message.isEmpty());
        if (!c.message.isEmpty()) {
            EXPECT_EQ(boxAfter, QString());
        }
    }
}

TEST_F(LotSelectTest, FirstInFirstOutQuestionBeforeAYoungerLot) {
    const QString question = QStringLiteral(
        "입력오류: LOT NO (A) 가 먼저 투입 되어야 합니다.\n무시하고 투입 하시겠습니까?");
    const struct {
        const char* pick;
        QMessageBox::StandardButton reply;
        QStringList messages;
        const char* lot;
        const char* stock;
    } cases[] = {
        {"A", QMessageBox::No, {}, "A", "150"},
        {"B", QMessageBox::No, {question}, "B", "150"},
        {"B", QMessageBox::Yes, {question}, "B", "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pick) + (c.reply == QMessageBox::Yes ? " yes" : " no"));
        report->lotSpread()->TextWithColID(QStringLiteral("LOT NO"), row, QStringLiteral("B"));
        report->lotSpread()->ValueWithColID(QStringLiteral("LOT재고"), row, 150);
        windows.clear();
        const QString pick = QString::fromLatin1(c.pick);
        const auto reply = c.reply;
        answer = [pick, reply](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                box->done(reply);
                return;
            }
            auto* s = qobject_cast<frm_S_lot_select*>(&d);
            if (!s)
                return;
            const clsSpread& ss = *s->spread();
            for (int r = 1; r <= ss.MaxRows(); ++r)
                if (ss.TextWithColID(QStringLiteral("LOT NO"), r) == pick)
                    s->spread()->SetFocus(1, r);
            QTest::mouseClick(s->cmdSave, Qt::LeftButton);
        };
        report->sprLot_Click(report->lotSpread()->ColumnNumber(QStringLiteral("LOT NO")), row);
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(lotOfRow(), QString::fromLatin1(c.lot));
        EXPECT_EQ(report->lotSpread()->ValueWithColID(QStringLiteral("LOT재고"), row).toString(),
                  QString::fromLatin1(c.stock));
    }
}

TEST(LotSelectStatements, FirstInFirstOutStatements) {
    EXPECT_EQ(LotSql::lotStart(QStringLiteral("M1"), QStringLiteral("B")),
              QStringLiteral("\nSELECT  MIN(reg_date) as [LOT생성날짜],\n        MIN(IDX) As IDX\n"
                             "From S_PRODUCT_STORE\nwhere product_code = 'M1' and lot_no = 'B'"));
    const QStringList older = LotSql::olderLot(QStringLiteral("2024-03-05"), QStringLiteral("M1"),
                                               QStringLiteral("2024-03-01"), QStringLiteral("7"))
                                  .split(QLatin1Char('\n'));
    EXPECT_EQ(older.value(3), QStringLiteral("Where reg_date <= '2024-03-05' and product_code = "
                                             "'M1'"));
    EXPECT_EQ(older.value(6), QStringLiteral("AND MIN(reg_date) <= '2024-03-01' and MIN(idx) < "
                                             "'7'"));
    EXPECT_EQ(older.value(7), QStringLiteral("ORDER BY MIN(reg_date), MIN(idx)"));
}

TEST_F(LotSelectTest, KeysTypedOnTheGridOrAKeyGoToTheBarcodeBox) {
    onLotScreen([](frm_S_lot_select& s) {
        QTest::keyClicks(s.ss, QStringLiteral("*A/"));
        QTest::keyClicks(s.cmdSave, QStringLiteral("M1*"));
        QTest::keyClick(s.ss, Qt::Key_Return);
    });
    EXPECT_EQ(lotOfRow(), QStringLiteral("A"));
    EXPECT_EQ(messages(), QStringList());
}

// The move sheet prints an output lot of this system, which holds a slash, before the
// material code; the scan of it selects that lot.
TEST_F(LotSelectTest, ScanOfAMoveSheetSelectsItsLot) {
    dbExec(receipt("M1", QStringLiteral("20240210/A"), 30));
    onLotScreen([&](frm_S_lot_select& s) {
        QTest::keyClicks(s.txtBarcode, QStringLiteral("*20240210/A/M1*"));
        QTest::keyClick(s.txtBarcode, Qt::Key_Return);
    });
    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(lotOfRow(), QStringLiteral("20240210/A"));
}

TEST_F(LotSelectTest, ScansWithQuotesCommentsAndWildcardsAreLotsLikeAnyOther) {
    dbExec(receipt("M1", QStringLiteral("L''1--"), 20));
    const QStringList tables = {QStringLiteral("S_PRODUCT_STORE"), QStringLiteral("S_LOT_HISTORY"),
                                QStringLiteral("P_SANGSAN_MASTER"), QStringLiteral("B_EMPLOYEE")};
    const TableRows before = snapshotTables(tables, &TestEnv::checkRows);
    const auto scan = [this](const QString& code) {
        report->lotSpread()->TextWithColID(QStringLiteral("LOT NO"), row, QStringLiteral("B"));
        windows.clear();
        onLotScreen([&](frm_S_lot_select& s) {
            s.txtBarcode->setText(code);
            s.txtBarcode_Enter();
        });
    };
    const QString notFormat = QStringLiteral("오류: 바코드 형식이 아닙니다. (LOT NO/자재코드)");
    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(text.toStdString());
        // As a lot: no stock under that name, the text shown back as it was scanned.
        scan(text + QStringLiteral("/M1"));
        EXPECT_EQ(messages(), QStringList{text.isEmpty() ? notFormat
                                                         : QStringLiteral("오류: 재고가 있는 LOT가 "
                                                                          "아닙니다. (") +
                                                               text + QLatin1Char(')')});
        EXPECT_EQ(lotOfRow(), QStringLiteral("B"));
        // As a material: lot A is in stock only under M1.
        scan(QStringLiteral("A/") + text);
        EXPECT_EQ(messages().size(), 1);
        EXPECT_EQ(lotOfRow(), QStringLiteral("B"));
    }
    // A stocked lot whose name holds a quote and a comment is taken as scanned.
    scan(QStringLiteral("L'1--/M1"));
    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(lotOfRow(), QStringLiteral("L'1--"));
    EXPECT_EQ(changedTables(before, snapshotTables(tables, &TestEnv::checkRows)), QStringList());
}
