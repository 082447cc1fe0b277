#include "workorders/workorderactions.h"

#include "core/moddb.h"
#include "ui/common/frm_msg_001.h"
#include "workorders/workorderstatements.h"

namespace WorkOrderActions {

bool reopenJob(const ListSelection& s, const QString& location, QString* opSeqSub) {
    if (s.state == QStringLiteral("미완료")) {
        showWorkerMessage(QStringLiteral("미완료인 품번은 작업시작을 눌러주세요."), nullptr);
        return false;
    }
    if (s.state == QStringLiteral("완료")) {
        showWorkerMessage(QStringLiteral("완료된 품번입니다."), nullptr);
        return false;
    }
    // The running job's number, read once to test it and again to take it.
    const QString statement = WorkOrderStatements::runningJob(s.seq);
    QString job;
    if (!gfGET_VALUE(statement, location).toString().isEmpty())
        job = gfGET_VALUE(statement, location).toString();
    if (opSeqSub)
        *opSeqSub = job;
    return true;
}

} // namespace WorkOrderActions
