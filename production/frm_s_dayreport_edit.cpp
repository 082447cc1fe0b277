// The report screen's touch fields: good quantity, worker, crew size, start and end time.
#include "production/frm_s_dayreport.h"

#include "core/moddb.h"
#include "production/dayreportrules.h"
#include "production/frm_s_employee.h"
#include "production/frm_s_endtime.h"
#include "production/frm_s_starttime.h"
#include "production/workereditsql.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frmkey2.h"
#include "workorders/clickablelabel.h"

#include <QPushButton>

namespace {
// The keypad's accepted text, "" when cancelled.
QString keypadText(QWidget* parent) {
    frmKey2 keypad(parent);
    keypad.showModal();
    return keypad.KEYPAD_no;
}

void copyContext(const frm_S_dayReport& report, TimeEntryDialog& entry) {
    entry.lblProduct_code->setText(report.lblProduct_code->text());
    entry.lblOp_seq_sub->setText(report.lblOp_seq_sub->text());
    entry.lblProcess_code->setText(report.lblWC_code->text());
    entry.lblJakupdate->setText(report.lblJakupdate->text());
    entry.lbl_juya->setText(report.lbl_juya->text());
}
} // namespace

void frm_S_dayReport::lblOk_Cnt_Click() {
    if (lblOp_seq_sub->text().isEmpty())
        return;
    const QString typed = keypadText(this);
    Timer2_Timer();
    setAutoInput(true);
    if (typed.isEmpty())
        return;
    setOkCnt(typed);
    const auto ok = DayReportRules::number(lblOk_Cnt->text());
    const auto bad = DayReportRules::number(lblBad_Cnt->text());
    if (!ok || !bad)
        return;
    lblJakup_Cnt->setText(QString::number(*ok + *bad));
    lsBottomQuery();
    lsTuip_Sum();
    btnDisconnect_Click();
}

void frm_S_dayReport::lblEmployee_name_Click() {
    if (lblOp_seq_sub->text().isEmpty())
        return;
    frm_S_employee picker(this);
    picker.showModal();
}

void frm_S_dayReport::lblJakupsu_Click() {
    if (lblOp_seq_sub->text().isEmpty())
        return;
    const QString typed = keypadText(this);
    if (typed.isEmpty())
        return;
    // The crew size goes into the statement unquoted: anything but a whole number is refused.
    if (!WorkerEditSql::isCrewSize(typed)) {
        showWorkerMessage(QStringLiteral("작업 인원은 숫자로 입력하십시오."), this);
        return;
    }
    lblJakupsu->setText(typed);
    if (!gfEXEC_SQL(WorkerEditSql::setCrewSize(typed, lblOp_seq_sub->text()), caption()))
        showWorkerMessage(QStringLiteral("저장 실패"), this);
}

void frm_S_dayReport::lblStTime_Click() {
    if (lblOp_seq_sub->text().isEmpty())
        return;
    frm_S_starttime entry(this);
    copyContext(*this, entry);
    entry.showModal();
    if (const auto time = entry.handedBack())
        lblStTime->setText(*time);
}

void frm_S_dayReport::lblEdTime_Click() {
    if (lblOp_seq_sub->text().isEmpty())
        return;
    frm_S_endtime entry(this);
    copyContext(*this, entry);
    entry.showModal();
    if (const auto time = entry.handedBack())
        lblEdTime->setText(*time);
}
