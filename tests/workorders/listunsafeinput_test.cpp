// The work order list over master data whose codes and names hold hostile texts: its banks,
// its row click and its start, reopen and cancel read and write only the intended rows.
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "tests/support/hostiletexts.h"
#include "tests/support/tablesnapshot.h"
#include "tests/workorders/terminalfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"
#include "workorders/frm_s_jakupjisi_list.h"
#include "workorders/reportopener.h"

namespace {
QString lit(const QString& v) {
    return QStringLiteral("N'") + QString(v).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

// One terminal (10.0.0.5) with one process, two machines, one product with a mould and one
// worker, every code and name built from the text h. Two waiting orders of today on the first
// machine, yesterday's running order on the second.
QString plant(const QString& h) {
    const QString p = lit(QStringLiteral("P") + h), e = lit(QStringLiteral("E") + h),
                  f = lit(QStringLiteral("F") + h), a = lit(QStringLiteral("A") + h),
                  w = lit(QStringLiteral("W") + h), n = lit(h);
    QString s =
        QStringLiteral("INSERT INTO B_PROCESS (process_code, process_name) VALUES (%1, %2);\n"
                       "INSERT INTO B_CAR (car_code, car_name) VALUES (%2, %2);\n"
                       "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, "
                       "car_code, eono, standard) VALUES (%3, %2, %2, %2, %2, %2);\n"
                       "INSERT INTO B_METALLIC (mold_no, product_code) VALUES (%4, %3);\n"
                       "INSERT INTO B_EMPLOYEE (employee_no, employee_name) VALUES "
                       "(%5, %2);\n")
            .arg(p, n, a, lit(QStringLiteral("M") + h), w);
    for (const QString& machine : {e, f})
        s += QStringLiteral("INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, "
                            "process_code, ipaddress) VALUES (%1, %2, %3, '10.0.0.5');\n"
                            "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, "
                            "product_code) VALUES (%1, %3, %4);\n")
                 .arg(machine, n, p, a);
    const char* const orders[][4] = {{"20240305001", "E", "1", "2024-03-05"},
                                     {"20240305002", "E", "1", "2024-03-05"},
                                     {"20240304001", "F", "2", "2024-03-04"}};
    for (const auto& o : orders)
        s += QStringLiteral("INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, "
                            "equipment_code, product_code, order_qty, qty, bad_qty, end_yn, "
                            "employee_su, employee_no, jisi_date) VALUES ('%1', '%8', %2, %3, "
                            "%4, 100, 0, 0, '%5', 2, %6, '%7');\n")
                 .arg(QLatin1String(o[0]), p, lit(QLatin1String(o[1]) + h), a, QLatin1String(o[2]),
                      w, QLatin1String(o[3]), QLatin1String(o[0]) + QStringLiteral("001"));
    s += QStringLiteral("INSERT INTO P_SANGSAN_MASTER (op_seq_sub, seq, process_code, "
                        "equipment_code, product_code, employee_no, employee_su) VALUES "
                        "('20240304001001', '20240304001001', %1, %2, %3, %4, 2);\n")
             .arg(p, f, a, w);
    return s;
}

const QStringList kTables = {
    QStringLiteral("B_PROCESS"),        QStringLiteral("B_CAR"),
    QStringLiteral("B_PRODUCT_MASTER"), QStringLiteral("B_METALLIC"),
    QStringLiteral("B_EMPLOYEE"),       QStringLiteral("B_EQUIPMENT"),
    QStringLiteral("B_EQUIPMENT_TIME"), QStringLiteral("B_JAKUPJISI_MASTER"),
    QStringLiteral("P_SANGSAN_MASTER")};

class ListUnsafeInputTest : public TerminalTest {
protected:
    void SetUp() override {
        TerminalTest::SetUp();
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
        previous = ReportOpenerHook::set([this](const ReportOpening& o) { openings << o; });
    }
    void TearDown() override {
        ReportOpenerHook::set(previous);
        TerminalTest::TearDown();
    }

    static TableRows snapshot() { return snapshotTables(kTables, &TestEnv::checkRows); }

    static QPushButton* taggedButton(const QList<QPushButton*>& bank, const QString& tag) {
        for (QPushButton* b : bank)
            if (!b->isHidden() && b->property("Tag").toString() == tag)
                return b;
        return nullptr;
    }

    static void clickOrder(frm_S_jakupjisi_list& l, const QString& prodNo) {
        const clsSpread& s = *l.spread();
        for (int r = 1; r <= s.MaxRows(); ++r) {
            if (s.TextWithColID(QStringLiteral("작업지시번호"), r) != prodNo)
                continue;
            const int col = s.ColumnNumber(QStringLiteral("구분"));
            const QRect cell = l.ss->visualRect(l.ss->model()->index(r - 1, col - 1));
            QTest::mouseClick(l.ss->viewport(), Qt::LeftButton, {}, cell.center());
            return;
        }
        ADD_FAILURE() << "no row " << prodNo.toStdString();
    }

    QList<ReportOpening> openings;

private:
    ReportOpener previous;
};
} // namespace

TEST_F(ListUnsafeInputTest, BanksRowsAndActionsOverHostileMasterData) {
    int i = 0;
    for (const QString& h : hostileTexts()) {
        SCOPED_TRACE(h.left(40).toStdString());
        windows.clear();
        openings.clear();
        notifier.shown.clear();
        createPlantDatabase(QStringLiteral("plant%1").arg(++i), plant(h));
        ASSERT_TRUE(gfDB_OPEN());
        const TableRows before = snapshot();
        const QString p = QStringLiteral("P") + h, e = QStringLiteral("E") + h;
        const QString a = QStringLiteral("A") + h, w = QStringLiteral("W") + h;

        frm_S_jakupjisi_list list;
        list.show();
        EXPECT_EQ(list.spread()->MaxRows(), 3);
        QPushButton* process =
            taggedButton({list.btnEquipment.begin(), list.btnEquipment.end()}, p);
        ASSERT_NE(process, nullptr);
        EXPECT_EQ(process->text(), h);
        QTest::mouseClick(process, Qt::LeftButton);
        EXPECT_EQ(list.spread()->MaxRows(), 3);
        QPushButton* machine =
            taggedButton({list.btnEquipment2.begin(), list.btnEquipment2.end()}, e);
        ASSERT_NE(machine, nullptr);
        QTest::mouseClick(machine, Qt::LeftButton);
        EXPECT_EQ(list.spread()->MaxRows(), 2);
        QTest::mouseClick(list.btnFind, Qt::LeftButton);

        // Start the first waiting order: its run carries the codes as written.
        clickOrder(list, QStringLiteral("20240305001"));
        EXPECT_EQ(list.lvJakup_procode + QLatin1Char('|') + list.lvJakup_equipcode,
                  p + QLatin1Char('|') + e);
        QTest::mouseClick(list.btnStart, Qt::LeftButton);
        EXPECT_EQ(changedTables(before, snapshot()),
                  (QStringList{QStringLiteral("B_JAKUPJISI_MASTER"),
                               QStringLiteral("P_SANGSAN_MASTER")}));
        EXPECT_EQ(checkRows(QStringLiteral("SELECT process_code, equipment_code, product_code, "
                                           "employee_no FROM P_SANGSAN_MASTER WHERE seq = "
                                           "'20240305001001'")),
                  QStringList({p, e, a, w}).join(QLatin1Char('|')));

        // Reopen yesterday's running order: its run and mould reach the report screen.
        clickOrder(list, QStringLiteral("20240304001"));
        QTest::mouseClick(list.btnDayReport, Qt::LeftButton);
        ASSERT_EQ(openings.size(), 2);
        EXPECT_EQ(openings[1].opSeqSub, QStringLiteral("20240304001001"));
        EXPECT_EQ(openings[1].moldNo, QStringLiteral("M") + h);
        EXPECT_EQ(openings[1].equipmentCode, QStringLiteral("F") + h);

        // Cancel the other waiting order: that row and no other goes.
        clickOrder(list, QStringLiteral("20240305002"));
        QTest::mouseClick(list.btnCancel, Qt::LeftButton);
        EXPECT_EQ(windowTexts(), QStringList{QStringLiteral("작업취소가 완료되었습니다.")});
        EXPECT_EQ(checkRows(QStringLiteral("SELECT prod_no, end_yn FROM B_JAKUPJISI_MASTER "
                                           "ORDER BY prod_no")),
                  QStringLiteral("20240304001|2;20240305001|2"));
        EXPECT_EQ(list.spread()->MaxRows(), 2);
        EXPECT_EQ(checkRows(QStringLiteral("SELECT employee_no FROM B_EMPLOYEE")), w);
        EXPECT_TRUE(notifier.shown.isEmpty())
            << notifier.texts().join(QLatin1Char('\n')).toStdString();
    }
}
