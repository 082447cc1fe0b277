#pragma once

#include <QString>

class SpreadModel;
struct SpreadPageLayout;

// Writes a grid to an .xlsx file: one sheet "Sheet1" with the header rows (joined header
// cells merged, texts centred) and then the data rows, columns 1 .. column count, number
// cells as numbers in their format, hidden columns hidden, and the page layout for
// printing: print area, header rows repeated on every page, header and footer, orientation,
// fit to one page wide, margins, centred horizontally, shrink to fit, protected.
class SpreadXlsxWriter {
public:
    // False with the library's message in *error when the file cannot be written.
    static bool write(const SpreadModel& model, const QString& file, const SpreadPageLayout& layout,
                      QString* error);
};
