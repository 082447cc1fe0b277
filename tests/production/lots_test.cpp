#include "production/lotstatements.h"
#include "tests/production/lotfixture.h"

#include <gtest/gtest.h>

namespace {
const QString kAdvance = QStringLiteral("선진행재고-01");

QStringList lines(const QString& s) {
    return s.split(QLatin1Char('\n'));
}
} // namespace

TEST(LotStatements, MaterialsHasBothBranchesOfTheTemporaryTableCheck) {
    const QStringList l = lines(LotSql::materials(QStringLiteral("A'1"), QStringLiteral("R1")));
    const QStringList columns =
        utf8List({"SELECT distinct B_PM.product_code", "        ,B_C.car_name",
                  "        ,B_PM.type", "        ,B_PM.pumbun", "        ,B_PM.eono",
                  "        ,B_PM.product_name", "        ,B_BOM2.usage"});
    const QStringList joins =
        utf8List({"FROM B_BOM B_BOM", "JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code",
                  "JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = "
                  "B_PM.product_code",
                  "JOIN B_CAR B_C On B_PM.car_code = B_C.car_code"});
    QStringList expected =
        utf8List({"", "IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL", "BEGIN"});
    expected << columns
             << utf8List({"        ,'0' AS [LOT NO]", "        ,'0' AS [LOT 재고]",
                          "        ,'0' AS [투입수량]", "        ,B_PM.unit_code AS [단위]"})
             << joins << QStringLiteral("WHERE B_BOM.product_code = 'A''1'")
             << utf8List({"END", "ELSE", "BEGIN"}) << columns
             << utf8List({"        ,TRT.lot_no AS [LOT NO]",
                          "        ,ISNULL(TRT.lot_su,'0')  AS [LOT 재고]",
                          "        ,'' AS [투입수량]", "        ,B_PM.unit_code AS [단위]"})
             << joins
             << QStringLiteral("LEFT JOIN ##TEMP_REAL_LOT TRT On B_PM.product_code = "
                               "TRT.product_code AND TRT.op_seq_sub = 'R1'")
             << QStringLiteral("WHERE B_BOM.product_code = 'A''1'") << QStringLiteral("END");
    EXPECT_EQ(l, expected);
}

TEST(LotStatements, LotListsShareTheStockLines) {
    const QStringList stock = utf8List(
        {"                    IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) as "
         "[재고],",
         "                    MIN(S_PS.reg_date) As reg_date,",
         "                    MIN(S_PS.idx) As idx,",
         "                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'",
         "                    ELSE '2' END AS gubun", "            From S_PRODUCT_STORE S_PS",
         "            WHERE S_PS.product_code = 'M1'",
         "            AND S_PS.reg_date <= '2024-03-05'", "            GROUP BY S_PS.lot_no",
         "            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0"});
    QStringList first = utf8List({"", "SELECT  TOP 1 AA.lot_no,", "        AA.재고", "FROM (",
                                  "            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,"});
    first << stock << utf8List({") AA", "ORDER BY AA.gubun,AA.lot_no"});
    EXPECT_EQ(lines(LotSql::firstLot(QStringLiteral("M1"), QStringLiteral("2024-03-05"))), first);
    QStringList list = utf8List({"", "            SELECT  S_PS.lot_no,"});
    list << stock << QStringLiteral("            ORDER BY gubun, S_PS.lot_no");
    EXPECT_EQ(lines(LotSql::lotList(QStringLiteral("M1"), QStringLiteral("2024-03-05"))), list);
    EXPECT_EQ(lines(LotSql::deleteLotHistory(QStringLiteral("M1"), QStringLiteral("A"),
                                             QStringLiteral("L'1"))),
              (utf8List({"", "delete PANLE_S_LOT_HISTORY", "where H_product_code = 'M1'",
                         "and S_product_code ='A'", "and lot_no = 'L''1'"})));
}

// Δ = 100 (good 50 -> 150): M1 needs 200, M2 100. Each case lists M1's rows and M2's rows as
// "lot stock input mark".
TEST_F(LotTest, AssignmentAndSplitsFollowTheLotOrder) {
    const struct {
        const char* name;
        QString stock;
        QString good;
        QStringList m1;
        QStringList m2;
    } cases[] = {
        {"A 150 then B 50",
         receipt("M1", QStringLiteral("A"), 150) + receipt("M1", QStringLiteral("B"), 100),
         QStringLiteral("150"),
         {QStringLiteral("A 150 150 √"), QStringLiteral("B 100 50 ▶")},
         {QStringLiteral("0 0 100 √")}},
        {"advance stock first, then A, then B",
         receipt("M1", QStringLiteral("B"), 100) + receipt("M1", QStringLiteral("A"), 150) +
             receipt("M1", kAdvance, 30, "2024-03-04"),
         QStringLiteral("150"),
         {kAdvance + QStringLiteral(" 30 30 √"), QStringLiteral("A 150 150 ▶"),
          QStringLiteral("B 100 20 ▶")},
         {QStringLiteral("0 0 100 √")}},
        {"need 200, only A 150: the rest without a lot",
         receipt("M1", QStringLiteral("A"), 150) + receipt("M2", QStringLiteral("C"), 500),
         QStringLiteral("150"),
         {QStringLiteral("A 150 150 √"), QStringLiteral("0 0 50 ▶")},
         {QStringLiteral("C 500 100 √")}},
        {"stock consumed or dated later does not count",
         receipt("M1", QStringLiteral("A"), 150) + issue("M1", QStringLiteral("A"), 150) +
             receipt("M1", QStringLiteral("B"), 999, "2024-03-06"),
         QStringLiteral("150"),
         {QStringLiteral("0 0 200 √")},
         {QStringLiteral("0 0 100 √")}},
        {"stock without a lot number is lot 0 on a split row",
         receipt("M1", kAdvance, 30) +
             QStringLiteral("INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, "
                            "culgo_su, reg_date) VALUES ('M1', NULL, 500, 0, '2024-03-01');\n"),
         QStringLiteral("150"),
         {kAdvance + QStringLiteral(" 30 30 √"), QStringLiteral("0 500 170 ▶")},
         {QStringLiteral("0 0 100 √")}},
        {"no difference: first lot, input 0, no split, no marks",
         receipt("M1", QStringLiteral("A"), 150) + receipt("M1", QStringLiteral("B"), 100),
         QStringLiteral("50"),
         {QStringLiteral("A 150 0")},
         {QStringLiteral("0 0 0")}},
        {"negative difference: negative inputs, no split",
         receipt("M1", QStringLiteral("A"), 150) + receipt("M1", QStringLiteral("B"), 100),
         QStringLiteral("40"),
         {QStringLiteral("A 150 -20 √")},
         {QStringLiteral("0 0 -10 √")}},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        createPlant(materials() + c.stock, QStringLiteral("plant%1").arg(++n));
        frm_S_dayReport* r = open();
        keypadAnswers(c.good);
        QTest::mouseClick(r->lblOk_Cnt, Qt::LeftButton);
        const auto got = rows(r);
        EXPECT_EQ(got.value(QStringLiteral("M1")), c.m1);
        EXPECT_EQ(got.value(QStringLiteral("M2")), c.m2);
        delete r;
    }
}

TEST_F(LotTest, GridColumnsAndTheLoadedRun) {
    frm_S_dayReport* r = openWithGood(receipt("M1", QStringLiteral("A"), 150), QString());
    const clsSpread& ss = *r->lotSpread();
    QStringList ids;
    for (int c = 1; c <= ss.MaxCols(); ++c)
        ids << ss.GetColID(c);
    EXPECT_EQ(ids, (utf8List({"제품코드", "차종명", "구분", "품번", "Rev.No", "제품명", "usage",
                              "LOT NO", "LOT재고", "투입수량", "단위"})));
    const int row = rowOf(r, "M1");
    ASSERT_GT(row, 0);
    EXPECT_EQ(ss.TextWithColID(QStringLiteral("품번"), row), QStringLiteral("PN-M1"));
    EXPECT_EQ(ss.TextWithColID(QStringLiteral("단위"), row), QStringLiteral("KG"));
    EXPECT_EQ(ss.GetColor(ss.ColumnNumber(QStringLiteral("LOT NO")), row),
              QString::number(213 + 254 * 256 + 175 * 65536));
    // Loaded as saved: the first lot with input 0.
    EXPECT_EQ(rows(r).value(QStringLiteral("M1")), QStringList{QStringLiteral("A 150 0")});
    EXPECT_TRUE(r->btnLotAdd->isVisibleTo(r));
    EXPECT_TRUE(r->btnLotCancel->isVisibleTo(r));
}

TEST_F(LotTest, TheRunsLotsComeFromTheTemporaryTableWhenItExists) {
    createPlant(materials());
    dbExec(QStringLiteral("CREATE TABLE ##TEMP_REAL_LOT (op_seq_sub varchar(20), product_code "
                          "varchar(20), lot_no nvarchar(50), lot_su numeric(18,3))"));
    dbExec(QStringLiteral("INSERT INTO ##TEMP_REAL_LOT VALUES ('%1', 'M1', 'T-7', 40)")
               .arg(QLatin1String(kRun1)));
    dbExec(QStringLiteral("INSERT INTO ##TEMP_REAL_LOT VALUES ('other', 'M2', 'T-9', 5)"));
    frm_S_dayReport* r = open();
    r->lblJakup_Cnt->clear(); // no lot assignment: the grid as the statement gave it
    r->lsBottomQuery();
    const clsSpread& ss = *r->lotSpread();
    EXPECT_EQ(rowText(ss, rowOf(r, "M1")), QStringLiteral("T-7 40 0"));
    EXPECT_EQ(ss.TextWithColID(QStringLiteral("LOT NO"), rowOf(r, "M2")), QString());
    dbExec(QStringLiteral("DROP TABLE ##TEMP_REAL_LOT"));
}

TEST_F(LotTest, TheSplitPassEndsWhenTheStockIsGoneMeanwhile) {
    createPlant(materials() + receipt("M1", QStringLiteral("A"), 150) +
                receipt("M1", QStringLiteral("B"), 100));
    frm_S_dayReport* r = open();
    r->lblOk_Cnt->setText(QStringLiteral("150"));
    r->lblJakup_Cnt->setText(QStringLiteral("152"));
    r->lsBottomQuery();
    const int row = rowOf(r, "M1");
    r->lsAutoLot(row, 0, QString());
    EXPECT_EQ(rowText(*r->lotSpread(), row + 1), QStringLiteral("- 0 0 ▶"));
    // Another terminal takes all of M1 before the split row is filled.
    dbExec(issue("M1", QStringLiteral("A"), 150) + issue("M1", QStringLiteral("B"), 100));
    r->lotSplitPass();
    EXPECT_EQ(rows(r).value(QStringLiteral("M1")),
              (QStringList{QStringLiteral("A 150 150"), QStringLiteral("0 0 50 ▶")}));
}

TEST_F(LotTest, InputKeypadAndLotAdd) {
    frm_S_dayReport* r =
        openWithGood(receipt("M1", QStringLiteral("A"), 150), QStringLiteral("110"));
    // Need 120 of A's 150; the worker takes 180 instead and adds a lot for the excess.
    const int row = rowOf(r, "M1");
    touch(r, "투입수량", row);
    keypadAnswers(QStringLiteral("180"));
    r->sprLot_Click(r->lotSpread()->ColumnNumber(QStringLiteral("투입수량")), row);
    EXPECT_EQ(rowText(*r->lotSpread(), row), QStringLiteral("A 150 180 √"));
    QTest::mouseClick(r->btnLotAdd, Qt::LeftButton);
    EXPECT_EQ(rows(r).value(QStringLiteral("M1")),
              (QStringList{QStringLiteral("A 150 150 √"), QStringLiteral("- 0 30 ▶")}));
    EXPECT_EQ(r->lotSpread()->ActiveRow(), row + 1);
    // "추가 취소" on the added row takes it away again.
    QTest::mouseClick(r->btnLotCancel, Qt::LeftButton);
    EXPECT_EQ(rows(r).value(QStringLiteral("M1")), QStringList{QStringLiteral("A 150 150 √")});
}

TEST_F(LotTest, KeypadOnlyWhileAQuantityIsCounted) {
    frm_S_dayReport* r = openWithGood(receipt("M1", QStringLiteral("A"), 150), QString());
    r->lblOk_Cnt->setText(QStringLiteral("0"));
    r->lblBad_Cnt->setText(QStringLiteral("0"));
    const int row = rowOf(r, "M1");
    touch(r, "투입수량", row);
    windows.clear();
    r->sprLot_Click(r->lotSpread()->ColumnNumber(QStringLiteral("투입수량")), row);
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(LotTest, CancelRemovesASplitRowWithItsLotLinkAndKeepsAMaterialsOnlyRow) {
    frm_S_dayReport* r = openWithGood(receipt("M1", QStringLiteral("A"), 150) +
                                          receipt("M1", QStringLiteral("B"), 100) +
                                          receipt("M2", QStringLiteral("C"), 500),
                                      QStringLiteral("150"));
    for (const char* link : {"'M1', 'A', 'A'", "'M1', 'A', 'B'", "'M2', 'A', 'C'"})
        dbExec(QStringLiteral("INSERT INTO PANLE_S_LOT_HISTORY (H_product_code, S_product_code, "
                              "lot_no) VALUES (%1)")
                   .arg(QLatin1String(link)));
    // M2 has one row: nothing happens, nothing is deleted.
    touch(r, "품번", rowOf(r, "M2"));
    QTest::mouseClick(r->btnLotCancel, Qt::LeftButton);
    EXPECT_EQ(rows(r).value(QStringLiteral("M2")), QStringList{QStringLiteral("C 500 100 √")});
    // M1's first row (not an added one): its lot link goes, and the row.
    touch(r, "품번", rowOf(r, "M1"));
    QTest::mouseClick(r->btnLotCancel, Qt::LeftButton);
    EXPECT_EQ(rows(r).value(QStringLiteral("M1")), QStringList{QStringLiteral("B 100 50 ▶")});
    EXPECT_EQ(dbValue(QStringLiteral("SELECT COUNT(*) FROM PANLE_S_LOT_HISTORY")),
              QStringLiteral("2"));
    EXPECT_EQ(dbValue(QStringLiteral("SELECT COUNT(*) FROM PANLE_S_LOT_HISTORY WHERE lot_no = "
                                     "'A'")),
              QStringLiteral("0"));
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(LotTest, CancelWhoseLotLinkDeleteFailsSaysSoAndRemovesTheRowAnyway) {
    frm_S_dayReport* r = openWithGood(receipt("M1", QStringLiteral("A"), 150) +
                                          receipt("M1", QStringLiteral("B"), 100),
                                      QStringLiteral("150"));
    dbExec(QStringLiteral("DROP TABLE PANLE_S_LOT_HISTORY"));
    touch(r, "품번", rowOf(r, "M1"));
    QTest::mouseClick(r->btnLotCancel, Qt::LeftButton);
    ASSERT_FALSE(windows.isEmpty());
    EXPECT_EQ(windows.back().title, QStringLiteral("오류"));
    EXPECT_EQ(windows.back().text, QStringLiteral("행취소가 잘못되었습니다. 다시 확인해주세요."));
    EXPECT_EQ(windows.back().icon, QMessageBox::Information);
    EXPECT_EQ(rows(r).value(QStringLiteral("M1")), QStringList{QStringLiteral("B 100 50 ▶")});
}
