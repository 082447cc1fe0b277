#include "app/scriptedstart.h"
#include "boards/boardcycle.h"
#include "boards/imgshowboard.h"
#include "core/platform/singleinstance.h"
#include "core/startup/frmsplash.h"
#include "ui/common/widgetnotifier.h"

#include <QApplication>
#include <QScreen>

// The board role: the start-up screen runs the start-up work and opens the first board.
// --replay and --clock (the scripted terminal) work around it.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Report_TALVEN"));
    ScriptedStart scripted;
    if (!scripted.prepare(QCoreApplication::arguments()))
        return 2;
    WidgetNotifier notifier;
    Notifier::install(&notifier);
    SingleInstance instance;
    auto* splash = new FrmSplash(&instance, [&app] {
        ImgShowBoard* board = BoardCycle::ordersAndProduction(&app)->start();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            board->setGeometry(screen->geometry());
        board->showFullScreen();
    });
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->keepProgramClock(scripted.clockGiven());
    splash->show();
    scripted.start();
    const int rc = FrmSplash::run(splash);
    Notifier::install(nullptr);
    return scripted.exitStatus(rc);
}
