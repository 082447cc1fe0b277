#include "production/workereditsql.h"

#include "core/modfn.h"

#include <QRegularExpression>

namespace WorkerEditSql {

namespace {
QString line(const char* text) {
    return QLatin1Char('\n') + QString::fromUtf8(text);
}
QString quoted(const char* head, const QString& value, const char* tail = "'") {
    return QLatin1Char('\n') + QString::fromUtf8(head) + gfSQL_STR(value) + QString::fromUtf8(tail);
}
} // namespace

QString workers(const QString& name, const QString& number) {
    QString s = line("SELECT B_EMP.idx,employee_no, employee_Name") +
                line("From B_EMPLOYEE B_EMP") + line("where 1=1");
    if (!name.isEmpty())
        s += quoted("    and  B_EMP.employee_name like '%", name, "%'");
    if (!number.isEmpty())
        s += quoted("   and B_EMP.employee_no like '%", number, "%'");
    return s + line("ORDER BY employee_Name");
}

QString setWorker(const QString& employeeNo, const QString& opSeqSub) {
    return line("UPDATE P_SangSan_Master") + quoted("SET employee_no = '", employeeNo) +
           quoted("WHERE op_seq_sub = '", opSeqSub);
}

QString setCrewSize(const QString& crewSize, const QString& opSeqSub) {
    return line("UPDATE P_SangSan_Master") + QStringLiteral("\nSET employee_su = ") + crewSize +
           quoted("WHERE op_seq_sub = '", opSeqSub);
}

bool isCrewSize(const QString& text) {
    static const QRegularExpression kInteger(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    return kInteger.match(text).hasMatch();
}

} // namespace WorkerEditSql
