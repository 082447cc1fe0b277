#pragma once

#include <QString>

// What the work order list hands to its start, cancel, reopen and register actions: the
// selection its button banks show and the grid's active row, read by column ID (empty texts
// when the grid has no active row).
struct ListSelection {
    bool processSelected = false;   // at least one process button is orange
    bool equipmentSelected = false; // at least one equipment button is orange
    int rowCount = 0;               // rows of the list grid

    QString prodNo;        // "작업지시번호"
    QString seq;           // "지시순번"
    QString processCode;   // "공정코드"
    QString equipmentCode; // "설비코드"
    QString productCode;   // "제품코드"
    QString orderQty;      // "작업지시수량", the cell's value as plain decimal text
    QString jisiDate;      // "지시일자", yyyy-mm-dd
    QString employeeSu;    // "작업인원"
    QString employeeNo;    // "작업자코드"
    QString state;         // "완료여부": "미완료", "진행중" or "완료"
    QString moldNo;        // "금형번호"

    // lvJakup_procode, lvJakup_proname, lvJakup_equipcode, lvJakup_equipname of the list.
    QString jakupProcode;
    QString jakupProname;
    QString jakupEquipcode;
    QString jakupEquipname;
};
