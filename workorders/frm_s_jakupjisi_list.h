#pragma once

#include "workorders/listselection.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTimer;
class SpreadView;
class clsSpread;

// The terminal's home screen: the work orders of the equipment whose address is this PC's,
// narrowed by a bank of process buttons and a bank of equipment buttons; from here the
// worker starts or cancels a job and registers a work order.
class frm_S_jakupjisi_list : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool lvStartPop MEMBER lvStartPop)
public:
    static constexpr int kProcessButtons = 35;
    static constexpr int kEquipmentButtons = 14;

    explicit frm_S_jakupjisi_list(QWidget* parent = nullptr);
    ~frm_S_jakupjisi_list() override;

    static QString caption() { return QStringLiteral("작업지시목록"); }
    // The loaded list brought to the front, or a new one loaded and shown.
    static frm_S_jakupjisi_list* showList();

    // "All": clears the filter, reloads the list and the process buttons.
    void btnFind_Click();
    // The clock labels from the program clock (Timer1, every second).
    void Timer1_Timer();

    // The banks' selection and the grid's active row, as the actions read them.
    ListSelection selection() const;
    clsSpread* spread() const { return m_ss; }

    // Code and name of the last clicked process and equipment buttons.
    QString lvJakup_procode;
    QString lvJakup_proname;
    QString lvJakup_equipcode;
    QString lvJakup_equipname;
    // Set by the auto-start countdown.
    bool lvStartPop = false;

    QLabel* lblDate;
    QLabel* lblTime;
    QLabel* lblWC_name;
    std::array<QPushButton*, kProcessButtons> btnEquipment{};
    std::array<QPushButton*, kEquipmentButtons> btnEquipment2{};
    SpreadView* ss;
    QPushButton* btnFind = nullptr;
    QPushButton* btnJakup = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnJakupJisi = nullptr;
    QPushButton* btnDayReport = nullptr;
    QPushButton* btnBadList = nullptr;
    QPushButton* btnBigadongList = nullptr;
    QPushButton* btnJakupList = nullptr;
    QPushButton* btnExit = nullptr;
    QTimer* Timer1;

private:
    void buildControls();
    void layOutControls();
    QPushButton* commandButton(const QString& name, const QString& caption);
    void Form_Load();

    void fillProcessButtons();
    // Fills the equipment buttons from an equipment statement's result (hides them all when
    // it fails or its first row has no code).
    void fillEquipmentButtons(const QString& sql);
    void loadList(bool filtered);
    void colourRows();

    void processClicked(int i);
    void equipmentClicked(int j);
    void rowClicked(int row);
    void btnStart_Click();
    void btnCancel_Click();
    void btnDayReport_Click();
    void btnExit_Click();

    void colourAll(const QList<QPushButton*>& buttons);
    QList<QPushButton*> processButtons() const;
    QList<QPushButton*> equipmentButtons() const;

    clsSpread* m_ss;
    QString m_extraFilter;
};
