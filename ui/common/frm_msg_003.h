#pragma once

#include "ui/common/yesnodialog.h"

class QLabel;

// Continue-input question: yes starts a further job for the work order line whose
// sequence the caller put into the hidden label lblseq; no answers "Cancel".
class frm_MSG_003 : public YesNoDialog {
    Q_OBJECT
public:
    explicit frm_MSG_003(QWidget* parent);

    QLabel* lblseq = nullptr;

    // The statements of the yes button, for the sequence given.
    static QString orderStatement(const QString& seq);
    static QString orderUpdateStatement(const QString& seq);

protected:
    void yes() override;

private:
    // Builds the batch; false (nothing to run) when the order cannot be read or numbered.
    bool buildBatch(QStringList* batch);
};
