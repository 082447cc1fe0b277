#include "core/modbas.h"
#include "tests/support/testenv.h"
#include "ui/common/modfnwidgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
const QStringList kAll = {QStringLiteral("btnSave"),  QStringLiteral("btnFind"),  QStringLiteral("btnExcel"),
                          QStringLiteral("btnDelete"), QStringLiteral("btnClear"), QStringLiteral("btnEdit"),
                          QStringLiteral("btnCopy"),  QStringLiteral("btnRowAdd"), QStringLiteral("btnCancel"),
                          QStringLiteral("btnExit"),  QStringLiteral("btnPrint")};

QStringList enabledButtons(const QString& rights, const QString& user) {
    QWidget screen;
    for (const QString& name : kAll)
        (new QPushButton(&screen))->setObjectName(name);
    applyAuthority(&screen, rights, user);
    QStringList on;
    for (const QString& name : kAll)
        if (screen.findChild<QPushButton*>(name)->isEnabled())
            on << name;
    return on;
}
} // namespace

TEST(AuthorityTest, RightsDigitsEnableTheirButtons) {
    struct Case {
        QString rights;
        QString user;
        QStringList enabled;
    };
    const Case cases[] = {
        {QStringLiteral("1000"), QStringLiteral("E01"),
         {QStringLiteral("btnFind"), QStringLiteral("btnExcel"), QStringLiteral("btnClear"), QStringLiteral("btnExit")}},
        {QStringLiteral("0100"), QStringLiteral("E01"),
         {QStringLiteral("btnSave"), QStringLiteral("btnFind"), QStringLiteral("btnClear"), QStringLiteral("btnCopy"),
          QStringLiteral("btnRowAdd"), QStringLiteral("btnCancel"), QStringLiteral("btnExit")}},
        {QStringLiteral("0011"), QStringLiteral("E01"),
         {QStringLiteral("btnFind"), QStringLiteral("btnDelete"), QStringLiteral("btnClear"), QStringLiteral("btnEdit"),
          QStringLiteral("btnCancel"), QStringLiteral("btnExit")}},
        {QString(), QStringLiteral("E01"), {QStringLiteral("btnExit")}},
        {QString(), QStringLiteral("ZEVRA"), kAll},
        // The master code is matched exactly for the buttons.
        {QString(), QStringLiteral("zevra"), {QStringLiteral("btnExit")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(enabledButtons(c.rights, c.user), c.enabled) << c.rights.toStdString() << " " << c.user.toStdString();
}

TEST(AuthorityTest, StatementQuotesValuesAndSkipsEmployeeForMaster) {
    EXPECT_EQ(authorityStatement(QStringLiteral("frm_S_month"), QStringLiteral("00012"), QStringLiteral("O'K")),
              QStringLiteral("\nSelect\n    CAST(authority_s as varchar)+CAST(authority_i as varchar )+CAST(authority_u as "
                             "varchar)+CAST(authority_d as varchar)\nFrom\n    B_Authority\nWhere\n    "
                             "form_name='frm_S_month'\nAND\n    form_code LIKE '00012%'\nAND\n    employee_no='O''K'"));
    EXPECT_FALSE(authorityStatement(QStringLiteral("f"), QStringLiteral("0"), QStringLiteral("zevra"))
                     .contains(QStringLiteral("employee_no")));
}

TEST(ImeEnglishTest, TextBoxTakesLatinOnly) {
    QLineEdit box;
    gfIME_ENGLISH(&box);
    EXPECT_TRUE(box.inputMethodHints().testFlag(Qt::ImhLatinOnly));
    EXPECT_TRUE(box.inputMethodHints().testFlag(Qt::ImhPreferLatin));
    gfIME_ENGLISH(nullptr); // no box, no crash
}

namespace {
class MenuAuthorityTest : public TestEnv {};
} // namespace

TEST_F(MenuAuthorityTest, RightsComeFromTheLatestMenuVersion) {
    createDatabase(QStringLiteral("MES_TEST"),
                   QStringLiteral("CREATE TABLE B_MENU (form_code TEXT);"
                                  "INSERT INTO B_MENU VALUES ('00011A'), ('00012B');"
                                  "CREATE TABLE B_Authority (form_name TEXT, form_code TEXT, employee_no TEXT,"
                                  " authority_s INTEGER, authority_i INTEGER, authority_u INTEGER, authority_d INTEGER);"
                                  "INSERT INTO B_Authority VALUES ('frm_S_month', '00011A', 'E01', 1, 1, 1, 1),"
                                  " ('frm_S_month', '00012B', 'E01', 1, 0, 0, 0);"));
    QWidget screen;
    for (const QString& name : kAll)
        (new QPushButton(&screen))->setObjectName(name);
    gsUSER_ID = QStringLiteral("E01");
    gfMENU_AUTHORITY(QStringLiteral("frm_S_month"), QStringLiteral("월간"), &screen);
    QStringList on;
    for (const QString& name : kAll)
        if (screen.findChild<QPushButton*>(name)->isEnabled())
            on << name;
    EXPECT_EQ(on, (QStringList{QStringLiteral("btnFind"), QStringLiteral("btnExcel"), QStringLiteral("btnClear"),
                               QStringLiteral("btnExit")}));
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('|')).toStdString();
    // A failing query leaves only Exit.
    execNative(dbFile(), QStringLiteral("DROP TABLE B_Authority"));
    gfMENU_AUTHORITY(QStringLiteral("frm_S_month"), QString(), &screen);
    EXPECT_TRUE(screen.findChild<QPushButton*>(QStringLiteral("btnExit"))->isEnabled());
    EXPECT_FALSE(screen.findChild<QPushButton*>(QStringLiteral("btnFind"))->isEnabled());
}
