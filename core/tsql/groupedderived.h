#pragma once

#include "core/tsql/ast.h"

#include <QString>

#include <vector>

// Shapes of grouped derived tables that SQLite would otherwise evaluate in full for every
// statement: a derived table that keeps the latest row of one product walks every row of
// that product. The emitter uses these to hand SQLite an equivalent form it answers from
// an index.
namespace tsql::grouped {

// A SELECT whose GROUP BY keys are all plain columns fixed to text literals by equalities of
// its WHERE, whose one aggregate is a MIN or MAX, and whose other items are those keys: it
// yields one group at most. Returns the index of a select item that is a key, or -1 when
// the SELECT is not of that form.
int singleGroupKeyItem(const Select& s);

// An equality of a join condition between a column of an earlier source and a grouping key
// of the joined derived table.
struct KeyLink {
    QString leftAlias;
    QString leftColumn;
    const Expr* key = nullptr; // the GROUP BY column inside the derived table
};

// The links among the top-level AND terms of `on` to the derived table `right`, when that is
// a single SELECT over one base table, without TOP, grouped by plain columns. Only an inner
// or left join may use them: a group whose key matches no row of the earlier source never
// reaches the result of such a join.
std::vector<KeyLink> keyLinks(const Expr& on, const TableRef& right);

} // namespace tsql::grouped
