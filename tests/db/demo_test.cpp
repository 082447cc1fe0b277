// The demo plant: loads into the schema and is consistent, for days in the middle of a
// month, on a year boundary and on a month's last day (a Sunday).

#include "db/dbscripts.h"
#include "db/demoplant.h"
#include "tests/db/devdb.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kPictures = QStringLiteral(MES_SOURCE_DIR) + u"/db/demo/pictures"_s;
const QString kTerminal = u"127.0.0.1"_s;

class DemoPlantTest : public TestEnv, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        today = QDate::fromString(QString::fromLatin1(GetParam()), u"yyyy-MM-dd"_s);
        ASSERT_TRUE(today.isValid());
        db = std::make_unique<DevDb>(path(u"demo.sqlite"_s));
        QString error;
        ASSERT_TRUE(db->exec(DbScripts::schema(), &error)) << error.toStdString();
        ASSERT_TRUE(db->load(DemoPlant::sql(today, kPictures), &error)) << error.toStdString();
    }
    void TearDown() override {
        db.reset();
        TestEnv::TearDown();
    }
    QString day(int offset) const { return today.addDays(offset).toString(u"yyyy-MM-dd"_s); }
    QString month(int offset) const {
        return QDate(today.year(), today.month(), 1).addMonths(offset).toString(u"yyyy-MM"_s);
    }
    qint64 count(const QString& sql) { return db->count(sql); }

    QDate today;
    std::unique_ptr<DevDb> db;
};

TEST_P(DemoPlantTest, EveryReferenceResolves) {
    ASSERT_GT(count(u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER"_s), 100);
    struct Check {
        const char* what;
        QString sql;
    };
    const QList<Check> orphans = {
        {"order line without its machine, product or process",
         u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER J\n"
         u"LEFT JOIN B_EQUIPMENT E ON E.equipment_code = J.equipment_code\n"
         u"LEFT JOIN B_PRODUCT_MASTER P ON P.product_code = J.product_code\n"
         u"LEFT JOIN B_PROCESS R ON R.process_code = J.process_code\n"
         u"WHERE E.equipment_code IS NULL OR P.product_code IS NULL OR R.process_code IS NULL"_s},
        {"order line of a product its machine does not make in that process",
         u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER J\n"
         u"LEFT JOIN B_EQUIPMENT_TIME T ON T.equipment_code = J.equipment_code\n"
         u"  AND T.process_code = J.process_code AND T.product_code = J.product_code\n"
         u"WHERE T.product_code IS NULL"_s},
        {"run without its order line, or on another machine or product",
         u"SELECT COUNT(*) FROM P_SANGSAN_MASTER S\n"
         u"LEFT JOIN B_JAKUPJISI_MASTER J ON J.seq = S.seq AND J.prod_no = S.prod_no\n"
         u"WHERE J.seq IS NULL OR J.equipment_code <> S.equipment_code OR J.product_code <> S.product_code"_s},
        {"run number not built from its order date",
         u"SELECT COUNT(*) FROM P_SANGSAN_MASTER\n"
         u"WHERE SUBSTRING(op_seq, 1, 8) <> REPLACE(jisi_date, '-', '') OR op_seq_sub <> op_seq + '001'"_s},
        {"defect of an unknown run or of a code not allowed in the run's process",
         u"SELECT COUNT(*) FROM P_BADQTY D\nLEFT JOIN P_SANGSAN_MASTER S ON S.op_seq_sub = "
         u"D.op_seq_sub\n"
         u"LEFT JOIN B_PROCESSBAD1 A ON A.process_code = S.process_code AND A.processbad_code = "
         u"D.processbad_code\n"
         u"WHERE S.op_seq_sub IS NULL OR A.processbad_code IS NULL"_s},
        {"downtime of an unknown run or with an unknown code",
         u"SELECT COUNT(*) FROM P_BIGADONG D\nLEFT JOIN P_SANGSAN_MASTER S ON S.op_seq_sub = "
         u"D.op_seq_sub\n"
         u"LEFT JOIN B_BIGADONG B ON B.bigadong_code = D.bigadong_code\n"
         u"WHERE S.op_seq_sub IS NULL OR (D.bigadong_code <> '' AND B.bigadong_code IS NULL)"_s},
        {"mould shots of an unknown run or mould",
         u"SELECT COUNT(*) FROM B_METALLIC_COUNT C\nLEFT JOIN P_SANGSAN_MASTER S ON S.op_seq_sub = "
         u"C.op_seq_sub\n"
         u"LEFT JOIN B_METALLIC M ON M.mold_no = C.mold_no AND M.product_code = C.product_code\n"
         u"WHERE S.op_seq_sub IS NULL OR M.mold_no IS NULL"_s},
        {"genealogy row of an unknown run or material lot",
         u"SELECT COUNT(*) FROM S_LOT_HISTORY H\nLEFT JOIN P_SANGSAN_MASTER S ON S.op_seq_sub = "
         u"H.ipgo_no_sub\n"
         u"LEFT JOIN (SELECT DISTINCT product_code, lot_no FROM S_PRODUCT_STORE) L\n"
         u"  ON L.product_code = H.culgo_product_code AND L.lot_no = H.culgo_lot_no\n"
         u"WHERE S.op_seq_sub IS NULL OR L.lot_no IS NULL OR H.lot_no <> S.lot_no"_s},
        {"material of a bill of materials that is not an item",
         u"SELECT COUNT(*) FROM B_BOM B LEFT JOIN B_PRODUCT_MASTER P ON P.product_code = "
         u"B.product_code\n"
         u"WHERE P.product_code IS NULL"_s},
        {"item whose vehicle model, type or class is missing (the screens join them)",
         u"SELECT COUNT(*) FROM B_PRODUCT_MASTER P\nLEFT JOIN B_CAR C ON C.car_code = P.car_code\n"
         u"LEFT JOIN B_PRODUCT_TYPE T ON T.product_type_code = P.product_type_code\n"
         u"LEFT JOIN B_ABC A ON A.abc = P.abc\n"
         u"WHERE C.car_code IS NULL OR T.product_type_code IS NULL OR A.abc IS NULL"_s},
        {"inspection item of another standard",
         u"SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB R\n"
         u"LEFT JOIN Q_CHOJUNGJONGTEST_STD_SUB S ON S.process_test_num = R.process_test_num\n"
         u"  AND S.process_test_num_sub = R.process_test_num_sub\n"
         u"LEFT JOIN Q_CHOJUNGJONGTEST_RESULT H ON H.process_num = R.process_num AND H.seq = "
         u"R.seq\n"
         u"WHERE S.process_test_num IS NULL OR H.seq IS NULL"_s},
    };
    for (const Check& c : orphans)
        EXPECT_EQ(count(c.sql), 0) << c.what;
}

// What the terminal saved: a run's defect total is the sum of its defects, and the line of
// a saved run carries that run's quantities.
TEST_P(DemoPlantTest, QuantitiesAgreeBetweenRunsDefectsAndLines) {
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM P_SANGSAN_MASTER S\n"
                    u"LEFT JOIN (SELECT op_seq_sub, SUM(bad_qty) AS bad FROM P_BADQTY GROUP BY "
                    u"op_seq_sub) D\n"
                    u"  ON D.op_seq_sub = S.op_seq_sub\nWHERE ISNULL(D.bad, 0) <> S.bad_qty"_s),
              0);
    EXPECT_EQ(
        count(
            u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER J JOIN P_SANGSAN_MASTER S ON S.seq = J.seq\n"
            u"WHERE J.qty <> S.qty OR J.bad_qty <> S.bad_qty"_s),
        0);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM P_SANGSAN_MASTER S\n"
                    u"LEFT JOIN (SELECT ipgo_no_sub, SUM(ipgo_su) AS q FROM S_PRODUCT_STORE\n"
                    u"  WHERE culgo_type = '재공품추가' GROUP BY ipgo_no_sub) W ON W.ipgo_no_sub = "
                    u"S.op_seq_sub\n"
                    u"WHERE S.lot_no IS NOT NULL AND ISNULL(W.q, -1) <> S.qty"_s),
              0);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM S_PRODUCT_STORE WHERE culgo_type = '재공품소모'"_s),
              count(u"SELECT COUNT(*) FROM S_LOT_HISTORY"_s));
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM P_PRODUCT_STORE WHERE culgo_type = '제품입고'"_s),
              count(u"SELECT COUNT(*) FROM P_PRODUCT_IPGO"_s));
    EXPECT_GT(count(u"SELECT COUNT(*) FROM P_PRODUCT_IPGO"_s), 0);
}

TEST_P(DemoPlantTest, StockLedgersBalance) {
    for (const QString& table : {u"S_PRODUCT_STORE"_s, u"P_PRODUCT_STORE"_s}) {
        SCOPED_TRACE(table.toStdString());
        EXPECT_EQ(
            count(u"SELECT COUNT(*) FROM (SELECT product_code, lot_no,\n"
                  u"  IsNull(Sum(ipgo_su), 0) - IsNull(Sum(culgo_su), 0) AS stock\n"
                  u"  FROM %1 GROUP BY product_code, lot_no) A WHERE A.stock < 0"_s.arg(table)),
            0);
        EXPECT_EQ(
            count(u"SELECT COUNT(*) FROM %1 WHERE lot_no = '0' OR lot_no IS NULL"_s.arg(table)), 0);

        // Each row's balance is the product's receipts minus issues up to it (date, then idx).
        const Recordset rs =
            db->rows(u"SELECT product_code, ipgo_su, culgo_su, jego_su, reg_date, idx\n"
                     u"FROM %1 ORDER BY product_code, reg_date, idx"_s.arg(table));
        ASSERT_GT(rs.rowCount(), 10);
        QHash<QString, double> balance;
        int wrong = 0;
        for (int r = 0; r < rs.rowCount(); ++r) {
            double& b = balance[rs.value(r, 0).toString()];
            b += rs.value(r, 1).toDouble() - rs.value(r, 2).toDouble();
            if (std::abs(b - rs.value(r, 3).toDouble()) > 1e-6 && ++wrong <= 5)
                ADD_FAILURE() << "balance of row idx " << rs.value(r, 5).toString().toStdString()
                              << " is " << rs.value(r, 3).toString().toStdString()
                              << ", movements give " << b;
        }
        EXPECT_EQ(wrong, 0);
    }
    // Every material has stock to work with.
    EXPECT_EQ(
        count(
            u"SELECT COUNT(*) FROM B_PRODUCT_MASTER P\n"
            u"LEFT JOIN (SELECT product_code, IsNull(Sum(ipgo_su), 0) - IsNull(Sum(culgo_su), 0) "
            u"AS stock\n"
            u"  FROM S_PRODUCT_STORE GROUP BY product_code) S ON S.product_code = P.product_code\n"
            u"WHERE P.product_type_code IN ('RM', 'SM') AND ISNULL(S.stock, 0) <= 0"_s),
        0);
}

// The work order list, the report screen's material grid and the other terminal screens of
// the demo terminal have something to show today.
TEST_P(DemoPlantTest, TerminalScreensHaveContent) {
    const QString list =
        u"SELECT B_JAK.end_yn, COUNT(*) FROM B_JAKUPJISI_MASTER B_JAK\n"
        u"JOIN B_EQUIPMENT B_E On B_E.equipment_code = B_JAK.equipment_code\n"
        u"WHERE ((B_JAK.jisi_date <> '%1' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '%1' or "
        u"B_JAK.jisi_date = '%2')\n"
        u"and  B_E.ipaddress = '%3'\nand b_jak.order_qty <> '0'\nGROUP BY B_JAK.end_yn ORDER BY B_JAK.end_yn"_s
            .arg(day(0), day(-1), kTerminal);
    const Recordset states = db->rows(list);
    ASSERT_EQ(states.rowCount(), 3) << "waiting, running and finished lines";
    EXPECT_EQ(states.value(0, 0).toString(), u"1"_s);
    EXPECT_EQ(states.value(2, 0).toString(), u"3"_s);
    EXPECT_GE(
        count(u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER J JOIN B_EQUIPMENT E ON E.equipment_code = "
              u"J.equipment_code\n"
              u"WHERE E.ipaddress = '%1' AND J.end_yn = '2' AND J.jisi_date = '%2' AND J.qty > 0"_s
                  .arg(kTerminal, day(-3))),
        1)
        << "a running order of three days ago, saved by a middle end";
    EXPECT_GE(
        count(
            u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE jisi_date = '%1' AND juya_gubun = '0'"_s
                .arg(day(0))),
        1);
    EXPECT_GE(
        count(
            u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE jisi_date = '%1' AND juya_gubun IS NULL"_s
                .arg(day(0))),
        1);
    EXPECT_GE(count(u"SELECT COUNT(*) FROM B_EQUIPMENT WHERE ipaddress = '%1'"_s.arg(kTerminal)),
              6);
    EXPECT_GE(count(u"SELECT COUNT(*) FROM B_EQUIPMENT WHERE ipaddress <> '%1'"_s.arg(kTerminal)),
              1);
    EXPECT_GE(count(u"SELECT COUNT(*) FROM (SELECT equipment_code FROM B_JAKUPJISI_MASTER WHERE "
                    u"end_yn = '2'\n"
                    u"  GROUP BY equipment_code HAVING COUNT(*) > 1) A"_s),
              1)
        << "a machine running two jobs";

    // The product picture board of this PC.
    const QString pumbun =
        db->value(u"SELECT \n    pumbun AS [품번]\nFROM B_JAKUPJISI_MASTER B_JM\n"
                  u"JOIN B_EQUIPMENT B_E on B_E.equipment_code = B_JM.equipment_code\nWHERE "
                  u"B_E.img_ip = '%1'\n"
                  u"AND B_E.Monitor = '2'\nAND B_JM.end_yn = '2'\nAND B_JM.Real_Jakup = '1'"_s.arg(
                      kTerminal))
            .toString();
    ASSERT_FALSE(pumbun.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(kPictures + u"/"_s + pumbun + u".jpg"_s)) << pumbun.toStdString();

    // The running assembly job's materials, each with a lot that has stock; advance stock first.
    const QString running =
        db->value(
              u"SELECT product_code FROM B_JAKUPJISI_MASTER WHERE equipment_code = 'R015' AND end_yn = '2'"_s)
            .toString();
    const Recordset materials = db->rows(
        u"SELECT distinct B_PM.product_code, B_BOM2.usage, B_PM.unit_code AS [단위]\nFROM B_BOM "
        u"B_BOM\n"
        u"JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code\n"
        u"JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code\n"
        u"JOIN B_CAR B_C On B_PM.car_code = B_C.car_code\nWHERE B_BOM.product_code = '%1'"_s.arg(
            running));
    ASSERT_GE(materials.rowCount(), 3);
    bool advanceFirst = false;
    for (int r = 0; r < materials.rowCount(); ++r) {
        const QString material = materials.value(r, 0).toString();
        const Recordset lot = db->rows(
            u"SELECT  TOP 1 AA.lot_no,\n        AA.재고\nFROM (\n"
            u"            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,\n"
            u"                    IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) as "
            u"[재고],\n"
            u"                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'\n"
            u"                    ELSE '2' END AS gubun\n            From S_PRODUCT_STORE S_PS\n"
            u"            WHERE S_PS.product_code = '%1'\n            AND S_PS.reg_date <= '%2'\n"
            u"            GROUP BY S_PS.lot_no\n"
            u"            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0\n"
            u") AA\nORDER BY AA.gubun,AA.lot_no"_s.arg(material, day(0)));
        ASSERT_EQ(lot.rowCount(), 1) << material.toStdString();
        EXPECT_GT(lot.value(0, 1).toDouble(), 0);
        advanceFirst = advanceFirst || lot.value(0, 0).toString().contains(u"선진행재고"_s);
    }
    EXPECT_TRUE(advanceFirst) << "an advance stock lot is offered first";

    // Defects and downtime of today on this terminal (the history screens).
    EXPECT_GE(
        count(u"SELECT COUNT(*) FROM P_BADQTY P_BAD JOIN P_SangSan_Master P_SM ON P_SM.Op_Seq_SUB "
              u"= P_BAD.Op_Seq_SUB\n"
              u"JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = P_SM.Equipment_Code\n"
              u"WHERE P_SM.Jakup_Date = '%1' and B_EQ.ipaddress = '%2'"_s.arg(day(0), kTerminal)),
        1);
    EXPECT_GE(
        count(u"SELECT COUNT(*) FROM P_BIGADONG P_BI JOIN B_EQUIPMENT B_E on B_E.equipment_code = "
              u"P_BI.equipment_code\n"
              u"WHERE P_BI.Biga_Date = '%1' AND B_E.ipaddress = '%2' AND P_BI.Etime IS NULL"_s.arg(
                  day(0), kTerminal)),
        1)
        << "a machine stopped right now";
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM REAL_TIME WHERE bigadong = 'TRUE'"_s), 1);
}

TEST_P(DemoPlantTest, MouldsStandardsAndLoginsAreThere) {
    // Shots since each mould's latest repair against its interval: one mould is due.
    const Recordset moulds = db->rows(
        u"SELECT B_M.mold_no, B_MT.Test_Su, ISNULL(C.shots, 0), B_M.product_code\nFROM B_METALLIC "
        u"B_M\n"
        u"JOIN B_METALLIC_TYPE B_MT on B_MT.Metallic_Type_Code = B_M.Metallic_Type_Code\n"
        u"JOIN (SELECT mold_no, product_code, MAX(repair_date) AS repair_date FROM "
        u"B_METALLIC_REPAIR\n"
        u"  GROUP BY mold_no, product_code) R ON R.mold_no = B_M.mold_no AND R.product_code = "
        u"B_M.product_code\n"
        u"LEFT JOIN (SELECT K.mold_no, SUM(ISNULL(K.Qty, 0)) AS shots FROM B_METALLIC_COUNT K\n"
        u"  JOIN (SELECT mold_no, MAX(repair_date) AS repair_date FROM B_METALLIC_REPAIR GROUP BY "
        u"mold_no) L\n"
        u"    ON L.mold_no = K.mold_no AND K.jakup_date > L.repair_date\n"
        u"  GROUP BY K.mold_no) C ON C.mold_no = B_M.mold_no"_s);
    ASSERT_GE(moulds.rowCount(), 4);
    QStringList due;
    for (int r = 0; r < moulds.rowCount(); ++r)
        if (moulds.value(r, 2).toInt() > moulds.value(r, 1).toInt())
            due << moulds.value(r, 3).toString();
    ASSERT_EQ(due.size(), 1);
    EXPECT_GE(
        count(
            u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE end_yn = '2' AND product_code = '%1'"_s
                .arg(due[0])),
        1)
        << "the due mould is on a running job";

    // Inspection standards in force with two-sided, one-sided and visual items, and their pictures.
    const Recordset items = db->rows(
        u"SELECT S.path, I.spec_min, I.spec_max FROM Q_CHOJUNGJONGTEST_STD S\n"
        u"JOIN Q_CHOJUNGJONGTEST_STD_SUB I ON I.process_test_num = S.process_test_num\nWHERE S.reg_yn = '1'"_s);
    int twoSided = 0, oneSided = 0, visual = 0;
    for (int r = 0; r < items.rowCount(); ++r) {
        bool minOk = false, maxOk = false;
        items.value(r, 1).toString().toDouble(&minOk);
        items.value(r, 2).toString().toDouble(&maxOk);
        twoSided += minOk && maxOk;
        oneSided += minOk != maxOk;
        visual += !minOk && !maxOk;
        EXPECT_TRUE(QFileInfo::exists(items.value(r, 0).toString()))
            << items.value(r, 0).toString().toStdString();
    }
    EXPECT_GE(twoSided, 1);
    EXPECT_GE(oneSided, 2);
    EXPECT_GE(visual, 1);
    EXPECT_GE(count(u"SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT R JOIN B_JAKUPJISI_MASTER J ON "
                    u"J.seq = R.seq\n"
                    u"WHERE J.end_yn = '2' AND R.process_test_check = '0'"_s),
              1)
        << "a sheet begun on a running job";

    // The logins the README gives.
    const QList<std::pair<QString, QString>> logins = {
        {u"1001"_s, u"1234"_s}, {u"2001"_s, u"1111"_s}, {u"2002"_s, u"2222"_s},
        {u"2003"_s, u"3333"_s}, {u"2004"_s, u"4444"_s}, {u"2005"_s, u"5555"_s},
        {u"2006"_s, u"6666"_s}, {u"3001"_s, u"7777"_s}};
    for (const auto& [no, pwd] : logins)
        EXPECT_EQ(
            count(u"SELECT COUNT(*) FROM B_EMPLOYEE EMP WHERE employee_no = '%1' AND pwd = '%2'"_s
                      .arg(no, pwd)),
            1)
            << no.toStdString();
    EXPECT_EQ(
        db->value(u"Select CAST(authority_s as varchar)+CAST(authority_i as varchar "
                  u")+CAST(authority_u as varchar)"
                  u"+CAST(authority_d as varchar) From B_Authority Where "
                  u"form_name='frm_S_Report_Suju_Chulha' "
                  u"AND form_code LIKE '%1%' AND employee_no='1001'"_s.arg(
                      db->value(u"SELECT ISNULL(MAX(LEFT(form_code,5)), '00000') FROM B_MENU"_s)
                          .toString()))
            .toString(),
        u"1111"_s);
}

// The boards: totals around today within their fixed scales.
TEST_P(DemoPlantTest, BoardsHaveTotalsAroundToday) {
    for (int offset : {-1, 0, 1}) {
        const qint64 ordered =
            count(u"SELECT ISNULL(Sum(ISNULL(order_qty, 0)), 0) FROM B_JAKUPJISI_MASTER P_PSJ "
                  u"WHERE P_PSJ.jisi_date = '%1'"_s.arg(day(offset)));
        EXPECT_GT(ordered, 0) << offset;
        EXPECT_LE(ordered, 2000) << offset;
    }
    EXPECT_GT(
        count(
            u"SELECT ISNULL(Sum(ISNULL(Qty, 0)), 0) FROM P_SangSan_Master P_PC WHERE P_PC.Jakup_Date = '%1'"_s
                .arg(day(-1))),
        0);
    for (int offset : {-1, 0, 1}) {
        const qint64 ordered =
            count(u"SELECT ISNULL(Sum(ISNULL(Balju_su, 0)), 0) FROM P_PRODUCT_SUJU_TALVEN P_PSJ "
                  u"WHERE SUBSTRING(P_PSJ.Chulha_date, 1, 7) = '%1'"_s.arg(month(offset)));
        EXPECT_GT(ordered, 0) << offset;
        EXPECT_LE(ordered, 20000) << offset;
    }
    EXPECT_GT(count(u"SELECT ISNULL(Sum(ISNULL(culha_su, 0)), 0) FROM P_PRODUCT_CULHA P_PC "
                    u"WHERE SUBSTRING(P_PC.Culha_date, 1, 7) = '%1'"_s.arg(month(-1))),
              0);
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM P_PRODUCT_CULHA WHERE culha_date >= '%1'"_s.arg(day(0))),
              0);
    // Production plan of this month (work order creation, monthly report) and this month's runs.
    EXPECT_GT(
        count(
            u"SELECT COUNT(*) FROM S_PRODUCTIONPLAN_TOTAL WHERE productionplan_month = '%1' AND day_%2 >= 0"_s
                .arg(month(0))
                .arg(today.day())),
        0);
    EXPECT_GT(
        count(
            u"SELECT COUNT(*) FROM S_PRODUCTIONPLAN_MONTH WHERE productionplan_month = '%1'"_s.arg(
                month(0))),
        0);
    for (const QString& process : {u"0001"_s, u"0002"_s})
        EXPECT_GT(
            count(
                u"SELECT COUNT(*) FROM P_SangSan_Master WHERE SUBSTRING(Jakup_Date, 1, 7) = '%1' AND process_code = '%2'"_s
                    .arg(month(0), process)),
            0)
            << process.toStdString();
    EXPECT_GT(count(u"SELECT COUNT(*) FROM P_BADQTY P_B WHERE LEFT(P_B.Op_Seq_SUB,6) = '%1'"_s.arg(
                  today.toString(u"yyyyMM"_s))),
              0);
}

INSTANTIATE_TEST_SUITE_P(Days, DemoPlantTest,
                         ::testing::Values("2024-03-05", "2024-01-01", "2024-03-31"));
} // namespace
