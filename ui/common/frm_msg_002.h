#pragma once

#include "ui/common/yesnodialog.h"

// Exit confirmation; callers end the program when AA is "Exit".
class frm_MSG_002 : public YesNoDialog {
    Q_OBJECT
public:
    explicit frm_MSG_002(QWidget* parent);
};
