#pragma once

#include "ui/common/countdowndialog.h"

// Countdown before the selected job starts by itself; writes the work order list's
// lvStartPop.
class frm_MSG_Start : public CountdownDialog {
    Q_OBJECT
public:
    explicit frm_MSG_Start(QWidget* parent);
};
