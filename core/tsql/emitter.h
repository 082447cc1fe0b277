#pragma once

#include "core/tsql/ast.h"
#include "core/tsql/catalog.h"
#include "core/tsql/sqltype.h"

#include <QString>

#include <vector>

namespace tsql {

// Name of the attached file that holds the global temporary tables (##X) of a database.
inline constexpr const char* kGlobalTempSchema = "mes_tempdb";

// Turns one parsed statement into SQLite text with the server's semantics. A type pass over
// the schema (the catalog) and the literals decides '+', comparisons, conversions and PIVOT
// columns; where a type is not known statically the tsql_* runtime functions decide per row.
// Throws TranslateError for a construct outside the subset.
class Emitter {
public:
    explicit Emitter(Catalog& catalog) : m_catalog(catalog) {}

    // SELECT, INSERT, UPDATE, DELETE, CREATE TABLE / INDEX, DROP TABLE. IF and BEGIN..END
    // are control flow and are run by the caller statement by statement.
    QString statement(const Statement& s);
    // The condition of an IF as a query of one value, 1 or 0.
    QString condition(const Expr& e);
    // Whether a statement named a table the catalogue does not know (yet).
    bool sawUnknownTable() const { return m_sawUnknownTable; }

    // Template mode: every string literal of an expression is emitted as the placeholder of
    // its token (literalPlaceholder), and no decision depends on a literal's value, so the
    // result holds for any texts in those places. A construct that needs a literal's value
    // throws NotTemplatable.
    void emitLiteralPlaceholders() { m_placeholders = true; }
    struct NotTemplatable {};
    // The tokens emitted as placeholders, and those of LIKE patterns (which must not hold a
    // character class, which the dialect refuses).
    const std::vector<int>& placeholderTokens() const { return m_placeholderTokens; }
    const std::vector<int>& likePatternTokens() const { return m_likePatternTokens; }

    struct Col {
        QString name;
        SqlType type = SqlType::Unknown;
    };
    struct Source {
        QString alias;
        bool known = false;
        std::vector<Col> cols;
    };
    struct Scope {
        std::vector<Source> sources;
        const Scope* outer = nullptr;
        const std::vector<Col>* selectAliases = nullptr; // ORDER BY may name them
    };
    struct Value {
        QString sql;
        SqlType type = SqlType::Unknown;
        const Expr* literal = nullptr; // a string or number literal as written
        bool column = false;
        int scale = -1; // digits after the point of a numeric whose scale is known statically
    };

private:
    QString query(const Query& q, const Scope* outer, std::vector<Col>* cols, bool topLevel,
                  const std::vector<SqlType>* targetTypes = nullptr);
    // A derived table of a FROM: a condition added to its WHERE that leaves the join's
    // result unchanged, and whether one group at most may be read without its GROUP BY.
    struct DerivedForm {
        QString extraWhere;
    };
    // A derived table already emitted in the FROM being built.
    struct EmittedDerived {
        QString alias;
        QString sql;
    };
    QString select(const Select& s, const Scope* outer, std::vector<Col>* cols, bool topLevel,
                   const std::vector<SqlType>* targetTypes, Scope* scopeOut,
                   const DerivedForm* form = nullptr);
    QString derivedQuery(const Query& q, const Scope* outer, std::vector<Col>* cols,
                         const QString& extraWhere);
    QString fromList(const std::vector<FromItem>& items, Scope& scope, const Scope* outer);
    QString tableRef(const TableRef& t, Scope& scope, const Scope* outer,
                     const QString& extraWhere = QString(),
                     std::vector<EmittedDerived>* derived = nullptr);
    QString keyFilter(const Join& j, const std::vector<EmittedDerived>& derived, const Scope& scope,
                      const Scope* outer);
    SqlType baseColumnType(const ObjectName& table, const QString& column) const;
    QString pivot(const TableRef& t, QString innerSql, Source inner, Scope& scope);
    QString tableName(const ObjectName& n, QString* schema) const;
    Source tableSource(const ObjectName& n, const QString& alias);

    QString insert(const Statement& s);
    QString update(const Statement& s);
    QString deleteStatement(const Statement& s);
    QString createTable(const Statement& s);
    QString createIndex(const Statement& s);
    QString dropTable(const Statement& s);

    Value expr(const Expr& e, const Scope& scope);
    Value column(const Expr& e, const Scope& scope);
    Value binary(const Expr& e, const Scope& scope);
    Value function(const Expr& e, const Scope& scope);
    Value dateOrTextFunction(const Expr& e, const Scope& scope);
    Value cast(const Expr& e, const Scope& scope);
    Value caseExpr(const Expr& e, const Scope& scope);
    Value objectId(const Expr& e);
    Value aggregate(const Expr& e, const Scope& scope);
    QString comparison(const Value& l, const QString& op, const Value& r);
    Value convertTo(const Value& v, SqlType target);
    Value toColumnType(const Value& v, SqlType target);

    void needsValue(const Expr& e) const;

    Catalog& m_catalog;
    bool m_sawUnknownTable = false;
    bool m_placeholders = false;
    std::vector<int> m_placeholderTokens;
    std::vector<int> m_likePatternTokens;
};

// The placeholder of a string literal's token in a template translation.
QString literalPlaceholder(int tokenIndex);

} // namespace tsql
