// The monthly report's statement (and its month operating rate) for June 2025 on plant
// databases holding 1 and 5 years of runs, side by side in one run. The runs come at the
// demo plant's daily volume times 20: 140 runs a day over press, injection and assembly,
// each with one or two downtime entries and the month plans of seven products. Each figure
// is the median of its iterations; the 5-year figure also gives its ratio to the 1-year one.
#include "boards/monthlyreportsql.h"
#include "core/data/recordset.h"
#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/apppaths.h"
#include "db/dbscripts.h"

#include <QCoreApplication>
#include <QDate>
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
constexpr int kRunsPerDay = 7 * 20;
const QDate kLastDay(2025, 12, 31);
const QDate kReportDay(2025, 6, 15);
QString gDataFolder;
std::map<std::pair<int, int>, double> gMedians; // (what, years) -> ms

QString databaseName(int years) {
    return QStringLiteral("monthly_") + QString::number(years);
}

void native(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("benchmark data: %s", error);
}

QString series(qint64 count) {
    return QStringLiteral("WITH RECURSIVE s(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM s WHERE "
                          "n < ") +
           QString::number(count - 1) + QStringLiteral(") ");
}

// The schema through the dialect, then the rows in bulk on the same handle.
void createPlant(int years) {
    SqliteConnection c(QString(), QString(), embeddedDialect());
    c.setFile(SqliteConnection::fileFor(gDataFolder, databaseName(years)));
    c.setCreateIfMissing(true);
    DbError e;
    if (!c.open(&e) || !c.execute(DbScripts::schema(), nullptr, &e))
        qFatal("benchmark schema: %s", qPrintable(e.description));
    const QDate first = kLastDay.addYears(-years).addDays(1);
    const qint64 days = first.daysTo(kLastDay) + 1;
    const QString start = QLatin1Char('\'') + first.toString(Qt::ISODate) + QLatin1Char('\'');
    // Run n: day n / 140; of every 7, two press, three injection, two assembly runs.
    const QString day = QStringLiteral("date(") + start + QStringLiteral(", '+' || (n / ") +
                        QString::number(kRunsPerDay) + QStringLiteral(") || ' days')");
    const QString process = QStringLiteral(
        "CASE n % 7 WHEN 0 THEN '1000' WHEN 1 THEN '1000' WHEN 5 THEN '0002' WHEN 6 THEN '0002' "
        "ELSE '0001' END");
    native(c.handle(), QStringLiteral("BEGIN"));
    native(c.handle(),
           QStringLiteral("INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, "
                          "product_code) VALUES ('R001', '1000', 'FG03'), ('R010', '0001', "
                          "'SF01'), ('R011', '0001', 'SF02'), ('R012', '0001', 'SF04'), "
                          "('R011', '0001', 'SF04'), ('R015', '0002', 'FG01'), ('R016', '0002', "
                          "'FG02')"));
    native(c.handle(),
           series(qint64(days) * kRunsPerDay) +
               QStringLiteral("INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, "
                              "process_code, equipment_code, product_code, jisiqty, qty, "
                              "bad_qty, min, jisi_date, jakup_date, employee_su) SELECT "
                              "printf('P%09d', n), printf('S%09d', n), printf('R%09d', n), "
                              "printf('R%09d001', n), ") +
               process +
               QStringLiteral(", printf('R%03d', n % 7), printf('SF%02d', n % 4 + 1), 300, "
                              "280 + n % 15, n % 6, 400 + n % 80, ") +
               day + QStringLiteral(", ") + day + QStringLiteral(", 1 + n % 3 FROM s"));
    native(c.handle(),
           series(qint64(days) * kRunsPerDay * 3 / 2) +
               QStringLiteral("INSERT INTO P_BIGADONG (op_seq_sub, equipment_code, "
                              "bigadong_code, biga_date, min, employee_su) SELECT "
                              "printf('R%09d001', n * 2 / 3), printf('R%03d', n * 2 / 3 % 7), "
                              "printf('D%02d', n % 9), date(") +
               start + QStringLiteral(", '+' || (n * 2 / 3 / ") + QString::number(kRunsPerDay) +
               QStringLiteral(") || ' days'), 10 + n % 31, 2 FROM s"));
    for (QDate m(first.year(), first.month(), 1); m <= kLastDay; m = m.addMonths(1)) {
        QString cols, values;
        for (int d = 1; d <= m.daysInMonth(); ++d) {
            cols += QStringLiteral(", day_%1").arg(d);
            values += QStringLiteral(", 200");
        }
        for (const char* product : {"FG01", "FG02", "FG03", "SF01", "SF02", "SF03", "SF04"})
            native(c.handle(), QStringLiteral("INSERT INTO S_PRODUCTIONPLAN_MONTH (product_code, "
                                              "productionplan_month") +
                                   cols + QStringLiteral(") VALUES ('") +
                                   QString::fromLatin1(product) + QStringLiteral("', '") +
                                   m.toString(QStringLiteral("yyyy-MM")) + QLatin1Char('\'') +
                                   values + QLatin1Char(')'));
    }
    native(c.handle(), QStringLiteral("COMMIT; ANALYZE"));
}

template <typename Run> void measure(benchmark::State& state, int what, Run run) {
    const int years = int(state.range(0));
    gsDB_NAME = databaseName(years);
    if (!gfDB_OPEN()) {
        state.SkipWithError("the database did not open");
        return;
    }
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int rows = run();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (rows < 1) {
            state.SkipWithError("the statement gave no rows");
            return;
        }
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms.empty() ? 0 : ms[ms.size() / 2];
    gMedians[{what, years}] = median;
    state.counters["median_ms"] = median;
    if (const auto small = gMedians.find({what, 1}); years != 1 && small != gMedians.end())
        state.counters["ratio_to_1y"] = median / small->second;
}

int rowsOf(const QString& sql) {
    Recordset rs;
    DbError e;
    if (!gCon->select(sql, &rs, &e))
        qFatal("statement failed: %s", qPrintable(e.description));
    return rs.rowCount();
}

void BM_MonthlyStatement(benchmark::State& state) {
    measure(state, 0,
            [] { return rowsOf(MonthlyReportSql::statement(kReportDay, QStringLiteral("0001"))); });
}

void BM_MonthOperatingRate(benchmark::State& state) {
    measure(state, 1, [] {
        return rowsOf(MonthlyReportSql::operatingRate(kReportDay, QStringLiteral("0001")));
    });
}

BENCHMARK(BM_MonthlyStatement)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_MonthOperatingRate)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(30);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // MONTHLY_BENCH_DIR keeps the databases in that folder (to look at them afterwards).
    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariableIsEmpty("MONTHLY_BENCH_DIR")
                               ? temporary.path()
                               : qEnvironmentVariable("MONTHLY_BENCH_DIR");
    AppPaths::setProgramFolder(folder);
    QDir(folder).mkpath(QStringLiteral("data"));
    gDataFolder = QDir(folder).filePath(QStringLiteral("data"));
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = gDataFolder;
    for (int years : {1, 5})
        if (!QFile::exists(SqliteConnection::fileFor(gDataFolder, databaseName(years))))
            createPlant(years);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
