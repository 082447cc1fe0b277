#pragma once

#include "boards/historyframe.h"

// The downtime recorded today on this terminal's equipment ("비가동내역"), by process.
class frm_S_Report_bigadong : public HistoryFrame {
    Q_OBJECT
public:
    explicit frm_S_Report_bigadong(QWidget* parent = nullptr);

protected:
    void layOutGrid(clsSpread& ss) override;
    QString listSql() const override;
};
