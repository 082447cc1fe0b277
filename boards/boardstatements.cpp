#include "boards/boardstatements.h"

#include "core/modfn.h"

#include <QPair>
#include <QStringList>

namespace {
struct SubSelect {
    const char* expression;
    const char* from;
    QString where;
};

QString build(const char* outerColumn, const QList<SubSelect>& parts) {
    QString sql;
    const auto line = [&sql](const QString& text) { sql += QLatin1Char('\n') + text; };
    line(QStringLiteral("SELECT"));
    line(QString::fromLatin1(outerColumn));
    line(QStringLiteral("FROM("));
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            line(QStringLiteral("    Union All"));
        line(QStringLiteral("    SELECT"));
        line(QString::fromLatin1(parts.at(i).expression));
        line(QString::fromLatin1(parts.at(i).from));
        line(parts.at(i).where);
    }
    line(QStringLiteral(")TOTAL"));
    return sql;
}

QString between(const char* column, const QPair<QString, QString>& range) {
    return QString::fromLatin1(column) + QStringLiteral(" between '") + gfSQL_STR(range.first) +
           QStringLiteral("' AND '") + gfSQL_STR(range.second) + QStringLiteral("'");
}

QString onDate(const char* column, const QDate& d) {
    return QString::fromLatin1(column) + QStringLiteral(" = '") +
           gfSQL_STR(d.toString(QStringLiteral("yyyy-MM-dd"))) + QStringLiteral("'");
}
} // namespace

QPair<QString, QString> BoardStatements::monthRange(const QDate& today, int shift) {
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(shift);
    return {first.toString(QStringLiteral("yyyy-MM-01")),
            first.addMonths(1).addDays(-1).toString(QStringLiteral("yyyy-MM-dd"))};
}

QString BoardStatements::suju(const QDate& today) {
    const char* sujuFrom = "    FROM P_PRODUCT_SUJU_TALVEN P_PSJ";
    const char* culhaFrom = "    FROM P_PRODUCT_CULHA P_PC";
    const char* sujuWhere = "    WHERE P_PSJ.Chulha_date";
    const char* culhaWhere = "    WHERE P_PC.Culha_date";
    return build("    Total.Suju_Su1",
                 {{"        ISNULL(Sum(ISNULL(Balju_su, 0)), 0) As Suju_Su1", sujuFrom,
                   between(sujuWhere, monthRange(today, -1))},
                  {"        ISNULL(Sum(ISNULL(culha_su, 0)), 0) As Chulha_Su1", culhaFrom,
                   between(culhaWhere, monthRange(today, -1))},
                  {"        ISNULL(Sum(ISNULL(Balju_su, 0)), 0) As Suju_Su2", sujuFrom,
                   between(sujuWhere, monthRange(today, 0))},
                  {"        ISNULL(Sum(ISNULL(culha_su, 0)), 0) As chulha_Su2", culhaFrom,
                   between(culhaWhere, monthRange(today, 0))},
                  {"        ISNULL(Sum(ISNULL(Balju_su, 0)), 0) As Suju_Su3", sujuFrom,
                   between(sujuWhere, monthRange(today, 1))}});
}

QString BoardStatements::sangsan(const QDate& today) {
    const char* jisiFrom = "    FROM B_JAKUPJISI_MASTER P_PSJ";
    const char* sangsanFrom = "    FROM P_SangSan_Master P_PC";
    const char* jisiWhere = "    WHERE P_PSJ.jisi_date";
    const char* sangsanWhere = "    WHERE P_PC.Jakup_Date";
    return build("    Total.order_qty1",
                 {{"        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty1", jisiFrom,
                   onDate(jisiWhere, today.addDays(-1))},
                  {"        ISNULL(Sum(ISNULL(Qty, 0)), 0) As Qty1", sangsanFrom,
                   onDate(sangsanWhere, today.addDays(-1))},
                  {"        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty2", jisiFrom,
                   onDate(jisiWhere, today)},
                  {"        ISNULL(Sum(ISNULL(Qty, 0)), 0) As Qty2", sangsanFrom,
                   onDate(sangsanWhere, today)},
                  {"        ISNULL(Sum(ISNULL(order_qty, 0)), 0) As order_qty3", jisiFrom,
                   onDate(jisiWhere, today.addDays(1))}});
}
