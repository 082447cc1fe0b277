// The work order list against a small plant: which orders it lists and how it colours them,
// the two button banks, the row click, the exit confirmation and its statements' text.
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "tests/workorders/terminalfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"
#include "workorders/buttoncolor.h"
#include "workorders/frm_s_jakupjisi_list.h"
#include "workorders/workorderlistsql.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString kOrderColumns = QStringLiteral(
    "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, product_code, "
    "order_qty, qty, bad_qty, end_yn, employee_su, employee_no, juya_gubun, jisi_date) VALUES ");

QString order(const char* prodNo, const char* process, const char* equipment, const char* product,
              int qty, int done, int bad, const char* endYn, int crew, const char* shift,
              const char* date) {
    const auto q = [](const QString& v) { return QLatin1Char('\'') + v + QLatin1Char('\''); };
    const QString p = QString::fromLatin1(prodNo);
    const QStringList values = {q(p),
                                q(p + QStringLiteral("001")),
                                q(QString::fromLatin1(process)),
                                q(QString::fromLatin1(equipment)),
                                q(QString::fromLatin1(product)),
                                QString::number(qty),
                                QString::number(done),
                                QString::number(bad),
                                q(QString::fromLatin1(endYn)),
                                QString::number(crew),
                                q(QStringLiteral("W1")),
                                shift ? q(QString::fromLatin1(shift)) : QStringLiteral("NULL"),
                                q(QString::fromLatin1(date))};
    return kOrderColumns + QLatin1Char('(') + values.join(QStringLiteral(", ")) +
           QStringLiteral(");\n");
}

// Today is 2024-03-05. This terminal (10.0.0.5) serves E1, E2 (press), E3 (injection) and E4
// (assembly); E9 belongs to another PC.
QString plant() {
    QString s = QStringLiteral(
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P10', N'프레스');\n"
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P20', N'사출');\n"
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P30', N'조립');\n"
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES "
        "('A', 'PN-A', N'브라켓', 'C1');\n"
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code) VALUES "
        "('B', 'PN-B', N'하우징', 'C1');\n"
        "INSERT INTO B_METALLIC (mold_no, product_code) VALUES ('M-B1', 'B');\n"
        "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd) VALUES ('W1', N'김작업', "
        "'1');\n");
    const char* const equipment[][4] = {{"E1", "프레스 1호기", "P10", "10.0.0.5"},
                                        {"E2", "프레스 2호기", "P10", "10.0.0.5"},
                                        {"E3", "사출기", "P20", "10.0.0.5"},
                                        {"E4", "조립라인", "P30", "10.0.0.5"},
                                        {"E9", "원격 조립", "P30", "10.0.0.9"}};
    for (const auto& e : equipment) {
        s +=
            QStringLiteral("INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, "
                           "ipaddress) VALUES ('%1', N'%2', '%3', '%4');\n")
                .arg(QString::fromUtf8(e[0]), QString::fromUtf8(e[1]), QString::fromUtf8(e[2]),
                     QString::fromUtf8(e[3]));
        s += QStringLiteral("INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, "
                            "product_code) VALUES ('%1', '%2', 'A');\n")
                 .arg(QString::fromUtf8(e[0]), QString::fromUtf8(e[2]));
    }
    s += order("20240305001", "P10", "E1", "A", 1500, 0, 0, "1", 2, nullptr, "2024-03-05");
    s += order("20240304001", "P20", "E3", "B", 200, 190, 10, "3", 1, "1", "2024-03-04");
    s += order("20240302001", "P10", "E1", "A", 300, 120, 0, "2", 1, "0", "2024-03-02");
    s += order("20240302002", "P10", "E1", "A", 300, 0, 0, "1", 1, "1", "2024-03-02");
    s += order("20240302003", "P10", "E2", "A", 300, 300, 0, "3", 1, "1", "2024-03-02");
    s += order("20240305002", "P10", "E2", "A", 0, 0, 0, "1", 1, "1", "2024-03-05");
    s += order("20240305003", "P30", "E9", "A", 100, 0, 0, "1", 1, "1", "2024-03-05");
    s += order("20240305004", "P10", "E2", "A", 80, 0, 0, "1", 3, "0", "2024-03-05");
    // The running order's job has a bigger crew than the order.
    s += QStringLiteral("INSERT INTO P_SANGSAN_MASTER (op_seq_sub, seq, employee_no, employee_su) "
                        "VALUES ('20240302001001', '20240302001001', 'W1', 4);\n");
    return s;
}

class WorkListTest : public TerminalTest {
protected:
    void SetUp() override {
        TerminalTest::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        createPlantDatabase(QStringLiteral("MES_TALVEN"), plant());
        ASSERT_TRUE(gfDB_OPEN());
    }

    // One text per row: order number, shift, state, crew, produced as shown.
    static QStringList rows(const frm_S_jakupjisi_list& l) {
        QStringList out;
        const clsSpread& s = *l.spread();
        for (int r = 1; r <= s.MaxRows(); ++r) {
            QStringList cells;
            for (const char* id : {"작업지시번호", "구분", "완료여부", "작업인원", "생산수량"})
                cells << s.TextWithColID(QString::fromUtf8(id), r);
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }

    static QStringList shownCaptions(const QList<QPushButton*>& buttons) {
        QStringList out;
        for (const QPushButton* b : buttons)
            if (!b->isHidden())
                out << b->text();
        return out;
    }
    static QStringList processCaptions(const frm_S_jakupjisi_list& l) {
        return shownCaptions({l.btnEquipment.begin(), l.btnEquipment.end()});
    }
    static QStringList equipmentCaptions(const frm_S_jakupjisi_list& l) {
        return shownCaptions({l.btnEquipment2.begin(), l.btnEquipment2.end()});
    }
    // The captions of the orange buttons of a bank.
    static QStringList orange(const QList<QPushButton*>& buttons) {
        QStringList out;
        for (const QPushButton* b : buttons)
            if (ButtonColor::of(b) == ButtonColor::selected())
                out << b->text();
        return out;
    }
    static QStringList orangeProcesses(const frm_S_jakupjisi_list& l) {
        return orange({l.btnEquipment.begin(), l.btnEquipment.end()});
    }
    static QStringList orangeEquipment(const frm_S_jakupjisi_list& l) {
        return orange({l.btnEquipment2.begin(), l.btnEquipment2.end()});
    }

    static void clickRow(frm_S_jakupjisi_list& l, int row) {
        const int col = l.spread()->ColumnNumber(QStringLiteral("구분"));
        const QRect cell = l.ss->visualRect(l.ss->model()->index(row - 1, col - 1));
        ASSERT_TRUE(cell.isValid());
        QTest::mouseClick(l.ss->viewport(), Qt::LeftButton, {}, cell.center());
    }

    static QColor rowColour(const frm_S_jakupjisi_list& l, int row, int col) {
        return l.ss->model()->index(row - 1, col - 1).data(Qt::BackgroundRole).value<QColor>();
    }
};
} // namespace

TEST_F(WorkListTest, ListsTodaysAndYesterdaysOrdersAndOlderRunningOnesColouredByState) {
    frm_S_jakupjisi_list list;
    // The day before yesterday: only the running order; quantity 0 and the other PC's
    // equipment never. A NULL shift shows as day shift; the crew of a running order is its
    // job's.
    EXPECT_EQ(rows(list), (QStringList{QStringLiteral("20240302001|야간|진행중|4|120"),
                                       QStringLiteral("20240304001|주간|완료|1|200"),
                                       QStringLiteral("20240305001|주간|미완료|2|0"),
                                       QStringLiteral("20240305004|야간|미완료|3|0")}));
    const int last = list.spread()->MaxCols();
    for (int col : {1, last}) {
        EXPECT_EQ(rowColour(list, 1, col), QColor(0, 192, 0));
        EXPECT_EQ(rowColour(list, 2, col), QColor(255, 128, 128));
        EXPECT_NE(rowColour(list, 3, col), QColor(255, 128, 128));
        EXPECT_NE(rowColour(list, 3, col), QColor(0, 192, 0));
    }
    EXPECT_EQ(list.spread()->TextWithColID(QStringLiteral("작업지시수량"), 3),
              QStringLiteral("1,500"));
    EXPECT_EQ(list.spread()->TextWithColID(QStringLiteral("금형번호"), 2), QStringLiteral("M-B1"));
    EXPECT_EQ(processCaptions(list), (QStringList{QStringLiteral("프레스"), QStringLiteral("사출"),
                                                  QStringLiteral("조립")}));
    EXPECT_EQ(list.btnEquipment[0]->property("Tag").toString(), QStringLiteral("P10"));
    EXPECT_TRUE(orangeProcesses(list).isEmpty());
    EXPECT_TRUE(equipmentCaptions(list).isEmpty());
    EXPECT_EQ(ButtonColor::of(list.btnFind), ButtonColor::selected());
    EXPECT_EQ(ButtonColor::of(list.btnJakupJisi), ButtonColor::selected());
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("작업 전체조회"));
    EXPECT_EQ(list.lblDate->text(), QStringLiteral("2024-03-05"));
    EXPECT_EQ(list.lblTime->text(), QStringLiteral("14:07:09"));
    Clock::setFixed(QDateTime(QDate(2024, 3, 6), QTime(0, 0, 1)));
    list.Timer1_Timer();
    EXPECT_EQ(list.lblDate->text() + QLatin1Char(' ') + list.lblTime->text(),
              QStringLiteral("2024-03-06 00:00:01"));
    // Screens whose openers are not registered have no button on the list.
    for (const QPushButton* b :
         {list.btnDayReport, list.btnBadList, list.btnBigadongList, list.btnJakupList})
        EXPECT_TRUE(b->isHidden()) << b->objectName().toStdString();
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(WorkListTest, ProcessAndEquipmentButtonsNarrowTheList) {
    frm_S_jakupjisi_list list;
    QTest::mouseClick(list.btnEquipment[0], Qt::LeftButton);
    EXPECT_EQ(orangeProcesses(list), QStringList{QStringLiteral("프레스")});
    EXPECT_EQ(ButtonColor::of(list.btnFind), ButtonColor::unselected());
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("프레스"));
    EXPECT_EQ(list.lvJakup_procode + list.lvJakup_proname, QStringLiteral("P10프레스"));
    EXPECT_EQ(equipmentCaptions(list),
              (QStringList{QStringLiteral("프레스 1호기"), QStringLiteral("프레스 2호기")}));
    EXPECT_TRUE(orangeEquipment(list).isEmpty());
    // The process's orders, with the order's own crew size.
    EXPECT_EQ(rows(list), (QStringList{QStringLiteral("20240302001|야간|진행중|1|120"),
                                       QStringLiteral("20240305001|주간|미완료|2|0"),
                                       QStringLiteral("20240305004|야간|미완료|3|0")}));

    QTest::mouseClick(list.btnEquipment2[1], Qt::LeftButton);
    EXPECT_EQ(orangeEquipment(list), QStringList{QStringLiteral("프레스 2호기")});
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("프레스 (프레스 2호기)"));
    EXPECT_EQ(list.lvJakup_equipcode + list.lvJakup_equipname, QStringLiteral("E2프레스 2호기"));
    EXPECT_EQ(rows(list), QStringList{QStringLiteral("20240305004|야간|미완료|3|0")});

    // Another process with one machine: the second equipment button goes away.
    QTest::mouseClick(list.btnEquipment[1], Qt::LeftButton);
    EXPECT_EQ(equipmentCaptions(list), QStringList{QStringLiteral("사출기")});
    EXPECT_FALSE(list.selection().equipmentSelected);

    // "All" clears the filter but keeps the values registration reads.
    QTest::mouseClick(list.btnFind, Qt::LeftButton);
    EXPECT_EQ(list.spread()->MaxRows(), 4);
    EXPECT_TRUE(equipmentCaptions(list).isEmpty());
    EXPECT_TRUE(orangeProcesses(list).isEmpty());
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("작업 전체조회"));
    EXPECT_EQ(list.lvJakup_procode + list.lvJakup_equipcode, QStringLiteral("P20E2"));
    const ListSelection s = list.selection();
    EXPECT_FALSE(s.processSelected);
    EXPECT_FALSE(s.equipmentSelected);
}

TEST_F(WorkListTest, RowClickSelectsItsProcessAndEquipmentWithoutReloading) {
    frm_S_jakupjisi_list list;
    list.show();
    QTest::mouseClick(list.btnEquipment[2], Qt::LeftButton); // assembly: no order here
    QTest::mouseClick(list.btnFind, Qt::LeftButton);
    // A new order after the load: a reload would show it.
    ASSERT_TRUE(gfEXEC_SQL(
        order("20240305009", "P20", "E3", "A", 5, 0, 0, "1", 1, "1", "2024-03-05"), QString()));
    clickRow(list, 2);
    EXPECT_EQ(list.spread()->MaxRows(), 4);
    EXPECT_EQ(orangeProcesses(list), QStringList{QStringLiteral("사출")});
    EXPECT_EQ(equipmentCaptions(list), QStringList{QStringLiteral("사출기")});
    EXPECT_EQ(orangeEquipment(list), QStringList{QStringLiteral("사출기")});
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("사출 (사출기)"));
    EXPECT_EQ(ButtonColor::of(list.btnFind), ButtonColor::unselected());
    // Registration gets what the banks show, not the earlier process button.
    EXPECT_EQ(list.lvJakup_procode + list.lvJakup_equipcode, QStringLiteral("P20E3"));

    ListSelection s = list.selection();
    EXPECT_TRUE(s.processSelected);
    EXPECT_TRUE(s.equipmentSelected);
    EXPECT_EQ(s.rowCount, 4);
    EXPECT_EQ(s.prodNo + QLatin1Char('/') + s.seq, QStringLiteral("20240304001/20240304001001"));
    EXPECT_EQ(s.state, QStringLiteral("완료"));
    EXPECT_EQ(s.processCode + s.equipmentCode + s.productCode, QStringLiteral("P20E3B"));
    EXPECT_EQ(s.jisiDate, QStringLiteral("2024-03-04"));
    EXPECT_EQ(s.moldNo, QStringLiteral("M-B1"));
    EXPECT_EQ(s.employeeNo, QStringLiteral("W1"));

    clickRow(list, 3);
    s = list.selection();
    EXPECT_EQ(orangeProcesses(list), QStringList{QStringLiteral("프레스")});
    EXPECT_EQ(equipmentCaptions(list), QStringList{QStringLiteral("프레스 1호기")});
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("프레스 (프레스 1호기)"));
    EXPECT_EQ(s.orderQty, QStringLiteral("1500")); // shown as 1,500
    EXPECT_EQ(s.employeeSu, QStringLiteral("2"));
    EXPECT_EQ(s.state, QStringLiteral("미완료"));
}

TEST_F(WorkListTest, ProcessButtonsFollowTheProcessesOfThisTerminal) {
    for (int n : {0, 3, 35, 36}) {
        SCOPED_TRACE(n);
        QString data;
        for (int i = 1; i <= n; ++i)
            data += QStringLiteral(
                        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('Q%1', "
                        "N'공정%1');\n"
                        "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, "
                        "ipaddress) VALUES ('X%1', N'설비%1', 'Q%1', '10.0.0.5');\n"
                        "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) "
                        "VALUES ('X%1', 'Q%1', 'A');\n")
                        .arg(i, 2, 10, QLatin1Char('0'));
        // One more process on another PC.
        data += QStringLiteral(
            "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('Z', N'다른 PC');\n"
            "INSERT INTO B_EQUIPMENT (equipment_code, process_code, ipaddress) VALUES ('Y', 'Z', "
            "'10.0.0.9');\n"
            "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
            "('Y', 'Z', 'A');\n");
        createPlantDatabase(QStringLiteral("MES_N%1").arg(n), data);
        ASSERT_TRUE(gfDB_OPEN());
        frm_S_jakupjisi_list list;
        const int shown = std::min(n, frm_S_jakupjisi_list::kProcessButtons);
        const QStringList captions = processCaptions(list);
        ASSERT_EQ(captions.size(), shown);
        for (int i = 0; i < frm_S_jakupjisi_list::kProcessButtons; ++i)
            EXPECT_EQ(list.btnEquipment[std::size_t(i)]->isHidden(), i >= shown) << i;
        if (shown > 0) {
            EXPECT_EQ(captions.first(), QStringLiteral("공정01"));
            EXPECT_EQ(captions.last(),
                      QStringLiteral("공정%1").arg(shown, 2, 10, QLatin1Char('0')));
        }
        EXPECT_EQ(list.spread()->MaxRows(), 0);
    }
}

TEST_F(WorkListTest, ExitEndsTheProgramOnlyAfterYes) {
    struct Case {
        QString press; // empty: the dialog is closed without a button
        QList<int> ends;
    };
    const Case cases[] = {
        {QStringLiteral("Command14"), {0}}, {QStringLiteral("Command1"), {}}, {QString(), {}}};
    frm_S_jakupjisi_list list;
    for (const Case& c : cases) {
        windows.clear();
        // A fresh list, not a cleared one: Qt 6.4 compares an empty list that keeps its
        // storage with one that has none by handing memcmp a null pointer.
        ends = {};
        answer = [&c](QDialog& d) {
            if (!c.press.isEmpty())
                press(d, c.press);
        };
        QTest::mouseClick(list.btnExit, Qt::LeftButton);
        ASSERT_EQ(windows.size(), 1);
        EXPECT_EQ(windows[0].window, QStringLiteral("frm_MSG_002"));
        EXPECT_EQ(windows[0].text, QStringLiteral("정말로 종료하시겠습니까?"));
        EXPECT_EQ(ends, c.ends) << c.press.toStdString();
    }
}

TEST_F(WorkListTest, CountdownFlagReachesThePublicMember) {
    frm_S_jakupjisi_list list;
    EXPECT_FALSE(list.lvStartPop);
    list.setProperty("lvStartPop", true);
    EXPECT_TRUE(list.lvStartPop);
}

TEST(WorkOrderListSqlTest, ButtonStatementsAsSent) {
    const QString source = QStringLiteral("\nFROM(\nSELECT distinct\n    equipment_code as "
                                          "equipment_code,\n    process_code As process_code\nFrom "
                                          "B_EQUIPMENT_TIME\n) B_ET\nJOIN B_EQUIPMENT B_E ON "
                                          "B_E.equipment_code = B_ET.equipment_code\nJOIN "
                                          "B_PROCESS B_PRO ON B_PRO.process_code = "
                                          "B_ET.process_code");
    EXPECT_EQ(WorkOrderListSql::processButtons(QStringLiteral("10.0.0.5")),
              QStringLiteral("\nSELECT\n    B_ET.process_code as process_code,\n    "
                             "B_PRO.process_name as process_name") +
                  source +
                  QStringLiteral("\nWHERE B_E.ipaddress = '10.0.0.5'\nGROUP BY B_ET.process_code, "
                                 "B_PRO.process_name"));
    EXPECT_EQ(WorkOrderListSql::equipmentButtons(QStringLiteral("10.0.0.5"), QStringLiteral("O'1")),
              QStringLiteral("\nSELECT\n    B_ET.equipment_code as 설비코드,\n    "
                             "B_E.equipment_name as 설비명") +
                  source +
                  QStringLiteral("\nWHERE B_E.ipaddress = '10.0.0.5'\nand B_PRO.process_code = "
                                 "'O''1'"));
    EXPECT_EQ(WorkOrderListSql::rowEquipment(QStringLiteral("10.0.0.5"), QStringLiteral("P1"),
                                             QStringLiteral("E'1"), QStringLiteral("2024-03-05")),
              QStringLiteral("\nSELECT DISTINCT ISNULL(B_EQ.equipment_code,'') AS [설비코드], "
                             "B_EQ.equipment_name AS [설비명]\nFROM B_PROCESS B_PR\nJOIN "
                             "b_jakupjisi_master b_ET ON B_PR.process_code = b_ET.process_code\n"
                             "JOIN B_EQUIPMENT B_EQ ON b_ET.equipment_code = B_EQ.equipment_code\n"
                             "WHERE 1=1\nAND B_EQ.ipaddress = '10.0.0.5'\nAND b_ET.process_code = "
                             "'P1'\nand B_EQ.equipment_code = 'E''1'\nand jisi_date = "
                             "'2024-03-05'"));
}

TEST(WorkOrderListSqlTest, ListVariantsDifferInTheCrewColumnAndTheFilter) {
    const QDate today(2024, 3, 1);
    const QString ip = QStringLiteral("10.0.0.5");
    const QString filter =
        WorkOrderListSql::equipmentFilter(QStringLiteral("E1"), QStringLiteral("P'1"));
    EXPECT_EQ(filter,
              QStringLiteral("\nAND B_JAK.equipment_code = 'E1'\nAND B_JAK.process_code = 'P''1'"));
    EXPECT_EQ(WorkOrderListSql::processFilter(QStringLiteral("P1")),
              QStringLiteral("\nAND B_PR.process_code = 'P1'"));
    const QStringList all =
        WorkOrderListSql::orders(today, ip, false, QString()).split(QLatin1Char('\n'));
    const QStringList filtered =
        WorkOrderListSql::orders(today, ip, true, filter).split(QLatin1Char('\n'));
    // The filtered variant: one crew line instead of two, the filter's two lines at the end.
    ASSERT_EQ(filtered.size(), all.size() + 1);
    const QString conditions = QStringLiteral(
        "WHERE ((B_JAK.jisi_date <> '2024-03-01' AND B_JAK.end_yn = '2') OR B_JAK.jisi_date = "
        "'2024-03-01' or B_JAK.jisi_date = '2024-02-29')\nand  B_E.ipaddress = '10.0.0.5'\nand "
        "b_jak.order_qty <> '0'");
    EXPECT_TRUE(
        all.join(QLatin1Char('\n'))
            .endsWith(conditions + QStringLiteral("\n ORDER BY [작업지시번호],[지시번호]")));
    EXPECT_TRUE(filtered.join(QLatin1Char('\n'))
                    .endsWith(conditions + filter +
                              QStringLiteral("\n ORDER BY [작업지시번호],[지시번호]")));
    const int crew =
        int(all.indexOf(QStringLiteral("    CASE WHEN P_SM.employee_su IS NOT NULL THEN "
                                       "P_SM.employee_su")));
    ASSERT_GT(crew, 0);
    EXPECT_EQ(all[crew + 1], QStringLiteral("ELSE B_JAK.employee_su END as [작업인원],"));
    EXPECT_EQ(filtered[crew], QStringLiteral("    B_JAK.EMPLOYEE_Su as [작업인원],"));
    EXPECT_EQ(all.mid(0, crew), filtered.mid(0, crew));
    EXPECT_EQ(all.mid(crew + 2, all.size() - crew - 6),
              filtered.mid(crew + 1, all.size() - crew - 6));
    EXPECT_TRUE(all.first().isEmpty()); // a line feed before every line
}

namespace {
class ListActionsTest : public WorkListTest {
protected:
    static QString value(const QString& sql) { return gfGET_VALUE(sql, QString()).toString(); }
    void choose(frm_S_jakupjisi_list& list, int row) {
        list.show();
        clickRow(list, row);
    }
};
} // namespace

TEST_F(ListActionsTest, StartWritesTheRunAndMarksTheOrderRunningWithoutReloading) {
    gsUSER_ID = QStringLiteral("O'NEIL");
    frm_S_jakupjisi_list list;
    choose(list, 4); // 20240305004 on E2, waiting
    QTest::mouseClick(list.btnStart, Qt::LeftButton);
    EXPECT_TRUE(windows.isEmpty()) << windowTexts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT op_seq_sub + '|' + equipment_code + '|' + user_id FROM "
                                   "P_SANGSAN_MASTER WHERE seq = '20240305004001'")),
              QStringLiteral("20240305001001|E2|O'NEIL"));
    EXPECT_EQ(value(QStringLiteral("SELECT end_yn FROM B_JAKUPJISI_MASTER WHERE prod_no = "
                                   "'20240305004'")),
              QStringLiteral("2"));
    EXPECT_EQ(list.spread()->TextWithColID(QStringLiteral("완료여부"), 4),
              QStringLiteral("미완료"));
}

TEST_F(ListActionsTest, StartRefusalsReachTheWorker) {
    struct Case {
        int row; // 0: no row clicked
        QString message;
    };
    const Case cases[] = {{0, QStringLiteral("공정을 먼저 선택하십시오.")},
                          {1, QStringLiteral("이미 진행중인 작업입니다.")},
                          {2, QStringLiteral("이미 완료된 작업입니다.")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        windows.clear();
        frm_S_jakupjisi_list list;
        if (c.row > 0)
            choose(list, c.row);
        QTest::mouseClick(list.btnStart, Qt::LeftButton);
        ASSERT_EQ(windows.size(), 1);
        EXPECT_EQ(windows[0].window, QStringLiteral("frm_MSG_001"));
        EXPECT_EQ(windows[0].text, c.message);
    }
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER")), QStringLiteral("1"));
}

TEST_F(ListActionsTest, CancelDeletesAWaitingOrderAndReloadsTheList) {
    frm_S_jakupjisi_list list;
    choose(list, 1); // running: refused
    QTest::mouseClick(list.btnCancel, Qt::LeftButton);
    choose(list, 3); // 20240305001, waiting
    QTest::mouseClick(list.btnCancel, Qt::LeftButton);
    EXPECT_EQ(windowTexts(), (QStringList{QStringLiteral("이미 진행,완료 된 품번입니다."),
                                          QStringLiteral("작업취소가 완료되었습니다.")}));
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE prod_no IN "
                                   "('20240305001', '20240302001')")),
              QStringLiteral("1"));
    EXPECT_EQ(rows(list).size(), 3);
    EXPECT_EQ(ButtonColor::of(list.btnFind), ButtonColor::selected());
    EXPECT_EQ(list.lblWC_name->text(), QStringLiteral("작업 전체조회"));
}

TEST_F(ListActionsTest, RegisterOpensWorkOrderCreationForTheShownSelection) {
    frm_S_jakupjisi_list list;
    QTest::mouseClick(list.btnJakup, Qt::LeftButton);
    EXPECT_EQ(windowTexts(), QStringList{QStringLiteral("공정을 먼저 선택하십시오.")});
    EXPECT_EQ(list.findChild<QWidget*>(QStringLiteral("frm_S_Jakup")), nullptr);
    QTest::mouseClick(list.btnEquipment[1], Qt::LeftButton); // 사출
    QTest::mouseClick(list.btnFind, Qt::LeftButton);
    choose(list, 1); // the running press order: the banks now show 프레스 (프레스 1호기)
    QTest::mouseClick(list.btnJakup, Qt::LeftButton);
    auto* screen = list.findChild<QWidget*>(QStringLiteral("frm_S_Jakup"));
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    QStringList boxes;
    for (const char* name :
         {"txtprocess_code", "txtprocess_name", "txtequipment_code", "txtequipment_name"})
        boxes << screen->findChild<QLineEdit*>(QLatin1String(name))->text();
    EXPECT_EQ(boxes, (QStringList{QStringLiteral("P10"), QStringLiteral("프레스"),
                                  QStringLiteral("E1"), QStringLiteral("프레스 1호기")}));
}
