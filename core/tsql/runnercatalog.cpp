#include "core/tsql/runnercatalog.h"

#include "core/data/statementrunner.h"
#include "core/tsql/sqlquote.h"

namespace tsql {

namespace {
QString quoted(const QString& s, char quote) {
    QString out;
    appendQuoted(out, s, QLatin1Char(quote));
    return out;
}
} // namespace

std::vector<CachedCatalog::ColumnRow> RunnerCatalog::readColumns(const QString& schema,
                                                                 const QString& name) {
    std::vector<ColumnRow> rows;
    Recordset rs;
    const QString sql = QStringLiteral("SELECT name, type, pk FROM %1.pragma_table_info(%2)")
                            .arg(quoted(schema, '"'), quoted(name, '\''));
    if (!m_runner.run(sql, &rs, nullptr, nullptr))
        return rows;
    for (int r = 0; r < rs.rowCount(); ++r)
        rows.push_back(
            {rs.value(r, 0).toString(), rs.value(r, 1).toString(), rs.value(r, 2).toInt()});
    return rows;
}

QString RunnerCatalog::readCreateText(const QString& schema, const QString& name) {
    Recordset rs;
    const QString sql = QStringLiteral("SELECT sql FROM %1.sqlite_master WHERE type = 'table' "
                                       "AND name = %2 COLLATE NOCASE")
                            .arg(quoted(schema, '"'), quoted(name, '\''));
    if (!m_runner.run(sql, &rs, nullptr, nullptr) || rs.rowCount() == 0)
        return QString();
    return rs.value(0, 0).toString();
}

} // namespace tsql
