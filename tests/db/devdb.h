#pragma once

#include "core/data/recordset.h"

#include <QString>
#include <QVariant>

#include <memory>

class SqliteConnection;

// A database file opened through the program's embedded dialect, so the T-SQL of the
// schema, the demo data and the checks runs exactly as the program's statements do.
class DevDb {
public:
    explicit DevDb(const QString& file);
    ~DevDb();

    // Runs a statement or script; false with the driver's message on failure.
    bool exec(const QString& text, QString* error = nullptr);
    // Runs a script in one transaction.
    bool load(const QString& script, QString* error = nullptr);
    // A result; records a test failure (naming the statement) when the statement fails.
    Recordset rows(const QString& text);
    QVariant value(const QString& text);
    qint64 count(const QString& text) { return value(text).toLongLong(); }

private:
    std::unique_ptr<SqliteConnection> m_con;
};
