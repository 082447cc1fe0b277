#include "workorders/workorderactions.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/jobstartsql.h"
#include "ui/common/messagebox.h"
#include "workorders/workorderstatements.h"

#include <cmath>

namespace {

// The list's selection checks before a start, in their order; the first failing one
// tells the worker and refuses the start.
bool startAllowed(const ListSelection& s, const QString& location) {
    QString refusal;
    if (!s.processSelected)
        refusal = QStringLiteral("공정을 먼저 선택하십시오.");
    else if (s.rowCount == 0)
        refusal = QStringLiteral("작업지시가 없습니다.");
    else if (s.state == QStringLiteral("진행중"))
        refusal = QStringLiteral("이미 진행중인 작업입니다.");
    else if (s.state == QStringLiteral("완료"))
        refusal = QStringLiteral("이미 완료된 작업입니다.");
    else if (!s.equipmentSelected)
        refusal = QStringLiteral("설비를 선택해주십시오.");
    else if (gfGET_VALUE(WorkOrderStatements::equipmentBusy(s.equipmentCode), location)
                     .toString() == QLatin1String("2") &&
             !WorkOrderStatements::runsSeveralJobs(s.equipmentCode))
        refusal = QStringLiteral("이미 가동중인 설비입니다.");
    // Without an active row there is no order to start (the run would have no order).
    else if (s.prodNo.isEmpty() || jobDay(s.jisiDate).isEmpty())
        refusal = QStringLiteral("작업지시를 먼저 선택하십시오.");
    if (refusal.isEmpty())
        return true;
    showWorkerMessage(refusal, nullptr);
    return false;
}

// The crew size as the integer the run row takes (rounded half to even); other text as it is.
QString crewSize(const QString& text) {
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok && std::fabs(d) < 2147483647.0 ? QString::number(qlonglong(std::nearbyint(d))) : text;
}

JobStartValues startValues(const ListSelection& s) {
    JobStartValues v;
    v.prodNo = s.prodNo;
    v.seq = s.seq;
    v.processCode = s.processCode;
    v.equipmentCode = s.equipmentCode;
    v.productCode = s.productCode;
    v.jisiQty = s.orderQty;
    v.jisiDate = s.jisiDate;
    v.employeeSu = crewSize(s.employeeSu);
    v.employeeNo = s.employeeNo;
    v.userId = gsUSER_ID;
    return v;
}

} // namespace

namespace WorkOrderActions {

bool startJob(const ListSelection& s, const QString& location, QString* opSeqSub) {
    if (!startAllowed(s, location))
        return false;
    // The job number is read inside the start's transaction and stays locked until it
    // commits, so no other terminal obtains the same number.
    const QString day = jobDay(s.jisiDate);
    JobStartValues v = startValues(s);
    DailyNumber::Check number = DailyNumber::Check::Invalid;
    QString state;
    bool orderGone = false;
    const auto build = [&](const QString& opSeq, QStringList* batch) {
        number = DailyNumber::check(opSeq, day);
        if (number != DailyNumber::Check::Usable)
            return false;
        // The list may be stale: another terminal can have started or cancelled the order
        // since it was loaded. Read under the numbering lock, which every start of an order
        // of this date takes, so two starts of one order cannot both pass.
        const QVariant now =
            gfGET_VALUE(WorkOrderStatements::orderState(s.prodNo, s.seq), location);
        orderGone = now.isValid() && now.toString().isEmpty();
        state = now.toString();
        if (state != QLatin1String("1"))
            return false;
        v.opSeq = opSeq;
        v.opSeqSub = firstSubJob(opSeq);
        v.now = Clock::now();
        *batch = {jobStartInsertStatement(v), WorkOrderStatements::startOrder(s.prodNo, s.seq)};
        gsSQLs = *batch;
        return true;
    };
    gsSQLs.clear();
    const NumberedBatch r =
        gfEXEC_SQLS_NUMBERED(jobNumberStatement(day, DailyNumber::Lock::Held), build, location);
    if (r == NumberedBatch::Written) {
        if (opSeqSub)
            *opSeqSub = v.opSeqSub;
        return true;
    }
    if (r == NumberedBatch::Refused && number == DailyNumber::Check::Exhausted)
        showWorkerMessage(jobNumbersUsedUpMessage(), nullptr);
    else if (r == NumberedBatch::Refused && state == QLatin1String("2"))
        showWorkerMessage(QStringLiteral("이미 진행중인 작업입니다."), nullptr);
    else if (r == NumberedBatch::Refused && state == QLatin1String("3"))
        showWorkerMessage(QStringLiteral("이미 완료된 작업입니다."), nullptr);
    else if (r == NumberedBatch::Refused && orderGone)
        showWorkerMessage(QStringLiteral("작업지시가 없습니다."), nullptr);
    else
        MessageBox::critical(QStringLiteral("오류"), QStringLiteral("저장실패"));
    return false;
}

} // namespace WorkOrderActions
