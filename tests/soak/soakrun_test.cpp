// The soak script's short form: two terminals of ten jobs each at once on one embedded
// database in the test's own folder, with every check of the full run. Then the checks
// themselves on that run, spoilt one way at a time: each fault must fail the check that
// looks for it, and the run passes again once it is undone.
#include "tests/support/testenv.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

struct Outcome {
    int status = -1;
    QString out;
};

class SoakRunTest : public TestEnv {
protected:
    QString soakDir() const { return path(QStringLiteral("soak")); }

    // Runs a command to its end; one that does not end within the guard is asked to stop
    // (the soak script then stops its terminals by their ids) and the test fails.
    Outcome run(const QString& program, const QStringList& arguments, int guardMs) {
        QProcess p;
        p.setProgram(program);
        p.setArguments(arguments);
        p.setWorkingDirectory(folder());
        p.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SOAK_DIR"), soakDir());
        env.insert(QStringLiteral("SOAK_PROGRAM"), QStringLiteral(MES_PROGRAM));
        env.insert(QStringLiteral("MES_SQL"), QStringLiteral(MES_SQL_TOOL));
        env.insert(QStringLiteral("TMPDIR"), folder());
        env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
#ifdef Q_OS_LINUX
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
        QEventLoop loop;
        QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
            ADD_FAILURE() << "did not end; stopped";
            p.terminate();
        });
        p.start();
        guard.start(guardMs);
        loop.exec();
        if (p.state() != QProcess::NotRunning && !p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
        }
        Outcome o;
        o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        o.out = QString::fromUtf8(p.readAll());
        return o;
    }

    Outcome soak() {
        return run(QStringLiteral(MES_SOURCE_DIR "/scripts/soak"),
                   {QStringLiteral("2"), QStringLiteral("10")}, 240000);
    }
    Outcome check() {
        return run(QStringLiteral("python3"),
                   {QStringLiteral(MES_SOURCE_DIR "/tools/soak/soak.py"), QStringLiteral("check"),
                    soakDir(), QStringLiteral("2"), QStringLiteral("10"),
                    QStringLiteral(MES_SQL_TOOL)},
                   60000);
    }
    QString query(const QString& sql) {
        QProcess p;
        p.start(QStringLiteral(MES_SQL_TOOL),
                {QStringLiteral("--db"), soakDir() + QStringLiteral("/data/MES_TALVEN.sqlite"),
                 QStringLiteral("-e"), sql});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
        }
        return p.exitCode() == 0 ? QString() : QString::fromUtf8(p.readAllStandardError());
    }
    QByteArray readSoakFile(const QString& name) {
        QFile f(soakDir() + QLatin1Char('/') + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeSoakFile(const QString& name, const QByteArray& text) {
        QFile f(soakDir() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        f.write(text);
    }
};

// A fault put into a finished run: the statements or file change that make it, those that
// undo it, and the failure the check must report.
struct Fault {
    const char* name;
    const char* spoil;
    const char* undo;
    const char* file;     // a file of the run folder to change instead (nullptr: none)
    const char* appended; // text appended to that file
    const char* reported;
};

const Fault kFaults[] = {
    {"a job number taken twice",
     "UPDATE P_SANGSAN_MASTER SET op_seq = (SELECT MIN(op_seq) FROM P_SANGSAN_MASTER) WHERE "
     "idx = (SELECT MAX(idx) FROM P_SANGSAN_MASTER)",
     "UPDATE P_SANGSAN_MASTER SET op_seq = LEFT(op_seq_sub, 11)", nullptr, nullptr,
     "duplicate job numbers: "},
    {"a running balance off by one",
     "UPDATE S_PRODUCT_STORE SET jego_su = jego_su + 1 WHERE idx = (SELECT MAX(idx) FROM "
     "S_PRODUCT_STORE WHERE product_code = 'M1')",
     "UPDATE S_PRODUCT_STORE SET jego_su = jego_su - 1 WHERE idx = (SELECT MAX(idx) FROM "
     "S_PRODUCT_STORE WHERE product_code = 'M1')",
     nullptr, nullptr, "S_PRODUCT_STORE row"},
    {"a lost update of an order line",
     "UPDATE B_JAKUPJISI_MASTER SET qty = qty - 1 WHERE seq = '20240305006001'",
     "UPDATE B_JAKUPJISI_MASTER SET qty = qty + 1 WHERE seq = '20240305006001'", nullptr, nullptr,
     "order 20240305006001: wrote"},
    {"a finished-goods receipt posted twice",
     "INSERT INTO P_PRODUCT_IPGO (ipgo_no, ipgo_no_sub, product_code, ipgo_su) VALUES "
     "('20240304001', '20240304001001', 'A', 1)",
     "DELETE FROM P_PRODUCT_IPGO WHERE ipgo_su = 1 AND ipgo_no_sub = '20240304001001'", nullptr,
     nullptr, "duplicate finished-goods receipts: 20240304001001"},
    {"an error shown to a worker", nullptr, nullptr, "t02/out.txt",
     "message\tmessageBox\t오류\tdatabase is locked\n", "terminal 2: unexpected message"},
    {"an error log entry", nullptr, nullptr, "t01/202403.err", "statement failed\n",
     "terminal 1: error log 202403.err: statement failed"},
    // A sample taken in cycle 7 (script line 300), after the early figure of cycle 5.
    {"memory growing after the early cycles", nullptr, nullptr, "t01/memory.tsv",
     "999999\t900000\t900000\t300\n", "terminal 1: resident memory grew"},
};

} // namespace

TEST_F(SoakRunTest, ShortRunPassesAndEachFaultFailsItsCheck) {
    const Outcome first = soak();
    ASSERT_EQ(first.status, 0) << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("soak: all checks passed")))
        << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("runs (unique job and run numbers): 20")))
        << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("peak resident memory (highest): ")))
        << first.out.toStdString();
    // Both terminals ended by themselves.
    for (const char* t : {"t01", "t02"})
        EXPECT_EQ(readSoakFile(QString::fromLatin1(t) + QStringLiteral("/status")), "0\n") << t;

    for (const Fault& f : kFaults) {
        SCOPED_TRACE(f.name);
        QByteArray before;
        if (f.spoil) {
            ASSERT_EQ(query(QString::fromUtf8(f.spoil)), QString());
        } else {
            const QString name = QString::fromLatin1(f.file);
            before = readSoakFile(name);
            writeSoakFile(name, before + f.appended);
        }
        const Outcome spoilt = check();
        EXPECT_EQ(spoilt.status, 1) << spoilt.out.toStdString();
        EXPECT_TRUE(spoilt.out.contains(QStringLiteral("FAILED: ") + QString::fromUtf8(f.reported)))
            << spoilt.out.toStdString();
        if (f.spoil) {
            ASSERT_EQ(query(QString::fromUtf8(f.undo)), QString());
        } else if (before.isEmpty() && QString::fromLatin1(f.file).endsWith(u".err")) {
            ASSERT_TRUE(QFile::remove(soakDir() + QLatin1Char('/') + QString::fromLatin1(f.file)));
        } else {
            writeSoakFile(QString::fromLatin1(f.file), before);
        }
        const Outcome undone = check();
        EXPECT_EQ(undone.status, 0) << undone.out.toStdString();
    }
}

TEST_F(SoakRunTest, RefusesMoreJobsThanTheDailyNumbersHold) {
    // 999 job numbers a day and two days a clock group: a terminal cannot do 2000 jobs.
    const Outcome o = run(QStringLiteral(MES_SOURCE_DIR "/scripts/soak"),
                          {QStringLiteral("1"), QStringLiteral("2000")}, 60000);
    EXPECT_NE(o.status, 0);
    EXPECT_TRUE(o.out.contains(QStringLiteral("at most 1998 cycles a terminal")))
        << o.out.toStdString();
    EXPECT_FALSE(QDir(soakDir() + QStringLiteral("/t01")).exists()) << "nothing is started";
}
