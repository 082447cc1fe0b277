// Layout, cell access by type, colours and locking, spans, formulas and the Delete key.
#include "gridfixture.h"

#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadformula.h"
#include "ui/common/spreadheaderview.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {
const QString kYellow = QString::number(255 + 255 * 256 + 192 * 65536);
const QString kWhite = QString::number(255 + 255 * 256 + 255 * 65536);
const QString kGreen = QString::number(213 + 254 * 256 + 175 * 65536);

class CellsTest : public GridTest {};

TEST_F(CellsTest, SetInitEmptiesAndLaysOutTheGrid) {
    layout(2);
    spread->SetText(1, 1, QStringLiteral("A"));
    spread->SetInit(4, 2, 40, 0, 12, true, true, false, QStringLiteral("2"), true);
    EXPECT_EQ(spread->MaxRows(), 4);
    EXPECT_EQ(spread->MaxCols(), 2);
    EXPECT_EQ(spread->GetText(1, 1), QString()); // emptied first
    EXPECT_EQ(ss->spreadModel()->headerRows(), 2);
    EXPECT_EQ(ss->columnHeader()->rowHeight(0), SpreadView::heightPixels(60));
    EXPECT_EQ(ss->spreadModel()->headerFont(0).size, 20);
    EXPECT_TRUE(ss->spreadModel()->headerFont(0).bold);
    EXPECT_EQ(ss->verticalHeader()->defaultSectionSize(), SpreadView::heightPixels(40));
}

TEST_F(CellsTest, ColumnTypeColoursFollowLockedAndHighlighted) {
    spread->SetInit(2, 4, 35, 0, 12, true, true, false, QStringLiteral("1"), true);
    // locked, highlighted, expected colour, expected lock
    struct Case {
        bool locked, highlighted;
        QString colour;
    } cases[] = {{false, false, kYellow},
                 {true, false, kWhite},
                 {false, true, kGreen},
                 {true, true, kGreen}};
    for (int c = 1; c <= 4; ++c) {
        const Case& k = cases[c - 1];
        spread->SetColType(c, QStringLiteral("h"), QStringLiteral("c%1").arg(c), 10, QString(), 1,
                           10, 0, false, 0, 2, false, k.locked, k.highlighted, false);
        SCOPED_TRACE(c);
        EXPECT_EQ(spread->GetColor(c, 2), k.colour);
        EXPECT_EQ(ss->spreadModel()->locked(2, c), k.locked);
        EXPECT_EQ(bool(ss->model()->flags(ss->model()->index(1, c - 1)) & Qt::ItemIsEditable),
                  !k.locked);
    }
    EXPECT_EQ(spread->GetColID(3), QStringLiteral("c3"));
    EXPECT_EQ(spread->ColumnNumber(QStringLiteral("c4")), 4);
    EXPECT_EQ(spread->ColumnNumber(QStringLiteral("none")), -1);
}

TEST_F(CellsTest, SetAllLockPaintsWholeGridIncludingKeyColumns) {
    layout(3);
    spread->SetAllLock(false);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(spread->GetColor(c, 3), kYellow) << c;
        EXPECT_FALSE(ss->spreadModel()->locked(3, c));
    }
    spread->SetAllLock(true);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(spread->GetColor(c, 1), kWhite) << c;
        EXPECT_TRUE(ss->spreadModel()->locked(1, c));
    }
    // A block unlock keeps key columns white; a later single-cell change wins over it.
    spread->SetLock(1, 2, 3, 2, false);
    EXPECT_EQ(spread->GetColor(1, 2), kWhite);
    EXPECT_EQ(spread->GetColor(2, 2), kYellow);
    EXPECT_EQ(spread->GetColor(2, 1), kWhite);
    spread->gsSprPopup(QStringLiteral("qty"), 2, true);
    EXPECT_EQ(spread->GetColor(2, 2), kGreen);
    EXPECT_TRUE(ss->spreadModel()->locked(2, 2));
    spread->SetInsertRow(2, 1);
    EXPECT_EQ(spread->GetColor(1, 2), kYellow);
    EXPECT_FALSE(ss->spreadModel()->locked(2, 1));
}

TEST_F(CellsTest, CellAccessByType) {
    spread->SetInit(1, 8, 35, 0, 12, false, true, false, QStringLiteral("1"), true);
    const int types[] = {0, 1, 7, 8, 9, 10, 12, 13};
    for (int c = 1; c <= 8; ++c)
        spread->SetColType(c, QString(), QStringLiteral("t%1").arg(types[c - 1]), 10, QString(),
                           types[c - 1], 9, 1, true, 0, 2, false, false, false, false);
    // Empty cells: numbers read 0 by value, text reads empty.
    EXPECT_EQ(spread->ValueWithColID(QStringLiteral("t13"), 1), QVariant(0));
    EXPECT_EQ(spread->ValueWithColID(QStringLiteral("t12"), 1), QVariant(0));
    EXPECT_EQ(spread->ValueWithColID(QStringLiteral("t1"), 1).toString(), QString());

    struct Case {
        const char* id;
        QString written;  // through SetCellText
        QString value;    // GetValue afterwards
        QString cellText; // GetCellText afterwards
    } cases[] = {
        {"t1", QStringLiteral("가나"), QStringLiteral("가나"), QStringLiteral("가나")},
        {"t7", QStringLiteral("인쇄"), QStringLiteral("인쇄"),
         QString()}, // caption; button reads empty
        {"t13", QStringLiteral("1234.56"), QStringLiteral("1234.6"),
         QStringLiteral("1234.6")},                                   // rounded to 1 place
        {"t13", QString(), QStringLiteral("0"), QStringLiteral("0")}, // empty puts 0
        {"t10", QStringLiteral("1"), QString(), QString()},           // check box unchanged
        {"t0", QStringLiteral("2024-03-05"), QString(), QString()},   // date unchanged
        {"t12", QStringLiteral("5"), QString(), QString()},           // currency unchanged
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.id);
        const QString id = QString::fromLatin1(k.id);
        spread->SetCellText(id, 1, k.written);
        EXPECT_EQ(spread->GetValue(spread->ColumnNumber(id), 1), k.value);
        EXPECT_EQ(spread->GetCellText(id, 1), k.cellText);
    }
    // Number cells show digits, decimals and separator; value stays plain.
    spread->TextWithColID(QStringLiteral("t13"), 1, QStringLiteral("1,234,567.25"));
    EXPECT_EQ(spread->TextWithColID(QStringLiteral("t13"), 1), QStringLiteral("1,234,567.3"));
    EXPECT_EQ(spread->ValueWithColID(QStringLiteral("t13"), 1).toString(),
              QStringLiteral("1234567.3"));
    // Above nine digits is refused and the old value stays.
    spread->TextWithColID(QStringLiteral("t13"), 1, QStringLiteral("1234567890"));
    EXPECT_EQ(spread->ValueWithColID(QStringLiteral("t13"), 1).toString(),
              QStringLiteral("1234567.3"));
    // Check box and combo give their value / displayed text.
    spread->ValueWithColID(QStringLiteral("t10"), 1, 1);
    EXPECT_EQ(spread->GetCellText(QStringLiteral("t10"), 1), QStringLiteral("1"));
    EXPECT_EQ(ss->model()->index(0, 5).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    spread->SetCboAddList(4, 1, QStringLiteral("주간\t야간"), 10);
    spread->SetCboAddList(4, 1, QStringLiteral("  "), 0); // blank list leaves it
    EXPECT_EQ(ss->spreadModel()->comboList(1, 4),
              (QStringList{QStringLiteral("주간"), QStringLiteral("야간")}));
    spread->TextWithColID(QStringLiteral("t8"), 1, QStringLiteral("야간"));
    EXPECT_EQ(spread->GetCellText(QStringLiteral("t8"), 1), QStringLiteral("야간"));
    // Picture cells keep the picture and read empty as text.
    QPixmap pic(4, 2);
    pic.fill(Qt::red);
    spread->PicWithColID(QStringLiteral("t9"), 1, pic);
    EXPECT_EQ(spread->PicWithColID(QStringLiteral("t9"), 1).size(), QSize(4, 2));
    EXPECT_EQ(spread->GetCellText(QStringLiteral("t9"), 1), QString());
    // Unknown IDs read empty and write nothing.
    spread->TextWithColID(QStringLiteral("nope"), 1, QStringLiteral("x"));
    EXPECT_EQ(spread->GetText(0, 1), QString());
}

TEST_F(CellsTest, HeaderRowsSpansAndNotes) {
    spread->SetInit(2, 4, 35, 0, 12, false, true, false, QStringLiteral("2"), true);
    for (int c = 1; c <= 4; ++c)
        spread->SetColType(c, QStringLiteral("h%1").arg(c), QStringLiteral("c%1").arg(c), 10,
                           QString(), 13, 60, 0, true, 1, 2, false, true, false, false, QColor(),
                           QStringLiteral("-999"));
    spread->SPCellSpan(QStringLiteral("1"), 2, QStringLiteral("전월"), QStringLiteral("-1000"),
                       QStringLiteral("1"));
    spread->SPCellSpan(QStringLiteral("3"), 1, QStringLiteral("비고"), QStringLiteral("-1000"),
                       QStringLiteral("2"));
    EXPECT_EQ(spread->GetText(1, -1000), QStringLiteral("전월"));
    EXPECT_EQ(spread->GetText(2, -999), QStringLiteral("h2"));
    const auto* span = ss->spreadModel()->headerSpanAt(0, 2);
    ASSERT_NE(span, nullptr);
    EXPECT_EQ(span->col, 1);
    EXPECT_EQ(span->cols, 2);
    EXPECT_NE(ss->spreadModel()->headerSpanAt(1, 3), nullptr);
    EXPECT_EQ(ss->columnHeader()->sizeHint().height(),
              ss->columnHeader()->rowHeight(0) + ss->columnHeader()->rowHeight(1));
    // Data span: joined in the view, text in its first cell; it moves with inserted rows.
    spread->SPCellSpan(QStringLiteral("1"), 2, QStringLiteral("1500"), QStringLiteral("2"),
                       QStringLiteral("1"));
    EXPECT_EQ(ss->columnSpan(1, 0), 2);
    EXPECT_EQ(spread->GetText(1, 2), QStringLiteral("1,500"));
    spread->OneAddRow(1);
    EXPECT_EQ(ss->columnSpan(2, 0), 2);
    EXPECT_EQ(ss->columnSpan(1, 0), 1);
    spread->SetCellNote(2, 1, QStringLiteral("메모"));
    EXPECT_EQ(spread->GetCellNote(2, 1), QStringLiteral("메모"));
    EXPECT_EQ(ss->model()->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("메모"));
}

TEST_F(CellsTest, FormulasSumTheirRangeAndFollowChanges) {
    spread->SetInit(4, 3, 35, 0, 12, false, true, false, QStringLiteral("1"), true);
    for (int c = 1; c <= 3; ++c)
        spread->SetColType(c, QString(), QStringLiteral("c%1").arg(c), 10, QString(), 13, 60, 0,
                           true, 1, 2, false, false, false, false);
    for (int r = 1; r <= 3; ++r) {
        spread->SetValue(1, r, r * 10);
        spread->SetValue(2, r, r);
    }
    const QString col = clsSpread::ColumnLetter(1);
    spread->SetFormula(
        1, 4, QStringLiteral("SUM(") + col + QStringLiteral("1 :") + col + QStringLiteral("3)"));
    spread->SetFormula(3, 1, QStringLiteral("SUM(A1 :B1)"));
    spread->SetFormula(3, 2, QStringLiteral("1500"));
    EXPECT_EQ(spread->GetValue(1, 4), QStringLiteral("60"));
    EXPECT_EQ(spread->GetValue(3, 1), QStringLiteral("11"));
    EXPECT_EQ(spread->GetValue(3, 2), QStringLiteral("1500"));
    EXPECT_EQ(spread->GetText(3, 2), QStringLiteral("1,500"));
    spread->SetValue(1, 2, 25);
    EXPECT_EQ(spread->GetValue(1, 4), QStringLiteral("65"));

    struct Letter {
        int col;
        const char* letters;
    } letters[] = {{1, "A"},   {26, "Z"},  {27, "AA"},  {34, "AH"},
                   {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}};
    for (const Letter& l : letters) {
        EXPECT_EQ(clsSpread::ColumnLetter(l.col), QString::fromLatin1(l.letters));
        EXPECT_EQ(SpreadFormula::columnFromLetters(QString::fromLatin1(l.letters)), l.col);
    }
    EXPECT_FALSE(SpreadFormula::evaluate(QStringLiteral("SUM(A1 :"), [](int, int) { return 1.0; }));
}

TEST_F(CellsTest, DeleteClearsOnlyAnUnlockedCellNotBeingEdited) {
    layout(1);
    spread->SetText(1, 1, QStringLiteral("K1"));
    spread->SetText(2, 1, QStringLiteral("5"));
    spread->SetText(3, 1, QStringLiteral("memo"));
    ss->show();
    // Locked key cell: nothing.
    spread->SetFocus(1, 1);
    QTest::keyClick(ss, Qt::Key_Delete);
    EXPECT_EQ(spread->GetText(1, 1), QStringLiteral("K1"));
    // Unlocked cell: cleared.
    spread->SetFocus(2, 1);
    QTest::keyClick(ss, Qt::Key_Delete);
    EXPECT_EQ(spread->GetValue(2, 1), QString());
    // Cell being edited: the key goes to the editor, the cell keeps its value.
    spread->SetFocus(3, 1);
    ss->startEditing();
    ASSERT_TRUE(ss->isEditing());
    QTest::keyClick(ss, Qt::Key_Delete);
    EXPECT_EQ(spread->GetValue(3, 1), QStringLiteral("memo"));
}

TEST_F(CellsTest, ButtonCellsReportPressAndRelease) {
    spread->SetInit(2, 1, 35, 0, 12, false, true, false, QStringLiteral("1"), true);
    spread->SetColType(1, QString(), QStringLiteral("btn"), 10, QString(), 7, 0, 0, false, 2, 2,
                       false, true, false, false);
    spread->SetCellText(QStringLiteral("btn"), 2, QStringLiteral("인쇄"));
    ss->resize(400, 300);
    ss->show();
    QList<QList<int>> clicks;
    QObject::connect(ss, &SpreadView::buttonClicked, ss, [&](int c, int r, int down) {
        clicks << QList<int>{c, r, down};
    });
    const QRect cell = ss->visualRect(ss->model()->index(1, 0));
    QTest::mouseClick(ss->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(clicks, (QList<QList<int>>{{1, 2, 1}, {1, 2, 0}}));
    EXPECT_EQ(spread->ActiveRow(), 2);
}

TEST_F(CellsTest, BlinkingFlipsMatchingCellsOnly) {
    layout(3);
    spread->SetText(3, 1, QStringLiteral("NG"));
    spread->SetText(3, 2, QStringLiteral("OK"));
    QTimer timer(screen.get());
    spread->setUseTimer(&timer);
    spread->SetTwinkle(3, QStringLiteral("NG"));
    spread->EnableTimer(true);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 1000);
    const QString before = spread->GetColor(3, 2);
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(spread->GetColor(3, 1), QString::number(255));
    EXPECT_EQ(spread->GetForeColor(3, 1), kWhite);
    EXPECT_EQ(spread->GetColor(3, 2), before);
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(spread->GetColor(3, 1), kWhite);
    EXPECT_EQ(spread->GetForeColor(3, 1), QStringLiteral("0"));
    spread->EnableTimer(false);
    EXPECT_FALSE(timer.isActive());
}
} // namespace

namespace {
TEST_F(CellsTest, TypingReplacesContentAndEnterMovesDown) {
    layout(2);
    spread->SetText(3, 1, QStringLiteral("old"));
    ss->show();
    QList<int> keys;
    QObject::connect(ss, &SpreadView::keyDown, ss, [&](int k) { keys << k; });
    spread->SetFocus(3, 1);
    QTest::keyClick(ss, Qt::Key_A); // the first key opens the editor with itself as content
    ASSERT_TRUE(ss->isEditing());
    auto* editor = ss->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_B);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(ss->isEditing());
    EXPECT_EQ(spread->GetText(3, 1), QStringLiteral("ab"));
    EXPECT_EQ(spread->ActiveRow(), 2);
    EXPECT_EQ(keys, (QList<int>{'A', 'B', 13}));
    // A number cell refuses letters in its editor.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed editor goes
    spread->SetFocus(2, 2);
    QTest::keyClick(ss, Qt::Key_1);
    editor = ss->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("x2"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(spread->GetValue(2, 2), QStringLiteral("12"));
}

TEST_F(CellsTest, RowSettingsShadingAndHiding) {
    layout(6);
    spread->ShadedRow(3);
    const QString grey = QString::number(224 + 224 * 256 + 224 * 65536);
    EXPECT_EQ(spread->GetColor(3, 3), grey);
    EXPECT_EQ(spread->GetColor(1, 6), grey);
    EXPECT_NE(spread->GetColor(3, 4), grey);
    spread->ShadedRow(0); // no row is a multiple of 0: nothing, no failure
    spread->SetRowHidden2(2, 4, true);
    EXPECT_TRUE(ss->isRowHidden(1));
    EXPECT_TRUE(ss->isRowHidden(3));
    EXPECT_FALSE(ss->isRowHidden(4));
    spread->SetRowType(5, QStringLiteral("합계"), 40, 13, 9, 1, true, 1, 2, false);
    EXPECT_EQ(spread->GetText(-1000, 5), QStringLiteral("합계"));
    EXPECT_EQ(spread->GetCellType(3, 5), 13);
    spread->SetText(3, 5, QStringLiteral("1234.56"));
    EXPECT_EQ(spread->GetText(3, 5), QStringLiteral("1,234.6"));
    EXPECT_EQ(ss->rowHeight(4), SpreadView::heightPixels(40));
}
} // namespace
