#pragma once

#include <QString>
#include <QStringView>

namespace tsql {

// A position in the statement text, 1-based, as error messages name it.
struct Pos {
    int line = 1;
    int column = 1;
};

enum class TokenKind {
    End,
    Word,       // keyword or plain name; #temp and ##global names included
    QuotedName, // [name] or "name"; text holds the name without the brackets
    String,     // '..' or N'..'; text holds the value with quotes undoubled
    Number,     // 12, 1.5, .5, 1e3
    Variable,   // @name
    Symbol,     // ( ) , . ; + - * / % = < > <= >= <> != !< !> & | ^ ~
};

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;
    QString upper; // Word tokens: the text in upper case, for keyword tests
    Pos pos;
    bool unicode = false; // N'..'

    bool isWord(QStringView w) const { return kind == TokenKind::Word && upper == w; }
    bool isSymbol(QStringView s) const { return kind == TokenKind::Symbol && text == s; }
    bool isName() const { return kind == TokenKind::Word || kind == TokenKind::QuotedName; }
};

} // namespace tsql
