#pragma once

#include "ui/common/keyboardbase.h"

// Numeric keypad: digits, backspace, clear, enter, cancel. Command19 and Command20 are
// keys without an action.
class frmKey2 : public KeyboardBase {
    Q_OBJECT
public:
    explicit frmKey2(QWidget* parent);
};
