// The real program in the board role, run on the scripts of tests/scripts with --clock, on
// a fresh database from the plant schema and the scripts' board fixture.
#include "tests/support/programtest.h"

#include <QFile>

namespace {
constexpr auto kClock = "2024-12-10 08:00:00";

QString script(const char* name) {
    return QStringLiteral(MES_REPLAY_SCRIPTS "/") + QString::fromUtf8(name);
}

class ReplayProgramTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        QFile fixture(script("board.sql"));
        ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
        installProgram(QStringLiteral(MES_PROGRAM), QString::fromUtf8(fixture.readAll()));
    }
};
} // namespace

TEST_F(ReplayProgramTest, ABoardScriptThatHoldsEndsTheProgramWithZero) {
    const ProgramRun r = run({QStringLiteral("--replay"), script("board_start.replay"),
                              QStringLiteral("--clock"), QString::fromLatin1(kClock)});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(
        QStringLiteral("step\t3\texpect frm_S_ImgSHow_Suju/lblTitle 수주대비 출하현황\n")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.endsWith(
        QStringLiteral("step\t11\texpect-color frm_S_ImgSHow_Suju/ss[1,3] 255,255,255\n")))
        << r.out.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("replay:"))) << r.err.toStdString();
}

TEST_F(ReplayProgramTest, AFailingExpectEndsWithOneAndSaysWhatWasFound) {
    const ProgramRun r = run({QStringLiteral("--replay"), script("board_fail.replay"),
                              QStringLiteral("--clock"), QString::fromLatin1(kClock)});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral(
        "replay: step failed at line 4: expect frm_S_ImgSHow_Suju/lblTitle 생산현황\n"
        "replay: found: shows \"수주대비 출하현황\"\n")))
        << r.err.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("step\t5\t"))) << r.out.toStdString();
}

TEST_F(ReplayProgramTest, ScriptsAndOptionsThatCannotBeReadEndWithTwoBeforeStartUp) {
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("--replay"), script("board_unreadable.replay")},
         "board_unreadable.replay: line 3: unknown step \"klick\""},
        {{QStringLiteral("--replay"), path(QStringLiteral("missing.replay"))},
         "cannot read the script"},
        {{QStringLiteral("--replay"), script("board_start.replay"), QStringLiteral("--clock"),
          QStringLiteral("2024-12-10")},
         "--clock wants 'yyyy-mm-dd hh:mm:ss'"},
    };
    for (const auto& [arguments, why] : cases) {
        const ProgramRun r = run(arguments);
        EXPECT_EQ(r.status, 2) << why;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(why))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_EQ(web.requests(), 0); // start-up never began
}
