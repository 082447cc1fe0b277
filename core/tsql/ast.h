#pragma once

#include "core/tsql/token.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The parsed form of the T-SQL subset the program sends: expressions, queries, the
// data-changing statements, IF/BEGIN..END and the DDL of the schema script.
namespace tsql {

struct Query;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;
using QueryPtr = std::unique_ptr<Query>;

// A multi-part object name: [database.][schema.]name; "TEMPDB..##X" has database "TEMPDB".
struct ObjectName {
    QString database;
    QString schema;
    QString name;
    Pos pos;
};

// A SQL Server data type as written: VARCHAR(20), NUMERIC(10,2), INT, VARCHAR(MAX).
struct TypeName {
    QString name;    // upper case
    int length = -1; // -1: not given; -2: MAX
    int scale = -1;
    Pos pos;
};

enum class ExprKind {
    Null,
    String,   // text
    Number,   // text as written
    Column,   // qualifier (may be empty) . name
    Star,     // * or qualifier.*
    Unary,    // op: "-", "+", "~", "NOT"
    Binary,   // op: + - * / % = <> < > <= >= AND OR & | ^
    IsNull,   // negated: IS NOT NULL
    Like,     // args: value, pattern[, escape]; negated
    Between,  // args: value, low, high; negated
    InList,   // args: value, items...; negated
    InQuery,  // args: value; query; negated
    Exists,   // query
    Subquery, // scalar subquery
    Function, // name (upper case), args; distinct; star (COUNT(*))
    Cast,     // CAST(x AS type) / CONVERT(type, x[, style]); args: x[, style]
    Case,     // args: [operand] then pairs of when/then, then [else]; hasOperand, hasElse
};

struct Expr {
    ExprKind kind;
    Pos pos;
    QString text;      // literal text, operator, function or column name
    QString qualifier; // column or star qualifier (last part before the name)
    bool unicode = false;
    bool negated = false;
    bool distinct = false;
    bool star = false;
    bool hasOperand = false;
    bool hasElse = false;
    bool isConvert = false;
    std::vector<ExprPtr> args;
    QueryPtr query;
    TypeName type;
    int literalIndex = -1; // String: its place among the string literals of the batch

    Expr(ExprKind k, Pos p) : kind(k), pos(p) {}
};

struct SelectItem {
    ExprPtr expr;
    QString alias;
    bool hasAlias = false;
};

struct TableRef;
using TableRefPtr = std::unique_ptr<TableRef>;

struct Pivot {
    ExprPtr aggregate; // SUM(x)
    QString column;    // FOR column
    Pos columnPos;
    QStringList values; // IN ([a], [b])
    QString alias;
};

enum class JoinType { Inner, Left, Right, Full, Cross };

struct TableRef {
    // A table, or a derived table (query), optionally pivoted.
    ObjectName table;
    QueryPtr derived;
    QString alias;
    std::unique_ptr<Pivot> pivot;
    Pos pos;
};

struct Join {
    JoinType type = JoinType::Inner;
    TableRefPtr right;
    ExprPtr on;
    Pos pos;
};

// One element of a FROM list: a table with the joins that follow it.
struct FromItem {
    TableRefPtr first;
    std::vector<Join> joins;
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct Select {
    bool distinct = false;
    ExprPtr top;
    Pos pos;
    std::vector<SelectItem> items;
    std::vector<FromItem> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
};

// SELECT arms joined by UNION [ALL], with the ORDER BY of the whole.
struct Query {
    std::vector<Select> arms;
    std::vector<bool> unionAll; // between arm i and i + 1
    std::vector<OrderItem> orderBy;
    Pos pos;
};

struct Assignment {
    QString qualifier;
    QString column;
    Pos pos;
    ExprPtr value;
};

struct ColumnDef {
    QString name;
    TypeName type;
    bool identity = false;
    bool notNull = false;
    bool primaryKey = false;
    bool unique = false;
    ExprPtr defaultValue;
    Pos pos;
};

enum class StatementKind {
    Select,
    Insert,
    Update,
    Delete,
    If,
    Block,
    CreateTable,
    CreateIndex,
    DropTable,
};

struct Statement;
using StatementPtr = std::unique_ptr<Statement>;

struct Statement {
    StatementKind kind;
    Pos pos;

    // SELECT, INSERT .. SELECT
    QueryPtr query;

    // INSERT / UPDATE / DELETE / CREATE / DROP target
    ObjectName target;
    QStringList columns;                    // INSERT column list, index columns
    std::vector<bool> descending;           // index columns
    std::vector<std::vector<ExprPtr>> rows; // INSERT .. VALUES
    std::vector<Assignment> assignments;    // UPDATE SET
    std::vector<FromItem> from;             // UPDATE .. FROM
    ExprPtr where;

    // IF
    ExprPtr condition;
    StatementPtr thenBranch;
    StatementPtr elseBranch;

    // BEGIN .. END
    std::vector<StatementPtr> body;

    // CREATE TABLE / INDEX, DROP TABLE
    std::vector<ColumnDef> columnDefs;
    QStringList primaryKey;
    std::vector<QStringList> uniqueKeys;
    QString indexName;
    bool unique = false;
    bool ifExists = false;
    std::vector<ObjectName> dropTargets;

    Statement(StatementKind k, Pos p) : kind(k), pos(p) {}
};

// A batch: the statements of one text, in order.
struct Batch {
    std::vector<StatementPtr> statements;
};

} // namespace tsql
