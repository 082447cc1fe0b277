#include "boards/frm_s_pumzil_chart_show.h"

#include "boards/boardtotalrow.h"
#include "boards/qualityboardstatements.h"
#include "core/platform/clock.h"
#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QHBoxLayout>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kVCentre = 2;
const QString kName = QStringLiteral("불량명");
const QString kQty = QStringLiteral("불량수량");
} // namespace

frm_S_Pumzil_Chart_Show::frm_S_Pumzil_Chart_Show(QWidget* parent)
    : ImgShowBoard(caption(), QStringLiteral("월간 품질현황"), QSize(28432 / 15, 15584 / 15),
                   parent),
      ss(new SpreadView(this)), cc(new ChartView(this)), m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_Pumzil_Chart_Show"));
    ss->setObjectName(QStringLiteral("ss"));
    cc->setObjectName(QStringLiteral("cc"));
    auto* body = new QWidget(this);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(ss, 1);
    row->addWidget(cc, 1);
    addContent(body, 1);
    cc->hide();
    m_ss->Spr(ss);
    layOutGrid();
}

frm_S_Pumzil_Chart_Show::~frm_S_Pumzil_Chart_Show() = default;

void frm_S_Pumzil_Chart_Show::layOutGrid() {
    m_ss->SetInit(0, 2, 60, 0, 30, false, true, false, QStringLiteral("1"), true);
    m_ss->SetColType(1, kName, kName, 34, QString(), SpreadCellType::Text, 60, 0, false, kLeft,
                     kVCentre, false, true, false, false, QColor(), QStringLiteral("-1000"));
    m_ss->SetColType(2, kQty, kQty, 17, QString(), SpreadCellType::Number, 0, 0, true, kRight,
                     kVCentre, false, true, false, false, QColor(), QStringLiteral("-1000"));
}

void frm_S_Pumzil_Chart_Show::lsQuery() {
    m_ss->SetbindRS(QualityBoardStatements::monthDefects(Clock::today()), caption());
    const int last = m_ss->MaxRows();
    if (last <= 0) {
        cc->hide();
        return;
    }
    const int row = BoardTotalRow::append(*m_ss, kQty, kName);
    fillChart(last, m_ss->ValueWithColID(kQty, row).toDouble());
}

void frm_S_Pumzil_Chart_Show::fillChart(int lastRow, double total) {
    cc->clearData(0);
    cc->openData(1, lastRow);
    for (int r = 1; r <= lastRow; ++r) {
        const double qty = m_ss->ValueWithColID(kQty, r).toDouble();
        // Quantities that cancel out leave a total of 0: no share can be drawn then.
        if (qty == 0 || total == 0)
            continue;
        cc->setValue(0, r - 1, qty / total * 100);
        cc->setPointLabel(r - 1, m_ss->TextWithColID(kName, r));
    }
    cc->setLabelAxis(0, QStringLiteral("불량유형 분포"));
    cc->closeData();
    cc->show();
}
