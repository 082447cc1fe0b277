// The real program in the terminal role on the downtime and defect script of tests/scripts,
// at a set clock, on a fresh database from the plant schema and the terminal fixture; the
// rows the script wrote are read back afterwards.
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/programtest.h"

#include <QFile>
#include <QProcess>

namespace {
QString scriptFile(const char* name) {
    return QStringLiteral(MES_REPLAY_SCRIPTS "/") + QString::fromUtf8(name);
}

QString readScript(const char* name) {
    QFile f(scriptFile(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class StopsReplayTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const QString fixture =
            readScript("terminal.sql") + QLatin1Char('\n') + readScript("terminal_stops.sql");
        installProgram(QStringLiteral(MES_PROGRAM), fixture);
    }
};
} // namespace

TEST_F(StopsReplayTest, DefectsStopAndDowntimeOfTheStartedJob) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_stops.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 09:30:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    const QString run = QStringLiteral("20240305001001");
    EXPECT_EQ(checkRows(QStringLiteral("SELECT op_seq_sub, processbad_code, bad_qty, process_code, "
                                       "equipment_code, employee_no FROM P_BADQTY ORDER BY "
                                       "processbad_code")),
              QStringLiteral("%1|D01|1|P10|E2|2001;%1|D02|2|P10|E2|2001").arg(run));
    EXPECT_EQ(
        checkRows(QStringLiteral("SELECT bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '") +
                  run + QLatin1Char('\'')),
        QStringLiteral("3"));
    // The timed stop, closed within the minute it began, and the reason row.
    EXPECT_EQ(checkRows(QStringLiteral("SELECT bigadong_code, sdate, edate, min, employee_su FROM "
                                       "P_BIGADONG WHERE op_seq_sub = '") +
                        run + QStringLiteral("' ORDER BY idx")),
              QStringLiteral("|2024-03-05|2024-03-05|0|0;B02|||15|2"));
    EXPECT_EQ(checkRows(QStringLiteral("SELECT equipment_code, bigadong FROM REAL_TIME ORDER BY "
                                       "equipment_code")),
              QStringLiteral("E1|FALSE;E2|FALSE"));
}

namespace {
// The whole shift's script, its rows read back afterwards with the mes-sql tool, as a plant
// would check a commissioned terminal.
class ShiftReplayTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        installProgram(QStringLiteral(MES_PROGRAM), readScript("terminal.sql") + QLatin1Char('\n') +
                                                        readScript("terminal_stops.sql") +
                                                        QLatin1Char('\n') +
                                                        readScript("terminal_shift.sql"));
    }

    // mes-sql's output of a query: a header line, then one tab-separated line per row.
    QString mesSql(const QString& sql) {
        return ProgramTest::mesSql(QStringLiteral(MES_SQL_TOOL), sql);
    }
};
} // namespace

TEST_F(ShiftReplayTest, TheShiftsRowsAreWhatTheScreensWrite) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_shift.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 09:30:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    // The run: started at the clock, the new crew and worker, the defects' total; the good
    // count is only written when the job ends.
    EXPECT_EQ(mesSql(QStringLiteral(
                  "SELECT seq, op_seq_sub, equipment_code, sdate, stime, qty, bad_qty, "
                  "employee_su, employee_no FROM P_SANGSAN_MASTER WHERE seq = '20240305002001'")),
              QStringLiteral("seq\top_seq_sub\tequipment_code\tsdate\tstime\tqty\tbad_qty\t"
                             "employee_su\temployee_no\n20240305002001\t20240305001001\tE2\t"
                             "2024-03-05\t09:30\t0\t3\t3\t2002"));
    EXPECT_EQ(mesSql(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = "
                                    "'20240305002001'")),
              QStringLiteral("end_yn\n2"));
    EXPECT_EQ(mesSql(QStringLiteral("SELECT processbad_code, bad_qty FROM P_BADQTY WHERE "
                                    "op_seq_sub = '20240305001001' ORDER BY processbad_code")),
              QStringLiteral("processbad_code\tbad_qty\nD01\t1\nD02\t2"));
    // The stop, closed again, and the machine's state for the boards.
    EXPECT_EQ(mesSql(QStringLiteral("SELECT equipment_code, sdate, edate FROM P_BIGADONG WHERE "
                                    "op_seq_sub = '20240305001001'")),
              QStringLiteral("equipment_code\tsdate\tedate\nE2\t2024-03-05\t2024-03-05"));
    EXPECT_EQ(mesSql(QStringLiteral("SELECT bigadong FROM REAL_TIME WHERE equipment_code = 'E2'")),
              QStringLiteral("bigadong\nFALSE"));
}

namespace {
// A job from start to end on the lots of two materials.
class EndingReplayTest : public ShiftReplayTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        installProgram(QStringLiteral(MES_PROGRAM), readScript("terminal.sql") + QLatin1Char('\n') +
                                                        readScript("terminal_ending.sql"));
    }
};
} // namespace

TEST_F(EndingReplayTest, BalancesFollowTheMovementsAndTheOutputLotLinksEveryConsumedLot) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_ending.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 09:30:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    // Every running balance is the sum of the product's movements up to its row.
    for (const char* ledger : {"S_PRODUCT_STORE", "P_PRODUCT_STORE"})
        EXPECT_EQ(mesSql(QStringLiteral("SELECT COUNT(*) AS wrong FROM %1 s WHERE s.jego_su <> "
                                        "(SELECT SUM(ISNULL(t.ipgo_su, 0) - ISNULL(t.culgo_su, 0)) "
                                        "FROM %1 t WHERE t.product_code = s.product_code AND "
                                        "t.idx <= s.idx)")
                             .arg(QString::fromLatin1(ledger))),
                  QStringLiteral("wrong\n0"))
            << ledger;
    // The movements: the output received as work in process at the middle end and the end,
    // each consumed lot issued (M1's second count split over two lots).
    EXPECT_EQ(mesSql(QStringLiteral("SELECT product_code, lot_no, ISNULL(ipgo_su, 0) AS ipgo, "
                                    "ISNULL(culgo_su, 0) AS culgo, jego_su FROM S_PRODUCT_STORE "
                                    "WHERE idx > 4 ORDER BY idx")),
              QStringLiteral("product_code\tlot_no\tipgo\tculgo\tjego_su\n"
                             "A\t20240305/A\t60\t0\t60\nM1\tL1\t0\t120\t130\n"
                             "M2\tK2\t0\t60\t120\nA\t20240305/A\t40\t0\t100\n"
                             "M1\tL1\t0\t30\t100\nM1\tL2\t0\t50\t50\nM2\tK1\t0\t40\t80"));
    // The output lot is linked to every consumed lot, once per issue.
    EXPECT_EQ(mesSql(QStringLiteral("SELECT lot_no, culgo_product_code, culgo_lot_no FROM "
                                    "S_LOT_HISTORY ORDER BY culgo_product_code, culgo_lot_no")),
              QStringLiteral("lot_no\tculgo_product_code\tculgo_lot_no\n20240305/A\tM1\tL1\n"
                             "20240305/A\tM1\tL1\n20240305/A\tM1\tL2\n20240305/A\tM2\tK1\n"
                             "20240305/A\tM2\tK2"));
    EXPECT_EQ(mesSql(QStringLiteral("SELECT end_yn, qty FROM B_JAKUPJISI_MASTER WHERE seq = "
                                    "'20240305002001'")),
              QStringLiteral("end_yn\tqty\n3\t100"));
}

namespace {
// A finished run's history: the ticket printed to a PDF file and read back with pdftotext.
class HistoryReplayTest : public ShiftReplayTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        installProgram(QStringLiteral(MES_PROGRAM), readScript("terminal.sql") + QLatin1Char('\n') +
                                                        readScript("terminal_stops.sql") +
                                                        QLatin1Char('\n') +
                                                        readScript("terminal_history.sql"));
        qputenv("QT_PRINTER",
                (QStringLiteral("pdf:") + path(QStringLiteral("ticket.pdf"))).toUtf8());
    }
    void TearDown() override {
        qunsetenv("QT_PRINTER");
        ShiftReplayTest::TearDown();
    }

    QString pdfText() {
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {path(QStringLiteral("ticket.pdf")), QStringLiteral("-")});
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return QString();
        }
        QString text = QString::fromUtf8(p.readAllStandardOutput());
        text.removeIf([](QChar ch) { return ch.isSpace() || ch.unicode() < 0x20; });
        return text;
    }
};
} // namespace

TEST_F(HistoryReplayTest, TheFinishedRunsTicketAndTodaysHistory) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_history.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 09:30:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    const QString run = QStringLiteral("20240305001001");
    const QString lot = mesSql(QStringLiteral("SELECT lot_no FROM P_SANGSAN_MASTER WHERE "
                                              "op_seq_sub = '") +
                               run + QLatin1Char('\''));
    ASSERT_TRUE(lot.startsWith(QStringLiteral("lot_no\n"))) << lot.toStdString();
    ASSERT_FALSE(lot.mid(7).trimmed().isEmpty());
    // The staging row of the ticket, and its page with both tickets.
    EXPECT_EQ(mesSql(QStringLiteral("SELECT COUNT(*) AS n, MAX(BarCode) AS b, MAX(op_seq_sub2) AS "
                                    "o, MAX(Jakup_Date2) AS d FROM S_DATAREPORT1")),
              QStringLiteral("n\tb\to\td\n1\t*%1*\t%1\t2024년 03월 05일").arg(run));
    const QString text = pdfText();
    EXPECT_EQ(text.count(QStringLiteral("부품식별표")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("PN-A")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("K5")), 4) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("2024년03월05일")), 2) << text.toStdString();
    EXPECT_EQ(text.count(lot.mid(7).remove(QLatin1Char(' '))), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("김작업")), 2) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1Char('*') + run + QLatin1Char('*'))) << text.toStdString();
    // The move sheet issued after the end holds the run's lot.
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), path(QStringLiteral("excel/공정이동표(발행).xlsx")),
                 QStringLiteral("xl/worksheets/sheet1.xml")});
    ASSERT_TRUE(unzip.waitForFinished(30000));
    const QString sheet = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(sheet.contains(lot.mid(7).trimmed())) << sheet.toStdString();
}
