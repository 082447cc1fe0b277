#include "production/frm_s_dayreport.h"

#include "workorders/buttoncolor.h"
#include "workorders/clickablelabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
QPointer<frm_S_dayReport> g_instance;
} // namespace

frm_S_dayReport::frm_S_dayReport(QWidget* parent)
    : QWidget(parent), Timer1(new QTimer(this)), Timer2(new QTimer(this)) {
    setObjectName(QStringLiteral("frm_S_dayReport"));
    setWindowTitle(caption());
    buildFields();
    buildButtons();
    layOutControls();
    connectControls();
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
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
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

void frm_S_dayReport::lsQuery() {}
void frm_S_dayReport::lsEquipButton() {}
void frm_S_dayReport::machineClicked(int) {}
void frm_S_dayReport::fillFields() {}
void frm_S_dayReport::clearFields() {}
void frm_S_dayReport::mouldCheck() {}
void frm_S_dayReport::setTitle(const QString&) {}
void frm_S_dayReport::Timer1_Timer() {}
void frm_S_dayReport::Timer2_Timer() {}
void frm_S_dayReport::lblOk_Cnt_Click() {}
void frm_S_dayReport::lblEmployee_name_Click() {}
void frm_S_dayReport::lblJakupsu_Click() {}
void frm_S_dayReport::lblStTime_Click() {}
void frm_S_dayReport::lblEdTime_Click() {}
void frm_S_dayReport::updateProgress() {}
void frm_S_dayReport::setLamp(bool) {}
void frm_S_dayReport::btnConnect_Click() {}
void frm_S_dayReport::btnDisconnect_Click() {}
void frm_S_dayReport::btnExit_Click() {}
