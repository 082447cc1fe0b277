#pragma once

#include "core/tsql/sqltype.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

namespace tsql {

struct ColumnInfo {
    QString name;
    SqlType type = SqlType::Unknown;
    bool identity = false;
};

struct TableInfo {
    QString name;
    std::vector<ColumnInfo> columns;

    const ColumnInfo* column(const QString& name) const;
};

// What the type pass knows of the tables: their columns and column types.
class Catalog {
public:
    virtual ~Catalog() = default;
    // schema is "main", "temp" (#local) or the attached global temporary file; nullptr when
    // the table does not exist (yet).
    virtual const TableInfo* table(const QString& schema, const QString& name) = 0;
};

// The catalog of one SQLite connection, read with PRAGMA table_info and kept until the
// schema changes (clear()). Tables that do not exist are looked up again every time.
class SqliteCatalog : public Catalog {
public:
    explicit SqliteCatalog(sqlite3* db) : m_db(db) {}

    const TableInfo* table(const QString& schema, const QString& name) override;
    void clear() { m_tables.clear(); }

private:
    sqlite3* m_db;
    QHash<QString, std::shared_ptr<TableInfo>> m_tables;
};

} // namespace tsql
