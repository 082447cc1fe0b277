#pragma once

#include <QString>
#include <QWidget>

class ChartView;
class QComboBox;
class QDateEdit;
class QKeyEvent;
class QLabel;
class QPushButton;
class SpreadView;
class clsSpread;

// The monthly production statistics ("사출실적현황"): for the month of the date picker and
// the chosen process, eight figures per day with their month total or rate, and a chart of
// the three rates over the days. A plain query screen; its edit buttons stay disabled.
class frm_S_Report_Suju_Chulha : public QWidget {
    Q_OBJECT
public:
    explicit frm_S_Report_Suju_Chulha(QWidget* parent = nullptr);
    ~frm_S_Report_Suju_Chulha() override;

    static QString caption() { return QStringLiteral("사출실적현황"); }
    // Opens the report as a window of its own (deleted when closed), for example as the
    // program's first screen.
    static frm_S_Report_Suju_Chulha* showReport();

    // Back to the opening state: authority, today's month, the first process, empty grid.
    void Form_Load();
    void btnFind_Click();
    void btnClear_Click();
    void btnExit_Click();
    // Clears the chart and lays the grid out for the picker's month (rows dropped).
    void dtpReg_date_Change();

    clsSpread* spread() const { return m_ss; }

    QDateEdit* dtpReg_date;
    QComboBox* cboProcess;
    SpreadView* ss;
    ChartView* cc1;
    QLabel* lblCount;
    QPushButton* btnFind;
    QPushButton* btnClear;
    QPushButton* btnExit;
    QPushButton* btnCancel;
    QPushButton* btnCopy;
    QPushButton* btnRowAdd;
    QPushButton* btnDelete;
    QPushButton* btnSave;
    QPushButton* btnExcel;
    QPushButton* btnPrint;

protected:
    // Ctrl + the letter of an enabled button clicks it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* makeButton(const char* name, const QString& text);
    void layOutControls();
    void layOutGrid(int days);
    void putTotals(int days);
    void putMonthRate(const QString& code);
    void drawChart(int days);

    clsSpread* m_ss;
    bool m_loading = false;
};
