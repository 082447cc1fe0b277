#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QModelIndex;
class QPushButton;
class SpreadView;
class clsSpread;
class frmKey2;

// Downtime entry for a run: every downtime code with the minutes the run lost to it, typed on
// the numeric keypad, saved as one reason row per code. Opened modally by the report screen,
// which fills the five hidden fields first.
class frm_S_bigadong2 : public QDialog {
    Q_OBJECT
public:
    explicit frm_S_bigadong2(QWidget* parent);
    ~frm_S_bigadong2() override;

    // Loads the grid for the hidden fields and shows the screen modally.
    int showModal();
    // Reloads the grid for the run in the hidden fields.
    void lsQuery();
    // cmdSave: writes the reason rows in one transaction; closes the screen on success.
    void cmdSave_Click();
    // The save's statements for the grid as it is; empty and a message for the worker when
    // a value cannot be written.
    QStringList saveBatch(QString* refusal) const;

    clsSpread* grid() const { return m_ss; }
    static QString caption() { return QStringLiteral("비가동 등록"); }

    // Hidden fields, copied from the report screen by the opener.
    QLabel* lblProduct_code;
    QLabel* lblOp_seq_sub;
    QLabel* lblprocess_code;
    QLabel* lblEquipment_code;
    QLabel* lblEmployee_su;

    SpreadView* ss;
    QPushButton* cmdSave;
    QPushButton* Command14;

private:
    void layOutScreen();
    void layOutGrid();
    void cellClicked(const QModelIndex& index);

    clsSpread* m_ss;
    frmKey2* m_keypad;
};
