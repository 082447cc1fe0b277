#include "production/lotstatements.h"

#include "core/modfn.h"
#include "production/statementtext.h"

using StatementText::add;
using StatementText::quoted;

namespace LotSql {

namespace {
void materialColumns(QString* s) {
    add(s, {"SELECT distinct B_PM.product_code", "        ,B_C.car_name", "        ,B_PM.type",
            "        ,B_PM.pumbun", "        ,B_PM.eono", "        ,B_PM.product_name",
            "        ,B_BOM2.usage"});
}

void materialJoins(QString* s) {
    add(s, {"FROM B_BOM B_BOM", "JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code",
            "JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code",
            "JOIN B_CAR B_C On B_PM.car_code = B_C.car_code"});
}

// The grouped lot stock lines both lot lists share, from "[재고]," to "Having".
void lotStock(QString* s, const QString& materialCode, const QString& today) {
    add(s, {"                    IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) "
            "as [재고],",
            "                    MIN(S_PS.reg_date) As reg_date,",
            "                    MIN(S_PS.idx) As idx,",
            "                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'",
            "                    ELSE '2' END AS gubun", "            From S_PRODUCT_STORE S_PS"});
    quoted(s, "            WHERE S_PS.product_code = '", materialCode, "'");
    quoted(s, "            AND S_PS.reg_date <= '", today, "'");
    add(s, {"            GROUP BY S_PS.lot_no",
            "            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0"});
}

// The lot totals up to today, grouped by material and lot (the received and issued sums
// with the given lines).
void lotTotals(QString* s, std::initializer_list<const char*> sums, const QString& today) {
    add(s, {"left join   (Select S_PS.product_code As product_code,    --(입출고량"});
    add(s, sums);
    add(s, {"        From S_PRODUCT_STORE S_PS"});
    quoted(s, "        Where reg_date <= '", today, "'");
}
} // namespace

QString materials(const QString& productCode, const QString& opSeqSub) {
    QString s;
    add(&s, {"IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL", "BEGIN"});
    materialColumns(&s);
    add(&s, {"        ,'0' AS [LOT NO]", "        ,'0' AS [LOT 재고]", "        ,'0' AS [투입수량]",
             "        ,B_PM.unit_code AS [단위]"});
    materialJoins(&s);
    quoted(&s, "WHERE B_BOM.product_code = '", productCode, "'");
    add(&s, {"END", "ELSE", "BEGIN"});
    materialColumns(&s);
    add(&s, {"        ,TRT.lot_no AS [LOT NO]", "        ,ISNULL(TRT.lot_su,'0')  AS [LOT 재고]",
             "        ,'' AS [투입수량]", "        ,B_PM.unit_code AS [단위]"});
    materialJoins(&s);
    quoted(&s,
           "LEFT JOIN ##TEMP_REAL_LOT TRT On B_PM.product_code = TRT.product_code AND "
           "TRT.op_seq_sub = '",
           opSeqSub, "'");
    quoted(&s, "WHERE B_BOM.product_code = '", productCode, "'");
    add(&s, {"END"});
    return s;
}

QString firstLot(const QString& materialCode, const QString& today) {
    QString s;
    add(&s, {"SELECT  TOP 1 AA.lot_no,", "        AA.재고", "FROM (",
             "            SELECT  ISNULL(S_PS.lot_no,0) as lot_no ,"});
    lotStock(&s, materialCode, today);
    add(&s, {") AA", "ORDER BY AA.gubun,AA.lot_no"});
    return s;
}

QString lotList(const QString& materialCode, const QString& today) {
    QString s;
    add(&s, {"            SELECT  S_PS.lot_no,"});
    lotStock(&s, materialCode, today);
    add(&s, {"            ORDER BY gubun, S_PS.lot_no"});
    return s;
}

QString deleteLotHistory(const QString& materialCode, const QString& productCode,
                         const QString& lotNo) {
    QString s;
    add(&s, {"delete PANLE_S_LOT_HISTORY"});
    quoted(&s, "where H_product_code = '", materialCode, "'");
    quoted(&s, "and S_product_code ='", productCode, "'");
    quoted(&s, "and lot_no = '", lotNo, "'");
    return s;
}

QString selectLots(const QString& materialCode, const QString& today) {
    QString s;
    add(&s, {"SELECT", "     A.lot_no      AS [LOT NO],",
             "     Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0) As [재고],",
             "     B_MA.product_code as [제품코드],", "     LEFT(A.lot_no,2) as [LOT구분1],",
             "     ISNUMERIC(SUBSTRING(A.lot_no, 3, 1)) As [LOT구분2]",
             "FROM B_PRODUCT_MASTER B_MA", "JOIN B_CAR B_CAR ON B_CAR.car_code = B_MA.car_code"});
    lotTotals(&s,
              {"           cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2))   As ipgo_su,",
               "            cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) As culgo_su,",
               "            lot_no                        As lot_no,",
               "            MAX(reg_date)  As reg_date"},
              today);
    add(&s, {"        Group By S_PS.product_code, lot_no) A on A.product_code = B_MA.product_code",
             "left join M_MATERIAL_IPHA m_mi on m_mi.product_code = B_MA.product_code and "
             "m_mi.lot_no = a.lot_no        ",
             "Where 1 = 1 And use_yn = 1"});
    quoted(&s, "AND B_MA.product_code = '", materialCode, "'");
    quoted(&s, "AND A.reg_date <= '", today, "' AND A.lot_no IS NOT NULL");
    add(&s, {"AND (Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)) > 0", "",
             "Order By [LOT구분1],[LOT구분2]"});
    return s;
}

QString scannedLot(const QString& lotNo, const QString& materialCode, const QString& today) {
    QString s;
    add(&s, {"        Select", "    Isnull(a.ipgo_su,0)  as [입고수량],",
             "    B_PM.product_code As [자재코드],", "    a.lot_no                As lot_no,",
             "    Isnull(a.culgo_su,0) as [출고수량]", "From B_PRODUCT_MASTER B_PM",
             "Join B_CAR B_C On B_PM.car_code = B_C.car_code",
             "Join B_ABC B_ABC On B_ABC.abc = B_PM.abc  --And B_ABC.abc_gubun = '자재'"});
    lotTotals(&s,
              {"            Sum(isnull(S_PS.ipgo_su,0))   As ipgo_su,",
               "            Sum(isnull(S_PS.culgo_su, 0)) As culgo_su,",
               "            lot_no                        As lot_no"},
              today);
    add(&s,
        {"        Group By S_PS.product_code, lot_no) A on A.product_code = B_PM.product_code"});
    quoted(&s, "where A.product_code = '", materialCode, "'");
    quoted(&s, "  and A.lot_no = '", lotNo, "'");
    add(&s, {"  and ((Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  = 0 and  a.lot_no is  null ) or  "
             "Isnull(a.ipgo_su,0) - Isnull(a.culgo_su,0)  <> 0 )",
             "order by a.lot_no"});
    return s;
}

QString lotStart(const QString& materialCode, const QString& lotNo) {
    QString s;
    add(&s, {"SELECT  MIN(reg_date) as [LOT생성날짜],", "        MIN(IDX) As IDX",
             "From S_PRODUCT_STORE"});
    StatementText::line(&s, QStringLiteral("where product_code = '") + gfSQL_STR(materialCode) +
                                QStringLiteral("' and lot_no = '") + gfSQL_STR(lotNo) +
                                QStringLiteral("'"));
    return s;
}

QString olderLot(const QString& orderDate, const QString& materialCode, const QString& firstDate,
                 const QString& firstIdx) {
    QString s;
    add(&s, {"SELECT  TOP 1 lot_no As lot_no", "From S_PRODUCT_STORE S_PS"});
    StatementText::line(&s, QStringLiteral("Where reg_date <= '") + gfSQL_STR(orderDate) +
                                QStringLiteral("' and product_code = '") + gfSQL_STR(materialCode) +
                                QStringLiteral("'"));
    add(&s, {"Group By S_PS.product_code, lot_no",
             "Having (cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - "
             "cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) = 0 And lot_no Is Null) Or "
             "(cast(Sum(IsNull(S_PS.ipgo_su, 0)) as Numeric(10,2)) - "
             "cast(Sum(IsNull(S_PS.culgo_su, 0)) as Numeric(10,2)) > 0)"});
    StatementText::line(&s, QStringLiteral("AND MIN(reg_date) <= '") + gfSQL_STR(firstDate) +
                                QStringLiteral("' and MIN(idx) < '") + gfSQL_STR(firstIdx) +
                                QStringLiteral("'"));
    add(&s, {"ORDER BY MIN(reg_date), MIN(idx)"});
    return s;
}

} // namespace LotSql
