#pragma once

#include "core/moddb.h"
#include "production/frm_s_dayreport.h"
#include "production/reportopening.h"
#include "tests/workorders/terminalfixture.h"
#include "workorders/reportopener.h"

#include <QLabel>
#include <QLineEdit>

// The report screen against a small plant (terminal 10.0.0.5, today 2024-03-05 10:00):
// E1 and E2 have a running order line each, E3 only a waiting one, E9 belongs to another PC.
// Run R1 on E1: good 50, defective 2, started 08:00, order 100 of which 60 good and 5
// defective are done (35 remain); an earlier run of the same line counted 10 and 3.
class ReportTest : public TerminalTest {
protected:
    static constexpr const char* kRun1 = "20240305001001";
    static constexpr const char* kSeq1 = "20240305001001";

    void SetUp() override {
        TerminalTest::SetUp();
        previousOpener = ReportOpenerHook::set({});
        ReportOpeningAction::registerOpener();
    }
    void TearDown() override {
        ReportOpenerHook::set(previousOpener);
        TerminalTest::TearDown();
    }

    static QString plant() {
        return QStringLiteral(
            "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P10', N'프레스');\n"
            "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P20', N'사출');\n"
            "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');\n"
            "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, standard, "
            "car_code, type, product_type_code) VALUES ('A', 'PN-A', 'R1', N'브라켓', N'ST-1', "
            "'C1', N'완제품', 'T1');\n"
            "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
            "VALUES ('E1', N'프레스 1호기', 'P10', '10.0.0.5');\n"
            "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
            "VALUES ('E2', N'프레스 2호기', 'P10', '10.0.0.5');\n"
            "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
            "VALUES ('E3', N'사출기', 'P20', '10.0.0.5');\n"
            "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
            "VALUES ('E9', N'원격', 'P10', '10.0.0.9');\n"
            "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
            "('E1', 'P10', 'A');\n"
            "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
            "('E2', 'P10', 'A');\n"
            "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
            "('E3', 'P20', 'A');\n"
            "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('W1', N'김작업');\n"
            "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('W2', N'박작업');\n"
            "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('W3', N'김철수');\n"
            "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES ('X1', N'이영희');\n"
            "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
            "product_code, order_qty, qty, bad_qty, end_yn, juya_gubun, jisi_date) VALUES "
            "('20240305001', '20240305001001', 'P10', 'E1', 'A', 100, 60, 5, '2', NULL, "
            "'2024-03-05');\n"
            "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
            "product_code, order_qty, qty, bad_qty, end_yn, juya_gubun, jisi_date) VALUES "
            "('20240304001', '20240304001001', 'P10', 'E2', 'A', 100, 120, 0, '2', '0', "
            "'2024-03-04');\n"
            "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
            "product_code, order_qty, qty, bad_qty, end_yn, juya_gubun, jisi_date) VALUES "
            "('20240305002', '20240305002001', 'P20', 'E3', 'A', 10, 0, 0, '1', '1', "
            "'2024-03-05');\n"
            "INSERT INTO P_SANGSAN_MASTER (seq, op_seq, op_seq_sub, equipment_code, "
            "product_code, qty, bad_qty, sdate, stime, edate, etime, employee_su, employee_no) "
            "VALUES ('20240305001001', '20240305000', '20240305000001', 'E1', 'A', 10, 3, "
            "'2024-03-05', '06:00', '2024-03-05', '07:00', 1, 'W2');\n"
            "INSERT INTO P_SANGSAN_MASTER (seq, op_seq, op_seq_sub, equipment_code, "
            "product_code, qty, bad_qty, sdate, stime, edate, etime, employee_su, employee_no) "
            "VALUES ('20240305001001', '20240305001', '20240305001001', 'E1', 'A', 50, 2, "
            "'2024-03-05', '08:00', '', '', 2, 'W1');\n"
            "INSERT INTO P_SANGSAN_MASTER (seq, op_seq, op_seq_sub, equipment_code, "
            "product_code, qty, bad_qty, sdate, stime, edate, etime, employee_su, employee_no) "
            "VALUES ('20240304001001', '20240304001', '20240304001001', 'E2', 'A', 120, 0, "
            "'2024-03-04', '22:00', '', '', 1, 'W2');\n"
            "INSERT INTO B_METALLIC_TYPE (metallic_type_code, test_su) VALUES ('MT1', 500);\n"
            "INSERT INTO B_METALLIC (mold_no, product_code, metallic_type_code) VALUES "
            "('M1', 'A', 'MT1');\n");
    }

    void createPlant(const QString& extra = QString(),
                     const QString& name = QStringLiteral("plant")) {
        createPlantDatabase(name, plant() + extra);
    }

    // The report screen opened as the work order list opens it.
    frm_S_dayReport* open(const QString& equipment = QStringLiteral("E1"),
                          const QString& seq = QString::fromLatin1(kSeq1),
                          const QString& moldNo = QString(),
                          const QString& run = QString::fromLatin1(kRun1)) {
        ReportOpenerHook::open({QStringLiteral("P10"), equipment, seq, moldNo, run});
        return frm_S_dayReport::existing();
    }

    // Reads and writes through the program's own connection (its dialect and collation).
    static QString dbValue(const QString& sql) {
        return gfGET_VALUE(sql, QStringLiteral("test")).toString();
    }
    static void dbExec(const QString& sql) {
        ASSERT_TRUE(gfEXEC_SQL(sql, QStringLiteral("test"))) << sql.toStdString();
    }

    // Answers the numeric keypad with a text (enter), or cancels it when the text is null.
    void keypadAnswers(const QString& text) {
        answer = [text](QDialog& d) {
            if (d.objectName() != QStringLiteral("frmKey2"))
                return;
            if (text.isNull()) {
                press(d, QStringLiteral("Command14"));
                return;
            }
            d.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(text);
            press(d, QStringLiteral("Command13"));
        };
    }

private:
    ReportOpener previousOpener;
};
