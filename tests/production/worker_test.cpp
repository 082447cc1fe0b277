// Worker, crew size and time editing on the report screen: the time entry's key tables and
// accept checks, the worker search and accept, the crew size with its number check.
#include "production/frm_s_employee.h"
#include "production/timeentry.h"
#include "production/workereditsql.h"
#include "tests/production/reportfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QPushButton>

namespace {
QString typeDigits(const QString& digits) {
    QString display;
    for (const QChar c : digits)
        display = TimeEntry::typed(display, c.digitValue());
    return display;
}
} // namespace

TEST(TimeEntryTest, DigitAndBackspaceTables) {
    const struct {
        const char* digits;
        const char* display;
    } typing[] = {{"", ""},          {"0", "0"},         {"08", "08"},      {"083", "08:3"},
                  {"0830", "08:30"}, {"08301", "08:30"}, {"2500", "25:00"}, {"1265", "12:65"}};
    for (const auto& t : typing)
        EXPECT_EQ(typeDigits(QString::fromLatin1(t.digits)), QString::fromLatin1(t.display))
            << t.digits;
    const struct {
        const char* before;
        const char* after;
    } back[] = {{"", ""},        {"1", ""},         {"12", "1"},         {"12:", "12"},
                {"12:3", "12:"}, {"12:34", "12:3"}, {"12:345", "12:345"}};
    for (const auto& b : back)
        EXPECT_EQ(TimeEntry::backspaced(QString::fromLatin1(b.before)),
                  QString::fromLatin1(b.after))
            << b.before;
}

TEST(TimeEntryTest, AcceptChecks) {
    using C = TimeEntry::Check;
    const struct {
        const char* display;
        C check;
    } cases[] = {{"08:30", C::Accepted}, {"23:59", C::Accepted},  {"1", C::Accepted},
                 {"9", C::Wrong},        {"25:00", C::Wrong},     {"24:00", C::Wrong},
                 {"12:65", C::Wrong},    {"12:60", C::Wrong},     {"", C::Incomplete},
                 {"12:", C::Incomplete}, {"12:3", C::Incomplete}, {"25:", C::Incomplete}};
    for (const auto& c : cases)
        EXPECT_EQ(TimeEntry::check(QString::fromLatin1(c.display)), c.check) << c.display;
}

TEST(WorkerEditSqlTest, SearchConditionsAndQuotes) {
    EXPECT_EQ(WorkerEditSql::workers(QString(), QString()),
              QStringLiteral("\nSELECT B_EMP.idx,employee_no, employee_Name"
                             "\nFrom B_EMPLOYEE B_EMP\nwhere 1=1\nORDER BY employee_Name"));
    EXPECT_EQ(WorkerEditSql::workers(QStringLiteral("O'K"), QStringLiteral("W")),
              QStringLiteral("\nSELECT B_EMP.idx,employee_no, employee_Name"
                             "\nFrom B_EMPLOYEE B_EMP\nwhere 1=1"
                             "\n    and  B_EMP.employee_name like '%O''K%'"
                             "\n   and B_EMP.employee_no like '%W%'\nORDER BY employee_Name"));
    EXPECT_EQ(WorkerEditSql::setCrewSize(QStringLiteral("4"), QStringLiteral("R'1")),
              QStringLiteral("\nUPDATE P_SangSan_Master\nSET employee_su = 4"
                             "\nWHERE op_seq_sub = 'R''1'"));
    for (const char* good : {"0", "4", "12", "+3", "-1"})
        EXPECT_TRUE(WorkerEditSql::isCrewSize(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "4.5", "4; DELETE P_SangSan_Master", "1e3", " 4", "abc"})
        EXPECT_FALSE(WorkerEditSql::isCrewSize(QString::fromLatin1(bad))) << bad;
}

class TimeEditTest : public ReportTest {
protected:
    // Types the digits on the time entry screen, then accepts it.
    void timeEntryTypes(const QString& digits) {
        answer = [digits](QDialog& d) {
            if (!d.objectName().endsWith(QStringLiteral("time")))
                return;
            for (const QChar c : digits)
                press(d, QStringLiteral("cmdNum(%1)").arg(c.digitValue()));
            press(d, QStringLiteral("cmdSave"));
        };
    }
};

TEST_F(TimeEditTest, StartAndEndTimeEntry) {
    createPlant();
    frm_S_dayReport* r = open();
    const struct {
        ClickableLabel* field;
        const char* digits;
        const char* before;
        const char* after;
        const char* message; // "" when none
    } cases[] = {
        {r->lblStTime, "0830", "08:00", "08:30", ""},
        {r->lblStTime, "2500", "08:00", "", "시작시간이 잘못 입력되었습니다."},
        {r->lblStTime, "1265", "08:00", "", "시작시간이 잘못 입력되었습니다."},
        {r->lblStTime, "9", "08:00", "", "시작시간이 잘못 입력되었습니다."},
        {r->lblStTime, "1", "08:00", "1", ""},
        {r->lblStTime, "08301", "08:00", "08:30", ""},
        {r->lblStTime, "083", "08:00", "08:00", ""}, // incomplete: nothing handed back
        {r->lblEdTime, "1730", "", "17:30", ""},
        {r->lblEdTime, "2400", "17:30", "", "종료시간이 잘못 입력되었습니다."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        c.field->setText(QString::fromLatin1(c.before));
        windows.clear();
        timeEntryTypes(QString::fromLatin1(c.digits));
        QTest::mouseClick(c.field, Qt::LeftButton);
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.after));
        QStringList boxes;
        for (const Shown& s : windows)
            if (s.window == QStringLiteral("messageBox") || s.icon != QMessageBox::NoIcon)
                boxes << s.title + QLatin1Char('/') + s.text;
        EXPECT_EQ(boxes, *c.message ? QStringList{QStringLiteral("입력오류/") +
                                                  QString::fromUtf8(c.message)}
                                    : QStringList{});
    }
    // Nothing opens without a job.
    r->lblOp_seq_sub->clear();
    windows.clear();
    QTest::mouseClick(r->lblStTime, Qt::LeftButton);
    QTest::mouseClick(r->lblEdTime, Qt::LeftButton);
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(ReportTest, WorkerSearchWithBothFields) {
    createPlant();
    frm_S_dayReport* r = open();
    frm_S_employee picker(r);
    const auto listed = [&picker] {
        QStringList rows;
        for (int row = 1; row <= picker.spread()->MaxRows(); ++row)
            rows << picker.spread()->TextWithColID(QStringLiteral("사번"), row) + QLatin1Char(' ') +
                        picker.spread()->TextWithColID(QStringLiteral("작업자명"), row);
        return rows;
    };
    EXPECT_EQ(listed().size(), 4);
    EXPECT_EQ(picker.lblOp_seq_sub->text(), QString::fromLatin1(kRun1));
    const struct {
        const char* name;
        const char* number;
        QStringList rows;
    } cases[] = {
        {"김", "", {QStringLiteral("W1 김작업"), QStringLiteral("W3 김철수")}},
        {"작업", "", {QStringLiteral("W1 김작업"), QStringLiteral("W2 박작업")}},
        {"김", "3", {QStringLiteral("W3 김철수")}},
        {"", "X", {QStringLiteral("X1 이영희")}},
        {"O'Brien", "", {}},
    };
    for (const auto& c : cases) {
        picker.txtemployee_name->setText(QString::fromUtf8(c.name));
        picker.txtemployee_no->setText(QString::fromUtf8(c.number));
        QTest::mouseClick(picker.cmd_query, Qt::LeftButton);
        EXPECT_EQ(listed(), c.rows) << c.name << " " << c.number;
    }
    EXPECT_TRUE(windows.isEmpty()); // the quote searched, no statement failed
}

TEST_F(ReportTest, WorkerAcceptWritesTheRunAndTheScreen) {
    createPlant();
    frm_S_dayReport* r = open();
    const auto choose = [this](const char* name) {
        answer = [name](QDialog& d) {
            if (d.objectName() != QStringLiteral("frm_S_employee"))
                return;
            auto& p = static_cast<frm_S_employee&>(d);
            p.txtemployee_name->setText(QString::fromUtf8(name));
            QTest::mouseClick(p.cmd_query, Qt::LeftButton);
            if (p.spread()->MaxRows() > 0)
                p.spread()->SetFocus(1, 1);
            press(d, QStringLiteral("cmdSave"));
        };
    };
    const QString runWorker = QStringLiteral(
        "SELECT employee_no FROM P_SANGSAN_MASTER WHERE op_seq_sub = '20240305001001'");
    choose("철수");
    QTest::mouseClick(r->lblEmployee_name, Qt::LeftButton);
    EXPECT_EQ(dbValue(runWorker), QStringLiteral("W3"));
    EXPECT_EQ(r->lblEmployee_name->text(), QStringLiteral("김철수"));
    EXPECT_EQ(r->lblemployee_no->text(), QStringLiteral("W3"));
    // Accepting with no worker listed changes nothing (no empty worker number is written).
    choose("없는사람");
    QTest::mouseClick(r->lblEmployee_name, Qt::LeftButton);
    EXPECT_EQ(dbValue(runWorker), QStringLiteral("W3"));
    EXPECT_EQ(r->lblEmployee_name->text(), QStringLiteral("김철수"));
    EXPECT_EQ(r->lblemployee_no->text(), QStringLiteral("W3"));
    // The other runs keep their workers.
    EXPECT_EQ(
        dbValue(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER "
                               "WHERE op_seq_sub <> '20240305001001' AND employee_no = 'W2'")),
        QStringLiteral("2"));
}

TEST_F(ReportTest, CrewSizeIsCheckedBeforeItIsWritten) {
    createPlant();
    frm_S_dayReport* r = open();
    const QString crew = QStringLiteral(
        "SELECT employee_su FROM P_SANGSAN_MASTER WHERE op_seq_sub = '20240305001001'");
    keypadAnswers(QStringLiteral("4"));
    QTest::mouseClick(r->lblJakupsu, Qt::LeftButton);
    EXPECT_EQ(dbValue(crew), QStringLiteral("4"));
    EXPECT_EQ(r->lblJakupsu->text(), QStringLiteral("4"));
    windows.clear();
    keypadAnswers(QStringLiteral("4,0"));
    QTest::mouseClick(r->lblJakupsu, Qt::LeftButton);
    EXPECT_EQ(dbValue(crew), QStringLiteral("4"));
    EXPECT_EQ(r->lblJakupsu->text(), QStringLiteral("4"));
    EXPECT_EQ(windowTexts().last(), QStringLiteral("작업 인원은 숫자로 입력하십시오."));
    keypadAnswers(QString());
    QTest::mouseClick(r->lblJakupsu, Qt::LeftButton);
    EXPECT_EQ(dbValue(crew), QStringLiteral("4"));
}
