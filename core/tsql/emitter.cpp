#include "core/tsql/emitter.h"

#include "core/tsql/groupedderived.h"
#include "core/tsql/sqlquote.h"

#include "core/tsql/translateerror.h"
#include "core/tsql/tsqlextension.h"
#include "core/tsql/valueconvert.h"

#include <algorithm>

namespace tsql {
namespace {

using Value = Emitter::Value;
using Col = Emitter::Col;

QString quoteName(const QString& n) {
    QString out;
    appendQuoted(out, n, QLatin1Char('"'));
    return out;
}

QString quoteText(const QString& s) {
    QString out;
    appendQuoted(out, s, QLatin1Char('\''));
    return out;
}

const QString& collateSuffix() {
    static const QString s = QStringLiteral(" COLLATE ") + QLatin1String(kCollation);
    return s;
}

bool eq(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool eq(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

SqlType higher(SqlType a, SqlType b) {
    if (a == SqlType::Unknown || b == SqlType::Unknown)
        return SqlType::Unknown;
    if (a == SqlType::Null)
        return b;
    if (b == SqlType::Null)
        return a;
    return int(a) > int(b) ? a : b;
}

conv::NumberKind kindOf(SqlType t) {
    switch (t) {
    case SqlType::BigInt:
        return conv::NumberKind::BigInt;
    case SqlType::Numeric:
        return conv::NumberKind::Numeric;
    case SqlType::Float:
        return conv::NumberKind::Float;
    default:
        return conv::NumberKind::Int;
    }
}

const char* converterOf(SqlType t) {
    switch (t) {
    case SqlType::BigInt:
        return "tsql_to_bigint(";
    case SqlType::Numeric:
        return "tsql_to_numeric(";
    case SqlType::Float:
        return "tsql_to_float(";
    default:
        return "tsql_to_int(";
    }
}

Value make(QString sql, SqlType type) {
    Value v;
    v.sql = std::move(sql);
    v.type = type;
    return v;
}

// The server's name of a type in its messages.
const char* typeName(SqlType t) {
    switch (t) {
    case SqlType::Int:
        return "int";
    case SqlType::BigInt:
        return "bigint";
    case SqlType::Numeric:
        return "numeric";
    case SqlType::Float:
        return "float";
    case SqlType::DateTime:
        return "datetime";
    default:
        return "varchar";
    }
}

// Integer arithmetic that must stay within its type: the runtime check fails with the
// server's overflow error (int) or catches SQLite's switch to a real (bigint).
Value checked(QString sql, SqlType t) {
    if (t == SqlType::Int)
        return make(QStringLiteral("tsql_check_int(") + sql + QLatin1Char(')'), t);
    if (t == SqlType::BigInt)
        return make(QStringLiteral("tsql_check_bigint(") + sql + QLatin1Char(')'), t);
    return make(std::move(sql), t);
}

// A type written in CAST, CONVERT or a column definition.
enum class TargetKind { Int, BigInt, Numeric, Float, Text, DateTime, Date, Unsupported };

TargetKind targetKind(const TypeName& t) {
    const QString& n = t.name;
    if (n == u"INT" || n == u"INTEGER" || n == u"SMALLINT" || n == u"TINYINT" || n == u"BIT")
        return TargetKind::Int;
    if (n == u"BIGINT")
        return TargetKind::BigInt;
    if (n == u"NUMERIC" || n == u"DECIMAL" || n == u"MONEY" || n == u"SMALLMONEY")
        return TargetKind::Numeric;
    if (n == u"FLOAT" || n == u"REAL")
        return TargetKind::Float;
    if (n == u"VARCHAR" || n == u"NVARCHAR" || n == u"CHAR" || n == u"NCHAR" || n == u"TEXT" ||
        n == u"NTEXT")
        return TargetKind::Text;
    if (n == u"DATETIME" || n == u"SMALLDATETIME" || n == u"DATETIME2")
        return TargetKind::DateTime;
    if (n == u"DATE")
        return TargetKind::Date;
    return TargetKind::Unsupported;
}

SqlType sqlTypeOf(TargetKind k) {
    switch (k) {
    case TargetKind::Int:
        return SqlType::Int;
    case TargetKind::BigInt:
        return SqlType::BigInt;
    case TargetKind::Numeric:
        return SqlType::Numeric;
    case TargetKind::Float:
        return SqlType::Float;
    case TargetKind::Text:
        return SqlType::Text;
    case TargetKind::DateTime:
    case TargetKind::Date:
        return SqlType::DateTime;
    case TargetKind::Unsupported:
        break;
    }
    return SqlType::Unknown;
}

QString dateUnit(const Expr& e) {
    QString u;
    if (e.kind == ExprKind::Column && e.qualifier.isEmpty())
        u = e.text.toLower();
    else if (e.kind == ExprKind::String)
        u = e.text.toLower();
    else
        throw TranslateError::syntax(e.text, e.pos);
    static const char* const table[][2] = {
        {"year", "year"},       {"yy", "year"},    {"yyyy", "year"},
        {"quarter", "quarter"}, {"qq", "quarter"}, {"q", "quarter"},
        {"month", "month"},     {"mm", "month"},   {"m", "month"},
        {"day", "day"},         {"dd", "day"},     {"d", "day"},
        {"dayofyear", "day"},   {"dy", "day"},     {"y", "day"},
        {"week", "week"},       {"wk", "week"},    {"ww", "week"},
        {"hour", "hour"},       {"hh", "hour"},    {"minute", "minute"},
        {"mi", "minute"},       {"n", "minute"},   {"second", "second"},
        {"ss", "second"},       {"s", "second"},   {"millisecond", "millisecond"},
        {"ms", "millisecond"}};
    for (const auto& row : table)
        if (u == QLatin1String(row[0]))
            return QLatin1String(row[1]);
    throw TranslateError::unsupported(QStringLiteral("date part ") + e.text, e.pos);
}

// The part named in DATEPART / DATENAME, as the runtime functions name it.
QString datePart(const Expr& e) {
    QString u;
    if ((e.kind == ExprKind::Column && e.qualifier.isEmpty()) || e.kind == ExprKind::String)
        u = e.text.toLower();
    else
        throw TranslateError::syntax(e.text, e.pos);
    static const char* const table[][2] = {{"year", "year"},
                                           {"yy", "year"},
                                           {"yyyy", "year"},
                                           {"quarter", "quarter"},
                                           {"qq", "quarter"},
                                           {"q", "quarter"},
                                           {"month", "month"},
                                           {"mm", "month"},
                                           {"m", "month"},
                                           {"dayofyear", "dayofyear"},
                                           {"dy", "dayofyear"},
                                           {"y", "dayofyear"},
                                           {"day", "day"},
                                           {"dd", "day"},
                                           {"d", "day"},
                                           {"week", "week"},
                                           {"wk", "week"},
                                           {"ww", "week"},
                                           {"weekday", "weekday"},
                                           {"dw", "weekday"},
                                           {"hour", "hour"},
                                           {"hh", "hour"},
                                           {"minute", "minute"},
                                           {"mi", "minute"},
                                           {"n", "minute"},
                                           {"second", "second"},
                                           {"ss", "second"},
                                           {"s", "second"},
                                           {"millisecond", "millisecond"},
                                           {"ms", "millisecond"}};
    for (const auto& row : table)
        if (u == QLatin1String(row[0]))
            return QLatin1String(row[1]);
    throw TranslateError::unsupported(QStringLiteral("date part ") + e.text, e.pos);
}

void expectArgs(const Expr& e, size_t min, size_t max) {
    if (e.args.size() < min || e.args.size() > max || e.star)
        throw TranslateError::syntax(e.text, e.pos);
}

} // namespace

QString literalPlaceholder(int tokenIndex) {
    return QLatin1Char('\x01') + QString::number(tokenIndex) + QLatin1Char('\x02');
}

void Emitter::needsValue(const Expr& e) const {
    if (m_placeholders && e.kind == ExprKind::String)
        throw NotTemplatable{};
}

// ---- statements -----------------------------------------------------------------------------

QString Emitter::statement(const Statement& s) {
    switch (s.kind) {
    case StatementKind::Select: {
        std::vector<Col> cols;
        return query(*s.query, nullptr, &cols, true);
    }
    case StatementKind::Insert:
        return insert(s);
    case StatementKind::Update:
        return update(s);
    case StatementKind::Delete:
        return deleteStatement(s);
    case StatementKind::CreateTable:
        return createTable(s);
    case StatementKind::CreateIndex:
        return createIndex(s);
    case StatementKind::DropTable:
        return dropTable(s);
    case StatementKind::If:
    case StatementKind::Block:
        break;
    }
    throw TranslateError::unsupported(QStringLiteral("control flow inside an expression"), s.pos);
}

QString Emitter::condition(const Expr& e) {
    Scope scope;
    return QStringLiteral("SELECT CASE WHEN ") + expr(e, scope).sql +
           QStringLiteral(" THEN 1 ELSE 0 END");
}

QString Emitter::tableName(const ObjectName& n, QString* schema) const {
    if (!n.database.isEmpty() && !eq(n.database, "tempdb"))
        throw TranslateError::unsupported(QStringLiteral("database name ") + n.database, n.pos);
    if (!n.schema.isEmpty() && !eq(n.schema, "dbo"))
        throw TranslateError::unsupported(QStringLiteral("schema name ") + n.schema, n.pos);
    if (n.name.startsWith(QLatin1String("##"))) {
        *schema = QLatin1String(kGlobalTempSchema);
        return quoteName(*schema) + QLatin1Char('.') + quoteName(n.name);
    }
    if (n.name.startsWith(QLatin1Char('#'))) {
        *schema = QStringLiteral("temp");
        return QStringLiteral("temp.") + quoteName(n.name);
    }
    if (!n.database.isEmpty())
        throw TranslateError::unsupported(QStringLiteral("tempdb table ") + n.name, n.pos);
    *schema = QStringLiteral("main");
    return quoteName(n.name);
}

Emitter::Source Emitter::tableSource(const ObjectName& n, const QString& alias) {
    QString schema;
    tableName(n, &schema);
    Source src;
    src.alias = alias.isEmpty() ? n.name : alias;
    if (const TableInfo* info = m_catalog.table(schema, n.name)) {
        src.known = true;
        for (const ColumnInfo& c : info->columns)
            src.cols.push_back({c.name, c.type});
    } else {
        m_sawUnknownTable = true;
    }
    return src;
}

Value Emitter::toColumnType(const Value& v, SqlType target) {
    if (target == SqlType::Unknown || target == SqlType::Text || v.type == SqlType::Null)
        return v;
    if (isNumeric(target) && isNumeric(v.type))
        return v;
    if (target == SqlType::DateTime && v.type == SqlType::DateTime)
        return v;
    return convertTo(v, target);
}

QString Emitter::insert(const Statement& s) {
    QString schema;
    const QString table = tableName(s.target, &schema);
    const TableInfo* info = m_catalog.table(schema, s.target.name);
    m_sawUnknownTable = m_sawUnknownTable || !info;
    QStringList columns = s.columns;
    std::vector<SqlType> types;
    if (columns.isEmpty() && info) {
        for (const ColumnInfo& c : info->columns)
            if (!c.identity)
                columns << c.name;
    }
    for (const QString& c : columns) {
        const ColumnInfo* ci = info ? info->column(c) : nullptr;
        types.push_back(ci ? ci->type : SqlType::Unknown);
    }
    QString out = QStringLiteral("INSERT INTO ") + table;
    if (!columns.isEmpty()) {
        out += QStringLiteral(" (");
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (i)
                out += QStringLiteral(", ");
            out += quoteName(columns[i]);
        }
        out += QLatin1Char(')');
    }
    if (s.query) {
        out += QLatin1Char(' ');
        std::vector<Col> cols;
        out += query(*s.query, nullptr, &cols, false, &types);
        return out;
    }
    out += QStringLiteral(" VALUES ");
    Scope scope;
    for (size_t r = 0; r < s.rows.size(); ++r) {
        if (r)
            out += QStringLiteral(", ");
        out += QLatin1Char('(');
        const auto& row = s.rows[r];
        for (size_t i = 0; i < row.size(); ++i) {
            if (i)
                out += QStringLiteral(", ");
            Value v = expr(*row[i], scope);
            if (i < types.size())
                v = toColumnType(v, types[i]);
            out += v.sql;
        }
        out += QLatin1Char(')');
    }
    return out;
}

QString Emitter::update(const Statement& s) {
    QString targetSchema;
    QString targetSql = tableName(s.target, &targetSchema);
    QString targetAlias;
    ObjectName targetTable = s.target;
    QString fromSql;
    QStringList moved; // ON conditions of joins to the target, now part of WHERE
    Scope scope;

    if (!s.from.empty()) {
        // UPDATE alias SET .. FROM table alias ..: the target is the FROM entry that the name
        // refers to; SQLite wants it as "UPDATE table AS alias" and the rest in FROM.
        const TableRef* found = nullptr;
        size_t foundItem = 0;
        int foundJoin = -1; // -1: the item's first table
        for (size_t i = 0; i < s.from.size() && !found; ++i) {
            const FromItem& item = s.from[i];
            auto matches = [&](const TableRef& t) {
                if (t.derived)
                    return false;
                const QString name = t.alias.isEmpty() ? t.table.name : t.alias;
                return eq(name, s.target.name) && s.target.schema.isEmpty() &&
                       s.target.database.isEmpty();
            };
            if (matches(*item.first)) {
                found = item.first.get();
                foundItem = i;
            }
            for (size_t j = 0; j < item.joins.size() && !found; ++j)
                if (matches(*item.joins[j].right)) {
                    found = item.joins[j].right.get();
                    foundItem = i;
                    foundJoin = int(j);
                }
        }
        if (found) {
            if (found->pivot)
                throw TranslateError::unsupported(QStringLiteral("UPDATE of a pivot"), found->pos);
            targetTable = found->table;
            targetSql = tableName(targetTable, &targetSchema);
            targetAlias = found->alias;
        }
        scope.sources.push_back(tableSource(targetTable, targetAlias));
        QStringList parts;
        for (size_t i = 0; i < s.from.size(); ++i) {
            const FromItem& item = s.from[i];
            if (!found || i != foundItem) {
                // Emit this item on its own; its sources join the statement's scope.
                Scope itemScope;
                QString sql = tableRef(*item.first, itemScope, nullptr);
                for (const Join& j : item.joins) {
                    QString right = tableRef(*j.right, itemScope, nullptr);
                    static const char* const names[] = {" JOIN ", " LEFT JOIN ", " RIGHT JOIN ",
                                                        " FULL JOIN ", " CROSS JOIN "};
                    sql += QLatin1String(names[int(j.type)]) + right;
                    if (j.on)
                        sql += QStringLiteral(" ON ") + expr(*j.on, itemScope).sql;
                }
                for (Source& src : itemScope.sources)
                    scope.sources.push_back(std::move(src));
                parts << sql;
                continue;
            }
            // The item that holds the target: its other tables stay, joined to each other;
            // the conditions that joined the target move to WHERE (inner joins only).
            for (const Join& j : item.joins)
                if (j.type != JoinType::Inner && j.type != JoinType::Cross)
                    throw TranslateError::unsupported(
                        QStringLiteral("UPDATE .. FROM with an outer join"), j.pos);
            std::vector<const TableRef*> refs;
            std::vector<const Expr*> ons;
            if (foundJoin != -1)
                refs.push_back(item.first.get());
            for (size_t j = 0; j < item.joins.size(); ++j) {
                if (int(j) == foundJoin) {
                    if (item.joins[j].on)
                        ons.push_back(item.joins[j].on.get());
                    continue;
                }
                refs.push_back(item.joins[j].right.get());
                if (item.joins[j].on)
                    ons.push_back(item.joins[j].on.get());
            }
            Scope itemScope;
            QStringList tables;
            for (const TableRef* r : refs)
                tables << tableRef(*r, itemScope, nullptr);
            for (Source& src : itemScope.sources)
                scope.sources.push_back(std::move(src));
            if (!tables.isEmpty())
                parts << tables.join(QStringLiteral(", "));
            for (const Expr* on : ons)
                moved << QStringLiteral("(") + expr(*on, scope).sql + QLatin1Char(')');
        }
        parts.removeAll(QString());
        if (!parts.isEmpty())
            fromSql = QStringLiteral(" FROM ") + parts.join(QStringLiteral(", "));
    } else {
        scope.sources.push_back(tableSource(targetTable, QString()));
    }

    QString out = QStringLiteral("UPDATE ") + targetSql;
    if (!targetAlias.isEmpty())
        out += QStringLiteral(" AS ") + quoteName(targetAlias);
    out += QStringLiteral(" SET ");
    const Source& target = scope.sources.front();
    for (size_t i = 0; i < s.assignments.size(); ++i) {
        const Assignment& a = s.assignments[i];
        if (!a.qualifier.isEmpty() && !eq(a.qualifier, target.alias) &&
            !eq(a.qualifier, targetTable.name))
            throw TranslateError::unsupported(QStringLiteral("SET of another table's column ") +
                                                  a.qualifier + QLatin1Char('.') + a.column,
                                              a.pos);
        SqlType type = SqlType::Unknown;
        for (const Col& c : target.cols)
            if (eq(c.name, a.column))
                type = c.type;
        if (i)
            out += QStringLiteral(", ");
        out += quoteName(a.column) + QStringLiteral(" = ") +
               toColumnType(expr(*a.value, scope), type).sql;
    }
    out += fromSql;
    if (s.where)
        moved << QStringLiteral("(") + expr(*s.where, scope).sql + QLatin1Char(')');
    if (!moved.isEmpty())
        out += QStringLiteral(" WHERE ") + moved.join(QStringLiteral(" AND "));
    return out;
}

QString Emitter::deleteStatement(const Statement& s) {
    QString schema;
    QString out = QStringLiteral("DELETE FROM ") + tableName(s.target, &schema);
    if (s.where) {
        Scope scope;
        scope.sources.push_back(tableSource(s.target, QString()));
        out += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
    }
    return out;
}

QString Emitter::createTable(const Statement& s) {
    QString schema;
    const QString table = tableName(s.target, &schema);
    const ColumnDef* identity = nullptr;
    for (const ColumnDef& c : s.columnDefs) {
        if (c.identity) {
            if (identity)
                throw TranslateError::syntax(c.name, c.pos);
            identity = &c;
        }
    }
    QStringList parts;
    for (const ColumnDef& c : s.columnDefs) {
        const TargetKind kind = targetKind(c.type);
        if (kind == TargetKind::Unsupported)
            throw TranslateError::unsupported(QStringLiteral("type ") + c.type.name, c.type.pos);
        QString def = quoteName(c.name) + QLatin1Char(' ');
        if (c.identity) {
            if (kind != TargetKind::Int && kind != TargetKind::BigInt &&
                kind != TargetKind::Numeric)
                throw TranslateError::syntax(c.type.name, c.type.pos);
            // SQLite's own counter: a rowid alias that never reuses a deleted value.
            def += QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
            parts << def;
            continue;
        }
        def += c.type.name;
        if (c.type.length == -2)
            def += QStringLiteral("(MAX)");
        else if (c.type.length >= 0)
            def +=
                QLatin1Char('(') + QString::number(c.type.length) +
                (c.type.scale >= 0 ? QLatin1Char(',') + QString::number(c.type.scale) : QString()) +
                QLatin1Char(')');
        if (kind == TargetKind::Text)
            def += collateSuffix();
        if (c.notNull)
            def += QStringLiteral(" NOT NULL");
        if (c.primaryKey)
            def += identity ? QStringLiteral(" UNIQUE") : QStringLiteral(" PRIMARY KEY");
        if (c.unique)
            def += QStringLiteral(" UNIQUE");
        if (c.defaultValue) {
            const Expr& d = *c.defaultValue;
            const bool negative =
                d.kind == ExprKind::Unary && d.text == u"-" && d.args[0]->kind == ExprKind::Number;
            if (d.kind != ExprKind::String && d.kind != ExprKind::Number &&
                d.kind != ExprKind::Null && !negative)
                throw TranslateError::unsupported(QStringLiteral("DEFAULT expression"), d.pos);
            Scope scope;
            Value v = toColumnType(expr(d, scope), sqlTypeOf(kind));
            if (!v.literal && d.kind != ExprKind::Null && !negative)
                throw TranslateError::unsupported(QStringLiteral("DEFAULT of another type"), d.pos);
            def += QStringLiteral(" DEFAULT ") +
                   (negative ? QLatin1Char('(') + v.sql + QLatin1Char(')') : v.sql);
        }
        parts << def;
    }
    auto keyList = [](const QStringList& cols) {
        QStringList q;
        for (const QString& c : cols)
            q << quoteName(c);
        return q.join(QStringLiteral(", "));
    };
    if (!s.primaryKey.isEmpty()) {
        const bool onIdentity =
            identity && s.primaryKey.size() == 1 && eq(s.primaryKey[0], identity->name);
        if (!onIdentity)
            parts << (identity ? QStringLiteral("UNIQUE (") : QStringLiteral("PRIMARY KEY (")) +
                         keyList(s.primaryKey) + QLatin1Char(')');
    }
    for (const QStringList& u : s.uniqueKeys)
        parts << QStringLiteral("UNIQUE (") + keyList(u) + QLatin1Char(')');
    return QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (") +
           parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString Emitter::createIndex(const Statement& s) {
    QString schema;
    tableName(s.target, &schema);
    QString out =
        s.unique ? QStringLiteral("CREATE UNIQUE INDEX ") : QStringLiteral("CREATE INDEX ");
    if (schema != u"main")
        out += quoteName(schema) + QLatin1Char('.');
    out += quoteName(s.indexName) + QStringLiteral(" ON ") + quoteName(s.target.name) +
           QStringLiteral(" (");
    for (qsizetype i = 0; i < s.columns.size(); ++i) {
        if (i)
            out += QStringLiteral(", ");
        out += quoteName(s.columns[i]);
        if (s.descending[size_t(i)])
            out += QStringLiteral(" DESC");
    }
    return out + QLatin1Char(')');
}

QString Emitter::dropTable(const Statement& s) {
    QStringList out;
    for (const ObjectName& n : s.dropTargets) {
        QString schema;
        out << (s.ifExists ? QStringLiteral("DROP TABLE IF EXISTS ")
                           : QStringLiteral("DROP TABLE ")) +
                   tableName(n, &schema);
    }
    return out.join(QStringLiteral(";\n"));
}

// ---- queries --------------------------------------------------------------------------------

QString Emitter::query(const Query& q, const Scope* outer, std::vector<Col>* cols, bool topLevel,
                       const std::vector<SqlType>* targetTypes) {
    QString out;
    Scope firstScope;
    const bool single = q.arms.size() == 1;
    for (size_t i = 0; i < q.arms.size(); ++i) {
        const Select& arm = q.arms[i];
        std::vector<Col> armCols;
        QString sql =
            select(arm, outer, &armCols, topLevel, targetTypes, i == 0 ? &firstScope : nullptr);
        if (arm.top && !single) {
            // LIMIT may not stand inside an arm of a compound query.
            Scope none;
            sql = QStringLiteral("SELECT * FROM (") + sql + QStringLiteral(" LIMIT ") +
                  expr(*arm.top, none).sql + QLatin1Char(')');
        }
        if (i == 0) {
            *cols = armCols;
        } else {
            out += q.unionAll[i - 1] ? QStringLiteral(" UNION ALL ") : QStringLiteral(" UNION ");
            for (size_t c = 0; c < cols->size() && c < armCols.size(); ++c)
                (*cols)[c].type = higher((*cols)[c].type, armCols[c].type);
        }
        out += sql;
    }
    if (!q.orderBy.empty()) {
        out += QStringLiteral(" ORDER BY ");
        Scope orderScope = std::move(firstScope);
        orderScope.outer = outer;
        orderScope.selectAliases = cols;
        for (size_t i = 0; i < q.orderBy.size(); ++i) {
            const OrderItem& o = q.orderBy[i];
            if (i)
                out += QStringLiteral(", ");
            Value v;
            if (!single) {
                // A compound query orders by its result columns.
                if (o.expr->kind == ExprKind::Column)
                    v = make(quoteName(o.expr->text), SqlType::Unknown);
                else if (o.expr->kind == ExprKind::Number)
                    v = make(o.expr->text, SqlType::Int);
                else
                    throw TranslateError::unsupported(
                        QStringLiteral("ORDER BY expression of a UNION"), o.expr->pos);
            } else {
                v = expr(*o.expr, orderScope);
                if (v.type == SqlType::Text && !v.column)
                    v.sql += collateSuffix();
            }
            out += v.sql;
            if (o.descending)
                out += QStringLiteral(" DESC");
        }
    }
    if (single && q.arms[0].top) {
        Scope none;
        out += QStringLiteral(" LIMIT ") + expr(*q.arms[0].top, none).sql;
    }
    return out;
}

QString Emitter::select(const Select& s, const Scope* outer, std::vector<Col>* cols, bool topLevel,
                        const std::vector<SqlType>* targetTypes, Scope* scopeOut,
                        const DerivedForm* form) {
    Scope scope;
    scope.outer = outer;
    QString from;
    if (!s.from.empty())
        from = QStringLiteral(" FROM ") + fromList(s.from, scope, outer);

    QString out = s.distinct ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ");
    for (size_t i = 0; i < s.items.size(); ++i) {
        const SelectItem& item = s.items[i];
        if (i)
            out += QStringLiteral(", ");
        if (item.expr->kind == ExprKind::Star) {
            const Expr& st = *item.expr;
            bool matched = false;
            for (const Source& src : scope.sources) {
                if (!st.qualifier.isEmpty() && !eq(src.alias, st.qualifier))
                    continue;
                matched = true;
                for (const Col& c : src.cols)
                    cols->push_back(c);
            }
            if (!st.qualifier.isEmpty() && !matched)
                throw TranslateError::syntax(st.qualifier, st.pos);
            out += st.qualifier.isEmpty() ? QStringLiteral("*")
                                          : quoteName(st.qualifier) + QStringLiteral(".*");
            continue;
        }
        Value v = expr(*item.expr, scope);
        if (targetTypes && cols->size() < targetTypes->size())
            v = toColumnType(v, (*targetTypes)[cols->size()]);
        if (v.type == SqlType::Text && !v.column)
            v.sql += collateSuffix();
        QString name;
        if (item.hasAlias)
            name = item.alias;
        else if (item.expr->kind == ExprKind::Column)
            name = item.expr->text;
        out += v.sql;
        if (topLevel || item.hasAlias || item.expr->kind == ExprKind::Column)
            out += QStringLiteral(" AS ") + quoteName(name);
        cols->push_back({name, v.type});
    }
    out += from;
    const QString extraWhere = form ? form->extraWhere : QString();
    if (s.where && !extraWhere.isEmpty())
        out += QStringLiteral(" WHERE (") + expr(*s.where, scope).sql + QStringLiteral(") AND ") +
               extraWhere;
    else if (s.where)
        out += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
    else if (!extraWhere.isEmpty())
        out += QStringLiteral(" WHERE ") + extraWhere;
    // One group at most: without GROUP BY, SQLite reads a MIN or MAX from the end of an
    // index range instead of walking it. Such a query always yields one row, so an empty
    // input (its key NULL) is filtered out; LIMIT keeps that filter out of the inner query.
    const int key = form ? grouped::singleGroupKeyItem(s) : -1;
    if (key >= 0 && (*cols)[size_t(key)].type == SqlType::Text) {
        if (scopeOut)
            *scopeOut = std::move(scope);
        return QStringLiteral("SELECT * FROM (") + out + QStringLiteral(" LIMIT 1) WHERE ") +
               quoteName((*cols)[size_t(key)].name) + QStringLiteral(" IS NOT NULL");
    }
    if (!s.groupBy.empty()) {
        out += QStringLiteral(" GROUP BY ");
        for (size_t i = 0; i < s.groupBy.size(); ++i) {
            if (i)
                out += QStringLiteral(", ");
            Value v = expr(*s.groupBy[i], scope);
            if (v.type == SqlType::Text && !v.column)
                v.sql += collateSuffix();
            out += v.sql;
        }
    }
    if (s.having)
        out += QStringLiteral(" HAVING ") + expr(*s.having, scope).sql;
    if (scopeOut)
        *scopeOut = std::move(scope);
    return out;
}

QString Emitter::derivedQuery(const Query& q, const Scope* outer, std::vector<Col>* cols,
                              const QString& extraWhere) {
    if (q.arms.size() != 1 || !q.orderBy.empty() || q.arms[0].top)
        return query(q, outer, cols, false);
    const DerivedForm form{extraWhere};
    return select(q.arms[0], outer, cols, false, nullptr, nullptr, &form);
}

SqlType Emitter::baseColumnType(const ObjectName& table, const QString& column) const {
    QString schema;
    tableName(table, &schema);
    if (const TableInfo* info = m_catalog.table(schema, table.name))
        for (const ColumnInfo& c : info->columns)
            if (eq(c.name, column))
                return c.type;
    return SqlType::Unknown;
}

// A semi-join that limits the groups of a joined grouped derived table to the keys an
// earlier derived table of the same FROM holds: SQLite then reads those groups by index
// instead of grouping all the rows first. Only where the comparison it replaces is the same:
// keys of one text or integer type on both sides (text columns carry the collation).
QString Emitter::keyFilter(const Join& j, const std::vector<EmittedDerived>& derived,
                           const Scope& scope, const Scope* outer) {
    if (outer || (j.type != JoinType::Inner && j.type != JoinType::Left))
        return QString();
    const std::vector<grouped::KeyLink> links = grouped::keyLinks(*j.on, *j.right);
    if (links.empty())
        return QString();
    const ObjectName& base = j.right->derived->arms[0].from[0].first->table;
    for (const EmittedDerived& d : derived) {
        const auto src = std::find_if(scope.sources.begin(), scope.sources.end(),
                                      [&](const Source& s) { return eq(s.alias, d.alias); });
        if (src == scope.sources.end())
            continue;
        QStringList keys;
        QStringList columns;
        for (const grouped::KeyLink& link : links) {
            if (!eq(link.leftAlias, d.alias))
                continue;
            const auto col = std::find_if(src->cols.begin(), src->cols.end(), [&](const Col& c) {
                return eq(c.name, link.leftColumn);
            });
            if (col == src->cols.end())
                continue;
            const SqlType type = baseColumnType(base, link.key->text);
            if (col->type != type || (type != SqlType::Text && !isInteger(type)))
                continue;
            const Expr& k = *link.key;
            keys << (k.qualifier.isEmpty()
                         ? quoteName(k.text)
                         : quoteName(k.qualifier) + QLatin1Char('.') + quoteName(k.text));
            columns << quoteName(col->name);
        }
        if (keys.isEmpty())
            continue;
        const QString left = keys.size() == 1 ? keys[0]
                                              : QLatin1Char('(') + keys.join(QStringLiteral(", ")) +
                                                    QLatin1Char(')');
        return left + QStringLiteral(" IN (SELECT ") + columns.join(QStringLiteral(", ")) +
               QStringLiteral(" FROM (") + d.sql + QStringLiteral("))");
    }
    return QString();
}

QString Emitter::fromList(const std::vector<FromItem>& items, Scope& scope, const Scope* outer) {
    QString out;
    std::vector<EmittedDerived> derived;
    for (size_t i = 0; i < items.size(); ++i) {
        const FromItem& item = items[i];
        if (i)
            out += QStringLiteral(", ");
        out += tableRef(*item.first, scope, outer, QString(), &derived);
        for (const Join& j : item.joins) {
            static const char* const names[] = {" JOIN ", " LEFT JOIN ", " RIGHT JOIN ",
                                                " FULL JOIN ", " CROSS JOIN "};
            const QString filter = j.on ? keyFilter(j, derived, scope, outer) : QString();
            out += QLatin1String(names[int(j.type)]) +
                   tableRef(*j.right, scope, outer, filter, &derived);
            if (j.on)
                out += QStringLiteral(" ON ") + expr(*j.on, scope).sql;
        }
    }
    return out;
}

QString Emitter::tableRef(const TableRef& t, Scope& scope, const Scope* outer,
                          const QString& extraWhere, std::vector<EmittedDerived>* derived) {
    Source src;
    QString sql;
    if (t.derived) {
        std::vector<Col> cols;
        const QString inner = t.pivot ? query(*t.derived, outer, &cols, false)
                                      : derivedQuery(*t.derived, outer, &cols, extraWhere);
        if (derived && !t.pivot)
            derived->push_back({t.alias, inner});
        sql = QLatin1Char('(') + inner + QStringLiteral(") AS ") + quoteName(t.alias);
        src.alias = t.alias;
        src.known = true;
        src.cols = std::move(cols);
    } else {
        QString schema;
        sql = tableName(t.table, &schema);
        if (!t.alias.isEmpty())
            sql += QStringLiteral(" AS ") + quoteName(t.alias);
        src = tableSource(t.table, t.alias);
    }
    if (t.pivot)
        return pivot(t, sql, std::move(src), scope);
    scope.sources.push_back(std::move(src));
    return sql;
}

// PIVOT (AGG(v) FOR c IN ([a], [b])): one aggregate per listed value over the rows whose c
// is that value, grouped by the source's other columns.
QString Emitter::pivot(const TableRef& t, QString innerSql, Source inner, Scope& scope) {
    const Pivot& p = *t.pivot;
    const Expr& agg = *p.aggregate;
    static const char* const allowed[] = {"SUM", "COUNT", "MIN", "MAX", "AVG"};
    bool ok = false;
    for (const char* a : allowed)
        ok = ok || agg.text == QLatin1String(a);
    if (!ok || agg.args.size() != 1 || agg.args[0]->kind != ExprKind::Column || agg.distinct)
        throw TranslateError::unsupported(QStringLiteral("PIVOT aggregate ") + agg.text, agg.pos);
    if (!inner.known)
        throw TranslateError::unsupported(QStringLiteral("PIVOT over an unknown table"), t.pos);
    const QString valueName = agg.args[0]->text;
    const Col* valueCol = nullptr;
    const Col* pivotCol = nullptr;
    std::vector<const Col*> groups;
    for (const Col& c : inner.cols) {
        if (eq(c.name, valueName))
            valueCol = &c;
        else if (eq(c.name, p.column))
            pivotCol = &c;
        else
            groups.push_back(&c);
    }
    if (!valueCol)
        throw TranslateError::syntax(valueName, agg.args[0]->pos);
    if (!pivotCol)
        throw TranslateError::syntax(p.column, p.columnPos);

    const QString innerAlias = inner.alias;
    const QString pivotRef = quoteName(innerAlias) + QLatin1Char('.') + quoteName(pivotCol->name);
    const QString valueRef = quoteName(innerAlias) + QLatin1Char('.') + quoteName(valueCol->name);
    QString out = QStringLiteral("(SELECT ");
    QStringList groupRefs;
    Source result;
    result.alias = p.alias;
    result.known = true;
    for (const Col* g : groups) {
        groupRefs << quoteName(innerAlias) + QLatin1Char('.') + quoteName(g->name);
        out +=
            groupRefs.last() + QStringLiteral(" AS ") + quoteName(g->name) + QStringLiteral(", ");
        result.cols.push_back(*g);
    }
    SqlType aggType = agg.text == u"COUNT" ? SqlType::Int : valueCol->type;
    if (agg.text == u"SUM" && valueCol->type == SqlType::Text)
        throw TranslateError::type(
            8117, QStringLiteral("Operand data type varchar is invalid for sum operator."));
    for (qsizetype i = 0; i < p.values.size(); ++i) {
        const QString& key = p.values[i];
        QString match;
        if (pivotCol->type == SqlType::Text || pivotCol->type == SqlType::DateTime)
            match = pivotRef + QStringLiteral(" = ") + quoteText(key) + collateSuffix();
        else if (isNumeric(pivotCol->type))
            match = pivotRef + QStringLiteral(" = ") +
                    convertTo(make(quoteText(key), SqlType::Text), pivotCol->type).sql;
        else
            match = QStringLiteral("tsql_cmp(") + pivotRef + QStringLiteral(", ") + quoteText(key) +
                    QStringLiteral(") = 0");
        QString a = agg.text.toLower() + QStringLiteral("(CASE WHEN ") + match +
                    QStringLiteral(" THEN ") + valueRef + QStringLiteral(" END)");
        if (agg.text == u"AVG" && isInteger(valueCol->type))
            a = QStringLiteral("CAST(") + a + QStringLiteral(" AS INTEGER)");
        if (i)
            out += QStringLiteral(", ");
        out += a + QStringLiteral(" AS ") + quoteName(key);
        result.cols.push_back({key, aggType});
    }
    out += QStringLiteral(" FROM ") + innerSql;
    if (!groupRefs.isEmpty())
        out += QStringLiteral(" GROUP BY ") + groupRefs.join(QStringLiteral(", "));
    out += QStringLiteral(") AS ") + quoteName(p.alias);
    scope.sources.push_back(std::move(result));
    return out;
}

// ---- expressions ----------------------------------------------------------------------------

Value Emitter::convertTo(const Value& v, SqlType target) {
    if (v.type == target || v.type == SqlType::Null)
        return v;
    if (isNumeric(target)) {
        if (isNumeric(v.type))
            return v;
        if (v.literal && v.literal->kind == ExprKind::String) {
            const QByteArray utf8 = v.literal->text.toUtf8();
            const std::string_view text(utf8.constData(), size_t(utf8.size()));
            if (isInteger(target)) {
                int64_t i = 0;
                if (conv::textToInt(text, kindOf(target), &i) == conv::Outcome::Ok)
                    return make(QString::number(i), target);
            } else {
                double d = 0;
                if (conv::textToReal(text, kindOf(target), &d) == conv::Outcome::Ok) {
                    const QString trimmed = v.literal->text.trimmed();
                    return make(trimmed.isEmpty() ? QStringLiteral("0.0")
                                                  : QString::number(d, 'g', 17),
                                target);
                }
            }
        }
        return make(QLatin1String(converterOf(target)) + v.sql + QLatin1Char(')'), target);
    }
    if (target == SqlType::Text) {
        if (v.literal && v.literal->kind == ExprKind::Number && isInteger(v.type))
            return make(quoteText(v.literal->text), SqlType::Text);
        return make(QStringLiteral("tsql_to_text(") + v.sql + QStringLiteral(", -1, 0)"),
                    SqlType::Text);
    }
    if (target == SqlType::DateTime) {
        if (v.literal && v.literal->kind == ExprKind::String) {
            const QByteArray utf8 = v.literal->text.toUtf8();
            conv::DateTime t;
            if (conv::parseDateTime(std::string_view(utf8.constData(), size_t(utf8.size())), &t))
                return make(quoteText(QString::fromStdString(conv::canonical(t))),
                            SqlType::DateTime);
        }
        return make(QStringLiteral("tsql_to_datetime(") + v.sql + QLatin1Char(')'),
                    SqlType::DateTime);
    }
    return v;
}

Value Emitter::expr(const Expr& e, const Scope& scope) {
    switch (e.kind) {
    case ExprKind::Null:
        return make(QStringLiteral("NULL"), SqlType::Null);
    case ExprKind::String: {
        if (m_placeholders) {
            m_placeholderTokens.push_back(e.literalIndex);
            return make(literalPlaceholder(e.literalIndex), SqlType::Text);
        }
        Value v = make(quoteText(e.text), SqlType::Text);
        v.literal = &e;
        return v;
    }
    case ExprKind::Number: {
        // An integer literal beyond int's range is numeric, as on the server.
        SqlType t = SqlType::Int;
        if (e.text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
            t = SqlType::Float;
        else if (e.text.contains(QLatin1Char('.')) || e.text.size() > 10 ||
                 (e.text.size() == 10 && e.text > QLatin1String("2147483647")))
            t = SqlType::Numeric;
        QString sql = e.text;
        if (sql.startsWith(QLatin1Char('.')))
            sql.prepend(QLatin1Char('0'));
        if (sql.endsWith(QLatin1Char('.')))
            sql.append(QLatin1Char('0'));
        const qsizetype point = sql.indexOf(QLatin1Char('.'));
        if (t == SqlType::Numeric && point < 0)
            sql.append(QStringLiteral(".0"));
        Value v = make(sql, t);
        v.literal = &e;
        if (t == SqlType::Numeric)
            v.scale = point < 0 ? 0 : int(e.text.size() - e.text.indexOf(QLatin1Char('.')) - 1);
        return v;
    }
    case ExprKind::Column:
        return column(e, scope);
    case ExprKind::Star:
        throw TranslateError::syntax(QStringLiteral("*"), e.pos);
    case ExprKind::Unary: {
        const Value a = expr(*e.args[0], scope);
        if (e.text == u"NOT")
            return make(QStringLiteral("(NOT ") + a.sql + QLatin1Char(')'), SqlType::Int);
        if (e.text == u"~")
            return make(QStringLiteral("(~") + convertTo(a, SqlType::Int).sql + QLatin1Char(')'),
                        SqlType::Int);
        Value n = a.type == SqlType::Text ? convertTo(a, SqlType::Int) : a;
        if (e.text == u"+")
            return n;
        const QString sql = QStringLiteral("(-") + n.sql + QLatin1Char(')');
        if (n.literal) {
            Value negated = make(sql, n.type); // an int literal is at most 2147483647
            negated.scale = n.scale;
            return negated;
        }
        Value negated = checked(sql, n.type);
        negated.scale = n.scale;
        return negated;
    }
    case ExprKind::Binary:
        return binary(e, scope);
    case ExprKind::IsNull:
        return make(QLatin1Char('(') + expr(*e.args[0], scope).sql +
                        (e.negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)")),
                    SqlType::Int);
    case ExprKind::Like: {
        const Value v = expr(*e.args[0], scope);
        const Value p = expr(*e.args[1], scope);
        if (m_placeholders && e.args[1]->kind == ExprKind::String)
            m_likePatternTokens.push_back(e.args[1]->literalIndex);
        if (p.literal && p.literal->kind == ExprKind::String &&
            p.literal->text.contains(QLatin1Char('[')))
            throw TranslateError::unsupported(QStringLiteral("LIKE character class"),
                                              p.literal->pos);
        QString sql = QLatin1Char('(') + v.sql +
                      (e.negated ? QStringLiteral(" NOT LIKE ") : QStringLiteral(" LIKE ")) + p.sql;
        if (e.args.size() > 2)
            sql += QStringLiteral(" ESCAPE ") + expr(*e.args[2], scope).sql;
        return make(sql + QLatin1Char(')'), SqlType::Int);
    }
    case ExprKind::Between: {
        const Value v = expr(*e.args[0], scope);
        const Value lo = expr(*e.args[1], scope);
        const Value hi = expr(*e.args[2], scope);
        const QString sql = QLatin1Char('(') + comparison(v, QStringLiteral(">="), lo) +
                            QStringLiteral(" AND ") + comparison(v, QStringLiteral("<="), hi) +
                            QLatin1Char(')');
        return make(e.negated ? QStringLiteral("(NOT ") + sql + QLatin1Char(')') : sql,
                    SqlType::Int);
    }
    case ExprKind::InList: {
        const Value v = expr(*e.args[0], scope);
        QStringList items;
        SqlType all = v.type;
        std::vector<Value> values;
        for (size_t i = 1; i < e.args.size(); ++i) {
            values.push_back(expr(*e.args[i], scope));
            all = higher(all, values.back().type);
        }
        Value left = v;
        if (isNumeric(all) || all == SqlType::DateTime)
            left = convertTo(v, all);
        for (const Value& item : values)
            items << ((isNumeric(all) || all == SqlType::DateTime) ? convertTo(item, all).sql
                                                                   : item.sql);
        QString l = left.sql;
        if (all == SqlType::Text)
            l = QLatin1Char('(') + l + collateSuffix() + QLatin1Char(')');
        else if (all == SqlType::Unknown) {
            // Row by row with the runtime comparison.
            QStringList ors;
            for (const Value& item : values)
                ors << QStringLiteral("tsql_cmp(") + v.sql + QStringLiteral(", ") + item.sql +
                           QStringLiteral(") = 0");
            const QString sql =
                QLatin1Char('(') + ors.join(QStringLiteral(" OR ")) + QLatin1Char(')');
            return make(e.negated ? QStringLiteral("(NOT ") + sql + QLatin1Char(')') : sql,
                        SqlType::Int);
        }
        return make(QLatin1Char('(') + l +
                        (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) +
                        items.join(QStringLiteral(", ")) + QStringLiteral("))"),
                    SqlType::Int);
    }
    case ExprKind::InQuery: {
        const Value v = expr(*e.args[0], scope);
        std::vector<Col> cols;
        const QString sub = query(*e.query, &scope, &cols, false);
        QString l = v.sql;
        if (v.type == SqlType::Text)
            l = QLatin1Char('(') + l + collateSuffix() + QLatin1Char(')');
        return make(QLatin1Char('(') + l +
                        (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) + sub +
                        QStringLiteral("))"),
                    SqlType::Int);
    }
    case ExprKind::Exists: {
        std::vector<Col> cols;
        return make(QStringLiteral("EXISTS (") + query(*e.query, &scope, &cols, false) +
                        QLatin1Char(')'),
                    SqlType::Int);
    }
    case ExprKind::Subquery: {
        std::vector<Col> cols;
        const QString sub = query(*e.query, &scope, &cols, false);
        return make(QLatin1Char('(') + sub + QLatin1Char(')'),
                    cols.empty() ? SqlType::Unknown : cols.front().type);
    }
    case ExprKind::Function:
        return function(e, scope);
    case ExprKind::Cast:
        return cast(e, scope);
    case ExprKind::Case:
        return caseExpr(e, scope);
    }
    throw TranslateError::syntax(e.text, e.pos);
}

Value Emitter::column(const Expr& e, const Scope& scope) {
    for (const Scope* s = &scope; s; s = s->outer) {
        if (e.qualifier.isEmpty() && s->selectAliases) {
            for (const Col& c : *s->selectAliases)
                if (!c.name.isEmpty() && eq(c.name, e.text)) {
                    Value v = make(quoteName(e.text), c.type);
                    v.column = false;
                    // A select alias of a plain column keeps that column's collation.
                    return v;
                }
        }
        bool unknownSource = false;
        for (const Source& src : s->sources) {
            if (!e.qualifier.isEmpty() && !eq(src.alias, e.qualifier))
                continue;
            if (!src.known) {
                unknownSource = true;
                continue;
            }
            for (const Col& c : src.cols) {
                if (eq(c.name, e.text)) {
                    Value v;
                    v.sql = e.qualifier.isEmpty()
                                ? quoteName(e.text)
                                : quoteName(e.qualifier) + QLatin1Char('.') + quoteName(e.text);
                    v.type = c.type;
                    v.column = true;
                    return v;
                }
            }
        }
        if (unknownSource)
            break;
    }
    Value v;
    v.sql = e.qualifier.isEmpty() ? quoteName(e.text)
                                  : quoteName(e.qualifier) + QLatin1Char('.') + quoteName(e.text);
    v.column = true;
    return v;
}

QString Emitter::comparison(const Value& l, const QString& op, const Value& r) {
    const SqlType lt = l.type;
    const SqlType rt = r.type;
    if (lt == SqlType::Null || rt == SqlType::Null)
        return QLatin1Char('(') + l.sql + QLatin1Char(' ') + op + QLatin1Char(' ') + r.sql +
               QLatin1Char(')');
    if ((lt == SqlType::Text || lt == SqlType::DateTime) && lt == rt)
        return QLatin1Char('(') + l.sql + QLatin1Char(' ') + op + QLatin1Char(' ') + r.sql +
               collateSuffix() + QLatin1Char(')');
    if (lt == SqlType::Unknown || rt == SqlType::Unknown)
        return QStringLiteral("(tsql_cmp(") + l.sql + QStringLiteral(", ") + r.sql +
               QStringLiteral(") ") + op + QStringLiteral(" 0)");
    const SqlType t = higher(lt, rt);
    const Value a = convertTo(l, t);
    const Value b = convertTo(r, t);
    return QLatin1Char('(') + a.sql + QLatin1Char(' ') + op + QLatin1Char(' ') + b.sql +
           (t == SqlType::DateTime ? collateSuffix() : QString()) + QLatin1Char(')');
}

Value Emitter::binary(const Expr& e, const Scope& scope) {
    const QString& op = e.text;
    if (op == u"AND" || op == u"OR")
        return make(QLatin1Char('(') + expr(*e.args[0], scope).sql + QLatin1Char(' ') + op +
                        QLatin1Char(' ') + expr(*e.args[1], scope).sql + QLatin1Char(')'),
                    SqlType::Int);
    const Value l = expr(*e.args[0], scope);
    const Value r = expr(*e.args[1], scope);
    if (op == u"=" || op == u"<>" || op == u"!=" || op == u"<" || op == u">" || op == u"<=" ||
        op == u">=" || op == u"!<" || op == u"!>") {
        QString sqlOp = op;
        if (op == u"!=")
            sqlOp = QStringLiteral("<>");
        else if (op == u"!<")
            sqlOp = QStringLiteral(">=");
        else if (op == u"!>")
            sqlOp = QStringLiteral("<=");
        return make(comparison(l, sqlOp, r), SqlType::Int);
    }
    if (l.type == SqlType::DateTime || r.type == SqlType::DateTime)
        throw TranslateError::unsupported(QStringLiteral("datetime arithmetic"), e.pos);
    if (op == u"+") {
        if (l.type == SqlType::Null || r.type == SqlType::Null)
            return make(QStringLiteral("NULL"), SqlType::Null);
        if (l.type == SqlType::Text && r.type == SqlType::Text)
            return make(QLatin1Char('(') + l.sql + QStringLiteral(" || ") + r.sql +
                            QLatin1Char(')'),
                        SqlType::Text);
        if (l.type == SqlType::Unknown || r.type == SqlType::Unknown)
            return make(QStringLiteral("tsql_add(") + l.sql + QStringLiteral(", ") + r.sql +
                            QLatin1Char(')'),
                        SqlType::Unknown);
    }
    // Arithmetic: a text operand converts to the other side's numeric type.
    SqlType t = higher(l.type == SqlType::Text ? SqlType::Null : l.type,
                       r.type == SqlType::Text ? SqlType::Null : r.type);
    if (t == SqlType::Null)
        t = SqlType::Int; // text op text: the server tries int... and fails for '-' etc.
    const QString opName = op == u"-"   ? QStringLiteral("subtract")
                           : op == u"*" ? QStringLiteral("multiply")
                           : op == u"/" ? QStringLiteral("divide")
                                        : QStringLiteral("modulo");
    if (l.type == SqlType::Text && r.type == SqlType::Text && op != u"+")
        throw TranslateError::type(
            402, QStringLiteral("The data types varchar and varchar are incompatible in the ") +
                     opName + QStringLiteral(" operator."));
    const Value a = t == SqlType::Unknown ? l : convertTo(l, t);
    const Value b = t == SqlType::Unknown ? r : convertTo(r, t);
    if (op == u"%" && (l.type == SqlType::Float || r.type == SqlType::Float) &&
        a.type != SqlType::Unknown && b.type != SqlType::Unknown)
        throw TranslateError::type(
            402, QStringLiteral("The data types ") + QLatin1String(typeName(a.type)) +
                     QStringLiteral(" and ") + QLatin1String(typeName(b.type)) +
                     QStringLiteral(" are incompatible in the modulo operator."));
    if (op == u"/")
        return checked(QStringLiteral("tsql_div(") + a.sql + QStringLiteral(", ") + b.sql +
                           QLatin1Char(')'),
                       t);
    if (op == u"%")
        return make(QStringLiteral("tsql_mod(") + a.sql + QStringLiteral(", ") + b.sql +
                        QLatin1Char(')'),
                    t);
    if (op == u"^")
        return make(QStringLiteral("((") + a.sql + QStringLiteral(" | ") + b.sql +
                        QStringLiteral(") - (") + a.sql + QStringLiteral(" & ") + b.sql +
                        QStringLiteral("))"),
                    SqlType::Int);
    const QString sql = QLatin1Char('(') + a.sql + QLatin1Char(' ') + op + QLatin1Char(' ') +
                        b.sql + QLatin1Char(')');
    if (op == u"&" || op == u"|")
        return make(sql, SqlType::Int);
    return checked(sql, t);
}

Value Emitter::aggregate(const Expr& e, const Scope& scope) {
    const QString& f = e.text;
    if (f == u"COUNT") {
        if (e.star)
            return make(QStringLiteral("count(*)"), SqlType::Int);
        expectArgs(e, 1, 1);
        Value a = expr(*e.args[0], scope);
        if (a.type == SqlType::Text && e.distinct)
            a.sql += collateSuffix();
        return make(QStringLiteral("count(") +
                        (e.distinct ? QStringLiteral("DISTINCT ") : QString()) + a.sql +
                        QLatin1Char(')'),
                    SqlType::Int);
    }
    expectArgs(e, 1, 1);
    Value a = expr(*e.args[0], scope);
    const QString distinct = e.distinct ? QStringLiteral("DISTINCT ") : QString();
    if (f == u"SUM" || f == u"AVG") {
        if (a.type == SqlType::Text)
            throw TranslateError::type(8117,
                                       QStringLiteral("Operand data type varchar is invalid for ") +
                                           f.toLower() + QStringLiteral(" operator."));
        QString sql = f.toLower() + QLatin1Char('(') + distinct + a.sql + QLatin1Char(')');
        // The server's AVG of integers is an integer (truncated).
        if (f == u"AVG" && isInteger(a.type))
            sql = QStringLiteral("CAST(") + sql + QStringLiteral(" AS INTEGER)");
        const SqlType t = a.type == SqlType::Null ? SqlType::Int : a.type;
        // The SUM of an int column is an int and fails beyond its range.
        return f == u"SUM" ? checked(sql, t) : make(sql, t);
    }
    // MIN / MAX: texts by the collation.
    if (a.type == SqlType::Text || a.type == SqlType::DateTime)
        a.sql += collateSuffix();
    return make(f.toLower() + QLatin1Char('(') + distinct + a.sql + QLatin1Char(')'), a.type);
}

Value Emitter::objectId(const Expr& e) {
    expectArgs(e, 1, 2);
    for (const ExprPtr& a : e.args)
        needsValue(*a);
    for (const ExprPtr& a : e.args)
        if (a->kind != ExprKind::String)
            throw TranslateError::unsupported(QStringLiteral("OBJECT_ID of a computed name"),
                                              a->pos);
    QStringList parts = e.args[0]->text.split(QLatin1Char('.'));
    for (QString& p : parts) {
        p = p.trimmed();
        if (p.startsWith(QLatin1Char('[')) && p.endsWith(QLatin1Char(']')))
            p = p.mid(1, p.size() - 2);
    }
    const QString name = parts.takeLast();
    ObjectName n;
    n.pos = e.pos;
    n.name = name;
    if (!parts.isEmpty())
        n.schema = parts.takeLast();
    if (!parts.isEmpty())
        n.database = parts.takeLast();
    QString schema;
    tableName(n, &schema);
    QString type;
    if (e.args.size() > 1) {
        const QString t = e.args[1]->text.trimmed().toUpper();
        if (t == u"U")
            type = QStringLiteral(" AND type = 'table'");
        else if (t == u"V")
            type = QStringLiteral(" AND type = 'view'");
        else
            throw TranslateError::unsupported(QStringLiteral("OBJECT_ID type ") + t,
                                              e.args[1]->pos);
    } else {
        type = QStringLiteral(" AND type IN ('table', 'view')");
    }
    const QString master = schema == u"temp" ? QStringLiteral("temp.sqlite_master")
                                             : quoteName(schema) + QStringLiteral(".sqlite_master");
    return make(QStringLiteral("(SELECT rootpage FROM ") + master +
                    QStringLiteral(" WHERE name = ") + quoteText(name) +
                    QStringLiteral(" COLLATE NOCASE") + type + QLatin1Char(')'),
                SqlType::Int);
}

Value Emitter::function(const Expr& e, const Scope& scope) {
    const QString& f = e.text;
    if (f == u"COUNT" || f == u"SUM" || f == u"AVG" || f == u"MIN" || f == u"MAX")
        return aggregate(e, scope);
    if (e.distinct || e.star)
        throw TranslateError::syntax(f, e.pos);
    auto arg = [&](size_t i) { return expr(*e.args[i], scope); };
    auto call = [&](const char* name, std::initializer_list<QString> args, SqlType type) {
        QString sql = QLatin1String(name) + QLatin1Char('(');
        bool first = true;
        for (const QString& a : args) {
            if (!first)
                sql += QStringLiteral(", ");
            sql += a;
            first = false;
        }
        return make(sql + QLatin1Char(')'), type);
    };
    if (f == u"ISNULL") {
        expectArgs(e, 2, 2);
        const Value a = arg(0);
        const Value b = arg(1);
        // The result has the first argument's type; the replacement converts to it.
        const SqlType t = a.type == SqlType::Null ? b.type : a.type;
        const Value bc = (t == SqlType::Unknown) ? b : convertTo(b, t);
        return call("coalesce", {a.sql, bc.sql}, t);
    }
    if (f == u"COALESCE") {
        if (e.args.size() < 2)
            throw TranslateError::syntax(f, e.pos);
        std::vector<Value> vs;
        SqlType t = SqlType::Null;
        for (size_t i = 0; i < e.args.size(); ++i) {
            vs.push_back(arg(i));
            t = higher(t, vs.back().type);
        }
        if (t == SqlType::Null)
            throw TranslateError::type(
                4127, QStringLiteral("At least one of the arguments to COALESCE must be an "
                                     "expression that is not the NULL constant."));
        QStringList parts;
        for (const Value& v : vs)
            parts << (t == SqlType::Unknown ? v.sql : convertTo(v, t).sql);
        return make(
            QStringLiteral("coalesce(") + parts.join(QStringLiteral(", ")) + QLatin1Char(')'), t);
    }
    if (f == u"NULLIF") {
        expectArgs(e, 2, 2);
        const Value a = arg(0);
        const Value b = arg(1);
        if (a.type == SqlType::Null)
            throw TranslateError::type(
                4151,
                QStringLiteral("The type of the first argument to NULLIF cannot be the NULL "
                               "constant because the type of the first argument has to be known."));
        return make(QStringLiteral("(CASE WHEN ") + comparison(a, QStringLiteral("="), b) +
                        QStringLiteral(" THEN NULL ELSE ") + a.sql + QStringLiteral(" END)"),
                    a.type);
    }
    if (f == u"GETDATE" || f == u"SYSDATETIME") {
        expectArgs(e, 0, 0);
        return make(QStringLiteral("tsql_getdate()"), SqlType::DateTime);
    }
    if (f == u"DATEDIFF") {
        expectArgs(e, 3, 3);
        needsValue(*e.args[0]);
        const QString unit = quoteText(dateUnit(*e.args[0]));
        return call("tsql_datediff", {unit, arg(1).sql, arg(2).sql}, SqlType::Int);
    }
    if (f == u"DATEADD") {
        expectArgs(e, 3, 3);
        needsValue(*e.args[0]);
        const QString unit = quoteText(dateUnit(*e.args[0]));
        return call("tsql_dateadd", {unit, convertTo(arg(1), SqlType::Int).sql, arg(2).sql},
                    SqlType::DateTime);
    }
    if (f == u"LEFT" || f == u"RIGHT") {
        expectArgs(e, 2, 2);
        return call(f == u"LEFT" ? "tsql_left" : "tsql_right",
                    {arg(0).sql, convertTo(arg(1), SqlType::Int).sql}, SqlType::Text);
    }
    if (f == u"SUBSTRING") {
        expectArgs(e, 3, 3);
        return call(
            "substr",
            {arg(0).sql, convertTo(arg(1), SqlType::Int).sql, convertTo(arg(2), SqlType::Int).sql},
            SqlType::Text);
    }
    if (f == u"LEN") {
        expectArgs(e, 1, 1);
        return make(QStringLiteral("length(rtrim(") + arg(0).sql + QStringLiteral(", ' '))"),
                    SqlType::Int);
    }
    if (f == u"REPLACE") {
        expectArgs(e, 3, 3);
        const Value from = arg(1);
        bool caseless = from.literal && from.literal->kind == ExprKind::String;
        if (caseless)
            for (QChar c : from.literal->text)
                caseless = caseless && c.toLower() == c.toUpper();
        return call(caseless ? "replace" : "tsql_replace", {arg(0).sql, from.sql, arg(2).sql},
                    SqlType::Text);
    }
    if (f == u"LTRIM" || f == u"RTRIM") {
        expectArgs(e, 1, 1);
        return make(f.toLower() + QLatin1Char('(') + arg(0).sql + QStringLiteral(", ' ')"),
                    SqlType::Text);
    }
    if (f == u"UPPER" || f == u"LOWER") {
        expectArgs(e, 1, 1);
        return make(f.toLower() + QLatin1Char('(') + arg(0).sql + QLatin1Char(')'), SqlType::Text);
    }
    if (f == u"CHARINDEX") {
        expectArgs(e, 2, 3);
        if (e.args.size() == 3)
            return call("tsql_charindex",
                        {arg(0).sql, arg(1).sql, convertTo(arg(2), SqlType::Int).sql},
                        SqlType::Int);
        return call("tsql_charindex", {arg(0).sql, arg(1).sql}, SqlType::Int);
    }
    if (f == u"ISNUMERIC") {
        expectArgs(e, 1, 1);
        return call("tsql_isnumeric", {arg(0).sql}, SqlType::Int);
    }
    if (f == u"OBJECT_ID")
        return objectId(e);
    if (f == u"ABS") {
        expectArgs(e, 1, 1);
        const Value a = arg(0);
        const Value n = a.type == SqlType::Text ? convertTo(a, SqlType::Float) : a;
        return call("abs", {n.sql}, n.type);
    }
    if (f == u"ROUND") {
        expectArgs(e, 2, 2);
        const Value a = arg(0);
        const Value n = a.type == SqlType::Text ? convertTo(a, SqlType::Float) : a;
        const Value d = convertTo(arg(1), SqlType::Int);
        const bool nonNegative = d.literal && d.literal->kind == ExprKind::Number;
        if (nonNegative && isInteger(n.type))
            return n; // rounding an integer to >= 0 places changes nothing
        if (nonNegative && n.type != SqlType::Unknown)
            return call("round", {n.sql, d.sql}, n.type);
        // Negative places round to tens, hundreds..; the result keeps the input's type.
        return checked(QStringLiteral("tsql_round(") + n.sql + QStringLiteral(", ") + d.sql +
                           QLatin1Char(')'),
                       n.type);
    }
    if (f == u"CEILING" || f == u"FLOOR") {
        expectArgs(e, 1, 1);
        const Value a = arg(0);
        const Value n = a.type == SqlType::Text ? convertTo(a, SqlType::Float) : a;
        if (isInteger(n.type))
            return n;
        return call(f == u"CEILING" ? "tsql_ceiling" : "tsql_floor", {n.sql},
                    n.type == SqlType::Null ? SqlType::Int : n.type);
    }
    return dateOrTextFunction(e, scope);
}

Value Emitter::dateOrTextFunction(const Expr& e, const Scope& scope) {
    const QString& f = e.text;
    auto arg = [&](size_t i) { return expr(*e.args[i], scope); };
    auto intArg = [&](size_t i) { return convertTo(arg(i), SqlType::Int).sql; };
    auto call = [](const char* name, const QStringList& args, SqlType type) {
        return make(QLatin1String(name) + QLatin1Char('(') + args.join(QStringLiteral(", ")) +
                        QLatin1Char(')'),
                    type);
    };
    if (f == u"DATEPART" || f == u"DATENAME") {
        expectArgs(e, 2, 2);
        needsValue(*e.args[0]);
        const QString part = quoteText(datePart(*e.args[0]));
        return f == u"DATEPART" ? call("tsql_datepart", {part, arg(1).sql}, SqlType::Int)
                                : call("tsql_datename", {part, arg(1).sql}, SqlType::Text);
    }
    if (f == u"YEAR" || f == u"MONTH" || f == u"DAY") {
        expectArgs(e, 1, 1);
        return call("tsql_datepart", {quoteText(f.toLower()), arg(0).sql}, SqlType::Int);
    }
    if (f == u"EOMONTH") {
        expectArgs(e, 1, 2);
        // The result is a date, which the dialect holds as 'yyyy-mm-dd' like CAST(.. AS DATE).
        return call("tsql_eomonth",
                    {arg(0).sql, e.args.size() > 1 ? intArg(1) : QStringLiteral("0")},
                    SqlType::Text);
    }
    if (f == u"REPLICATE") {
        expectArgs(e, 2, 2);
        return call("tsql_replicate", {convertTo(arg(0), SqlType::Text).sql, intArg(1)},
                    SqlType::Text);
    }
    if (f == u"SPACE") {
        expectArgs(e, 1, 1);
        return call("tsql_replicate", {QStringLiteral("' '"), intArg(0)}, SqlType::Text);
    }
    if (f == u"STUFF") {
        expectArgs(e, 4, 4);
        return call("tsql_stuff",
                    {convertTo(arg(0), SqlType::Text).sql, intArg(1), intArg(2),
                     convertTo(arg(3), SqlType::Text).sql},
                    SqlType::Text);
    }
    if (f == u"PATINDEX") {
        expectArgs(e, 2, 2);
        return call("tsql_patindex", {arg(0).sql, convertTo(arg(1), SqlType::Text).sql},
                    SqlType::Int);
    }
    if (f == u"STR") {
        expectArgs(e, 1, 3);
        const Value a = arg(0);
        const Value n = isNumeric(a.type) ? a : convertTo(a, SqlType::Float);
        return call("tsql_str",
                    {n.sql, e.args.size() > 1 ? intArg(1) : QStringLiteral("10"),
                     e.args.size() > 2 ? intArg(2) : QStringLiteral("0")},
                    SqlType::Text);
    }
    if (f == u"IIF") {
        expectArgs(e, 3, 3);
        const QString cond = arg(0).sql;
        const Value a = arg(1);
        const Value b = arg(2);
        const SqlType t = higher(a.type, b.type);
        if (t == SqlType::Null)
            throw TranslateError::type(
                8133,
                QStringLiteral("At least one of the result expressions in a CASE specification "
                               "must be an expression other than the NULL constant."));
        auto fit = [&](const Value& v) {
            return t == SqlType::Unknown ? v.sql : convertTo(v, t).sql;
        };
        return make(QStringLiteral("CASE WHEN ") + cond + QStringLiteral(" THEN ") + fit(a) +
                        QStringLiteral(" ELSE ") + fit(b) + QStringLiteral(" END"),
                    t);
    }
    throw TranslateError::unsupported(QStringLiteral("function ") + f, e.pos);
}

Value Emitter::cast(const Expr& e, const Scope& scope) {
    const TargetKind kind = targetKind(e.type);
    if (kind == TargetKind::Unsupported)
        throw TranslateError::unsupported(QStringLiteral("type ") + e.type.name, e.type.pos);
    const Value v = expr(*e.args[0], scope);
    int style = 0;
    if (e.args.size() > 1) {
        const Expr& s = *e.args[1];
        if (s.kind != ExprKind::Number)
            throw TranslateError::unsupported(QStringLiteral("CONVERT style expression"), s.pos);
        style = s.text.toInt();
    }
    switch (kind) {
    case TargetKind::Int:
        return make(QStringLiteral("tsql_to_int(") + v.sql + QLatin1Char(')'), SqlType::Int);
    case TargetKind::BigInt:
        return make(QStringLiteral("tsql_to_bigint(") + v.sql + QLatin1Char(')'), SqlType::BigInt);
    case TargetKind::Numeric: {
        int scale = e.type.scale >= 0 ? e.type.scale : 0;
        if (e.type.name.endsWith(QLatin1String("MONEY")))
            scale = 4;
        Value n = make(QStringLiteral("tsql_to_numeric(") + v.sql + QStringLiteral(", ") +
                           QString::number(scale) + QLatin1Char(')'),
                       SqlType::Numeric);
        n.scale = scale;
        return n;
    }
    case TargetKind::Float:
        return make(QStringLiteral("tsql_to_float(") + v.sql + QLatin1Char(')'), SqlType::Float);
    case TargetKind::DateTime:
        return make(QStringLiteral("tsql_to_datetime(") + v.sql + QLatin1Char(')'),
                    SqlType::DateTime);
    case TargetKind::Date:
        return make(QStringLiteral("substr(tsql_to_datetime(") + v.sql +
                        QStringLiteral("), 1, 10)"),
                    SqlType::Text);
    case TargetKind::Text: {
        // VARCHAR without a length is VARCHAR(30) in CAST and CONVERT.
        int len = e.type.length == -2 ? -1 : (e.type.length >= 0 ? e.type.length : 30);
        if (e.type.name == u"TEXT" || e.type.name == u"NTEXT")
            len = -1;
        const int pad = e.type.name.endsWith(QLatin1String("CHAR")) &&
                                !e.type.name.contains(QLatin1String("VAR"))
                            ? 1
                            : 0;
        if (v.type == SqlType::DateTime) {
            if (e.args.size() > 1) {
                static const int styles[] = {0, 100, 8, 108, 14, 114, 20, 120, 21, 121, 23, 112};
                if (std::find(std::begin(styles), std::end(styles), style) == std::end(styles))
                    throw TranslateError::unsupported(QStringLiteral("CONVERT style %1").arg(style),
                                                      e.args[1]->pos);
            }
            return make(QStringLiteral("tsql_datefmt(") + v.sql + QStringLiteral(", ") +
                            QString::number(style) + QStringLiteral(", ") + QString::number(len) +
                            QStringLiteral(", ") + QString::number(pad) + QLatin1Char(')'),
                        SqlType::Text);
        }
        if (v.literal && v.type == SqlType::Text && !pad &&
            (len < 0 || v.literal->text.size() <= len))
            return v;
        // A numeric of known scale is written with all its decimals, as the server does
        // (1.50 stays "1.50"); SQLite keeps only the value.
        const QString scaleArg = v.type == SqlType::Numeric && v.scale >= 0
                                     ? QStringLiteral(", ") + QString::number(v.scale)
                                     : QString();
        return make(QStringLiteral("tsql_to_text(") + v.sql + QStringLiteral(", ") +
                        QString::number(len) + QStringLiteral(", ") + QString::number(pad) +
                        scaleArg + QLatin1Char(')'),
                    SqlType::Text);
    }
    case TargetKind::Unsupported:
        break;
    }
    return v;
}

Value Emitter::caseExpr(const Expr& e, const Scope& scope) {
    size_t i = 0;
    Value operand;
    if (e.hasOperand)
        operand = expr(*e.args[i++], scope);
    const size_t end = e.args.size() - (e.hasElse ? 1 : 0);
    std::vector<QString> whens;
    std::vector<Value> thens;
    for (; i + 1 <= end && i < end; i += 2) {
        const Value w = expr(*e.args[i], scope);
        whens.push_back(e.hasOperand ? comparison(operand, QStringLiteral("="), w) : w.sql);
        thens.push_back(expr(*e.args[i + 1], scope));
    }
    Value elseValue;
    if (e.hasElse)
        elseValue = expr(*e.args.back(), scope);
    // The result has the highest type of the branches; the others convert to it.
    SqlType t = SqlType::Null;
    for (const Value& v : thens)
        t = higher(t, v.type);
    if (e.hasElse)
        t = higher(t, elseValue.type);
    if (t == SqlType::Null)
        throw TranslateError::type(
            8133, QStringLiteral("At least one of the result expressions in a CASE specification "
                                 "must be an expression other than the NULL constant."));
    auto fit = [&](const Value& v) {
        return (t == SqlType::Unknown || t == SqlType::Null) ? v.sql : convertTo(v, t).sql;
    };
    QString sql = QStringLiteral("CASE");
    for (size_t k = 0; k < whens.size(); ++k)
        sql += QStringLiteral(" WHEN ") + whens[k] + QStringLiteral(" THEN ") + fit(thens[k]);
    if (e.hasElse)
        sql += QStringLiteral(" ELSE ") + fit(elseValue);
    sql += QStringLiteral(" END");
    return make(sql, t);
}

} // namespace tsql
