#include "core/data/sqliteconnection.h"

#include "core/data/sqlitedialect.h"
#include "core/data/sqlitesession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

SqliteConnection::SqliteConnection(QString dataFolder, QString databaseName,
                                   std::shared_ptr<SqliteDialect> dialect)
    : m_dataFolder(std::move(dataFolder)), m_file(fileFor(m_dataFolder, databaseName)),
      m_dialect(std::move(dialect)) {}

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
                                 QStringLiteral("unable to open database file: ") + m_file);
        return false;
    }
    // The linked library opens the file itself: no Qt driver with a SQLite copy of its own
    // drives the same file. CREATE stays on because attached files (the global temporary
    // tables) inherit the flags and are made on first use.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    const QByteArray path = QFile::encodeName(m_file);
    const int rc = sqlite3_open_v2(path.constData(), &m_handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (err)
            *err = DbError::make(SQLITE_CANTOPEN,
                                 QStringLiteral("unable to open database file: ") + m_file);
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
    if (!m_handle)
        return;
    // close_v2 defers the close until statements left unfinalized are done.
    sqlite3_close_v2(m_handle);
    m_handle = nullptr;
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
