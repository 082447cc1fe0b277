#include "boards/historyframe.h"

#include "boards/historyscreens.h"
#include "boards/historysql.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modip.h"
#include "core/platform/clock.h"
#include "production/frm_s_dayreport.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_002.h"
#include "ui/common/programend.h"
#include "ui/common/spreadview.h"
#include "workorders/buttoncolor.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char* const kTag = "Tag";

QFont pixelFont(const QFont& base, int pixels, bool bold) {
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
} // namespace

HistoryFrame::HistoryFrame(HistoryScreen kind, const QString& name, const QString& findCaption,
                           QWidget* parent)
    : QWidget(parent), lblDate(new QLabel(this)), lblTime(new QLabel(this)),
      lblWC_name(new QLabel(this)), ss(new SpreadView(this)), Timer1(new QTimer(this)),
      m_kind(kind), m_ss(new clsSpread(this)), m_actions(new QHBoxLayout) {
    setObjectName(name);
    setWindowTitle(caption());
    btnExit = makeButton(QStringLiteral("btnExit"), QStringLiteral("종료"), 20);
    btnJakupJisi = makeButton(QStringLiteral("btnJakupJisi"), QStringLiteral("작업지시목록"), 20);
    btnDayReport = makeButton(QStringLiteral("btnDayReport"), QStringLiteral("생산작업현황"), 20);
    btnBadList = makeButton(QStringLiteral("btnBadList"), QStringLiteral("불량내역"), 20);
    btnBigadongList =
        makeButton(QStringLiteral("btnBigadongList"), QStringLiteral("비가동내역"), 20);
    btnJakupList = makeButton(QStringLiteral("btnJakupList"), QStringLiteral("실적내역"), 20);
    btnFind = makeButton(QStringLiteral("btnFind"), findCaption, 22);
    btnFind->hide();
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblWC_name->setObjectName(QStringLiteral("lblWC_name"));
    lblWC_name->setFont(pixelFont(font(), 30, true));
    lblWC_name->setAlignment(Qt::AlignCenter);
    for (QLabel* l : {lblDate, lblTime})
        l->setFont(pixelFont(font(), 24, true));
    ss->setObjectName(QStringLiteral("ss"));
    ss->setSelectionBehavior(QAbstractItemView::SelectRows);
    ss->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < kProcessButtons; ++i) {
        QPushButton* b =
            makeButton(QStringLiteral("btnEquipment(%1)").arg(i), QStringLiteral("설비명"), 20);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { processClicked(i); });
        btnEquipment[std::size_t(i)] = b;
    }
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(btnFind, &QPushButton::clicked, this, [this] { btnFind_Click(); });
    connectNavigation();
    layOutControls();
}

HistoryFrame::~HistoryFrame() = default;

QPushButton* HistoryFrame::makeButton(const QString& name, const QString& text, int pixels) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(56);
    b->setFont(pixelFont(font(), pixels, true));
    return b;
}

void HistoryFrame::layOutControls() {
    auto* top = new QHBoxLayout;
    for (QPushButton* b :
         {btnExit, btnJakupJisi, btnDayReport, btnBadList, btnBigadongList, btnJakupList})
        top->addWidget(b, 1);
    top->addStretch(1);
    top->addWidget(lblDate);
    top->addSpacing(16);
    top->addWidget(lblTime);
    m_actions->addWidget(btnFind, 1);
    auto* processes = new QHBoxLayout;
    processes->setSpacing(4);
    for (QPushButton* b : btnEquipment)
        processes->addWidget(b, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(lblWC_name);
    layout->addWidget(ss, 1);
    layout->addLayout(m_actions);
    layout->addLayout(processes);
}

QPushButton* HistoryFrame::ownButton() const {
    switch (m_kind) {
    case HistoryScreen::Defects:
        return btnBadList;
    case HistoryScreen::Downtime:
        return btnBigadongList;
    case HistoryScreen::Results:
        break;
    }
    return btnJakupList;
}

void HistoryFrame::connectNavigation() {
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExit_Click(); });
    connect(btnJakupJisi, &QPushButton::clicked, this,
            [] { frm_S_jakupjisi_list::showList()->btnFind_Click(); });
    connect(btnDayReport, &QPushButton::clicked, this, [this] { btnDayReport_Click(); });
    const std::pair<QPushButton*, HistoryScreen> others[] = {
        {btnBadList, HistoryScreen::Defects},
        {btnBigadongList, HistoryScreen::Downtime},
        {btnJakupList, HistoryScreen::Results}};
    // The screen's own button has no action.
    for (const auto& [button, screen] : others)
        if (screen != m_kind)
            connect(button, &QPushButton::clicked, this,
                    [screen = screen] { HistoryScreens::open(screen); });
}

void HistoryFrame::Form_Load() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    move(0, 0);
    m_ss->Spr(ss);
    btnFind->show();
    layOutGrid(*m_ss);
    loadList();
    ButtonColor::set(ownButton(), ButtonColor::selected());
    Timer1_Timer();
    Timer1->start();
}

void HistoryFrame::Timer1_Timer() {
    const QDateTime now = Clock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

void HistoryFrame::fillProcessButtons() {
    int n = 0;
    if (gfOPEN_RS(HistorySql::processButtons(m_kind, gfGET_LOCAL_IP(), Clock::today()), false,
                  caption())) {
        for (; !gRs->eof() && n < kProcessButtons; gRs->moveNext(), ++n) {
            QPushButton* b = btnEquipment[std::size_t(n)];
            b->setText(gRs->field(QStringLiteral("PROCESS_NAME")).toString());
            b->setProperty(kTag, gRs->field(QStringLiteral("PROCESS_CODE")).toString());
            b->show();
        }
    }
    if (gRs.isOpen())
        gRs.close();
    for (int i = n; i < kProcessButtons; ++i)
        btnEquipment[std::size_t(i)]->hide();
}

void HistoryFrame::loadList() {
    fillProcessButtons();
    m_ss->SetbindRS(listSql(), objectName());
}

void HistoryFrame::btnFind_Click() {
    m_extraFilter.clear();
    loadList();
    ButtonColor::set(btnFind, ButtonColor::selected());
    for (QPushButton* b : btnEquipment)
        ButtonColor::set(b, ButtonColor::unselected());
    lblWC_name->setText(btnFind->text());
    afterReload();
}

void HistoryFrame::processClicked(int i) {
    QPushButton* chosen = btnEquipment[std::size_t(i)];
    ButtonColor::set(btnFind, ButtonColor::unselected());
    for (QPushButton* b : btnEquipment)
        ButtonColor::set(b, ButtonColor::unselected());
    ButtonColor::set(chosen, ButtonColor::selected());
    lblWC_name->setText(chosen->text());
    m_extraFilter = HistorySql::processFilter(m_kind, chosen->property(kTag).toString());
    loadList();
    afterReload();
}

// The running-job screen is shown as it is, not reloaded.
void HistoryFrame::btnDayReport_Click() {
    frm_S_dayReport* report = frm_S_dayReport::instance();
    report->show();
    report->raise();
    report->activateWindow();
}

void HistoryFrame::btnExit_Click() {
    frm_MSG_002 dialog(this);
    dialog.showModal();
    if (dialog.AA == QLatin1String("Exit"))
        endProgram(0);
}
