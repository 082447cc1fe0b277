// The mould condition sheet (frm_S_test) against a plant database: load, the keypad on the
// fields, insert with NULLs, update of the filled fields only, and the refusals.
#include "tests/quality/qualityfixture.h"
#include "tests/support/faultsweep.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"

#include "quality/frm_s_test.h"
#include "quality/moldteststatements.h"
#include "workorders/clickablelabel.h"

#include <QTest>

#include <memory>

namespace {
// Line J1 has a sheet of the day before; line J2 has two of 2024-03-05.
const QString kRows = QStringLiteral(
    "INSERT INTO Q_MOLDTEST_RESULT (op_seq_sub, product_code, test_date, cylinder1, sacul2, "
    "time_h_ya) VALUES ('J1', 'A-100', '2024-03-04', 210, 80, 12.5), "
    "('J2', 'B-200', '2024-03-05', 1, NULL, NULL), ('J2', 'B-200', '2024-03-05', 2, NULL, "
    "NULL);\n");

class MoldtestTest : public QualityFixture {
protected:
    void SetUp() override {
        QualityFixture::SetUp();
        open(kRows);
        sheet = std::make_unique<frm_S_test>(nullptr);
        load(QStringLiteral("J1"));
    }
    void TearDown() override {
        sheet.reset();
        QualityFixture::TearDown();
    }
    void load(const QString& seq, const QString& date = u"2024-03-05"_qs) {
        sheet->show();
        sheet->Form_Load({seq, QStringLiteral("A-100"), QStringLiteral("핸들"),
                          QStringLiteral("P-A"), date, QString(), QString()});
    }
    void touch(const QString& column, const QStringList& keyNames) {
        keys = keyNames;
        QTest::mouseClick(sheet->field(column), Qt::LeftButton);
        keys.clear();
    }
    static QString stored(const QString& seq, const QString& date) {
        return q(QStringLiteral("SELECT product_code, cylinder1, cylinder2, sacul2, time_h_ya, "
                                "gadong_ya3 FROM Q_MOLDTEST_RESULT WHERE op_seq_sub = '%1' AND "
                                "test_date = '%2'")
                     .arg(seq, date));
    }

    std::unique_ptr<frm_S_test> sheet;
};
} // namespace

TEST_F(MoldtestTest, LoadsTheLinesSheetAndTakesValuesOnTheKeypad) {
    EXPECT_EQ(sheet->field(QStringLiteral("cylinder1"))->text(), QStringLiteral("210"));
    EXPECT_EQ(sheet->field(QStringLiteral("time_h_ya"))->text(), QStringLiteral("12.5"));
    EXPECT_EQ(sheet->field(QStringLiteral("mm5"))->text(), QString());
    EXPECT_EQ(sheet->field(QStringLiteral("cylinder1"))->objectName(),
              QStringLiteral("lbl_cylinder(0)"));
    EXPECT_EQ(sheet->field(QStringLiteral("time_h_ya"))->objectName(),
              QStringLiteral("lbltime_h(1)"));
    EXPECT_EQ(sheet->field(QStringLiteral("gadong_ya3"))->objectName(),
              QStringLiteral("lbl_gadong_ya(2)"));
    touch(QStringLiteral("cylinder2"), {u"cmd2"_qs, u"Command3"_qs, u"cmd5"_qs, u"Command13"_qs});
    EXPECT_EQ(sheet->field(QStringLiteral("cylinder2"))->text(), QStringLiteral("2.5"));
    // A cancelled keypad empties the field.
    touch(QStringLiteral("cylinder1"), {u"cmd1"_qs, u"Command14"_qs});
    EXPECT_EQ(sheet->field(QStringLiteral("cylinder1"))->text(), QString());
}

TEST_F(MoldtestTest, FirstSaveOfTheDayInsertsWithNullsAndOtherDaysStay) {
    touch(QStringLiteral("cylinder1"), {u"Command14"_qs});
    touch(QStringLiteral("cylinder2"), {u"cmd2"_qs, u"cmd1"_qs, u"cmd5"_qs, u"Command13"_qs});
    sheet->btnSave_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(stored(u"J1"_qs, u"2024-03-05"_qs), QStringLiteral("A-100||215|80|12.5|"));
    EXPECT_EQ(stored(u"J1"_qs, u"2024-03-04"_qs), QStringLiteral("A-100|210||80|12.5|"));
}

TEST_F(MoldtestTest, ASecondSaveOfTheDayKeepsWhatEmptyFieldsDoNotSay) {
    sheet->btnSave_Click();
    load(QStringLiteral("J1"));
    // The load shows the first row of the line, whatever its day.
    touch(QStringLiteral("cylinder1"), {u"cmd2"_qs, u"cmd0"_qs, u"cmd0"_qs, u"Command13"_qs});
    touch(QStringLiteral("sacul2"), {u"Command14"_qs});
    touch(QStringLiteral("gadong_ya3"), {u"cmd8"_qs, u"Command13"_qs});
    messages.clear();
    sheet->btnSave_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_EQ(stored(u"J1"_qs, u"2024-03-05"_qs), QStringLiteral("A-100|200||80|12.5|8"));
    EXPECT_EQ(stored(u"J1"_qs, u"2024-03-04"_qs), QStringLiteral("A-100|210||80|12.5|"));
}

TEST_F(MoldtestTest, ATextValueNamesItsFieldAndNothingIsWritten) {
    struct Case {
        const char* column;
        QStringList keys;
        QString message;
    };
    const Case cases[] = {
        {"cylinder5",
         {u"cmdOK"_qs, u"Command13"_qs},
         u"실린더 온도 (℃) 쿠션량 값이 숫자가 아닙니다: OK"_qs},
        {"time_n_ya", {u"cmd_NG"_qs, u"Command13"_qs}, u"냉각 시간 야 값이 숫자가 아닙니다: NG"_qs},
        {"shot_ju2", {}, u"주 생산 SHOT수 2 값이 숫자가 아닙니다: ."_qs},
    };
    for (const Case& c : cases) {
        load(QStringLiteral("J1"));
        // A lone point is typed as text: the keypad does not end on it.
        if (c.keys.isEmpty())
            sheet->field(QLatin1String(c.column))->setText(QStringLiteral("."));
        else
            touch(QLatin1String(c.column), c.keys);
        messages.clear();
        sheet->btnSave_Click();
        EXPECT_EQ(messages, QStringList{c.message}) << c.column;
        EXPECT_TRUE(sheet->isVisible()) << c.column;
    }
    EXPECT_EQ(stored(u"J1"_qs, u"2024-03-05"_qs), QString());
}

TEST_F(MoldtestTest, TwoSheetsOfTheLineAndDaySaveNothing) {
    load(QStringLiteral("J2"));
    touch(QStringLiteral("cylinder1"), {u"cmd5"_qs, u"Command13"_qs});
    sheet->btnSave_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("2건"))) << messages[0].toStdString();
    EXPECT_EQ(q(QStringLiteral("SELECT cylinder1 FROM Q_MOLDTEST_RESULT WHERE op_seq_sub = 'J2' "
                               "ORDER BY cylinder1")),
              QStringLiteral("1;2"));
}

TEST(MoldTestStatements, OnlyPlainNumbersAreSpliced) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "12"},   {" 12.5 ", "12.5"}, {"-3", "-3"},     {"7.", "7."},        {".5", ".5"},
        {".", nullptr}, {"OK", nullptr},    {"1e5", nullptr}, {"1;DROP", nullptr}, {"", nullptr}};
    for (const auto& [in, out] : cases) {
        const std::optional<QString> t = MoldTestStatements::numberText(QString::fromUtf8(in));
        EXPECT_EQ(t.has_value(), out != nullptr) << in;
        if (t && out) {
            EXPECT_EQ(*t, QString::fromUtf8(out)) << in;
        }
    }
}

TEST_F(MoldtestTest, EveryTextThatIsNoNumberIsRefusedByName) {
    const QStringList tables = {u"Q_MOLDTEST_RESULT"_qs, u"B_EMPLOYEE"_qs};
    const TableRows before = snapshotTables(tables, &TestEnv::checkRows);
    for (const QString& text : hostileTexts()) {
        if (text.isEmpty())
            continue; // an empty field is no value
        load(QStringLiteral("J1"));
        sheet->field(QStringLiteral("cylinder5"))->setText(text);
        messages.clear();
        sheet->btnSave_Click();
        EXPECT_EQ(messages, QStringList{u"실린더 온도 (℃) 쿠션량 값이 숫자가 아닙니다: "_qs + text})
            << text.toStdString();
        EXPECT_TRUE(sheet->isVisible()) << text.toStdString();
    }
    EXPECT_EQ(changedTables(before, snapshotTables(tables, &TestEnv::checkRows)), QStringList());
}

TEST_F(MoldtestTest, ALineAndProductWithQuotesAndCommentsSaveTheirOwnSheet) {
    const QString line = QStringLiteral("J'1--");
    sheet->show();
    sheet->Form_Load({line, QStringLiteral("'; DELETE FROM B_EMPLOYEE; --"),
                      QStringLiteral("핸'들"), QStringLiteral("P'A"), u"2024-03-05"_qs, QString(),
                      QString()});
    sheet->field(QStringLiteral("cylinder1"))->setText(QStringLiteral("7"));
    const QString others = q(QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT"));
    sheet->btnSave_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    EXPECT_EQ(stored(u"J''1--"_qs, u"2024-03-05"_qs),
              QStringLiteral("'; DELETE FROM B_EMPLOYEE; --|7||||"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT")),
              QString::number(others.toInt() + 1));
}

TEST_F(MoldtestTest, EveryStatementOfTheSaveFailsItAsAWhole) {
    FaultSweep sweep(dbFile());
    sweep.run({[this] {
                   load(QStringLiteral("J1"));
                   touch(QStringLiteral("cylinder2"), {u"cmd2"_qs, u"Command13"_qs});
                   messages.clear();
                   notifier.shown.clear();
               },
               [this] { sheet->btnSave_Click(); },
               [this](const std::string& where) {
                   EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault")))
                       << where;
                   EXPECT_TRUE(sheet->isVisible()) << where;
                   EXPECT_FALSE(messages.contains(QStringLiteral("저장이 완료되었습니다.")))
                       << where;
               }});
}
