#pragma once

#include "production/operationsheet.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "공정이동표 발행": asks whether to issue the process move sheet of the run just ended;
// "발행" fills the sheet and prints it, and the dialog stays open until closed.
class frm_S_operation_sheet : public QDialog {
    Q_OBJECT
public:
    frm_S_operation_sheet(const OperationSheet::Values& values, QWidget* parent);

    // Shows the dialog modally for the values.
    static void offer(const OperationSheet::Values& values, QWidget* parent);

    // Writes the blank sheet when it is missing, the filled sheet beside it, and prints
    // it; a failure is told to the worker. True when the page was printed.
    bool cmdmakestatement_Click();

    const OperationSheet::Values& values() const { return m_values; }

    QLabel* Label1;
    QPushButton* cmdmakestatement;
    QPushButton* cmdUnload;

protected:
    void showEvent(QShowEvent* event) override;

private:
    OperationSheet::Values m_values;
};
