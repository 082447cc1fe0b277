// The worker's login driven by its controls: upper-casing, the master code, quotes in the
// number, the digit pad and the full keyboard, the three-attempt rule.
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/hostiletexts.h"
#include "tests/workorders/terminalfixture.h"
#include "ui/common/frmkey2_englishandnum.h"
#include "ui/common/screenlocator.h"
#include "workorders/frmlogin.h"

#include <QLineEdit>

namespace {
const QString kEmployees = QStringLiteral(
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd, emp_power) VALUES ('AB12', "
    "N'이영희', 'PW', 'USER');\n"
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd, emp_power) VALUES ('O''NEIL', "
    "N'오닐', 'X1', 'USER');\n"
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd, emp_power) VALUES ('ZEVRA', "
    "N'관리', 'PW', 'ADMIN');\n");

class LoginTest : public TerminalTest {
protected:
    void SetUp() override {
        TerminalTest::SetUp();
        createPlantDatabase(QStringLiteral("MES_TALVEN"), kEmployees);
        ASSERT_TRUE(gfDB_OPEN());
    }

    static void enter(FrmLogIn& login, const QString& code, const QString& pass) {
        login.txt_member_code->clear();
        login.txt_member_pass->clear();
        QTest::keyClicks(login.txt_member_code, code);
        QTest::keyClicks(login.txt_member_pass, pass);
        QTest::mouseClick(login.btn_ok, Qt::LeftButton);
    }

    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    static QWidget* list() { return findScreen(QStringLiteral("frm_S_jakupjisi_list")); }
};
} // namespace

TEST_F(LoginTest, MemberCheckStatementQuotesBothValuesOnce) {
    EXPECT_EQ(FrmLogIn::memberCheckStatement(QStringLiteral("O'NEIL"), QStringLiteral("A'B")),
              QStringLiteral("SELECT EMP.idx, emp.emp_power,emp.employee_name \r\n"
                             "FROM B_EMPLOYEE EMP\r\n"
                             "WHERE employee_no = \r\n"
                             "'O''NEIL'\r\n"
                             "AND pwd = \r\n"
                             "'A''B'\r\n"));
}

TEST_F(LoginTest, SuccessfulLoginsGreetRecordTheNumberAndOpenTheList) {
    struct Case {
        QString code, pass;
        QString greeting;
        QString userId;
        bool queried; // the member check ran
    };
    const Case cases[] = {
        // Lower case typed, upper case stored.
        {QStringLiteral("ab12"), QStringLiteral("pw"), QStringLiteral("이영희님 확인되었습니다."),
         QStringLiteral("AB12"), true},
        // The master code in both boxes, in lower case, needs no query and has no name.
        {QStringLiteral("zevra"), QStringLiteral("zevra"), QStringLiteral("님 확인되었습니다."),
         QStringLiteral("ZEVRA"), false},
        // The master code in one box is an entry like any other: here a stored employee.
        {QStringLiteral("ZEVRA"), QStringLiteral("pw"), QStringLiteral("관리님 확인되었습니다."),
         QStringLiteral("ZEVRA"), true},
        // A quote is doubled in the statement only; the worker's number stays as typed.
        {QStringLiteral("o'neil"), QStringLiteral("x1"), QStringLiteral("오닐님 확인되었습니다."),
         QStringLiteral("O'NEIL"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        gsUSER_ID.clear();
        gsSQL.clear();
        notifier.shown.clear();
        FrmLogIn login;
        login.show();
        enter(login, c.code, c.pass);
        ASSERT_EQ(notifier.texts(), QStringList{c.greeting});
        EXPECT_EQ(notifier.shown.value(0).title, QStringLiteral("알림"));
        EXPECT_EQ(gsUSER_ID, c.userId);
        EXPECT_EQ(gsSQL, c.queried ? FrmLogIn::memberCheckStatement(c.userId, c.pass.toUpper())
                                   : QString());
        EXPECT_TRUE(windows.isEmpty());
        EXPECT_TRUE(login.isHidden());
        ASSERT_NE(list(), nullptr);
        EXPECT_TRUE(list()->isVisible());
        delete list();
    }
}

TEST_F(LoginTest, ThirdFailureEndsTheProgramAndReleasesTheConnection) {
    FrmLogIn login;
    // The master code in one box only, then wrong passwords.
    enter(login, QStringLiteral("zevra"), QStringLiteral("1234"));
    enter(login, QStringLiteral("ab12"), QStringLiteral("px"));
    EXPECT_TRUE(ends.isEmpty());
    ASSERT_NE(gCon, nullptr);
    enter(login, QStringLiteral("ab12"), QString());
    ASSERT_EQ(windows.size(), 3);
    const QString title = QStringLiteral("로그인실패");
    EXPECT_EQ(windowTexts(),
              (QStringList{QStringLiteral("로그인실패! (1회) 다시 확인하여 주시기 바랍니다."),
                           QStringLiteral("로그인실패! (2회) 다시 확인하여 주시기 바랍니다."),
                           QStringLiteral("비밀번호 3회 오류입니다. 프로그램을 종료합니다.")}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i].title, title);
        EXPECT_EQ(windows[i].icon, i < 2 ? QMessageBox::Information : QMessageBox::Critical);
    }
    EXPECT_EQ(ends, QList<int>{1});
    EXPECT_EQ(gCon, nullptr);
    EXPECT_TRUE(gsUSER_ID.isEmpty());
    EXPECT_EQ(list(), nullptr);
}

TEST_F(LoginTest, DatabaseFailureCountsAsAFailedAttempt) {
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("DROP TABLE B_EMPLOYEE"), QString()));
    FrmLogIn login;
    enter(login, QStringLiteral("ab12"), QStringLiteral("pw"));
    ASSERT_EQ(notifier.shown.size(), 1); // the driver's message from the error reporter
    EXPECT_EQ(windowTexts(),
              QStringList{QStringLiteral("로그인실패! (1회) 다시 확인하여 주시기 바랍니다.")});
    EXPECT_EQ(login.failureCount(), 2);
    EXPECT_TRUE(readFile(QStringLiteral("202403.err"))
                    .contains(QStringLiteral("ERR LOCATION :  로그인 / \r\n")));
    EXPECT_TRUE(gsUSER_ID.isEmpty());
}

TEST_F(LoginTest, DigitPadTypesIntoTheBoxThatLastHadTheFocus) {
    FrmLogIn login;
    login.show();
    // A touch into a box opens the full keyboard; cancelling it leaves the box as it was
    // but makes the box the pad's target.
    answer = [](QDialog& d) { press(d, QStringLiteral("Command14")); };
    const auto pad = [&login](int i) { click(login.fpBtn_1[std::size_t(i)]); };
    pad(1);
    pad(2);
    click(login.txt_member_pass);
    pad(10); // backspace on an empty box does nothing
    pad(3);
    pad(4);
    pad(10);
    EXPECT_EQ(login.txt_member_code->text(), QStringLiteral("12"));
    EXPECT_EQ(login.txt_member_pass->text(), QStringLiteral("3"));
    click(login.txt_member_code);
    pad(10);
    pad(10);
    pad(10);
    pad(0);
    EXPECT_EQ(login.txt_member_code->text(), QStringLiteral("0"));
    EXPECT_EQ(login.txt_member_pass->text(), QStringLiteral("3"));
    EXPECT_EQ(windows.size(), 2);
    EXPECT_EQ(windows.value(0).window, QStringLiteral("frmKey2_EnglishandNum"));
}

TEST_F(LoginTest, FullKeyboardReplacesTheTextOnlyWhenSomethingWasEntered) {
    FrmLogIn login;
    login.show();
    QStringList keys = {QStringLiteral("cmda"), QStringLiteral("cmdb"), QStringLiteral("cmd1"),
                        QStringLiteral("cmd2"), QStringLiteral("Command13")};
    answer = [&keys](QDialog& d) {
        for (const QString& k : keys)
            press(d, k);
    };
    click(login.txt_member_code);
    EXPECT_EQ(login.txt_member_code->text(), QStringLiteral("AB12"));
    keys = {QStringLiteral("cmd9"), QStringLiteral("Command14")};
    click(login.txt_member_code);
    EXPECT_EQ(login.txt_member_code->text(), QStringLiteral("AB12"));
    keys = {QStringLiteral("cmdp"), QStringLiteral("cmdw"), QStringLiteral("Command13")};
    click(login.txt_member_pass);
    EXPECT_EQ(login.txt_member_pass->text(), QStringLiteral("PW"));
    click(login.btn_ok);
    EXPECT_EQ(gsUSER_ID, QStringLiteral("AB12"));
}

TEST_F(LoginTest, EnterLogsInFromTheBoxesAndTheScreen) {
    struct Case {
        bool onBox;
        Qt::Key key;
    };
    for (const Case c : {Case{true, Qt::Key_Return}, Case{false, Qt::Key_Enter}}) {
        gsUSER_ID.clear();
        FrmLogIn login;
        login.show();
        QTest::keyClicks(login.txt_member_code, QStringLiteral("ab12"));
        QTest::keyClicks(login.txt_member_pass, QStringLiteral("pw"));
        QTest::keyClick(c.onBox ? static_cast<QWidget*>(login.txt_member_pass) : &login, c.key);
        EXPECT_EQ(gsUSER_ID, QStringLiteral("AB12")) << c.onBox;
        delete list();
    }
    EXPECT_EQ(notifier.shown.size(), 2);
}

TEST_F(LoginTest, ExitEndsTheProgramWithoutAQuestion) {
    FrmLogIn login;
    click(login.btn_exit);
    EXPECT_EQ(ends, QList<int>{0});
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(LoginTest, HostilePasswordsAreWrongPasswordsAndChangeNothing) {
    const QString workers = checkRows(QStringLiteral("SELECT * FROM B_EMPLOYEE"));
    QStringList passwords = hostileTexts();
    passwords << QStringLiteral("' OR '1'='1");
    for (const QString& pass : passwords) {
        SCOPED_TRACE(pass.toStdString());
        FrmLogIn login; // a fresh screen: every attempt is its first
        windows.clear();
        // Set, not typed: the test keyboard types ASCII only.
        login.txt_member_code->setText(QStringLiteral("AB12"));
        login.txt_member_pass->setText(pass);
        click(login.btn_ok);
        EXPECT_EQ(windowTexts(),
                  QStringList{QStringLiteral("로그인실패! (1회) 다시 확인하여 주시기 바랍니다.")});
        EXPECT_TRUE(gsUSER_ID.isEmpty());
        EXPECT_EQ(list(), nullptr);
    }
    EXPECT_TRUE(notifier.shown.isEmpty());
    EXPECT_EQ(checkRows(QStringLiteral("SELECT * FROM B_EMPLOYEE")), workers);
}
