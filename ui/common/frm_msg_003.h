#pragma once

#include "ui/common/yesnodialog.h"

class QLabel;
struct JobStartValues;

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
    // The order's values for its next job (without the job number); false when the order
    // cannot be read.
    bool readOrder(JobStartValues* v);
    // Numbers the job and runs its batch in one transaction; false after telling the worker.
    bool startNextJob(JobStartValues v);
};
