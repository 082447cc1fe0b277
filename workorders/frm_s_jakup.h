#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class SpreadView;
class clsSpread;
class frmKey2_EnglishandNum;

// Work order creation on the terminal: the products the list's equipment makes in its
// process, each with today's remaining plan, and the save of the chosen product as a new
// waiting order. Opened non-modally by the work order list, which fills the four process
// and equipment boxes and runs lsQuery.
class frm_S_Jakup : public QWidget {
    Q_OBJECT
public:
    explicit frm_S_Jakup(QWidget* parent);
    ~frm_S_Jakup() override;

    // Reloads the product grid from the text boxes (also cmd_query).
    void lsQuery();
    // cmdSave: saves the active row's product as a work order; closes the screen on success.
    void cmdSave_Click();

    clsSpread* grid() const { return m_ss; }
    static QString caption() { return QStringLiteral("작업등록"); }

    QLineEdit* txtprocess_code;
    QLineEdit* txtprocess_name;
    QLineEdit* txtequipment_code;
    QLineEdit* txtequipment_name;
    QLineEdit* txtPumbun;
    QPushButton* cmd_query;
    QPushButton* cmdSave;
    QPushButton* Command14;
    SpreadView* ss;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOutGrid();
    void layOutScreen();
    // The part number typed on the letter and digit keyboard, then the list narrowed to it.
    void typePumbun();

    clsSpread* m_ss;
    frmKey2_EnglishandNum* m_keyboard;
};
