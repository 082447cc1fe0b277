#pragma once

#include "production/operationsheet.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// The process move sheet on paper, in the layout of its spreadsheet file: one portrait A4
// page with the title row and the seven caption and value rows, the scan text of B7 as a
// Code 39 barcode above its text.
namespace OperationSheetPrinter {

// Draws the sheet with its top-left corner at origin; units are points.
void paint(QPainter& painter, const QPointF& origin, const QList<OperationSheet::Cell>& cells);
// The sheet's size in points.
QSizeF size();

// Prints one page on the default printer, or into the PDF file of QT_PRINTER; false with
// the reason in *error when there is no printer or it cannot start.
bool print(const QList<OperationSheet::Cell>& cells, QString* error);

} // namespace OperationSheetPrinter
