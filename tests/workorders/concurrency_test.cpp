// Two terminals (processes) on one embedded database start jobs on orders of the same date
// and create work orders of the same day at the same moment: every job and order number is
// taken once, the numbers run without gaps, and no step fails, in particular none with the
// database locked.
#include "tests/support/terminalpair.h"
#include "tests/workorders/workorderfixture.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
constexpr int kPerTerminal = 200;

// The waiting orders W0001 .. W0400 of 2024-03-04 on R017, and the product A-100 that R017
// makes in P10.
QString fixture() {
    QString sql = QStringLiteral(
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'차1');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES "
        "('A-100', 'PN-A', N'커버', 'C1');\n"
        "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
        "('R017', 'P10', 'A-100');\n");
    for (int n = 1; n <= 2 * kPerTerminal; ++n) {
        const QString prodNo = QStringLiteral("W%1").arg(n, 4, 10, QLatin1Char('0'));
        sql += QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, equipment_code, "
                              "end_yn, jisi_date) VALUES ('") +
               prodNo + QStringLiteral("', '") + prodNo +
               QStringLiteral("-1', 'R017', '1', '2024-03-04');\n");
    }
    return sql;
}

class ConcurrencyTest : public WorkOrderFixture {
protected:
    // Terminal i works on the jobs from number first on.
    QProcess& startTerminal(int i, int first) {
        return terminals.start(
            i, QStringLiteral(WORKORDERS_LOAD_TERMINAL),
            {folder(), gsDB_NAME, QString::number(first), QString::number(kPerTerminal)});
    }

    TerminalPair terminals;
};
} // namespace

TEST_F(ConcurrencyTest, TwoTerminalsNeverObtainTheSameNumber) {
    open(fixture());
    for (int i = 0; i < 2; ++i) {
        QProcess& p = startTerminal(i, 1 + i * kPerTerminal);
        ASSERT_TRUE(p.waitForStarted()) << p.errorString().toStdString();
    }
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(terminals.awaitReady(i))
            << terminals.out[i].toStdString() << terminals[i].readAllStandardError().toStdString();
    // Both are told to begin at once (each write reaches its pipe before either is waited for).
    terminals.releaseBoth();
    ASSERT_TRUE(terminals.drainUntilFinished(120000));
    for (int i = 0; i < 2; ++i) {
        const QProcess& p = terminals[i];
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
        const QString text = QString::fromUtf8(terminals.out[i]);
        EXPECT_FALSE(text.contains(QStringLiteral("locked"), Qt::CaseInsensitive))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral(" failed"))) << text.toStdString();
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("^start W\\d{4}-1 ok \\d{14}$"),
                                                QRegularExpression::MultilineOption)),
                  kPerTerminal);
        EXPECT_EQ(text.count(QStringLiteral("\ncreate ok\n")), kPerTerminal);
    }
    const QString n = QString::number(2 * kPerTerminal);
    // Job numbers of the order date 2024-03-04: 001 .. 400, each once, one run per order.
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT op_seq), MIN(op_seq), MAX(op_seq), "
                               "COUNT(DISTINCT seq), SUM(CASE WHEN op_seq_sub = op_seq + '001' "
                               "THEN 1 END) FROM P_SANGSAN_MASTER")),
              QStringLiteral("%1|%1|20240304001|20240304%1|%1|%1").arg(n));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE prod_no LIKE 'W%' "
                               "AND end_yn <> '2'")),
              QStringLiteral("0"));
    // Work order numbers of the day 2024-03-05: 001 .. 400, each once.
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT prod_no), MIN(prod_no), "
                               "MAX(prod_no), SUM(CASE WHEN seq = prod_no + '001' THEN 1 END), "
                               "COUNT(DISTINCT user_id) FROM B_JAKUPJISI_MASTER WHERE prod_no "
                               "LIKE '20240305%'")),
              QStringLiteral("%1|%1|20240305001|20240305%1|%1|2").arg(n));
}
