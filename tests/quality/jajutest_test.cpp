// The inspection sheet (frm_S_jajutest) against a plant database: opening from a job, the
// grid and its judgement colours, the inspector, the picture, numbering, save and delete.
#include "tests/quality/qualityfixture.h"
#include "tests/support/faultsweep.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"

#include "core/localsettings.h"
#include "quality/frm_s_jajutest.h"
#include "quality/jajutestopening.h"
#include "ui/common/clsspread.h"
#include "ui/common/frmimgshow.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {
// A-100 has standard S1 in force (an older S0 is not) with a two-sided, a max-only and a
// visual item; B-200 has S2 with one item; C-300 has none. Lines J1 and J2 (B-200).
const QString kRows = QStringLiteral(
    "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'차1');\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES "
    "('A-100', 'P-A', N'핸들', 'C1'), ('B-200', 'P-B', N'브라켓', 'C1'), "
    "('C-300', 'P-C', N'커버', 'C1');\n"
    "INSERT INTO B_TESTLIST_TYPE (testlist_type_code, testlist_type_name) VALUES "
    "('T1', N'치수'), ('T3', N'외관');\n"
    "INSERT INTO B_TESTLIST (testlist_code, testlist_name, testlist_type_code) VALUES "
    "('L1', N'길이', 'T1'), ('L2', N'작동력', 'T1'), ('L3', N'외관 상태', 'T3');\n"
    "INSERT INTO Q_CHOJUNGJONGTEST_STD (process_test_num, product_code, reg_yn, path) VALUES "
    "('S0', 'A-100', '0', ''), ('S1', 'A-100', '1', '%1'), ('S2', 'B-200', '1', '');\n"
    "INSERT INTO Q_CHOJUNGJONGTEST_STD_SUB (process_test_num, process_test_num_sub, "
    "testlist_code, spec_std, spec_min, spec_max, spec_unit, process_test_gu, "
    "process_siryo_su, sortby) VALUES "
    "('S1', 'S1-02', 'L2', N'5 이하', '', '5', 'N', N'게이지', 1, 2), "
    "('S1', 'S1-01', 'L1', N'15 ± 5', '10', '20', 'mm', N'캘리퍼스', 1, 1), "
    "('S1', 'S1-03', 'L3', N'흠 없을 것', '', '', '', N'육안', 1, 3), "
    "('S0', 'S0-01', 'L1', N'old', '0', '1', 'mm', '', 1, 1), "
    "('S2', 'S2-01', 'L1', N'3', '2', '4', 'mm', '', 1, 1);\n"
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('E1', N'김작업'), "
    "('Q1', N'윤검사');\n"
    "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, product_code, employee_no) VALUES "
    "('20240305001', 'J1', 'A-100', 'E1'), ('20240305002', 'J2', 'B-200', 'E1');\n");

const QString kRed = QStringLiteral("255");

class JajutestTest : public QualityFixture {
protected:
    void SetUp() override {
        QualityFixture::SetUp();
        pictureFile = path(QStringLiteral("s1.png"));
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(pictureFile));
        open(kRows.arg(pictureFile));
        LocalSettings::current().fileShare = QStringLiteral("\\\\files\\qc");
        LocalSettings::current().fileShareUser = QStringLiteral("qc");
        LocalSettings::current().fileSharePass = QStringLiteral("pw");
        sheet = std::make_unique<frm_S_jajutest>(nullptr);
        sheet->show();
    }
    void TearDown() override {
        sheet.reset();
        QualityFixture::TearDown();
    }

    static InspectionJob job(const QString& seq = u"J1"_qs, const QString& product = u"A-100"_qs,
                             const QString& juya = u"주간"_qs) {
        InspectionJob j;
        j.seq = seq;
        j.productCode = product;
        j.pumbun = QStringLiteral("P-A");
        j.productName = QStringLiteral("핸들");
        j.employeeName = QStringLiteral("김작업");
        j.employeeNo = QStringLiteral("E1");
        j.orderQty = QStringLiteral("100");
        j.goodQty = QStringLiteral("40");
        j.badQty = QStringLiteral("2");
        j.juya = juya;
        return j;
    }
    bool openJob(const InspectionJob& j = job()) {
        return JajuTestOpening::fill(sheet.get(), j) != nullptr;
    }
    clsSpread* g() const { return sheet->grid(); }
    // A touch on a cell of the grid, answering the keypad with the keys.
    void touch(const QString& colId, int row, const QStringList& keyNames) {
        keys = keyNames;
        SpreadView* v = g()->Spr();
        const QModelIndex i = v->model()->index(row - 1, g()->ColumnNumber(colId) - 1);
        v->scrollTo(i);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
        keys.clear();
    }
    // The text colour as decimal text: "255" red, "0" black.
    QString fore(const QString& colId, int row) const {
        return g()->GetForeColor(g()->ColumnNumber(colId), row);
    }
    void read(int row, const QStringList& x) {
        for (int i = 0; i < x.size(); ++i)
            g()->TextWithColID(QStringLiteral("x%1").arg(i + 1), row, x[i]);
    }
    static QString headers() {
        return q(QStringLiteral("SELECT seq, product_code, process_test_num, process_num, "
                                "process_juya, process_test_result, process_test_check, "
                                "process_test_su, process_pass_su, process_bad_su, "
                                "process_tester_id FROM Q_CHOJUNGJONGTEST_RESULT ORDER BY "
                                "process_num, process_juya"));
    }

    QString pictureFile;
    std::unique_ptr<frm_S_jajutest> sheet;
};
} // namespace

TEST_F(JajutestTest, OpeningFillsTheSheetFromTheJobAndTheStandardInForce) {
    ASSERT_TRUE(openJob());
    EXPECT_EQ(sheet->lbltest_num->text(), QStringLiteral("S1"));
    EXPECT_EQ(sheet->lblipha_su->text(), QStringLiteral("142"));
    EXPECT_EQ(sheet->lbl_jaju_num->text(), QString());
    EXPECT_TRUE(sheet->optPass->isChecked());
    EXPECT_FALSE(sheet->optCheck->isChecked());
    // The items in their order, the job's worker as the inspector of a new sheet.
    ASSERT_EQ(g()->MaxRows(), 3);
    EXPECT_EQ(g()->MaxCols(), 25);
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("항목명"), 1), QStringLiteral("길이"));
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("MAX"), 2), QStringLiteral("5"));
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("유형명"), 3), QStringLiteral("외관"));
    EXPECT_EQ(sheet->lbl_employee->text(), QStringLiteral("김작업"));
    EXPECT_EQ(sheet->lblemployee_no->text(), QString());
    // The shown columns are the item, its standard and limits, samples, the three readings and the
    // result.
    QStringList shown;
    for (int c = 1; c <= g()->MaxCols(); ++c)
        if (!g()->Spr()->isColumnHidden(c - 1))
            shown << g()->GetColID(c);
    EXPECT_EQ(shown.join(QLatin1Char(',')),
              QStringLiteral("유형명,항목명,기준,MIN,MAX,단위,시료수,x1,x2,x3,판정"));
    // The share is connected with the configured account and the picture is loaded.
    EXPECT_EQ(share.calls.value(0), QStringLiteral("\\\\files\\qc|qc|pw"));
    EXPECT_EQ(sheet->picture().size(), QSize(40, 20));
    // A touch on the picture shows it in the viewer.
    QTest::mouseClick(sheet->imgProduct, Qt::LeftButton);
    ASSERT_NE(currentImageViewer(), nullptr);
    currentImageViewer()->close();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('/')).toStdString();
}

TEST_F(JajutestTest, AProductWithoutAStandardIsNotOpened) {
    EXPECT_FALSE(openJob(job(u"J9"_qs, u"C-300"_qs)));
    EXPECT_EQ(messages, QStringList{QStringLiteral("기준서 등록이 되어있지 않는 품번입니다.")});
}

TEST_F(JajutestTest, AMissingPictureIsReportedAndTheSheetStaysUsable) {
    QFile::remove(pictureFile);
    ASSERT_TRUE(openJob());
    EXPECT_EQ(messages, QStringList{QStringLiteral("연결오류: 파일서버 연결중에 오류가 "
                                                   "발생하였습니다.\r\n검사화면을 다시 켜주시기 "
                                                   "바랍니다.")});
    EXPECT_TRUE(sheet->picture().isNull());
    touch(QStringLiteral("x1"), 1, {u"cmd1"_qs, u"cmd5"_qs, u"Command13"_qs});
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("x1"), 1), QStringLiteral("15"));
}

TEST_F(JajutestTest, KeypadReadingsAreJudgedWithTheirColours) {
    ASSERT_TRUE(openJob());
    touch(QStringLiteral("x1"), 1, {u"cmd9"_qs, u"Command13"_qs});
    touch(QStringLiteral("x2"), 1, {u"cmd1"_qs, u"cmd5"_qs, u"Command13"_qs});
    touch(QStringLiteral("x3"), 1, {u"cmd2"_qs, u"cmd1"_qs, u"Command13"_qs});
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("판정"), 1), QStringLiteral("불합격"));
    EXPECT_EQ(fore(QStringLiteral("판정"), 1), kRed);
    EXPECT_EQ(fore(QStringLiteral("x1"), 1), kRed);
    EXPECT_NE(fore(QStringLiteral("x2"), 1), kRed);
    EXPECT_EQ(fore(QStringLiteral("x3"), 1), kRed);
    EXPECT_TRUE(sheet->optNotpass->isChecked());
    // A cancelled keypad leaves the cell; a corrected reading passes the item and the sheet.
    touch(QStringLiteral("x1"), 1, {u"cmd1"_qs, u"Command14"_qs});
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("x1"), 1), QStringLiteral("9"));
    touch(QStringLiteral("x1"), 1, {u"cmd1"_qs, u"cmd2"_qs, u"Command13"_qs});
    touch(QStringLiteral("x3"), 1, {u"cmd2"_qs, u"cmd0"_qs, u"Command13"_qs});
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("판정"), 1), QStringLiteral("합격"));
    EXPECT_TRUE(sheet->optPass->isChecked());
    EXPECT_EQ(g()->GetText(0, 1), clsSpread::markChanged());
    // A locked column opens no keypad.
    touch(QStringLiteral("MIN"), 1, {u"cmd1"_qs, u"Command13"_qs});
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("MIN"), 1), QStringLiteral("10"));
}

TEST_F(JajutestTest, EveryThreeReadingsSetInputComplete) {
    ASSERT_TRUE(openJob());
    read(1, {u"12"_qs, u"13"_qs, u"14"_qs});
    read(2, {u"1"_qs, u"2"_qs, u"3"_qs});
    EXPECT_FALSE(sheet->optCheck->isChecked());
    // Typing straight into a cell judges as the keypad does.
    read(3, {u"OK"_qs, u"양호"_qs, u"NG"_qs});
    EXPECT_TRUE(sheet->optCheck->isChecked());
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("판정"), 3), QStringLiteral("불합격"));
    EXPECT_TRUE(sheet->optNotpass->isChecked());
}

TEST_F(JajutestTest, TheInspectorIsPicked) {
    ASSERT_TRUE(openJob());
    onDialog = [](QDialog& d) {
        auto* grid = d.findChild<SpreadView*>(QStringLiteral("ss"));
        grid->setActiveCell(3, 2); // 윤검사 after 김작업 by name
        d.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    };
    QTest::mouseClick(sheet->lbl_employee, Qt::LeftButton);
    EXPECT_EQ(sheet->lbl_employee->text(), QStringLiteral("윤검사"));
    EXPECT_EQ(sheet->lblemployee_no->text(), QStringLiteral("Q1"));
}

TEST_F(JajutestTest, NewSheetsAreNumberedPerInspectionDate) {
    // Another day's sheets do not count.
    ASSERT_TRUE(
        gfEXEC_SQL(QStringLiteral("INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, product_code, "
                                  "process_num, process_juya, process_test_date) VALUES "
                                  "('J0', 'A-100', '20240304007', 1, '2024-03-04')"),
                   QString()));
    ASSERT_TRUE(openJob());
    read(1, {u"12"_qs});
    sheet->lblemployee_no->setText(QStringLiteral("Q1"));
    sheet->btn_Savejaju_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
    // The next new sheet of the date, of another product and shift.
    ASSERT_TRUE(openJob(job(u"J2"_qs, u"B-200"_qs, u"야간"_qs)));
    sheet->btn_Savejaju_Click();
    EXPECT_EQ(headers(), QStringLiteral("J0|A-100||20240304007|1||||||;"
                                        "J1|A-100|S1|20240305001|1|1|0|142|142|0|Q1;"
                                        "J2|B-200|S2|20240305002|0|1|0|142|142|0|"));
    EXPECT_EQ(q(QStringLiteral("SELECT process_num, process_test_num_sub, x1, "
                               "process_test_result_sub, process_juya FROM "
                               "Q_CHOJUNGJONGTEST_RESULT_SUB ORDER BY process_num, "
                               "process_test_num_sub")),
              QStringLiteral("20240305001|S1-01|12|합격|1;20240305001|S1-02|||1;"
                             "20240305001|S1-03|||1;20240305002|S2-01|||0"));
}

TEST_F(JajutestTest, SavingAgainUpdatesTheSheetAndKeepsItsNumber) {
    ASSERT_TRUE(openJob());
    read(1, {u"12"_qs, u"25"_qs});
    sheet->btn_Savejaju_Click();
    ASSERT_TRUE(openJob());
    EXPECT_EQ(sheet->lbl_jaju_num->text(), QStringLiteral("20240305001"));
    EXPECT_TRUE(sheet->optNotpass->isChecked());
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("x2"), 1), QStringLiteral("25"));
    read(1, {u"12"_qs, u"15"_qs, u"18"_qs});
    sheet->btn_Savejaju_Click();
    EXPECT_EQ(headers(), QStringLiteral("J1|A-100|S1|20240305001|1|1|0|142|142|0|"));
    EXPECT_EQ(q(QStringLiteral("SELECT x1, x2, x3, process_test_result_sub FROM "
                               "Q_CHOJUNGJONGTEST_RESULT_SUB WHERE process_test_num_sub = "
                               "'S1-01'")),
              QStringLiteral("12|15|18|합격"));
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB")),
              QStringLiteral("3"));
}

TEST_F(JajutestTest, AnEmptyGridSavesNothing) {
    // B-200's line J1 does not exist: the standard is there, the grid has no rows.
    ASSERT_TRUE(openJob(job(u"J1"_qs, u"B-200"_qs)));
    ASSERT_EQ(g()->MaxRows(), 0);
    sheet->btn_Savejaju_Click();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT")),
              QStringLiteral("0"));
}

TEST_F(JajutestTest, DeleteAsksFirst) {
    ASSERT_TRUE(openJob());
    read(1, {u"12"_qs});
    sheet->btn_Savejaju_Click();
    ASSERT_TRUE(openJob());
    sheet->show();
    messages.clear();
    confirm = false;
    sheet->btn_deletejaju_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("삭제가 취소되었습니다.")});
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB")),
              QStringLiteral("3"));
    messages.clear();
    confirm = true;
    sheet->btn_deletejaju_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("초중종검사가 삭제되었습니다.")});
    EXPECT_EQ(q(QStringLiteral("SELECT (SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT) + "
                               "(SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB)")),
              QStringLiteral("0"));
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(JajutestTest, AFailingItemStatementWritesNoHeaderAndKeepsTheSheet) {
    ASSERT_TRUE(openJob());
    read(1, {u"12"_qs});
    ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("DROP TABLE Q_CHOJUNGJONGTEST_RESULT_SUB"), QString()));
    sheet->btn_Savejaju_Click();
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT")),
              QStringLiteral("0"));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(g()->TextWithColID(QStringLiteral("x1"), 1), QStringLiteral("12"));
    EXPECT_FALSE(messages.contains(QStringLiteral("저장이 완료되었습니다.")));
}

TEST_F(JajutestTest, TheDaysNumbersUsedUpSaveNothing) {
    ASSERT_TRUE(
        gfEXEC_SQL(QStringLiteral("INSERT INTO Q_CHOJUNGJONGTEST_RESULT (seq, product_code, "
                                  "process_num, process_juya, process_test_date) VALUES "
                                  "('J0', 'A-100', '20240305999', 1, '2024-03-05')"),
                   QString()));
    ASSERT_TRUE(openJob());
    read(1, {u"12"_qs});
    sheet->btn_Savejaju_Click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("오늘의 초중종검사번호 999개를 모두 사용하여 "
                                                   "더 등록할 수 없습니다.")});
    EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB")),
              QStringLiteral("0"));
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(JajutestTest, ReadingsAndInspectorWithQuotesAreStoredAsTyped) {
    const QStringList masters = {u"B_EMPLOYEE"_qs, u"B_JAKUPJISI_MASTER"_qs,
                                 u"Q_CHOJUNGJONGTEST_STD"_qs, u"Q_CHOJUNGJONGTEST_STD_SUB"_qs};
    const TableRows before = snapshotTables(masters, &TestEnv::checkRows);
    for (const QString& text : hostileTexts()) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(openJob());
        // The grid's text cells keep at most 60 characters.
        read(3, {text, text, text});
        sheet->lblemployee_no->setText(QStringLiteral("Q'1--"));
        messages.clear();
        sheet->btn_Savejaju_Click();
        EXPECT_EQ(messages, QStringList{QStringLiteral("저장이 완료되었습니다.")});
        EXPECT_EQ(q(QStringLiteral("SELECT x1, x2, x3 FROM Q_CHOJUNGJONGTEST_RESULT_SUB WHERE "
                                   "process_test_num_sub = 'S1-03'")),
                  QStringList(3, text.left(60)).join(QLatin1Char('|')));
        // One sheet, saved again each time; its other items untouched.
        EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*), MAX(process_tester_id) FROM "
                                   "Q_CHOJUNGJONGTEST_RESULT")),
                  QStringLiteral("1|Q'1--"));
        EXPECT_EQ(q(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT_SUB")),
                  QStringLiteral("3"));
    }
    EXPECT_EQ(changedTables(before, snapshotTables(masters, &TestEnv::checkRows)), QStringList());
}

// A new sheet (its number read in the batch), the same sheet saved again, and its delete,
// each with a failure at each statement and at the commit.
TEST_F(JajutestTest, EveryStatementOfTheSavesAndTheDeleteFailsThemAsAWhole) {
    const auto failed = [this](const std::string& where) {
        EXPECT_TRUE(notifier.texts().contains(QStringLiteral("injected fault"))) << where;
        EXPECT_TRUE(sheet->isVisible()) << where;
        EXPECT_FALSE(messages.contains(QStringLiteral("저장이 완료되었습니다."))) << where;
        EXPECT_FALSE(messages.contains(QStringLiteral("초중종검사가 삭제되었습니다."))) << where;
    };
    const auto reading = [this] {
        ASSERT_TRUE(openJob());
        sheet->show();
        read(1, {u"12"_qs, u"15"_qs});
        messages.clear();
        notifier.shown.clear();
    };
    {
        SCOPED_TRACE("new sheet");
        FaultSweep sweep(dbFile());
        sweep.run({reading, [this] { sheet->btn_Savejaju_Click(); }, failed});
    }
    {
        SCOPED_TRACE("saved again");
        FaultSweep sweep(dbFile());
        sweep.run({reading, [this] { sheet->btn_Savejaju_Click(); }, failed});
    }
    {
        SCOPED_TRACE("delete");
        confirm = true;
        FaultSweep sweep(dbFile());
        sweep.run({reading, [this] { sheet->btn_deletejaju_Click(); }, failed});
    }
}
