#include "core/platform/clock.h"
#include "core/platform/singleinstance.h"
#include "core/platform/textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("app.lock"));
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_TRUE(first->acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
    first.reset();
    SingleInstance third(lock);
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstanceTest, LockNameDependsOnUserAndExecutable) {
    const QString tmp = QDir::tempPath();
    const auto lock = [&](const char* user, const char* exe) {
        return SingleInstance::lockPathFor(QString::fromUtf8(user), QString::fromUtf8(exe), tmp);
    };
    const QString base = lock("kim", "/opt/mes/Report_TALVEN");
    EXPECT_EQ(base, lock("kim", "/opt/mes/Report_TALVEN"));
    EXPECT_EQ(QFileInfo(base).absolutePath(), QFileInfo(tmp).absoluteFilePath());
    EXPECT_TRUE(base.endsWith(QStringLiteral(".lock")));
    const QString others[] = {
        lock("lee", "/opt/mes/Report_TALVEN"), lock("kim", "/opt/mes2/Report_TALVEN"),
        lock("kim", "/opt/mes/Report_TALVEN2"), lock("", "/opt/mes/Report_TALVEN")};
    for (const QString& other : others)
        EXPECT_NE(other, base);
    // The parts are kept apart: moving text from the user into the path is another pair.
    EXPECT_NE(lock("kim|", "x"), lock("kim", "|x"));
    // This process's lock is the one of its user and its executable.
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    EXPECT_EQ(SingleInstance::defaultLockPath(),
              SingleInstance::lockPathFor(user, QCoreApplication::applicationFilePath(), tmp));
}

TEST(ClockTest, FixedRunningAndReset) {
    const QDateTime t(QDate(2024, 12, 31), QTime(23, 59, 58));
    Clock::setFixed(t);
    EXPECT_EQ(Clock::now(), t);
    EXPECT_EQ(Clock::today(), QDate(2024, 12, 31));
    Clock::setRunningFrom(t);
    EXPECT_LE(qAbs(Clock::now().secsTo(t)), 1);
    Clock::reset();
    EXPECT_LE(qAbs(Clock::now().secsTo(QDateTime::currentDateTime())), 1);
}

TEST(TextCodecTest, TruncationKeepsWholeCharacters) {
    const QString mixed =
        QStringLiteral("ab") + QString(3, QChar(0xD55C)) + QStringLiteral("\U0001F600");
    EXPECT_EQ(TextCodec::truncateBytes(mixed, 4), QStringLiteral("ab"));
    EXPECT_EQ(TextCodec::truncateBytes(mixed, 5), QStringLiteral("ab") + QChar(0xD55C));
    EXPECT_EQ(TextCodec::truncateBytes(mixed, 14), mixed.left(5));
    EXPECT_EQ(TextCodec::truncateBytes(mixed, 15), mixed);
}
