#pragma once

#include "core/tsql/ast.h"
#include "core/tsql/catalog.h"
#include "core/tsql/token.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace tsql {

// The translation of one statement shape: statements that differ only in the texts of their
// string literals share it, with each literal's place marked by its token's placeholder.
struct LiteralTemplate {
    bool usable = false; // false: the shape needs its literals' values, translate in full
    bool select = false;
    QString sql;
    // String tokens that are not expression literals (a column alias written 'name'): the
    // template holds only for the same texts there.
    std::vector<std::pair<int, QString>> fixed;
    // Tokens that are LIKE patterns: a character class in one is refused in full translation.
    std::vector<int> likePatterns;
};

namespace literals {

// The key of a statement text's tokens: every token but the text of string literals. Empty
// when the text cannot be keyed (it holds a placeholder's marker character).
QString keyOf(const QString& text, const std::vector<Token>& tokens);

// The template of a single SELECT, INSERT, UPDATE or DELETE over known tables, emitted with
// placeholders; nullopt when it names a table the catalogue does not know (yet).
std::optional<LiteralTemplate> make(Catalog& catalog, const Statement& s,
                                    const std::vector<Token>& tokens);

// The template's SQL with the tokens' string literals in its placeholders; false when the
// tokens break one of its conditions.
bool fill(const LiteralTemplate& t, const std::vector<Token>& tokens, QString* sql);

} // namespace literals
} // namespace tsql
