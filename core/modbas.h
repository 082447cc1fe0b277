#pragma once

#include "core/data/connection.h"
#include "core/data/sharedrecordset.h"

#include <QString>
#include <QStringList>

#include <memory>

// The program's global state, alive from start-up to exit.
extern std::unique_ptr<Connection> gCon; // the one connection; null when released
extern SharedRecordset gRs;              // the one shared result
extern QString gsSQL;                    // statement being built, a line feed before each line
extern QStringList gsSQLs;               // statement batch run in one transaction

extern QString gsDB_NAME;
extern QString gsDB_USER;
extern QString gsDB_PWD;
extern QString gsDB_SERVER; // host and port joined by a comma
extern QString gsCOM_GB;
extern QString gsWORK_CD;
extern QString gsFTP_SERVER;
extern qint32 gnFTP_PORT;
extern QString gsFTP_USER;
extern QString gsFTP_PASS;
extern QString gsUSER_ID; // employee number of the logged-in worker, upper-case

// True when there is no connection or it is closed.
bool gConClosed();
