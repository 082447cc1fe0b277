#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class SpreadView;
class clsSpread;
class frm_S_dayReport;

// Worker selection for the running job: search by part of the name and of the number,
// accept writes the active row's worker to the run and into the report screen.
class frm_S_employee : public QDialog {
    Q_OBJECT
public:
    explicit frm_S_employee(frm_S_dayReport* report);
    ~frm_S_employee() override;

    // Shows the screen modally.
    int showModal();
    // Search with the two fields' texts.
    void cmd_query_Click();
    clsSpread* spread() const { return m_ss; }

    QLineEdit* txtemployee_name;
    QLineEdit* txtemployee_no;
    QPushButton* cmd_query;
    SpreadView* ss;
    QPushButton* cmdSave;
    QPushButton* Command14;
    QLabel* lblProcess_code;
    QLabel* lblOp_seq_sub;

private:
    void layOut();
    void declareGrid();
    void cmdSave_Click();

    frm_S_dayReport* m_report;
    clsSpread* m_ss;
};
