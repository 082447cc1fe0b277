#include "tests/support/testenv.h"

#include <QProcess>

namespace {
class KilledBatchTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        createDatabase(QStringLiteral("MES_TEST"),
                       QStringLiteral("CREATE TABLE T (id INTEGER PRIMARY KEY, name TEXT);"
                                      "CREATE TABLE U (total INTEGER);"
                                      "INSERT INTO T VALUES (1, 'a'), (2, 'b');"
                                      "INSERT INTO U VALUES (3);"));
    }
    QString rows() const {
        return scalar(dbFile(), QStringLiteral("SELECT (SELECT group_concat(id || name, ' ') "
                                               "FROM T) || ' / ' || (SELECT total FROM U)"));
    }
    // Runs the child up to the pause and kills it there; false when it never paused.
    bool killAt(int pauseAt) {
        QProcess child;
        child.start(QStringLiteral(MES_KILLED_BATCH_CHILD), {dbFile(), QString::number(pauseAt)});
        bool paused = false;
        while (!paused && child.waitForReadyRead(20000))
            paused = child.readAllStandardOutput().contains("ready");
        child.kill();
        child.waitForFinished(20000);
        return paused && child.exitStatus() == QProcess::CrashExit;
    }
};
} // namespace

// A terminal killed between two statements of a batch, or just before its commit, leaves
// nothing of the batch, and the file is sound for the next one.
TEST_F(KilledBatchTest, AProcessKilledInsideABatchLeavesNoPartOfIt) {
    const QString before = rows();
    for (int pauseAt : {2, 3, 4}) {
        ASSERT_TRUE(killAt(pauseAt)) << pauseAt;
        EXPECT_EQ(rows(), before) << pauseAt;
        EXPECT_EQ(scalar(dbFile(), QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"))
            << pauseAt;
    }
    QProcess whole;
    whole.start(QStringLiteral(MES_KILLED_BATCH_CHILD), {dbFile(), QStringLiteral("0")});
    ASSERT_TRUE(whole.waitForFinished(20000));
    EXPECT_EQ(whole.exitCode(), 0);
    EXPECT_EQ(rows(), QStringLiteral("2b 4넷 / 7"));
}
