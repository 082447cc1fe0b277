#include "tests/support/testenv.h"

#include "core/data/sqliteconnection.h"
#include "core/data/sqlitedialect.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"
#include "core/platform/hostresolver.h"
#include "db/dbscripts.h"

#include <QDir>
#include <QFile>

namespace {
void resetGlobals() {
    gRs.close();
    gCon.reset();
    gsSQL.clear();
    gsSQLs.clear();
    for (QString* s : {&gsDB_NAME, &gsDB_USER, &gsDB_PWD, &gsDB_SERVER, &gsCOM_GB, &gsWORK_CD,
                       &gsFTP_SERVER, &gsFTP_USER, &gsFTP_PASS, &gsUSER_ID})
        s->clear();
    gnFTP_PORT = 0;
    setConnectionFactory(nullptr);
}

std::unique_ptr<SqliteConnection> nativeConnection(const QString& file) {
    auto c = std::make_unique<SqliteConnection>(QString(), QString(),
                                                std::make_shared<PassThroughDialect>());
    c->setFile(file);
    c->setCreateIfMissing(true);
    return c;
}
} // namespace

void TestEnv::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    resetGlobals();
    AppPaths::setProgramFolder(m_dir.path());
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
    LocalSettings::current() = LocalSettings::defaults();
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = m_dir.filePath(QStringLiteral("data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    Notifier::install(&notifier);
}

void TestEnv::TearDown() {
    resetGlobals();
    Notifier::install(nullptr);
    HostResolver::install(nullptr);
    Clock::reset();
    AppPaths::setProgramFolder(QString());
    LocalSettings::current() = LocalSettings::defaults();
}

QString TestEnv::dbFile() const {
    return SqliteConnection::fileFor(LocalSettings::current().dataFolder, gsDB_NAME);
}

void TestEnv::createDatabase(const QString& name, const QString& sqliteText) {
    gsDB_NAME = name;
    execNative(dbFile(), sqliteText);
}

void TestEnv::createPlantDatabase(const QString& name, const QString& tsqlData) {
    gsDB_NAME = name;
    SqliteConnection c(QString(), QString(), embeddedDialect());
    c.setFile(dbFile());
    c.setCreateIfMissing(true);
    DbError e;
    ASSERT_TRUE(c.open(&e)) << e.description.toStdString();
    ASSERT_TRUE(c.execute(DbScripts::schema(), nullptr, &e)) << e.description.toStdString();
    if (!tsqlData.isEmpty()) {
        ASSERT_TRUE(c.execute(tsqlData, nullptr, &e)) << e.description.toStdString();
    }
}

void TestEnv::execNative(const QString& file, const QString& sql) {
    const auto c = nativeConnection(file);
    DbError e;
    ASSERT_TRUE(c->open(&e)) << e.description.toStdString();
    ASSERT_TRUE(c->execute(sql, nullptr, &e)) << e.description.toStdString();
}

QString TestEnv::scalar(const QString& file, const QString& sql) {
    const auto c = nativeConnection(file);
    DbError e;
    Recordset rs;
    if (!c->open(&e) || !c->select(sql, &rs, &e))
        return QStringLiteral("<error: %1>").arg(e.description);
    const QVariant v = rs.value(0, 0);
    return v.isNull() ? QStringLiteral("NULL") : v.toString();
}

QString TestEnv::checkRows(const QString& sql) {
    if (gConClosed() && !gfDB_OPEN())
        return QStringLiteral("<no connection>");
    QStringList out;
    gfOPEN_RS(sql, false, QStringLiteral("check"));
    for (int r = 0; gRs.isOpen() && r < gRs->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < gRs->columnCount(); ++c)
            cells << gRs->value(r, c).toString();
        out << cells.join(QLatin1Char('|'));
    }
    if (gRs.isOpen())
        gRs.close();
    return out.join(QLatin1Char(';'));
}

QString TestEnv::readFile(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(f.readAll());
}
