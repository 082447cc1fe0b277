#include "core/tsql/lexer.h"
#include "core/tsql/translateerror.h"

#include <QStringList>

#include <gtest/gtest.h>

using tsql::Lexer;
using tsql::TokenKind;
using tsql::TranslateError;

namespace {
QString kinds(const QString& text) {
    QStringList out;
    for (const tsql::Token& t : Lexer::tokenize(text)) {
        switch (t.kind) {
        case TokenKind::End:
            out << QStringLiteral("END");
            break;
        case TokenKind::Word:
            out << QStringLiteral("W:") + t.text;
            break;
        case TokenKind::QuotedName:
            out << QStringLiteral("Q:") + t.text;
            break;
        case TokenKind::String:
            out << (t.unicode ? QStringLiteral("N:") : QStringLiteral("S:")) + t.text;
            break;
        case TokenKind::Number:
            out << QStringLiteral("#:") + t.text;
            break;
        case TokenKind::Variable:
            out << QStringLiteral("@:") + t.text;
            break;
        case TokenKind::Symbol:
            out << t.text;
            break;
        }
    }
    return out.join(QLatin1Char(' '));
}

QString errorOf(const QString& text) {
    try {
        Lexer::tokenize(text);
    } catch (const TranslateError& e) {
        return e.message();
    }
    return QString();
}
} // namespace

TEST(TsqlLexer, TokensOfTheProgramsStatements) {
    struct Case {
        const char16_t* text;
        const char16_t* tokens;
    } cases[] = {
        {u"[LOT 재고]", u"Q:LOT 재고 END"},
        {u"[a.b]]c]", u"Q:a.b]c END"},
        {u"N'가나' 'it''s'", u"N:가나 S:it's END"},
        {u"'--not a comment' -- comment\nx", u"S:--not a comment W:x END"},
        {u"a /* one /* nested */ still */ b", u"W:a W:b END"},
        {u"'/*' x", u"S:/* W:x END"},
        {u"#temp ##TEMP_REAL_LOT TEMPDB..##X", u"W:#temp W:##TEMP_REAL_LOT W:TEMPDB . . W:##X END"},
        {u"12 1.5 .5 1e3 2E-2", u"#:12 #:1.5 #:.5 #:1e3 #:2E-2 END"},
        {u"a<>b!=c<=d>=e", u"W:a <> W:b != W:c <= W:d >= W:e END"},
        {u"@x = 1", u"@:@x = #:1 END"},
        {u"\"col\" 재고", u"Q:col W:재고 END"},
        {u"As[불량수량]", u"W:As Q:불량수량 END"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kinds(QString::fromUtf16(c.text)), QString::fromUtf16(c.tokens))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(TsqlLexer, PositionsCountLinesAndColumns) {
    const auto tokens = Lexer::tokenize(QStringLiteral("\nSELECT\n  [a\nb], 'x\ny' z"));
    ASSERT_GE(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].pos.line, 2);
    EXPECT_EQ(tokens[1].pos.line, 3);
    EXPECT_EQ(tokens[1].pos.column, 3);
    EXPECT_EQ(tokens[4].pos.line, 5); // after the line feeds inside the name and the string
    EXPECT_EQ(tokens[4].pos.column, 4);
}

TEST(TsqlLexer, UnterminatedTextsNameTheirStart) {
    EXPECT_EQ(errorOf(QStringLiteral("SELECT 'abc")),
              QStringLiteral("Incorrect syntax near ''abc' at line 1, column 8."));
    EXPECT_EQ(errorOf(QStringLiteral("SELECT\n [abc")),
              QStringLiteral("Incorrect syntax near '[abc' at line 2, column 2."));
    EXPECT_EQ(errorOf(QStringLiteral("SELECT 1 /* x")),
              QStringLiteral("Incorrect syntax near '/*' at line 1, column 10."));
    EXPECT_EQ(errorOf(QStringLiteral("SELECT 1 ? 2")),
              QStringLiteral("Incorrect syntax near '?' at line 1, column 10."));
}
