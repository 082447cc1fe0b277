#include "boards/boardcycle.h"
#include "boards/imgshowboard.h"
#include "core/platform/singleinstance.h"
#include "core/startup/frmsplash.h"
#include "ui/common/widgetnotifier.h"

#include <QApplication>
#include <QScreen>

// The board role: the start-up screen runs the start-up work and opens the first board.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Report_TALVEN"));
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
    splash->show();
    const int rc = FrmSplash::run(splash);
    Notifier::install(nullptr);
    return rc;
}
