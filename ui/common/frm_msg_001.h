#pragma once

#include "ui/common/msgdialog.h"

// Message dialog with one button: the caller writes the text into Lb_msg, then shows it.
class frm_MSG_001 : public MsgDialog {
    Q_OBJECT
public:
    explicit frm_MSG_001(QWidget* parent);
};

// Shows a worker message in frm_MSG_001 and waits until it is closed.
void showWorkerMessage(const QString& text, QWidget* parent);
