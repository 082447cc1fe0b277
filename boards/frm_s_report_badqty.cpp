#include "boards/frm_s_report_badqty.h"

#include "boards/historygrids.h"
#include "boards/historysql.h"
#include "core/modip.h"
#include "core/platform/clock.h"

frm_S_Report_badqty::frm_S_Report_badqty(QWidget* parent)
    : HistoryFrame(HistoryScreen::Defects, QStringLiteral("frm_S_Report_badqty"),
                   QStringLiteral("불량내역 전체조회"), parent) {
    Form_Load();
}

void frm_S_Report_badqty::layOutGrid(clsSpread& ss) {
    HistoryGrids::layOutDefects(ss);
}

QString frm_S_Report_badqty::listSql() const {
    return HistorySql::defects(Clock::today(), gfGET_LOCAL_IP(), extraFilter());
}
