// The actions' and work order creation's statements line by line, the numbering checks
// and the quantity rule.
#include "tests/support/qtprinters.h"
#include "ui/common/dailynumber.h"
#include "ui/common/jobstartsql.h"
#include "workorders/jakupstatements.h"
#include "workorders/workorderstatements.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
QString lines(std::initializer_list<const char*> l) {
    QString s;
    for (const char* line : l)
        s += QLatin1Char('\n') + QString::fromUtf8(line);
    return s;
}
} // namespace

TEST(WorkOrderStatements, ListActionsLineByLineWithQuotesDoubled) {
    using namespace WorkOrderStatements;
    const QString p = QStringLiteral("20240305001"), s = QStringLiteral("2024'05001001");
    EXPECT_EQ(equipmentBusy(QStringLiteral("R'1")),
              lines({"Select end_yn", "From B_JAKUPJISI_MASTER", "Where equipment_code = 'R''1'",
                     "AND end_yn = '2'"}));
    EXPECT_EQ(startOrder(p, s),
              lines({"UPDATE B_JAKUPJISI_MASTER ", "SET", "    end_yn = '2'",
                     "Where Prod_no = '20240305001'", "And Seq = '2024''05001001'"}));
    EXPECT_EQ(cancelOrder(p, s),
              lines({" DELETE  FROM B_JAKUPJISI_MASTER", "  WHERE PROD_NO = '20240305001'",
                     "    AND     SEQ = '2024''05001001'"}));
    EXPECT_EQ(runningJob(s),
              lines({"select op_seq_Sub from p_sangsan_master", "where seq = '2024''05001001'"}));
}

TEST(WorkOrderStatements, SeveralJobsOnlyOnTheListedEquipment) {
    for (const char* code :
         {"R005", "R006", "R008", "R009", "R017", "R018", "R019", "R020", "R021"})
        EXPECT_TRUE(WorkOrderStatements::runsSeveralJobs(QString::fromLatin1(code))) << code;
    for (const char* code : {"R007", "R010", "r017", "R017 ", "", "EQ1"})
        EXPECT_FALSE(WorkOrderStatements::runsSeveralJobs(QString::fromLatin1(code))) << code;
}

TEST(NumberingStatements, TheLockedReadDiffersOnlyByTheHintOnItsTable) {
    const QString job = jobNumberStatement(QStringLiteral("20240305"));
    const QString order = JakupStatements::orderNumber(QStringLiteral("20240305"));
    EXPECT_EQ(order,
              lines({" select  CASE wHEN left(MAX(prod_no),8) + Right('000' + Cast(right(Max("
                     "prod_no),3) + 1 as varchar(10)),3)",
                     "   IS NULL THEN '20240305001' ELSE left(MAX(prod_no),8) + Right('000' + "
                     "Cast(right(Max(prod_no),3) + 1 as varchar(10)),3) END",
                     " From B_JAKUPJISI_MASTER", " Where PROD_NO like '20240305%'"}));
    QString lockedJob = job, lockedOrder = order;
    lockedJob.replace(QStringLiteral("\n    P_SANGSAN_MASTER\n"),
                      QStringLiteral("\n    P_SANGSAN_MASTER WITH (UPDLOCK, HOLDLOCK)\n"));
    lockedOrder.replace(QStringLiteral("\n From B_JAKUPJISI_MASTER\n"),
                        QStringLiteral("\n From B_JAKUPJISI_MASTER WITH (UPDLOCK, HOLDLOCK)\n"));
    ASSERT_NE(lockedJob, job);
    ASSERT_NE(lockedOrder, order);
    EXPECT_EQ(jobNumberStatement(QStringLiteral("20240305"), DailyNumber::Lock::Held), lockedJob);
    EXPECT_EQ(JakupStatements::orderNumber(QStringLiteral("20240305"), DailyNumber::Lock::Held),
              lockedOrder);
}

TEST(NumberingStatements, DayNumbersCheck) {
    using DailyNumber::Check;
    struct Case {
        const char* number;
        Check check;
    };
    for (const Case& c :
         {Case{"20240305001", Check::Usable}, Case{"20240305999", Check::Usable},
          Case{"20240305000", Check::Exhausted}, Case{"20240306001", Check::Invalid},
          Case{"2024030501", Check::Invalid}, Case{"", Check::Invalid},
          Case{"2024030500A", Check::Invalid}, Case{"202403051000", Check::Invalid}})
        EXPECT_EQ(DailyNumber::check(QString::fromLatin1(c.number), QStringLiteral("20240305")),
                  c.check)
            << c.number;
}

TEST(JakupStatements, ProductsOfTodayLineByLine) {
    const QString full =
        lines({"SELECT",
               "    B_CAR.car_code as car_code,",
               "    B_CAR.car_name as car_name,",
               "    B_PM.product_code as product_code,",
               "    B_PM.pumbun as pumbun,",
               "    B_PM.product_name as product_name,",
               "    CASE WHEN ISNULL(S_PT.jisi_su,0) - ISNULL(P_SM.qty,0)> 0 THEN "
               "ISNULL(S_PT.jisi_su,0) - ISNULL(P_SM.qty,0)",
               "    ELSE 0 END as jisi_su",
               "    FROM B_EQUIPMENT_TIME B_ET",
               "    JOIN B_PRODUCT_MASTER B_PM on B_PM.product_code = B_ET.product_code",
               "    JOIN B_CAR B_CAR on B_PM.car_code = B_CAR.car_code",
               "    LEFT JOIN(",
               "        SELECT",
               "            product_code as product_code,",
               "            ISNULL(day_5,0) As jisi_su",
               "        FROM S_PRODUCTIONPLAN_TOTAL",
               "        WHERE productionplan_month = '2024-03'",
               "    )S_PT on S_PT.product_code = B_PM.product_code",
               "    LEFT JOIN(",
               "        SELECT",
               "            Product_Code as product_code,",
               "            SUM(IsNull(qty, 0)) As qty",
               "        From P_SangSan_Master",
               "        WHERE Jakup_Date = '2024-03-05'",
               "        GROUP BY Product_Code",
               "    )P_SM on P_SM.product_code = B_PM.product_code",
               "    WHERE B_ET.process_code = 'P''10'",
               "    AND B_ET.equipment_code = 'EQ1'"});
    EXPECT_EQ(JakupStatements::products(QStringLiteral("P'10"), QStringLiteral("EQ1"), QString(),
                                        QDate(2024, 3, 5)),
              full);
    EXPECT_EQ(JakupStatements::products(QStringLiteral("P'10"), QStringLiteral("EQ1"),
                                        QStringLiteral("A'B"), QDate(2024, 3, 5)),
              full + QStringLiteral("\n    AND B_PM.pumbun LIKE '%A''B%'"));
    struct Day {
        QDate date;
        const char* column;
    };
    for (const Day& d :
         {Day{QDate(2024, 1, 1), "ISNULL(day_1,0)"}, Day{QDate(2024, 12, 12), "ISNULL(day_12,0)"},
          Day{QDate(2024, 1, 31), "ISNULL(day_31,0)"}}) {
        const QString s = JakupStatements::products(QString(), QString(), QString(), d.date);
        EXPECT_TRUE(s.contains(QLatin1String(d.column))) << d.column;
        EXPECT_TRUE(s.contains(QStringLiteral("productionplan_month = '") +
                               d.date.toString(QStringLiteral("yyyy-MM")) + QLatin1Char('\'')));
    }
}

TEST(JakupStatements, OrderInsertLineByLine) {
    JakupStatements::NewOrder o;
    o.prodNo = QStringLiteral("20240305002");
    o.processCode = QStringLiteral("P10");
    o.equipmentCode = QStringLiteral("EQ1");
    o.productCode = QStringLiteral("A-100");
    o.pumbun = QStringLiteral("PN'A");
    o.orderQty = 60;
    o.userId = QStringLiteral("E'07");
    o.now = QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9));
    EXPECT_EQ(JakupStatements::orderInsert(o), lines({"Insert into B_JAKUPJISI_MASTER",
                                                      " ( ",
                                                      "   prod_no,",
                                                      "   seq,",
                                                      "   process_code,",
                                                      "   jisi_date,",
                                                      "   equipment_code,",
                                                      "   cproduct_code,",
                                                      "   product_code,",
                                                      "   pumbun,",
                                                      "   palette_code,",
                                                      "   Plan_Qty,",
                                                      "   order_qty,",
                                                      "   end_yn,",
                                                      "   employee_Su,",
                                                      "   employee,",
                                                      "   employee_No,",
                                                      "   Bom_Code,",
                                                      "   Juya_Gubun,",
                                                      "   jisi_time,",
                                                      "   sunbun,",
                                                      "   last_date,",
                                                      "   last_time,",
                                                      "   user_id)",
                                                      "Values",
                                                      "(",
                                                      "    '20240305002',",
                                                      "    '20240305002'+'001',",
                                                      "    'P10',",
                                                      "    '2024-03-05',",
                                                      "    'EQ1',",
                                                      "    'A-100',",
                                                      "    'A-100',",
                                                      "    'PN''A',",
                                                      "    '',",
                                                      "    '0',",
                                                      "    '60',",
                                                      "    '1',",
                                                      "    '1',",
                                                      "    '',",
                                                      "    '',",
                                                      "    '',",
                                                      "    '1',",
                                                      "    '',",
                                                      "    '1',",
                                                      "    '2024-03-05',",
                                                      "    '070809',",
                                                      "    'E''07'",
                                                      ")"}));
}

TEST(JakupStatements, OrderQuantityFromTheRemainingPlan) {
    struct Case {
        QVariant remaining;
        std::optional<qint32> qty;
    };
    const Case cases[] = {
        {60, 60},
        {0, 1},
        {-5, 1},
        {QString(), 1},
        {QVariant(), 1},
        {2.5, 2},
        {3.5, 4},
        {0.4, 1},
        {2147483647.0, 2147483647},
        {3e9, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JakupStatements::orderQuantity(c.remaining), c.qty)
            << c.remaining.toString().toStdString();
}
