#pragma once

#include "boards/imgshowboard.h"

// Orders against shipments of the previous, current and next month.
class frm_S_ImgSHow_Suju : public ImgShowBoard {
    Q_OBJECT
public:
    explicit frm_S_ImgSHow_Suju(QWidget* parent = nullptr);
    static BoardTexts texts();

protected:
    QString statement() const override;
};
