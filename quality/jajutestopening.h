#pragma once

#include <QString>

class frm_S_jajutest;

// What the inspection sheet takes from the running job when it is opened.
struct InspectionJob {
    QString seq, productCode, pumbun, carName, productName, standard;
    QString employeeName, employeeNo;
    QString orderQty, goodQty, badQty; // as the report screen shows them
    QString juya;                      // the job's shift text
};

namespace JajuTestOpening {
// Fills the sheet for the job and loads it: the standard in force, the line's stored sheet
// and its result. Without a standard the worker is told so and null is returned.
frm_S_jajutest* fill(frm_S_jajutest* sheet, const InspectionJob& job);
// fill() on the program's one sheet, then shows it (not modal).
void open(const InspectionJob& job);
} // namespace JajuTestOpening
