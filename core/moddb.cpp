#include "core/moddb.h"

#include "core/data/odbcconnection.h"
#include "core/data/odbcvalue.h"
#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/modfn.h"
#include "core/notifier.h"
#include "core/platform/apppaths.h"
#include "core/statementtrace.h"

namespace {
constexpr int kTimeoutSeconds = 100;

ConnectionFactory& connectionFactory() {
    static ConnectionFactory factory;
    return factory;
}

// The error reporter offers the reconnect prompt through this hook when gCon is closed.
[[maybe_unused]] const bool kReconnectHooked = (setErrLogReconnectHook(&gfDB_RECONNECT), true);

void busy(bool on) {
    Notifier::current().setBusy(on);
}

// Every execute and read helper first reopens a closed connection; a failed open makes
// the next step fail and be reported.
void preface() {
    if (gConClosed())
        gfDB_OPEN();
}

QString dataFolder() {
    const QString f = LocalSettings::current().dataFolder.trimmed();
    return f.isEmpty() ? AppPaths::file(QStringLiteral("data")) : f;
}

void rollbackQuietly() {
    if (gCon)
        gCon->rollback(nullptr);
}

bool failExec(const DbError& e, const QString& location) {
    rollbackQuietly();
    busy(false);
    gfERR_LOG(e, e.description, location);
    return false;
}

// Runs one element of a batch inside the open transaction.
bool runElement(const QString& sql, const QString& location, qint64* affected, DbError* e) {
    StatementTrace trace(location, sql);
    const bool ok =
        !gConClosed() ? gCon->execute(sql, affected, e) : (*e = DbError::objectClosed(), false);
    trace.finish(ok ? *affected : 0, ok ? DbError{} : *e);
    return ok;
}

// Sets the busy pointer and begins the batch's transaction on an open gCon.
bool beginBatch(const QString& location) {
    busy(true);
    preface();
    DbError e;
    if (gConClosed())
        return failExec(DbError::objectClosed(), location);
    if (!gCon->begin(&e))
        return failExec(e, location);
    return true;
}

// Runs the elements inside the open transaction; false (rolled back and reported) when one
// fails.
bool runElements(const QStringList& sqls, const QString& location, const qint16* expected) {
    DbError e;
    for (const QString& sql : sqls) {
        qint64 affected = 0;
        if (!runElement(sql, location, &affected, &e))
            return failExec(e, location);
        // A count mismatch has no error of its own: only the location is logged.
        if (expected && affected != *expected)
            return failExec(DbError{}, location);
    }
    return true;
}

bool commitBatch(const QString& location) {
    DbError e;
    if (!gCon->commit(&e))
        return failExec(e, location);
    busy(false);
    return true;
}

// Runs the elements inside the open transaction and commits.
bool finishBatch(const QStringList& sqls, const QString& location, const qint16* expected) {
    return runElements(sqls, location, expected) && commitBatch(location);
}

bool runBatch(const QStringList& sqls, const QString& location, const qint16* expected) {
    return beginBatch(location) && finishBatch(sqls, location, expected);
}

// Reads a statement into rs; fails when gRs is still open from an earlier read.
bool readInto(const QString& sql, const QString& location, Recordset* rs, DbError* e) {
    StatementTrace trace(location, sql);
    bool ok = false;
    if (gRs.isOpen())
        *e = DbError::objectOpen();
    else if (gConClosed())
        *e = DbError::objectClosed();
    else
        ok = gCon->select(sql, rs, e);
    trace.finish(ok ? rs->rowCount() : 0, ok ? DbError{} : *e);
    return ok;
}

void failRead(const DbError& e, const QString& location) {
    if (gRs.isOpen())
        gRs.close();
    gfERR_LOG(e, e.description, location);
}

// The first value of a read inside the open transaction; false (rolled back and reported)
// when the read fails.
bool readNumber(const QString& sql, const QString& location, QString* number) {
    Recordset rs;
    DbError e;
    if (!readInto(sql, location, &rs, &e)) {
        rollbackQuietly();
        busy(false);
        failRead(e, location);
        return false;
    }
    const QVariant v = rs.rowCount() > 0 ? rs.value(0, 0) : QVariant();
    *number = v.isNull() ? QString() : v.toString();
    return true;
}
} // namespace

QString gfCONNECTION_STRING() {
    return QStringLiteral("DRIVER={") + LocalSettings::current().odbcDriver + QStringLiteral("}") +
           QStringLiteral(";Server=") + odbcAttributeValue(gsDB_SERVER) + QStringLiteral(";UID=") +
           odbcAttributeValue(gsDB_USER) + QStringLiteral(";PWD=") + odbcAttributeValue(gsDB_PWD) +
           QStringLiteral("; database =") + odbcAttributeValue(gsDB_NAME) + QStringLiteral(";");
}

void setConnectionFactory(ConnectionFactory factory) {
    connectionFactory() = std::move(factory);
}

std::unique_ptr<Connection> gfNEW_CONNECTION() {
    if (const ConnectionFactory& factory = connectionFactory())
        return factory();
    if (LocalSettings::current().useSqlite())
        return std::make_unique<SqliteConnection>(dataFolder(), gsDB_NAME, embeddedDialect());
    return std::make_unique<OdbcConnection>();
}

bool gfDB_OPEN() {
    busy(true);
    gCon = gfNEW_CONNECTION();
    gCon->setConnectionTimeout(kTimeoutSeconds);
    gCon->setCommandTimeout(kTimeoutSeconds);
    if (gCon->connectionString().isEmpty())
        gCon->setConnectionString(gfCONNECTION_STRING());
    DbError e;
    if (gCon->open(&e) && gCon->setDefaultDatabase(gsDB_NAME, &e)) {
        busy(false);
        return true;
    }
    Notifier::current().message(Notifier::Icon::Warning, appTitle(),
                                QStringLiteral("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ") +
                                    e.description);
    busy(false);
    gCon.reset();
    return false;
}

void gfDB_RECONNECT() {
    Notifier& n = Notifier::current();
    if (!n.askRetry(appTitle(),
                    QStringLiteral("데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?")))
        return;
    if (gfDB_OPEN())
        n.message(Notifier::Icon::Information, appTitle(), QStringLiteral("접속되었습니다."));
    else
        n.message(Notifier::Icon::Warning, appTitle(),
                  QStringLiteral("접속실패!!! 전산실에 문의하여 주십시요..."));
}

bool gfEXEC_SQL(const QString& sql, const QString& location) {
    return runBatch(QStringList{sql}, location, nullptr);
}

bool gfEXEC_SQLS(const QStringList& sqls, const QString& location) {
    return runBatch(sqls, location, nullptr);
}

bool gfEXEC_SQLS_COUNT(const QStringList& sqls, const QString& location, qint16 expected) {
    return runBatch(sqls, location, &expected);
}

NumberedBatch gfEXEC_SQLS_NUMBERED(const QString& numberSql, const BatchFromNumber& build,
                                   const QString& location, std::optional<qint16> expected) {
    if (!beginBatch(location))
        return NumberedBatch::Failed;
    QString number;
    if (!readNumber(numberSql, location, &number))
        return NumberedBatch::Failed;
    QStringList batch;
    if (!build(number, &batch)) {
        rollbackQuietly();
        busy(false);
        return NumberedBatch::Refused;
    }
    return finishBatch(batch, location, expected ? &*expected : nullptr) ? NumberedBatch::Written
                                                                         : NumberedBatch::Failed;
}

bool gfEXEC_SQLS_READ(const QStringList& sqls, const QString& sql, const QString& location,
                      Recordset* rows) {
    if (!beginBatch(location) || !runElements(sqls, location, nullptr))
        return false;
    DbError e;
    if (!readInto(sql, location, rows, &e)) {
        rollbackQuietly();
        busy(false);
        failRead(e, location);
        return false;
    }
    return commitBatch(location);
}

QVariantList gfGET_ROW(const QString& sql, const QString& location) {
    preface();
    Recordset rs;
    DbError e;
    if (!readInto(sql, location, &rs, &e)) {
        failRead(e, location);
        return {};
    }
    if (rs.rowCount() == 0)
        return {QStringLiteral("")};
    QVariantList row;
    row.reserve(rs.columnCount());
    for (int c = 0; c < rs.columnCount(); ++c)
        row << rs.value(0, c);
    return row;
}

QVariant gfGET_VALUE(const QString& sql, const QString& location) {
    preface();
    Recordset rs;
    DbError e;
    if (!readInto(sql, location, &rs, &e)) {
        failRead(e, location);
        return QVariant();
    }
    const QVariant v = rs.value(0, 0);
    return v.isNull() ? QVariant(QStringLiteral("")) : v;
}

bool gfOPEN_RS(const QString& sql, bool closeAfter, const QString& location) {
    preface();
    Recordset rs;
    DbError e;
    if (!readInto(sql, location, &rs, &e)) {
        failRead(e, location);
        return false;
    }
    const bool any = rs.rowCount() > 0;
    gRs.open(std::move(rs));
    if (closeAfter)
        gRs.close();
    return any;
}

bool gfOPEN_QUERY(const QString& sql, bool discard) {
    StatementTrace trace(QString(), sql);
    DbError e;
    Recordset rs;
    gRs.close();
    bool ok = false;
    if (gConClosed())
        e = DbError::objectClosed();
    else
        ok = gCon->setDefaultDatabase(gsDB_NAME, &e) && gCon->select(sql, &rs, &e);
    trace.finish(ok ? rs.rowCount() : 0, ok ? DbError{} : e);
    if (!ok) {
        gfERR_LOG(e, e.description, QString());
        return false;
    }
    gRs.open(std::move(rs));
    if (discard)
        gRs.close();
    return true;
}
