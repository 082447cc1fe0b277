// The end batch of a finished product with five material rows (lot and stock statements,
// line, run and mould shots in one transaction) on stock ledgers of 10 000 and of 1 000 000
// S_PRODUCT_STORE rows, side by side in one run. Each figure is the median of its
// iterations; the 1 000 000 figure also gives its ratio to the 10 000 one.
#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/apppaths.h"
#include "db/dbscripts.h"
#include "production/endingstatements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

namespace {
constexpr int kProducts = 1000;
constexpr int kMaterials = 5;
QString gDataFolder;
std::map<int, double> gMedians; // ledger rows -> ms

QString databaseName(int rows) {
    return QStringLiteral("bench_end_") + QString::number(rows);
}

void native(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("benchmark data: %s", error);
}

// Products A0000 .. A0999; the ledger's rows spread over them and over about three years,
// each product's balance running. The job's line and run, and mould MD1.
void createPlant(int rows) {
    SqliteConnection c(QString(), QString(), embeddedDialect());
    c.setFile(SqliteConnection::fileFor(gDataFolder, databaseName(rows)));
    c.setCreateIfMissing(true);
    DbError e;
    if (!c.open(&e) || !c.execute(DbScripts::schema(), nullptr, &e))
        qFatal("benchmark schema: %s", qPrintable(e.description));
    const auto series = [](int count) {
        return QStringLiteral("WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s "
                              "WHERE n < ") +
               QString::number(count) + QStringLiteral(") ");
    };
    native(c.handle(), QStringLiteral("BEGIN"));
    native(c.handle(), series(kProducts) + QStringLiteral("INSERT INTO B_PRODUCT_MASTER "
                                                          "(product_code) SELECT printf('A%04d', "
                                                          "n - 1) FROM s"));
    const QString perProduct = QString::number(rows / kProducts);
    native(c.handle(),
           series(rows) +
               QStringLiteral("INSERT INTO S_PRODUCT_STORE (ipgo_no, ipgo_no_sub, product_code, "
                              "ipgo_su, culgo_type, lot_no, jego_su, reg_date, last_date, "
                              "last_time, user_id) SELECT printf('R%09d', n), "
                              "printf('R%09d001', n), printf('A%04d', n % 1000), 10, "
                              "'재공품추가', 'L', 1000000 + (n / 1000 + 1) * 10, "
                              "date('2021-01-01', '+' || ((n / 1000) * 1100 / ") +
               perProduct + QStringLiteral(") || ' days'), '2021-01-01', '000000', 'U' FROM s"));
    native(c.handle(),
           QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, product_code, end_yn) "
                          "VALUES ('20240305001', '20240305001001', 'A0000', '2');"
                          "INSERT INTO P_SANGSAN_MASTER (seq, op_seq_sub, qty, bad_qty) VALUES "
                          "('20240305001001', '20240305001001', 0, 0);"));
    native(c.handle(), QStringLiteral("COMMIT; ANALYZE"));
}

QStringList endBatch(int n) {
    EndingStatements::Stock s;
    s.product = QStringLiteral("A0000");
    s.lineNo = QStringLiteral("20240305001001");
    s.runNo = QStringLiteral("20240305001001");
    s.deltaGood = 10;
    s.processCode = QStringLiteral("P10");
    s.machine = QStringLiteral("E1");
    s.today = QStringLiteral("2024-03-05");
    s.productClass = QStringLiteral("완제품");
    s.shift = QStringLiteral("주간");
    s.user = QStringLiteral("U1");
    s.nowHms = QStringLiteral("103000");
    QList<EndingStatements::Material> materials;
    for (int m = 1; m <= kMaterials; ++m)
        materials.append({QStringLiteral("A%1").arg(m * 100, 4, 10, QLatin1Char('0')), 2 + m,
                          QStringLiteral("L%1").arg(n)});
    EndingStatements::Result r;
    r.lineNo = s.lineNo;
    r.runNo = s.runNo;
    r.product = s.product;
    r.good = 10 * n;
    r.today = s.today;
    r.now = QStringLiteral("10:30");
    r.nowHms = s.nowHms;
    r.minutes = QStringLiteral("60");
    r.crewSize = 1;
    r.endState = QStringLiteral("2");
    r.orderDate = s.today;
    r.startTime = QStringLiteral("08:00");
    r.mould = QStringLiteral("MD1");
    r.user = s.user;
    QStringList batch;
    EndingStatements::lsStockSave(s, materials, &batch);
    EndingStatements::lsResultSave(r, &batch);
    return batch;
}

void BM_EndBatch(benchmark::State& state) {
    const int rows = int(state.range(0));
    gsDB_NAME = databaseName(rows);
    gsUSER_ID = QStringLiteral("U1");
    if (!gfDB_OPEN()) {
        state.SkipWithError("the database did not open");
        return;
    }
    std::vector<double> ms;
    int n = 0;
    for (auto _ : state) {
        const QStringList batch = endBatch(++n);
        const auto start = std::chrono::steady_clock::now();
        if (!gfEXEC_SQLS(batch, QStringLiteral("bench"))) {
            state.SkipWithError("the end batch failed");
            break;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms.empty() ? 0 : ms[ms.size() / 2];
    gMedians[rows] = median;
    state.counters["statements"] = double(endBatch(0).size());
    state.counters["median_ms"] = median;
    if (const auto small = gMedians.find(10000); rows != 10000 && small != gMedians.end())
        state.counters["ratio_to_10k"] = median / small->second;
}

BENCHMARK(BM_EndBatch)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(30);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // ENDING_BENCH_DIR keeps the databases in that folder (to look at them afterwards).
    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariableIsEmpty("ENDING_BENCH_DIR")
                               ? temporary.path()
                               : qEnvironmentVariable("ENDING_BENCH_DIR");
    AppPaths::setProgramFolder(folder);
    QDir(folder).mkpath(QStringLiteral("data"));
    gDataFolder = QDir(folder).filePath(QStringLiteral("data"));
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = gDataFolder;
    for (int rows : {10000, 1000000})
        if (!QFile::exists(SqliteConnection::fileFor(gDataFolder, databaseName(rows))))
            createPlant(rows);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
