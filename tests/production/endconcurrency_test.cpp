// Two terminals (processes) on one embedded database end 100 jobs each at the same moment,
// every end consuming the same two materials and posting the same finished product: no end
// fails, and every running balance of both stock ledgers equals the sum of the movements up
// to and including its row.
#include "tests/production/productionfixture.h"
#include "tests/support/qtprinters.h"
#include "tests/support/terminalpair.h"

#include <QProcess>

namespace {
constexpr int kPerTerminal = 100;

// Runs R0001 .. R0200 on lines 20240305<nnnn> of product F; M1 and M2 hold 10 000 each.
QString fixture() {
    QString sql = QStringLiteral(
        "INSERT INTO B_PRODUCT_MASTER (product_code) VALUES ('F'), ('M1'), ('M2');\n"
        "INSERT INTO S_PRODUCT_STORE (product_code, ipgo_su, jego_su, reg_date) VALUES "
        "('M1', 10000, 10000, '2024-03-01'), ('M2', 10000, 10000, '2024-03-01');\n");
    for (int n = 1; n <= 2 * kPerTerminal; ++n) {
        const QString no = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
        sql += QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, product_code, "
                              "end_yn) VALUES ('20240305%1', '20240305%1', 'F', '2');\n"
                              "INSERT INTO P_SANGSAN_MASTER (seq, op_seq_sub, qty, bad_qty) "
                              "VALUES ('20240305%1', 'R%1', 0, 0);\n")
                   .arg(no);
    }
    return sql;
}

// Rows whose balance differs from the sum of the product's movements up to them.
QString wrongBalances(const char* table) {
    return QStringLiteral("SELECT COUNT(*) FROM %1 s WHERE s.jego_su <> (SELECT "
                          "SUM(COALESCE(t.ipgo_su, 0) - COALESCE(t.culgo_su, 0)) FROM %1 t "
                          "WHERE t.product_code = s.product_code AND (t.reg_date < s.reg_date "
                          "OR (t.reg_date = s.reg_date AND t.idx <= s.idx)))")
        .arg(QString::fromLatin1(table));
}

class EndConcurrencyTest : public ProductionFixture {
protected:
    // Terminal i works on the jobs from number first on.
    TerminalPair terminals;
};
} // namespace

TEST_F(EndConcurrencyTest, RunningBalancesStayRightWhenTwoTerminalsEndAtOnce) {
    open(fixture());
    ASSERT_TRUE(terminals.runTogether(
        QStringLiteral(PRODUCTION_END_LOAD_TERMINAL),
        [this](int i) {
            return QStringList{folder(), gsDB_NAME, QString::number(1 + i * kPerTerminal),
                               QString::number(kPerTerminal)};
        },
        kPerTerminal));
    EXPECT_EQ(q(wrongBalances("S_PRODUCT_STORE")), QStringLiteral("0"));
    EXPECT_EQ(q(wrongBalances("P_PRODUCT_STORE")), QStringLiteral("0"));
    // 200 ends of 10 pieces: M1 10 000 - 600, M2 10 000 - 400, F in process 0, in stock 2000.
    EXPECT_EQ(q(QStringLiteral("SELECT product_code, COUNT(*), SUM(coalesce(ipgo_su, 0) - "
                               "coalesce(culgo_su, 0)) FROM S_PRODUCT_STORE GROUP BY product_code "
                               "ORDER BY product_code")),
              QStringLiteral("F|400|0;M1|201|9400;M2|201|9600"));
    EXPECT_EQ(scalar(dbFile(), QStringLiteral("SELECT jego_su FROM P_PRODUCT_STORE ORDER BY idx "
                                              "DESC LIMIT 1")),
              QStringLiteral("2000"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT ipgo_no_sub) FROM S_LOT_HISTORY")),
              QStringLiteral("400|200"));
    // The check itself sees a balance built on a stale previous row.
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("UPDATE P_PRODUCT_STORE SET jego_su = jego_su - 10 "
                                          "WHERE idx = 100"),
                           QStringLiteral("test")));
    EXPECT_EQ(q(wrongBalances("P_PRODUCT_STORE")), QStringLiteral("1"));
}
