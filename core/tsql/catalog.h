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

// A catalog that reads a table once and keeps it until the schema changes (clear()). Tables
// that do not exist are looked up again every time.
class CachedCatalog : public Catalog {
public:
    const TableInfo* table(const QString& schema, const QString& name) override;
    void clear() { m_tables.clear(); }

protected:
    // One row of SQLite's table_info pragma.
    struct ColumnRow {
        QString name;
        QString declared;
        int primaryKey = 0; // position in the primary key, 0 outside it
    };
    // The columns of the table; empty when it does not exist.
    virtual std::vector<ColumnRow> readColumns(const QString& schema, const QString& name) = 0;
    // The CREATE TABLE text of the table.
    virtual QString readCreateText(const QString& schema, const QString& name) = 0;

private:
    QHash<QString, std::shared_ptr<TableInfo>> m_tables;
};

// The catalog of one SQLite connection, read through the C API with bound names.
class SqliteCatalog : public CachedCatalog {
public:
    explicit SqliteCatalog(sqlite3* db) : m_db(db) {}

protected:
    std::vector<ColumnRow> readColumns(const QString& schema, const QString& name) override;
    QString readCreateText(const QString& schema, const QString& name) override;

private:
    sqlite3* m_db;
};

} // namespace tsql
