#include "boards/imgshowboard.h"

#include "core/platform/clock.h"
#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/messagebox.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kRight = 1;
constexpr int kVCenter = 2;
const QColor kSeries0(200, 200, 0);
const QColor kSeries1(0, 200, 0);
} // namespace

ImgShowBoard::ImgShowBoard(BoardTexts texts, QWidget* parent)
    : QWidget(parent), lblTitle(new QLabel(this)), lblDate(new QLabel(this)),
      lblTime(new QLabel(this)), cc1(new ChartView(this)), ss(new SpreadView(this)),
      ss2(new SpreadView(this)), ProgressBar1(new QProgressBar(this)), Timer1(new QTimer(this)),
      Timer2(new QTimer(this)), m_texts(std::move(texts)), m_ss(new clsSpread(this)),
      m_ss2(new clsSpread(this)) {
    setWindowTitle(caption());
    setAttribute(Qt::WA_DeleteOnClose);
    resize(m_texts.sizePx);
    move(x(), 0);
    setStyleSheet(QStringLiteral("ImgShowBoard { background: #10233a; } QLabel { color: white; }"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setText(m_texts.title);
    lblTitle->setStyleSheet(QStringLiteral("font-size: 44px; font-weight: bold;"));
    for (QLabel* l : {lblDate, lblTime})
        l->setStyleSheet(QStringLiteral("font-size: 26px;"));
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime->setObjectName(QStringLiteral("lblTime"));
    cc1->setObjectName(QStringLiteral("cc1"));
    ss->setObjectName(QStringLiteral("ss"));
    ss2->setObjectName(QStringLiteral("ss2"));
    ss2->hide(); // it only carries the five totals to the summary grid
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(18);

    auto* clock = new QVBoxLayout;
    clock->addWidget(lblDate, 0, Qt::AlignRight);
    clock->addWidget(lblTime, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(lblTitle, 0, Qt::AlignCenter);
    top->addStretch(1);
    top->addLayout(clock);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cc1, 92);
    layout->addWidget(ss, 36);
    layout->addWidget(ProgressBar1);

    m_ss->Spr(ss);
    m_ss2->Spr(ss2);
    layOutGrids();
    // On a wall board the five totals share the whole width.
    ss->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    cc1->clearData(7);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &ImgShowBoard::Timer1_Timer);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &ImgShowBoard::Timer2_Timer);
    m_formStart = QStringLiteral("GO");
    Timer1->start();
    Timer2->start();
    Timer2_Timer();
}

ImgShowBoard::~ImgShowBoard() = default;

void ImgShowBoard::layOutGrids() {
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

void ImgShowBoard::Timer2_Timer() {
    const QDateTime now = Clock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

void ImgShowBoard::Timer1_Timer() {
    if (m_formStart != QLatin1String("GO"))
        return;
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() < 100)
        return;
    ProgressBar1->setValue(0);
    m_cycle += 100;
    if (m_cycle == 200)
        endCycle();
    else
        lsQuery();
}

void ImgShowBoard::endCycle() {
    m_formStart.clear();
    m_cycle = 0;
    Timer1->stop();
    emit cycleEnded();
}

void ImgShowBoard::queryFailed() {
    MessageBox::critical(QStringLiteral("연결오류"),
                         QStringLiteral("현황판 조회 중 오류가 발생하였습니다.\n"
                                        "프로그램을 다시 켜주시기 바랍니다."));
}

void ImgShowBoard::lsQuery() {
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

void ImgShowBoard::fillChart() {
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
