#pragma once

#include "ui/common/keyboardbase.h"

// Inspection value keypad: digits, decimal point, OK, NG, backspace, enter, cancel. A
// display of exactly "OK" or "NG" is a judgement: the next digit or point starts anew,
// and backspace removes it whole.
class frmKey2_jaju : public KeyboardBase {
    Q_OBJECT
public:
    explicit frmKey2_jaju(QWidget* parent);

private:
    bool isJudgement() const;
    void typeDigit(const QString& digit);
    void typePoint();
    void backspaceJudgement();
};
