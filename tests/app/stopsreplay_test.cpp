// The real program in the terminal role on the downtime and defect script of tests/scripts,
// at a set clock, on a fresh database from the plant schema and the terminal fixture; the
// rows the script wrote are read back afterwards.
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/programtest.h"

#include <QFile>

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

    // The rows of a check on the program's database after the run: cells joined by '|',
    // rows by ';'.
    static QString rows(const QString& sql) {
        if (gConClosed() && !gfDB_OPEN())
            return QStringLiteral("<no connection>");
        QStringList out;
        gfOPEN_RS(sql, false, QString());
        for (int r = 0; gRs.isOpen() && r < gRs->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < gRs->columnCount(); ++c)
                cells << gRs->value(r, c).toString();
            out << cells.join(QLatin1Char('|'));
        }
        gRs.close();
        return out.join(QLatin1Char(';'));
    }
};
} // namespace

TEST_F(StopsReplayTest, DefectsStopAndDowntimeOfTheStartedJob) {
    const ProgramRun r = run({QStringLiteral("--terminal"), QStringLiteral("--replay"),
                              scriptFile("terminal_stops.replay"), QStringLiteral("--clock"),
                              QStringLiteral("2024-03-05 09:30:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString() << r.out.toStdString();
    const QString run = QStringLiteral("20240305001001");
    EXPECT_EQ(rows(QStringLiteral("SELECT op_seq_sub, processbad_code, bad_qty, process_code, "
                                  "equipment_code, employee_no FROM P_BADQTY ORDER BY "
                                  "processbad_code")),
              QStringLiteral("%1|D01|1|P10|E2|2001;%1|D02|2|P10|E2|2001").arg(run));
    EXPECT_EQ(rows(QStringLiteral("SELECT bad_qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '") +
                   run + QLatin1Char('\'')),
              QStringLiteral("3"));
    // The timed stop, closed within the minute it began, and the reason row.
    EXPECT_EQ(rows(QStringLiteral("SELECT bigadong_code, sdate, edate, min, employee_su FROM "
                                  "P_BIGADONG WHERE op_seq_sub = '") +
                   run + QStringLiteral("' ORDER BY idx")),
              QStringLiteral("|2024-03-05|2024-03-05|0|0;B02|||15|2"));
    EXPECT_EQ(rows(QStringLiteral("SELECT equipment_code, bigadong FROM REAL_TIME ORDER BY "
                                  "equipment_code")),
              QStringLiteral("E1|FALSE;E2|FALSE"));
}
