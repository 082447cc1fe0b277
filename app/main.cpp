#include "app/scriptedstart.h"
#include "boards/boardcycle.h"
#include "boards/frm_s_report_suju_chulha.h"
#include "boards/historyscreens.h"
#include "boards/imgshowboard.h"
#include "core/platform/singleinstance.h"
#include "core/startup/frmsplash.h"
#include "production/reportopening.h"
#include "quality/qualityopeners.h"
#include "ui/common/widgetnotifier.h"
#include "workorders/frmlogin.h"
#include "workorders/terminalrole.h"

#include <QApplication>
#include <QScreen>

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
    FrmSplash::BoardOpener open = [&app] {
        ImgShowBoard* board = BoardCycle::ordersAndProduction(&app)->start();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            board->setGeometry(screen->geometry());
        board->showFullScreen();
    };
    if (scripted.options().role == StartOptions::Role::Site)
        open = &TerminalRole::openSiteChoice;
    else if (scripted.options().role == StartOptions::Role::Terminal)
        open = &TerminalRole::openLogin;
    else if (scripted.options().board == StartOptions::Board::MonthlyReport)
        open = [] {
            // The report's buttons follow the rights of whoever logs in.
            FrmLogIn::setAfterLogin([] { frm_S_Report_Suju_Chulha::showReport(); });
            TerminalRole::openLogin();
        };
    auto* splash = new FrmSplash(&instance, open);
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->keepProgramClock(scripted.clockGiven());
    splash->show();
    scripted.start();
    const int rc = FrmSplash::run(splash);
    Notifier::install(nullptr);
    return scripted.exitStatus(rc);
}
