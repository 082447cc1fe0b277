// The statements of a middle end and an end, compared with their text line by line, and the
// order of the whole batch for a semi-finished and a finished product.
#include "production/endingstatements.h"

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {
using namespace EndingStatements;

QString lines(std::initializer_list<const char*> l) {
    QString s;
    for (const char* x : l)
        s += QLatin1Char('\n') + QString::fromUtf8(x);
    return s;
}

Stock stock(const QString& productClass) {
    Stock s;
    s.product = QStringLiteral("P1");
    s.lineNo = QStringLiteral("20240305001001");
    s.runNo = QStringLiteral("20240305001001");
    s.deltaGood = 100;
    s.processCode = QString();
    s.machine = QStringLiteral("E1");
    s.today = QStringLiteral("2024-03-05");
    s.productClass = productClass;
    s.shift = QStringLiteral("야간");
    s.user = QStringLiteral("U1");
    s.nowHms = QStringLiteral("103015");
    return s;
}

QStringList firstLines(const QStringList& batch) {
    QStringList out;
    for (const QString& st : batch)
        out << st.section(QLatin1Char('\n'), 1, 1);
    return out;
}
} // namespace

TEST(EndingStatements, ReceiptAndIssueWithTheirBalanceBlocks) {
    QStringList batch;
    lsStockSave(stock(QStringLiteral("반제품")), {{QStringLiteral("M'1"), 0, QStringLiteral("0")}},
                &batch);
    ASSERT_EQ(batch.size(), 6);
    EXPECT_EQ(batch[0],
              lines({"UPDATE P_SM", "SET", "    lot_no ='20240305/B'", "FROM P_SANGSAN_MASTER P_SM",
                     "WHERE", "    P_SM.Op_seq_sub='20240305001001'"}));
    EXPECT_EQ(batch[1], lines({" Update S_PRODUCT_STORE", " Set Jego_Su = Jego_Su + 100",
                               " WHERE product_code = 'P1' And reg_date > '2024-03-05'"}));
    const char* const block[] = {
        "From (  Select PRODUCT_CODE,",
        "   Max(reg_date) As reg_date",
        " From S_PRODUCT_STORE WITH (UPDLOCK, HOLDLOCK)",
        "  Where reg_date <='2024-03-05'",
        "   And PRODUCT_CODE = '%1'",
        " Group by PRODUCT_CODE) A",
        " Join ( Select PRODUCT_CODE,reg_date,",
        "  Max(idx) As idx",
        "  From S_PRODUCT_STORE WITH (UPDLOCK, HOLDLOCK)",
        "  Where reg_date <= '2024-03-05'",
        "   And PRODUCT_CODE = '%1'",
        "  Group by PRODUCT_CODE,reg_date) B On A.PRODUCT_CODE = B.PRODUCT_CODE And A.reg_date = "
        "B.reg_date",
        "Join S_PRODUCT_STORE C WITH (UPDLOCK, HOLDLOCK) On B.idx = C.idx"};
    QString blockText;
    for (const char* l : block)
        blockText += QLatin1Char('\n') + QString::fromUtf8(l);
    EXPECT_EQ(batch[2],
              lines({"  INSERT INTO  S_PRODUCT_STORE",
                     "(",
                     "    IPGO_NO,",
                     "    IPGO_NO_SUB,",
                     "    PRODUCT_CODE,",
                     "    IPGO_SU,",
                     "    CULGO_TYPE,",
                     "    lot_no,",
                     "    JEGO_SU,",
                     "    REG_DATE,",
                     "    last_date,",
                     "    last_time,",
                     "    user_id",
                     "    )",
                     " SELECT ",
                     " '20240305001',",
                     " '20240305001001',",
                     " 'P1',",
                     "  100,",
                     " '재공품추가',",
                     " '20240305/B',",
                     "     isnull(C.jego_su +100, 100), ",
                     "    '2024-03-05',",
                     "    substring(convert(varchar, getdate(), 121),1,10),",
                     "    replace(convert(varchar, getdate(), 108),':',''),",
                     "    'U1'"}) +
                  blockText.arg(QStringLiteral("P1")) +
                  lines({"RIGHT jOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE",
                         " WHERE AA.PRODUCT_CODE = 'P1'"}));
    EXPECT_EQ(batch[3], lines({" Update S_PRODUCT_STORE", " Set Jego_Su = Jego_Su - 0",
                               " WHERE product_code = 'M''1'  And reg_date > '2024-03-05'"}));
    EXPECT_EQ(batch[4],
              lines({"  INSERT INTO  S_PRODUCT_STORE",
                     "(",
                     "    CULGO_NO,",
                     "    CULGO_NO_SUB,",
                     "    PRODUCT_CODE,",
                     "    CULGO_SU,",
                     "    CULGO_TYPE,",
                     "    lot_no,",
                     "    JEGO_SU,",
                     "    REG_DATE,",
                     "    last_date,",
                     "    last_time,",
                     "    user_id",
                     "    )",
                     " SELECT ",
                     " '20240305001',",
                     " '20240305001001',",
                     " 'M''1',",
                     "  0,",
                     " '재공품소모',",
                     " '0',",
                     "     isnull(C.jego_su-0, - 0), ",
                     "    '2024-03-05',",
                     "    substring(convert(varchar, getdate(), 121),1,10),",
                     "    replace(convert(varchar, getdate(), 108),':',''),",
                     "    'U1'"}) +
                  blockText.arg(QStringLiteral("M''1")) +
                  lines({"RIGHT JOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE",
                         " WHERE AA.PRODUCT_CODE = 'M''1'"}));
    EXPECT_EQ(batch[5], lines({"INSERT INTO S_LOT_HISTORY",
                               "(ipgo_no_sub",
                               ",ipgo_product_code",
                               ",culgo_no_sub",
                               ",culgo_product_code",
                               ",lot_no",
                               ",culgo_lot_no",
                               ",process_code",
                               ",equipment_code",
                               ",reg_date)",
                               "Values",
                               "('20240305001001'",
                               ",'P1'",
                               ",''",
                               ",'M''1'",
                               ",'20240305/B'",
                               ",'0'",
                               ",'Empty'",
                               ",'E1'",
                               ",'2024-03-05')"}));
}

TEST(EndingStatements, FinishedProductMovesIntoFinishedGoods) {
    Stock s = stock(QStringLiteral("완제품"));
    s.shift = QStringLiteral("주간");
    s.deltaGood = -5;
    QStringList batch;
    lsStockSave(s,
                {{QStringLiteral("M1"), 30, QStringLiteral("L1")},
                 {QStringLiteral("M2"), 7, QStringLiteral("L2")}},
                &batch);
    EXPECT_EQ(firstLines(batch),
              QStringList({QStringLiteral("UPDATE P_SM"), QStringLiteral(" Update S_PRODUCT_STORE"),
                           QStringLiteral("  INSERT INTO  S_PRODUCT_STORE"),
                           QStringLiteral(" Update S_PRODUCT_STORE"),
                           QStringLiteral("  INSERT INTO  S_PRODUCT_STORE"),
                           QStringLiteral("INSERT INTO S_LOT_HISTORY"),
                           QStringLiteral(" Update S_PRODUCT_STORE"),
                           QStringLiteral("  INSERT INTO  S_PRODUCT_STORE"),
                           QStringLiteral("INSERT INTO S_LOT_HISTORY"),
                           QStringLiteral(" Update S_PRODUCT_STORE"),
                           QStringLiteral("  INSERT INTO  S_PRODUCT_STORE"),
                           QStringLiteral("Insert into P_PRODUCT_IPGO"),
                           QStringLiteral(" Update P_PRODUCT_STORE"),
                           QStringLiteral("  INSERT INTO  P_PRODUCT_STORE")}));
    EXPECT_TRUE(batch[9].contains(QStringLiteral("\n Set Jego_Su = Jego_Su - -5\n")));
    EXPECT_TRUE(batch[10].contains(QStringLiteral("\n    culgo_su,\n")));
    EXPECT_TRUE(batch[10].contains(QStringLiteral(
        "\n '제품투입',\n    '20240305/A',\n     isnull(C.jego_su -(-5), - -5), \n")));
    EXPECT_EQ(batch[11].section(QStringLiteral("Values"), 1),
              lines({"    ('20240305001',", "    '20240305001001',", "    '2024-03-05',",
                     "    'P1',", "    '20240305/A',", "    '20240305001001',", "     -5,",
                     "     0,", "     0,", "     0,", "    '',", "    'U1',", "    '2024-03-05',",
                     "    '103015',", "    'U1')"}));
    EXPECT_TRUE(
        batch[12].endsWith(QStringLiteral("\n Set Jego_Su = Jego_Su + -5\n WHERE "
                                          "product_code = 'P1' And reg_date > '2024-03-05'")));
    EXPECT_TRUE(batch[13].contains(QStringLiteral("\n '제품입고',\n    '20240305/A',\n")));
    EXPECT_TRUE(
        batch[13].contains(QStringLiteral("\n From P_PRODUCT_STORE WITH (UPDLOCK, HOLDLOCK)\n")));
    EXPECT_TRUE(batch[13].contains(QStringLiteral("\nRIGHT jOIN B_PRODUCT_MASTER AA")));
}

TEST(EndingStatements, LineRunAndMouldShots) {
    Result r;
    r.lineNo = QStringLiteral("S1");
    r.runNo = QStringLiteral("R1");
    r.product = QStringLiteral("P1");
    r.good = 150;
    r.bad = 3;
    r.today = QStringLiteral("2024-03-05");
    r.now = QStringLiteral("10:30");
    r.nowHms = QStringLiteral("103015");
    r.minutes = QStringLiteral("150");
    r.crewSize = 2;
    r.worker = QStringLiteral("W1");
    r.endState = QStringLiteral("3");
    r.orderDate = QStringLiteral("2024-03-04");
    r.startTime = QStringLiteral("08:00");
    r.user = QStringLiteral("U1");
    QStringList batch;
    lsResultSave(r, &batch);
    ASSERT_EQ(batch.size(), 2) << "no mould, no shots";
    EXPECT_EQ(batch[0],
              lines({"UPDATE P_SM ", "SET", "    Qty = 150,", "    Bad_Qty = 3,",
                     "    end_yn = '3'", "FROM B_JAKUPJISI_MASTER P_SM", "Where P_SM.Seq = 'S1'"}));
    EXPECT_EQ(
        batch[1],
        lines({"UPDATE P_SM", "SET", "    Qty=150,", "    Bad_Qty=3,", "    EDATE='2024-03-05',",
               "    ETIME='10:30',", "    SDATE='2024-03-04',", "    STIME='08:00',",
               "    MIN='150',", "    EMPLOYEE_SU ='2',", "    employee_no ='W1',",
               "    Last_date='2024-03-05',", "    Last_time='103015',", "    User_id='U1'",
               "FROM P_SANGSAN_MASTER P_SM", "WHERE", "    P_SM.Op_seq_sub='R1'"}));
    r.mould = QStringLiteral("M'7");
    batch.clear();
    lsResultSave(r, &batch);
    ASSERT_EQ(batch.size(), 3);
    EXPECT_EQ(batch[2],
              lines({"Insert Into  B_METALLIC_COUNT", "(", "    Op_Seq_sub,", "    mold_no,",
                     "    Product_Code,", "    Qty,", "    jakup_Date,", "    Last_date,",
                     "    Last_time,", "    User_id )", " Values ", "    ('R1',", "    'M''7',",
                     "    'P1',", "    150 + 3 ,", "    '2024-03-05',", "    '2024-03-05',",
                     "    '103015',", "    'U1')"}));
}

TEST(EndingStatements, LotNumberFromTheLineAndShift) {
    const struct {
        const char* line;
        const char* shift;
        const char* lot;
    } cases[] = {{"20240305001", "주간", "20240305/A"},
                 {"20240305001", "야간", "20240305/B"},
                 {"20240305001", "", "20240305/B"}};
    for (const auto& c : cases)
        EXPECT_EQ(lotNumber(QString::fromUtf8(c.line), QString::fromUtf8(c.shift)),
                  QString::fromUtf8(c.lot))
            << c.shift;
}
