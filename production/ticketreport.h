#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

class QPrinter;
class QWidget;
class Recordset;

// The parts identification ticket report: every row of S_DATAREPORT1 (read through the
// report's command, fields by their names) is one landscape page with two tickets.
namespace TicketReport {
using Record = QVariantMap;

// The staging rows; empty (after logging) when the command fails.
QList<Record> records(const QString& location);
// The rows of the report's command already read.
QList<Record> records(const Recordset& rows);
// Sets the printer up for the ticket page (landscape A4).
void setUp(QPrinter& printer);
// Draws one page per record; false when the printer cannot start. No records: nothing drawn.
bool paint(QPrinter& printer, const QList<Record>& records);
// The report on the current rows in a print preview, from which the worker prints or saves
// a PDF. With the PDF switch (QT_PRINTER=pdf:FILE) the pages go straight to that file.
void show(const QString& location, QWidget* parent);
// The same on rows already read.
void show(const QList<Record>& rows, QWidget* parent);
} // namespace TicketReport
