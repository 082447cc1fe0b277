#pragma once

#include <QObject>

class frm_S_dayReport;

// The report screen's downtime and defect actions: "설비정지" and "설비가동", "비가동 등록"
// (frm_S_bigadong2) and the touch on the defective quantity (frm_S_badqty) with the screen's
// follow-up. Created as a child of the screen, it answers the screen's signals.
class DayReportStops : public QObject {
    Q_OBJECT
public:
    explicit DayReportStops(frm_S_dayReport* report);

    void btnStop_Click();
    void btnRun_Click();
    void btnBigadong_Click();
    void lblBad_Cnt_Click();

private:
    frm_S_dayReport* m_report;
};
