#pragma once

#include <QString>

// The statements of the work order list's actions on its active row, each built line by
// line (a line feed before every line) with the values quoted.
namespace WorkOrderStatements {

// The running orders on the equipment (a start is refused while one runs there).
QString equipmentBusy(const QString& equipmentCode);
// The status (end_yn) of one order line as it stands now.
QString orderState(const QString& prodNo, const QString& seq);
// Marks the started order line running.
QString startOrder(const QString& prodNo, const QString& seq);
// Deletes a waiting order line.
QString cancelOrder(const QString& prodNo, const QString& seq);
// The run of a started order line.
QString runningJob(const QString& seq);

// Equipment that may run several jobs at once (no busy check).
bool runsSeveralJobs(const QString& equipmentCode);

} // namespace WorkOrderStatements
