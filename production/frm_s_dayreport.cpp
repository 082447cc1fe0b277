#include "production/frm_s_dayreport.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modip.h"
#include "core/platform/clock.h"
#include "production/dayreportending.h"
#include "production/dayreportrules.h"
#include "production/dayreportsql.h"
#include "production/dayreportstops.h"
#include "ui/common/frm_msg_002.h"
#include "ui/common/programend.h"
#include "workorders/buttoncolor.h"
#include "workorders/clickablelabel.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
QPointer<frm_S_dayReport> g_instance;
const char* const kTag = "Tag";

QString tagOf(const QPushButton* b) {
    return b->property(kTag).toString();
}

QString today() {
    return Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
}

QString fieldText(const char* name) {
    return gRs->field(QString::fromUtf8(name)).toString();
}

void closeRs() {
    if (gRs.isOpen())
        gRs.close();
}
} // namespace

frm_S_dayReport::frm_S_dayReport(QWidget* parent)
    : QWidget(parent), Timer1(new QTimer(this)), Timer2(new QTimer(this)) {
    setObjectName(QStringLiteral("frm_S_dayReport"));
    setWindowTitle(caption());
    buildFields();
    buildButtons();
    buildLotGrid();
    layOutControls();
    connectControls();
    new DayReportStops(this);
    new DayReportEnding(this);
    Form_Load();
}

frm_S_dayReport::~frm_S_dayReport() = default;

frm_S_dayReport* frm_S_dayReport::existing() {
    return g_instance.data();
}

frm_S_dayReport* frm_S_dayReport::instance() {
    if (!g_instance)
        g_instance = new frm_S_dayReport();
    return g_instance.data();
}

void frm_S_dayReport::Form_Load() {
    // At the top-left corner, over the whole display like the work order list.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    lsSpreadInit();
    lsEquipButton();
    ButtonColor::set(btnDayReport, ButtonColor::selected());
    setLamp(false);
    Timer2->setInterval(5000);
    Timer2->start();
    Timer1->setInterval(1000);
    Timer1->start();
    Timer1_Timer();
}

bool frm_S_dayReport::autoInput() const {
    return Timer2->isActive();
}

void frm_S_dayReport::setAutoInput(bool on) {
    if (on)
        Timer2->start();
    else
        Timer2->stop();
}

int frm_S_dayReport::machineCount() const {
    int n = 0;
    while (n < kMachineButtons && !btnEquipment[std::size_t(n)]->isHidden())
        ++n;
    return n;
}

void frm_S_dayReport::lsEquipButton() {
    int n = 0;
    if (gfOPEN_RS(DayReportSql::equipButtons(gfGET_LOCAL_IP(), today()), false, caption())) {
        for (; !gRs->eof() && n < kMachineButtons; gRs->moveNext(), ++n) {
            QPushButton* b = btnEquipment[std::size_t(n)];
            b->setText(fieldText("equipment_name"));
            b->setProperty(kTag, fieldText("equipment_code"));
            b->show();
        }
    }
    closeRs();
    for (int i = n; i < kMachineButtons; ++i)
        btnEquipment[std::size_t(i)]->hide();
}

QString frm_S_dayReport::markShownMachine() {
    QString machineName;
    const int count = machineCount();
    for (int i = 0; i < count; ++i) {
        QPushButton* b = btnEquipment[std::size_t(i)];
        const bool shown = tagOf(b) == lvEquipment_code;
        ButtonColor::set(b, shown ? ButtonColor::selected() : ButtonColor::unselected());
        if (shown)
            machineName = b->text();
    }
    for (int i = 0; i < count; ++i) {
        const QPushButton* b = btnEquipment[std::size_t(i)];
        if (ButtonColor::of(b) != ButtonColor::unselected())
            lvEquipment_code = tagOf(b);
    }
    return machineName;
}

void frm_S_dayReport::lsQuery() {
    lsEquipButton();
    closeRs();
    const QString machineName = markShownMachine();
    const bool found = gfOPEN_RS(
        DayReportSql::job(lvEquipment_code, lblOp_seq_sub->text(), today()), false, caption());
    // A failed read (reported already) leaves the fields as they were.
    if (!gRs.isOpen())
        return;
    if (found) {
        fillFields();
        closeRs();
        Timer2_Timer();
        setAutoInput(true);
    } else {
        clearFields();
        closeRs();
        setAutoInput(false);
    }
    if (!lblMold_No->text().isEmpty())
        mouldCheck();
    lsBottomQuery();
    lsTuip_Sum();
    setTitle(machineName);
}

void frm_S_dayReport::fillFields() {
    lblJakupdate->setText(fieldText("지시일자"));
    lbl_juya->setText(fieldText("주야구분"));
    lblEmployee_name->setText(fieldText("작업자"));
    lblJakupsu->setText(fieldText("작업인원"));
    lbl_jakupjisi_num->setText(fieldText("작업지시번호"));
    lblseq->setText(fieldText("작업지시번호"));
    lblOp_seq_sub->setText(fieldText("생산실적번호"));
    lblWC_code->setText(fieldText("공정코드"));
    lblWC_name->setText(fieldText("공정명"));
    lblEquipment_code->setText(fieldText("설비코드"));
    lblProduct_code->setText(fieldText("제품코드"));
    lblPumbun->setText(fieldText("품번"));
    lblProduct_name->setText(fieldText("품명"));
    lblCar_name->setText(fieldText("차종명"));
    lblStandard->setText(fieldText("규격"));
    lblJisi_Cnt->setText(fieldText("지시수량"));
    setOkCnt(fieldText("양품수량"));
    lblOk_Cnt2->setText(fieldText("양품수량"));
    lblBad_Cnt->setText(fieldText("불량수량"));
    lblBad_Cnt2->setText(fieldText("불량수량"));
    lblStDate->setText(fieldText("시작일자"));
    lblStTime->setText(fieldText("시작시간"));
    lblEdTime->setText(fieldText("종료시간"));
    const auto bad = DayReportRules::number(lblBad_Cnt->text());
    const auto ok = DayReportRules::number(lblOk_Cnt->text());
    if (bad && ok)
        lblJakup_Cnt->setText(QString::number(*bad + *ok));
    lblProduct_Gubun->setText(fieldText("제품구분"));
    lblProduct_type_code->setText(fieldText("제품유형코드"));
    lblemployee_no->setText(fieldText("작업자사번"));
}

void frm_S_dayReport::clearFields() {
    for (QLabel* l :
         {static_cast<QLabel*>(lblJakupdate), lbl_juya, static_cast<QLabel*>(lblEmployee_name),
          static_cast<QLabel*>(lblJakupsu), lbl_jakupjisi_num, lblOp_seq_sub, lblWC_code,
          lblProduct_code, lblPumbun, lblProduct_name, lblCar_name, lblStandard})
        l->clear();
    for (QLabel* l : {lblJisi_Cnt, lblJakup_Cnt, static_cast<QLabel*>(lblBad_Cnt), lblBad_Cnt2,
                      lblOk_Cnt2, lbl_okcnt2, lbl_badcnt2})
        l->setText(QStringLiteral("0"));
    setOkCnt(QStringLiteral("0"));
    for (QLabel* l :
         {lblProgress, lblStDate, static_cast<QLabel*>(lblStTime), lblMin, lblCar_code, lblLotno,
          lblProduct_Gubun, static_cast<QLabel*>(lblEdTime), lblProduct_type_code, lblseq})
        l->clear();
}

void frm_S_dayReport::mouldCheck() {
    QString repair;
    if (gfOPEN_RS(DayReportSql::mouldInterval(lblMold_No->text(), lblProduct_code->text()), false,
                  caption())) {
        lblMold_chk->setText(fieldText("점검타수"));
        repair = fieldText("수리날짜");
    } else {
        lblMold_chk->setText(QStringLiteral("0"));
    }
    closeRs();
    const QString since = repair.isEmpty() ? QString() : DayReportRules::repairDay(repair);
    if (gfOPEN_RS(DayReportSql::mouldShots(lblMold_No->text(), lblProduct_code->text(), since),
                  false, caption()))
        lblMold_cnt->setText(fieldText("누적타수"));
    else
        lblMold_cnt->setText(QStringLiteral("0"));
    closeRs();
    const bool due = DayReportRules::mouldDue(lblMold_chk->text(), lblMold_cnt->text());
    QPalette p = lblMold_cnt->palette();
    p.setColor(QPalette::Window, due ? QColor(255, 0, 0) : QColor(255, 255, 255));
    lblMold_cnt->setPalette(p);
}

void frm_S_dayReport::setTitle(const QString& machineName) {
    const QString process =
        gfGET_VALUE(DayReportSql::processName(lvEquipment_code), caption()).toString();
    lblWC_name->setText(process + QStringLiteral(" ") + QStringLiteral("(") + machineName +
                        QStringLiteral(")"));
}

void frm_S_dayReport::machineClicked(int n) {
    for (QPushButton* b : btnEquipment)
        ButtonColor::set(b, ButtonColor::unselected());
    QPushButton* chosen = btnEquipment[std::size_t(n)];
    ButtonColor::set(chosen, ButtonColor::selected());
    lvEquipment_code = tagOf(chosen);
    lsQuery();
}

void frm_S_dayReport::Timer1_Timer() {
    const QDateTime now = Clock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
    if (!lblStDate->text().isEmpty()) {
        updateElapsed(now);
        applyCounterRule();
    }
    okCntMaybeChanged();
}

void frm_S_dayReport::updateElapsed(const QDateTime& now) {
    const QDateTime start = DayReportRules::moment(lblStDate->text(), lblStTime->text());
    if (!start.isValid())
        return;
    QDateTime end = now;
    if (!lblEdTime->text().isEmpty()) {
        // For the night shift the end lies on another date than the start: the value shown
        // stays as it was last computed.
        if (lbl_juya->text() != QStringLiteral("주간"))
            return;
        end = DayReportRules::moment(lblStDate->text(), lblEdTime->text());
        if (!end.isValid())
            return;
    }
    lblMin->setText(QString::number(DayReportRules::minutesBetween(start, end)) +
                    QStringLiteral("분"));
}

void frm_S_dayReport::applyCounterRule() {
    const auto bad = DayReportRules::number(lblBad_Cnt->text());
    if (!bad)
        return;
    if (autoInput()) {
        if (const auto made = DayReportRules::number(lblJakup_Cnt->text()))
            setOkCnt(QString::number(*made - *bad));
    } else if (const auto ok = DayReportRules::number(lblOk_Cnt->text())) {
        lblJakup_Cnt->setText(QString::number(*ok + *bad));
    }
}

void frm_S_dayReport::Timer2_Timer() {
    if (lbl_jakupjisi_num->text().isEmpty())
        return;
    closeRs();
    const bool row =
        gfOPEN_RS(DayReportSql::lineTotals(lbl_jakupjisi_num->text()), false, caption());
    // A failed read leaves the result closed (reported already); the totals stay.
    if (!gRs.isOpen())
        return;
    const qint64 good = row ? DayReportRules::number(fieldText("qty")).value_or(0) : 0;
    const qint64 bad = row ? DayReportRules::number(fieldText("bad_qty")).value_or(0) : 0;
    closeRs();
    lbl_okcnt2->setText(QString::number(good));
    lbl_badcnt2->setText(QString::number(bad));
}

void frm_S_dayReport::setOkCnt(const QString& text) {
    lblOk_Cnt->setText(text);
    okCntMaybeChanged();
}

void frm_S_dayReport::okCntMaybeChanged() {
    if (lblOk_Cnt->text() == m_okSeen)
        return;
    m_okSeen = lblOk_Cnt->text();
    lblProgress->setText(DayReportRules::progress(lblJisi_Cnt->text(), lblOk_Cnt->text()));
}

void frm_S_dayReport::setLamp(bool connected) {
    QPalette p = shpLamp->palette();
    p.setColor(QPalette::Window, connected ? QColor(0, 0, 255) : QColor(255, 0, 0));
    shpLamp->setPalette(p);
}

QColor frm_S_dayReport::lampColour() const {
    return shpLamp->palette().color(QPalette::Window);
}

void frm_S_dayReport::btnConnect_Click() {
    setAutoInput(true);
    setLamp(true);
    btnConnect->setEnabled(false);
    btnDisconnect->setEnabled(true);
}

void frm_S_dayReport::btnDisconnect_Click() {
    setAutoInput(false);
    setLamp(false);
    btnConnect->setEnabled(true);
    btnDisconnect->setEnabled(false);
}

void frm_S_dayReport::btnJakupJisi_Click() {
    frm_S_jakupjisi_list* list = frm_S_jakupjisi_list::showList();
    list->btnFind_Click();
}

void frm_S_dayReport::btnExit_Click() {
    frm_MSG_002 dialog(this);
    dialog.showModal();
    if (dialog.AA == QLatin1String("Exit"))
        endProgram(0);
}
