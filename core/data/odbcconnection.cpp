#include "core/data/odbcconnection.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sql.h>
#include <sqlext.h>

#include <atomic>

namespace {
QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("mes-odbc-%1").arg(++counter);
}

// The driver's native code is either a number or an ODBC SQLSTATE. A connection failure
// (class 08) or a time-out becomes the provider's general failure, which callers take as
// a dropped connection; other states become the provider's command error.
int errorNumber(const QString& native) {
    bool ok = false;
    const QString first = native.section(QLatin1Char(';'), 0, 0).trimmed();
    const int number = first.toInt(&ok);
    if (ok && number != 0)
        return number;
    if (first.startsWith(QLatin1String("08")) || first.startsWith(QLatin1String("HYT")) ||
        first.isEmpty())
        return kGenericErrorNumber;
    return kCommandErrorNumber;
}

DbError errorOf(const QSqlError& e) {
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return DbError::make(errorNumber(e.nativeErrorCode()), text);
}

// The command time-out is a statement attribute: set it on the prepared statement handle.
void setQueryTimeout(const QSqlQuery& q, int seconds) {
    if (!q.result())
        return;
    const QVariant h = q.result()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "SQLHANDLE") != 0)
        return;
    SQLHANDLE stmt = *static_cast<const SQLHANDLE*>(h.constData());
    if (stmt)
        SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<quintptr>(seconds)), 0);
}

// The driver answers NULL with a typed null; the recordset keeps NULL as an empty variant.
QVariant nullKept(const QVariant& v) {
    return v.isNull() ? QVariant() : v;
}

bool prepareAndRun(QSqlQuery& q, const QString& text, int timeout, DbError* err) {
    if (!q.prepare(text)) {
        if (err)
            *err = errorOf(q.lastError());
        return false;
    }
    setQueryTimeout(q, timeout);
    if (!q.exec()) {
        if (err)
            *err = errorOf(q.lastError());
        return false;
    }
    return true;
}
} // namespace

OdbcConnection::OdbcConnection() : m_connName(nextConnectionName()) {}

OdbcConnection::OdbcConnection(std::unique_ptr<OdbcDialect> dialect) : OdbcConnection() {
    m_dialect = std::move(dialect);
}

OdbcConnection::~OdbcConnection() {
    close();
}

QSqlDatabase OdbcConnection::database() const {
    return QSqlDatabase::database(m_connName, false);
}

bool OdbcConnection::open(DbError* err) {
    close();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connName);
        db.setDatabaseName(connectionString());
        db.setConnectOptions(
            QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1")
                .arg(connectionTimeout()));
        ok = db.open();
        if (!ok && err)
            *err = errorOf(db.lastError());
    }
    if (ok && m_dialect)
        ok = m_dialect->prepare(*this, err);
    if (!ok)
        close();
    return ok;
}

bool OdbcConnection::isOpen() const {
    return QSqlDatabase::contains(m_connName) && database().isOpen();
}

void OdbcConnection::close() {
    if (!QSqlDatabase::contains(m_connName))
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connName);
    m_inTransaction = false;
}

bool OdbcConnection::notOpen(DbError* err) const {
    if (err)
        *err = DbError::objectClosed(kGenericErrorNumber);
    return false;
}

bool OdbcConnection::setDefaultDatabase(const QString& name, DbError* err) {
    if (m_dialect)
        return isOpen() ? m_dialect->useDatabase(*this, name, err) : notOpen(err);
    QString quoted = name;
    quoted.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return execute(QStringLiteral("USE [") + quoted + QLatin1Char(']'), nullptr, err);
}

bool OdbcConnection::begin(DbError* err) {
    if (!isOpen())
        return notOpen(err);
    QSqlDatabase db = database();
    if (!db.transaction()) {
        if (err)
            *err = errorOf(db.lastError());
        return false;
    }
    m_inTransaction = true;
    return true;
}

bool OdbcConnection::commit(DbError* err) {
    if (!isOpen())
        return notOpen(err);
    QSqlDatabase db = database();
    const bool ok = db.commit();
    if (!ok && err)
        *err = errorOf(db.lastError());
    m_inTransaction = false;
    return ok;
}

bool OdbcConnection::rollback(DbError* err) {
    if (!m_inTransaction)
        return true;
    if (!isOpen())
        return notOpen(err);
    QSqlDatabase db = database();
    const bool ok = db.rollback();
    if (!ok && err)
        *err = errorOf(db.lastError());
    m_inTransaction = false;
    return ok;
}

bool OdbcConnection::execute(const QString& text, qint64* affected, DbError* err) {
    if (!isOpen())
        return notOpen(err);
    if (!m_dialect)
        return executeNative(text, affected, err);
    qint64 n = 0;
    const bool ok = m_dialect->run(*this, text, nullptr, &n, err);
    if (affected)
        *affected = ok ? n : 0;
    return ok;
}

bool OdbcConnection::select(const QString& text, Recordset* out, DbError* err) {
    if (!isOpen())
        return notOpen(err);
    if (!m_dialect)
        return selectNative(text, out, err);
    return m_dialect->run(*this, text, out, nullptr, err);
}

bool OdbcConnection::run(const QString& nativeText, Recordset* result, qint64* changes,
                         DbError* err) {
    if (!isOpen())
        return notOpen(err);
    if (!result)
        return executeNative(nativeText, changes, err);
    if (changes)
        *changes = 0;
    return selectNative(nativeText, result, err);
}

bool OdbcConnection::executeNative(const QString& text, qint64* affected, DbError* err) {
    QSqlQuery q(database());
    if (!prepareAndRun(q, text, commandTimeout(), err))
        return false;
    if (affected)
        *affected = q.numRowsAffected();
    return true;
}

bool OdbcConnection::selectNative(const QString& text, Recordset* out, DbError* err) {
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!prepareAndRun(q, text, commandTimeout(), err))
        return false;
    // A batch may answer with row counts first; the result is the last one with columns.
    Recordset rs;
    do {
        const QSqlRecord rec = q.record();
        if (rec.count() == 0)
            continue;
        QStringList names;
        for (int c = 0; c < rec.count(); ++c)
            names << rec.fieldName(c);
        rs = Recordset(names);
        while (q.next())
            for (int c = 0; c < rec.count(); ++c)
                rs.appendCell(nullKept(q.value(c)));
    } while (q.nextResult());
    if (q.lastError().isValid()) {
        if (err)
            *err = errorOf(q.lastError());
        return false;
    }
    *out = std::move(rs);
    return true;
}
