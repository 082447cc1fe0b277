#pragma once

#include <QString>

#include <functional>
#include <optional>

// The grid's cell formulas: numbers, cell references (column letters and row number,
// "B3"), ranges inside SUM ("SUM(A1 :A9)", spaces allowed), + - * / and parentheses.
// Evaluated on read against the cells' current values, so a total follows its cells.
namespace SpreadFormula {
// "A" for column 1, "Z" for 26, "AA" for 27 ...; empty for columns below 1.
QString columnLetter(int col);
// The column number of letters ("AB" -> 28); 0 when they are not letters.
int columnFromLetters(const QString& letters);
// The value of a formula, with cell(row, col) giving a referenced cell's number (an empty
// or non-numeric cell counts 0); nullopt when the formula cannot be read.
std::optional<double> evaluate(const QString& formula, const std::function<double(int, int)>& cell);
} // namespace SpreadFormula
