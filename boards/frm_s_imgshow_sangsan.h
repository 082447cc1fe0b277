#pragma once

#include "boards/totalsboard.h"

// Work orders against production of yesterday, today and tomorrow.
class frm_S_ImgSHow_Sangsan : public TotalsBoard {
    Q_OBJECT
public:
    explicit frm_S_ImgSHow_Sangsan(QWidget* parent = nullptr);
    static BoardTexts texts();

protected:
    QString statement() const override;
};
