#include "boards/boardtotalrow.h"

#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

int BoardTotalRow::append(clsSpread& grid, const QString& sumColId, const QString& labelColId) {
    const int last = grid.MaxRows();
    const int row = last + 1;
    grid.SetMaxRows(row);
    const int col = grid.ColumnNumber(sumColId);
    const QString letter = clsSpread::ColumnLetter(col);
    settle(grid, col, row,
           QStringLiteral("SUM(") + letter + QStringLiteral("1 :") + letter +
               QString::number(last) + QLatin1Char(')'));
    grid.SetColor(1, grid.MaxCols(), row, row, colour());
    grid.TextWithColID(labelColId, row, QStringLiteral("총합계"));
    return row;
}

void BoardTotalRow::settle(clsSpread& grid, int col, int row, const QString& formula) {
    grid.SetFormula(col, row, formula);
    const QString value = grid.GetValue(col, row);
    grid.SetFormula(col, row, QString());
    grid.SetValue(col, row, value);
}
