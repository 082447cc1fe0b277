#pragma once

#include <QDialog>

class QPushButton;
class SpreadView;
class clsSpread;
class frm_S_jajutest;

// The inspector picker of the inspection sheet: every employee by name; the accepted row's
// name and number go into the sheet's inspector fields.
class frm_S_jaju_employee : public QDialog {
    Q_OBJECT
public:
    explicit frm_S_jaju_employee(frm_S_jajutest* sheet);

    // Loads the list and shows the picker modally.
    int showModal();
    void cmdSave_Click();

    clsSpread* grid() const { return m_ss; }

    SpreadView* ss;
    QPushButton* cmdSave;
    QPushButton* Command14;

private:
    frm_S_jajutest* m_sheet;
    clsSpread* m_ss;
};
