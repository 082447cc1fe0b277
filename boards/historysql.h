#pragma once

#include "workorders/historyopener.h"

#include <QDate>
#include <QString>

// The statements of the three terminal history screens (defects, downtime, production
// results). Each text begins with a line feed and joins its lines with line feeds; dates
// are spliced as "yyyy-mm-dd", quoted values through gfSQL_STR.
namespace HistorySql {

// The processes of this terminal's work orders dated today, whatever their state, and of
// running orders of any other date, by name.
QString processButtons(HistoryScreen screen, const QString& ip, const QDate& today);

// The lists; extraFilter (a filter line or empty) is appended as the last line.
QString defects(const QDate& today, const QString& ip, const QString& extraFilter);
QString downtime(const QDate& today, const QString& ip, const QString& extraFilter);
QString results(const QDate& orderDate, const QString& ip, const QString& extraFilter);

// The filter line of a process button on each screen (with its leading line feed).
QString processFilter(HistoryScreen screen, const QString& processCode);

} // namespace HistorySql
