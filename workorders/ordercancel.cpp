#include "workorders/workorderactions.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "ui/common/frm_msg_001.h"
#include "workorders/workorderstatements.h"

namespace WorkOrderActions {

bool cancelOrder(const ListSelection& s, const QString& location) {
    if (s.state != QStringLiteral("미완료")) {
        showWorkerMessage(QStringLiteral("이미 진행,완료 된 품번입니다."), nullptr);
        return false;
    }
    // Exactly one order row may go: any other count rolls the delete back.
    gsSQLs = {WorkOrderStatements::cancelOrder(s.prodNo, s.seq)};
    const bool ok = gfEXEC_SQLS_COUNT(gsSQLs, location, 1);
    showWorkerMessage(
        ok ? QStringLiteral("작업취소가 완료되었습니다.") : QStringLiteral("취소 실패"), nullptr);
    return ok;
}

} // namespace WorkOrderActions
