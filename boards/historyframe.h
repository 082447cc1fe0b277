#pragma once

#include "workorders/historyopener.h"

#include <QString>
#include <QWidget>

#include <array>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class SpreadView;
class clsSpread;

// The frame the three terminal history screens share: the navigation bar with the date and
// clock, the title strip naming the current process filter, the read-only grid, an action
// row with "all processes", and seven process buttons. The screens never write to the
// database.
class HistoryFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kProcessButtons = 7;

    ~HistoryFrame() override;

    // The location name every screen passes to the database operations.
    static QString caption() { return QStringLiteral("작업지시목록"); }

    HistoryScreen kind() const { return m_kind; }
    // "All processes": clears the filter and reloads.
    void btnFind_Click();
    // The clock labels from the program clock (Timer1, every second).
    void Timer1_Timer();

    clsSpread* spread() const { return m_ss; }
    QString extraFilter() const { return m_extraFilter; }

    QPushButton* btnExit;
    QPushButton* btnJakupJisi;
    QPushButton* btnDayReport;
    QPushButton* btnBadList;
    QPushButton* btnBigadongList;
    QPushButton* btnJakupList;
    QLabel* lblDate;
    QLabel* lblTime;
    QLabel* lblWC_name;
    SpreadView* ss;
    QPushButton* btnFind;
    // Caption the process name, property "Tag" its code.
    std::array<QPushButton*, kProcessButtons> btnEquipment{};
    QTimer* Timer1;

protected:
    HistoryFrame(HistoryScreen kind, const QString& name, const QString& findCaption,
                 QWidget* parent);

    // Loads the screen once the subclass's controls exist.
    void Form_Load();
    virtual void layOutGrid(clsSpread& ss) = 0;
    // The list statement with the current extra filter.
    virtual QString listSql() const = 0;
    // After every reload by btnFind or a process button.
    virtual void afterReload() {}
    // The action row, for the subclass's own controls.
    QHBoxLayout* actionRow() const { return m_actions; }
    QPushButton* makeButton(const QString& name, const QString& text, int pixels);

private:
    void layOutControls();
    void connectNavigation();
    QPushButton* ownButton() const;
    void fillProcessButtons();
    void loadList();
    void processClicked(int i);
    void btnDayReport_Click();
    void btnExit_Click();

    HistoryScreen m_kind;
    clsSpread* m_ss;
    QHBoxLayout* m_actions;
    QString m_extraFilter;
};
