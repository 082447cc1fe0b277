#include "workorders/frm_s_jakupjisi_list.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modip.h"
#include "core/platform/clock.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_002.h"
#include "ui/common/programend.h"
#include "ui/common/screenlocator.h"
#include "ui/common/spreadview.h"
#include "workorders/buttoncolor.h"
#include "workorders/historyopener.h"
#include "workorders/reportopener.h"
#include "workorders/workorderactions.h"
#include "workorders/workorderlistgrid.h"
#include "workorders/workorderlistsql.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kBankColumns = 7;
constexpr int kBankButtonHeight = 46;
constexpr int kCommandButtonHeight = 64;
const char* const kTag = "Tag";
const QColor kDoneRow(255, 128, 128);
const QColor kRunningRow(0, 192, 0);

QString tagOf(const QPushButton* b) {
    return b->property(kTag).toString();
}

QFont pixelFont(const QFont& base, int pixels, bool bold) {
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The highest-index orange button among those shown; null when none.
QPushButton* lastSelected(const QList<QPushButton*>& buttons) {
    QPushButton* found = nullptr;
    for (QPushButton* b : buttons)
        if (!b->isHidden() && ButtonColor::of(b) != ButtonColor::unselected())
            found = b;
    return found;
}
} // namespace

frm_S_jakupjisi_list::frm_S_jakupjisi_list(QWidget* parent)
    : QWidget(parent), lblDate(new QLabel(this)), lblTime(new QLabel(this)),
      lblWC_name(new QLabel(this)), ss(new SpreadView(this)), Timer1(new QTimer(this)),
      m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_jakupjisi_list"));
    setWindowTitle(caption());
    buildControls();
    layOutControls();
    Form_Load();
}

frm_S_jakupjisi_list::~frm_S_jakupjisi_list() = default;

frm_S_jakupjisi_list* frm_S_jakupjisi_list::showList() {
    auto* list =
        qobject_cast<frm_S_jakupjisi_list*>(findScreen(QStringLiteral("frm_S_jakupjisi_list")));
    if (!list) {
        list = new frm_S_jakupjisi_list();
        list->setAttribute(Qt::WA_DeleteOnClose);
    }
    list->show();
    list->raise();
    list->activateWindow();
    return list;
}

QPushButton* frm_S_jakupjisi_list::commandButton(const QString& name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(kCommandButtonHeight);
    b->setFont(pixelFont(font(), 22, true));
    return b;
}

void frm_S_jakupjisi_list::buildControls() {
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblWC_name->setObjectName(QStringLiteral("lblWC_name"));
    lblWC_name->setFont(pixelFont(font(), 30, true));
    for (QLabel* l : {lblDate, lblTime})
        l->setFont(pixelFont(font(), 24, true));
    for (int i = 0; i < kProcessButtons; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btnEquipment(%1)").arg(i));
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(kBankButtonHeight);
        b->setFont(pixelFont(font(), 20, true));
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { processClicked(i); });
        btnEquipment[std::size_t(i)] = b;
    }
    for (int j = 0; j < kEquipmentButtons; ++j) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btnEquipment2(%1)").arg(j));
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(kBankButtonHeight);
        b->setFont(pixelFont(font(), 18, true));
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, j] { equipmentClicked(j); });
        btnEquipment2[std::size_t(j)] = b;
    }
    ss->setObjectName(QStringLiteral("ss"));
    ss->setSelectionBehavior(QAbstractItemView::SelectRows);
    ss->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ss, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& i) { rowClicked(i.row() + 1); });
    btnFind = commandButton(QStringLiteral("btnFind"), QStringLiteral("작업 전체조회"));
    btnJakup = commandButton(QStringLiteral("btnJakup"), QStringLiteral("작업등록"));
    btnCancel = commandButton(QStringLiteral("btnCancel"), QStringLiteral("작업취소"));
    btnStart = commandButton(QStringLiteral("btnStart"), QStringLiteral("작업시작"));
    btnJakupJisi = commandButton(QStringLiteral("btnJakupJisi"), QStringLiteral("작업지시목록"));
    btnDayReport = commandButton(QStringLiteral("btnDayReport"), QStringLiteral("생산작업현황"));
    btnBadList = commandButton(QStringLiteral("btnBadList"), QStringLiteral("불량내역"));
    btnBigadongList =
        commandButton(QStringLiteral("btnBigadongList"), QStringLiteral("비가동내역"));
    btnJakupList = commandButton(QStringLiteral("btnJakupList"), QStringLiteral("실적내역"));
    btnExit = commandButton(QStringLiteral("btnExit"), QStringLiteral("종료"));
    // The history screens and the running-job screen are reached once their openers are
    // registered: until then their buttons stay hidden rather than doing nothing.
    for (QPushButton* b : {btnBadList, btnBigadongList, btnJakupList})
        b->setVisible(HistoryOpenerHook::isSet());
    btnDayReport->setVisible(ReportOpenerHook::isSet());
    const std::pair<QPushButton*, HistoryScreen> history[] = {
        {btnBadList, HistoryScreen::Defects},
        {btnBigadongList, HistoryScreen::Downtime},
        {btnJakupList, HistoryScreen::Results}};
    for (const auto& [button, screen] : history)
        connect(button, &QPushButton::clicked, this,
                [screen = screen] { HistoryOpenerHook::open(screen); });
    connect(btnFind, &QPushButton::clicked, this, [this] { btnFind_Click(); });
    connect(btnJakupJisi, &QPushButton::clicked, this, [this] {
        show();
        raise();
        activateWindow();
    });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExit_Click(); });
    connect(btnStart, &QPushButton::clicked, this, [this] { btnStart_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
    connect(btnDayReport, &QPushButton::clicked, this, [this] { btnDayReport_Click(); });
    connect(btnJakup, &QPushButton::clicked, this,
            [this] { WorkOrderActions::registerOrder(selection(), this); });
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frm_S_jakupjisi_list::layOutControls() {
    auto* top = new QHBoxLayout;
    top->addWidget(lblWC_name, 1);
    top->addWidget(lblDate);
    top->addSpacing(16);
    top->addWidget(lblTime);
    auto* processes = new QGridLayout;
    processes->setSpacing(4);
    for (int i = 0; i < kProcessButtons; ++i)
        processes->addWidget(btnEquipment[std::size_t(i)], i / kBankColumns, i % kBankColumns);
    auto* equipment = new QGridLayout;
    equipment->setSpacing(4);
    for (int j = 0; j < kEquipmentButtons; ++j)
        equipment->addWidget(btnEquipment2[std::size_t(j)], j / kBankColumns, j % kBankColumns);
    for (int c = 0; c < kBankColumns; ++c) {
        processes->setColumnStretch(c, 1);
        equipment->setColumnStretch(c, 1);
    }
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {btnFind, btnJakup, btnCancel, btnStart, btnDayReport, btnJakupJisi,
                           btnBadList, btnBigadongList, btnJakupList})
        commands->addWidget(b, 1);
    commands->addSpacing(24);
    commands->addWidget(btnExit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addLayout(processes);
    layout->addLayout(equipment);
    layout->addWidget(ss, 1);
    layout->addLayout(commands);
}

void frm_S_jakupjisi_list::Form_Load() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    m_ss->Spr(ss);
    layOutWorkOrderGrid(*m_ss);
    fillProcessButtons();
    btnFind_Click();
    ButtonColor::set(btnJakupJisi, ButtonColor::selected());
    Timer1_Timer();
    Timer1->start();
}

void frm_S_jakupjisi_list::Timer1_Timer() {
    const QDateTime now = Clock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

QList<QPushButton*> frm_S_jakupjisi_list::processButtons() const {
    return {btnEquipment.begin(), btnEquipment.end()};
}

QList<QPushButton*> frm_S_jakupjisi_list::equipmentButtons() const {
    return {btnEquipment2.begin(), btnEquipment2.end()};
}

void frm_S_jakupjisi_list::colourAll(const QList<QPushButton*>& buttons) {
    for (QPushButton* b : buttons)
        ButtonColor::set(b, ButtonColor::unselected());
}

void frm_S_jakupjisi_list::fillProcessButtons() {
    int n = 0;
    if (gfOPEN_RS(WorkOrderListSql::processButtons(gfGET_LOCAL_IP()), false, caption())) {
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

void frm_S_jakupjisi_list::fillEquipmentButtons(const QString& sql) {
    int n = 0;
    const QString code = QStringLiteral("설비코드");
    if (gfOPEN_RS(sql, false, caption()) && !gRs->field(code).toString().isEmpty()) {
        for (; !gRs->eof() && n < kEquipmentButtons; gRs->moveNext(), ++n) {
            QPushButton* b = btnEquipment2[std::size_t(n)];
            b->setText(gRs->field(QStringLiteral("설비명")).toString());
            b->setProperty(kTag, gRs->field(code).toString());
            b->show();
            ButtonColor::set(b, ButtonColor::unselected());
        }
    }
    if (gRs.isOpen())
        gRs.close();
    for (int j = n; j < kEquipmentButtons; ++j)
        btnEquipment2[std::size_t(j)]->hide();
}

void frm_S_jakupjisi_list::loadList(bool filtered) {
    m_ss->SetbindRS(
        WorkOrderListSql::orders(Clock::today(), gfGET_LOCAL_IP(), filtered, m_extraFilter),
        objectName());
    colourRows();
}

void frm_S_jakupjisi_list::colourRows() {
    const QString col = QStringLiteral("완료여부");
    for (int r = 1; r <= m_ss->MaxRows(); ++r) {
        const QString state = m_ss->TextWithColID(col, r);
        if (state == QStringLiteral("완료"))
            m_ss->SetColor(1, m_ss->MaxCols(), r, r, kDoneRow);
        else if (state == QStringLiteral("진행중"))
            m_ss->SetColor(1, m_ss->MaxCols(), r, r, kRunningRow);
    }
}

void frm_S_jakupjisi_list::btnFind_Click() {
    m_extraFilter.clear();
    loadList(false);
    ButtonColor::set(btnFind, ButtonColor::selected());
    fillProcessButtons();
    colourAll(processButtons());
    colourAll(equipmentButtons());
    for (QPushButton* b : btnEquipment2)
        b->hide();
    lblWC_name->setText(btnFind->text());
}

void frm_S_jakupjisi_list::processClicked(int i) {
    QPushButton* chosen = btnEquipment[std::size_t(i)];
    colourAll(processButtons() << btnFind);
    ButtonColor::set(chosen, ButtonColor::selected());
    lblWC_name->setText(chosen->text());
    m_extraFilter = WorkOrderListSql::processFilter(tagOf(chosen));
    lvJakup_procode = tagOf(chosen);
    lvJakup_proname = chosen->text();
    fillEquipmentButtons(WorkOrderListSql::equipmentButtons(gfGET_LOCAL_IP(), tagOf(chosen)));
    loadList(true);
}

void frm_S_jakupjisi_list::equipmentClicked(int j) {
    QPushButton* chosen = btnEquipment2[std::size_t(j)];
    colourAll(equipmentButtons() << btnFind);
    ButtonColor::set(chosen, ButtonColor::selected());
    const QPushButton* process = lastSelected(processButtons());
    const QString processCode = process ? tagOf(process) : QString();
    const QString processName = process ? process->text() : QString();
    m_extraFilter = WorkOrderListSql::equipmentFilter(tagOf(chosen), processCode);
    lblWC_name->setText(processName + QStringLiteral(" (") + chosen->text() + QLatin1Char(')'));
    lvJakup_equipcode = tagOf(chosen);
    lvJakup_equipname = chosen->text();
    loadList(true);
}

void frm_S_jakupjisi_list::rowClicked(int row) {
    if (row < 1 || row > m_ss->MaxRows())
        return;
    const QString processCode = m_ss->TextWithColID(QStringLiteral("공정코드"), row);
    const QString equipmentCode = m_ss->TextWithColID(QStringLiteral("설비코드"), row);
    const QString jisiDate = m_ss->TextWithColID(QStringLiteral("지시일자"), row);
    for (QPushButton* b : btnEquipment)
        ButtonColor::set(b, !b->isHidden() && tagOf(b) == processCode ? ButtonColor::selected()
                                                                      : ButtonColor::unselected());
    const QPushButton* process = lastSelected(processButtons());
    fillEquipmentButtons(
        WorkOrderListSql::rowEquipment(gfGET_LOCAL_IP(), processCode, equipmentCode, jisiDate));
    for (QPushButton* b : btnEquipment2)
        ButtonColor::set(b, !b->isHidden() && tagOf(b) == equipmentCode
                                ? ButtonColor::selected()
                                : ButtonColor::unselected());
    const QPushButton* equipment = lastSelected(equipmentButtons());
    lblWC_name->setText((process ? process->text() : QString()) + QStringLiteral(" (") +
                        (equipment ? equipment->text() : QString()) + QLatin1Char(')'));
    ButtonColor::set(btnFind, ButtonColor::unselected());
    // The values registration reads name what the banks now show.
    if (process) {
        lvJakup_procode = tagOf(process);
        lvJakup_proname = process->text();
    }
    if (equipment) {
        lvJakup_equipcode = tagOf(equipment);
        lvJakup_equipname = equipment->text();
    }
}

// A started job opens on the running-job screen; the list itself is not reloaded.
void frm_S_jakupjisi_list::btnStart_Click() {
    const ListSelection s = selection();
    QString opSeqSub;
    if (WorkOrderActions::startJob(s, objectName(), &opSeqSub))
        ReportOpenerHook::open({s.processCode, s.equipmentCode, s.seq, s.moldNo, opSeqSub});
}

void frm_S_jakupjisi_list::btnCancel_Click() {
    if (WorkOrderActions::cancelOrder(selection(), objectName()))
        btnFind_Click();
}

void frm_S_jakupjisi_list::btnDayReport_Click() {
    const ListSelection s = selection();
    QString opSeqSub;
    if (WorkOrderActions::reopenJob(s, objectName(), &opSeqSub))
        ReportOpenerHook::open({s.processCode, s.equipmentCode, s.seq, s.moldNo, opSeqSub});
}

void frm_S_jakupjisi_list::btnExit_Click() {
    frm_MSG_002 dialog(this);
    dialog.showModal();
    if (dialog.AA == QLatin1String("Exit"))
        endProgram(0);
}

ListSelection frm_S_jakupjisi_list::selection() const {
    ListSelection s;
    s.processSelected = lastSelected(processButtons()) != nullptr;
    s.equipmentSelected = lastSelected(equipmentButtons()) != nullptr;
    s.rowCount = m_ss->MaxRows();
    s.jakupProcode = lvJakup_procode;
    s.jakupProname = lvJakup_proname;
    s.jakupEquipcode = lvJakup_equipcode;
    s.jakupEquipname = lvJakup_equipname;
    const int r = m_ss->ActiveRow();
    if (r < 1 || r > s.rowCount)
        return s;
    const auto text = [this, r](const char* id) {
        return m_ss->TextWithColID(QString::fromUtf8(id), r);
    };
    s.prodNo = text("작업지시번호");
    s.seq = text("지시순번");
    s.processCode = text("공정코드");
    s.equipmentCode = text("설비코드");
    s.productCode = text("제품코드");
    s.orderQty = m_ss->ValueWithColID(QStringLiteral("작업지시수량"), r).toString();
    s.jisiDate = text("지시일자");
    s.employeeSu = m_ss->ValueWithColID(QStringLiteral("작업인원"), r).toString();
    s.employeeNo = text("작업자코드");
    s.state = text("완료여부");
    s.moldNo = text("금형번호");
    return s;
}
