#include "app/firstscreen.h"
#include "app/scriptedstart.h"
#include "boards/historyscreens.h"
#include "core/platform/singleinstance.h"
#include "core/startup/frmsplash.h"
#include "production/reportopening.h"
#include "quality/qualityopeners.h"
#include "ui/common/widgetnotifier.h"

#include <QApplication>

// The start-up screen runs the start-up work, then opens the first board, or in the terminal
// role (--terminal, --site) the login or the site choice. --replay and --clock (the scripted
// terminal) work around either role.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Report_TALVEN"));
    ScriptedStart scripted;
    if (!scripted.prepare(QCoreApplication::arguments()))
        return 2;
    WidgetNotifier notifier;
    Notifier::install(&notifier);
    SingleInstance instance;
    ReportOpeningAction::registerOpener();
    QualityOpeners::registerOpeners();
    HistoryScreens::registerOpener();
    auto* splash = new FrmSplash(&instance, firstScreen(scripted.options(), &app));
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->keepProgramClock(scripted.clockGiven());
    splash->show();
    scripted.start();
    const int rc = FrmSplash::run(splash);
    Notifier::install(nullptr);
    return scripted.exitStatus(rc);
}
