#pragma once

#include "boards/totalsboard.h"

// Orders against shipments of the previous, current and next month.
class frm_S_ImgSHow_Suju : public TotalsBoard {
    Q_OBJECT
public:
    explicit frm_S_ImgSHow_Suju(QWidget* parent = nullptr);
    static BoardTexts texts();

protected:
    QString statement() const override;
};
