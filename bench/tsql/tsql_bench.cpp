// Speed of the T-SQL dialect: translation time per statement of the corpus (first time, with
// other literals in a known shape, and repeated), and a query over
// 100 000 rows through the dialect against the same query written for SQLite by hand, run
// alternately on one connection so both see the same cache and machine state.
#include "core/data/sqliteconnection.h"
#include "core/data/sqlitesession.h"
#include "core/tsql/tsqldialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

QString read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// One database made from the schema script, shared by the benchmarks.
struct Fixture {
    QTemporaryDir dir;
    std::shared_ptr<TsqlDialect> dialect = std::make_shared<TsqlDialect>();
    std::unique_ptr<SqliteConnection> con;

    Fixture() {
        con = std::make_unique<SqliteConnection>(QString(), QString(), dialect);
        con->setFile(dir.filePath(QStringLiteral("MES_BENCH.sqlite")));
        con->setCreateIfMissing(true);
        DbError e;
        if (!con->open(&e) ||
            !con->execute(read(QStringLiteral(MES_SOURCE_DIR "/db/schema.sql")), nullptr, &e))
            qFatal("bench set-up: %s", qPrintable(e.description));
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

enum class Round {
    FirstTime,     // nothing kept: every statement is parsed and emitted
    OtherLiterals, // the texts of the string literals change every round, the shapes repeat
    Repeated,      // the same texts every round
};

// The corpus texts of a round: OtherLiterals appends the round number to the string
// literals' texts.
QStringList roundTexts(const QStringList& texts, Round kind, int round) {
    if (kind != Round::OtherLiterals)
        return texts;
    // Literals of two characters or more: a one-letter code such as OBJECT_ID's 'U' stays.
    static const QRegularExpression literal(QStringLiteral("'(?:[^']|'')*'"));
    const QString suffix = QLatin1Char('r') + QString::number(round);
    QStringList out;
    for (const QString& t : texts) {
        QString varied;
        qsizetype from = 0;
        for (QRegularExpressionMatchIterator it = literal.globalMatch(t); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            varied += QStringView(t).mid(from, m.capturedEnd() - from);
            if (m.capturedLength() >= 4) // the quotes and two characters
                varied.insert(varied.size() - 1, suffix);
            from = m.capturedEnd();
        }
        varied += QStringView(t).mid(from);
        out << varied;
    }
    return out;
}

// Translates every corpus statement; counters give the median and the slowest statement's
// median in microseconds, the label names the slowest.
void translateCorpus(benchmark::State& state, Round kind) {
    Fixture& f = fixture();
    QStringList texts;
    QStringList names;
    // The hand-written statements and, when built, the ones the builders write.
    for (const char* folder : {MES_CORPUS_DIR, MES_GENERATED_CORPUS_DIR}) {
        if (!*folder)
            continue;
        const QDir dir(QString::fromUtf8(folder));
        for (const QString& name :
             dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
            texts << read(dir.filePath(name));
            names << name;
        }
    }
    std::vector<std::vector<double>> perStatement(size_t(texts.size()));
    QString out;
    DbError e;
    int round = 0;
    f.dialect->forgetTranslations(f.con->handle());
    for (auto _ : state) {
        state.PauseTiming();
        const QStringList current = roundTexts(texts, kind, ++round);
        if (kind == Round::FirstTime)
            f.dialect->forgetTranslations(f.con->handle());
        state.ResumeTiming();
        for (qsizetype i = 0; i < current.size(); ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            const bool ok = f.dialect->translate(f.con->handle(), current[i], &out, &e);
            const auto t1 = std::chrono::steady_clock::now();
            if (!ok) {
                state.SkipWithError(qPrintable(names[i] + QStringLiteral(": ") + e.description));
                return;
            }
            benchmark::DoNotOptimize(out);
            perStatement[size_t(i)].push_back(
                std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
    }
    std::vector<double> medians;
    for (const auto& v : perStatement)
        medians.push_back(median(v));
    state.counters["statements"] = double(texts.size());
    state.counters["median_us"] = median(medians);
    const auto slowest = std::max_element(medians.begin(), medians.end());
    state.counters["slowest_us"] = medians.empty() ? 0 : *slowest;
    if (!medians.empty())
        state.SetLabel(
            (QStringLiteral("slowest: ") + names[slowest - medians.begin()]).toStdString());
}

void BM_TranslateCorpusStatementFirstTime(benchmark::State& state) {
    translateCorpus(state, Round::FirstTime);
}
BENCHMARK(BM_TranslateCorpusStatementFirstTime)->Unit(benchmark::kMillisecond)->Iterations(200);

// What the program mostly sends: statements of a known shape with other spliced values.
void BM_TranslateCorpusStatementOtherLiterals(benchmark::State& state) {
    translateCorpus(state, Round::OtherLiterals);
}
BENCHMARK(BM_TranslateCorpusStatementOtherLiterals)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_TranslateCorpusStatementRepeated(benchmark::State& state) {
    translateCorpus(state, Round::Repeated);
}
BENCHMARK(BM_TranslateCorpusStatementRepeated)->Unit(benchmark::kMillisecond)->Iterations(200);

const char* const kTsqlQuery =
    "\n            SELECT  S_PS.lot_no,"
    "\n                    IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) as [재고],"
    "\n                    MIN(S_PS.reg_date) As reg_date,"
    "\n                    CASE WHEN S_PS.lot_no LIKE '%선진행재고%' THEN '1'"
    "\n                    ELSE '2' END AS gubun"
    "\n            From S_PRODUCT_STORE S_PS"
    "\n            WHERE S_PS.reg_date <= '2024-03-05'"
    "\n            GROUP BY S_PS.lot_no"
    "\n            Having IsNull(Sum(S_PS.ipgo_su), 0) - IsNull(Sum(S_PS.culgo_su), 0) > 0"
    "\n            ORDER BY gubun, S_PS.lot_no";

const char* const kSqliteQuery =
    "SELECT lot_no, ifnull(sum(ipgo_su), 0) - ifnull(sum(culgo_su), 0) AS stock, "
    "min(reg_date) AS reg_date, CASE WHEN lot_no LIKE '%선진행재고%' THEN '1' ELSE '2' END AS "
    "gubun "
    "FROM S_PRODUCT_STORE WHERE reg_date <= '2024-03-05' GROUP BY lot_no "
    "HAVING ifnull(sum(ipgo_su), 0) - ifnull(sum(culgo_su), 0) > 0 ORDER BY gubun, lot_no";

void fillStock(Fixture& f) {
    static bool done = false;
    if (done)
        return;
    done = true;
    SqliteSession session(f.con->handle());
    DbError e;
    const QString fill = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO S_PRODUCT_STORE (ipgo_no, ipgo_no_sub, product_code, ipgo_su, culgo_su, "
        "culgo_type, lot_no, jego_su, reg_date) "
        "SELECT 'N' || i, 'N' || i || '001', 'M' || (i % 100), i % 7, i % 3, 'x', 'L' || (i % "
        "1000), 0, "
        "printf('2024-%02d-%02d', 1 + i % 3, 1 + i % 28) FROM n");
    if (!session.run(fill, nullptr, nullptr, &e))
        qFatal("fill: %s", qPrintable(e.description));
}

// Alternates the two forms; counters give both medians and their ratio.
void BM_Query100kRowsDialectVsSqlite(benchmark::State& state) {
    Fixture& f = fixture();
    fillStock(f);
    SqliteSession session(f.con->handle());
    std::vector<double> dialect, native;
    DbError e;
    for (auto _ : state) {
        Recordset a, b;
        const auto t0 = std::chrono::steady_clock::now();
        if (!f.dialect->run(session, QString::fromUtf8(kTsqlQuery), &a, nullptr, &e))
            state.SkipWithError(qPrintable(e.description));
        const auto t1 = std::chrono::steady_clock::now();
        if (!session.run(QString::fromUtf8(kSqliteQuery), &b, nullptr, &e))
            state.SkipWithError(qPrintable(e.description));
        const auto t2 = std::chrono::steady_clock::now();
        if (a.rowCount() != b.rowCount())
            state.SkipWithError("the two forms disagree");
        dialect.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        native.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    const double d = median(dialect);
    const double n = median(native);
    state.counters["dialect_ms"] = d;
    state.counters["sqlite_ms"] = n;
    state.counters["ratio"] = n > 0 ? d / n : 0;
}
BENCHMARK(BM_Query100kRowsDialectVsSqlite)->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
