#include "core/tsql/parser.h"
#include "core/tsql/translateerror.h"

#include <gtest/gtest.h>

using tsql::Parser;
using tsql::StatementKind;
using tsql::TranslateError;

namespace {
QString errorOf(const QString& text) {
    try {
        Parser::parse(text);
    } catch (const TranslateError& e) {
        return e.message();
    }
    return QString();
}
} // namespace

TEST(TsqlParser, BatchesSplitWithoutSeparators) {
    const tsql::Batch b = Parser::parse(QStringLiteral(
        "delete p_sangsan_master\nwhere op_seq_sub = 'x'\nupdate b_jakupjisi_master\nset\nend_yn = "
        "'3'\nwhere seq = 'y'\n"
        "SELECT 1; GO\nIF 1 = 1 BEGIN SELECT 2 END ELSE BEGIN SELECT 3 SELECT 4 END"));
    ASSERT_EQ(b.statements.size(), 4u);
    EXPECT_EQ(b.statements[0]->kind, StatementKind::Delete);
    EXPECT_EQ(b.statements[1]->kind, StatementKind::Update);
    EXPECT_EQ(b.statements[2]->kind, StatementKind::Select);
    ASSERT_EQ(b.statements[3]->kind, StatementKind::If);
    EXPECT_EQ(b.statements[3]->elseBranch->body.size(), 2u);
}

TEST(TsqlParser, AliasesInAllThreeForms) {
    const tsql::Batch b =
        Parser::parse(QStringLiteral("SELECT a AS [x y], b AS z, c w, d 'q', e, total = f + 1 FROM "
                                     "T t1 JOIN U AS u1 ON t1.a = u1.a"));
    const auto& items = b.statements[0]->query->arms[0].items;
    ASSERT_EQ(items.size(), 6u);
    const char* aliases[] = {"x y", "z", "w", "q", "", "total"};
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].alias, QLatin1String(aliases[i]));
    EXPECT_EQ(b.statements[0]->query->arms[0].from[0].first->alias, QStringLiteral("t1"));
    EXPECT_EQ(b.statements[0]->query->arms[0].from[0].joins[0].right->alias, QStringLiteral("u1"));
}

TEST(TsqlParser, SyntaxErrorsNameThePosition) {
    EXPECT_EQ(errorOf(QStringLiteral("SELECT FROM T")),
              QStringLiteral("Incorrect syntax near 'FROM' at line 1, column 8."));
    EXPECT_EQ(errorOf(QStringLiteral("UPDAT T SET qty = 6")),
              QStringLiteral("Incorrect syntax near 'UPDAT' at line 1, column 1."));
    EXPECT_EQ(errorOf(QStringLiteral("SELECT a\nFROM T\nWHERE (a = 1")),
              QStringLiteral("Incorrect syntax near 'end of text' at line 3, column 13."));
    EXPECT_EQ(errorOf(QStringLiteral("IF 1 = 1 BEGIN SELECT 1")),
              QStringLiteral("Incorrect syntax near 'end of text' at line 1, column 24."));
    EXPECT_EQ(errorOf(QStringLiteral("SELECT a FROM (SELECT 1 AS a)")),
              QStringLiteral("Incorrect syntax near 'end of text' at line 1, column 30."));
}

TEST(TsqlParser, ConstructsOutsideTheSubsetAreRefused) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"DECLARE @x INT", "unsupported T-SQL: DECLARE at line 1, column 1"},
        {"SELECT ROW_NUMBER() OVER (ORDER BY a) FROM T",
         "unsupported T-SQL: OVER at line 1, column 21"},
        {"SELECT a INTO #x FROM T", "unsupported T-SQL: SELECT .. INTO at line 1, column 10"},
        {"SELECT a FROM T\nCROSS APPLY U", "unsupported T-SQL: CROSS APPLY at line 2, column 1"},
        {"SELECT @v", "unsupported T-SQL: variable @v at line 1, column 8"},
        {"WITH x AS (SELECT 1) SELECT * FROM x", "unsupported T-SQL: WITH at line 1, column 1"},
        {"EXEC sp_who", "unsupported T-SQL: EXEC at line 1, column 1"},
        {"BEGIN TRAN", "unsupported T-SQL: BEGIN TRAN at line 1, column 1"},
        {"SELECT a FROM T UNPIVOT (x FOR y IN (a)) p",
         "unsupported T-SQL: UNPIVOT at line 1, column 17"},
        {"SELECT TOP 10 PERCENT a FROM T",
         "unsupported T-SQL: TOP .. PERCENT at line 1, column 15"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(QString::fromUtf8(c.text)), QString::fromUtf8(c.message)) << c.text;
}

TEST(TsqlParser, DeepNestingIsRefusedNotOverflowed) {
    const QString text =
        QStringLiteral("SELECT ") + QString(5000, QLatin1Char('(')) + QStringLiteral("1");
    EXPECT_TRUE(
        errorOf(text).startsWith(QStringLiteral("unsupported T-SQL: nesting deeper than 200")));
}
