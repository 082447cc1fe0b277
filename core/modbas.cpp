#include "core/modbas.h"

std::unique_ptr<Connection> gCon;
SharedRecordset gRs;
QString gsSQL;
QStringList gsSQLs;

QString gsDB_NAME;
QString gsDB_USER;
QString gsDB_PWD;
QString gsDB_SERVER;
QString gsCOM_GB;
QString gsWORK_CD;
QString gsFTP_SERVER;
qint32 gnFTP_PORT = 0;
QString gsFTP_USER;
QString gsFTP_PASS;
QString gsUSER_ID;

bool gConClosed() {
    return !gCon || !gCon->isOpen();
}
