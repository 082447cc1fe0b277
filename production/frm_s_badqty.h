#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class SpreadView;
class clsSpread;
class frmKey2;

// Defect entry for a run: the defect codes allowed for the run's process with the quantities
// recorded so far, typed on the numeric keypad and saved per code together with the run's
// total. Opened modally by the report screen, which fills the hidden fields first and takes
// lblBad_Cnt back after an accepted save.
class frm_S_badqty : public QDialog {
    Q_OBJECT
public:
    explicit frm_S_badqty(QWidget* parent);
    ~frm_S_badqty() override;

    // Loads the grid and the two boxes for the hidden fields and shows the screen modally.
    int showModal();
    // Reloads the grid and recomputes the two boxes.
    void lsQuery();
    // cmdSave: writes the rows and the run's total in one transaction; on success
    // lblBad_Cnt holds the total and the screen closes accepted.
    void cmdSave_Click();
    // The save's statements for the grid as it is, the run total last; empty and a message
    // for the worker when a value cannot be written.
    QStringList saveBatch(qint64* total, QString* refusal) const;

    clsSpread* grid() const { return m_ss; }
    static QString caption() { return QStringLiteral("불량 등록"); }

    // Hidden fields, copied from the report screen by the opener.
    QLabel* lblOp_seq_sub;
    QLabel* lblWC_code;
    QLabel* lblProduct_code;
    QLabel* lblEquipment_code;
    QLabel* lblBad_Cnt;

    QLineEdit* txtBad_Total_cnt; // "입력 불량"
    QLineEdit* txtBad_cnt;       // "미입력 불량"
    SpreadView* ss;
    QPushButton* cmdSave;
    QPushButton* Command14;

private:
    void layOutScreen();
    void showTotals();
    void cellClicked(const QModelIndex& index);

    clsSpread* m_ss;
    frmKey2* m_keypad;
};
