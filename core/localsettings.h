#pragma once

#include <QString>

// This program's own keys of conf.ini, in the section LOCAL_SETTING. They are never
// rewritten at start, so what plant IT sets there stays.
struct LocalSettings {
    QString backend;       // "odbc" (plant SQL Server) or "sqlite" (embedded database)
    QString dataFolder;    // folder of the embedded database files
    QString odbcDriver;    // ODBC driver name in the connection string
    QString webServer;     // plant web server: version file and fallback picture
    QString localIp;       // overrides the address found by the resolver when not empty
    QString fileShare;     // inspection file share
    QString fileShareUser; // and its account
    QString fileSharePass;
    QString labelPort;     // serial port of the label printer
    QString pictureFolder; // product pictures of the picture board where there is no c$ share
    QString traceFile;     // statement trace; off when empty
    QString updater;       // updater program, relative to the program folder
    bool setClock = false; // set the machine clock from the server at start (always on Windows)

    bool useSqlite() const {
        return backend.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0;
    }

    // The values in force (built-in defaults until the configuration is read).
    static LocalSettings& current();
    static LocalSettings defaults();
};
