// Literals of the demo script: what SQL Server reads back must be the value written.

#include "db/sqlscript.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(SqlScript, LiteralsQuoteTextsAndKeepNumbersAndNull) {
    const QList<std::pair<QVariant, QString>> cases = {
        {QVariant(u"O'Neil"_s), u"'O''Neil'"_s},
        {QVariant(u"재공품추가"_s), u"N'재공품추가'"_s},
        {QVariant(u"L1'선진행재고"_s), u"N'L1''선진행재고'"_s},
        {QVariant(u""_s), u"''"_s},
        {QVariant(u"0"_s), u"'0'"_s},
        {QVariant(150), u"150"_s},
        {QVariant(qint64(-5)), u"-5"_s},
        {QVariant(0.35), u"0.35"_s},
        {QVariant(), u"NULL"_s},
    };
    for (const auto& [value, literal] : cases)
        EXPECT_EQ(SqlScript::literal(value), literal) << literal.toStdString();
}

TEST(SqlScript, InsertNamesEveryColumnInOrderAndEndsEachStatement) {
    SqlScript s;
    s.comment(u"demo"_s);
    s.insert(u"B_CAR"_s, {{u"car_code"_s, u"KX1"_s}, {u"car_name"_s, QVariant()}});
    s.add(u"DELETE S_DATAREPORT1"_s);
    EXPECT_EQ(s.text(), u"-- demo\nINSERT INTO B_CAR (car_code, car_name) VALUES ('KX1', NULL);\n"
                        u"DELETE S_DATAREPORT1;\n"_s);
    EXPECT_EQ(s.statementCount(), 2);
}
