#pragma once

#include "production/endingstatements.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class frm_S_dayReport;

// The report screen's ways of leaving a running job: "중간작업종료" (middle end), "작업종료"
// (end), "종     료" (forced end), "작업취소" (cancel) and "작업전환" (job switch). Created as
// a child of the screen, it answers the buttons.
class DayReportEnding : public QObject {
    Q_OBJECT
public:
    // One row of the material grid as its cells show it: "제품코드", "투입수량", "LOT NO".
    struct MaterialCells {
        QString code;
        QString quantity;
        QString lot;
    };
    using MaterialRows = std::function<QList<MaterialCells>()>;

    explicit DayReportEnding(frm_S_dayReport* report);

    // Where the material rows come from and how they are emptied: the report screen's
    // material grid unless replaced.
    void setMaterialGrid(MaterialRows rows, std::function<void()> clear);

    void btnMiddleEnd_Click();
    void btnEnd_Click();
    void btnForceEnd_Click();
    void btnJobCancel_Click();
    void btnJobSwitch_Click();

    // The input quantity of a material row: the whole part rounded down, made positive; an
    // empty cell counts 0; none when the cell is not a number.
    static std::optional<qint64> inputQuantity(const QString& cell);

private:
    struct Values {
        EndingStatements::Stock stock;
        EndingStatements::Result result;
        QList<EndingStatements::Material> materials;
    };

    void save(bool middle);
    // The screen's values for the batch; none (after telling the worker) when a quantity
    // does not read as a number.
    std::optional<Values> readValues(const QString& endState);
    // After a saved end: the process move sheet of the run, when its lot is known.
    void offerMoveSheet();
    void clearJob();
    void showListAndClose();
    void tell(const QString& text);

    frm_S_dayReport* m_report;
    MaterialRows m_rows;
    std::function<void()> m_clearGrid;
};
