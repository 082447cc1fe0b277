#pragma once

#include "boards/imgshowboard.h"

class SpreadView;
class clsSpread;

// Every production result with its good quantity and each of its defects, and a grand-total
// row: the good total counts a result once, the defect total every defect row.
class frm_S_ImgSHow_One : public ImgShowBoard {
    Q_OBJECT
public:
    explicit frm_S_ImgSHow_One(QWidget* parent = nullptr);
    ~frm_S_ImgSHow_One() override;

    void lsQuery() override;

    static QString caption() { return QStringLiteral("일자별 생산현황"); }
    clsSpread* grid() const { return m_ss; }

    SpreadView* ss;

private:
    void layOutGrid();
    void addTotalRow();
    double goodTotal(int lastRow) const;

    clsSpread* m_ss;
};
