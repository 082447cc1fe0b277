#include "production/machinestop.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "production/downtimestatements.h"
#include "ui/common/frm_msg_001.h"

#include <QPushButton>

namespace MachineStop {

namespace {
// The machine's state for the boards; "저장 실패" when it could not be written.
bool markMachine(const QString& equipmentCode, bool stopped, QWidget* screen,
                 const QString& location) {
    gsSQLs = {DowntimeStatements::realTimeUpdate(equipmentCode, stopped)};
    if (gfEXEC_SQLS(gsSQLs, location))
        return true;
    showWorkerMessage(QStringLiteral("저장 실패"), screen);
    return false;
}
} // namespace

bool stop(const Job& job, Buttons buttons, QWidget* screen, const QString& location) {
    if (job.runNo.isEmpty())
        return false;
    DowntimeStatements::Stop s;
    s.runNo = job.runNo;
    s.equipmentCode = job.equipmentCode;
    s.orderDate = job.orderDate;
    s.userId = gsUSER_ID;
    s.now = Clock::now();
    // A failed insert was reported by the helper; the buttons keep their state.
    if (gfEXEC_SQL(DowntimeStatements::stopInsert(s), location)) {
        buttons.stop->setEnabled(false);
        buttons.restart->setEnabled(true);
        if (!markMachine(job.equipmentCode, true, screen, location))
            return false;
    }
    return true;
}

void restart(const Job& job, Buttons buttons, QWidget* screen, const QString& location) {
    const QString sql =
        DowntimeStatements::restartUpdate(job.equipmentCode, job.runNo, Clock::now());
    if (!gfEXEC_SQL(sql, location))
        return;
    buttons.stop->setEnabled(true);
    buttons.restart->setEnabled(false);
    markMachine(job.equipmentCode, false, screen, location);
}

} // namespace MachineStop
