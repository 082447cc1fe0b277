#pragma once

#include "boards/imgshowboard.h"

class ChartView;
class SpreadView;
class clsSpread;

// The defect quantities of the current month by defect type with a grand total, and a chart
// of each type's share in percent (hidden while there is nothing to draw).
class frm_S_Pumzil_Chart_Show : public ImgShowBoard {
    Q_OBJECT
public:
    explicit frm_S_Pumzil_Chart_Show(QWidget* parent = nullptr);
    ~frm_S_Pumzil_Chart_Show() override;

    void lsQuery() override;

    static QString caption() { return QStringLiteral("품질 현황"); }
    clsSpread* grid() const { return m_ss; }

    SpreadView* ss;
    ChartView* cc;

private:
    void layOutGrid();
    void fillChart(int lastRow, double total);

    clsSpread* m_ss;
};
