// The touch dialogs through the modal seam: texts, answers, placement, the countdown with
// a fast timer, and the continue-input dialog's batch against SQLite.
#include "tests/support/faultsweep.h"
#include "tests/support/testenv.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frm_msg_002.h"
#include "ui/common/frm_msg_003.h"
#include "ui/common/frm_msg_004.h"
#include "ui/common/frm_msg_end.h"
#include "ui/common/frm_msg_start.h"
#include "ui/common/jobstartsql.h"
#include "ui/common/modal.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
void press(QDialog& d, const char* name) {
    auto* b = d.findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

class DialogTest : public TestEnv {
protected:
    // A stand-in for a screen the dialogs know by name.
    QWidget* screenNamed(const QString& name, const QRect& geometry = QRect(0, 0, 1200, 900)) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(name);
        w->setGeometry(geometry);
        w->show();
        screens.push_back(std::move(w));
        return screens.back().get();
    }
    std::vector<std::unique_ptr<QWidget>> screens;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
};
} // namespace

TEST_F(DialogTest, MessageDialogShowsEachCallersTextAtAThirdOfTheListScreen) {
    const QRect list = screenNamed(QStringLiteral("frm_S_jakupjisi_list"), QRect(0, 0, 1200, 900))
                           ->frameGeometry();
    QStringList texts;
    QList<QPoint> places;
    Qt::WindowFlags flags;
    ScopedModalHandler scope([&](QDialog& d) {
        texts << d.findChild<QLabel*>(QStringLiteral("Lb_msg"))->text();
        places << d.pos();
        flags = d.windowFlags();
        press(d, "Command14");
        return d.result();
    });
    showWorkerMessage(QStringLiteral("공정을 먼저 선택하십시오."), owner.get());
    showWorkerMessage(QStringLiteral("작업지시가 없습니다."), owner.get());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("공정을 먼저 선택하십시오."),
                                  QStringLiteral("작업지시가 없습니다.")}));
    EXPECT_EQ(places.value(1), list.topLeft() + QPoint(list.width() / 3, list.height() / 3));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
}

TEST_F(DialogTest, WithoutTheListScreenThePrimaryScreenPlacesTheDialogs) {
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    QPoint at;
    ScopedModalHandler scope([&](QDialog& d) {
        at = d.pos();
        return 0;
    });
    frm_MSG_002 d(owner.get());
    d.showModal();
    EXPECT_EQ(at, QPoint(s.left() + int(s.width() * 0.35), s.top() + int(s.height() * 0.35)));
}

TEST_F(DialogTest, ExitConfirmationAnswers) {
    const QRect list = screenNamed(QStringLiteral("frm_S_jakupjisi_list"), QRect(0, 0, 1000, 800))
                           ->frameGeometry();
    frm_MSG_002 d(owner.get());
    EXPECT_EQ(d.Lb_msg->text(), QStringLiteral("정말로 종료하시겠습니까?"));
    const char* button = "Command14";
    QPoint at;
    ScopedModalHandler scope([&](QDialog& dlg) {
        at = dlg.pos();
        if (button)
            press(dlg, button);
        else
            QTest::keyClick(&dlg, Qt::Key_Escape); // closed another way
        return dlg.result();
    });
    d.showModal();
    EXPECT_EQ(d.AA, QStringLiteral("Exit"));
    EXPECT_EQ(at, list.topLeft() + QPoint(int(list.width() * 0.35), int(list.height() * 0.35)));
    button = "Command1";
    d.showModal();
    EXPECT_EQ(d.AA, QStringLiteral("Cancel"));
    button = nullptr;
    d.showModal();
    EXPECT_EQ(d.AA, QString()); // a new opening starts without an answer
}

TEST_F(DialogTest, ConfirmationWritesTheInspectionScreensDeleteType) {
    QWidget* inspection = screenNamed(QStringLiteral("frm_S_jajutest"));
    auto* deleteType = new QLabel(inspection);
    deleteType->setObjectName(QStringLiteral("lbldelete_type"));
    const char* button = "Command14";
    QString text;
    ScopedModalHandler scope([&](QDialog& d) {
        text = d.findChild<QLabel*>(QStringLiteral("Lb_msg"))->text();
        press(d, button);
        return d.result();
    });
    frm_MSG_004 yes(owner.get());
    yes.showModal();
    EXPECT_EQ(text, QStringLiteral("초중종검사를 삭제하시겠습니까?"));
    EXPECT_EQ(yes.AA, QStringLiteral("Exit"));
    EXPECT_EQ(deleteType->text(), QStringLiteral("OK"));

    frm_MSG_004 no(owner.get());
    no.Lb_msg->setText(QStringLiteral("삭제하시겠습니까?"));
    button = "Command1";
    no.showModal();
    EXPECT_EQ(text, QStringLiteral("삭제하시겠습니까?")); // the caller's question
    EXPECT_EQ(no.AA, QStringLiteral("Cancel"));
    EXPECT_EQ(deleteType->text(), QString());
}

namespace {
// Runs a countdown dialog on a 1 ms timer; records Lb_Sec at opening and after every tick.
// cancelAt: the shown second at which cancel is pressed ("" for none).
struct Countdown {
    QStringList shown;
    int interval = 0;
    QPoint at;
    int result = -1;
};

Countdown runCountdown(CountdownDialog& d, const QString& cancelAt) {
    Countdown c;
    ScopedModalHandler scope([&](QDialog& dlg) {
        c.at = dlg.pos();
        c.interval = d.Timer2->interval();
        d.Timer2->setInterval(1);
        c.shown << d.Lb_Sec->text();
        QEventLoop loop;
        QObject::connect(&dlg, &QDialog::finished, &loop, &QEventLoop::quit);
        QObject::connect(d.Timer2, &QTimer::timeout, &loop, [&] {
            c.shown << d.Lb_Sec->text();
            if (d.Lb_Sec->text() == cancelAt)
                press(dlg, "Command14");
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit); // a guard, never reached when it works
        loop.exec();
        return dlg.result();
    });
    c.result = d.showModal();
    return c;
}
} // namespace

TEST_F(DialogTest, CountdownLeftAloneStartsOnTheTickThatShowsZero) {
    QWidget* list = screenNamed(QStringLiteral("frm_S_jakupjisi_list"), QRect(0, 0, 1200, 800));
    list->setProperty("lvStartPop", false);
    frm_MSG_Start d(owner.get());
    EXPECT_EQ(d.Lb_msg->text(), QStringLiteral("선택한 작업이   초 후에 자동 시작됩니다.\n작업 "
                                               "시작을 원치 않으시면\n[취소]를 눌러주세요."));
    const Countdown c = runCountdown(d, QString());
    EXPECT_EQ(c.interval, 1000);
    EXPECT_EQ(c.shown,
              (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
                           QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0")}));
    EXPECT_EQ(c.result, QDialog::Accepted);
    EXPECT_TRUE(d.lvStartPop);
    EXPECT_EQ(list->property("lvStartPop"), QVariant(true));
    const QRect g = list->frameGeometry(); // the list screen's outer size, frame included
    EXPECT_EQ(c.at, g.topLeft() + QPoint(g.width() / 4, g.height() / 4));
    EXPECT_FALSE(d.Timer2->isActive());

    // A second opening counts from 5 again.
    EXPECT_EQ(runCountdown(d, QString()).shown.size(), 6);
}

TEST_F(DialogTest, CountdownCancelledAtOneEndsWithFalse) {
    QWidget* report = screenNamed(QStringLiteral("frm_S_dayReport"));
    report->setProperty("lvStartPop", true);
    frm_MSG_End d(owner.get());
    EXPECT_TRUE(d.Lb_msg->text().startsWith(
        QStringLiteral("선택한 작업이   초 후에 자동 종료됩니다.\n작업 종료를 원치 않으시면\n")));
    const Countdown c = runCountdown(d, QStringLiteral("1"));
    EXPECT_EQ(c.shown.last(), QStringLiteral("1"));
    EXPECT_EQ(c.shown.size(), 5);
    EXPECT_EQ(c.result, QDialog::Rejected);
    EXPECT_FALSE(d.lvStartPop);
    EXPECT_EQ(report->property("lvStartPop"), QVariant(false));
    EXPECT_FALSE(d.Timer2->isActive());
}

namespace {
const QString kOrders = QStringLiteral(
    "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, product_code, "
    "order_qty, end_yn, "
    "employee_su, employee_no, jisi_date) VALUES ('P240305-01', 'S0001', 'P10', 'R001', 'A-100', "
    "1200, '3', 2, 'E07', '2024-03-05');\n"
    "INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, jisi_date) "
    "VALUES ('P240305-01', 'S0001', '20240305001', '20240305001001', '2024-03-05');\n");

class ContinueTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        createPlantDatabase(QStringLiteral("plant"), kOrders);
        ASSERT_TRUE(gfDB_OPEN());
        gsUSER_ID = QStringLiteral("E07");
    }
    // Presses yes on frm_MSG_003 for the sequence; records message boxes and whether it closed.
    void answerYes(const QString& seq) {
        ScopedModalHandler scope([&](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                boxes << box->windowTitle() + QLatin1Char('|') + box->text();
                icons << box->icon();
                return int(QMessageBox::Ok);
            }
            int closes = 0;
            QObject::connect(&d, &QDialog::finished, &d, [&closes] { ++closes; });
            press(d, "Command14");
            closed = closes > 0;
            QObject::disconnect(&d, &QDialog::finished, &d, nullptr);
            return d.result();
        });
        frm_MSG_003 d(owner.get());
        EXPECT_EQ(d.Lb_msg->text(), QStringLiteral("계속 입력을 하시겠습니까?"));
        EXPECT_TRUE(d.lblseq->isHidden());
        d.lblseq->setText(seq);
        d.showModal();
        aa = d.AA;
    }
    // A check through the connection (the plant schema's collation lives there).
    static QString q(const QString& sql) {
        QStringList out;
        for (const QVariant& v : gfGET_ROW(sql, QStringLiteral("check")))
            out << v.toString();
        return out.join(QLatin1Char('|'));
    }

    QStringList boxes;
    QList<QMessageBox::Icon> icons;
    bool closed = false;
    QString aa;
};
} // namespace

TEST_F(ContinueTest, YesStartsTheNextJobAndMarksTheOrderRunning) {
    answerYes(QStringLiteral("S0001"));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(closed);
    EXPECT_EQ(aa, QStringLiteral("Exit"));
    EXPECT_EQ(q(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = 'S0001'")),
              QStringLiteral("2"));
    EXPECT_EQ(q(QStringLiteral("SELECT prod_no, seq, op_seq, process_code, equipment_code, "
                               "product_code, jisiqty, qty, bad_qty, sdate, "
                               "edate, stime, etime, min, jisi_date, jakup_date, employee_su, "
                               "employee_no, last_date, last_time, user_id "
                               "FROM P_SANGSAN_MASTER WHERE op_seq_sub = '20240305002001'")),
              QStringLiteral("P240305-01|S0001|20240305002|P10|R001|A-100|1200|0|0|2024-03-05||10:"
                             "00||0|2024-03-05|2024-03-05|2|E07|"
                             "2024-03-05|100000|E07"));
}

TEST_F(ContinueTest, FailuresWriteNothingAndKeepTheDialogOpen) {
    // The next job number is taken already: the batch fails and is rolled back.
    ASSERT_TRUE(gfEXEC_SQL(
        QStringLiteral(
            "INSERT INTO P_SANGSAN_MASTER (op_seq, op_seq_sub) VALUES ('X', '20240305002001')"),
        QStringLiteral("set-up")));
    for (const QString& seq :
         {QStringLiteral("S0001"), QStringLiteral("NONE"), QStringLiteral("S0001' OR ''='")}) {
        boxes.clear();
        notifier.shown.clear();
        answerYes(seq);
        EXPECT_EQ(boxes, QStringList{QStringLiteral("오류|저장실패")}) << seq.toStdString();
        EXPECT_EQ(icons.value(0), QMessageBox::Critical);
        EXPECT_FALSE(closed) << seq.toStdString();
        EXPECT_EQ(aa, QString()) << seq.toStdString();
        EXPECT_EQ(q(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE seq = 'S0001'")),
                  QStringLiteral("3"));
        EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER")), QStringLiteral("2"));
    }
}

TEST_F(ContinueTest, NoAnswersCancelAndWritesNothing) {
    ScopedModalHandler scope([&](QDialog& d) {
        press(d, "Command1");
        return d.result();
    });
    frm_MSG_003 d(owner.get());
    d.lblseq->setText(QStringLiteral("S0001"));
    d.showModal();
    EXPECT_EQ(d.AA, QStringLiteral("Cancel"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER")), QStringLiteral("1"));
}

TEST(JobStartStatements, TextLineByLine) {
    EXPECT_EQ(frm_MSG_003::orderStatement(QStringLiteral("S'1")),
              QStringLiteral("\nselect\n    prod_no,\n    process_code,\n    product_code,\n    "
                             "order_qty ,\n    jisi_date,"
                             "\n    employee_No,\n    employee_su,\n    equipment_code\nFrom "
                             "B_JAKUPJISI_MASTER\nwhere seq = 'S''1'"));
    EXPECT_EQ(
        frm_MSG_003::orderUpdateStatement(QStringLiteral("S1")),
        QStringLiteral("\nupdate B_JAKUPJISI_MASTER set\n    end_yn = '2'\nwhere seq = 'S1'"));
    EXPECT_EQ(jobNumberStatement(QStringLiteral("20240305")),
              QStringLiteral("\nSELECT \n    CASE WHEN MAX(OP_SEQ) IS NULL THEN '20240305'+'001' "
                             "ELSE  LEFT(max(OP_SEQ),8) + "
                             "RIGHT('000' + CAST(RIGHT(MAX(OP_SEQ),3) + 1 AS VARCHAR(12)),3) "
                             "END\nFrom\n    P_SANGSAN_MASTER"
                             "\nWHERE\n    OP_SEQ like '20240305%'"));
    JobStartValues v;
    v.prodNo = QStringLiteral("P'1");
    v.userId = QStringLiteral("E07");
    v.now = QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9));
    const QStringList lines = jobStartInsertStatement(v).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 2 + 22 + 1 + 22);
    EXPECT_EQ(lines[1], QStringLiteral("Insert Into  P_SANGSAN_MASTER"));
    EXPECT_EQ(lines[2], QStringLiteral("("));
    EXPECT_EQ(lines[3], QStringLiteral("    Prod_no,"));
    EXPECT_EQ(lines[24], QStringLiteral("    User_id )"));
    EXPECT_EQ(lines[25], QStringLiteral(" Values "));
    EXPECT_EQ(lines[26], QStringLiteral("    ('P''1',"));
    EXPECT_EQ(lines[26 + 12], QStringLiteral("    '07:08',"));
    EXPECT_EQ(lines[26 + 20], QStringLiteral("    '070809',"));
    EXPECT_EQ(lines[47], QStringLiteral("    'E07')"));
}

TEST_F(ContinueTest, EveryStatementOfTheNextJobsStartFailsItAsAWhole) {
    FaultSweep sweep(dbFile());
    sweep.run({[this] {
                   boxes.clear();
                   notifier.shown.clear();
               },
               [this] { answerYes(QStringLiteral("S0001")); },
               [this](const std::string& where) {
                   EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                       << where;
                   EXPECT_EQ(boxes, QStringList{QStringLiteral("오류|저장실패")}) << where;
                   EXPECT_FALSE(closed) << where;
               }});
}
