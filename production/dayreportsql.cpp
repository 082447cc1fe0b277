#include "production/dayreportsql.h"

#include "core/modfn.h"

namespace DayReportSql {

namespace {
QString line(const char* text) {
    return QLatin1Char('\n') + QString::fromUtf8(text);
}
// A line with one quoted value: its text up to the quote, the value, the rest.
QString quoted(const char* head, const QString& value, const char* tail = "'") {
    return QLatin1Char('\n') + QString::fromUtf8(head) + gfSQL_STR(value) + QString::fromUtf8(tail);
}
} // namespace

QString equipButtons(const QString& ip, const QString& today) {
    const QString d = gfSQL_STR(today);
    return line("select distinct B_JAK.equipment_code as equipment_code, B_eq.equipment_name as "
                "equipment_name") +
           line("from B_JAKUPJISI_MASTER B_JAK") +
           line("JOiN B_EQUIPMENT B_eq ON b_eq.equipment_code = B_JAK.equipment_code ") +
           quoted("where b_eq.ipaddress = '", ip) +
           QStringLiteral("\n and ((B_JAK.jisi_date <> '") + d +
           QStringLiteral("' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = '") + d +
           QStringLiteral("' AND B_JAK.end_yn = '2')") + line("Order by b_eq.equipment_name");
}

QString job(const QString& equipmentCode, const QString& opSeqSub, const QString& today) {
    QString s = line("SELECT") + line("    Top 1");
    for (const char* l : {
             "    B_JAK.seq  AS [작업지시번호],",
             "     B_JAK.jisi_date  AS [지시일자],",
             "    P_SAN.op_seq_sub  AS [생산실적번호],",
             "    case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' then '주간'",
             "        when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then '야간'",
             "        when B_JAK.juya_gubun is  null then '주간' end  as [주야구분],",
             "    B_PR.process_code As [공정코드],",
             "    B_PR.process_name As [공정명],",
             "    P_SAN.equipment_code AS [설비코드],",
             "    B_JAK.PRODUCT_CODE as [제품코드],",
             "    B_C.car_code As [차종코드],",
             "    B_C.car_name As [차종명],",
             "    B_PM.PUMBUN as [품번],",
             "    B_PM.EONO as [Rev.No],",
             "    B_PM.PRODUCT_NAME as [품명],",
             "    B_PM.standard as [규격],",
             "    CASE WHEN B_JAK.ORDER_QTY - B_JAK.Qty >= 0 then B_JAK.ORDER_QTY - B_JAK.Qty - "
             "B_JAK.bad_Qty else '0' end  as [지시수량],",
             "    ISNULL(P_SAN.QTY,0) as [양품수량],",
             "    ISNULL(P_SAN.bad_qty,0) as [불량수량],",
             "    P_SAN.EMPLOYEE_Su as [작업인원],",
             "    ISNULL(B_EM.employee_name,'') as [작업자],",
             "    P_SAN.EMPLOYEE_No AS [작업자사번],",
             "    P_SAN.sdate AS [시작일자],",
             "    P_SAN.stime AS [시작시간],",
             "    P_SAN.Edate AS [종료일자],",
             "    P_SAN.Etime AS [종료시간],",
             "    ISNULL(B_EMP1.employee_Name,'') as [작업자1],",
             "    '' as [작업자2],",
             "    '' as [작업자3],",
             "    B_PM.type as [제품구분],",
             "    B_PM.product_type_code as [제품유형코드],",
             "    P_SAN.employee_no as [작업자사번]",
             "FROM B_JAKUPJISI_MASTER B_JAK",
             "JOIN P_SangSan_Master P_SAN ON B_JAK.seq = P_SAN.Seq",
             "LEFT JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code",
             "Join B_CAR B_C On B_PM.car_code = B_C.car_code",
             "left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = P_SAN.EMPLOYEE_NO",
             "left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code",
             "left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code",
             "LEFT JOIN B_EMPLOYEE B_EMP1 on B_EMP1.employee_no = P_SAN.employee_no",
         })
        s += line(l);
    return s + quoted("WHERE 1=1 -- AND B_JAK.jisi_date = '", today) +
           line("AND B_JAK.END_YN = '2'") + quoted("AND P_SAN.equipment_code = '", equipmentCode) +
           quoted("AND P_SAN.op_seq_sub = '", opSeqSub) + line("Order by P_SAN.idx desc");
}

QString processName(const QString& equipmentCode) {
    return line("SELECT B_PR.process_name") + line("FROM B_EQUIPMENT_time B_EQ") +
           line("JOIN B_PROCESS B_PR ON B_PR.process_code = B_EQ.process_code") +
           quoted("WHERE B_EQ.equipment_code = '", equipmentCode);
}

QString lineTotals(const QString& seq) {
    return line("SELECT ISNULL(sum(isnull(qty,0)),0) as qty, ISNULL(sum(isnull(bad_qty,0)),0) as "
                "bad_qty") +
           line("FROM P_sangsan_master P_SM") + quoted("WHERE seq = '", seq);
}

QString mouldInterval(const QString& moldNo, const QString& productCode) {
    return line("SELECT") + line("    B_M.mold_no as [금형번호],") +
           line("    B_MT.Test_Su as [점검타수],") +
           line("    ISNULL(B_MR.repair_date,'') as [수리날짜]") + line("FROM B_METALLIC B_M") +
           line("JOIN B_METALLIC_TYPE B_MT on B_MT.Metallic_Type_Code = B_M.Metallic_Type_Code") +
           line("JOIN(") + line("    SELECT") + line("        mold_no as mold_no,") +
           line("        MAX(repair_date) As repair_date") + line("    From B_METALLIC_REPAIR") +
           quoted("    WHERE mold_no = '", moldNo) +
           quoted("    AND product_code = '", productCode) + line("    GROUP BY mold_no") +
           line(")B_MR on B_M.mold_no = B_MR.mold_no");
}

QString mouldShots(const QString& moldNo, const QString& productCode, const QString& repairDate) {
    QString s = line("SELECT") + line("    mold_no as [금형번호],") +
                line("    SUM(ISNULL(Qty,0)) as [누적타수]") + line("FROM B_METALLIC_COUNT") +
                quoted("WHERE mold_no = '", moldNo) + quoted("AND product_code = '", productCode);
    if (!repairDate.isEmpty())
        s += quoted("AND jakup_date > '", repairDate, "' ");
    return s + line("GROUP BY mold_no");
}

} // namespace DayReportSql
