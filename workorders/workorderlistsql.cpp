#include "workorders/workorderlistsql.h"

#include "core/modfn.h"

namespace {
// Appends each line after a line feed, as the statement helpers expect.
class Lines {
public:
    Lines& operator<<(const QString& line) {
        m_text += QLatin1Char('\n') + line;
        return *this;
    }
    QString text() const { return m_text; }

private:
    QString m_text;
};

QString quoted(const QString& value) {
    return QLatin1Char('\'') + gfSQL_STR(value) + QLatin1Char('\'');
}

// The distinct equipment and process pairs of B_EQUIPMENT_TIME and the two joins.
void equipmentProcessSource(Lines& l) {
    l << QStringLiteral("FROM(") << QStringLiteral("SELECT distinct")
      << QStringLiteral("    equipment_code as equipment_code,")
      << QStringLiteral("    process_code As process_code")
      << QStringLiteral("From B_EQUIPMENT_TIME") << QStringLiteral(") B_ET")
      << QStringLiteral("JOIN B_EQUIPMENT B_E ON B_E.equipment_code = B_ET.equipment_code")
      << QStringLiteral("JOIN B_PROCESS B_PRO ON B_PRO.process_code = B_ET.process_code");
}

void orderColumns(Lines& l, bool filtered) {
    l << QStringLiteral("SELECT") << QStringLiteral("    B_JAK.PROD_NO as [작업지시번호],")
      << QStringLiteral("    B_JAK.SEQ as [지시번호],")
      << QStringLiteral("    case when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='1' "
                        "then '주간' ")
      << QStringLiteral("when B_JAK.juya_gubun is not null and B_JAK.juya_gubun='0' then '야간' ")
      << QStringLiteral("when B_JAK.juya_gubun is  null then '주간' end as [구분],")
      << QStringLiteral("    B_PR.process_code as [공정코드],")
      << QStringLiteral("    B_PR.process_name as [공정명],")
      << QStringLiteral("    B_JAK.PRODUCT_CODE as [제품코드],")
      << QStringLiteral("    B_E.equipment_name as [설비명],")
      << QStringLiteral("    B_C.car_code as [차종코드],")
      << QStringLiteral("    B_C.car_name as [차종명],")
      << QStringLiteral("    B_PM.PUMBUN as [품번],")
      << QStringLiteral("    B_PM.EONO as [Rev.No],")
      << QStringLiteral("    B_PM.PRODUCT_NAME as [품명],")
      << QStringLiteral("    B_PM.standard as [규격],")
      << QStringLiteral("    B_JAK.ORDER_QTY as [지시수량],")
      << QStringLiteral("    B_JAK.QTY + B_JAK.bad_QTY as [생산수량],");
    if (filtered) {
        l << QStringLiteral("    B_JAK.EMPLOYEE_Su as [작업인원],");
    } else {
        l << QStringLiteral("    CASE WHEN P_SM.employee_su IS NOT NULL THEN P_SM.employee_su")
          << QStringLiteral("ELSE B_JAK.employee_su END as [작업인원],");
    }
    l << QStringLiteral("    ISNULL(B_EM.employee_name,B_EM2.employee_Name ) as [작업자],")
      << QStringLiteral("    B_JAK.EMPLOYEE_No as [작업그룹코드],")
      << QStringLiteral("    case when B_JAK.END_YN = '3' then '완료' ")
      << QStringLiteral("when B_JAK.END_YN = '2' then '진행중'")
      << QStringLiteral("when B_JAK.END_YN = '1' then '미완료' end as [완료여부],")
      << QStringLiteral("    B_JAK.JISI_DATE as [지시일자],")
      << QStringLiteral("    B_JAK.equipment_code as [설비코드],")
      << QStringLiteral("    ISNULL(B_ME.mold_no,'') as [금형번호]");
}

void orderSources(Lines& l) {
    l << QStringLiteral("from B_JAKUPJISI_MASTER B_JAK")
      << QStringLiteral("JOIN B_PRODUCT_MASTER B_PM On B_JAK.product_code = B_PM.product_code")
      << QStringLiteral("Join B_CAR B_C On B_PM.car_code = B_C.car_code")
      << QStringLiteral("LEFT JOIN (") << QStringLiteral("SELECT") << QStringLiteral("Seq as seq,")
      << QStringLiteral("MAX(employee_no) as employee_no,")
      << QStringLiteral("MAX(employee_su) As employee_su")
      << QStringLiteral("From P_SangSan_Master") << QStringLiteral("GROUP BY seq")
      << QStringLiteral(") P_SM on P_SM.seq = B_JAK.seq")
      << QStringLiteral("left Join B_EMPLOYEE B_EM On B_EM.EMPLOYEE_NO = B_JAK.EMPLOYEE_NO")
      << QStringLiteral("left Join B_EMPLOYEE B_EM2 On B_EM2.EMPLOYEE_NO = P_SM.EMPLOYEE_NO")
      << QStringLiteral("left Join B_PALETTE B_PAL On B_JAK.palette_code = B_PAL.palette_code")
      << QStringLiteral("left Join B_PROCESS B_PR On B_JAK.process_code = B_PR.process_code")
      << QStringLiteral("Join B_EQUIPMENT B_E On B_E.equipment_code = B_JAK.equipment_code")
      << QStringLiteral("LEFT JOIN B_METALLIC B_ME ON B_ME.product_code = B_JAK.product_code");
}

QString day(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}
} // namespace

QString WorkOrderListSql::processButtons(const QString& ip) {
    Lines l;
    l << QStringLiteral("SELECT") << QStringLiteral("    B_ET.process_code as process_code,")
      << QStringLiteral("    B_PRO.process_name as process_name");
    equipmentProcessSource(l);
    l << QStringLiteral("WHERE B_E.ipaddress = ") + quoted(ip)
      << QStringLiteral("GROUP BY B_ET.process_code, B_PRO.process_name");
    return l.text();
}

QString WorkOrderListSql::equipmentButtons(const QString& ip, const QString& processCode) {
    Lines l;
    l << QStringLiteral("SELECT") << QStringLiteral("    B_ET.equipment_code as 설비코드,")
      << QStringLiteral("    B_E.equipment_name as 설비명");
    equipmentProcessSource(l);
    l << QStringLiteral("WHERE B_E.ipaddress = ") + quoted(ip)
      << QStringLiteral("and B_PRO.process_code = ") + quoted(processCode);
    return l.text();
}

QString WorkOrderListSql::rowEquipment(const QString& ip, const QString& processCode,
                                       const QString& equipmentCode, const QString& jisiDate) {
    Lines l;
    l << QStringLiteral("SELECT DISTINCT ISNULL(B_EQ.equipment_code,'') AS [설비코드], "
                        "B_EQ.equipment_name AS [설비명]")
      << QStringLiteral("FROM B_PROCESS B_PR")
      << QStringLiteral("JOIN b_jakupjisi_master b_ET ON B_PR.process_code = b_ET.process_code")
      << QStringLiteral("JOIN B_EQUIPMENT B_EQ ON b_ET.equipment_code = B_EQ.equipment_code")
      << QStringLiteral("WHERE 1=1") << QStringLiteral("AND B_EQ.ipaddress = ") + quoted(ip)
      << QStringLiteral("AND b_ET.process_code = ") + quoted(processCode)
      << QStringLiteral("and B_EQ.equipment_code = ") + quoted(equipmentCode)
      << QStringLiteral("and jisi_date = ") + quoted(jisiDate);
    return l.text();
}

QString WorkOrderListSql::processFilter(const QString& processCode) {
    return QStringLiteral("\nAND B_PR.process_code = ") + quoted(processCode);
}

QString WorkOrderListSql::equipmentFilter(const QString& equipmentCode,
                                          const QString& processCode) {
    return QStringLiteral("\nAND B_JAK.equipment_code = ") + quoted(equipmentCode) +
           QStringLiteral("\nAND B_JAK.process_code = ") + quoted(processCode);
}

QString WorkOrderListSql::orders(const QDate& today, const QString& ip, bool filtered,
                                 const QString& extraFilter) {
    const QString t = quoted(day(today));
    Lines l;
    orderColumns(l, filtered);
    orderSources(l);
    l << QStringLiteral("WHERE ((B_JAK.jisi_date <> ") + t +
             QStringLiteral(" AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = ") + t +
             QStringLiteral(" or B_JAK.jisi_date = ") + quoted(day(today.addDays(-1))) +
             QLatin1Char(')')
      << QStringLiteral("and  B_E.ipaddress = ") + quoted(ip)
      << QStringLiteral("and b_jak.order_qty <> '0'");
    return l.text() + extraFilter + QStringLiteral("\n ORDER BY [작업지시번호],[지시번호]");
}
