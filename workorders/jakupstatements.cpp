#include "workorders/jakupstatements.h"

#include "core/modfn.h"

#include <QStringList>

#include <cmath>
#include <iterator>
#include <limits>

namespace JakupStatements {

namespace {
void add(QString* s, std::initializer_list<const char*> lines) {
    for (const char* line : lines)
        *s += QLatin1Char('\n') + QString::fromUtf8(line);
}

// The next number of the day: one above the highest prod_no starting with it.
const char* const kNextOrderNumber =
    "left(MAX(prod_no),8) + Right('000' + Cast(right(Max(prod_no),3) + 1 as varchar(10)),3)";
} // namespace

QString products(const QString& processCode, const QString& equipmentCode, const QString& pumbun,
                 const QDate& today) {
    QString s;
    add(&s, {"SELECT", "    B_CAR.car_code as car_code,", "    B_CAR.car_name as car_name,",
             "    B_PM.product_code as product_code,", "    B_PM.pumbun as pumbun,",
             "    B_PM.product_name as product_name,",
             "    CASE WHEN ISNULL(S_PT.jisi_su,0) - ISNULL(P_SM.qty,0)> 0 THEN "
             "ISNULL(S_PT.jisi_su,0) - ISNULL(P_SM.qty,0)",
             "    ELSE 0 END as jisi_su"});
    add(&s, {"    FROM B_EQUIPMENT_TIME B_ET",
             "    JOIN B_PRODUCT_MASTER B_PM on B_PM.product_code = B_ET.product_code",
             "    JOIN B_CAR B_CAR on B_PM.car_code = B_CAR.car_code"});
    // The day number comes from the clock: always 1..31, spliced as the column name.
    add(&s, {"    LEFT JOIN(", "        SELECT", "            product_code as product_code,"});
    s += QStringLiteral("\n            ISNULL(day_") + QString::number(today.day()) +
         QStringLiteral(",0) As jisi_su");
    add(&s, {"        FROM S_PRODUCTIONPLAN_TOTAL"});
    s += QStringLiteral("\n        WHERE productionplan_month = '") +
         gfSQL_STR(today.toString(QStringLiteral("yyyy-MM"))) + QLatin1Char('\'');
    add(&s, {"    )S_PT on S_PT.product_code = B_PM.product_code"});
    add(&s, {"    LEFT JOIN(", "        SELECT", "            Product_Code as product_code,",
             "            SUM(IsNull(qty, 0)) As qty", "        From P_SangSan_Master"});
    s += QStringLiteral("\n        WHERE Jakup_Date = '") +
         gfSQL_STR(today.toString(QStringLiteral("yyyy-MM-dd"))) + QLatin1Char('\'');
    add(&s,
        {"        GROUP BY Product_Code", "    )P_SM on P_SM.product_code = B_PM.product_code"});
    s += QStringLiteral("\n    WHERE B_ET.process_code = '") + gfSQL_STR(processCode) +
         QLatin1Char('\'');
    s += QStringLiteral("\n    AND B_ET.equipment_code = '") + gfSQL_STR(equipmentCode) +
         QLatin1Char('\'');
    if (!pumbun.isEmpty())
        s += QStringLiteral("\n    AND B_PM.pumbun LIKE '%") + gfSQL_STR(pumbun) +
             QStringLiteral("%'");
    return s;
}

QString orderNumber(const QString& yyyymmdd, DailyNumber::Lock lock) {
    const QString day = gfSQL_STR(yyyymmdd);
    const QString next = QLatin1String(kNextOrderNumber);
    QString s;
    s += QStringLiteral("\n select  CASE wHEN ") + next;
    s += QStringLiteral("\n   IS NULL THEN '") + day + QStringLiteral("001' ELSE ") + next +
         QStringLiteral(" END");
    s += QStringLiteral("\n From B_JAKUPJISI_MASTER") + DailyNumber::lockHint(lock);
    s += QStringLiteral("\n Where PROD_NO like '") + day + QStringLiteral("%'");
    return s;
}

QString orderInsert(const NewOrder& o) {
    static const char* const columns[] = {
        "prod_no",      "seq",       "process_code", "jisi_date", "equipment_code", "cproduct_code",
        "product_code", "pumbun",    "palette_code", "Plan_Qty",  "order_qty",      "end_yn",
        "employee_Su",  "employee",  "employee_No",  "Bom_Code",  "Juya_Gubun",     "jisi_time",
        "sunbun",       "last_date", "last_time",    "user_id"};
    const QString today = o.now.toString(QStringLiteral("yyyy-MM-dd"));
    // Every value but seq, which is written as '<prod_no>'+'001'.
    const QStringList values = {o.prodNo,
                                o.processCode,
                                today,
                                o.equipmentCode,
                                o.productCode,
                                o.productCode,
                                o.pumbun,
                                QString(),
                                QStringLiteral("0"),
                                QString::number(o.orderQty),
                                QStringLiteral("1"),
                                QStringLiteral("1"),
                                QString(),
                                QString(),
                                QString(),
                                QStringLiteral("1"),
                                QString(),
                                QStringLiteral("1"),
                                today,
                                o.now.toString(QStringLiteral("HHmmss")),
                                o.userId};
    QString s;
    s += QStringLiteral("\nInsert into B_JAKUPJISI_MASTER");
    s += QStringLiteral("\n ( ");
    const int n = int(std::size(columns));
    for (int i = 0; i < n; ++i)
        s += QStringLiteral("\n   ") + QLatin1String(columns[i]) +
             (i + 1 < n ? QStringLiteral(",") : QStringLiteral(")"));
    s += QStringLiteral("\nValues");
    s += QStringLiteral("\n(");
    s += QStringLiteral("\n    '") + gfSQL_STR(values[0]) + QStringLiteral("',");
    s += QStringLiteral("\n    '") + gfSQL_STR(o.prodNo) + QStringLiteral("'+'001',");
    for (int i = 1; i < values.size(); ++i)
        s += QStringLiteral("\n    '") + gfSQL_STR(values[i]) +
             (i + 1 < values.size() ? QStringLiteral("',") : QStringLiteral("'"));
    s += QStringLiteral("\n)");
    return s;
}

std::optional<qint32> orderQuantity(const QVariant& remaining) {
    bool ok = false;
    const double d = remaining.toDouble(&ok);
    if (!ok || !(d > 0))
        return 1;
    const double n = std::nearbyint(d);
    if (n > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    // A fraction below one half rounds to 0; an order of 0 would never be listed.
    return n < 1 ? 1 : qint32(n);
}

} // namespace JakupStatements
