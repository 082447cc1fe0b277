#include "tests/support/sampleprogram.h"

#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"
#include "db/dbscripts.h"
#include "db/demoplant.h"

#include <QDir>

#include <cstdio>

namespace SampleProgram {

bool createDemoDatabase(const QString& folder) {
    AppPaths::setProgramFolder(folder);
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = QDir(folder).filePath(QStringLiteral("data"));
    QDir(folder).mkpath(QStringLiteral("data"));
    gsDB_NAME = QStringLiteral("demo");
    SqliteConnection c(QString(), QString(), embeddedDialect());
    c.setFile(SqliteConnection::fileFor(LocalSettings::current().dataFolder, gsDB_NAME));
    c.setCreateIfMissing(true);
    DbError e;
    if (c.open(&e) && c.execute(DbScripts::schema(), nullptr, &e) &&
        c.execute(DemoPlant::sql(Clock::today()), nullptr, &e))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(e.description));
    return false;
}

bool setUpLoadTerminal(const QStringList& args, const char* unit, int* first, int* count) {
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: %s <program folder> <database> <first %s> <count>\n",
                     qPrintable(args.value(0)), unit);
        return false;
    }
    *first = args[3].toInt();
    *count = args[4].toInt();
    AppPaths::setProgramFolder(args[1]);
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = QDir(args[1]).filePath(QStringLiteral("data"));
    gsDB_NAME = args[2];
    gsUSER_ID = QStringLiteral("T") + QString::number(*first);
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
    return true;
}

} // namespace SampleProgram
