// Every statement text the program sends, as it sends it, translated and run against a
// database made from the schema script.
#include "core/platform/clock.h"
#include "tests/core/tsql/tsqldb.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList corpusFiles() {
    QStringList out;
    const QDir dir(QStringLiteral(MES_CORPUS_DIR));
    for (const QString& f : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        out << dir.filePath(f);
    return out;
}

QString read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(TsqlCorpus, EveryStatementRunsOnTheSchema) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
    TsqlDb db(dir.filePath(QStringLiteral("MES_TALVEN.sqlite")));
    db.loadSchema();
    const QString seed = read(QStringLiteral(MES_CORPUS_DIR "/seed.tsql"));
    ASSERT_FALSE(seed.isEmpty());
    ASSERT_EQ(db.exec(seed), QString());

    const QStringList files = corpusFiles();
    EXPECT_GE(files.size(), 40);
    for (const QString& path : files) {
        const QString text = read(path);
        ASSERT_FALSE(text.trimmed().isEmpty()) << path.toStdString();
        // Each file runs in a transaction that is rolled back, so the files stay independent.
        DbError e;
        ASSERT_TRUE(db.connection().begin(&e));
        Recordset rs;
        EXPECT_TRUE(db.connection().select(text, &rs, &e))
            << QFileInfo(path).fileName().toStdString() << ": " << e.description.toStdString();
        ASSERT_TRUE(db.connection().rollback(&e));
    }
    Clock::reset();
}
