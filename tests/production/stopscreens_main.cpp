// Shows the downtime or the defect entry for a run of the demo plant, for the screenshots in
// docs/screenshots:
//   production_stops_screens frm_S_bigadong2|frm_S_badqty <empty folder>
// The database is created in the folder from db/schema.sql and the demo plant of today.
#include "core/modbas.h"
#include "core/moddb.h"
#include "production/frm_s_badqty.h"
#include "production/frm_s_bigadong2.h"
#include "tests/support/sampleprogram.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

namespace {
// The newest run with recorded defects and downtime: run, product, process, machine, crew,
// defective quantity.
QVariantList demoRun() {
    return gfGET_ROW(QStringLiteral("SELECT TOP 1 P_SM.op_seq_sub, P_SM.product_code, "
                                    "P_SM.process_code, P_SM.equipment_code, P_SM.employee_su, "
                                    "P_SM.bad_qty FROM P_SANGSAN_MASTER P_SM WHERE EXISTS "
                                    "(SELECT 1 FROM P_BADQTY B WHERE B.op_seq_sub = "
                                    "P_SM.op_seq_sub) AND EXISTS (SELECT 1 FROM P_BIGADONG D "
                                    "WHERE D.op_seq_sub = P_SM.op_seq_sub AND D.bigadong_code "
                                    "<> '') ORDER BY P_SM.idx DESC"),
                     QStringLiteral("demo"));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList screens = {QStringLiteral("frm_S_bigadong2"), QStringLiteral("frm_S_badqty")};
    if (args.size() != 3 || !screens.contains(args[1])) {
        std::fprintf(stderr, "usage: %s frm_S_bigadong2|frm_S_badqty <empty folder>\n", argv[0]);
        return 2;
    }
    if (!SampleProgram::createDemoDatabase(args[2]) || !gfDB_OPEN())
        return 1;
    gsUSER_ID = QStringLiteral("E01");
    const QVariantList run = demoRun();
    if (run.size() < 6) {
        std::fprintf(stderr, "the demo plant has no run\n");
        return 1;
    }
    QDialog* screen = nullptr;
    if (args[1] == screens[0]) {
        auto* d = new frm_S_bigadong2(nullptr);
        d->lblOp_seq_sub->setText(run[0].toString());
        d->lblProduct_code->setText(run[1].toString());
        d->lblprocess_code->setText(run[2].toString());
        d->lblEquipment_code->setText(run[3].toString());
        d->lblEmployee_su->setText(run[4].toString());
        d->lsQuery();
        screen = d;
    } else {
        auto* d = new frm_S_badqty(nullptr);
        d->lblOp_seq_sub->setText(run[0].toString());
        d->lblProduct_code->setText(run[1].toString());
        d->lblWC_code->setText(run[2].toString());
        d->lblEquipment_code->setText(run[3].toString());
        d->lblBad_Cnt->setText(run[5].toString());
        d->lsQuery();
        screen = d;
    }
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->move(0, 0);
    screen->show();
    return app.exec();
}
