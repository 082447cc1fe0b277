// The site choice and the terminal's entry: the chosen site's database reaches the following
// queries, and the site choice leads to the login, the login to the list.
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/workorders/terminalfixture.h"
#include "ui/common/clsspread.h"
#include "ui/common/screenlocator.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"
#include "workorders/frm_s_jakupjisi_list.h"
#include "workorders/frm_s_login.h"
#include "workorders/frmlogin.h"
#include "workorders/terminalrole.h"

#include <QLineEdit>

namespace {
// One order of today on a machine of this terminal, and a worker, named after the site.
QString site(const QString& name) {
    return QStringLiteral(
               "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P1', N'%1 공정');\n"
               "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
               "VALUES ('E1', N'설비', 'P1', '10.0.0.5');\n"
               "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) VALUES "
               "('E1', 'P1', 'A');\n"
               "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');\n"
               "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, car_code) VALUES ('A', "
               "'PN-A', 'C1');\n"
               "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
               "product_code, order_qty, qty, bad_qty, end_yn, jisi_date) VALUES ('%1', '%1-1', "
               "'P1', 'E1', 'A', 10, 0, 0, '1', '2024-03-05');\n"
               "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd) VALUES ('%1', N'%1', "
               "'1');\n")
        .arg(name);
}

class SiteTest : public TerminalTest {
protected:
    void SetUp() override {
        TerminalTest::SetUp();
        createPlantDatabase(QStringLiteral("MES_ORV"), site(QStringLiteral("ORV")));
        createPlantDatabase(QStringLiteral("MES_VESTRA"), site(QStringLiteral("VESTRA")));
        createPlantDatabase(QStringLiteral("MES_TALVEN"), site(QStringLiteral("TALVEN")));
        ASSERT_TRUE(gfDB_OPEN());
    }

    static frm_S_jakupjisi_list* list() {
        return qobject_cast<frm_S_jakupjisi_list*>(
            findScreen(QStringLiteral("frm_S_jakupjisi_list")));
    }
};
} // namespace

TEST_F(SiteTest, EachTextChoosesItsDatabaseForTheListThatFollows) {
    struct Case {
        const char* label;
        QString database;
        QString order;
    };
    const Case cases[] = {{"lbl_orv", QStringLiteral("MES_ORV"), QStringLiteral("ORV")},
                          {"lbl_vestra", QStringLiteral("MES_VESTRA"), QStringLiteral("VESTRA")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gsDB_NAME = QStringLiteral("MES_TALVEN");
        frm_S_Login choice;
        choice.show();
        QTest::mouseClick(choice.findChild<ClickableLabel*>(QString::fromLatin1(c.label)),
                          Qt::LeftButton);
        EXPECT_EQ(gsDB_NAME, c.database);
        EXPECT_TRUE(choice.isHidden());
        ASSERT_NE(list(), nullptr);
        // The grid's binding switched the connection before the list's query ran.
        ASSERT_EQ(list()->spread()->MaxRows(), 1);
        EXPECT_EQ(list()->spread()->TextWithColID(QStringLiteral("작업지시번호"), 1), c.order);
        EXPECT_EQ(list()->btnEquipment[0]->text(), c.order + QStringLiteral(" 공정"));
        delete list();
    }
    EXPECT_TRUE(windows.isEmpty());
}

TEST_F(SiteTest, SiteChoiceLeadsToTheLoginOnTheChosenDatabase) {
    TerminalRole::openSiteChoice();
    auto* choice = qobject_cast<frm_S_Login*>(findScreen(QStringLiteral("frm_S_Login")));
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(choice->isVisible());
    QTest::mouseClick(choice->lbl_vestra, Qt::LeftButton);
    EXPECT_EQ(list(), nullptr);
    auto* login = qobject_cast<FrmLogIn*>(findScreen(QStringLiteral("FrmLogIn")));
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(choice->isVisible());
    // The worker exists only on the chosen site.
    QTest::keyClicks(login->txt_member_code, QStringLiteral("vestra"));
    QTest::keyClicks(login->txt_member_pass, QStringLiteral("1"));
    QTest::mouseClick(login->btn_ok, Qt::LeftButton);
    EXPECT_EQ(gsUSER_ID, QStringLiteral("VESTRA"));
    EXPECT_EQ(notifier.texts(), QStringList{QStringLiteral("VESTRA님 확인되었습니다.")});
    ASSERT_NE(list(), nullptr);
    EXPECT_TRUE(list()->isVisible());
    EXPECT_EQ(list()->spread()->TextWithColID(QStringLiteral("작업지시번호"), 1),
              QStringLiteral("VESTRA"));
    EXPECT_FALSE(login->isVisible());
}
