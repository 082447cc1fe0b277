// Shows work order creation on a demo plant database, for the screenshot in docs/screenshots:
//   workorders_screens frm_S_Jakup <empty folder>
// The database is created in the folder from db/schema.sql and the demo plant of today.
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/sampleprogram.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/frm_s_jakup.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || args[1] != QLatin1String("frm_S_Jakup")) {
        std::fprintf(stderr, "usage: %s frm_S_Jakup <empty folder>\n", argv[0]);
        return 2;
    }
    if (!SampleProgram::createDemoDatabase(args[2]) || !gfDB_OPEN())
        return 1;
    gsUSER_ID = QStringLiteral("E01");
    frm_S_Jakup screen(nullptr);
    screen.txtprocess_code->setText(QStringLiteral("0001"));
    screen.txtprocess_name->setText(QStringLiteral("사출"));
    screen.txtequipment_code->setText(QStringLiteral("R011"));
    screen.txtequipment_name->setText(QStringLiteral("사출기 650T"));
    screen.move(0, 0);
    screen.show();
    screen.lsQuery();
    screen.grid()->SetFocus(2, 1);
    return app.exec();
}
