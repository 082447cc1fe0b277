#pragma once

#include "ui/common/letterkeyboard.h"

// Letter and digit keyboard (login code and password): the letter keyboard plus 0-9.
// Its window is 12000 x 7500 twips whenever it opens.
class frmKey2_EnglishandNum : public LetterKeyboard {
    Q_OBJECT
public:
    explicit frmKey2_EnglishandNum(QWidget* parent);

protected:
    void prepare() override;
};
