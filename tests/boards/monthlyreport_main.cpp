// Shows the monthly production statistics of this month's injection work on the demo plant,
// for the screenshot in docs/screenshots:
//   monthly_report <empty folder>
// The database is created in the folder from db/schema.sql and the demo plant of today.
#include "boards/frm_s_report_suju_chulha.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/sampleprogram.h"
#include "ui/common/modfnwidgets.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <empty folder>\n", argv[0]);
        return 2;
    }
    if (!SampleProgram::createDemoDatabase(args[1]) || !gfDB_OPEN())
        return 1;
    gsUSER_ID = masterCode();
    frm_S_Report_Suju_Chulha* report = frm_S_Report_Suju_Chulha::showReport();
    report->move(0, 0);
    report->btnFind->click();
    return app.exec();
}
