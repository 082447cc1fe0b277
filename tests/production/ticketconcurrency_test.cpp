// Two terminals (processes) on one embedded database stage parts identification tickets at
// the same moment. The staging table is one for every terminal: each ticket must still
// print its own run alone, never a row of the other terminal's ticket or a half of it.
// The database lies in a memory-backed temporary folder where the machine has one, so that
// commits do not wait for the disk and the two terminals' statements truly interleave.
#include "tests/production/productionfixture.h"
#include "tests/support/qtprinters.h"
#include "tests/support/terminalpair.h"

#include "core/localsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {
constexpr int kPerTerminal = 100;

// Finished runs R0001 .. R0200 of product A, each with its lot.
QString fixture() {
    QString sql = QStringLiteral(
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, palette_ea) "
        "VALUES ('A', 'PN-A', N'브라켓', 'C1', 20);\n");
    for (int n = 1; n <= 2 * kPerTerminal; ++n)
        sql += QStringLiteral("INSERT INTO P_SANGSAN_MASTER (op_seq_sub, product_code, qty, "
                              "lot_no) VALUES ('R%1', 'A', 10, '20240305/A');\n")
                   .arg(n, 4, 10, QLatin1Char('0'));
    return sql;
}

// A temporary folder in memory when there is one, otherwise in the usual place.
QString memoryTemplate() {
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable()
               ? shm + QStringLiteral("/ticket-concurrency-XXXXXX")
               : QDir::tempPath() + QStringLiteral("/ticket-concurrency-XXXXXX");
}

class TicketConcurrencyTest : public ProductionFixture {
protected:
    void SetUp() override {
        ProductionFixture::SetUp();
        ASSERT_TRUE(memory.isValid());
        ASSERT_TRUE(QDir(memory.path()).mkpath(QStringLiteral("data")));
        LocalSettings::current().dataFolder = memory.filePath(QStringLiteral("data"));
    }

    QTemporaryDir memory{memoryTemplate()};
    TerminalPair terminals;
};
} // namespace

TEST_F(TicketConcurrencyTest, EachTerminalPrintsItsOwnTicketWhenBothStageAtOnce) {
    open(fixture());
    ASSERT_TRUE(terminals.runTogether(
        QStringLiteral(PRODUCTION_TICKET_LOAD_TERMINAL),
        [this](int i) {
            return QStringList{memory.path(), gsDB_NAME, QString::number(1 + i * kPerTerminal),
                               QString::number(kPerTerminal)};
        },
        kPerTerminal));
    // The last ticket staged is left in the table, whole.
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*), SUM(CASE WHEN op_seq_sub = op_seq_sub2 THEN 1 "
                               "ELSE 0 END) FROM S_DATAREPORT1")),
              QStringLiteral("1|1"));
}
