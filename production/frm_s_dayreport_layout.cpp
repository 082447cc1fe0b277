// The report screen's controls and their layout.
#include "production/frm_s_dayreport.h"
#include "production/inspectionopener.h"

#include "workorders/clickablelabel.h"
#include "workorders/historyopener.h"

#include "ui/common/spreadview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QFont pixelFont(const QFont& base, int pixels, bool bold) {
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

template <typename Label> Label* makeField(QWidget* parent, const char* name) {
    auto* l = new Label(QString(), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A shown field: a framed white box.
template <typename Label> Label* shownField(QWidget* parent, const char* name) {
    Label* l = makeField<Label>(parent, name);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumHeight(44);
    l->setFont(pixelFont(l->font(), 22, true));
    return l;
}

QLabel* hiddenField(QWidget* parent, const char* name) {
    QLabel* l = makeField<QLabel>(parent, name);
    l->hide();
    return l;
}

QLabel* captionLabel(QWidget* parent, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QColor(200, 220, 240));
    l->setPalette(p);
    l->setFrameShape(QFrame::Box);
    l->setFont(pixelFont(l->font(), 18, true));
    return l;
}
} // namespace

void frm_S_dayReport::buildFields() {
    lblJakupdate = shownField<QLabel>(this, "lblJakupdate");
    lbl_juya = shownField<QLabel>(this, "lbl_juya");
    lblEmployee_name = shownField<ClickableLabel>(this, "lblEmployee_name");
    lblJakupsu = shownField<ClickableLabel>(this, "lblJakupsu");
    lbl_jakupjisi_num = shownField<QLabel>(this, "lbl_jakupjisi_num");
    lblPumbun = shownField<QLabel>(this, "lblPumbun");
    lblCar_name = shownField<QLabel>(this, "lblCar_name");
    lblProduct_name = shownField<QLabel>(this, "lblProduct_name");
    lblStandard = shownField<QLabel>(this, "lblStandard");
    lblStDate = shownField<QLabel>(this, "lblStDate");
    lblStTime = shownField<ClickableLabel>(this, "lblStTime");
    lblEdTime = shownField<ClickableLabel>(this, "lblEdTime");
    lblMin = shownField<QLabel>(this, "lblMin");
    lblJisi_Cnt = shownField<QLabel>(this, "lblJisi_Cnt");
    lblJakup_Cnt = shownField<QLabel>(this, "lblJakup_Cnt");
    lblOk_Cnt = shownField<ClickableLabel>(this, "lblOk_Cnt");
    lblBad_Cnt = shownField<ClickableLabel>(this, "lblBad_Cnt");
    lblMold_chk = shownField<QLabel>(this, "lblMold_chk");
    lblMold_cnt = shownField<QLabel>(this, "lblMold_cnt");
    lblWC_name = makeField<QLabel>(this, "lblWC_name");
    lblWC_name->setFont(pixelFont(font(), 30, true));
    lblWC_name->setAlignment(Qt::AlignCenter);
    lblDate = makeField<QLabel>(this, "lblDate");
    lblTime = makeField<QLabel>(this, "lblTime");
    for (QLabel* l : {lblDate, lblTime})
        l->setFont(pixelFont(font(), 24, true));
    for (QLabel* l :
         std::initializer_list<QLabel*>{lblJisi_Cnt, lblJakup_Cnt, lblOk_Cnt, lblBad_Cnt})
        l->setFont(pixelFont(font(), 34, true));

    lblseq = hiddenField(this, "lblseq");
    lblOp_seq_sub = hiddenField(this, "lblOp_seq_sub");
    lblWC_code = hiddenField(this, "lblWC_code");
    lblProcess_code = hiddenField(this, "lblProcess_code");
    lblEquipment_code = hiddenField(this, "lblEquipment_code");
    lblProduct_code = hiddenField(this, "lblProduct_code");
    lblProduct_Gubun = hiddenField(this, "lblProduct_Gubun");
    lblProduct_type_code = hiddenField(this, "lblProduct_type_code");
    lblemployee_no = hiddenField(this, "lblemployee_no");
    lblOk_Cnt2 = hiddenField(this, "lblOk_Cnt2");
    lblBad_Cnt2 = hiddenField(this, "lblBad_Cnt2");
    lbl_okcnt2 = hiddenField(this, "lbl_okcnt2");
    lbl_badcnt2 = hiddenField(this, "lbl_badcnt2");
    lblProgress = hiddenField(this, "lblProgress");
    lblMold_No = hiddenField(this, "lblMold_No");
    lblLotno = hiddenField(this, "lblLotno");
    lblCar_code = hiddenField(this, "lblCar_code");
}

void frm_S_dayReport::buildButtons() {
    const auto button = [this](const char* name, const char* text, int pixels) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(56);
        b->setFont(pixelFont(font(), pixels, true));
        return b;
    };
    btnExit = button("btnExit", "종료", 20);
    btnJakupJisi = button("btnJakupJisi", "작업지시목록", 20);
    btnDayReport = button("btnDayReport", "생산작업현황", 20);
    btnBadList = button("btnBadList", "불량내역", 20);
    btnBigadongList = button("btnBigadongList", "비가동내역", 20);
    btnJakupList = button("btnJakupList", "실적내역", 20);
    btnLotAdd = button("btnLotAdd", "LOT 추가", 18);
    btnLotCancel = button("btnLotCancel", "추가 취소", 18);
    btnConnect = button("btnConnect", "연결하기", 18);
    btnDisconnect = button("btnDisconnect", "연결끊기", 18);
    btnJobSwitch = button("btnJobSwitch", "작업전환", 18);
    btnMiddleEnd = button("btnMiddleEnd", "중간작업종료", 20);
    btnEnd = button("btnEnd", "작업종료", 20);
    btnJajuTest = button("btnJajuTest", "초중종검사 등록", 20);
    btnMoldTest = button("btnMoldTest", "성형검사 등록", 20);
    btnBigadong = button("btnBigadong", "비가동 등록", 20);
    btnStop = button("btnStop", "설비정지", 20);
    btnRun = button("btnRun", "설비가동", 20);
    btnJobCancel = button("btnJobCancel", "작업취소", 20);
    btnForceEnd = button("btnForceEnd", "종     료", 20);
    shpLamp = new QLabel(this);
    shpLamp->setObjectName(QStringLiteral("shpLamp"));
    shpLamp->setFixedSize(40, 40);
    shpLamp->setAutoFillBackground(true);
    shpLamp->setFrameShape(QFrame::Box);
    for (int i = 0; i < kMachineButtons; ++i) {
        QPushButton* b = button("", "", 18);
        b->setObjectName(QStringLiteral("btnEquipment(%1)").arg(i));
        b->hide();
        btnEquipment[std::size_t(i)] = b;
    }
    // Screens this terminal does not have stay hidden rather than doing nothing: the quality
    // sheets and the history screens are there when the program registered their openers.
    btnJajuTest->setVisible(InspectionOpenerHook::isSet(InspectionOpenerHook::Sheet::Inspection));
    btnMoldTest->setVisible(InspectionOpenerHook::isSet(InspectionOpenerHook::Sheet::Mould));
    for (QPushButton* b : {btnBadList, btnBigadongList, btnJakupList})
        b->setVisible(HistoryOpenerHook::isSet());
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2->setObjectName(QStringLiteral("Timer2"));
}

void frm_S_dayReport::layOutControls() {
    auto* top = new QHBoxLayout;
    for (QPushButton* b :
         {btnExit, btnJakupJisi, btnDayReport, btnBadList, btnBigadongList, btnJakupList})
        top->addWidget(b, 1);
    top->addStretch(1);
    top->addWidget(lblDate);
    top->addSpacing(16);
    top->addWidget(lblTime);

    auto* job = new QGridLayout;
    job->setSpacing(4);
    const auto place = [this, job](const char* text, QLabel* field, int row, int col,
                                   int span = 1) {
        job->addWidget(captionLabel(this, text), row, col);
        job->addWidget(field, row, col + 1, 1, span);
    };
    place("지시 일자", lblJakupdate, 0, 0);
    place("주간 / 야간", lbl_juya, 0, 2);
    place("작업자", lblEmployee_name, 0, 4);
    place("작업 인원", lblJakupsu, 0, 6);
    place("작업번호", lbl_jakupjisi_num, 1, 0);
    place("품번", lblPumbun, 1, 2);
    place("차종", lblCar_name, 1, 4);
    place("규격", lblStandard, 1, 6);
    place("품명", lblProduct_name, 2, 0, 7);
    place("시작일자", lblStDate, 3, 0);
    place("시작시간", lblStTime, 3, 2);
    place("종료시간", lblEdTime, 3, 4);
    place("경과시간", lblMin, 3, 6);
    place("지시 수량", lblJisi_Cnt, 4, 0);
    place("생산 수량", lblJakup_Cnt, 4, 2);
    place("양품 수량", lblOk_Cnt, 4, 4);
    place("불량 수량", lblBad_Cnt, 4, 6);
    place("점검기준", lblMold_chk, 5, 0);
    place("점검타수", lblMold_cnt, 5, 2);
    for (int c = 0; c < 8; ++c)
        job->setColumnStretch(c, c % 2 ? 2 : 1);

    auto* autoBar = new QHBoxLayout;
    autoBar->addWidget(btnLotAdd);
    autoBar->addWidget(btnLotCancel);
    autoBar->addStretch(1);
    autoBar->addWidget(btnConnect);
    autoBar->addWidget(shpLamp);
    autoBar->addWidget(btnDisconnect);
    autoBar->addWidget(btnJobSwitch);

    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {btnMiddleEnd, btnEnd, btnJajuTest, btnMoldTest, btnBigadong, btnStop,
                           btnRun, btnJobCancel, btnForceEnd})
        actions->addWidget(b, 1);

    auto* machines = new QGridLayout;
    machines->setSpacing(4);
    for (int i = 0; i < kMachineButtons; ++i)
        machines->addWidget(btnEquipment[std::size_t(i)], i / 7, i % 7);
    for (int c = 0; c < 7; ++c)
        machines->setColumnStretch(c, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(lblWC_name);
    layout->addLayout(job);
    layout->addWidget(captionLabel(this, "투입 LOT 선택"));
    layout->addWidget(sprLot, 1);
    layout->addLayout(autoBar);
    layout->addLayout(actions);
    layout->addLayout(machines);
    resize(1024, 768);
}

void frm_S_dayReport::connectControls() {
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    for (int i = 0; i < kMachineButtons; ++i)
        connect(btnEquipment[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { machineClicked(i); });
    connect(lblOk_Cnt, &ClickableLabel::clicked, this, [this] { lblOk_Cnt_Click(); });
    connect(lblBad_Cnt, &ClickableLabel::clicked, this, [this] { emit badCntClicked(); });
    connect(lblEmployee_name, &ClickableLabel::clicked, this, [this] { lblEmployee_name_Click(); });
    connect(lblJakupsu, &ClickableLabel::clicked, this, [this] { lblJakupsu_Click(); });
    connect(lblStTime, &ClickableLabel::clicked, this, [this] { lblStTime_Click(); });
    connect(lblEdTime, &ClickableLabel::clicked, this, [this] { lblEdTime_Click(); });
    connect(btnConnect, &QPushButton::clicked, this, [this] { btnConnect_Click(); });
    connect(btnDisconnect, &QPushButton::clicked, this, [this] { btnDisconnect_Click(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExit_Click(); });
    connect(btnJakupJisi, &QPushButton::clicked, this, [this] { btnJakupJisi_Click(); });
    const std::pair<QPushButton*, HistoryScreen> history[] = {
        {btnBadList, HistoryScreen::Defects},
        {btnBigadongList, HistoryScreen::Downtime},
        {btnJakupList, HistoryScreen::Results}};
    for (const auto& [button, screen] : history)
        connect(button, &QPushButton::clicked, this,
                [screen = screen] { HistoryOpenerHook::open(screen); });
    connect(btnBigadong, &QPushButton::clicked, this, [this] { emit bigadongRequested(); });
    connect(btnJajuTest, &QPushButton::clicked, this, [this] {
        if (!lblseq->text().isEmpty())
            InspectionOpenerHook::open(InspectionOpenerHook::Sheet::Inspection, this);
    });
    connect(btnMoldTest, &QPushButton::clicked, this, [this] {
        if (!lblseq->text().isEmpty())
            InspectionOpenerHook::open(InspectionOpenerHook::Sheet::Mould, this);
    });
    connect(btnStop, &QPushButton::clicked, this, [this] { emit stopRequested(); });
    connect(btnRun, &QPushButton::clicked, this, [this] { emit runRequested(); });
}
