#include "core/localsettings.h"

#include "core/platform/builddefaults.h"

LocalSettings LocalSettings::defaults() {
    LocalSettings s;
    s.backend = QStringLiteral(MES_DEFAULT_BACKEND);
    s.odbcDriver = QStringLiteral(MES_ODBC_DRIVER);
    s.webServer = QStringLiteral(MES_WEB_SERVER);
    s.labelPort = QStringLiteral(MES_LABEL_PORT);
#ifdef Q_OS_WIN
    s.updater = QStringLiteral("update.exe");
    s.setClock = true;
#else
    s.updater = QStringLiteral("update");
#endif
    return s;
}

LocalSettings& LocalSettings::current() {
    static LocalSettings s = defaults();
    return s;
}
