#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class ClickableLabel;
class QCheckBox;
class QDateEdit;
class QLabel;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTimer;
class SpreadView;
class clsSpread;
class frmKey2_jaju;

// The first, middle and last article inspection sheet "자주검사등록" of a running job: the
// items of the product's standard with their limits, three readings per item judged as they
// come in, the overall result and the reference picture. One sheet per work order line and
// shift. The opener fills the fields, then lsQuery loads the sheet.
class frm_S_jajutest : public QWidget {
    Q_OBJECT
public:
    explicit frm_S_jajutest(QWidget* parent = nullptr);
    ~frm_S_jajutest() override;

    static QString caption() { return QStringLiteral("자주검사등록"); }
    // The program's one sheet, created on first use (parentless, kept loaded).
    static frm_S_jajutest* instance();

    // Dates to today, the file share connected, the grid declared.
    void Form_Load();
    // Loads the grid, the reference picture, the inspector and the input-complete flag.
    void lsQuery();
    // Enters a reading through the keypad when the column lies between x1 and 검사확인.
    void ss_Click(int col, int row);
    // Judges row r after a change in one of the columns x1 .. x9.
    void judgeRow(int col, int row);
    void btn_Savejaju_Click();
    void btn_deletejaju_Click();

    // The shift code of lbljuya: "1" day shift, "0" night shift.
    QString juyaCode() const;
    clsSpread* grid() const { return m_ss; }
    const QPixmap& picture() const { return m_picture; }

    QDateEdit* dtpSt_date;
    QLabel* lbl_seq;
    QLabel* lblpumbun;
    QLabel* lblproduct_name;
    QLabel* lbl_jaju_num;
    QLabel* lbltest_num;
    QDateEdit* dtptest_date;
    ClickableLabel* lbl_employee;
    QLabel* lbljuya;
    QRadioButton* optPass;
    QRadioButton* optNotpass;
    QCheckBox* optCheck;
    ClickableLabel* imgProduct;
    QLabel* lblDate;
    QLabel* lblTime;
    // Hidden fields.
    QLabel* lblipha_su;
    QLabel* lblcar_name;
    QLabel* lblstandard;
    QLabel* lblJisi_Cnt;
    QLabel* lblProduct_code;
    QLabel* lblemployee_no;
    QLabel* lbldelete_type;

    SpreadView* ss;
    QPushButton* btn_Savejaju;
    QPushButton* btn_deletejaju;
    QPushButton* btnExit;
    QPushButton* cmdProduct_master;
    QTimer* Timer1;

private:
    void buildFields();
    void layOutScreen();
    void declareGrid();
    void loadPicture();
    void showPicture();
    void tick();
    void cellClicked(const QModelIndex& index);
    void cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void lbl_employee_Click();
    void imgProduct_Click();
    void updateOverall();
    bool inReadings(int col) const;

    clsSpread* m_ss;
    frmKey2_jaju* m_keypad;
    QPixmap m_picture;
    // Set while the screen writes the grid itself, so that only the worker's edits judge.
    bool m_writing = false;
};
