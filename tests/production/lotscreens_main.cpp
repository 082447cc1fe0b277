// Shows the report screen's material grid with a split, or the lot selection screen over it,
// for a running job of the demo plant, for the screenshots in docs/screenshots:
//   production_lot_screens grid|frm_S_lot_select <empty folder>
// The database is created in the folder from db/schema.sql and the demo plant of today.
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "production/frm_s_dayreport.h"
#include "production/frm_s_lot_select.h"
#include "production/reportopening.h"
#include "tests/support/sampleprogram.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"
#include "workorders/reportopener.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {
// A running run whose product has materials: run, line, process, machine, its address.
QVariantList demoRun() {
    return gfGET_ROW(
        QStringLiteral("SELECT TOP 1 P_SM.op_seq_sub, B_JAK.seq, B_JAK.process_code, "
                       "P_SM.equipment_code, B_EQ.ipaddress FROM P_SANGSAN_MASTER P_SM JOIN "
                       "B_JAKUPJISI_MASTER B_JAK ON B_JAK.seq = P_SM.seq JOIN B_EQUIPMENT B_EQ "
                       "ON B_EQ.equipment_code = P_SM.equipment_code WHERE B_JAK.end_yn = '2' "
                       "AND EXISTS (SELECT 1 FROM B_BOM B JOIN B_BOM B2 ON B2.high_bom_code = "
                       "B.bom_code WHERE B.product_code = B_JAK.product_code) ORDER BY "
                       "P_SM.idx DESC"),
        QStringLiteral("demo"));
}

// A good quantity beyond what the first material's first lot covers, so that it splits.
void countPastTheFirstLot(frm_S_dayReport* r) {
    const clsSpread& ss = *r->lotSpread();
    const double usage = ss.ValueWithColID(QStringLiteral("usage"), 1).toDouble();
    const double stock = ss.ValueWithColID(QStringLiteral("LOT재고"), 1).toDouble();
    const qint64 more = usage > 0 ? qint64(std::ceil(stock / usage)) + 20 : 100;
    const qint64 good = r->lblOk_Cnt2->text().toLongLong() + more;
    r->lblOk_Cnt->setText(QString::number(good));
    r->lblJakup_Cnt->setText(QString::number(good + r->lblBad_Cnt->text().toLongLong()));
    r->setAutoInput(false);
    r->lsBottomQuery();
    r->lsTuip_Sum();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 ||
        (args[1] != QStringLiteral("grid") && args[1] != QStringLiteral("frm_S_lot_select"))) {
        std::fprintf(stderr, "usage: %s grid|frm_S_lot_select <empty folder>\n", argv[0]);
        return 2;
    }
    if (!SampleProgram::createDemoDatabase(args[2]) || !gfDB_OPEN())
        return 1;
    gsUSER_ID = QStringLiteral("E01");
    const QVariantList run = demoRun();
    if (run.size() < 5) {
        std::fprintf(stderr, "the demo plant has no running job with materials\n");
        return 1;
    }
    LocalSettings::current().localIp = run[4].toString();
    ReportOpeningAction::registerOpener();
    ReportOpenerHook::open(
        {run[2].toString(), run[3].toString(), run[1].toString(), QString(), run[0].toString()});
    frm_S_dayReport* report = frm_S_dayReport::existing();
    if (!report || report->lotSpread()->MaxRows() == 0) {
        std::fprintf(stderr, "the run has no material rows\n");
        return 1;
    }
    countPastTheFirstLot(report);
    report->move(0, 0);
    if (args[1] == QStringLiteral("frm_S_lot_select")) {
        QTimer::singleShot(300, report, [report] {
            const int col = report->lotSpread()->ColumnNumber(QStringLiteral("LOT NO"));
            report->sprLot_Click(col, 1);
        });
    }
    return app.exec();
}
