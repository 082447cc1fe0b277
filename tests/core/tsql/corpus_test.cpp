// Every statement text the program sends, as it sends it, translated and run against a
// database made from the schema script and a small seed; each result is compared with the
// one the server gives on that data (corpus/<name>.expected, see corpusexpectation.h).
// Hand-written statements (of screens whose builders do not exist yet) live in corpus/;
// those the program's builders make are written into the build tree by corpusgen. When a
// builder comes for a hand-written statement, its hand file goes and its line is added to
// corpusgen's table; a name in both places fails here.
#include "core/platform/clock.h"
#include "tests/core/tsql/corpusexpectation.h"
#include "tests/core/tsql/tsqldb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Statement name -> file, from the hand folder and the generated one.
QMap<QString, QString> statementFiles(QStringList* clashes) {
    QMap<QString, QString> out;
    for (const char* folder : {MES_CORPUS_DIR, MES_GENERATED_CORPUS_DIR}) {
        const QDir dir(QString::fromUtf8(folder));
        for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.sql")}, QDir::Files)) {
            if (out.contains(f.completeBaseName()))
                *clashes << f.completeBaseName();
            out.insert(f.completeBaseName(), f.filePath());
        }
    }
    return out;
}

QStringList lines(const QString& rows) {
    return rows.isEmpty() ? QStringList() : rows.split(QLatin1Char('\n'));
}

QString differ(const QString& what, const QStringList& expected, const QStringList& actual) {
    if (expected == actual)
        return QString();
    return what + QStringLiteral("\n  expected:\n    ") + expected.join(QStringLiteral("\n    ")) +
           QStringLiteral("\n  got:\n    ") + actual.join(QStringLiteral("\n    "));
}

// The differences between the statement's result and the expectation; empty when it matches.
QString check(TsqlDb& db, const QString& text, const CorpusExpectation& want, Backend backend) {
    QStringList diffs;
    if (want.affected) {
        qint64 n = -1;
        const QString err = db.exec(text, &n);
        if (!err.isEmpty())
            diffs << err;
        else if (n != *want.affected)
            diffs
                << QStringLiteral("affected rows: expected %1, got %2").arg(*want.affected).arg(n);
    }
    if (want.rows) {
        QStringList expected =
            backend == Backend::Odbc && want.odbcRows ? *want.odbcRows : *want.rows;
        QStringList actual = lines(db.run(text));
        if (want.anyOrder) {
            expected.sort();
            actual.sort();
        }
        diffs << differ(QStringLiteral("rows"), expected, actual);
    }
    for (const CorpusExpectation::Query& q : want.after)
        diffs << differ(QStringLiteral("after ") + q.text, q.rows, lines(db.run(q.text)));
    diffs.removeAll(QString());
    return diffs.join(QLatin1Char('\n'));
}

// The corpus runs on the embedded backend, and over ODBC through the SQLite ODBC driver.
class TsqlCorpus : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        if (GetParam() == Backend::Odbc) {
            ASSERT_TRUE(
                OdbcSqlite::registeredDrivers().contains(QLatin1String(OdbcSqlite::kDriver)))
                << "the SQLite ODBC driver is not registered (scripts/install-deps)";
        }
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
        m_db = std::make_unique<TsqlDb>(m_dir.filePath(QStringLiteral("MES_TALVEN.sqlite")),
                                        GetParam());
        m_db->loadSchema();
        const QString seed = read(QStringLiteral(MES_CORPUS_DIR "/seed.tsql"));
        ASSERT_FALSE(seed.isEmpty());
        ASSERT_EQ(m_db->exec(seed), QString());
    }
    void TearDown() override { Clock::reset(); }

    QTemporaryDir m_dir;
    std::unique_ptr<TsqlDb> m_db;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Backends, TsqlCorpus, ::testing::Values(Backend::Embedded, Backend::Odbc),
                         ::testing::PrintToStringParamName());

TEST_P(TsqlCorpus, EveryStatementGivesTheServersResultOnTheSeed) {
    QStringList clashes;
    const QMap<QString, QString> files = statementFiles(&clashes);
    EXPECT_TRUE(clashes.isEmpty())
        << "written by hand and generated: " << clashes.join(QStringLiteral(", ")).toStdString();
    const QDir expectations(QStringLiteral(MES_CORPUS_DIR));
    for (const QString& e : expectations.entryList({QStringLiteral("*.expected")}, QDir::Files)) {
        const QString name = QFileInfo(e).completeBaseName();
        EXPECT_TRUE(files.contains(name)) << e.toStdString() << " has no statement";
    }

    QStringList known;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const std::string file = QFileInfo(it.value()).fileName().toStdString();
        const QString text = read(it.value());
        QString error;
        const CorpusExpectation want = CorpusExpectation::parse(
            read(expectations.filePath(it.key() + QStringLiteral(".expected"))), &error);
        if (!error.isEmpty()) {
            ADD_FAILURE() << file << ": " << it.key().toStdString()
                          << ".expected: " << error.toStdString();
            continue;
        }
        // Each statement runs in a transaction that is rolled back, so they stay independent.
        DbError e;
        ASSERT_TRUE(m_db->connection().begin(&e));
        const QString diff = check(*m_db, text, want, GetParam());
        ASSERT_TRUE(m_db->connection().rollback(&e));
        if (!want.knownFailing.isEmpty()) {
            EXPECT_FALSE(diff.isEmpty())
                << file << " now gives the expected result: drop its known-failing line";
            known << QString::fromStdString(file) + QStringLiteral(" (") + want.knownFailing +
                         QStringLiteral("):\n") + diff;
        } else {
            EXPECT_TRUE(diff.isEmpty()) << file << ":\n" << diff.toStdString();
        }
    }
    if (!known.isEmpty()) {
        const QString report =
            QStringLiteral("known dialect differences:\n") + known.join(QLatin1Char('\n'));
        RecordProperty("known_failing", known.size());
        std::printf("%s\n", qPrintable(report));
    }
}
