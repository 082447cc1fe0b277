#pragma once

#include "ui/common/msgdialog.h"

// The yes/no dialogs: yes (Command14) and no (Command1); the answer AA is "Exit" after
// yes, "Cancel" after no and empty when the dialog was closed another way.
class YesNoDialog : public MsgDialog {
    Q_OBJECT
public:
    QString AA;

protected:
    YesNoDialog(QWidget* parent, const QString& name, const QString& text);
    void opening() override;
    // The buttons' actions; they close the dialog.
    virtual void yes();
    virtual void no();
};
