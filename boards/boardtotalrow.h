#pragma once

#include <QColor>
#include <QString>

class clsSpread;

// The grand-total row the list boards append below their data rows.
namespace BoardTotalRow {
inline QColor colour() {
    return {155, 242, 133};
}
// Appends the row and returns its number: the grid formula SUM over the data rows of
// `sumColId`, read back and stored as a plain value; the text "총합계" in `labelColId`; the
// row painted in the total colour.
int append(clsSpread& grid, const QString& sumColId, const QString& labelColId);
// Stores the formula's computed value in the cell in place of the formula.
void settle(clsSpread& grid, int col, int row, const QString& formula);
} // namespace BoardTotalRow
