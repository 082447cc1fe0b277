#pragma once

#include "boards/historyframe.h"

// The defects recorded today on this terminal's equipment ("불량내역"), by process.
class frm_S_Report_badqty : public HistoryFrame {
    Q_OBJECT
public:
    explicit frm_S_Report_badqty(QWidget* parent = nullptr);

protected:
    void layOutGrid(clsSpread& ss) override;
    QString listSql() const override;
};
