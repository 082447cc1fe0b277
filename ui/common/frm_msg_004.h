#pragma once

#include "ui/common/yesnodialog.h"

// General confirmation. Besides AA, the answer goes into the article inspection screen's
// label lbldelete_type: "OK" after yes, empty after no.
class frm_MSG_004 : public YesNoDialog {
    Q_OBJECT
public:
    explicit frm_MSG_004(QWidget* parent);

protected:
    void yes() override;
    void no() override;

private:
    void writeDeleteType(const QString& text);
};
