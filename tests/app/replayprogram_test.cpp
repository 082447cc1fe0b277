// The real program in the board role, run on the scripts of tests/scripts with --clock: a
// copy of the executable in the test's program folder with its conf.ini, version file and a
// fresh database from the plant schema and a small fixture, and a loopback web server for
// the version file and the picture.
#include "tests/support/loopbackhttpserver.h"
#include "tests/support/testenv.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {
constexpr auto kClock = "2024-12-10 08:00:00";
// Only a guard against a program that never ends: it is stopped and the test fails.
constexpr int kGuardMs = 120000;

QString script(const char* name) {
    return QStringLiteral(MES_REPLAY_SCRIPTS "/") + QString::fromUtf8(name);
}

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

class ReplayProgramTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        program = path(QStringLiteral("Report_TALVEN"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MES_PROGRAM), program));
        QFile fixture(script("board.sql"));
        ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
        createPlantDatabase(QStringLiteral("MES_TALVEN"), QString::fromUtf8(fixture.readAll()));
        web.serve("/TALVEN/Report_TALVEN_Version.txt", 200, "1.00");
        web.serve("/PLX/no_photo.gif", 200, "GIF89a", "image/gif");
        write(QStringLiteral("Report_TALVEN_Version.txt"), "1.00\n");
        write(
            QStringLiteral("conf.ini"),
            "[LOCAL_SETTING]\nBackend=sqlite\nDataFolder=" + path(QStringLiteral("data")).toUtf8() +
                "\nLocalIp=127.0.0.1\nWebServer=" + web.url(QString()).toUtf8() + "\nSetClock=0\n");
    }

    void write(const QString& name, const QByteArray& text) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    // Runs the program to its end while this process serves the web files.
    ProgramRun run(const QStringList& arguments) {
        QProcess p;
        p.setProgram(program);
        p.setArguments(arguments);
        p.setWorkingDirectory(folder());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
#ifdef Q_OS_LINUX
        // The program never outlives the test, even one that is killed.
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
        QEventLoop loop;
        QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
            ADD_FAILURE() << "the program did not end; stopped";
            p.kill();
        });
        p.start();
        guard.start(kGuardMs);
        loop.exec();
        if (p.state() != QProcess::NotRunning)
            p.waitForFinished();
        ProgramRun r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QString program;
    LoopbackHttpServer web;
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
