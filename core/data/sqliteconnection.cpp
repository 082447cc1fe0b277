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

namespace {
// Failures after which the file cannot be trusted to be there or reachable: another
// program holding its lock beyond the busy time-out, or the file or its folder gone.
bool meansLinkLost(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
        return true;
    default:
        return false;
    }
}
} // namespace

bool SqliteConnection::fileMoved() const {
    // The unix file system keeps a deleted or renamed file usable through the open handle:
    // writes would then commit into a file that nobody opens again.
    int moved = 0;
    return sqlite3_file_control(m_handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
           moved != 0;
}

bool SqliteConnection::linkLost(DbError* err) {
    if (!m_handle)
        return !notOpen(err);
    if (!fileMoved())
        return false;
    dropLink(DbError::make(kGenericErrorNumber, QStringLiteral("database file is gone: ") + m_file),
             err);
    return true;
}

bool SqliteConnection::dropLink(const DbError& cause, DbError* err) {
    // Closing rolls back an open transaction; the caller sees a closed connection and offers
    // the reconnect, which opens the file again once it is back.
    close();
    if (err)
        *err = DbError::make(kGenericErrorNumber, cause.description);
    return false;
}

bool SqliteConnection::checked(bool ok, DbError* err) {
    // Only the library's own code counts: translated errors carry the server's numbers.
    if (!ok && err && m_handle && err->number == sqlite3_extended_errcode(m_handle) &&
        meansLinkLost(err->number))
        return dropLink(*err, err);
    return ok;
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
    return !linkLost(err) && checked(runNative("BEGIN IMMEDIATE", err), err);
}

bool SqliteConnection::commit(DbError* err) {
    // A batch is never reported written into a file that has vanished meanwhile.
    return !linkLost(err) && checked(runNative("COMMIT", err), err);
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
    if (affected)
        *affected = 0;
    if (linkLost(err))
        return false;
    SqliteSession session(m_handle);
    qint64 n = 0;
    const bool ok = checked(m_dialect->run(session, text, nullptr, &n, err), err);
    if (affected)
        *affected = ok ? n : 0;
    return ok;
}

bool SqliteConnection::select(const QString& text, Recordset* out, DbError* err) {
    if (linkLost(err))
        return false;
    SqliteSession session(m_handle);
    return checked(m_dialect->run(session, text, out, nullptr, err), err);
}
