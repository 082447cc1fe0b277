#pragma once

#include <QDateTime>
#include <QString>

// The statements of defect entry (frm_S_badqty): the codes allowed for the run's process with
// its recorded quantities, the per-code rows of P_BADQTY and the run's total. Built line by
// line (a line feed before every line), every value between quotes through gfSQL_STR.
namespace DefectStatements {

QString entryQuery(const QString& runNo, const QString& processCode, const QString& productCode);

struct Defect {
    QString runNo;
    QString processCode;
    QString productCode;
    QString equipmentCode;
    QString code;
    qint32 quantity = 0;
    QString remark;
    QString userId; // also the employee number
    QDateTime now;
};
QString defectInsert(const Defect& d);
QString defectUpdate(const Defect& d);
QString defectDelete(const QString& runNo, const QString& code);
// The run's defective quantity in P_SANGSAN_MASTER.
QString runTotalUpdate(const QString& runNo, qint64 total);

} // namespace DefectStatements
