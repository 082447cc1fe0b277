// The real program on a fresh demo plant in the boards' role, started on the production list
// and quality boards, the product picture board and the monthly report, each walked
// through by its script of tests/scripts.
#include "db/demoplant.h"
#include "tests/support/programtest.h"

#include <QDir>
#include <QFile>

namespace {
QString scriptFile(const char* name) {
    return QStringLiteral(MES_REPLAY_SCRIPTS "/") + QString::fromUtf8(name);
}

class BoardsReplayTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        installProgram(QStringLiteral(MES_PROGRAM),
                       DemoPlant::sql(QDate(2024, 3, 5), QStringLiteral(MES_DEMO_PICTURES)));
        // The picture board's folder (PictureFolder's default) holds the demo's pictures.
        QDir(folder()).mkpath(QStringLiteral("img"));
        const QDir pictures(QStringLiteral(MES_DEMO_PICTURES));
        for (const QString& name : pictures.entryList({QStringLiteral("*.jpg")}, QDir::Files))
            QFile::copy(pictures.filePath(name), path(QStringLiteral("img/") + name));
    }

    ProgramRun replay(const QStringList& options, const char* script) {
        return run(options + QStringList{QStringLiteral("--replay"), scriptFile(script),
                                         QStringLiteral("--clock"),
                                         QStringLiteral("2024-03-05 10:00:00")});
    }
};
} // namespace

TEST_F(BoardsReplayTest, ListAndQualityBoardsAlternate) {
    const ProgramRun r =
        replay({QStringLiteral("--board"), QStringLiteral("list")}, "board_list.replay");
    EXPECT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("expect frm_S_Pumzil_Chart_Show/ss[1,2] 5")))
        << r.out.toStdString();
}

TEST_F(BoardsReplayTest, PictureBoardShowsTheRunningProduct) {
    const ProgramRun r =
        replay({QStringLiteral("--board"), QStringLiteral("picture")}, "board_picture.replay");
    EXPECT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("연결오류"))) << r.out.toStdString();
}

TEST_F(BoardsReplayTest, MonthlyReportAfterTheLogin) {
    const ProgramRun r =
        replay({QStringLiteral("--report"), QStringLiteral("monthly")}, "report_monthly.replay");
    EXPECT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
}
