// Scripts run against the fixture screen through the real event loop: every step kind, a
// system message box and a message dialog driven by the script inside their modal loops,
// failures with what was found, and a program that ends before its script.
#include "tests/ui/common/replayfixture.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/messagebox.h"
#include "ui/common/replayrunner.h"
#include "ui/common/replayscript.h"

#include <QApplication>
#include <QEventLoop>
#include <QTabBar>
#include <QTimer>

namespace {
class ReplayRunnerTest : public ReplayScreenTest {
protected:
    void SetUp() override {
        ReplayScreenTest::SetUp();
        QObject::connect(btnOk, &QPushButton::clicked, lblOut, [this] {
            if (txtId->text() != QLatin1String("ASK"))
                return lblOut->setText(txtId->text());
            const bool yes =
                MessageBox::yesNo(QStringLiteral("질문"), QStringLiteral("계속할까요?"));
            lblOut->setText(yes ? QStringLiteral("예") : QStringLiteral("아니오"));
        });
        QObject::connect(btnMsg, &QPushButton::clicked, lblOut, [this] {
            showWorkerMessage(QStringLiteral("작업지시가 없습니다."), screen.get());
            lblOut->setText(QStringLiteral("닫힘"));
        });
        QObject::connect(txtId, &QLineEdit::returnPressed, lblOut,
                         [this] { lblOut->setText(QStringLiteral("입력 ") + txtId->text()); });
    }

    // Runs the script to its end; modal windows it leaves open are closed afterwards, as
    // the program's end would.
    int run(const QString& script, int waitLimitMs = ReplayRunner::kWaitLimitMs) {
        QString error;
        const QList<ReplayStep> steps = ReplayScript::parse(script, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        ReplayRunner runner(
            steps, {[this](const QString& l) { out << l; }, [this](const QString& l) { err << l; }},
            nullptr);
        runner.setWaitLimit(waitLimitMs);
        QEventLoop loop;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, &loop, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                d->reject();
        });
        QObject::connect(&runner, &ReplayRunner::finished, &loop, [&] {
            closer.start(10);
            loop.quit();
        });
        // Only against a runner that hangs: its modal windows are closed and the test fails.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
            ADD_FAILURE() << "the script did not end";
            closer.start(10);
            loop.quit();
        });
        guard.start(60000);
        runner.start();
        loop.exec();
        return runner.status();
    }

    QStringList out;
    QStringList err;
};

QString lines(std::initializer_list<const char*> l) {
    QString s;
    for (const char* line : l)
        s += QString::fromUtf8(line) + QLatin1Char('\n');
    return s;
}
} // namespace

TEST_F(ReplayRunnerTest, EveryStepKindDrivesTheScreen) {
    const QString script = lines({
        "# typing without a click, keys to the focus",
        "type frmReplay/txtId ask 1",
        "key Backspace",
        "type frmReplay/txtId 가나",
        "expect frmReplay/txtId ask 가나",
        "key Enter",
        "expect frmReplay/lblOut 입력 ask 가나",
        "click frmReplay/fpBtn_1(2)",
        "expect frmReplay/lblOut 공정2",
        "expect frmReplay/\"끄기\" 끄기",
        "choose frmReplay/cboShift 야간",
        "expect frmReplay/lblOut 선택 야간",
        "choose frmReplay/lstItems FG02",
        "expect frmReplay/lblOut FG02",
        "choose frmReplay/ss[2,2] B",
        "expect frmReplay/ss[2,2] B",
        "type frmReplay/ss[1,3] 12 ab",
        "key Enter",
        "expect frmReplay/ss[1,3] 12 ab",
        "click frmReplay/ss[3,1]",
        "expect frmReplay/lblOut 셀 3,1",
        "expect-color frmReplay/ss[1,1] 213,254,175",
        "expect-color frmReplay/lblColour 255,0,0",
        "click frmReplay/\"야간\"",
        "click frmReplay/\"이력\"",
        "wait 30",
    });
    EXPECT_EQ(run(script), 0) << err.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(err.isEmpty());
    EXPECT_TRUE(chkNight->isChecked());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(spread->TextWithColID(QStringLiteral("kind"), 2), QStringLiteral("B"));
    EXPECT_EQ(spread->TextWithColID(QStringLiteral("memo"), 1), QStringLiteral("12 ab"));
    // Each step printed before it ran, with its line number.
    ASSERT_EQ(out.size(), 25);
    EXPECT_EQ(out.first(), QStringLiteral("step\t2\ttype frmReplay/txtId ask 1"));
    EXPECT_EQ(out.last(), QStringLiteral("step\t26\twait 30"));
}

TEST_F(ReplayRunnerTest, ModalWindowsAreDrivenByTheScriptAndPrintedAsTheyOpen) {
    const QString script = lines({
        "type frmReplay/txtId ASK",
        "click frmReplay/\"확인\"",
        "expect-message 계속할까요",
        "answer No",
        "expect frmReplay/lblOut 아니오",
        "click frmReplay/\"확인\"",
        "answer yes",
        "expect frmReplay/lblOut 예",
        "click frmReplay/btnMsg",
        "expect frm_MSG_001/Lb_msg 작업지시가 없습니다.",
        "click frm_MSG_001/Command14",
        "expect frmReplay/lblOut 닫힘",
        "expect-message 작업지시가",
    });
    EXPECT_EQ(run(script), 0) << err.join(QLatin1Char('\n')).toStdString();
    const QStringList messages = out.filter(QRegularExpression(QStringLiteral("^message\t")));
    EXPECT_EQ(
        messages,
        (QStringList{QStringLiteral("message\tmessageBox\t질문\t계속할까요?"),
                     QStringLiteral("message\tmessageBox\t질문\t계속할까요?"),
                     QStringLiteral("message\tfrm_MSG_001\tfrm_MSG_001\t작업지시가 없습니다.")}));
    // A message is printed as it opens: after the click that opened it.
    EXPECT_EQ(out.indexOf(messages.first()),
              out.indexOf(QStringLiteral("step\t2\tclick frmReplay/\"확인\"")) + 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ReplayRunnerTest, TheFirstFailingStepEndsTheRunWithWhatWasFound) {
    struct Case {
        const char* script;
        int failingLine;
        const char* found;
    };
    const Case cases[] = {
        {"expect frmReplay/lblOut 처음\nexpect frmReplay/lblOut 나중\nwait 0\n", 2,
         "shows \"처음\""},
        {"click frmNone/btnOk\n", 1, "no open window \"frmNone\""},
        {"click frmReplay/btnOff\n", 1, "\"frmReplay/btnOff\" is disabled"},
        {"type frmReplay/lblHidden x\n", 1, "\"frmReplay/lblHidden\" is not visible"},
        {"choose frmReplay/cboShift 새벽\n", 1, "entries \"주간\", \"야간\""},
        {"choose frmReplay/ss[1,2] C\n", 1, "entries \"A\", \"B\""},
        {"choose frmReplay/txtId x\n", 1,
         "the control is not a combo box, list or grid drop-down cell"},
        {"expect-color frmReplay/lblColour 0,0,255\n", 1, "background 255,0,0"},
        {"expect-message 저장\n", 1, "messages since the last expect-message: none"},
        {"answer Ok\n", 1, "no message box is open"},
        {"click frmReplay/btnMsg\nanswer Ok\n", 2, "no message box is open"},
        {"click frmReplay/btnMsg\nclick frmReplay/btnOk\n", 2,
         "window \"frmReplay\" is blocked by the modal window \"frm_MSG_001\""},
        {"type frmReplay/txtId ASK\nclick frmReplay/btnOk\nanswer Ok\n", 3,
         "the message box has the buttons Yes, No"},
        {"click frmReplay/btnMsg\nclick frm_MSG_001/Command14\nexpect-message 없습니다\n"
         "expect-message 없습니다\n",
         4, "messages since the last expect-message: none"},
    };
    for (const Case& c : cases) {
        out.clear();
        err.clear();
        txtId->clear();
        EXPECT_EQ(run(QString::fromUtf8(c.script), 200), 1) << c.script;
        ASSERT_EQ(err.size(), 2) << c.script;
        const QStringList steps = QString::fromUtf8(c.script).split(QLatin1Char('\n'));
        EXPECT_EQ(err.at(0).toStdString(), QStringLiteral("replay: step failed at line %1: %2")
                                               .arg(c.failingLine)
                                               .arg(steps.at(c.failingLine - 1))
                                               .toStdString());
        EXPECT_EQ(err.at(1).toStdString(), "replay: found: " + std::string(c.found)) << c.script;
        // Nothing after the failing step ran.
        EXPECT_EQ(
            out.filter(QRegularExpression(QStringLiteral("^step\t%1\t").arg(c.failingLine + 1)))
                .size(),
            0)
            << c.script;
    }
}

TEST_F(ReplayRunnerTest, AProgramThatEndsBeforeItsScriptFails) {
    QString error;
    QEventLoop second;
    ReplayRunner cut(ReplayScript::parse(QStringLiteral("wait 0\nwait 60000\n"), &error),
                     {[&](const QString& l) {
                          out << l;
                          if (out.size() == 2)
                              second.quit();
                      },
                      [this](const QString& l) { err << l; }},
                     nullptr);
    cut.start();
    second.exec(); // the program ends while the second step runs
    EXPECT_EQ(cut.conclude(), 1);
    EXPECT_EQ(err, QStringList{QStringLiteral(
                       "replay: the program ended before the step at line 2: wait 60000")});

    // The last step's touch ends the program itself (an exit button): the script held.
    err.clear();
    QEventLoop loop;
    QObject::connect(btnOk, &QPushButton::clicked, &loop, &QEventLoop::quit);
    ReplayRunner last(ReplayScript::parse(QStringLiteral("click frmReplay/btnOk\n"), &error),
                      {[](const QString&) {}, [this](const QString& l) { err << l; }}, nullptr);
    last.start();
    loop.exec();
    EXPECT_FALSE(last.isFinished());
    EXPECT_EQ(last.conclude(), 0);
    EXPECT_TRUE(err.isEmpty());
}
