// The scripted terminal's start-up options.
#include "app/startoptions.h"

#include <gtest/gtest.h>

TEST(StartOptionsTest, ReplayAndClockAreReadAndOtherArgumentsLeft) {
    const StartOptions o =
        StartOptions::parse({QStringLiteral("Report_TALVEN"), QStringLiteral("--terminal"),
                             QStringLiteral("--replay"), QStringLiteral("login.replay"),
                             QStringLiteral("--clock"), QStringLiteral("2024-12-10 08:59:58")});
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(o.replayFile, QStringLiteral("login.replay"));
    EXPECT_EQ(o.clock, QDateTime(QDate(2024, 12, 10), QTime(8, 59, 58)));
    EXPECT_EQ(o.role, StartOptions::Role::Terminal);
    EXPECT_TRUE(o.others.isEmpty());

    const StartOptions joined =
        StartOptions::parse({QStringLiteral("p"), QStringLiteral("--replay=a b.replay"),
                             QStringLiteral("--clock=2024-02-29 23:59:59")});
    EXPECT_EQ(joined.replayFile, QStringLiteral("a b.replay"));
    EXPECT_EQ(joined.clock, QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));

    const StartOptions site = StartOptions::parse(
        {QStringLiteral("p"), QStringLiteral("--site"), QStringLiteral("--terminal")});
    EXPECT_EQ(site.role, StartOptions::Role::Site);

    const StartOptions none = StartOptions::parse({QStringLiteral("p")});
    EXPECT_EQ(none.role, StartOptions::Role::Boards);
    EXPECT_EQ(none.board, StartOptions::Board::OrdersAndProduction);
    EXPECT_TRUE(none.replayFile.isEmpty());
    EXPECT_FALSE(none.clock.isValid());
}

TEST(StartOptionsTest, BadValuesAreRefused) {
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("--replay")}, "--replay needs a value"},
        {{QStringLiteral("--replay=")}, "--replay needs a file"},
        {{QStringLiteral("--clock")}, "--clock needs a value"},
        {{QStringLiteral("--clock"), QStringLiteral("2024-12-10")}, "--clock wants"},
        {{QStringLiteral("--clock"), QStringLiteral("2023-02-29 10:00:00")}, "--clock wants"},
        {{QStringLiteral("--clock"), QStringLiteral("2024-12-10 24:00:00")}, "--clock wants"},
        {{QStringLiteral("--clock"), QStringLiteral("10.12.2024 08:00:00")}, "--clock wants"},
        {{QStringLiteral("--board")}, "--board needs a value"},
        {{QStringLiteral("--board"), QStringLiteral("monthly")}, "--board wants list or picture"},
        {{QStringLiteral("--report"), QStringLiteral("list")}, "--report wants monthly"},
        {{QStringLiteral("--terminal"), QStringLiteral("--board"), QStringLiteral("list")},
         "--board and --report start without"},
    };
    for (const auto& [args, why] : cases) {
        const StartOptions o = StartOptions::parse(QStringList{QStringLiteral("p")} + args);
        EXPECT_TRUE(o.error.startsWith(QString::fromUtf8(why)))
            << args.join(QLatin1Char(' ')).toStdString() << " -> " << o.error.toStdString();
    }
}

TEST(StartOptionsTest, BoardsAndReportChooseTheFirstScreen) {
    const std::pair<QStringList, StartOptions::Board> cases[] = {
        {{QStringLiteral("--board"), QStringLiteral("list")}, StartOptions::Board::ListAndQuality},
        {{QStringLiteral("--board=picture")}, StartOptions::Board::Picture},
        {{QStringLiteral("--report"), QStringLiteral("monthly"), QStringLiteral("--clock"),
          QStringLiteral("2024-03-05 10:00:00")},
         StartOptions::Board::MonthlyReport},
    };
    for (const auto& [args, board] : cases) {
        const StartOptions o = StartOptions::parse(QStringList{QStringLiteral("p")} + args);
        EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
        EXPECT_EQ(o.board, board) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(o.role, StartOptions::Role::Boards);
    }
}
