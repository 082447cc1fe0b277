#include "boards/frm_s_report_suju_chulha.h"

#include "boards/monthlyreportsql.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "ui/common/chartview.h"
#include "ui/common/clsspread.h"
#include "ui/common/modfnwidgets.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kVCentre = 2;
constexpr int kNumberDigits = 12;
constexpr int kTextLength = 60;
// Rows of the statement.
constexpr int kPlanRow = 1;
constexpr int kProducedRow = 2;
constexpr int kGoodRow = 3;
constexpr int kDefectRow = 4;
constexpr int kOperatingRow = 5;
constexpr int kDefectRateRow = 6;
constexpr int kEfficiencyRow = 7;
constexpr int kCrewRow = 8;

const QString kTotal = QStringLiteral("합계");

QString dayId(int d) {
    return QStringLiteral("day_") + QString::number(d);
}

// Part of a total, 0 when the whole is 0.
double percent(double part, double whole) {
    return whole == 0 ? 0 : part / whole * 100;
}
} // namespace

frm_S_Report_Suju_Chulha::frm_S_Report_Suju_Chulha(QWidget* parent)
    : QWidget(parent), dtpReg_date(new QDateEdit(this)), cboProcess(new QComboBox(this)),
      ss(new SpreadView(this)), cc1(new ChartView(this)), lblCount(new QLabel(this)),
      m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_Report_Suju_Chulha"));
    setWindowTitle(caption());
    dtpReg_date->setObjectName(QStringLiteral("dtpReg_date"));
    dtpReg_date->setCalendarPopup(true);
    dtpReg_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    cboProcess->setObjectName(QStringLiteral("cboProcess"));
    ss->setObjectName(QStringLiteral("ss"));
    cc1->setObjectName(QStringLiteral("cc1"));
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblCount->setText(QStringLiteral("? 개의 검색 결과가 있습니다."));
    btnFind = makeButton("btnFind", QStringLiteral("조 회(F)"));
    btnClear = makeButton("btnClear", QStringLiteral("새로고침(R)"));
    btnCopy = makeButton("btnCopy", QStringLiteral("행복사(O)"));
    btnRowAdd = makeButton("btnRowAdd", QStringLiteral("행추가(I)"));
    btnCancel = makeButton("btnCancel", QStringLiteral("행취소(Z)"));
    btnDelete = makeButton("btnDelete", QStringLiteral("삭 제(D)"));
    btnSave = makeButton("btnSave", QStringLiteral("저 장(S)"));
    btnExcel = makeButton("btnExcel", QStringLiteral("엑셀보기(E)"));
    btnPrint = makeButton("btnPrint", QStringLiteral("프린트(P)"));
    btnExit = makeButton("btnExit", QStringLiteral("나가기(Q)"));
    connect(btnFind, &QPushButton::clicked, this, [this] { btnFind_Click(); });
    connect(btnClear, &QPushButton::clicked, this, [this] { btnClear_Click(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExit_Click(); });
    connect(dtpReg_date, &QDateEdit::dateChanged, this, [this] {
        if (!m_loading)
            dtpReg_date_Change();
    });
    layOutControls();
    Form_Load();
}

frm_S_Report_Suju_Chulha::~frm_S_Report_Suju_Chulha() = default;

frm_S_Report_Suju_Chulha* frm_S_Report_Suju_Chulha::showReport() {
    auto* screen = new frm_S_Report_Suju_Chulha();
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->show();
    return screen;
}

QPushButton* frm_S_Report_Suju_Chulha::makeButton(const char* name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void frm_S_Report_Suju_Chulha::layOutControls() {
    // Two rows of five, so that the buttons fit the screen's width.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    int i = 0;
    for (QPushButton* b : {btnFind, btnClear, btnCopy, btnRowAdd, btnCancel, btnDelete, btnSave,
                           btnExcel, btnPrint, btnExit}) {
        buttons->addWidget(b, i / 5, i % 5);
        ++i;
    }
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("기준월"), this));
    filter->addWidget(dtpReg_date);
    filter->addSpacing(12);
    filter->addWidget(new QLabel(QStringLiteral("공정"), this));
    filter->addWidget(cboProcess);
    filter->addStretch(1);
    filter->addWidget(lblCount);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addLayout(filter);
    layout->addWidget(ss, 1);
    layout->addWidget(cc1, 1);
}

void frm_S_Report_Suju_Chulha::Form_Load() {
    gfMENU_AUTHORITY(objectName(), caption(), this);
    resize(642, 645); // 9,630 x 9,675 twips
    m_ss->Spr(ss);
    m_loading = true;
    dtpReg_date->setDate(Clock::today());
    m_loading = false;
    for (QPushButton* b : {btnCopy, btnRowAdd, btnCancel, btnDelete, btnSave, btnExcel, btnPrint})
        b->setEnabled(false);
    cc1->clearData(7);
    layOutGrid(MonthlyReportSql::monthOf(dtpReg_date->date()).days);
    cboProcess->clear();
    cboProcess->addItems({QStringLiteral("사출"), QStringLiteral("조립")});
    cboProcess->setCurrentIndex(0);
}

void frm_S_Report_Suju_Chulha::dtpReg_date_Change() {
    cc1->clearData(7);
    layOutGrid(MonthlyReportSql::monthOf(dtpReg_date->date()).days);
}

void frm_S_Report_Suju_Chulha::layOutGrid(int days) {
    const int cols = days + 3;
    m_ss->SetInit(0, cols, 12, 0, 10, false, true, true, QStringLiteral("1"), true);
    const auto text = [this](int c, const QString& h, int width, bool hidden) {
        m_ss->SetColType(c, h, h, width, QString(), SpreadCellType::Text, kTextLength, 0, false,
                         kLeft, kVCentre, hidden, true, false, false);
    };
    const auto number = [this](int c, const QString& h, const QString& id) {
        m_ss->SetColType(c, h, id, 8, QString(), SpreadCellType::Number, kNumberDigits, 0, true,
                         kRight, kVCentre, false, true, false, false);
    };
    text(1, QStringLiteral("순번"), 10, true);
    text(2, QStringLiteral("구분"), 12, false);
    for (int d = 1; d <= days; ++d)
        number(2 + d, QString::number(d) + QStringLiteral("일 "), dayId(d));
    number(cols, kTotal, kTotal);
}

void frm_S_Report_Suju_Chulha::btnFind_Click() {
    cc1->clearData(7);
    const QDate day = dtpReg_date->date();
    const MonthlyReportSql::Month m = MonthlyReportSql::monthOf(day);
    const QString code = MonthlyReportSql::processCode(cboProcess->currentText());
    m_ss->SetMaxRows(0);
    m_ss->SetbindRS(MonthlyReportSql::statement(day, code), caption());
    if (m_ss->MaxRows() < 7) {
        m_ss->SetMaxRows(0);
        return;
    }
    putTotals(m.days);
    putMonthRate(code);
    m_ss->ValueWithColID(kTotal, kDefectRateRow,
                         percent(m_ss->ValueWithColID(kTotal, kDefectRow).toDouble(),
                                 m_ss->ValueWithColID(kTotal, kProducedRow).toDouble()));
    m_ss->ValueWithColID(kTotal, kEfficiencyRow,
                         percent(m_ss->ValueWithColID(kTotal, kGoodRow).toDouble(),
                                 m_ss->ValueWithColID(kTotal, kProducedRow).toDouble()));
    drawChart(m.days);
}

void frm_S_Report_Suju_Chulha::putTotals(int days) {
    const QString a = clsSpread::ColumnLetter(m_ss->ColumnNumber(dayId(1)));
    const QString b = clsSpread::ColumnLetter(m_ss->ColumnNumber(dayId(days)));
    const int total = m_ss->ColumnNumber(kTotal);
    for (int r : {kPlanRow, kProducedRow, kGoodRow, kDefectRow, kCrewRow})
        if (r <= m_ss->MaxRows())
            m_ss->SetFormula(total, r,
                             QStringLiteral("SUM(") + a + QString::number(r) +
                                 QStringLiteral(" :") + b + QString::number(r) + QLatin1Char(')'));
}

// The month's operating rate. The statement gives NULL both for a month without runs and
// for one whose runs had no downtime; the run minutes tell them apart (0 or 100 percent).
void frm_S_Report_Suju_Chulha::putMonthRate(const QString& code) {
    const QDate day = dtpReg_date->date();
    QVariant rate = gfGET_VALUE(MonthlyReportSql::operatingRate(day, code), caption());
    if (rate.isValid() && rate.toString().isEmpty()) {
        const QVariant minutes = gfGET_VALUE(MonthlyReportSql::runMinutes(day, code), caption());
        if (minutes.isValid())
            rate = minutes.toDouble() > 0 ? 100.0 : 0.0;
    }
    m_ss->ValueWithColID(kTotal, kOperatingRow, rate);
}

void frm_S_Report_Suju_Chulha::drawChart(int days) {
    cc1->clearData(0);
    const int points = days + 1;
    cc1->openData(3, points);
    const int rows[] = {kOperatingRow, kDefectRateRow, kEfficiencyRow};
    for (int c = 3; c <= m_ss->MaxCols(); ++c)
        for (int s = 0; s < 3; ++s)
            cc1->setValue(s, c - 3, m_ss->GetValue(c, rows[s]).toDouble());
    for (int d = 1; d <= days; ++d)
        cc1->setPointLabel(d - 1, QString::number(d) + QStringLiteral("일"));
    cc1->setPointLabel(days, QStringLiteral("평균"));
    const QString names[] = {QStringLiteral("가동율"), QStringLiteral("불량율"),
                             QStringLiteral("작업효율")};
    const QColor colours[] = {QColor(0, 200, 0), QColor(200, 0, 0), QColor(0, 0, 200)};
    for (int s = 0; s < 3; ++s) {
        cc1->setSeriesName(s, names[s]);
        cc1->setSeriesColor(s, colours[s]);
    }
    cc1->setValueAxis(0, 0, 0, 0, QStringLiteral("단위 : (%)"));
    cc1->setLabelAxis(0, QString());
    cc1->setTopTitle(QStringLiteral("사출현황"));
    cc1->setLegendVisible(true);
    cc1->closeData();
}

void frm_S_Report_Suju_Chulha::btnClear_Click() {
    Form_Load();
}

void frm_S_Report_Suju_Chulha::btnExit_Click() {
    close();
}

void frm_S_Report_Suju_Chulha::keyPressEvent(QKeyEvent* event) {
    const std::pair<int, QPushButton*> keys[] = {{Qt::Key_F, btnFind},   {Qt::Key_R, btnClear},
                                                 {Qt::Key_O, btnCopy},   {Qt::Key_I, btnRowAdd},
                                                 {Qt::Key_Z, btnCancel}, {Qt::Key_D, btnDelete},
                                                 {Qt::Key_S, btnSave},   {Qt::Key_E, btnExcel},
                                                 {Qt::Key_P, btnPrint},  {Qt::Key_Q, btnExit}};
    if (event->modifiers() & Qt::ControlModifier)
        for (const auto& [key, button] : keys)
            if (event->key() == key) {
                if (button->isEnabled())
                    button->click();
                event->accept();
                return;
            }
    QWidget::keyPressEvent(event);
}
