// Shows the process move sheet dialog for a sample run, for the screenshots in
// docs/screenshots:
//   production_movesheet_screen <empty folder> [issue]
// With "issue" the sheet is issued at once (into the PDF of QT_PRINTER) and the program ends.
#include "core/platform/apppaths.h"
#include "production/frm_s_operation_sheet.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s <empty folder> [issue]\n", argv[0]);
        return 2;
    }
    AppPaths::setProgramFolder(args[1]);
    const OperationSheet::Values values{QStringLiteral("프레스"), QStringLiteral("브라켓 LH"),
                                        QStringLiteral("C1"),     QStringLiteral("100"),
                                        QStringLiteral("김작업"), QStringLiteral("20240305/A"),
                                        QStringLiteral("P-100"),  QDate(2024, 3, 5)};
    frm_S_operation_sheet dialog(values, nullptr);
    if (args.size() > 2 && args[2] == QLatin1String("issue"))
        return dialog.cmdmakestatement_Click() ? 0 : 1;
    dialog.show();
    return app.exec();
}
