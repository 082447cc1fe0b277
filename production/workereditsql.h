#pragma once

#include <QString>

// The statements of the worker, crew size and time editing, built line by line (a line
// feed before every line) with every quoted value passed through gfSQL_STR.
namespace WorkerEditSql {

// The workers whose name and number contain the typed texts (a condition per filled field).
QString workers(const QString& name, const QString& number);
// The run's worker.
QString setWorker(const QString& employeeNo, const QString& opSeqSub);
// The run's crew size; crewSize must already be checked to be a number (it goes unquoted).
QString setCrewSize(const QString& crewSize, const QString& opSeqSub);
// A crew size that may go into the statement unquoted: digits with an optional sign.
bool isCrewSize(const QString& text);

} // namespace WorkerEditSql
