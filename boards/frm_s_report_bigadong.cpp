#include "boards/frm_s_report_bigadong.h"

#include "boards/historygrids.h"
#include "boards/historysql.h"
#include "core/modip.h"
#include "core/platform/clock.h"

frm_S_Report_bigadong::frm_S_Report_bigadong(QWidget* parent)
    : HistoryFrame(HistoryScreen::Downtime, QStringLiteral("frm_S_Report_bigadong"),
                   QStringLiteral("비가동내역 전체조회"), parent) {
    Form_Load();
}

void frm_S_Report_bigadong::layOutGrid(clsSpread& ss) {
    HistoryGrids::layOutDowntime(ss);
}

QString frm_S_Report_bigadong::listSql() const {
    return HistorySql::downtime(Clock::today(), gfGET_LOCAL_IP(), extraFilter());
}
