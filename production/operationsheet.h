#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The process move sheet of a run: the running job's values in the eight cells of the
// sheet "공정이동표", issued from the report screen after an end.
namespace OperationSheet {

// The report screen's values the sheet takes.
struct Values {
    QString processName;  // lblWC_name
    QString productName;  // lblProduct_name
    QString carCode;      // lblCar_code
    QString goodCount;    // lblOk_Cnt
    QString employeeName; // lblEmployee_name
    QString lotNo;        // lblLotno
    QString productCode;  // lblProduct_code
    QDate date;           // today
};

// A cell of the sheet: 1-based row and column (column 1 is A).
struct Cell {
    int row;
    int col;
    QString text;
};

// A1, B2 … B8 in that order.
QList<Cell> cells(const Values& values);
// "A1", "B7".
QString cellName(const Cell& cell);

QString sheetName();
// The blank sheet: <program folder>/excel/가람금속_공정이동표(입고).xlsx.
QString templateFile();
// The last issued sheet, filled: <program folder>/excel/공정이동표(발행).xlsx.
QString issuedFile();

} // namespace OperationSheet
