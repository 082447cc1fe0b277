#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QWidget>

#include <array>

class ClickableLabel;
class SpreadView;
class clsSpread;
class QLabel;
class QPushButton;
class QTimer;

// The production terminal's screen for one running job: one run of one work order line on
// one machine. Its fields hold the job's data as text; the reporting actions and the other
// screens read and write them by name. One instance per program run (instance()).
class frm_S_dayReport : public QWidget {
    Q_OBJECT
    // Written by the auto-end countdown through its name.
    Q_PROPERTY(bool lvStartPop MEMBER lvStartPop)
public:
    static constexpr int kMachineButtons = 14;

    explicit frm_S_dayReport(QWidget* parent = nullptr);
    ~frm_S_dayReport() override;

    static QString caption() { return QStringLiteral("생산작업현황"); }
    // The program's one report screen, created on first use (parentless, kept loaded).
    static frm_S_dayReport* instance();
    // The existing one, or null.
    static frm_S_dayReport* existing();

    // Reloads the machine buttons and the job of lvEquipment_code and lblOp_seq_sub.
    void lsQuery();
    // The material grid "투입 LOT 선택": its layout, its rows from the product's bill of
    // materials, and the lots and input quantities for the quantity not yet saved.
    void lsSpreadInit();
    void lsBottomQuery();
    void lsTuip_Sum();
    // The split pass: each row without a lot takes the next lot, until none is left without.
    void lotSplitPass();
    // First lot of the row's material; a split row below when that lot does not cover it.
    void lsAutoLot(int argindex, int argIndex2, const QString& argEquipment_code);
    // The next lot for a split row; false when the lots ran out and the split pass ends.
    bool lsAutoLotCopy(int argindex, int argIndex2, const QString& argEquipment_code);
    // "LOT 추가", "추가 취소" and the touch on a grid cell (grid column and row).
    void btnLotAdd_Click();
    void btnLotCancel_Click();
    void sprLot_Click(int col, int row);
    // The material grid's wrapper, for the ending and the lot selection screen.
    clsSpread* lotSpread() const { return m_ssLot; }

    // The 5-second refresh: the totals of the whole work order line.
    void Timer2_Timer();
    // The clock: date and time, elapsed minutes, the counter rule.
    void Timer1_Timer();
    // The counter rule: with automatic input the good count is production less defects,
    // otherwise production is good plus defects.
    void applyCounterRule();
    // Automatic input, held as the refresh timer's enabled state.
    bool autoInput() const;
    void setAutoInput(bool on);
    // The status lamp's colour: blue connected, red disconnected.
    QColor lampColour() const;

    QString lvEquipment_code;
    QString lvSerchSQL;
    bool lvStartPop = false;

    // Shown fields.
    QLabel* lblJakupdate;
    QLabel* lbl_juya;
    ClickableLabel* lblEmployee_name;
    ClickableLabel* lblJakupsu;
    QLabel* lbl_jakupjisi_num;
    QLabel* lblPumbun;
    QLabel* lblCar_name;
    QLabel* lblProduct_name;
    QLabel* lblStandard;
    QLabel* lblStDate;
    ClickableLabel* lblStTime;
    ClickableLabel* lblEdTime;
    QLabel* lblMin;
    QLabel* lblJisi_Cnt;
    QLabel* lblJakup_Cnt;
    ClickableLabel* lblOk_Cnt;
    ClickableLabel* lblBad_Cnt;
    QLabel* lblMold_chk;
    QLabel* lblMold_cnt;
    QLabel* lblWC_name;
    QLabel* lblDate;
    QLabel* lblTime;

    // Hidden fields: the screen's variables.
    QLabel* lblseq;
    QLabel* lblOp_seq_sub;
    QLabel* lblWC_code;
    QLabel* lblProcess_code;
    QLabel* lblEquipment_code;
    QLabel* lblProduct_code;
    QLabel* lblProduct_Gubun;
    QLabel* lblProduct_type_code;
    QLabel* lblemployee_no;
    QLabel* lblOk_Cnt2;
    QLabel* lblBad_Cnt2;
    QLabel* lbl_okcnt2;
    QLabel* lbl_badcnt2;
    QLabel* lblProgress;
    QLabel* lblMold_No;
    QLabel* lblLotno;
    QLabel* lblCar_code;

    // Top bar.
    QPushButton* btnExit;
    QPushButton* btnJakupJisi;
    QPushButton* btnDayReport;
    QPushButton* btnBadList;
    QPushButton* btnBigadongList;
    QPushButton* btnJakupList;
    // Job area.
    QPushButton* btnLotAdd;
    QPushButton* btnLotCancel;
    QPushButton* btnConnect;
    QLabel* shpLamp;
    QPushButton* btnDisconnect;
    QPushButton* btnJobSwitch;
    // Action bar.
    QPushButton* btnMiddleEnd;
    QPushButton* btnEnd;
    QPushButton* btnJajuTest;
    QPushButton* btnMoldTest;
    QPushButton* btnBigadong;
    QPushButton* btnStop;
    QPushButton* btnRun;
    QPushButton* btnJobCancel;
    QPushButton* btnForceEnd;
    // Material grid.
    SpreadView* sprLot;
    // Machine bar: text the machine name, property "Tag" its code.
    std::array<QPushButton*, kMachineButtons> btnEquipment{};

    QTimer* Timer1;
    QTimer* Timer2;

signals:
    // The downtime and defect actions, handled by their own screens' code.
    void bigadongRequested();
    void stopRequested();
    void runRequested();
    void badCntClicked();

private:
    void buildFields();
    void buildLotGrid();
    // Δgood + Δdefective: the quantity entered since the run was loaded.
    qint64 unsavedQuantity() const;
    void buildButtons();
    void layOutControls();
    void connectControls();
    void Form_Load();

    void lsEquipButton();
    int machineCount() const;
    // Colours the machine buttons for lvEquipment_code; the shown machine's name.
    QString markShownMachine();
    void machineClicked(int n);
    void fillFields();
    void clearFields();
    void mouldCheck();
    void setTitle(const QString& machineName);
    void updateElapsed(const QDateTime& now);
    // lblOk_Cnt set, and the progress that follows every change of it.
    void setOkCnt(const QString& text);
    void okCntMaybeChanged();

    void lblOk_Cnt_Click();
    void lblEmployee_name_Click();
    void lblJakupsu_Click();
    void lblStTime_Click();
    void lblEdTime_Click();
    void setLamp(bool connected);
    void btnConnect_Click();
    void btnDisconnect_Click();
    void btnJakupJisi_Click();
    void btnExit_Click();

    QString m_okSeen;
    clsSpread* m_ssLot = nullptr;
    // Position in a material's lot list at which a split row takes its next lot.
    qint16 m_nextLot = 1;
};
