#pragma once

#include "core/data/odbcconnection.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>

// The backends a test runs the program's statements on: the embedded SQLite backend, or the
// same SQLite file over ODBC (Qt's QODBC driver, unixODBC and the SQLite 3 ODBC driver of
// libsqliteodbc with the mestsql extension loaded), the T-SQL translated on the way.
enum class Backend { Embedded, Odbc };

inline std::ostream& operator<<(std::ostream& os, Backend b) {
    return os << (b == Backend::Odbc ? "Odbc" : "Embedded");
}

namespace OdbcSqlite {
// The driver name scripts/install-deps registers.
inline constexpr const char* kDriver = "SQLite3";

// The driver names the ODBC driver manager knows.
QStringList registeredDrivers();
// The connection string for a database file; without createIfMissing a file that is missing
// when the string is made fails the open.
QString connectionString(const QString& file, bool createIfMissing);
std::unique_ptr<OdbcConnection> connection(const QString& file, bool createIfMissing);
// A new, unopened connection of the backend to a database file, made when missing.
std::unique_ptr<Connection> connectionFor(Backend backend, const QString& file);
// Makes the statement helpers' connections (gfDB_OPEN) open <data folder>/<gsDB_NAME>.sqlite
// over ODBC; TestEnv's tear-down restores the configured backend.
void installForHelpers();
} // namespace OdbcSqlite
