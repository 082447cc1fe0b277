#include "production/reportopening.h"

#include "core/modfn.h"
#include "production/frm_s_dayreport.h"
#include "workorders/reportopener.h"

#include <QLabel>

namespace ReportOpeningAction {

void open(const ReportOpening& o) {
    frm_S_dayReport* report = frm_S_dayReport::instance();
    report->show();
    report->raise();
    report->activateWindow();
    report->lvSerchSQL =
        QStringLiteral("AND B_PR.process_code = '") + gfSQL_STR(o.processCode) + QLatin1Char('\'');
    report->lvEquipment_code = o.equipmentCode;
    report->lblseq->setText(o.seq);
    report->lblMold_No->setText(o.moldNo);
    report->lblProcess_code->setText(o.processCode);
    if (!o.opSeqSub.isEmpty())
        report->lblOp_seq_sub->setText(o.opSeqSub);
    report->lsQuery();
}

void registerOpener() {
    ReportOpenerHook::set(&open);
}

} // namespace ReportOpeningAction
