// The report screen's worker search, worker accept and crew size keypad fed hostile texts,
// with worker master rows whose numbers and names hold quotes and comments.
#include "production/frm_s_employee.h"
#include "tests/production/reportfixture.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QPushButton>
#include <QTest>

namespace {
const QString kWorkers = QStringLiteral(
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('W''9--', "
    "N'''; DELETE FROM B_EMPLOYEE; --');\n"
    "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('W%_', N'O''Brien');\n");

const QStringList kTables = {QStringLiteral("B_EMPLOYEE"), QStringLiteral("P_SANGSAN_MASTER"),
                             QStringLiteral("B_JAKUPJISI_MASTER")};

class ReportUnsafeInputTest : public ReportTest {
protected:
    TableRows snapshot() const { return snapshotTables(kTables, &TestEnv::checkRows); }
    // Rows listed by the worker search, as "number name".
    static QStringList listed(frm_S_employee& picker) {
        QStringList rows;
        for (int row = 1; row <= picker.spread()->MaxRows(); ++row)
            rows << picker.spread()->TextWithColID(QStringLiteral("사번"), row) + QLatin1Char(' ') +
                        picker.spread()->TextWithColID(QStringLiteral("작업자명"), row);
        return rows;
    }
};
} // namespace

TEST_F(ReportUnsafeInputTest, WorkerSearchTakesAnyTextInEitherField) {
    createPlant(kWorkers);
    frm_S_dayReport* r = open();
    frm_S_employee picker(r);
    // Workers listed per text, searched by name and by number: % and _ are LIKE wildcards,
    // everything else is matched as written.
    const int byName[] = {2, 0, 1, 1, 6, 6, 0, 0, 6};
    const int byNumber[] = {1, 0, 1, 0, 6, 6, 0, 0, 6};
    const QStringList texts = hostileTexts();
    ASSERT_EQ(texts.size(), qsizetype(std::size(byName)));
    const TableRows before = snapshot();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        picker.txtemployee_name->setText(texts[i]);
        picker.txtemployee_no->clear();
        QTest::mouseClick(picker.cmd_query, Qt::LeftButton);
        EXPECT_EQ(listed(picker).size(), byName[i]) << "name " << texts[i].toStdString();
        picker.txtemployee_name->clear();
        picker.txtemployee_no->setText(texts[i]);
        QTest::mouseClick(picker.cmd_query, Qt::LeftButton);
        EXPECT_EQ(listed(picker).size(), byNumber[i]) << "number " << texts[i].toStdString();
    }
    EXPECT_TRUE(windows.isEmpty()) << windowTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(changedTables(before, snapshot()), QStringList());
}

TEST_F(ReportUnsafeInputTest, AcceptingAWorkerWithQuotesWritesOnlyTheRun) {
    createPlant(kWorkers);
    frm_S_dayReport* r = open();
    answer = [](QDialog& d) {
        if (d.objectName() != QStringLiteral("frm_S_employee"))
            return;
        auto& p = static_cast<frm_S_employee&>(d);
        p.txtemployee_no->setText(QStringLiteral("W'9"));
        QTest::mouseClick(p.cmd_query, Qt::LeftButton);
        if (p.spread()->MaxRows() > 0)
            p.spread()->SetFocus(1, 1);
        press(d, QStringLiteral("cmdSave"));
    };
    const TableRows before = snapshot();
    QTest::mouseClick(r->lblEmployee_name, Qt::LeftButton);
    EXPECT_EQ(changedTables(before, snapshot()), QStringList{QStringLiteral("P_SANGSAN_MASTER")});
    EXPECT_EQ(checkRows(QStringLiteral("SELECT op_seq_sub FROM P_SANGSAN_MASTER WHERE "
                                       "employee_no = 'W''9--'")),
              QString::fromLatin1(kRun1));
    EXPECT_EQ(r->lblEmployee_name->text(), QStringLiteral("'; DELETE FROM B_EMPLOYEE; --"));
    EXPECT_EQ(r->lblemployee_no->text(), QStringLiteral("W'9--"));
}

TEST_F(ReportUnsafeInputTest, CrewSizeRefusesEveryTextThatIsNoNumber) {
    createPlant(kWorkers);
    frm_S_dayReport* r = open();
    const TableRows before = snapshot();
    for (const QString& text : hostileTexts()) {
        if (text.isEmpty())
            continue; // an empty keypad is a cancel
        windows.clear();
        keypadAnswers(text);
        QTest::mouseClick(r->lblJakupsu, Qt::LeftButton);
        EXPECT_EQ(windowTexts().last(), QStringLiteral("작업 인원은 숫자로 입력하십시오."))
            << text.toStdString();
        EXPECT_EQ(r->lblJakupsu->text(), QStringLiteral("2")) << text.toStdString();
    }
    EXPECT_EQ(changedTables(before, snapshot()), QStringList());
}
