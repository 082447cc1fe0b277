#pragma once

#include <QDateTime>
#include <QString>

// The statements that start a job on a work order line: the job number and the job's
// result row in P_SANGSAN_MASTER. Shared by the work start and the continue-input dialog.

struct JobStartValues {
    QString prodNo;
    QString seq;
    QString opSeq;
    QString opSeqSub;
    QString processCode;
    QString equipmentCode;
    QString productCode;
    QString jisiQty;  // plain decimal text
    QString jisiDate; // also the job's work date
    QString employeeSu;
    QString employeeNo;
    QString userId;
    QDateTime now; // start date and time, audit date and time
};

// The next OP_SEQ for work orders of the day given as yyyymmdd (one above the highest of
// that day, or day + "001").
QString jobNumberStatement(const QString& yyyymmdd);
// OP_SEQ_SUB of the first sub-job of a job.
inline QString firstSubJob(const QString& opSeq) {
    return opSeq + QStringLiteral("001");
}
// The job's row, every value as a quoted literal.
QString jobStartInsertStatement(const JobStartValues& v);
