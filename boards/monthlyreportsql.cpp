#include "boards/monthlyreportsql.h"

#include "core/modfn.h"

#include <QStringList>

namespace {

// One pivoted row (2 .. 8): the lines that differ between them.
struct PivotRow {
    const char* number;
    const char* name;
    QStringList values; // the inner SELECT's value line(s)
    const char* dateLine;
    const char* fromLine;
    bool downtimeJoin;
    const char* groupBy;
    const char* innerAlias;
    const char* pivotKeyword;
    const char* pivotLine;
    const char* pivotAlias;
};

QString u(const char* text) {
    return QString::fromUtf8(text);
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + gfSQL_STR(value) + QLatin1Char('\'');
}

QString between(const MonthlyReportSql::Month& m) {
    return QStringLiteral(" between ") + quoted(m.first) + QStringLiteral(" and ") + quoted(m.last);
}

const char* const kDayGroup = "    GROUP BY Jakup_Date";
const char* const kRunGroup = "    GROUP BY P_SM.Jakup_Date";
const char* const kZeroCase = "        CASE WHEN SUM(ISNULL(qty,0) + ISNULL(bad_qty,0)) = 0 then 0";

QList<PivotRow> pivotRows() {
    return {
        {"2",
         "생산수량",
         {u("        SUM(ISNULL(qty,0) + ISNULL(bad_qty,0)) as [Sangsan_qty],")},
         "        Jakup_Date As Jakup_Date",
         "    FROM P_SangSan_Master",
         false,
         kDayGroup,
         "    ) SANGSAN_QTY",
         "PIVOT",
         "(SUM(SANGSAN_QTY) FOR jakup_date IN([1],",
         "[2])) AS SANGSAN_QTY_pivot"},
        {"3",
         "양품수량",
         {u("        SUM(ISNULL(QTY,0))    as [QTY],")},
         "        Jakup_Date as [JAKUP_DATE]",
         "    FROM P_SANGSAN_MASTER",
         false,
         kDayGroup,
         "    ) QTY",
         "Pivot",
         "(SUM(QTY) FOR jakup_date IN([1],",
         "[2])) AS QTY_pivot"},
        {"4",
         "불량수량",
         {u("        SUM(ISNULL(BAD_QTY,0))    as  [bad_qty],")},
         "        Jakup_Date As Jakup_Date",
         "    From P_SangSan_Master",
         false,
         kDayGroup,
         "    ) BAD_QTY",
         "Pivot",
         "(SUM(BAD_QTY) FOR jakup_date IN([1],",
         "[2])) AS BAD_QTY_pivot"},
        {"5",
         "가동율",
         {u("        CASE WHEN SUM(ISNULL(P_SM.Min,0)) = 0 then 0"),
          u("        ELSE (SUM(ISNULL(P_SM.Min,0)) - SUM(ISNULL(BIGA.biga_time,0))) / "
            "CONVERT(float,SUM(ISNULL(P_SM.Min,0))) * 100 end as [가동율],")},
         "        P_SM.Jakup_Date as Jakup_date",
         "    FROM P_SangSan_Master P_SM",
         true,
         kRunGroup,
         "    ) GADONG",
         "Pivot",
         "(SUM(가동율) FOR jakup_date IN([1],",
         "[2])) AS GADONG_pivot"},
        {"6",
         "불량율",
         {u(kZeroCase), u("        ELSE SUM(ISNULL(bad_qty,0)) / CONVERT(float,SUM(ISNULL(qty,0) + "
                          "ISNULL(bad_qty,0))) * 100 END as [불량율],")},
         "        P_SM.Jakup_Date as Jakup_date",
         "    FROM P_SangSan_Master P_SM",
         false,
         kRunGroup,
         "    ) SANGSAN_BAD",
         "Pivot",
         "(SUM(불량율) FOR jakup_date IN([1],",
         "[2])) AS SANGSAN_BAD_pivot"},
        {"7",
         "작업효율",
         {u(kZeroCase), u("        ELSE SUM(ISNULL(qty,0)) / CONVERT(float,SUM(ISNULL(qty,0) + "
                          "ISNULL(bad_qty,0))) * 100 END as [작업효율],")},
         "        P_SM.Jakup_Date as Jakup_date",
         "    FROM P_SangSan_Master P_SM",
         false,
         kRunGroup,
         "    ) SANGSAN_GOOD",
         "Pivot",
         "(SUM(작업효율) FOR jakup_date IN([1],",
         "[2])) AS SANGSAN_GOOD_pivot"},
        {"8",
         "투입인원",
         {u("        SUM(ISNULL(employee_su,0))    as  [employee_su],")},
         "        Jakup_Date As Jakup_Date",
         "    FROM P_SangSan_Master",
         false,
         kDayGroup,
         "    ) BAD_QTY",
         "Pivot",
         "(SUM(employee_su) FOR jakup_date IN([1],",
         "[2])) AS EMPLOYEE_SU_pivot"},
    };
}

void planRow(QStringList& l, const MonthlyReportSql::Month& m, const QString& code) {
    l << QStringLiteral("SELECT") << QStringLiteral("    '1' as [순번]")
      << QStringLiteral("   ,'생산계획량' as [구분]");
    for (int d = 1; d <= m.days; ++d)
        l << QStringLiteral("    ,ISNULL(SUM(ISNULL(day_%1,0)),0) as [day_%1]").arg(d);
    l << QStringLiteral("    ,'0' as [합계]") << QStringLiteral("FROM S_PRODUCTIONPLAN_MONTH S_PD")
      << QStringLiteral("JOIN(") << QStringLiteral("    SELECT")
      << QStringLiteral("        distinct product_code as product_code")
      << QStringLiteral("    From B_EQUIPMENT_TIME")
      << QStringLiteral("    WHERE process_code = ") + quoted(code)
      << QStringLiteral("    ) A on A.product_code = S_PD.product_code")
      << QStringLiteral("WHERE S_PD.productionplan_month = ") + quoted(m.key);
}

void downtimeJoin(QStringList& l, const MonthlyReportSql::Month& m) {
    l << QStringLiteral("    LEFT JOIN (") << QStringLiteral("            SELECT")
      << QStringLiteral("                OP_SEQ_SUB as op_seq_sub,")
      << QStringLiteral("                SUM(ISNULL(Min,0)) As biga_time")
      << QStringLiteral("            FROM P_BIGADONG")
      << QStringLiteral("            WHERE Biga_Date") + between(m)
      << QStringLiteral("            GROUP BY OP_SEQ_SUB")
      << QStringLiteral("            )BIGA on BIGA.op_seq_sub = P_SM.OP_SEQ_SUB");
}

void pivotRow(QStringList& l, const PivotRow& r, const MonthlyReportSql::Month& m,
              const QString& code) {
    l << QStringLiteral("SELECT") << QStringLiteral("    '%1' as [순번]").arg(u(r.number))
      << QStringLiteral("   ,'%1' as [구분]").arg(u(r.name));
    for (int d = 1; d <= m.days; ++d)
        l << QStringLiteral("    ,ISNULL([") + gfSQL_STR(m.day(d)) +
                 QStringLiteral("],0)  as day_%1").arg(d);
    l << QStringLiteral("    ,'0' as [합계]") << QStringLiteral("FROM")
      << QStringLiteral("    (SELECT") << r.values << u(r.dateLine) << u(r.fromLine);
    if (r.downtimeJoin)
        downtimeJoin(l, m);
    l << QStringLiteral("    WHERE Jakup_Date") + between(m)
      << QStringLiteral("    AND process_code = ") + quoted(code) << u(r.groupBy) << u(r.innerAlias)
      << u(r.pivotKeyword) << u(r.pivotLine);
    for (int d = 1; d <= m.days; ++d)
        l << QLatin1Char('[') + gfSQL_STR(m.day(d)) + QStringLiteral("],");
    l << u(r.pivotAlias);
}

QString joined(const QStringList& lines) {
    return QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

} // namespace

namespace MonthlyReportSql {

QString Month::day(int d) const {
    return firstDay.addDays(d - 1).toString(QStringLiteral("yyyy-MM-dd"));
}

Month monthOf(QDate anyDay) {
    Month m;
    m.firstDay = QDate(anyDay.year(), anyDay.month(), 1);
    m.lastDay = m.firstDay.addMonths(1).addDays(-1);
    m.days = m.lastDay.day();
    m.first = m.firstDay.toString(QStringLiteral("yyyy-MM-dd"));
    m.last = m.lastDay.toString(QStringLiteral("yyyy-MM-dd"));
    m.key = m.firstDay.toString(QStringLiteral("yyyy-MM"));
    return m;
}

QString processCode(const QString& processItem) {
    return processItem == QStringLiteral("사출") ? QStringLiteral("0001") : QStringLiteral("0002");
}

QString statement(QDate anyDay, const QString& processCode) {
    const Month m = monthOf(anyDay);
    QStringList l;
    planRow(l, m, processCode);
    for (const PivotRow& r : pivotRows()) {
        l << QStringLiteral("Union All");
        pivotRow(l, r, m, processCode);
    }
    return joined(l);
}

QString operatingRate(QDate anyDay, const QString& processCode) {
    const Month m = monthOf(anyDay);
    QStringList l;
    l << QStringLiteral("SELECT") << QStringLiteral("    CASE WHEN SUM(P_SM.Min) = 0 then 0")
      << QStringLiteral("    ELSE (SUM(P_SM.Min) - SUM(BIGA.biga_time)) / "
                        "CONVERT(float,SUM(P_SM.Min)) * 100 end as [가동율]")
      << QStringLiteral("FROM P_SangSan_Master P_SM") << QStringLiteral("LEFT JOIN (")
      << QStringLiteral("    SELECT") << QStringLiteral("        OP_SEQ_SUB as op_seq_sub,")
      << QStringLiteral("        SUM(Min) As biga_time") << QStringLiteral("    From P_BIGADONG")
      << QStringLiteral("    WHERE Biga_Date") + between(m)
      << QStringLiteral("    GROUP BY OP_SEQ_SUB")
      << QStringLiteral("        )BIGA on BIGA.op_seq_sub = P_SM.OP_SEQ_SUB")
      << QStringLiteral("WHERE Jakup_Date") + between(m)
      << QStringLiteral("AND P_SM.process_code = ") + quoted(processCode);
    return joined(l);
}

QString runMinutes(QDate anyDay, const QString& processCode) {
    const Month m = monthOf(anyDay);
    return QStringLiteral("\nSELECT ISNULL(SUM(Min),0) FROM P_SangSan_Master") +
           QStringLiteral("\nWHERE Jakup_Date") + between(m) +
           QStringLiteral("\nAND process_code = ") + quoted(processCode);
}

} // namespace MonthlyReportSql
