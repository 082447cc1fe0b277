#pragma once

#include "production/ticketreport.h"
#include "production/ticketstatements.h"

#include <QString>

class QWidget;

// The process-move ticket of one finished run: the checks of the product and the run, the
// staging row written into an emptied S_DATAREPORT1, then the ticket report shown on it.
namespace TicketPrint {
// location: the screen's location name for the database operations.
void print(const TicketRow& row, const QString& location, QWidget* parent);
// The checks and the staging row, without the report: the rows the report would print;
// false when a check stopped the ticket or the staging failed (the worker was told).
bool stage(const TicketRow& row, const QString& location, QList<TicketReport::Record>* printed);
} // namespace TicketPrint
