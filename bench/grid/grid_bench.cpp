// Loading 100 000 rows x 22 columns, side by side in one run: the rows read with the SQLite C
// API alone (every cell into a trivial sink), read into a Recordset, and loaded into the grid
// by SetbindRS, which reads the same rows. Memory is measured as heap growth (glibc mallinfo2)
// per loaded cell.
#include "core/data/sqliteconnection.h"
#include "core/data/sqlitedialect.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/apppaths.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

namespace {
constexpr int kRows = 100000;
constexpr int kCols = 22;

double gRawSeconds = 0;
double gRecordsetSeconds = 0;
QString gDatabaseFile;

// Bytes in use on the heap, large (mmapped) blocks included.
std::size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

QString selectText() {
    QString sql = QStringLiteral("SELECT");
    for (int c = 1; c <= kCols; ++c)
        sql += (c == 1 ? QStringLiteral(" c") : QStringLiteral(", c")) + QString::number(c);
    return sql + QStringLiteral(" FROM big ORDER BY c1");
}

// Work-order-like rows: codes and names (text), quantities (integers), rates (reals),
// dates and times as text.
void createDatabase(const QString& file) {
    SqliteConnection c(QString(), QString(), std::make_shared<PassThroughDialect>());
    c.setFile(file);
    c.setCreateIfMissing(true);
    DbError e;
    QString cols;
    QString values;
    for (int k = 1; k <= kCols; ++k) {
        cols += (k == 1 ? QString() : QStringLiteral(", ")) + QStringLiteral("c%1").arg(k);
        QString v;
        switch (k % 4) {
        case 1:
            v = QStringLiteral("printf('P%07d-%02d', n, %1)").arg(k);
            break;
        case 2:
            v = QStringLiteral("n * %1 % 100000").arg(k);
            break;
        case 3:
            v = QStringLiteral("(n % 997) / 7.0");
            break;
        default:
            v = QStringLiteral("date('2024-01-01', '+' || (n % 365) || ' days')");
            break;
        }
        values += (k == 1 ? QString() : QStringLiteral(", ")) + v;
    }
    const QString sql =
        QStringLiteral(
            "CREATE TABLE big (%1);"
            "WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < %2)"
            " INSERT INTO big SELECT %3 FROM s;")
            .arg(cols)
            .arg(kRows)
            .arg(values);
    if (!c.open(&e) || !c.execute(sql, nullptr, &e))
        qFatal("cannot create the benchmark database: %s", qPrintable(e.description));
}

// Every cell read the cheapest way the C API allows: integers and reals summed, text and
// blob lengths added up.
double readRaw(sqlite3* db, const QByteArray& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        return -1;
    const int cols = sqlite3_column_count(st);
    double sink = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                sink += double(sqlite3_column_int64(st, c));
                break;
            case SQLITE_FLOAT:
                sink += sqlite3_column_double(st, c);
                break;
            case SQLITE_TEXT: {
                const unsigned char* text = sqlite3_column_text(st, c);
                sink += double(sqlite3_column_bytes(st, c)) + double(text[0] != 0);
                break;
            }
            case SQLITE_BLOB:
                sink += double(sqlite3_column_bytes(st, c));
                break;
            default:
                break;
            }
        }
    }
    sqlite3_finalize(st);
    return sink;
}

void BM_RawRead(benchmark::State& state) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(gDatabaseFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        state.SkipWithError("cannot open the benchmark database");
        sqlite3_close(db);
        return;
    }
    const QByteArray sql = selectText().toUtf8();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (readRaw(db, sql) < 0)
            state.SkipWithError("cannot prepare the statement");
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    sqlite3_close(db);
    gRawSeconds = total / double(state.iterations());
}

void BM_RecordsetRead(benchmark::State& state) {
    const QString sql = selectText();
    std::size_t bytes = 0;
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Recordset rs;
        DbError e;
        const std::size_t before = heapInUse();
        if (!gCon->select(sql, &rs, &e))
            state.SkipWithError(qPrintable(e.description));
        bytes = heapInUse() - before;
        benchmark::DoNotOptimize(rs.rowCount());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    gRecordsetSeconds = total / double(state.iterations());
    state.counters["bytes_per_cell"] = double(bytes) / (double(kRows) * kCols);
    if (gRawSeconds > 0)
        state.counters["ratio_to_raw"] = gRecordsetSeconds / gRawSeconds;
}

void BM_SetbindRS(benchmark::State& state) {
    QWidget screen;
    auto* ss = new SpreadView(&screen);
    auto* spread = new clsSpread(&screen);
    spread->Spr(ss);
    spread->SetInit(0, kCols, 35, 0, 12, false, true, false, QStringLiteral("1"), true);
    for (int c = 1; c <= kCols; ++c)
        spread->SetColType(c, QStringLiteral("h%1").arg(c), QStringLiteral("c%1").arg(c), 10,
                           QString(), c % 4 == 2 || c % 4 == 3 ? 13 : 1, 60, c % 4 == 3 ? 2 : 0,
                           true, 0, 2, false, true, false, false);
    const QString sql = selectText();
    std::size_t bytes = 0;
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        spread->SetMaxRows(0);
        const std::size_t before = heapInUse();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        if (spread->SetbindRS(sql, QStringLiteral("bench")) != kRows)
            state.SkipWithError("SetbindRS did not load every row");
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bytes = heapInUse() - before;
    }
    const double seconds = total / double(state.iterations());
    state.counters["bytes_per_cell"] = double(bytes) / (double(kRows) * kCols);
    state.counters["store_bytes_per_cell"] =
        double(ss->spreadModel()->memoryBytes()) / (double(kRows) * kCols);
    if (gRecordsetSeconds > 0)
        state.counters["ratio_to_recordset"] = seconds / gRecordsetSeconds;
    if (gRawSeconds > 0)
        state.counters["ratio_to_raw"] = seconds / gRawSeconds;
}

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RecordsetRead)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SetbindRS)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    LocalSettings::current().backend = QStringLiteral("sqlite");
    LocalSettings::current().dataFolder = dir.filePath(QStringLiteral("data"));
    gsDB_NAME = QStringLiteral("bench");
    gDatabaseFile = SqliteConnection::fileFor(LocalSettings::current().dataFolder, gsDB_NAME);
    createDatabase(gDatabaseFile);
    if (!gfDB_OPEN())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gCon.reset();
    return 0;
}
