#include "core/tsql/groupedderived.h"

#include <algorithm>

namespace tsql::grouped {
namespace {

bool eq(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameColumn(const Expr& a, const Expr& b) {
    return a.kind == ExprKind::Column && b.kind == ExprKind::Column && eq(a.text, b.text) &&
           eq(a.qualifier, b.qualifier);
}

void conjuncts(const Expr* e, std::vector<const Expr*>* out) {
    if (!e)
        return;
    if (e->kind == ExprKind::Binary && e->text == u"AND") {
        conjuncts(e->args[0].get(), out);
        conjuncts(e->args[1].get(), out);
        return;
    }
    out->push_back(e);
}

bool isEquality(const Expr& e) {
    return e.kind == ExprKind::Binary && e.text == u"=" && e.args.size() == 2;
}

// Whether a WHERE term `column = 'text'` (either way round) fixes the column.
bool pins(const Expr& term, const Expr& column) {
    if (!isEquality(term))
        return false;
    const Expr& l = *term.args[0];
    const Expr& r = *term.args[1];
    return (sameColumn(l, column) && r.kind == ExprKind::String) ||
           (sameColumn(r, column) && l.kind == ExprKind::String);
}

bool isMinMax(const Expr& e) {
    return e.kind == ExprKind::Function && (e.text == u"MIN" || e.text == u"MAX") && !e.distinct &&
           !e.star && e.args.size() == 1;
}

const Expr* groupKey(const Select& s, const Expr& column) {
    for (const ExprPtr& g : s.groupBy)
        if (sameColumn(*g, column))
            return g.get();
    return nullptr;
}

QString itemName(const SelectItem& item) {
    if (item.hasAlias)
        return item.alias;
    return item.expr->kind == ExprKind::Column ? item.expr->text : QString();
}

} // namespace

int singleGroupKeyItem(const Select& s) {
    if (s.distinct || s.top || s.having || s.groupBy.empty() || s.from.empty())
        return -1;
    std::vector<const Expr*> where;
    conjuncts(s.where.get(), &where);
    for (const ExprPtr& g : s.groupBy) {
        if (g->kind != ExprKind::Column)
            return -1;
        if (std::none_of(where.begin(), where.end(), [&](const Expr* t) { return pins(*t, *g); }))
            return -1;
    }
    int aggregates = 0;
    int key = -1;
    QStringList names;
    for (size_t i = 0; i < s.items.size(); ++i) {
        const SelectItem& item = s.items[i];
        const QString name = itemName(item);
        if (name.isEmpty() || names.contains(name, Qt::CaseInsensitive))
            return -1;
        names << name;
        if (isMinMax(*item.expr))
            ++aggregates;
        else if (groupKey(s, *item.expr))
            key = key < 0 ? int(i) : key;
        else
            return -1;
    }
    return aggregates == 1 ? key : -1;
}

std::vector<KeyLink> keyLinks(const Expr& on, const TableRef& right) {
    std::vector<KeyLink> links;
    if (!right.derived || right.pivot || right.derived->arms.size() != 1 ||
        !right.derived->orderBy.empty())
        return links;
    const Select& s = right.derived->arms[0];
    if (s.top || s.groupBy.empty() || s.from.size() != 1 || !s.from[0].joins.empty() ||
        s.from[0].first->derived || s.from[0].first->pivot)
        return links;
    std::vector<const Expr*> terms;
    conjuncts(&on, &terms);
    for (const Expr* t : terms) {
        if (!isEquality(*t))
            continue;
        for (int side = 0; side < 2; ++side) {
            const Expr& mine = *t->args[side];
            const Expr& other = *t->args[1 - side];
            if (mine.kind != ExprKind::Column || other.kind != ExprKind::Column ||
                !eq(mine.qualifier, right.alias) || other.qualifier.isEmpty() ||
                eq(other.qualifier, right.alias))
                continue;
            for (const SelectItem& item : s.items) {
                if (!eq(itemName(item), mine.text) || item.expr->kind != ExprKind::Column)
                    continue;
                if (const Expr* key = groupKey(s, *item.expr))
                    links.push_back({other.qualifier, other.text, key});
                break;
            }
        }
    }
    return links;
}

} // namespace tsql::grouped
