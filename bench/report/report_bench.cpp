// The report screen's lsQuery and its 5-second refresh on plant databases with 10 000 and
// with 1 000 000 production runs (each with its order line, mould shots, defects and
// downtime), side by side in one run. Each figure is the median of its iterations; the
// 1 000 000 figures also give their ratio to the 10 000 ones.
#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/apppaths.h"
#include "db/dbscripts.h"
#include "production/frm_s_dayreport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

namespace {
constexpr int kMachines = 200;  // 10 of them on this terminal
constexpr int kProducts = 1000; // one mould each
QString gDataFolder;
std::map<std::pair<int, int>, double> gMedians; // (what, runs) -> ms

QString databaseName(int runs) {
    return QStringLiteral("bench_") + QString::number(runs);
}

void native(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("benchmark data: %s", error);
}

// The text with each {name} replaced (QString::arg would also take printf's %0Nd for markers).
QString fill(QString text, const std::map<QString, QString>& values) {
    for (const auto& [name, value] : values)
        text.replace(QLatin1Char('{') + name + QLatin1Char('}'), value);
    return text;
}

// The plant schema through the dialect, then the rows in bulk on the same handle (so the
// dialect's collation and functions apply to the indexes).
void createPlant(int runs) {
    SqliteConnection c(QString(), QString(), embeddedDialect());
    c.setFile(SqliteConnection::fileFor(gDataFolder, databaseName(runs)));
    c.setCreateIfMissing(true);
    DbError e;
    if (!c.open(&e) || !c.execute(DbScripts::schema(), nullptr, &e))
        qFatal("benchmark schema: %s", qPrintable(e.description));
    const QString seq = QStringLiteral("printf('S%09d', n)");
    const QString machine = QStringLiteral("printf('E%03d', n % ") + QString::number(kMachines) +
                            QStringLiteral(" + 1)");
    const QString product =
        QStringLiteral("printf('A%04d', n % ") + QString::number(kProducts) + QLatin1Char(')');
    // Orders spread over about three years; the last run of each machine is running.
    const QString day = QStringLiteral("date('2021-01-01', '+' || (n * 1100 / ") +
                        QString::number(runs) + QStringLiteral(") || ' days')");
    const QString endYn = QStringLiteral("CASE WHEN n > ") + QString::number(runs - kMachines) +
                          QStringLiteral(" THEN '2' ELSE '3' END");
    const auto series = [](int count) {
        return QStringLiteral("WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s "
                              "WHERE n < ") +
               QString::number(count) + QStringLiteral(") ");
    };
    const std::map<QString, QString> vars = {{QStringLiteral("seq"), seq},
                                             {QStringLiteral("machine"), machine},
                                             {QStringLiteral("product"), product},
                                             {QStringLiteral("endYn"), endYn},
                                             {QStringLiteral("day"), day}};
    native(c.handle(), QStringLiteral("BEGIN"));
    native(c.handle(),
           QStringLiteral(
               "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P10', '프레스');"
               "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', 'K5');"
               "INSERT INTO B_METALLIC_TYPE (metallic_type_code, test_su) VALUES ('MT1', 5000);"));
    native(c.handle(),
           series(kMachines) +
               QStringLiteral("INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, "
                              "process_code, ipaddress) SELECT printf('E%03d', n), "
                              "printf('설비 %03d', n), 'P10', CASE WHEN n <= 10 THEN '10.0.0.5' "
                              "ELSE printf('10.0.1.%d', n) END FROM s"));
    native(c.handle(),
           series(kMachines) + QStringLiteral("INSERT INTO B_EQUIPMENT_TIME (equipment_code, "
                                              "process_code, product_code) SELECT "
                                              "printf('E%03d', n), 'P10', 'A0000' FROM s"));
    native(c.handle(),
           series(kProducts) +
               QStringLiteral(
                   "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, "
                   "type) SELECT printf('A%04d', n - 1), printf('PN-%04d', n - 1), "
                   "printf('품목 %d', n), 'C1', '완제품' FROM s;") +
               series(kProducts) +
               QStringLiteral("INSERT INTO B_METALLIC (mold_no, product_code, metallic_type_code) "
                              "SELECT printf('M%04d', n - 1), printf('A%04d', n - 1), 'MT1' "
                              "FROM s;") +
               series(kProducts * 10) +
               QStringLiteral("INSERT INTO B_METALLIC_REPAIR (mold_no, product_code, "
                              "repair_date) SELECT printf('M%04d', n % 1000), printf('A%04d', "
                              "n % 1000), date('2021-01-01', '+' || (n / 1000 * 70) || ' days') "
                              "FROM s;") +
               series(500) +
               QStringLiteral("INSERT INTO B_EMPLOYEE (employee_no, employee_name) SELECT "
                              "printf('W%03d', n), printf('작업자 %d', n) FROM s;"));
    native(
        c.handle(),
        series(runs) +
            fill(QStringLiteral(
                     "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
                     "product_code, order_qty, qty, bad_qty, end_yn, juya_gubun, jisi_date) "
                     "SELECT printf('P%09d', n), {seq}, 'P10', {machine}, {product}, 300, 290, 5, "
                     "{endYn}, "
                     "CASE WHEN n % 3 = 0 THEN NULL ELSE n % 2 END, {day} FROM s"),
                 vars));
    native(
        c.handle(),
        series(runs) +
            fill(QStringLiteral(
                     "INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, "
                     "process_code, equipment_code, product_code, jisiqty, qty, bad_qty, sdate, "
                     "stime, edate, etime, jisi_date, jakup_date, employee_su, employee_no) SELECT "
                     "printf('P%09d', n), {seq}, printf('R%09d', n), printf('R%09d001', n), 'P10', "
                     "{machine}, {product}, 300, 290, 5, {day}, '08:00', {day}, '17:00', {day}, "
                     "{day}, 2, printf('W%03d', n "
                     "% 500 + 1) FROM s"),
                 vars));
    native(c.handle(),
           series(runs) +
               fill(QStringLiteral("INSERT INTO B_METALLIC_COUNT (op_seq_sub, mold_no, "
                                   "product_code, qty, jakup_date) SELECT "
                                   "printf('R%09d001', n), printf('M%04d', n % 1000), {product}, "
                                   "295, {day} FROM s"),
                    vars));
    native(c.handle(),
           series(runs) +
               fill(QStringLiteral(
                        "INSERT INTO P_BADQTY (seq, op_seq_sub, processbad_code, bad_qty, "
                        "equipment_code, product_code) SELECT {seq}, printf('R%09d001', n), "
                        "printf('B%02d', n % 7), 5, {machine}, {product} FROM s;"),
                    vars) +
               series(runs) +
               fill(QStringLiteral(
                        "INSERT INTO P_BIGADONG (op_seq_sub, equipment_code, "
                        "bigadong_code, biga_date, min, employee_su) SELECT "
                        "printf('R%09d001', n), {machine}, printf('D%02d', n % 9), {day}, 15, 2 "
                        "FROM s"),
                    vars));
    native(c.handle(), QStringLiteral("COMMIT; ANALYZE"));
}

// The screen on the running job of machine E001 (the last run of that machine).
frm_S_dayReport* openJob(int runs) {
    gsDB_NAME = databaseName(runs);
    gfDB_OPEN();
    static frm_S_dayReport* screen = nullptr;
    delete screen;
    screen = new frm_S_dayReport();
    const int last = runs; // n % 200 == 0: machine E001, and among the running ones
    screen->lvEquipment_code = QStringLiteral("E001");
    screen->lblOp_seq_sub->setText(QStringLiteral("R%1").arg(last, 9, 10, QLatin1Char('0')) +
                                   QStringLiteral("001"));
    screen->lblMold_No->setText(QStringLiteral("M%1").arg(last % 1000, 4, 10, QLatin1Char('0')));
    return screen;
}

template <typename Step> void measure(benchmark::State& state, int what, Step step) {
    const int runs = int(state.range(0));
    frm_S_dayReport* screen = openJob(runs);
    screen->lsQuery();
    if (screen->lbl_jakupjisi_num->text().isEmpty())
        state.SkipWithError("the running job was not found");
    else if (screen->lblMold_chk->text() != QStringLiteral("5000"))
        state.SkipWithError("the mould check found no repair");
    state.counters["shots"] = screen->lblMold_cnt->text().toDouble();
    state.counters["line_total"] = screen->lbl_okcnt2->text().toDouble();
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step(screen);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms.empty() ? 0 : ms[ms.size() / 2];
    gMedians[{what, runs}] = median;
    state.counters["median_ms"] = median;
    if (const auto small = gMedians.find({what, 10000}); runs != 10000 && small != gMedians.end())
        state.counters["ratio_to_10k"] = median / small->second;
}

void BM_lsQuery(benchmark::State& state) {
    measure(state, 0, [](frm_S_dayReport* s) { s->lsQuery(); });
}

void BM_Refresh(benchmark::State& state) {
    measure(state, 1, [](frm_S_dayReport* s) { s->Timer2_Timer(); });
}

BENCHMARK(BM_lsQuery)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_Refresh)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(200);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // REPORT_BENCH_DIR keeps the databases in that folder (to look at them afterwards).
    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariableIsEmpty("REPORT_BENCH_DIR")
                               ? temporary.path()
                               : qEnvironmentVariable("REPORT_BENCH_DIR");
    AppPaths::setProgramFolder(folder);
    QDir(folder).mkpath(QStringLiteral("data"));
    gDataFolder = QDir(folder).filePath(QStringLiteral("data"));
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = gDataFolder;
    LocalSettings::current().localIp = QStringLiteral("10.0.0.5");
    for (int runs : {10000, 1000000})
        if (!QFile::exists(SqliteConnection::fileFor(gDataFolder, databaseName(runs))))
            createPlant(runs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
