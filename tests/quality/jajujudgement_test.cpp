// The item judgement of the inspection sheet: two-sided and one-sided limits, visual items.
#include "quality/jajujudgement.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    const char* name;
    std::array<QString, 3> x;
    QString min, max;
    QString result;
    bool resultRed;
    std::array<bool, 3> red;
};
} // namespace

TEST(JajuJudgement, ReadingsAgainstTheLimits) {
    const QString pass = QStringLiteral("합격");
    const QString fail = QStringLiteral("불합격");
    const QString none;
    const Case cases[] = {
        {"outside both ends",
         {u"9"_qs, u"15"_qs, u"21"_qs},
         u"10"_qs,
         u"20"_qs,
         fail,
         true,
         {true, false, true}},
        {"the limits are inside",
         {u"10"_qs, u"20"_qs, u"15"_qs},
         u"10"_qs,
         u"20"_qs,
         pass,
         false,
         {false, false, false}},
        {"max only: a later reading inside passes",
         {u"7"_qs, u"3"_qs, none},
         none,
         u"5"_qs,
         pass,
         false,
         {false, false, false}},
        {"max only: a later reading over fails",
         {u"3"_qs, u"7"_qs, none},
         u"-"_qs,
         u"5"_qs,
         fail,
         true,
         {false, false, false}},
        {"min only", {u"8"_qs, u"7.9"_qs, none}, u"8"_qs, none, fail, true, {false, false, false}},
        {"visual ok",
         {u"ok"_qs, u"양호"_qs, u"OK"_qs},
         none,
         none,
         pass,
         false,
         {false, false, false}},
        {"visual ng", {u"ok"_qs, u"ng"_qs, none}, none, none, fail, true, {false, true, false}},
        {"a number on a visual item",
         {u"5"_qs, none, none},
         none,
         none,
         fail,
         true,
         {false, false, false}},
        {"other text", {u"x"_qs, none, none}, u"10"_qs, u"20"_qs, fail, true, {true, false, false}},
        {"nothing read",
         {none, none, none},
         u"10"_qs,
         u"20"_qs,
         pass,
         false,
         {false, false, false}},
    };
    for (const Case& c : cases) {
        const JajuJudgement::Row r = JajuJudgement::judge(c.x, c.min, c.max);
        EXPECT_EQ(r.result, c.result) << c.name;
        EXPECT_EQ(r.resultRed, c.resultRed) << c.name;
        EXPECT_EQ(r.readingRed, c.red) << c.name;
    }
}
