#include "production/dayreportstops.h"

#include "production/dayreportrules.h"
#include "production/frm_s_badqty.h"
#include "production/frm_s_bigadong2.h"
#include "production/frm_s_dayreport.h"
#include "production/machinestop.h"
#include "workorders/clickablelabel.h"
#include "workorders/historyopener.h"

#include <QLabel>
#include <QPushButton>

namespace {
MachineStop::Job job(const frm_S_dayReport* r) {
    return {r->lblOp_seq_sub->text(), r->lblJakupdate->text(), r->lblEquipment_code->text()};
}
} // namespace

DayReportStops::DayReportStops(frm_S_dayReport* report) : QObject(report), m_report(report) {
    connect(report, &frm_S_dayReport::stopRequested, this, &DayReportStops::btnStop_Click);
    connect(report, &frm_S_dayReport::runRequested, this, &DayReportStops::btnRun_Click);
    connect(report, &frm_S_dayReport::bigadongRequested, this, &DayReportStops::btnBigadong_Click);
    connect(report, &frm_S_dayReport::badCntClicked, this, &DayReportStops::lblBad_Cnt_Click);
}

void DayReportStops::btnStop_Click() {
    // The downtime history follows the stop, with all processes and fresh rows.
    if (MachineStop::stop(job(m_report), {m_report->btnStop, m_report->btnRun}, m_report,
                          m_report->objectName()))
        HistoryOpenerHook::open(HistoryScreen::Downtime);
}

void DayReportStops::btnRun_Click() {
    MachineStop::restart(job(m_report), {m_report->btnStop, m_report->btnRun}, m_report,
                         m_report->objectName());
}

void DayReportStops::btnBigadong_Click() {
    frm_S_dayReport* r = m_report;
    if (r->lblOp_seq_sub->text().isEmpty())
        return;
    frm_S_bigadong2 entry(r);
    entry.lblProduct_code->setText(r->lblProduct_code->text());
    entry.lblOp_seq_sub->setText(r->lblOp_seq_sub->text());
    entry.lblprocess_code->setText(r->lblWC_code->text());
    entry.lblEquipment_code->setText(r->lblEquipment_code->text());
    entry.lblEmployee_su->setText(r->lblJakupsu->text());
    entry.showModal();
}

void DayReportStops::lblBad_Cnt_Click() {
    frm_S_dayReport* r = m_report;
    if (r->lblOp_seq_sub->text().isEmpty())
        return;
    const QString badBefore = r->lblBad_Cnt->text();
    frm_S_badqty entry(r);
    entry.lblOp_seq_sub->setText(r->lblOp_seq_sub->text());
    entry.lblWC_code->setText(r->lblWC_code->text());
    entry.lblProduct_code->setText(r->lblProduct_code->text());
    entry.lblEquipment_code->setText(r->lblEquipment_code->text());
    entry.lblBad_Cnt->setText(badBefore);
    if (entry.showModal() == QDialog::Accepted)
        r->lblBad_Cnt->setText(entry.lblBad_Cnt->text());
    // Follow-up, saved or not. The production quantity is the good plus the defective
    // quantity from before the entry: the defects entered turn good pieces into defective
    // ones instead of adding pieces that were never made. The counter rule takes them off
    // the good quantity at once, so that the lots below are assigned for the pieces made
    // rather than for good and defective pieces counted twice.
    r->Timer2_Timer();
    r->setAutoInput(true);
    const auto ok = DayReportRules::number(r->lblOk_Cnt->text());
    const auto bad = DayReportRules::number(badBefore);
    if (ok && bad) {
        r->lblJakup_Cnt->setText(QString::number(*ok + *bad));
        r->applyCounterRule();
    }
    r->lsBottomQuery();
    r->lsTuip_Sum();
}
