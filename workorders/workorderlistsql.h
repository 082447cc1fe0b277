#pragma once

#include <QDate>
#include <QString>

// The statements of the work order list, as it sends them (a line feed before each line).
// Every value spliced between quotes is quoted with gfSQL_STR here.
namespace WorkOrderListSql {

// The processes of this terminal's equipment: process_code, process_name.
QString processButtons(const QString& ip);
// The equipment of this terminal in one process: 설비코드, 설비명.
QString equipmentButtons(const QString& ip, const QString& processCode);
// The equipment of a clicked grid row (its process, equipment and order date).
QString rowEquipment(const QString& ip, const QString& processCode, const QString& equipmentCode,
                     const QString& jisiDate);

// The extra filters appended to the list statement (each begins with a line feed).
QString processFilter(const QString& processCode);
QString equipmentFilter(const QString& equipmentCode, const QString& processCode);

// The list: orders of today and yesterday and running orders of any date, on this
// terminal's equipment. The filtered variant (a process or equipment chosen) takes the crew
// size from the order; the all-orders variant prefers the running job's.
QString orders(const QDate& today, const QString& ip, bool filtered, const QString& extraFilter);

} // namespace WorkOrderListSql
