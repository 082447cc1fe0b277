#pragma once

#include <QString>

// The layout of the process move sheet, shared by its spreadsheet file and its printed
// page: a title across both columns in row 1, then seven rows of a caption (column A) and
// its value (column B).
namespace OperationSheetLayout {

inline constexpr int kRows = 8;
inline constexpr int kCols = 2;
// Column widths in characters, as the spreadsheet counts them.
inline constexpr double kColumnWidths[kCols] = {16, 44};
// Font sizes in points.
inline constexpr int kTitlePt = 18;
inline constexpr int kCaptionPt = 12;
inline constexpr int kValuePt = 14;
// The barcode row (B7) holds the scan text of the lot selection.
inline constexpr int kBarcodeRow = 7;

// Row height in points (rows 1 … 8).
inline double rowHeight(int row) {
    return row == 1 ? 44 : row == kBarcodeRow ? 60 : 34;
}

// The caption in column A of rows 2 … 8.
inline QString caption(int row) {
    static const char* const captions[] = {"품    명", "차    종", "수    량", "작 업 자",
                                           "발행일자", "바 코 드", "LOT NO"};
    return row >= 2 && row <= kRows ? QString::fromUtf8(captions[row - 2]) : QString();
}

} // namespace OperationSheetLayout
