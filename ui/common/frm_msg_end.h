#pragma once

#include "ui/common/countdowndialog.h"

// Countdown before the selected job ends by itself; writes the production report
// screen's lvStartPop.
class frm_MSG_End : public CountdownDialog {
    Q_OBJECT
public:
    explicit frm_MSG_End(QWidget* parent);
};
