#include "core/modini.h"

#include "core/inifile.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/platform/apppaths.h"
#include "core/platform/builddefaults.h"

namespace {
const QString kDb = QStringLiteral("DB_SETTING");
const QString kFtp = QStringLiteral("FTP_SETTING");
const QString kWork = QStringLiteral("WORK_INFO");
const QString kLocal = QStringLiteral("LOCAL_SETTING");
const QString kNone = QStringLiteral("None");

QString readKey(const IniFile& ini, const QString& section, const QString& key,
                const QString& def = QString()) {
    return ini.read(section, key, def);
}

void readLocal(const IniFile& ini) {
    const LocalSettings d = LocalSettings::defaults();
    LocalSettings& s = LocalSettings::current();
    s.backend = readKey(ini, kLocal, QStringLiteral("Backend"), d.backend);
    s.dataFolder = readKey(ini, kLocal, QStringLiteral("DataFolder"), d.dataFolder);
    s.odbcDriver = readKey(ini, kLocal, QStringLiteral("OdbcDriver"), d.odbcDriver);
    s.webServer = readKey(ini, kLocal, QStringLiteral("WebServer"), d.webServer);
    s.localIp = readKey(ini, kLocal, QStringLiteral("LocalIp"), d.localIp);
    s.fileShare = readKey(ini, kLocal, QStringLiteral("FileShare"), d.fileShare);
    s.fileShareUser = readKey(ini, kLocal, QStringLiteral("FileShareUser"), d.fileShareUser);
    s.fileSharePass = readKey(ini, kLocal, QStringLiteral("FileSharePass"), d.fileSharePass);
    s.labelPort = readKey(ini, kLocal, QStringLiteral("LabelPort"), d.labelPort);
    s.pictureFolder = readKey(ini, kLocal, QStringLiteral("PictureFolder"), d.pictureFolder);
    s.traceFile = readKey(ini, kLocal, QStringLiteral("TraceFile"), d.traceFile);
    s.updater = readKey(ini, kLocal, QStringLiteral("Updater"), d.updater);
    const QString clock = readKey(ini, kLocal, QStringLiteral("SetClock"));
    s.setClock = clock.isEmpty() ? d.setClock : clock == QLatin1String("1");
}
} // namespace

QString gfINI_PATH() {
    return AppPaths::file(QStringLiteral("conf.ini"));
}

void gfINI_WRITE_DEFAULTS() {
    const IniFile ini(gfINI_PATH());
    // The result of each write is not examined: a read-only file keeps what it holds.
    ini.write(kDb, QStringLiteral("DBNAME"), QStringLiteral("MES_TALVEN"));
    ini.write(kDb, QStringLiteral("DBUSER"), QStringLiteral("sa"));
    ini.write(kDb, QStringLiteral("DBPWD"), QStringLiteral("!417$dartel"));
    ini.write(kDb, QStringLiteral("IMIP"), QStringLiteral(MES_DB_HOST ",1433"));
    ini.write(kFtp, QStringLiteral("FTPServer"), QStringLiteral(MES_FTP_HOST ",13579"));
    ini.write(kFtp, QStringLiteral("FTPPort"), QStringLiteral("21"));
    ini.write(kFtp, QStringLiteral("FTPUser"), QStringLiteral("pelt"));
    ini.write(kFtp, QStringLiteral("FTPPass"), QStringLiteral("pelt"));
}

void gfINI_READ() {
    const IniFile ini(gfINI_PATH());
    gsDB_NAME = readKey(ini, kDb, QStringLiteral("DBNAME"), kNone);
    gsDB_USER = readKey(ini, kDb, QStringLiteral("DBUSER"), kNone);
    gsDB_PWD = readKey(ini, kDb, QStringLiteral("DBPWD"));
    gsCOM_GB = readKey(ini, kDb, QStringLiteral("COMGB"));
    gsWORK_CD = readKey(ini, kWork, QStringLiteral("WorkCd"));
    gsDB_SERVER = readKey(ini, kDb, QStringLiteral("IMIP"));
    gsFTP_SERVER = readKey(ini, kFtp, QStringLiteral("FTPServer"));
    // A port that is not a 32-bit number reads as 0; no operation uses it.
    bool ok = false;
    gnFTP_PORT = readKey(ini, kFtp, QStringLiteral("FTPPort")).toInt(&ok);
    if (!ok)
        gnFTP_PORT = 0;
    gsFTP_USER = readKey(ini, kFtp, QStringLiteral("FTPUser"));
    gsFTP_PASS = readKey(ini, kFtp, QStringLiteral("FTPPass"));
    readLocal(ini);
}
