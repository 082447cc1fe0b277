#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class SpreadView;
class clsSpread;
class frm_S_dayReport;

// Lot selection for one row of the report screen's material grid: the material's lots with
// stock, a barcode box for scanned lots ("lot/material", "*" around it allowed) and the
// first-in first-out check before a chosen lot is taken.
class frm_S_lot_select : public QDialog {
    Q_OBJECT
public:
    explicit frm_S_lot_select(frm_S_dayReport* report);
    ~frm_S_lot_select() override;

    // The material, its current lot and the run; the fourth text is not used.
    void lsProductCode(const QString& argProductCode, const QString& argLot_no,
                       const QString& argOpSeqSub, const QString& argUnused);
    // Loads the screen and shows it modally, centred on the display.
    int showModal();
    // The barcode box's Enter: the scanned lot into the report screen's active row.
    void txtBarcode_Enter();
    // The save key: the active lot, after the first-in first-out check.
    void cmdSave_Click();
    clsSpread* spread() const { return m_ss; }

    QLineEdit* txtBarcode;
    SpreadView* ss;
    QPushButton* cmdSave;
    QPushButton* Command14;
    // Hidden fields.
    QLabel* lblProduct_code;
    QLabel* lblOp_seq_sub;
    QLabel* lblMaterial_code;
    QLabel* lblLot_no;

protected:
    // Keys typed anywhere on the screen go to the barcode box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void declareGrid();
    void Form_Load();
    // The report screen's material grid row the lot goes to.
    void writeLot(const QString& lot, const QVariant* stock);
    bool olderLotAccepted(const QString& lot);

    frm_S_dayReport* m_report;
    clsSpread* m_ss;
    QString m_materialCode;
    QString m_lotNo;
    QString m_opSeqSub;
};
