#include "workorders/workorderstatements.h"

#include "core/modfn.h"

#include <QStringList>

namespace WorkOrderStatements {

namespace {
// One line: its text up to the opening quote, the value, the closing quote.
QString quoted(const char* head, const QString& value) {
    return QLatin1Char('\n') + QLatin1String(head) + gfSQL_STR(value) + QLatin1Char('\'');
}
} // namespace

QString equipmentBusy(const QString& equipmentCode) {
    return QStringLiteral("\nSelect end_yn") + QStringLiteral("\nFrom B_JAKUPJISI_MASTER") +
           quoted("Where equipment_code = '", equipmentCode) + QStringLiteral("\nAND end_yn = '2'");
}

QString orderState(const QString& prodNo, const QString& seq) {
    return QStringLiteral("\nSELECT end_yn") + QStringLiteral("\nFROM B_JAKUPJISI_MASTER") +
           quoted("WHERE Prod_no = '", prodNo) + quoted("AND Seq = '", seq);
}

QString startOrder(const QString& prodNo, const QString& seq) {
    return QStringLiteral("\nUPDATE B_JAKUPJISI_MASTER ") + QStringLiteral("\nSET") +
           QStringLiteral("\n    end_yn = '2'") + quoted("Where Prod_no = '", prodNo) +
           quoted("And Seq = '", seq);
}

QString cancelOrder(const QString& prodNo, const QString& seq) {
    return QStringLiteral("\n DELETE  FROM B_JAKUPJISI_MASTER") +
           quoted("  WHERE PROD_NO = '", prodNo) + quoted("    AND     SEQ = '", seq);
}

QString runningJob(const QString& seq) {
    return QStringLiteral("\nselect op_seq_Sub from p_sangsan_master") +
           quoted("where seq = '", seq);
}

bool runsSeveralJobs(const QString& equipmentCode) {
    static const QStringList codes = {
        QStringLiteral("R005"), QStringLiteral("R006"), QStringLiteral("R008"),
        QStringLiteral("R009"), QStringLiteral("R017"), QStringLiteral("R018"),
        QStringLiteral("R019"), QStringLiteral("R020"), QStringLiteral("R021")};
    return codes.contains(equipmentCode);
}

} // namespace WorkOrderStatements
