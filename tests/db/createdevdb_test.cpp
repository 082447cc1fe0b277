// scripts/create-dev-db, run as a developer runs it, with the built tools.

#include "tests/db/devdb.h"
#include "tests/support/testenv.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kScript = QStringLiteral(MES_SOURCE_DIR) + u"/scripts/create-dev-db"_s;
const QString kMesSql = QStringLiteral(MES_SQL_TOOL);

class CreateDevDbTest : public TestEnv {
protected:
    // Runs a program to its end (at most a minute) and returns its standard output; a
    // failure is reported unless the caller expects one.
    QString run(const QString& program, const QStringList& args, int* exitCode,
                bool mayFail = false) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"MES_SQL"_s, kMesSql);
        env.insert(u"MES_DEMO_SQL"_s, QStringLiteral(MES_DEMO_SQL_TOOL));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(folder());
        p.start(program, args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << program.toStdString() << " did not finish";
        }
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        if (*exitCode != 0 && !mayFail)
            ADD_FAILURE() << QString::fromUtf8(p.readAllStandardError()).toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(CreateDevDbTest, CreatesTheDemoDatabaseThatMesSqlReads) {
    int code = 0;
    run(u"bash"_s, {kScript, u"--date"_s, u"2024-03-05"_s}, &code);
    ASSERT_EQ(code, 0);
    const QString db = path(u"demo.sqlite"_s);
    ASSERT_TRUE(QFileInfo::exists(db));

    const QString out =
        run(kMesSql, {u"--db"_s, db, u"-e"_s, u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER"_s}, &code);
    ASSERT_EQ(code, 0);
    const qint64 orders = DevDb(db).count(u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER"_s);
    EXPECT_GT(orders, 100);
    EXPECT_TRUE(out.contains(QString::number(orders))) << out.toStdString();

    // A second run replaces the file instead of adding to it.
    run(u"bash"_s, {kScript, u"--date"_s, u"2024-03-05"_s, u"--out"_s, db}, &code);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(DevDb(db).count(u"SELECT COUNT(*) FROM B_JAKUPJISI_MASTER"_s), orders);
}

TEST_F(CreateDevDbTest, SchemaOnlyAndSqlServerLines) {
    int code = 0;
    run(u"bash"_s, {kScript, u"--schema-only"_s, u"--out"_s, u"empty.sqlite"_s}, &code);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(DevDb(path(u"empty.sqlite"_s)).count(u"SELECT COUNT(*) FROM B_EMPLOYEE"_s), 0);

    const QString lines = run(
        u"bash"_s,
        {kScript, u"--sqlserver"_s, u"--date"_s, u"2024-03-05"_s, u"--database"_s, u"MES_DEV"_s},
        &code);
    ASSERT_EQ(code, 0);
    EXPECT_TRUE(lines.contains(u"-Q \"CREATE DATABASE MES_DEV\""_s)) << lines.toStdString();
    EXPECT_TRUE(lines.contains(u"-d MES_DEV -f 65001 -i \""_s + QStringLiteral(MES_SOURCE_DIR) +
                               u"/db/schema.sql\""_s));
    EXPECT_TRUE(lines.contains(u"-i \""_s + path(u"demo-2024-03-05.sql"_s) + u"\""_s))
        << lines.toStdString();
    EXPECT_TRUE(QFileInfo(path(u"demo-2024-03-05.sql"_s)).size() > 10000);

    run(u"bash"_s, {kScript, u"--date"_s, u"5.3.2024"_s}, &code, true);
    EXPECT_EQ(code, 2);
}
} // namespace
