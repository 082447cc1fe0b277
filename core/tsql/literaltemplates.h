#pragma once

#include "core/tsql/ast.h"
#include "core/tsql/catalog.h"
#include "core/tsql/token.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace tsql {

// The translation of one statement shape: statements that differ only in the texts of their
// string literals share it, with each literal's place marked by its ordinal's placeholder.
struct LiteralTemplate {
    bool usable = false; // false: the shape needs its literals' values, translate in full
    bool select = false;
    QString sql;
    // String literals that are not expression values (a column alias written 'name'): the
    // template holds only for the same texts there.
    std::vector<std::pair<int, QString>> fixed;
    // Literals that are LIKE patterns: a character class in one is refused in full.
    std::vector<int> likePatterns;
};

namespace literals {

// A statement text split into its shape and its string literals, without tokenizing: the
// key is the text with the literals' contents taken out; literals holds their values.
struct Shape {
    QString key;
    QStringList literals;
};

// False when the text cannot be keyed (an unterminated quote or comment, or a character
// that placeholders use).
bool shapeOf(const QString& text, Shape* shape);

// The template of a single SELECT, INSERT, UPDATE or DELETE over known tables, emitted with
// placeholders; nullopt when it names a table the catalogue does not know (yet). Not usable
// when the shape's literals are not the tokens' string literals.
std::optional<LiteralTemplate> make(Catalog& catalog, const Statement& s,
                                    const std::vector<Token>& tokens, const Shape& shape);

// The template's SQL with the literals in its placeholders; false when they break one of
// its conditions.
bool fill(const LiteralTemplate& t, const QStringList& literals, QString* sql);

} // namespace literals
} // namespace tsql
