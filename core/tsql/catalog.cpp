#include "core/tsql/catalog.h"

#include "core/tsql/sqlquote.h"

#include <sqlite3.h>

#include <algorithm>

namespace tsql {

SqlType typeOfDeclared(const QString& declared) {
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("TEXT")) ||
        t.contains(QLatin1String("CLOB")))
        return SqlType::Text;
    if (t.contains(QLatin1String("DATE")) || t.startsWith(QLatin1String("TIME")))
        return SqlType::DateTime;
    if (t.contains(QLatin1String("BIGINT")))
        return SqlType::BigInt;
    if (t.contains(QLatin1String("INT")) || t == QLatin1String("BIT"))
        return SqlType::Int;
    if (t.contains(QLatin1String("FLOAT")) || t.contains(QLatin1String("REAL")) ||
        t.contains(QLatin1String("DOUB")))
        return SqlType::Float;
    if (t.contains(QLatin1String("NUMERIC")) || t.contains(QLatin1String("DECIMAL")) ||
        t.contains(QLatin1String("MONEY")))
        return SqlType::Numeric;
    return SqlType::Unknown;
}

const ColumnInfo* TableInfo::column(const QString& name) const {
    for (const ColumnInfo& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const TableInfo* CachedCatalog::table(const QString& schema, const QString& name) {
    const QString key = schema + QLatin1Char('.') + name.toLower();
    if (const auto it = m_tables.constFind(key); it != m_tables.constEnd())
        return it->get();
    auto info = std::make_shared<TableInfo>();
    info->name = name;
    for (const ColumnRow& row : readColumns(schema, name)) {
        ColumnInfo c;
        c.name = row.name;
        c.type = typeOfDeclared(row.declared);
        // The identity column of a table made from the schema script is its INTEGER PRIMARY
        // KEY; the server leaves it out of an INSERT without a column list.
        c.identity = row.primaryKey == 1 &&
                     row.declared.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        info->columns.push_back(std::move(c));
    }
    if (info->columns.empty())
        return nullptr;
    // Only AUTOINCREMENT marks an identity; a plain INTEGER PRIMARY KEY is written by callers.
    if (std::any_of(info->columns.begin(), info->columns.end(),
                    [](const ColumnInfo& c) { return c.identity; }) &&
        !readCreateText(schema, name).contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive))
        for (ColumnInfo& c : info->columns)
            c.identity = false;
    m_tables.insert(key, info);
    return info.get();
}

namespace {
QString schemaQuoted(const QString& schema) {
    QString out;
    appendQuoted(out, schema, QLatin1Char('"'));
    return out;
}
} // namespace

std::vector<CachedCatalog::ColumnRow> SqliteCatalog::readColumns(const QString& schema,
                                                                 const QString& name) {
    std::vector<ColumnRow> rows;
    const QByteArray sql = QStringLiteral("SELECT name, type, pk FROM %1.pragma_table_info(?1)")
                               .arg(schemaQuoted(schema))
                               .toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        return rows;
    const QByteArray n = name.toUtf8();
    sqlite3_bind_text(st, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(st) == SQLITE_ROW)
        rows.push_back(
            {QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))),
             QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))),
             sqlite3_column_int(st, 2)});
    sqlite3_finalize(st);
    return rows;
}

QString SqliteCatalog::readCreateText(const QString& schema, const QString& name) {
    const QByteArray q = QStringLiteral("SELECT sql FROM %1.sqlite_master WHERE type = 'table' "
                                        "AND name = ?1 COLLATE NOCASE")
                             .arg(schemaQuoted(schema))
                             .toUtf8();
    sqlite3_stmt* st = nullptr;
    QString text;
    if (sqlite3_prepare_v2(m_db, q.constData(), int(q.size()), &st, nullptr) != SQLITE_OK)
        return text;
    const QByteArray n = name.toUtf8();
    sqlite3_bind_text(st, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW)
        text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return text;
}

} // namespace tsql
