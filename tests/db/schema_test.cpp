// The plant schema, created through the embedded dialect exactly as the program runs it.

#include "db/dbscripts.h"
#include "tests/db/catalogue.h"
#include "tests/db/devdb.h"
#include "tests/support/testenv.h"

using namespace Qt::Literals::StringLiterals;

namespace {
class SchemaTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        db = std::make_unique<DevDb>(path(u"schema.sqlite"_s));
        QString error;
        ASSERT_FALSE(DbScripts::schema().isEmpty());
        ASSERT_TRUE(db->exec(DbScripts::schema(), &error)) << error.toStdString();
    }
    void TearDown() override {
        db.reset();
        TestEnv::TearDown();
    }
    bool runs(const QString& sql) { return db->exec(sql); }

    std::unique_ptr<DevDb> db;
};

TEST_F(SchemaTest, CreatesEveryTableAndColumnOfTheCatalogue) {
    const QList<CatalogueTable> tables = catalogue();
    EXPECT_EQ(tables.size(), 42);
    for (const CatalogueTable& t : tables) {
        EXPECT_TRUE(runs(u"SELECT COUNT(*) FROM "_s + t.name))
            << "missing table " << t.name.toStdString();
        for (const QString& c : t.columns)
            EXPECT_TRUE(runs(u"SELECT %1 FROM %2 WHERE 1 = 0"_s.arg(c, t.name)))
                << "missing column " << t.name.toStdString() << "." << c.toStdString();
    }
    // The probe itself tells a missing column and table from an existing one.
    EXPECT_FALSE(runs(u"SELECT no_such_column FROM B_EMPLOYEE WHERE 1 = 0"_s));
    EXPECT_FALSE(runs(u"SELECT COUNT(*) FROM NO_SUCH_TABLE"_s));
    // The lots of running jobs belong to another program's global temporary table.
    EXPECT_EQ(
        db->value(
              u"IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL\nSELECT 1\nELSE\nSELECT 0"_s)
            .toInt(),
        1);
}

// Quantities are spliced quoted into value lists and unquoted into arithmetic; a new work
// order names neither qty nor bad_qty, and a stop writes an empty crew size.
TEST_F(SchemaTest, QuantitiesAreNumbersWhetherWrittenQuotedOrNot) {
    ASSERT_TRUE(runs(
        u"Insert into B_JAKUPJISI_MASTER (prod_no, seq, process_code, jisi_date, equipment_code, "
        u"product_code, Plan_Qty, order_qty, end_yn, employee_Su, Juya_Gubun, sunbun)\n"
        u"Values ('20240305001', '20240305001'+'001', '0001', '2024-03-05', 'R010', 'SF01', "
        u"'0', '100', '1', '1', '1', '1')"_s));
    Recordset rs =
        db->rows(u"SELECT B_JAK.QTY + B_JAK.bad_QTY, CASE WHEN B_JAK.ORDER_QTY - B_JAK.Qty >= 0 "
                 u"then B_JAK.ORDER_QTY - B_JAK.Qty - B_JAK.bad_Qty else '0' end, B_JAK.seq "
                 u"FROM B_JAKUPJISI_MASTER B_JAK"_s);
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.value(0, 0).toInt(), 0);
    EXPECT_EQ(rs.value(0, 1).toInt(), 100);
    EXPECT_EQ(rs.value(0, 2).toString(), u"20240305001001"_s);

    ASSERT_TRUE(runs(u"UPDATE P_SM\nSET\n    Qty = 60,\n    Bad_Qty = 5,\n    end_yn = '2'\n"
                     u"FROM B_JAKUPJISI_MASTER P_SM\nWhere P_SM.Seq = '20240305001001'"_s));
    rs = db->rows(u"SELECT QTY + bad_QTY, ORDER_QTY - Qty - bad_Qty FROM B_JAKUPJISI_MASTER"_s);
    EXPECT_EQ(rs.value(0, 0).toInt(), 65);
    EXPECT_EQ(rs.value(0, 1).toInt(), 35);

    ASSERT_TRUE(runs(
        u"INSERT INTO P_BIGADONG (Prod_No, Seq, Op_seq, Op_seq_sub, EquipMent_Code, Bigadong_Code, "
        u"Biga_Date, Sdate, Stime, Employee_su, Bigo, Last_Date, Last_Time, User_Id)\nValues ("
        u"'', '', '20240305001', '20240305001001', 'R010', '', '2024-03-05', '2024-03-05', "
        u"'09:40', '', '', '2024-03-05', '094000', '2001')"_s));
    EXPECT_EQ(db->value(u"SELECT ISNULL(employee_su, 0) + 1 FROM P_BIGADONG"_s).toInt(), 1);
    EXPECT_EQ(db->count(u"SELECT COUNT(*) FROM P_BIGADONG WHERE Etime IS NULL"_s), 1);

    // Stock is received by weight as well.
    ASSERT_TRUE(
        runs(u"INSERT INTO S_PRODUCT_STORE (product_code, ipgo_su, lot_no, jego_su, reg_date) "
             u"VALUES ('RM01', 150.5, 'L1', 150.5, '2024-03-05')"_s));
    ASSERT_TRUE(
        runs(u"INSERT INTO S_PRODUCT_STORE (product_code, culgo_su, lot_no, jego_su, reg_date) "
             u"VALUES ('RM01', '20', 'L1', 130.5, '2024-03-05')"_s));
    EXPECT_DOUBLE_EQ(db->value(u"SELECT IsNull(Sum(ipgo_su), 0) - IsNull(Sum(culgo_su), 0) "
                               u"FROM S_PRODUCT_STORE WHERE lot_no = 'L1'"_s)
                         .toDouble(),
                     130.5);
    EXPECT_EQ(db->rows(u"SELECT idx FROM S_PRODUCT_STORE ORDER BY idx"_s).value(1, 0).toInt(), 2);
}

// The numbers the terminals compute without a lock are backed by unique keys, so a second
// terminal with the same number fails instead of writing a duplicate.
TEST_F(SchemaTest, UniqueKeysRefuseDuplicateNumbers) {
    struct Case {
        const char* what;
        QString first, duplicate, other;
    };
    const QList<Case> cases = {
        {"run number",
         u"INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, seq) VALUES ('20240305001', '20240305001001', 'A')"_s,
         u"INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, seq) VALUES ('20240305001', '20240305001001', 'B')"_s,
         u"INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub, seq) VALUES ('20240305001', '20240305001002', 'A')"_s},
        {"order number and line",
         u"INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, order_qty) VALUES ('20240305001', '20240305001001', 1)"_s,
         u"INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, order_qty) VALUES ('20240305001', '20240305001001', 2)"_s,
         u"INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, order_qty) VALUES ('20240305002', '20240305002001', 1)"_s},
        {"inspection number (per shift)",
         u"INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, process_num, process_juya) VALUES ('S1', '20240305001', 1)"_s,
         u"INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, process_num, process_juya) VALUES ('S2', '20240305001', 1)"_s,
         u"INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, process_num, process_juya) VALUES ('S1', '20240305001', 0)"_s},
        {"employee number", u"INSERT INTO B_EMPLOYEE (employee_no, pwd) VALUES ('2001', '1')"_s,
         u"INSERT INTO B_EMPLOYEE (employee_no, pwd) VALUES ('2001', '2')"_s,
         u"INSERT INTO B_EMPLOYEE (employee_no, pwd) VALUES ('2002', '1')"_s},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(runs(c.first)) << c.what;
        EXPECT_FALSE(runs(c.duplicate)) << c.what;
        EXPECT_TRUE(runs(c.other)) << c.what;
    }
}

// The lot selection statement names use_yn without a table: exactly one of its tables may
// have that column.
TEST_F(SchemaTest, LotSelectionStatementFindsItsUnqualifiedColumn) {
    const QString sql =
        u"SELECT\n     A.lot_no      AS [LOT NO],\n     Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0) "
        u"As [재고],\n"
        u"     B_MA.product_code as [제품코드]\nFROM B_PRODUCT_MASTER B_MA\n"
        u"JOIN B_CAR B_CAR ON B_CAR.car_code = B_MA.car_code\n"
        u"left join   (Select S_PS.product_code As product_code,\n"
        u"           cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2))   As ipgo_su,\n"
        u"            cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) As culgo_su,\n"
        u"            lot_no                        As lot_no,\n            MAX(reg_date)  As "
        u"reg_date\n"
        u"        From S_PRODUCT_STORE S_PS\n        Where reg_date <= '2024-03-05'\n"
        u"        Group By S_PS.product_code, lot_no) A on A.product_code = B_MA.product_code\n"
        u"left join M_MATERIAL_IPHA m_mi on m_mi.product_code = B_MA.product_code and m_mi.lot_no "
        u"= a.lot_no\n"
        u"Where 1 = 1 And use_yn = 1\nAND B_MA.product_code = 'RM04'"_s;
    QString error;
    EXPECT_TRUE(db->exec(sql, &error)) << error.toStdString();
}
} // namespace
