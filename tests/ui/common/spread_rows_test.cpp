// Row-state marks, row operations and the checks before saving.
#include "gridfixture.h"

namespace {
const QString kNew = QStringLiteral("☞");
const QString kNewData = QStringLiteral("▶");
const QString kChanged = QStringLiteral("√");
const QString kDeleted = QStringLiteral("X");

class RowsTest : public GridTest {
protected:
    // Rows with the given codes, unmarked, as a load leaves them.
    void rows(const QStringList& codes) {
        layout(int(codes.size()));
        for (int r = 1; r <= codes.size(); ++r) {
            spread->SetText(1, r, codes.at(r - 1));
            spread->SetText(2, r, QString::number(r));
        }
    }
    void setMarks(const QStringList& m) {
        for (int r = 1; r <= m.size(); ++r)
            spread->SetText(0, r, m.at(r - 1));
    }
};

TEST_F(RowsTest, KeyUpdateTransitions) {
    struct Case {
        QString from;
        int key;
        QString to;
    } cases[] = {
        {kNew, 65, kNewData},     {kNewData, 65, kNewData}, {QString(), 65, kChanged},
        {kChanged, 65, kChanged}, {kDeleted, 65, kChanged}, {kNew, 0, kNewData},
        {QString(), 0, kChanged}, {kNew, 13, kNew},         {QString(), 13, QString()},
        {kDeleted, 13, kDeleted},
    };
    rows({QStringLiteral("A")});
    for (const Case& c : cases) {
        setMarks({c.from});
        int key = c.key;
        spread->KeyUpdateChk(key, 1);
        EXPECT_EQ(spread->GetText(0, 1), c.to) << c.from.toStdString() << " key " << c.key;
    }
}

TEST_F(RowsTest, KeyOnEmptyGridDoesNothing) {
    layout(0);
    int key = 65;
    spread->KeyUpdateChk(key, 1);
    EXPECT_EQ(spread->MaxRows(), 0);
    EXPECT_FALSE(spread->EditChk());
}

TEST_F(RowsTest, InsertRowGoesBelowActiveRowAndStartsEditing) {
    rows({QStringLiteral("A"), QStringLiteral("B")});
    ss->show();
    spread->SetFocus(3, 1);
    spread->InsertRow();
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("A"), QString(), QStringLiteral("B")}));
    EXPECT_EQ(marks(), (QStringList{QString(), kNew, QString()}));
    EXPECT_EQ(spread->ActiveRow(), 2);
    EXPECT_TRUE(ss->isEditing());
}

TEST_F(RowsTest, OneAddRowAppendsUnmarkedOrInsertsMarked) {
    rows({QStringLiteral("A"), QStringLiteral("B")});
    spread->SetAllLock(true);
    EXPECT_EQ(spread->OneAddRow(0), 3);
    EXPECT_EQ(marks(), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(spread->OneAddRow(2), 4);
    EXPECT_EQ(marks(), (QStringList{QString(), kNew, QString(), QString()}));
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("A"), QString(), QStringLiteral("B"), QString()}));
    // The new row opens its key (white) and "NU" (yellow) columns; others stay locked.
    EXPECT_FALSE(ss->spreadModel()->locked(2, 1));
    EXPECT_FALSE(ss->spreadModel()->locked(2, 3));
    EXPECT_TRUE(ss->spreadModel()->locked(2, 2));
    EXPECT_EQ(spread->GetColor(3, 2), QString::number(255 + 255 * 256 + 192 * 65536));
    EXPECT_EQ(spread->GetColor(1, 2), QString::number(255 + 255 * 256 + 255 * 65536));
    EXPECT_TRUE(ss->spreadModel()->locked(3, 1)); // the row moved down keeps its lock
}

TEST_F(RowsTest, CopyRowCopiesBelowSourceAndBlanksColumn) {
    rows({QStringLiteral("A"), QStringLiteral("B")});
    spread->SetText(3, 1, QStringLiteral("memo"));
    spread->CopyRow(0, 0);
    EXPECT_EQ(spread->MaxRows(), 2);
    spread->CopyRow(1, 1);
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("A"), QString(), QStringLiteral("B")}));
    EXPECT_EQ(
        column(QStringLiteral("qty")),
        (QStringList{QStringLiteral("1.00"), QStringLiteral("1.00"), QStringLiteral("2.00")}));
    EXPECT_EQ(column(QStringLiteral("memo")),
              (QStringList{QStringLiteral("memo"), QStringLiteral("memo"), QString()}));
    EXPECT_EQ(marks(), (QStringList{QString(), kNewData, QString()}));
    EXPECT_EQ(spread->ActiveRow(), 2);
    EXPECT_EQ(spread->ActiveCol(), 1);
}

TEST_F(RowsTest, CancelRowRemovesNewRowsAndUnmarksOthers) {
    rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
          QStringLiteral("E")});
    setMarks({kNew, QString(), kChanged, kNewData, kDeleted});
    select(1, 3);
    spread->CancelRow();
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                           QStringLiteral("E")}));
    EXPECT_EQ(marks(), (QStringList{QString(), QString(), kNewData, kDeleted}));
    select(3, 4);
    spread->CancelRow();
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("E")}));
    EXPECT_EQ(marks(), (QStringList{QString(), QString(), QString()}));
    ss->clearSelection();
    spread->CancelRow(); // nothing selected: nothing happens
    EXPECT_EQ(spread->MaxRows(), 3);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RowsTest, DeleteChkMarksLoadedRowsAndWarnsOnceForNewRows) {
    rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    setMarks({kNew, QString(), kNewData, kChanged});
    select(1, 4);
    spread->DeleteChk();
    EXPECT_EQ(marks(), (QStringList{kNew, kDeleted, kNewData, kDeleted}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("입력한 데이타는 행취소 버턴을 누르세요."));
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    boxes.clear();
    select(2, 2);
    spread->DeleteChk();
    EXPECT_TRUE(boxes.empty());
    ss->clearSelection();
    setMarks({QString(), QString(), QString(), QString()});
    spread->DeleteChk();
    EXPECT_EQ(marks(), (QStringList{QString(), QString(), QString(), QString()}));
}

TEST_F(RowsTest, ChecksAndSearchesOverMarks) {
    rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    EXPECT_FALSE(spread->EditChk());
    EXPECT_FALSE(spread->InsertChk());
    EXPECT_LT(spread->FindInsertRow(), 0);
    setMarks({QString(), kNew, QString(), kNew});
    EXPECT_FALSE(spread->EditChk()); // only "☞" rows: nothing to save
    EXPECT_TRUE(spread->InsertChk());
    EXPECT_EQ(spread->FindInsertRow(), 2);
    EXPECT_EQ(spread->FindRcount(kNew), 2);
    EXPECT_EQ(spread->FindRow(kNew), 2);
    EXPECT_EQ(spread->FindRow(kChanged), 0);
    setMarks({kNewData, QString(), kChanged, QString()});
    EXPECT_TRUE(spread->EditChk());
    EXPECT_EQ(spread->FindInsertRow(), 1);
    EXPECT_EQ(spread->FindRcount(QStringLiteral("X")), 0);
}

TEST_F(RowsTest, CheckPKFieldFindsEmptyKey) {
    rows({QStringLiteral("A"), QString()});
    EXPECT_EQ(spread->CheckPKField(1), 0);
    EXPECT_EQ(spread->CheckPKField(2), 1);
}

TEST_F(RowsTest, DuplicateChecks) {
    rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C"),
          QStringLiteral("B")});
    EXPECT_FALSE(spread->DuplicateChk(QStringLiteral("code"), 4));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(spread->DuplicateChk(QStringLiteral("code"), 3));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("입력오류"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("1 행에 중복된 값이 있습니다."));
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(spread->DuplicateChk(QStringLiteral("code"), 2)); // below the row
    EXPECT_EQ(boxes.back().text, QStringLiteral("5 행에 중복된 값이 있습니다."));
    // Number cells compare as shown.
    spread->SetText(2, 4, QStringLiteral("1,000"));
    spread->SetText(2, 5, QStringLiteral("1000"));
    EXPECT_TRUE(spread->DuplicateChk(QStringLiteral("qty"), 5));
    // Pairs: A/1 and A/3 differ; make row 3 A/1.
    boxes.clear();
    EXPECT_FALSE(spread->DuplicateChk2(QStringLiteral("code"), QStringLiteral("qty"), 1));
    EXPECT_TRUE(boxes.empty());
    spread->SetText(2, 3, QStringLiteral("1"));
    EXPECT_TRUE(spread->DuplicateChk2(QStringLiteral("code"), QStringLiteral("qty"), 1));
    EXPECT_EQ(boxes.back().text, QStringLiteral("3 행에 중복된 값이 있습니다."));
    EXPECT_TRUE(spread->DuplicateChk2(QStringLiteral("code"), QStringLiteral("qty"), 3));
    EXPECT_EQ(boxes.back().text, QStringLiteral("1 행에 중복된 값이 있습니다."));
}

TEST_F(RowsTest, DeleteRowAndUnchkDelRow) {
    rows({QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("B"),
          QStringLiteral("X")});
    setMarks({QString(), kNew, QString(), kChanged, QString()});
    spread->UnchkDelRow(QStringLiteral("X"), 1);
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(marks(), (QStringList{QString(), kChanged}));
    spread->DeleteRow(1);
    EXPECT_EQ(column(QStringLiteral("code")), (QStringList{QStringLiteral("B")}));
}

TEST_F(RowsTest, UnchkDelRowWalksPastSixteenBitRowNumbers) {
    layout(40000);
    for (int r = 1; r <= 40000; ++r)
        spread->SetText(3, r, r > 32760 ? QStringLiteral("del") : QStringLiteral("keep"));
    spread->UnchkDelRow(QStringLiteral("del"), 3);
    EXPECT_EQ(spread->MaxRows(), 32760);
}
} // namespace
