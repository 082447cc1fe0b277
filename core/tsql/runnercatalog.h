#pragma once

#include "core/tsql/catalog.h"

class StatementRunner;

namespace tsql {

// The catalog of a SQLite database reached only through statement text (the SQLite ODBC
// driver): the same pragma and schema table as SqliteCatalog, the names quoted as literals.
class RunnerCatalog : public CachedCatalog {
public:
    explicit RunnerCatalog(StatementRunner& runner) : m_runner(runner) {}

protected:
    std::vector<ColumnRow> readColumns(const QString& schema, const QString& name) override;
    QString readCreateText(const QString& schema, const QString& name) override;

private:
    StatementRunner& m_runner;
};

} // namespace tsql
