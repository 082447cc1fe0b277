#pragma once

#include "ui/common/dailynumber.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

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
// that day, or day + "001"); with Lock::Held it is read inside the start's transaction and
// keeps the day's range locked until the start commits.
QString jobNumberStatement(const QString& yyyymmdd,
                           DailyNumber::Lock lock = DailyNumber::Lock::None);
// The work order date as the yyyymmdd its job numbers start with; empty when it is not a
// date ("yyyy-mm-dd" text or a date value).
QString jobDay(const QVariant& jisiDate);
// What the worker is told when the 999 job numbers of a work order date are used up.
inline QString jobNumbersUsedUpMessage() {
    return QStringLiteral(
        "이 지시일자의 작업번호 999개를 모두 사용하여 작업을 시작할 수 없습니다.");
}
// OP_SEQ_SUB of the first sub-job of a job.
inline QString firstSubJob(const QString& opSeq) {
    return opSeq + QStringLiteral("001");
}
// The job's row, every value as a quoted literal.
QString jobStartInsertStatement(const JobStartValues& v);
