#pragma once

#include <QString>

// The statements of the report screen, built line by line (a line feed before every line)
// with every quoted value passed through gfSQL_STR.
namespace DayReportSql {

// The machines of this PC that have a running order line, by name.
QString equipButtons(const QString& ip, const QString& today);
// The job shown: the run of the machine with the given result number.
QString job(const QString& equipmentCode, const QString& opSeqSub, const QString& today);
// The process name of a machine (the title bar).
QString processName(const QString& equipmentCode);
// Good and defective totals over all runs of a work order line.
QString lineTotals(const QString& seq);
// The mould's inspection interval and its last repair for the product.
QString mouldInterval(const QString& moldNo, const QString& productCode);
// The shots on the mould for the product, after the repair date when one is given.
QString mouldShots(const QString& moldNo, const QString& productCode, const QString& repairDate);

} // namespace DayReportSql
