#include "core/platform/singleinstance.h"
#include "core/startup/frmsplash.h"
#include "ui/common/widgetnotifier.h"

#include <QApplication>

// The board role: the start-up screen runs the start-up work and opens the first board.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Report_TALVEN"));
    WidgetNotifier notifier;
    Notifier::install(&notifier);
    SingleInstance instance;
    auto* splash = new FrmSplash(&instance, [] {});
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    QObject::connect(splash, &FrmSplash::programEnded, &app, [](int code) { QApplication::exit(code); });
    splash->show();
    if (!splash->Form_Load()) {
        Notifier::install(nullptr);
        return 0;
    }
    const int rc = QApplication::exec();
    Notifier::install(nullptr);
    return rc;
}
