// A terminal without a screen for the concurrency test: on one embedded database it starts
// jobs on a range of waiting orders and creates as many work orders, one of each in turn,
// through the list's start action and the creation screen's save. It prints "ready", waits
// for a line on standard input so that several terminals begin at the same moment, then one
// line per step ("start <seq> ok <OP_SEQ_SUB>", "create ok", or "... failed" with every
// message it was shown) and every message box or message dialog as "message<TAB>text".
//
//   workorders_load_terminal <program folder> <database name> <first order> <count>
//
// The orders are W0001, W0002, ... (seq + "-1"), dated 2024-03-04 on equipment R017, which
// runs several jobs at once; new orders are for product A-100 in process P10 on R017.
#include "tests/support/loadterminal.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/frm_s_jakup.h"
#include "workorders/workorderactions.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextStream>

#include <cstdio>

namespace {
QStringList& g_shown = LoadTerminal::shown();

void report(const QString& step, bool ok, const QString& detail = QString()) {
    QString line = step + (ok ? QStringLiteral(" ok") : QStringLiteral(" failed"));
    if (!detail.isEmpty())
        line += QLatin1Char(' ') + detail;
    if (!ok)
        line += QLatin1Char(' ') + g_shown.join(QStringLiteral(" / "));
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
    g_shown.clear();
}

ListSelection waitingOrder(int n) {
    ListSelection s;
    s.processSelected = s.equipmentSelected = true;
    s.rowCount = 1;
    s.prodNo = QStringLiteral("W%1").arg(n, 4, 10, QLatin1Char('0'));
    s.seq = s.prodNo + QStringLiteral("-1");
    s.processCode = QStringLiteral("P10");
    s.equipmentCode = QStringLiteral("R017");
    s.productCode = QStringLiteral("A-100");
    s.orderQty = QStringLiteral("10");
    s.jisiDate = QStringLiteral("2024-03-04");
    s.employeeSu = QStringLiteral("1");
    s.state = QStringLiteral("미완료");
    return s;
}

void createOrder(frm_S_Jakup& screen) {
    screen.show();
    screen.lsQuery();
    screen.grid()->SetFocus(2, 1);
    screen.cmdSave_Click();
    report(QStringLiteral("create"),
           g_shown == QStringList{QStringLiteral("저장이 완료되었습니다.")});
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int first = 0;
    int count = 0;
    LoadTerminal::Recorder recorder(true);
    if (const int status = LoadTerminal::open(app.arguments(), "order", &first, &count))
        return status;
    frm_S_Jakup screen(nullptr);
    screen.txtprocess_code->setText(QStringLiteral("P10"));
    screen.txtequipment_code->setText(QStringLiteral("R017"));
    LoadTerminal::waitForGo();
    for (int i = 0; i < count; ++i) {
        const ListSelection s = waitingOrder(first + i);
        QString job;
        const bool started = WorkOrderActions::startJob(s, QStringLiteral("load"), &job);
        report(QStringLiteral("start ") + s.seq, started, job);
        createOrder(screen);
    }
    return 0;
}
