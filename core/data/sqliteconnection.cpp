#include "core/data/sqliteconnection.h"

#include "core/data/sqlitedialect.h"
#include "core/data/sqlitesession.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

#include <atomic>

namespace {
QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("mes-sqlite-%1").arg(++counter);
}
} // namespace

SqliteConnection::SqliteConnection(QString dataFolder, QString databaseName,
                                   std::shared_ptr<SqliteDialect> dialect)
    : m_dataFolder(std::move(dataFolder)), m_file(fileFor(m_dataFolder, databaseName)),
      m_connName(nextConnectionName()), m_dialect(std::move(dialect)) {}

SqliteConnection::~SqliteConnection() {
    close();
}

QString SqliteConnection::fileFor(const QString& dataFolder, const QString& databaseName) {
    return QDir(dataFolder).filePath(databaseName + QStringLiteral(".sqlite"));
}

bool SqliteConnection::open(DbError* err) {
    close();
    if (!m_create && !QFileInfo::exists(m_file)) {
        if (err)
            *err = DbError::make(SQLITE_CANTOPEN,
                                 QStringLiteral("unable to open database file: %1").arg(m_file));
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connName);
        db.setDatabaseName(m_file);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(commandTimeout() * 1000));
        if (!db.open()) {
            if (err)
                *err = DbError::make(SQLITE_CANTOPEN, db.lastError().text());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connName);
            return false;
        }
        const QVariant h = db.driver()->handle();
        if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
            m_handle = *static_cast<sqlite3* const*>(h.constData());
    }
    if (!m_handle) {
        if (err)
            *err = DbError::make(kGenericErrorNumber, QStringLiteral("no SQLite handle"));
        close();
        return false;
    }
    // A misspelt "column" must fail instead of silently becoming a text literal.
    sqlite3_db_config(m_handle, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_handle, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(m_handle, commandTimeout() * 1000);
    DbError local;
    if (!runNative("PRAGMA journal_mode=WAL", &local) ||
        !m_dialect->prepareHandle(m_handle, m_file, &local)) {
        if (err)
            *err = local;
        close();
        return false;
    }
    return true;
}

bool SqliteConnection::isOpen() const {
    return m_handle != nullptr;
}

void SqliteConnection::close() {
    if (!QSqlDatabase::contains(m_connName))
        return;
    m_handle = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connName);
}

bool SqliteConnection::setDefaultDatabase(const QString& name, DbError* err) {
    const QString wanted = fileFor(m_dataFolder, name);
    if (m_dataFolder.isEmpty() || wanted == m_file)
        return isOpen() || notOpen(err);
    m_file = wanted;
    return open(err);
}

bool SqliteConnection::notOpen(DbError* err) const {
    if (err)
        *err = DbError::objectClosed(kGenericErrorNumber);
    return false;
}

bool SqliteConnection::runNative(const char* sql, DbError* err) {
    if (!m_handle)
        return notOpen(err);
    SqliteSession session(m_handle);
    return session.run(QString::fromLatin1(sql), nullptr, nullptr, err);
}

bool SqliteConnection::begin(DbError* err) {
    // IMMEDIATE takes the write lock at once: a deferred transaction that reads first and
    // writes later could fail with SQLITE_BUSY instead of waiting for another terminal.
    return runNative("BEGIN IMMEDIATE", err);
}

bool SqliteConnection::commit(DbError* err) {
    return runNative("COMMIT", err);
}

bool SqliteConnection::rollback(DbError* err) {
    if (!inTransaction())
        return true;
    return runNative("ROLLBACK", err);
}

bool SqliteConnection::inTransaction() const {
    return m_handle && sqlite3_get_autocommit(m_handle) == 0;
}

bool SqliteConnection::execute(const QString& text, qint64* affected, DbError* err) {
    if (!m_handle)
        return notOpen(err);
    SqliteSession session(m_handle);
    qint64 n = 0;
    const bool ok = m_dialect->run(session, text, nullptr, &n, err);
    if (affected)
        *affected = ok ? n : 0;
    return ok;
}

bool SqliteConnection::select(const QString& text, Recordset* out, DbError* err) {
    if (!m_handle)
        return notOpen(err);
    SqliteSession session(m_handle);
    return m_dialect->run(session, text, out, nullptr, err);
}
