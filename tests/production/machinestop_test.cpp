// The timed machine stop and restart of the report screen against a plant database: the
// stop record, its minutes across midnight, the machine's state for the boards, the buttons.
#include "tests/production/productionfixture.h"

#include "core/platform/clock.h"
#include "production/machinestop.h"

#include <QWidget>

namespace {
const QString kRows = QStringLiteral(
    "INSERT INTO REAL_TIME (equipment_code, bigadong) VALUES ('EQ1', 'FALSE'), ('EQ2', 'FALSE');");

class MachineStopTest : public ProductionFixture {
protected:
    void SetUp() override {
        ProductionFixture::SetUp();
        open(kRows);
        stopButton.setParent(&screen);
        restartButton.setParent(&screen);
    }
    MachineStop::Buttons buttons() { return {&stopButton, &restartButton}; }
    QString states() const {
        return QString(QLatin1Char(stopButton.isEnabled() ? 'S' : '-')) +
               QLatin1Char(restartButton.isEnabled() ? 'R' : '-');
    }
    static void at(int day, int hour, int minute) {
        Clock::setFixed(QDateTime(QDate(2024, 3, day), QTime(hour, minute)));
    }

    MachineStop::Job job{QStringLiteral("2024030500101"), QStringLiteral("2024-03-04"),
                         QStringLiteral("EQ1")};
    QWidget screen;
    QPushButton stopButton{QStringLiteral("설비정지")};
    QPushButton restartButton{QStringLiteral("설비가동")};
};
} // namespace

TEST_F(MachineStopTest, AStopAcrossMidnightIsClosedWithItsMinutes) {
    at(5, 23, 50);
    EXPECT_TRUE(MachineStop::stop(job, buttons(), &screen, QStringLiteral("t")));
    EXPECT_EQ(states(), QStringLiteral("-R"));
    EXPECT_EQ(q(QStringLiteral("SELECT prod_no, seq, op_seq, op_seq_sub, equipment_code, "
                               "bigadong_code, biga_date, sdate, stime, edate, etime, min, "
                               "employee_su, bigo, last_date, last_time, user_id, "
                               "etime IS NULL FROM P_BIGADONG")),
              QStringLiteral("||20240305001|2024030500101|EQ1||2024-03-04|2024-03-05|23:50||||0|"
                             "|2024-03-05|235000|E07|1"));
    EXPECT_EQ(q(QStringLiteral("SELECT equipment_code, bigadong, CONVERT(varchar(16), work_time, "
                               "120) FROM REAL_TIME ORDER BY equipment_code")),
              QStringLiteral("EQ1|TRUE|2024-03-05 23:50;EQ2|FALSE|"));

    at(6, 0, 20);
    MachineStop::restart(job, buttons(), &screen, QStringLiteral("t"));
    EXPECT_EQ(states(), QStringLiteral("S-"));
    EXPECT_EQ(q(QStringLiteral("SELECT sdate, stime, edate, etime, min FROM P_BIGADONG")),
              QStringLiteral("2024-03-05|23:50|2024-03-06|00:20|30"));
    EXPECT_EQ(q(QStringLiteral("SELECT bigadong, CONVERT(varchar(16), work_time, 120) FROM "
                               "REAL_TIME WHERE equipment_code = 'EQ1'")),
              QStringLiteral("FALSE|2024-03-06 00:20"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_F(MachineStopTest, OneRestartClosesEveryOpenStopOfTheRunAndMachineOnly) {
    gfEXEC_SQL(QStringLiteral("INSERT INTO P_BIGADONG (op_seq_sub, equipment_code, bigadong_code, "
                              "sdate, stime) VALUES ('2024030500101', 'EQ1', '', '2024-03-05', "
                              "'09:00'), ('2024030500101', 'EQ1', '', '2024-03-05', '09:30'), "
                              "('2024030500101', 'EQ2', '', '2024-03-05', '09:00'), "
                              "('2024030500102', 'EQ1', '', '2024-03-05', '09:00')"),
               QStringLiteral("set-up"));
    MachineStop::restart(job, buttons(), &screen, QStringLiteral("t"));
    EXPECT_EQ(q(QStringLiteral("SELECT etime, min FROM P_BIGADONG ORDER BY idx")),
              QStringLiteral("10:00|60;10:00|30;|;|"));
}

TEST_F(MachineStopTest, RestartWithoutAStopStillMarksTheMachineRunning) {
    gfEXEC_SQL(QStringLiteral("UPDATE REAL_TIME SET bigadong = 'TRUE'"), QStringLiteral("set-up"));
    stopButton.setEnabled(false);
    MachineStop::restart(job, buttons(), &screen, QStringLiteral("t"));
    EXPECT_EQ(states(), QStringLiteral("S-"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_BIGADONG")), QStringLiteral("0"));
    EXPECT_EQ(q(QStringLiteral("SELECT bigadong FROM REAL_TIME ORDER BY equipment_code")),
              QStringLiteral("FALSE;TRUE"));
}

TEST_F(MachineStopTest, WithoutARunAStopDoesNothing) {
    job.runNo.clear();
    EXPECT_FALSE(MachineStop::stop(job, buttons(), &screen, QStringLiteral("t")));
    EXPECT_EQ(states(), QStringLiteral("SR"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_BIGADONG")), QStringLiteral("0"));
    EXPECT_EQ(q(QStringLiteral("SELECT bigadong FROM REAL_TIME WHERE equipment_code = 'EQ1'")),
              QStringLiteral("FALSE"));
}

TEST_F(MachineStopTest, FailuresAreReportedAndLeaveTheStateTheyReached) {
    // The machine's state cannot be written: the stop stays recorded, "저장 실패", no history.
    execNative(dbFile(), QStringLiteral("DROP TABLE REAL_TIME"));
    EXPECT_FALSE(MachineStop::stop(job, buttons(), &screen, QStringLiteral("t")));
    EXPECT_EQ(states(), QStringLiteral("-R"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장 실패")});
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_BIGADONG")), QStringLiteral("1"));
    messages.clear();
    MachineStop::restart(job, buttons(), &screen, QStringLiteral("t"));
    EXPECT_EQ(states(), QStringLiteral("S-"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장 실패")});

    // The stop record cannot be written: reported by the helper, buttons unchanged, the
    // history still follows; a failed restart changes nothing either.
    execNative(dbFile(), QStringLiteral("DROP TABLE P_BIGADONG"));
    messages.clear();
    notifier.shown.clear();
    EXPECT_TRUE(MachineStop::stop(job, buttons(), &screen, QStringLiteral("t")));
    EXPECT_EQ(states(), QStringLiteral("S-"));
    stopButton.setEnabled(false);
    restartButton.setEnabled(true);
    MachineStop::restart(job, buttons(), &screen, QStringLiteral("t"));
    EXPECT_EQ(states(), QStringLiteral("-R"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(notifier.shown.size(), 2);
}
