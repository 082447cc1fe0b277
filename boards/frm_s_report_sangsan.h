#pragma once

#include "boards/historyframe.h"

class QDateEdit;

// The production results ("실적내역") of this terminal's work orders of the order date in
// the date picker, by process; prints the process-move ticket of the chosen run and, when a
// label port is configured, its box labels (the pack, count and label columns are shown
// then).
class frm_S_Report_Sangsan : public HistoryFrame {
    Q_OBJECT
public:
    explicit frm_S_Report_Sangsan(QWidget* parent = nullptr);

    // "공정이동표 출력": the ticket of the grid's active row.
    void btn_gongjung_Click();
    // The box counts of every row from the good and pack quantities.
    void lsSum();

    // The order date to list; a change takes effect at the next list query.
    QDateEdit* dtpSt_date;
    QPushButton* btn_gongjung;

protected:
    void layOutGrid(clsSpread& ss) override;
    QString listSql() const override;
    void afterReload() override;
};
