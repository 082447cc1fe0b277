#pragma once

#include "production/boxlabel.h"

#include <QString>

class clsSpread;
class QWidget;

// The label columns of the production history grid: box counts, the count correction on
// the keypad and the label buttons.
namespace BoxLabelGrid {

// lsSum: writes "소출력수" and "대출력수" of every row from "양품수량" and the pack
// quantities "소포장수량" / "대포장수량".
void lsSum(clsSpread& grid);

// Grid double-click: on a "소출력수" or "대출력수" cell, asks the numeric keypad for the
// count and writes it into the cell (a cancelled keypad empties it). True when handled.
bool correctCount(clsSpread& grid, int col, int row, QWidget* parent);

// Grid button click: a click (down 0) on "바코드소포장" / "바코드대포장" prints that
// row's label on the configured port. Any other button event only tells the worker to
// check the printer connection (the port is closed between labels).
void buttonClicked(clsSpread& grid, int col, int row, int down, const QString& location);

} // namespace BoxLabelGrid
