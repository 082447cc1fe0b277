#pragma once

#include "core/tsql/token.h"

#include <QString>

#include <vector>

namespace tsql {

// Splits T-SQL text into tokens. Comments (-- to the end of the line, /* */ nested as the
// server nests them) are dropped; a comment marker inside a string or a bracketed name is
// text. Throws TranslateError on an unterminated string, name or comment.
class Lexer {
public:
    static std::vector<Token> tokenize(const QString& text);
};

} // namespace tsql
