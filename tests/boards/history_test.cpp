// The three terminal history screens against a small plant: what each lists for this PC and
// today, the process buttons and their filters, the production history's date picker, the
// navigation between the screens and the exit question.
#include "boards/frm_s_report_badqty.h"
#include "boards/frm_s_report_bigadong.h"
#include "boards/frm_s_report_sangsan.h"
#include "boards/historyscreens.h"
#include "boards/historysql.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "tests/workorders/terminalfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/screenlocator.h"
#include "ui/common/spreadview.h"
#include "workorders/buttoncolor.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>

namespace {
// Today is 2024-03-05; this terminal is 10.0.0.5. Processes: 사출 (E3), 조립 (E4) and 프레스
// (E1) here, E9 on another PC. The press order is today's and finished; the injection order
// dates from three days ago and still runs; the assembly order of that day is finished.
QString plant() {
    return QStringLiteral(
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P10', N'프레스');\n"
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P20', N'사출');\n"
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P30', N'조립');\n"
        "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
        "VALUES ('E1', N'프레스 1호기', 'P10', '10.0.0.5');\n"
        "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
        "VALUES ('E3', N'사출기', 'P20', '10.0.0.5');\n"
        "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
        "VALUES ('E4', N'조립라인', 'P30', '10.0.0.5');\n"
        "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
        "VALUES ('E9', N'원격 프레스', 'P10', '10.0.0.9');\n"
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');\n"
        "INSERT INTO B_PRODUCT_TYPE (product_type_code, product_type_name) VALUES ('T1', "
        "N'완제품');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, "
        "product_type_code) VALUES ('A', 'PN-A', N'브라켓', 'C1', 'T1');\n"
        "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd) VALUES ('W1', N'김작업', '1');\n"
        "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D01', N'버');\n"
        "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D02', N'미성형');\n"
        "INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B01', N'금형교체');\n"
        "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
        "product_code, order_qty, end_yn, jisi_date) VALUES "
        "('20240305001', '20240305001001', 'P10', 'E1', 'A', 100, '3', '2024-03-05'), "
        "('20240302001', '20240302001001', 'P20', 'E3', 'A', 300, '2', '2024-03-02'), "
        "('20240302002', '20240302002001', 'P30', 'E4', 'A', 50, '3', '2024-03-02'), "
        "('20240305009', '20240305009001', 'P10', 'E9', 'A', 70, '1', '2024-03-05');\n"
        "INSERT INTO P_SANGSAN_MASTER (prod_no, seq, op_seq, op_seq_sub, process_code, "
        "equipment_code, product_code, jisiqty, qty, bad_qty, jisi_date, jakup_date, edate, "
        "employee_no, lot_no) VALUES "
        "('20240305001', '20240305001001', '20240305001', '20240305001001', 'P10', 'E1', 'A', "
        "100, 1200, 10, '2024-03-05', '2024-03-05', '2024-03-05', 'W1', 'L0305'), "
        "('20240302001', '20240302001001', '20240302001', '20240302001001', 'P20', 'E3', 'A', "
        "300, 40, 3, '2024-03-02', '2024-03-05', NULL, 'W1', NULL), "
        "('20240305009', '20240305009001', '20240305009', '20240305009001', 'P10', 'E9', 'A', "
        "70, 7, 1, '2024-03-05', '2024-03-05', NULL, 'W1', NULL);\n"
        "INSERT INTO P_BADQTY (op_seq_sub, processbad_code, bad_qty, process_code, "
        "equipment_code) VALUES "
        "('20240305001001', 'D01', 10, 'P10', 'E1'), ('20240302001001', 'D02', 3, 'P20', 'E3'), "
        "('20240305009001', 'D01', 1, 'P10', 'E9');\n"
        "INSERT INTO P_BIGADONG (op_seq_sub, equipment_code, bigadong_code, biga_date, stime, "
        "etime, min) VALUES "
        "('20240305001001', 'E1', 'B01', '2024-03-05', '08:10', '08:22', 12), "
        "('20240302001001', 'E3', '', '2024-03-05', '09:40', NULL, NULL), "
        "('20240305001001', 'E1', 'B01', '2024-03-04', '15:00', '15:30', 30), "
        "('20240305009001', 'E9', 'B01', '2024-03-05', '07:00', '07:05', 5);\n");
}

// One text per row, the cells of the given column IDs joined by '|'.
QStringList rows(const HistoryFrame& screen, const QStringList& ids) {
    QStringList out;
    const clsSpread& s = *screen.spread();
    for (int r = 1; r <= s.MaxRows(); ++r) {
        QStringList cells;
        for (const QString& id : ids)
            cells << s.TextWithColID(id, r);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QStringList shownProcesses(const HistoryFrame& screen) {
    QStringList out;
    for (const QPushButton* b : screen.btnEquipment)
        if (!b->isHidden())
            out << b->text() + QLatin1Char('/') + b->property("Tag").toString();
    return out;
}

QStringList orange(const HistoryFrame& screen) {
    QStringList out;
    for (const QPushButton* b : screen.findChildren<QPushButton*>())
        if (ButtonColor::of(b) == ButtonColor::selected())
            out << b->objectName();
    out.sort();
    return out;
}

class HistoryTest : public TerminalTest {
protected:
    void SetUp() override {
        TerminalTest::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        createPlantDatabase(QStringLiteral("MES_TALVEN"), plant());
        ASSERT_TRUE(gfDB_OPEN());
    }
    void TearDown() override {
        HistoryOpenerHook::set({});
        TerminalTest::TearDown();
    }
};
} // namespace

TEST(HistorySqlTest, DatesAreIsoAndQuotedValuesEscaped) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDate day(2024, 3, 5);
    const QString ip = QStringLiteral("10.0.0.'5");
    for (const QString& sql : {HistorySql::processButtons(HistoryScreen::Defects, ip, day),
                               HistorySql::defects(day, ip, {}), HistorySql::downtime(day, ip, {}),
                               HistorySql::results(day, ip, {})}) {
        EXPECT_TRUE(sql.contains(QStringLiteral("'2024-03-05'"))) << sql.toStdString();
        EXPECT_TRUE(sql.contains(QStringLiteral("'10.0.0.''5'"))) << sql.toStdString();
        EXPECT_TRUE(sql.startsWith(QLatin1Char('\n')));
    }
    QLocale::setDefault(QLocale::system());
    const struct {
        HistoryScreen screen;
        const char* line;
    } filters[] = {{HistoryScreen::Defects, "\nAND B_PRO.process_code = 'P''1'"},
                   {HistoryScreen::Downtime, "\nAND P_SM.process_code = 'P''1'"},
                   {HistoryScreen::Results, "\nAND A.process_code = 'P''1'"}};
    for (const auto& f : filters)
        EXPECT_EQ(HistorySql::processFilter(f.screen, QStringLiteral("P'1")),
                  QString::fromUtf8(f.line));
}

TEST_F(HistoryTest, DefectsOfTodayOnThisTerminalNarrowedByProcess) {
    frm_S_Report_badqty screen;
    const QStringList ids = {QStringLiteral("작업지시번호"), QStringLiteral("공정명"),
                             QStringLiteral("불량코드"), QStringLiteral("불량명"),
                             QStringLiteral("불량수량")};
    // The other PC's defect is never listed.
    EXPECT_EQ(rows(screen, ids).size(), 2);
    EXPECT_TRUE(rows(screen, ids).contains(QStringLiteral("20240305001|프레스|D01|버|10")));
    EXPECT_TRUE(rows(screen, ids).contains(QStringLiteral("20240302001|사출|D02|미성형|3")));
    // The injection order three days old still runs: its process has a button; the finished
    // assembly order of that day gives none. Buttons in name order.
    EXPECT_EQ(shownProcesses(screen),
              (QStringList{QStringLiteral("사출/P20"), QStringLiteral("프레스/P10")}));
    // Loading lists all processes without marking a filter.
    EXPECT_EQ(orange(screen), QStringList{QStringLiteral("btnBadList")});
    EXPECT_TRUE(screen.lblWC_name->text().isEmpty());
    EXPECT_EQ(screen.lblDate->text() + QLatin1Char(' ') + screen.lblTime->text(),
              QStringLiteral("2024-03-05 14:07:09"));

    QTest::mouseClick(screen.btnEquipment[1], Qt::LeftButton);
    EXPECT_EQ(rows(screen, ids), QStringList{QStringLiteral("20240305001|프레스|D01|버|10")});
    EXPECT_EQ(orange(screen),
              (QStringList{QStringLiteral("btnBadList"), QStringLiteral("btnEquipment(1)")}));
    EXPECT_EQ(screen.lblWC_name->text(), QStringLiteral("프레스"));

    // Once the old order is finished too, its process loses its button at the next query;
    // the orange mark of the current filter survives the refill.
    gfEXEC_SQL(QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET end_yn = '3' WHERE seq = "
                              "'20240302001001'"),
               QStringLiteral("test"));
    QTest::mouseClick(screen.btnEquipment[1], Qt::LeftButton);
    EXPECT_EQ(shownProcesses(screen), QStringList{QStringLiteral("프레스/P10")});
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(HistoryTest, DowntimeOfTodayIncludesTheOpenStop) {
    frm_S_Report_bigadong screen;
    const QStringList ids = {QStringLiteral("공정명"), QStringLiteral("설비명"),
                             QStringLiteral("비가동명"), QStringLiteral("경과시간")};
    // Yesterday's stop and the other PC's are not listed; the open stop shows its minutes as
    // stored (none yet).
    QStringList all = rows(screen, ids);
    all.sort();
    EXPECT_EQ(all, (QStringList{QStringLiteral("사출|사출기||"),
                                QStringLiteral("프레스|프레스 1호기|금형교체|12")}));
    EXPECT_EQ(orange(screen), QStringList{QStringLiteral("btnBigadongList")});
    QTest::mouseClick(screen.btnEquipment[0], Qt::LeftButton);
    EXPECT_EQ(rows(screen, ids), QStringList{QStringLiteral("사출|사출기||")});
    EXPECT_EQ(screen.lblWC_name->text(), QStringLiteral("사출"));
}

TEST_F(HistoryTest, ResultsFollowThePickedDateOnlyAtTheNextQuery) {
    frm_S_Report_Sangsan screen;
    EXPECT_EQ(screen.dtpSt_date->date(), QDate(2024, 3, 5));
    const QStringList ids = {QStringLiteral("작업지시번호"), QStringLiteral("생산실적순번"),
                             QStringLiteral("설비명"),       QStringLiteral("생산수량"),
                             QStringLiteral("양품수량"),     QStringLiteral("성명"),
                             QStringLiteral("종료날짜")};
    EXPECT_EQ(rows(screen, ids),
              QStringList{QStringLiteral(
                  "20240305001|20240305001001|프레스 1호기|1,210|1,200|김작업|2024-03-05")});
    const clsSpread& s = *screen.spread();
    for (const char* id : {"소포장수량", "소출력수", "바코드소포장", "대포장수량", "대출력수",
                           "바코드대포장", "생산실적순번"})
        EXPECT_TRUE(screen.ss->isColumnHidden(s.ColumnNumber(QString::fromUtf8(id)) - 1)) << id;

    screen.dtpSt_date->setDate(QDate(2024, 3, 2));
    EXPECT_EQ(rows(screen, ids).size(), 1);
    EXPECT_TRUE(rows(screen, ids).first().startsWith(QStringLiteral("20240305001|")));
    QTest::mouseClick(screen.btnFind, Qt::LeftButton);
    EXPECT_EQ(rows(screen, ids),
              QStringList{QStringLiteral("20240302001|20240302001001|사출기|43|40|김작업|")});
    EXPECT_EQ(orange(screen),
              (QStringList{QStringLiteral("btnFind"), QStringLiteral("btnJakupList")}));
}

TEST_F(HistoryTest, ArrivingFromAnotherScreenShowsAllProcessesAgain) {
    HistoryScreens::registerOpener();
    HistoryFrame* defects = HistoryScreens::open(HistoryScreen::Defects);
    QTest::mouseClick(defects->btnEquipment[0], Qt::LeftButton);
    ASSERT_EQ(defects->spread()->MaxRows(), 1);
    QTest::mouseClick(defects->btnJakupList, Qt::LeftButton);
    auto* results = qobject_cast<HistoryFrame*>(findScreen(QStringLiteral("frm_S_Report_Sangsan")));
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    QTest::mouseClick(results->btnBadList, Qt::LeftButton);
    EXPECT_EQ(findScreen(QStringLiteral("frm_S_Report_badqty")), defects);
    EXPECT_EQ(defects->spread()->MaxRows(), 2);
    EXPECT_EQ(defects->lblWC_name->text(), QStringLiteral("불량내역 전체조회"));
    // The screen's own button does nothing.
    QTest::mouseClick(defects->btnEquipment[0], Qt::LeftButton);
    QTest::mouseClick(defects->btnBadList, Qt::LeftButton);
    EXPECT_EQ(defects->spread()->MaxRows(), 1);

    // The work order list shows its history buttons once the opener is there.
    frm_S_jakupjisi_list* list = frm_S_jakupjisi_list::showList();
    ASSERT_FALSE(list->btnBigadongList->isHidden());
    QTest::mouseClick(list->btnBigadongList, Qt::LeftButton);
    QWidget* downtime = findScreen(QStringLiteral("frm_S_Report_bigadong"));
    ASSERT_NE(downtime, nullptr);
    EXPECT_TRUE(downtime->isVisible());
}

TEST_F(HistoryTest, ExitEndsTheProgramOnlyOnExit) {
    frm_S_Report_bigadong screen;
    QTest::mouseClick(screen.btnEquipment[0], Qt::LeftButton);
    answer = [](QDialog& d) { press(d, QStringLiteral("Command1")); };
    QTest::mouseClick(screen.btnExit, Qt::LeftButton);
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_EQ(screen.spread()->MaxRows(), 1);
    answer = [](QDialog& d) { press(d, QStringLiteral("Command14")); };
    QTest::mouseClick(screen.btnExit, Qt::LeftButton);
    EXPECT_EQ(ends, QList<int>{0});
}

TEST_F(HistoryTest, LabelColumnsOfferedWithALabelPort) {
    const QString port = path(QStringLiteral("ttyLabel"));
    QFile(port).open(QIODevice::WriteOnly);
    LocalSettings::current().labelPort = port;
    frm_S_Report_Sangsan screen;
    const clsSpread& s = *screen.spread();
    const QStringList ids = {QStringLiteral("소포장수량"),   QStringLiteral("소출력수"),
                             QStringLiteral("바코드소포장"), QStringLiteral("대포장수량"),
                             QStringLiteral("대출력수"),     QStringLiteral("바코드대포장")};
    for (const QString& id : ids)
        EXPECT_FALSE(screen.ss->isColumnHidden(s.ColumnNumber(id) - 1)) << id.toStdString();
    // The counts follow every reload: without pack quantities they are "0".
    QTest::mouseClick(screen.btnFind, Qt::LeftButton);
    EXPECT_EQ(rows(screen, ids), QStringList{QStringLiteral("|0|출력||0|출력")});
    // A double touch on a count corrects it on the keypad.
    answer = [](QDialog& d) {
        press(d, QStringLiteral("cmd3"));
        press(d, QStringLiteral("Command13"));
    };
    emit screen.ss->cellDoubleClicked(s.ColumnNumber(QStringLiteral("대출력수")), 1);
    EXPECT_EQ(screen.spread()->TextWithColID(QStringLiteral("대출력수"), 1), QStringLiteral("3"));
}

TEST_F(HistoryTest, AProcessCodeWithQuotesAndCommentsFiltersEachScreen) {
    for (const char* table :
         {"B_PROCESS", "B_EQUIPMENT", "B_JAKUPJISI_MASTER", "P_SANGSAN_MASTER", "P_BADQTY"})
        ASSERT_TRUE(gfEXEC_SQL(QStringLiteral("UPDATE %1 SET process_code = 'P''2--' WHERE "
                                              "process_code = 'P20'")
                                   .arg(QLatin1String(table)),
                               QStringLiteral("test")));
    frm_S_Report_badqty defects;
    frm_S_Report_bigadong downtime;
    frm_S_Report_Sangsan results;
    // The injection run's results are of the day its order was given.
    results.dtpSt_date->setDate(QDate(2024, 3, 2));
    QTest::mouseClick(results.btnFind, Qt::LeftButton);
    const std::pair<HistoryFrame*, QString> screens[] = {{&defects, QStringLiteral("공정명")},
                                                         {&downtime, QStringLiteral("설비명")},
                                                         {&results, QStringLiteral("설비명")}};
    for (const auto& [screen, column] : screens) {
        SCOPED_TRACE(screen->objectName().toStdString());
        ASSERT_EQ(shownProcesses(*screen).value(0), QStringLiteral("사출/P'2--"));
        QTest::mouseClick(screen->btnEquipment[0], Qt::LeftButton);
        const QStringList listed = rows(*screen, {column});
        EXPECT_EQ(listed.size(), 1);
        EXPECT_TRUE(listed.value(0).startsWith(QStringLiteral("사출")))
            << listed.join(u'|').toStdString();
    }
    EXPECT_TRUE(windows.isEmpty());
}
