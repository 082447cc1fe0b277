#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;
class clsSpread;
class frmKey2;

// What the two per-code entry screens (downtime minutes, defect quantities) share: their
// hidden fields, picture buttons, grid layout and keypad column.
namespace EntryScreen {

QLabel* hiddenField(QWidget* parent, const char* name);
// A picture button of the entry screens: a large captioned touch button.
QPushButton* pictureButton(QWidget* parent, const char* name, const QString& caption);

struct Column {
    const char* header; // also the column ID
    int width;
    int type;
    int hAlign;
    bool hidden;
    bool editable;
};
// Data rows 40 high in font size 16, the columns in order.
void layOutGrid(clsSpread* grid, const Column* columns, int count);

// The keypad's result written into the row's cell of the column, when the worker accepted one.
void typeIntoCell(frmKey2* keypad, clsSpread* grid, const QString& colId, int row);

} // namespace EntryScreen
