#pragma once

#include "ui/common/letterkeyboard.h"

// Letter keyboard: A-Z, shift, minus, decimal point, backspace, clear, enter, cancel.
class frmKey2_English : public LetterKeyboard {
    Q_OBJECT
public:
    explicit frmKey2_English(QWidget* parent);
};
