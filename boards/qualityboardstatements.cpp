#include "boards/qualityboardstatements.h"

#include "core/modfn.h"

#include <QStringList>

namespace {
QString joined(const QStringList& lines) {
    return QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}
} // namespace

QString QualityBoardStatements::productionList() {
    return joined({
        QStringLiteral("SELECT"),
        QStringLiteral("    ISNULL(P_SM.Op_Seq,'') As [생산실적번호],"),
        QStringLiteral("    B_PRO.process_name As [공정명],"),
        QStringLiteral("    B_EQ.equipment_name As [설비명],"),
        QStringLiteral("    P_SM.Product_Code as [품번코드],"),
        QStringLiteral("    B_PM.pumbun as [품번],"),
        QStringLiteral("    B_PM.product_name as [품명],"),
        QStringLiteral("    P_SM.qty  AS [양품수량],"),
        QStringLiteral("    ISNULL(B_BAD.processbad_name,'') As [불량명],"),
        QStringLiteral("    ISNULL(P_BAD.Bad_Qty,0) As [불량수량]"),
        QStringLiteral("FROM P_SangSan_Master P_SM"),
        QStringLiteral("JOIN B_PRODUCT_MASTER B_PM on B_PM.product_code = P_SM.Product_Code"),
        QStringLiteral("LEFT JOIN P_BADQTY P_BAD ON P_SM.Op_Seq_SUB = P_BAD.Op_Seq_SUB"),
        QStringLiteral(
            "LEFT JOIN B_PROCESSBAD B_BAD On B_BAD.processbad_code = P_BAD.ProcessBad_code"),
        QStringLiteral("JOIN B_PROCESS B_PRO On B_PRO.process_code = P_SM.process_code"),
        QStringLiteral("JOIN B_EQUIPMENT B_EQ On B_EQ.equipment_code = P_SM.Equipment_Code"),
        QStringLiteral("ORDER BY P_SM.Op_Seq_SUB, B_PM.pumbun"),
    });
}

QString QualityBoardStatements::monthDefects(const QDate& today) {
    return joined({
        QStringLiteral("SELECT"),
        QStringLiteral("    B_P.processbad_name as [불량유형],"),
        QStringLiteral("    BAD.Bad_Qty as [불량수량]"),
        QStringLiteral("FROM("),
        QStringLiteral("SELECT"),
        QStringLiteral("    ProcessBad_code as processbad_code,"),
        QStringLiteral("    SUM(IsNull(P_B.Bad_Qty, 0)) As Bad_Qty"),
        QStringLiteral("FROM P_BADQTY P_B"),
        QStringLiteral("WHERE LEFT(P_B.Op_Seq_SUB,6) = '") +
            gfSQL_STR(today.toString(QStringLiteral("yyyyMM"))) + QLatin1Char('\''),
        QStringLiteral("GROUP BY ProcessBad_code"),
        QStringLiteral(")BAD"),
        QStringLiteral("JOIN B_PROCESSBAD B_P on B_P.processbad_code = BAD.processbad_code"),
    });
}

QString QualityBoardStatements::runningPart(const QString& ip) {
    return joined({
        QStringLiteral("SELECT "),
        QStringLiteral("    pumbun AS [품번]"),
        QStringLiteral("FROM B_JAKUPJISI_MASTER B_JM"),
        QStringLiteral("JOIN B_EQUIPMENT B_E on B_E.equipment_code = B_JM.equipment_code"),
        QStringLiteral("WHERE B_E.img_ip = '") + gfSQL_STR(ip) + QLatin1Char('\''),
        QStringLiteral("AND B_E.Monitor = '2'"),
        QStringLiteral("AND B_JM.end_yn = '2'"),
        QStringLiteral("AND B_JM.Real_Jakup = '1'"),
    });
}
