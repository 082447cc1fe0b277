#include "boards/historysql.h"

#include "core/modfn.h"

#include <QStringList>

namespace {
// Each line after a line feed, as the statement helpers expect.
QString lines(const QStringList& l) {
    return QLatin1Char('\n') + l.join(QLatin1Char('\n'));
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + gfSQL_STR(value) + QLatin1Char('\'');
}

QString day(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}
} // namespace

namespace HistorySql {

QString processButtons(HistoryScreen screen, const QString& ip, const QDate& today) {
    const QString t = quoted(day(today));
    const QString where = screen == HistoryScreen::Defects
                              ? QStringLiteral("where B_EQ.ipaddress = ")
                              : QStringLiteral("Where b_eq.ipaddress = ");
    return lines({
        QStringLiteral("select distinct B_JAK.process_code as PROCESS_CODE, B_PR.process_name as "
                       "PROCESS_NAME"),
        QStringLiteral("from B_JAKUPJISI_MASTER B_JAK"),
        QStringLiteral("JOiN B_PROCESS B_PR ON B_PR.process_code = B_JAK.process_code "),
        QStringLiteral("left join b_equipment b_eq on b_eq.equipment_code = b_jak.equipment_code"),
        where + quoted(ip),
        QStringLiteral("and ((B_JAK.jisi_date <> ") + t +
            QStringLiteral(" AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = ") + t + QLatin1Char(')'),
        QStringLiteral("Order by B_PR.process_name"),
    });
}

QString defects(const QDate& today, const QString& ip, const QString& extraFilter) {
    return lines({
               QStringLiteral("SELECT"),
               QStringLiteral("    ISNULL(P_SM.prod_no,'') As [작업지시번호],"),
               QStringLiteral("    ISNULL(P_SM.op_seq_sub,'') As [생산실적순번],"),
               QStringLiteral("    P_BAD.process_code As [공정코드],"),
               QStringLiteral("    B_PRO.process_name As [공정명],"),
               QStringLiteral("    B_PM.pumbun As [품번],"),
               QStringLiteral("    B_PM.eono As [Rev.No],"),
               QStringLiteral("    B_PM.product_name As [품명],"),
               QStringLiteral("    P_BAD.ProcessBad_code As [부적합코드],"),
               QStringLiteral("    B_BAD.processbad_name As [부적합명],"),
               QStringLiteral("    P_BAD.Bad_Qty As [불량수량],"),
               QStringLiteral("    P_BAD.Last_Time As [종료시간],"),
               QStringLiteral("    P_BAD.Employee_no As [사번],"),
               QStringLiteral("    P_BAD.User_Id As [성명],"),
               QStringLiteral("    P_BAD.bigo As [비고]"),
               QStringLiteral("from P_BADQTY P_BAD"),
               QStringLiteral("JOIN B_PROCESSBAD B_BAD On B_BAD.processbad_code = "
                              "P_BAD.ProcessBad_code"),
               QStringLiteral("JOIN B_PROCESS B_PRO On B_PRO.process_code = P_BAD.process_code"),
               QStringLiteral("JOIN P_SangSan_Master P_SM ON P_SM.Op_Seq_SUB = P_BAD.Op_Seq_SUB"),
               QStringLiteral("LEFT JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = "
                              "P_SM.Equipment_Code"),
               QStringLiteral("JOIN B_PRODUCT_MASTER B_PM On B_PM.product_code = "
                              "P_SM.Product_Code"),
               QStringLiteral("Join B_PRODUCT_TYPE B_PT On B_PT.product_type_code = "
                              "B_PM.product_type_code"),
               QStringLiteral("JOIN B_CAR B_C On B_C.car_code = B_PM.car_code"),
               QStringLiteral("join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq"),
               QStringLiteral("Where 1 = 1"),
               QStringLiteral("AND P_SM.Jakup_Date = ") + quoted(day(today)),
               QStringLiteral("and  B_EQ.ipaddress = ") + quoted(ip),
           }) +
           extraFilter;
}

QString downtime(const QDate& today, const QString& ip, const QString& extraFilter) {
    return lines({
               QStringLiteral("SELECT"),
               QStringLiteral("    P_BI.idx,"),
               QStringLiteral("    P_BI.OP_SEQ_SUB,"),
               QStringLiteral("    B_PR.process_name AS [공정명],"),
               QStringLiteral("    B_E.EquipMent_Code AS [설비코드],"),
               QStringLiteral("    B_E.EquipMent_name AS [설비명],"),
               QStringLiteral("    P_BI.Stime as [시작시간],"),
               QStringLiteral("    P_BI.Etime as [종료시간],"),
               QStringLiteral("    B_PR.process_code as [공정코드],"),
               QStringLiteral("    P_BI.Bigadong_Code as [비가동코드],"),
               QStringLiteral("    B_BI.bigadong_name as [비가동명],"),
               QStringLiteral("    P_BI.Min as [경과시간(분)]"),
               QStringLiteral("FROM P_BIGADONG P_BI"),
               QStringLiteral("LEFT join B_BIGADONG B_BI on B_BI.bigadong_code = "
                              "P_BI.Bigadong_Code"),
               QStringLiteral("left join P_SangSan_Master p_sm on p_sm.OP_SEQ_SUB = "
                              "P_BI.OP_SEQ_SUB "),
               QStringLiteral("JOIN B_EQUIPMENT B_E on B_E.equipment_code = P_BI.equipment_code"),
               QStringLiteral("JOIN B_PROCESS B_PR ON B_PR.process_code = p_sm.process_code"),
               QStringLiteral("join B_JAKUPJISI_MASTER b_jak on b_jak.seq = P_SM.Seq"),
               QStringLiteral("WHERE P_BI.Biga_Date = ") + quoted(day(today)),
               QStringLiteral("AND B_E.ipaddress = ") + quoted(ip),
           }) +
           extraFilter;
}

QString results(const QDate& orderDate, const QString& ip, const QString& extraFilter) {
    return lines({
               QStringLiteral("SELECT  A.PROD_NO AS [작지번호],"),
               QStringLiteral("        isnull(A.op_seq_sub,'') AS [생산실적번호],"),
               QStringLiteral("        isnull(A.process_code ,'') AS [공정코드],"),
               QStringLiteral("        isnull(C.process_name ,'' )AS [공정명],"),
               QStringLiteral("        isnull(B_EQ.equipment_name ,'' )AS [설비명],"),
               QStringLiteral("      "),
               QStringLiteral("        A.PRODUCT_CODE AS [제품코드],"),
               QStringLiteral("        isnull(B.PUMBUN, '') AS [품번],"),
               QStringLiteral("        isnull(B.EONO,'') AS [Rev.No],"),
               QStringLiteral("        isnull(B.PRODUCT_NAME,'') AS [제품명],"),
               QStringLiteral("        A.Jisiqty AS [지시수량],"),
               QStringLiteral("        A.QTY + A.BAD_QTY AS [작업수량],"),
               QStringLiteral("        A.QTY AS [양품수량],"),
               QStringLiteral("        A.BAD_QTY AS [불량수량],"),
               QStringLiteral("    '' as [소포장수량],"),
               QStringLiteral("    '' AS [소포장출력수량],"),
               QStringLiteral("    '' AS [바코드소포장],"),
               QStringLiteral("    '' as [포장단위수량],"),
               QStringLiteral("    '' AS [출력수량],"),
               QStringLiteral("    '' AS [바코드대포장],"),
               QStringLiteral("        isnull(A.EMPLOYEE_NO,'') AS [사번],"),
               QStringLiteral("        isnull(D.EMPLOYEE_NAME,'') AS [성명],"),
               QStringLiteral("        CAR.car_name AS [차종명],"),
               QStringLiteral("        A.Edate AS [종료날짜]"),
               QStringLiteral(" FROM P_SANGSAN_MASTER A"),
               QStringLiteral(" JOIN B_PRODUCT_MASTER B ON A.PRODUCT_CODE = B.PRODUCT_CODE"),
               QStringLiteral(" JOIN B_CAR CAR ON B.car_code = CAR.car_code"),
               QStringLiteral(" JOIN B_JAKUPJISI_MASTER B_JAK ON B_JAK.seq = a.seq and "
                              "B_JAK.prod_no=a.prod_no"),
               QStringLiteral(" JOIN B_PROCESS C ON A.process_code  = C.process_code"),
               QStringLiteral(" left JOIN B_EMPLOYEE  D ON A.EMPLOYEE_NO = D.EMPLOYEE_NO"),
               QStringLiteral(" JOIN B_CAR B_C  ON B_C.CAR_CODE = B.CAR_CODE"),
               QStringLiteral(" JOIN B_EQUIPMENT B_EQ ON B_EQ.equipment_code = "
                              "B_JAK.equipment_code"),
               QStringLiteral(" where 1=1"),
               QStringLiteral(" AND A.JISI_DATE = ") + quoted(day(orderDate)),
               QStringLiteral("AND B_EQ.ipaddress = ") + quoted(ip),
           }) +
           extraFilter;
}

QString processFilter(HistoryScreen screen, const QString& processCode) {
    const QString column = screen == HistoryScreen::Defects ? QStringLiteral("B_PRO.process_code")
                           : screen == HistoryScreen::Downtime ? QStringLiteral("P_SM.process_code")
                                                               : QStringLiteral("A.process_code");
    return QStringLiteral("\nAND ") + column + QStringLiteral(" = ") + quoted(processCode);
}

} // namespace HistorySql
