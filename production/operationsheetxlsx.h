#pragma once

#include "production/operationsheet.h"

#include <QList>
#include <QString>

// Writes the process move sheet as an .xlsx file: the sheet "공정이동표" with the layout's
// captions, borders, widths and heights and the given cells (none for the blank sheet), set
// up to print on one portrait A4 page.
namespace OperationSheetXlsx {

// False with the reason in *error when the file cannot be written.
bool write(const QString& file, const QList<OperationSheet::Cell>& cells, QString* error);

} // namespace OperationSheetXlsx
