#include "boards/frm_s_report_sangsan.h"

#include "boards/historygrids.h"
#include "boards/historysql.h"
#include "core/modip.h"
#include "core/platform/clock.h"
#include "production/boxlabelgrid.h"
#include "production/boxlabelprinter.h"
#include "production/ticketprint.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>

frm_S_Report_Sangsan::frm_S_Report_Sangsan(QWidget* parent)
    : HistoryFrame(HistoryScreen::Results, QStringLiteral("frm_S_Report_Sangsan"),
                   QStringLiteral("실적내역 전체조회"), parent),
      dtpSt_date(new QDateEdit(this)) {
    dtpSt_date->setObjectName(QStringLiteral("dtpSt_date"));
    dtpSt_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtpSt_date->setCalendarPopup(true);
    dtpSt_date->setMinimumHeight(56);
    QFont f = dtpSt_date->font();
    f.setPixelSize(22);
    f.setBold(true);
    dtpSt_date->setFont(f);
    btn_gongjung =
        makeButton(QStringLiteral("btn_gongjung"), QStringLiteral("공정이동표 출력"), 22);
    actionRow()->insertWidget(0, dtpSt_date, 1);
    actionRow()->addWidget(btn_gongjung, 1);
    connect(btn_gongjung, &QPushButton::clicked, this, [this] { btn_gongjung_Click(); });
    dtpSt_date->setDate(Clock::today());
    connect(ss, &SpreadView::buttonClicked, this, [this](int col, int row, int down) {
        BoxLabelGrid::buttonClicked(*spread(), col, row, down, caption());
    });
    connect(ss, &SpreadView::cellDoubleClicked, this,
            [this](int col, int row) { BoxLabelGrid::correctCount(*spread(), col, row, this); });
    Form_Load();
}

void frm_S_Report_Sangsan::layOutGrid(clsSpread& ss) {
    HistoryGrids::layOutResults(ss);
    // Without a label printer only the ticket is offered.
    if (!BoxLabelPrinter::portConfigured())
        return;
    for (const char* id :
         {"소포장수량", "소출력수", "바코드소포장", "대포장수량", "대출력수", "바코드대포장"})
        ss.SetColHidden(ss.ColumnNumber(QString::fromUtf8(id)), false);
}

QString frm_S_Report_Sangsan::listSql() const {
    return HistorySql::results(dtpSt_date->date(), gfGET_LOCAL_IP(), extraFilter());
}

// The label button cells show their caption on every loaded row; the box counts follow.
void frm_S_Report_Sangsan::afterReload() {
    clsSpread* s = spread();
    for (int r = 1; r <= s->MaxRows(); ++r)
        for (const char* id : {"바코드소포장", "바코드대포장"})
            s->SetCellText(QString::fromUtf8(id), r, QStringLiteral("출력"));
    lsSum();
}

void frm_S_Report_Sangsan::lsSum() {
    BoxLabelGrid::lsSum(*spread());
}

void frm_S_Report_Sangsan::btn_gongjung_Click() {
    clsSpread* s = spread();
    const int r = s->ActiveRow();
    if (r < 1 || r > s->MaxRows())
        return;
    const auto text = [s, r](const char* id) { return s->TextWithColID(QString::fromUtf8(id), r); };
    TicketRow row;
    row.opSeqSub = text("생산실적순번");
    row.productCode = text("product_code");
    row.processName = text("공정명");
    row.pumbun = text("품번");
    row.productName = text("품명");
    row.goodQty = s->ValueWithColID(QStringLiteral("양품수량"), r).toString();
    row.workerName = text("성명");
    row.carName = text("차종명");
    row.endDate = text("종료날짜");
    TicketPrint::print(row, caption(), this);
}
