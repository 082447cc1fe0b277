// Shows the inspection sheet (with readings, one outside its limits) or the mould condition
// sheet for a running job of the demo plant, for the screenshots in docs/screenshots:
//   quality_screens frm_S_jajutest|frm_S_test <empty folder>
// The database is created in the folder from db/schema.sql and the demo plant of today.
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/platform/clock.h"
#include "quality/frm_s_jajutest.h"
#include "quality/frm_s_test.h"
#include "quality/jajutestopening.h"
#include "tests/support/sampleprogram.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

#include <QApplication>

#include <cstdio>

namespace {
// The running line of the product and the product's names: seq, pumbun, name, standard.
QVariantList runningLine(const QString& product) {
    return gfGET_ROW(QStringLiteral("SELECT TOP 1 B_JAK.seq, B_PM.pumbun, B_PM.product_name, "
                                    "B_PM.standard, B_JAK.order_qty FROM B_JAKUPJISI_MASTER "
                                    "B_JAK JOIN B_PRODUCT_MASTER B_PM ON B_PM.product_code = "
                                    "B_JAK.product_code WHERE B_JAK.end_yn = '2' AND "
                                    "B_JAK.product_code = '") +
                         gfSQL_STR(product) + QLatin1Char('\''),
                     QStringLiteral("demo"));
}

void read(clsSpread* g, int row, const QStringList& x) {
    for (int i = 0; i < x.size(); ++i)
        g->TextWithColID(QStringLiteral("x%1").arg(i + 1), row, x[i]);
}

int showInspection() {
    const QVariantList line = runningLine(QStringLiteral("FG03"));
    if (line.size() < 5) {
        std::fprintf(stderr, "the demo plant has no running bracket job\n");
        return 1;
    }
    InspectionJob job;
    job.seq = line[0].toString();
    job.productCode = QStringLiteral("FG03");
    job.pumbun = line[1].toString();
    job.productName = line[2].toString();
    job.standard = line[3].toString();
    job.orderQty = line[4].toString();
    job.employeeName = QStringLiteral("이하은");
    job.employeeNo = QStringLiteral("2002");
    job.juya = QStringLiteral("주간");
    frm_S_jajutest* sheet = JajuTestOpening::fill(frm_S_jajutest::instance(), job);
    if (!sheet)
        return 1;
    clsSpread* g = sheet->grid();
    read(g, 1, {QStringLiteral("45.02"), QStringLiteral("44.98"), QStringLiteral("45.3")});
    read(g, 2, {QStringLiteral("0.05"), QStringLiteral("0.06")});
    read(g, 3, {QStringLiteral("OK"), QStringLiteral("양호")});
    sheet->move(0, 0);
    sheet->show();
    return 0;
}

int showMould() {
    const QVariantList line = runningLine(QStringLiteral("SF01"));
    if (line.size() < 5) {
        std::fprintf(stderr, "the demo plant has no running injection job\n");
        return 1;
    }
    auto* sheet = new frm_S_test(nullptr);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->Form_Load({line[0].toString(), QStringLiteral("SF01"), line[2].toString(),
                      line[1].toString(), Clock::today().toString(QStringLiteral("yyyy-MM-dd")),
                      QString(), line[3].toString()});
    sheet->show();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 ||
        (args[1] != QStringLiteral("frm_S_jajutest") && args[1] != QStringLiteral("frm_S_test"))) {
        std::fprintf(stderr, "usage: %s frm_S_jajutest|frm_S_test <empty folder>\n", argv[0]);
        return 2;
    }
    if (!SampleProgram::createDemoDatabase(args[2]) || !gfDB_OPEN())
        return 1;
    gsUSER_ID = QStringLiteral("2002");
    // The standards' pictures from the source tree.
    gfEXEC_SQL(QStringLiteral("UPDATE Q_CHOJUNGJONGTEST_STD SET path = '") +
                   gfSQL_STR(QStringLiteral(MES_DEMO_PICTURES "/")) +
                   QStringLiteral("' + path WHERE path <> ''"),
               QStringLiteral("demo"));
    const int rc = args[1] == QStringLiteral("frm_S_test") ? showMould() : showInspection();
    return rc != 0 ? rc : app.exec();
}
