#pragma once

#include <QString>

class QPrinter;

// Where printed pages go. Normally the printer the worker chooses; when the environment sets
// QT_PRINTER=pdf:FILE (the scripted terminal, tests, a terminal without a printer), every
// printed page goes to that PDF file instead and no printer dialog is shown.
namespace PrintTarget {

// The PDF file QT_PRINTER names, or empty when pages go to a printer.
QString pdfFile();

// Points the printer at the PDF file when one is set; true then.
bool applyPdf(QPrinter& printer);

} // namespace PrintTarget
