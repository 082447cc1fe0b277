#include "boards/totalsboard.h"

#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QHeaderView>

namespace {
constexpr int kRight = 1;
constexpr int kVCenter = 2;
const QColor kSeries0(200, 200, 0);
const QColor kSeries1(0, 200, 0);
} // namespace

TotalsBoard::TotalsBoard(BoardTexts texts, QWidget* parent)
    : ImgShowBoard(caption(), texts.title, texts.sizePx, parent), cc1(new ChartView(this)),
      ss(new SpreadView(this)), ss2(new SpreadView(this)), m_texts(std::move(texts)),
      m_ss(new clsSpread(this)), m_ss2(new clsSpread(this)) {
    cc1->setObjectName(QStringLiteral("cc1"));
    ss->setObjectName(QStringLiteral("ss"));
    ss2->setObjectName(QStringLiteral("ss2"));
    ss2->hide(); // it only carries the five totals to the summary grid
    addContent(cc1, 92);
    addContent(ss, 36);

    m_ss->Spr(ss);
    m_ss2->Spr(ss2);
    layOutGrids();
    // On a wall board the five totals share the whole width.
    ss->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    cc1->clearData(7);
}

TotalsBoard::~TotalsBoard() = default;

void TotalsBoard::layOutGrids() {
    m_ss->SetInit(0, 5, 60, 0, 15, false, true, false, QStringLiteral("2"), true);
    for (int c = 1; c <= 5; ++c)
        m_ss->SetColType(c, m_texts.headerTexts.at(c - 1), m_texts.colIds.at(c - 1), 17, QString(),
                         SpreadCellType::Number, 60, 0, true, kRight, kVCenter, false, true, false,
                         false, QColor(), QStringLiteral("-999"));
    m_ss->SPCellSpan(QStringLiteral("1"), 2, m_texts.groupTexts.at(0), QStringLiteral("-1000"),
                     QStringLiteral("1"));
    m_ss->SPCellSpan(QStringLiteral("3"), 2, m_texts.groupTexts.at(1), QStringLiteral("-1000"),
                     QStringLiteral("1"));
    m_ss->SPCellSpan(QStringLiteral("5"), 1, m_texts.groupTexts.at(2), QStringLiteral("-1000"),
                     QStringLiteral("1"));
    m_ss2->SetInit(0, 1, 20, 0, 10, false, true, false, QStringLiteral("1"), true);
    m_ss2->SetColType(1, QStringLiteral("수량"), QStringLiteral("수량"), 10, QString(),
                      SpreadCellType::Number, 60, 0, true, kRight, kVCenter, false, true, false,
                      false, QColor(), QStringLiteral("-1000"));
}

void TotalsBoard::lsQuery() {
    cc1->clearData(7);
    m_ss2->SetbindRS(statement(), caption());
    if (m_ss2->MaxRows() == 0)
        return;
    if (m_ss2->MaxRows() != 5)
        return queryFailed();
    m_ss->SetMaxRows(0);
    m_ss->SetMaxRows(1);
    for (int i = 1; i <= 5; ++i) {
        bool ok = false;
        const double v = m_ss2->GetValue(1, i).toDouble(&ok);
        if (!ok)
            return queryFailed();
        m_ss->ValueWithColID(m_texts.colIds.at(i - 1), 1, v);
    }
    fillChart();
}

void TotalsBoard::fillChart() {
    const auto total = [this](int col) { return m_ss->GetValue(col, 1).toDouble(); };
    cc1->clearData(0);
    cc1->openData(2, 3);
    cc1->setValue(0, 0, total(1));
    cc1->setValue(0, 1, total(3));
    cc1->setValue(0, 2, total(5));
    cc1->setValue(1, 0, total(2));
    cc1->setValue(1, 1, total(4));
    cc1->setValue(1, 2, 0);
    for (int p = 0; p < 3; ++p)
        cc1->setPointLabel(p, m_texts.pointLabels.at(p));
    cc1->setSeriesColor(0, kSeries0);
    cc1->setSeriesColor(1, kSeries1);
    cc1->setSeriesName(0, m_texts.series0);
    cc1->setSeriesName(1, m_texts.series1);
    cc1->setLegendVisible(true);
    cc1->setValueAxis(0, m_texts.axisMax, m_texts.axisStep, 0, QStringLiteral("단위 : (EA)"));
    cc1->setLabelAxis(0, QString());
    cc1->setTopTitle(m_texts.chartTitle);
    cc1->closeData();
}
