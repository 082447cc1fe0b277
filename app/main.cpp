#include "core/moddb.h"
#include "core/modini.h"
#include "ui/common/widgetnotifier.h"

#include <QApplication>

// Start-up of the program: configuration, then the database connection. The start-up
// screen and the boards take over from here once they are part of the program.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Report_TALVEN"));
    WidgetNotifier notifier;
    Notifier::install(&notifier);
    gfINI_WRITE_DEFAULTS();
    gfINI_READ();
    const int rc = gfDB_OPEN() ? 0 : 1;
    Notifier::install(nullptr);
    return rc;
}
