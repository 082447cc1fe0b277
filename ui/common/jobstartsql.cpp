#include "ui/common/jobstartsql.h"

#include "core/modfn.h"

#include <QDate>
#include <QStringList>

QString jobDay(const QVariant& jisiDate) {
    const QDate d = jisiDate.typeId() == QMetaType::QDate
                        ? jisiDate.toDate()
                        : QDate::fromString(jisiDate.toString().left(10), Qt::ISODate);
    return d.isValid() ? d.toString(QStringLiteral("yyyyMMdd")) : QString();
}

QString jobNumberStatement(const QString& yyyymmdd, DailyNumber::Lock lock) {
    const QString d = gfSQL_STR(yyyymmdd);
    QString s;
    s += QStringLiteral("\nSELECT ");
    s += QStringLiteral("\n    CASE WHEN MAX(OP_SEQ) IS NULL THEN '") + d +
         QStringLiteral(
             "'+'001' ELSE  LEFT(max(OP_SEQ),8) + RIGHT('000' + CAST(RIGHT(MAX(OP_SEQ),3) + 1 AS "
             "VARCHAR(12)),3) END");
    s += QStringLiteral("\nFrom");
    s += QStringLiteral("\n    P_SANGSAN_MASTER") + DailyNumber::lockHint(lock);
    s += QStringLiteral("\nWHERE");
    s += QStringLiteral("\n    OP_SEQ like '") + d + QStringLiteral("%'");
    return s;
}

QString jobStartInsertStatement(const JobStartValues& v) {
    static const char* const columns[] = {
        "Prod_no",      "Seq",       "Op_Seq",    "Op_Seq_sub", "Process_Code", "Equipment_Code",
        "Product_Code", "JisiQty",   "Qty",       "Bad_Qty",    "Sdate",        "Edate",
        "Stime",        "Etime",     "Min",       "JISI_DATE",  "jakup_Date",   "employee_Su",
        "employee_No",  "Last_date", "Last_time", "User_id"};
    const QString today = v.now.toString(QStringLiteral("yyyy-MM-dd"));
    const QStringList values = {v.prodNo,
                                v.seq,
                                v.opSeq,
                                v.opSeqSub,
                                v.processCode,
                                v.equipmentCode,
                                v.productCode,
                                v.jisiQty,
                                QStringLiteral("0"),
                                QStringLiteral("0"),
                                today,
                                QString(),
                                v.now.toString(QStringLiteral("HH:mm")),
                                QString(),
                                QStringLiteral("0"),
                                v.jisiDate,
                                v.jisiDate,
                                v.employeeSu,
                                v.employeeNo,
                                today,
                                v.now.toString(QStringLiteral("HHmmss")),
                                v.userId};
    QString s;
    s += QStringLiteral("\nInsert Into  P_SANGSAN_MASTER");
    s += QStringLiteral("\n(");
    const int n = int(std::size(columns));
    for (int i = 0; i < n; ++i)
        s += QStringLiteral("\n    ") + QLatin1String(columns[i]) +
             (i + 1 < n ? QStringLiteral(",") : QStringLiteral(" )"));
    s += QStringLiteral("\n Values ");
    for (int i = 0; i < n; ++i) {
        const QString open = i == 0 ? QStringLiteral("    ('") : QStringLiteral("    '");
        const QString close = i + 1 < n ? QStringLiteral("',") : QStringLiteral("')");
        s += QLatin1Char('\n') + open + gfSQL_STR(values[i]) + close;
    }
    return s;
}
