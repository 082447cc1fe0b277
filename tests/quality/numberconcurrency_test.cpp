// Two terminals (processes) on one embedded database save new inspection sheets of the same
// date at the same moment: no save fails and every sheet has its own number.
#include "tests/quality/qualityfixture.h"
#include "tests/support/terminalpair.h"

#include <QProcess>

namespace {
constexpr int kPerTerminal = 30;

// Product A with standard S (one item, no picture) and lines J0001 .. J0060.
QString fixture() {
    QString sql = QStringLiteral(
        "INSERT INTO B_CAR (car_code) VALUES ('C');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, car_code) VALUES ('A', 'C');\n"
        "INSERT INTO B_TESTLIST_TYPE (testlist_type_code) VALUES ('T');\n"
        "INSERT INTO B_TESTLIST (testlist_code, testlist_type_code) VALUES ('L', 'T');\n"
        "INSERT INTO Q_CHOJUNGJONGTEST_STD (process_test_num, product_code, reg_yn, path) "
        "VALUES ('S', 'A', '1', '');\n"
        "INSERT INTO Q_CHOJUNGJONGTEST_STD_SUB (process_test_num, process_test_num_sub, "
        "testlist_code, spec_min, spec_max, sortby) VALUES ('S', 'S-01', 'L', '0', '9', 1);\n");
    for (int n = 1; n <= 2 * kPerTerminal; ++n)
        sql += QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, product_code) "
                              "VALUES ('P%1', 'J%1', 'A');\n")
                   .arg(n, 4, 10, QLatin1Char('0'));
    return sql;
}

class NumberConcurrencyTest : public QualityFixture {
protected:
    TerminalPair terminals;
};
} // namespace

TEST_F(NumberConcurrencyTest, TwoTerminalsNeverTakeTheSameInspectionNumber) {
    open(fixture());
    ASSERT_TRUE(terminals.runTogether(
        QStringLiteral(QUALITY_INSPECTION_LOAD_TERMINAL),
        [this](int i) {
            return QStringList{folder(), gsDB_NAME, QString::number(1 + i * kPerTerminal),
                               QString::number(kPerTerminal)};
        },
        kPerTerminal));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT process_num), MIN(process_num), "
                               "MAX(process_num) FROM Q_CHOJUNGJONGTEST_RESULT")),
              QStringLiteral("60|60|20240305001|20240305060"));
    // Every item row carries its own sheet's number.
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB s JOIN "
                               "Q_CHOJUNGJONGTEST_RESULT h ON h.process_num = s.process_num AND "
                               "h.seq = s.seq")),
              QStringLiteral("60"));
}
