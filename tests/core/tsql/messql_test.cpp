#include "core/platform/clock.h"
#include "tools/mes-sql/mesqlcommand.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
struct Output {
    int code = 0;
    QString out;
    QString err;
};

QString drain(FILE* f) {
    std::rewind(f);
    QByteArray all;
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        all.append(buf, qsizetype(n));
    std::fclose(f);
    return QString::fromUtf8(all);
}

Output run(const QStringList& args, const QByteArray& input = QByteArray()) {
    FILE* in = std::tmpfile();
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    std::fwrite(input.constData(), 1, size_t(input.size()), in);
    std::rewind(in);
    Output o;
    o.code = MesSqlCommand().run(args, in, out, err);
    std::fclose(in);
    o.out = drain(out);
    o.err = drain(err);
    Clock::reset();
    return o;
}
} // namespace

TEST(MesSql, SeedsQueriesAndReportsErrors) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("MES_TEST.sqlite"));
    Output o = run({QStringLiteral("--db"), db},
                   "CREATE TABLE T (k varchar(5), n int, f float)\nINSERT INTO T VALUES ('a', 1, "
                   "2.0)\nINSERT INTO T VALUES ('b', NULL, 2.5)");
    EXPECT_EQ(o.code, 0) << o.err.toStdString();
    o = run({QStringLiteral("--db"), db, QStringLiteral("--now"),
             QStringLiteral("2024-03-05 10:00:00"), QStringLiteral("-e"),
             QStringLiteral("SELECT k, n, f AS [값 f] FROM T ORDER BY k\nSELECT convert(varchar, "
                            "getdate(), 120) AS now")});
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.out,
              QStringLiteral("k\tn\t값 f\na\t1\t2\nb\tNULL\t2.5\nnow\n2024-03-05 10:00:00\n"));
    o = run({QStringLiteral("--db"), db, QStringLiteral("-e"),
             QStringLiteral("INSERT INTO T VALUES ('c', 1, 0)\nSELECT 1 / 0")});
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.err, QStringLiteral("Divide by zero error encountered.\n"));
    // The failed batch left nothing behind.
    o = run({QStringLiteral("--db"), db, QStringLiteral("-e"),
             QStringLiteral("SELECT COUNT(*) AS n FROM T")});
    EXPECT_EQ(o.out, QStringLiteral("n\n2\n"));
    o = run({QStringLiteral("--db"), db, QStringLiteral("--translate"), QStringLiteral("-e"),
             QStringLiteral("SELECT TOP 1 k FROM T")});
    EXPECT_EQ(o.out, QStringLiteral("SELECT \"k\" AS \"k\" FROM \"T\" LIMIT 1;\n"));
    EXPECT_EQ(run({QStringLiteral("--now"), QStringLiteral("x")}).code, 2);
    // A missing file name is refused, not taken from the next option.
    EXPECT_EQ(run({QStringLiteral("--db"), QStringLiteral("--translate"), QStringLiteral("-e"),
                   QStringLiteral("SELECT 1")})
                  .code,
              2);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("--translate")));
}
