// The work order list's actions on its active row against a plant database: the start's
// checks in their order, the job numbering, the start batch, cancel, reopen and register.
#include "tests/support/faultsweep.h"
#include "tests/workorders/workorderfixture.h"

#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/platform/clock.h"
#include "db/dbscripts.h"
#include "ui/common/clsspread.h"
#include "ui/common/jobstartsql.h"
#include "ui/common/spreadview.h"
#include "workorders/frm_s_jakup.h"
#include "workorders/workorderactions.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>

#include <functional>

namespace {
const QString kList = QStringLiteral("frm_S_jakupjisi_list");

// Three waiting orders: two dated 2024-03-05 on EQ1 and R017, one dated 2024-03-06; one
// running order on each of EQ9 and R017.
const QString kOrders = QStringLiteral(
    "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, equipment_code, end_yn, jisi_date) VALUES "
    "('20240305001', '20240305001001', 'EQ1', '1', '2024-03-05'),"
    "('20240305002', '20240305002001', 'R017', '1', '2024-03-05'),"
    "('20240306001', '20240306001001', 'EQ1', '1', '2024-03-06'),"
    "('20240305003', '20240305003001', 'EQ9', '2', '2024-03-05'),"
    "('20240305004', '20240305004001', 'R017', '2', '2024-03-05');\n");

class ActionsTest : public WorkOrderFixture {
protected:
    void SetUp() override {
        WorkOrderFixture::SetUp();
        open(kOrders);
    }
    static QString endYn(const QString& prodNo) {
        return q(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE prod_no = '") +
                 prodNo + QLatin1Char('\''));
    }
    static QString runs() { return q(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER")); }
};
} // namespace

TEST_F(ActionsTest, StartChecksRefuseInTheirOrderAndWriteNothing) {
    struct Case {
        const char* why;
        std::function<void(ListSelection&)> change;
        QString message;
    };
    const Case cases[] = {
        {"no process, and nothing else right either",
         [](ListSelection& s) {
             s.processSelected = false;
             s.rowCount = 0;
             s.equipmentSelected = false;
         },
         QStringLiteral("공정을 먼저 선택하십시오.")},
        {"empty list",
         [](ListSelection& s) {
             s.rowCount = 0;
             s.state = QStringLiteral("진행중");
         },
         QStringLiteral("작업지시가 없습니다.")},
        {"running", [](ListSelection& s) { s.state = QStringLiteral("진행중"); },
         QStringLiteral("이미 진행중인 작업입니다.")},
        {"done",
         [](ListSelection& s) {
             s.state = QStringLiteral("완료");
             s.equipmentSelected = false;
         },
         QStringLiteral("이미 완료된 작업입니다.")},
        {"no equipment", [](ListSelection& s) { s.equipmentSelected = false; },
         QStringLiteral("설비를 선택해주십시오.")},
        {"equipment busy", [](ListSelection& s) { s.equipmentCode = QStringLiteral("EQ9"); },
         QStringLiteral("이미 가동중인 설비입니다.")},
        {"no active row",
         [](ListSelection& s) {
             s = ListSelection();
             s.processSelected = s.equipmentSelected = true;
             s.rowCount = 3;
         },
         QStringLiteral("작업지시를 먼저 선택하십시오.")},
    };
    for (const Case& c : cases) {
        ListSelection s = waiting(QStringLiteral("20240305001"), QStringLiteral("EQ1"),
                                  QStringLiteral("2024-03-05"));
        c.change(s);
        messages.clear();
        QString job = QStringLiteral("untouched");
        EXPECT_FALSE(WorkOrderActions::startJob(s, kList, &job)) << c.why;
        EXPECT_EQ(messages, QStringList{c.message}) << c.why;
        EXPECT_EQ(job, QStringLiteral("untouched")) << c.why;
    }
    EXPECT_EQ(runs(), QStringLiteral("0"));
    EXPECT_EQ(endYn(QStringLiteral("20240305001")), QStringLiteral("1"));
}

TEST_F(ActionsTest, StartOfAnOrderChangedSinceTheListWasLoadedIsRefused) {
    // The list still shows the order waiting; another terminal started, ended or cancelled it.
    // R017 may run several jobs, so the busy check does not see the start.
    const struct {
        const char* change;
        QString message;
    } cases[] = {
        {"UPDATE B_JAKUPJISI_MASTER SET end_yn = '2' WHERE prod_no = '20240305002'",
         QStringLiteral("이미 진행중인 작업입니다.")},
        {"UPDATE B_JAKUPJISI_MASTER SET end_yn = '3' WHERE prod_no = '20240305002'",
         QStringLiteral("이미 완료된 작업입니다.")},
        {"DELETE FROM B_JAKUPJISI_MASTER WHERE prod_no = '20240305002'",
         QStringLiteral("작업지시가 없습니다.")},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(gfEXEC_SQL(QString::fromUtf8(c.change), kList)) << c.change;
        messages.clear();
        QString job;
        EXPECT_FALSE(WorkOrderActions::startJob(waiting(QStringLiteral("20240305002"),
                                                        QStringLiteral("R017"),
                                                        QStringLiteral("2024-03-05")),
                                                kList, &job))
            << c.change;
        EXPECT_EQ(messages, QStringList{c.message}) << c.change;
        EXPECT_TRUE(job.isEmpty()) << c.change;
    }
    EXPECT_EQ(runs(), QStringLiteral("0"));
}

TEST_F(ActionsTest, JobsAreNumberedPerOrderDateNotPerStartDay) {
    QString job;
    ASSERT_TRUE(WorkOrderActions::startJob(
        waiting(QStringLiteral("20240305001"), QStringLiteral("EQ1"), QStringLiteral("2024-03-05")),
        kList, &job));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(job, QStringLiteral("20240305001001"));
    EXPECT_EQ(endYn(QStringLiteral("20240305001")), QStringLiteral("2"));
    EXPECT_EQ(
        q(QStringLiteral("SELECT prod_no, seq, op_seq, process_code, equipment_code, product_code, "
                         "jisiqty, qty, bad_qty, sdate, edate, stime, etime, min, jisi_date, "
                         "jakup_date, employee_su, employee_no, last_date, last_time, user_id "
                         "FROM P_SANGSAN_MASTER WHERE op_seq_sub = '20240305001001'")),
        QStringLiteral("20240305001|20240305001001|20240305001|P10|EQ1|A-100|1200|0|0|"
                       "2024-03-05||10:00||0|2024-03-05|2024-03-05|2|E07|2024-03-05|"
                       "100000|E07"));

    // Two days later: the next order of 2024-03-05 continues that date's numbers, an order of
    // 2024-03-06 starts its own.
    Clock::setFixed(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)));
    ASSERT_TRUE(
        WorkOrderActions::startJob(waiting(QStringLiteral("20240305002"), QStringLiteral("R017"),
                                           QStringLiteral("2024-03-05")),
                                   kList, &job));
    EXPECT_EQ(job, QStringLiteral("20240305002001"));
    ASSERT_TRUE(WorkOrderActions::startJob(
        waiting(QStringLiteral("20240306001"), QStringLiteral("EQ2"), QStringLiteral("2024-03-06")),
        kList, &job))
        << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(job, QStringLiteral("20240306001001"));
    EXPECT_EQ(q(QStringLiteral("SELECT sdate, stime, jakup_date, last_time FROM P_SANGSAN_MASTER "
                               "WHERE op_seq_sub = '20240305002001'")),
              QStringLiteral("2024-03-07|14:05|2024-03-05|140509"));
}

TEST_F(ActionsTest, OnlyTheListedEquipmentRunsSeveralJobsAtOnce) {
    // R017 and EQ9 both have a running order already.
    struct Case {
        QString equipment;
        bool started;
    };
    for (const Case& c : {Case{QStringLiteral("R017"), true}, Case{QStringLiteral("EQ9"), false}}) {
        messages.clear();
        ListSelection s =
            waiting(QStringLiteral("20240305002"), c.equipment, QStringLiteral("2024-03-05"));
        EXPECT_EQ(WorkOrderActions::startJob(s, kList, nullptr), c.started)
            << c.equipment.toStdString();
        EXPECT_EQ(messages.isEmpty(), c.started) << messages.join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_EQ(endYn(QStringLiteral("20240305002")), QStringLiteral("2"));
}

TEST_F(ActionsTest, AFailedInsertLeavesTheOrderWaiting) {
    // The next job's sub-number is taken by a run filed under another job number.
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub) "
                                          "VALUES ('X', '20240305001001')"),
                           QStringLiteral("set-up")));
    EXPECT_FALSE(WorkOrderActions::startJob(
        waiting(QStringLiteral("20240305001"), QStringLiteral("EQ1"), QStringLiteral("2024-03-05")),
        kList, nullptr));
    EXPECT_EQ(messages, QStringList{QStringLiteral("오류|저장실패")});
    EXPECT_EQ(icons.value(0), QMessageBox::Critical);
    // The driver's message came first, from the error reporter.
    EXPECT_FALSE(notifier.shown.isEmpty());
    EXPECT_EQ(endYn(QStringLiteral("20240305001")), QStringLiteral("1"));
    EXPECT_EQ(runs(), QStringLiteral("1"));
}

TEST_F(ActionsTest, TheThousandthJobOfADateIsRefused) {
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub) "
                                          "VALUES ('20240305999', '20240305999001')"),
                           QStringLiteral("set-up")));
    QString job;
    EXPECT_FALSE(WorkOrderActions::startJob(
        waiting(QStringLiteral("20240305001"), QStringLiteral("EQ1"), QStringLiteral("2024-03-05")),
        kList, &job));
    EXPECT_EQ(messages, QStringList{jobNumbersUsedUpMessage()});
    EXPECT_TRUE(job.isEmpty());
    EXPECT_EQ(endYn(QStringLiteral("20240305001")), QStringLiteral("1"));
    EXPECT_EQ(runs(), QStringLiteral("1"));
    // The transaction is over: the next write is not blocked.
    EXPECT_TRUE(gfEXEC_SQL(QStringLiteral("DELETE FROM P_SANGSAN_MASTER"), QStringLiteral("x")));
}

TEST_F(ActionsTest, CancelDeletesOnlyAWaitingOrder) {
    struct Case {
        QString prodNo;
        QString state;
        bool cancelled;
        QString message;
        QString rowsLeft; // orders of that number afterwards
    };
    const Case cases[] = {
        {QStringLiteral("20240305001"), QStringLiteral("미완료"), true,
         QStringLiteral("작업취소가 완료되었습니다."), QStringLiteral("0")},
        {QStringLiteral("20240305003"), QStringLiteral("진행중"), false,
         QStringLiteral("이미 진행,완료 된 품번입니다."), QStringLiteral("1")},
        {QStringLiteral("20240305003"), QStringLiteral("완료"), false,
         QStringLiteral("이미 진행,완료 된 품번입니다."), QStringLiteral("1")},
        {QStringLiteral("20240305999"), QStringLiteral("미완료"), false,
         QStringLiteral("취소 실패"), QStringLiteral("0")},
    };
    for (const Case& c : cases) {
        messages.clear();
        ListSelection s = waiting(c.prodNo, QStringLiteral("EQ1"), QStringLiteral("2024-03-05"));
        s.state = c.state;
        EXPECT_EQ(WorkOrderActions::cancelOrder(s, kList), c.cancelled) << c.prodNo.toStdString();
        EXPECT_EQ(messages, QStringList{c.message}) << c.prodNo.toStdString();
        EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE prod_no = '") +
                    c.prodNo + QLatin1Char('\'')),
                  c.rowsLeft);
    }
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER")), QStringLiteral("4"));
}

TEST_F(ActionsTest, ACancelMatchingTwoRowsDeletesNothing) {
    // A plant database whose order table lacks its keys holds the same order line twice.
    QString schema = DbScripts::schema();
    const QString key =
        QStringLiteral(",\n    CONSTRAINT PK_B_JAKUPJISI_MASTER PRIMARY KEY (prod_no, seq)");
    const QString unique = QStringLiteral(
        "CREATE UNIQUE INDEX UX_B_JAKUPJISI_MASTER_seq ON B_JAKUPJISI_MASTER (seq);");
    ASSERT_TRUE(schema.contains(key) && schema.contains(unique));
    schema.remove(key).remove(unique);
    gCon.reset();
    gsDB_NAME = QStringLiteral("nokeys");
    {
        SqliteConnection c(QString(), QString(), embeddedDialect());
        c.setFile(dbFile());
        c.setCreateIfMissing(true);
        DbError e;
        ASSERT_TRUE(
            c.open(&e) &&
            c.execute(schema + QStringLiteral("\nINSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, "
                                              "end_yn) VALUES ('20240305001', '20240305001001', "
                                              "'1'), ('20240305001', '20240305001001', '1');"),
                      nullptr, &e))
            << e.description.toStdString();
    }
    ASSERT_TRUE(gfDB_OPEN());
    EXPECT_FALSE(WorkOrderActions::cancelOrder(
        waiting(QStringLiteral("20240305001"), QStringLiteral("EQ1"), QStringLiteral("2024-03-05")),
        kList));
    EXPECT_EQ(messages, QStringList{QStringLiteral("취소 실패")});
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER")), QStringLiteral("2"));
}

TEST_F(ActionsTest, ReopenFindsTheRunOfARunningOrderOnly) {
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("INSERT INTO P_SANGSAN_MASTER (seq, op_seq, op_seq_sub) "
                                          "VALUES ('20240305003001', '20240305001', "
                                          "'20240305001001')"),
                           QStringLiteral("set-up")));
    struct Case {
        QString prodNo;
        QString state;
        bool reopened;
        QString job;
        QStringList messages;
    };
    const Case cases[] = {
        {QStringLiteral("20240305001"),
         QStringLiteral("미완료"),
         false,
         QStringLiteral("-"),
         {QStringLiteral("미완료인 품번은 작업시작을 눌러주세요.")}},
        {QStringLiteral("20240305001"),
         QStringLiteral("완료"),
         false,
         QStringLiteral("-"),
         {QStringLiteral("완료된 품번입니다.")}},
        {QStringLiteral("20240305003"),
         QStringLiteral("진행중"),
         true,
         QStringLiteral("20240305001001"),
         {}},
        // A running order whose run is missing, and an empty list.
        {QStringLiteral("20240305004"), QStringLiteral("진행중"), true, QString(), {}},
        {QString(), QString(), true, QString(), {}},
    };
    for (const Case& c : cases) {
        messages.clear();
        ListSelection s = waiting(c.prodNo, QStringLiteral("EQ9"), QStringLiteral("2024-03-05"));
        s.state = c.state;
        QString job = QStringLiteral("-");
        EXPECT_EQ(WorkOrderActions::reopenJob(s, kList, &job), c.reopened)
            << c.prodNo.toStdString();
        EXPECT_EQ(job, c.job) << c.prodNo.toStdString();
        EXPECT_EQ(messages, c.messages) << c.prodNo.toStdString();
    }
}

TEST_F(ActionsTest, RegisterOpensTheCreationScreenForTheListsSelection) {
    ASSERT_TRUE(gfEXEC_SQL(
        QStringLiteral("INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'차1');\n"
                       "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, "
                       "car_code) VALUES ('A-100', 'PN-A', N'커버', 'C1');\n"
                       "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, "
                       "product_code) VALUES ('EQ1', 'P10', 'A-100')"),
        QStringLiteral("set-up")));
    ListSelection s = waiting(QString(), QString(), QString());
    s.jakupProcode = QStringLiteral("P10");
    s.jakupProname = QStringLiteral("사출");
    s.jakupEquipcode = QStringLiteral("EQ1");
    s.jakupEquipname = QStringLiteral("사출기 1호");
    for (auto [process, equipment, message] :
         {std::tuple{false, true, QStringLiteral("공정을 먼저 선택하십시오.")},
          std::tuple{true, false, QStringLiteral("설비를 선택해주십시오.")}}) {
        messages.clear();
        s.processSelected = process;
        s.equipmentSelected = equipment;
        EXPECT_FALSE(WorkOrderActions::registerOrder(s, nullptr));
        EXPECT_EQ(messages, QStringList{message});
    }
    s.processSelected = s.equipmentSelected = true;
    QWidget list;
    ASSERT_TRUE(WorkOrderActions::registerOrder(s, &list));
    QPointer<frm_S_Jakup> screen = list.findChild<frm_S_Jakup*>();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(screen->isWindow());
    EXPECT_EQ(screen->txtprocess_code->text() + QLatin1Char('|') + screen->txtprocess_name->text() +
                  QLatin1Char('|') + screen->txtequipment_code->text() + QLatin1Char('|') +
                  screen->txtequipment_name->text(),
              QStringLiteral("P10|사출|EQ1|사출기 1호"));
    EXPECT_EQ(screen->grid()->MaxRows(), 1);
    screen->Command14->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(screen);
}

// The start (its number read included) and the cancel, with a failure at each statement and
// at the commit: the order keeps its state and the worker is told.
TEST_F(ActionsTest, EveryStatementOfTheStartAndTheCancelFailsThemAsAWhole) {
    const struct {
        const char* name;
        std::function<bool()> act;
        QString failure;
    } actions[] = {
        {"start",
         [] {
             return WorkOrderActions::startJob(waiting(QStringLiteral("20240305001"),
                                                       QStringLiteral("EQ1"),
                                                       QStringLiteral("2024-03-05")),
                                               kList, nullptr);
         },
         QStringLiteral("오류|저장실패")},
        {"cancel",
         [] {
             ListSelection s = waiting(QStringLiteral("20240305002"), QStringLiteral("R017"),
                                       QStringLiteral("2024-03-05"));
             s.state = QStringLiteral("미완료");
             return WorkOrderActions::cancelOrder(s, kList);
         },
         QStringLiteral("취소 실패")},
    };
    for (const auto& a : actions) {
        SCOPED_TRACE(a.name);
        FaultSweep sweep(dbFile());
        sweep.run({[this] {
                       messages.clear();
                       notifier.shown.clear();
                   },
                   [&] { a.act(); },
                   [&](const std::string& where) {
                       EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                           << where;
                       EXPECT_EQ(messages.value(messages.size() - 1), a.failure) << where;
                   }});
    }
}
