#pragma once

#include "core/tsql/ast.h"

#include <QString>

namespace tsql {

// Parses a T-SQL batch into statements. Throws TranslateError naming the position of a
// syntax error or of the first construct outside the supported subset.
class Parser {
public:
    static Batch parse(const QString& text);
    // The same for the tokens of a text (Lexer::tokenize).
    static Batch parse(std::vector<Token> tokens);
};

} // namespace tsql
