#include "core/modbas.h"
#include "core/platform/inputmethod.h"
#include "tests/support/testenv.h"
#include "ui/common/modfnwidgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
const QStringList kAll = {
    QStringLiteral("btnSave"),   QStringLiteral("btnFind"),   QStringLiteral("btnExcel"),
    QStringLiteral("btnDelete"), QStringLiteral("btnClear"),  QStringLiteral("btnEdit"),
    QStringLiteral("btnCopy"),   QStringLiteral("btnRowAdd"), QStringLiteral("btnCancel"),
    QStringLiteral("btnExit"),   QStringLiteral("btnPrint")};

QStringList enabledButtons(const QWidget& screen) {
    QStringList on;
    for (const QString& name : kAll)
        if (screen.findChild<QPushButton*>(name)->isEnabled())
            on << name;
    return on;
}

class ScreenWithButtons : public QWidget {
public:
    ScreenWithButtons() {
        for (const QString& name : kAll)
            (new QPushButton(this))->setObjectName(name);
    }
};

QStringList enabledButtons(const QString& rights, const QString& user) {
    ScreenWithButtons screen;
    applyAuthority(&screen, rights, user);
    return enabledButtons(screen);
}
} // namespace

TEST(AuthorityTest, RightsDigitsEnableTheirButtons) {
    struct Case {
        QString rights;
        QString user;
        QStringList enabled;
    };
    const Case cases[] = {
        {QStringLiteral("1000"),
         QStringLiteral("E01"),
         {QStringLiteral("btnFind"), QStringLiteral("btnExcel"), QStringLiteral("btnClear"),
          QStringLiteral("btnExit")}},
        {QStringLiteral("0100"),
         QStringLiteral("E01"),
         {QStringLiteral("btnSave"), QStringLiteral("btnFind"), QStringLiteral("btnClear"),
          QStringLiteral("btnCopy"), QStringLiteral("btnRowAdd"), QStringLiteral("btnCancel"),
          QStringLiteral("btnExit")}},
        {QStringLiteral("0011"),
         QStringLiteral("E01"),
         {QStringLiteral("btnFind"), QStringLiteral("btnDelete"), QStringLiteral("btnClear"),
          QStringLiteral("btnEdit"), QStringLiteral("btnCancel"), QStringLiteral("btnExit")}},
        {QString(), QStringLiteral("E01"), {QStringLiteral("btnExit")}},
        {QString(), QStringLiteral("ZEVRA"), kAll},
        // The master code is matched exactly for the buttons.
        {QString(), QStringLiteral("zevra"), {QStringLiteral("btnExit")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(enabledButtons(c.rights, c.user), c.enabled)
            << c.rights.toStdString() << " " << c.user.toStdString();
}

namespace {
class MenuAuthorityTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        // Two menu versions: only the rights of the latest one (00012) count.
        createPlantDatabase(
            QStringLiteral("MES_TEST"),
            QStringLiteral(
                "INSERT INTO B_MENU (form_code, form_name) VALUES ('00011A', 'frm_S_month');\n"
                "INSERT INTO B_MENU (form_code, form_name) VALUES ('00012B', 'frm_S_month');\n"
                "INSERT INTO B_Authority VALUES ('E01', 'frm_S_month', '00011A', '1', '1', '1', "
                "'1');\n"
                "INSERT INTO B_Authority VALUES ('E01', 'frm_S_month', '00012B', '1', '0', '0', "
                "'0');\n"
                "INSERT INTO B_Authority VALUES ('E02', 'frm_S_month', '00012B', '0', '1', '0', "
                "'0');\n"
                "INSERT INTO B_Authority VALUES ('E03', 'frm_S_month', '00012B', '0', '0', '1', "
                "'1');\n"
                "INSERT INTO B_Authority VALUES ('O''K', 'frm_S_month', '00012B', '1', '0', '0', "
                "'0');\n"
                "INSERT INTO B_Authority VALUES ('E01', 'frm_S_other', '00012C', '0', '0', '0', "
                "'1');\n"));
    }
    QStringList enabledFor(const QString& user, const QString& screenName) {
        ScreenWithButtons screen;
        screen.setWindowState(Qt::WindowMaximized);
        gsUSER_ID = user;
        gfMENU_AUTHORITY(screenName, QStringLiteral("월간"), &screen);
        EXPECT_EQ(screen.windowState(), Qt::WindowNoState) << user.toStdString();
        return enabledButtons(screen);
    }
};
} // namespace

// Rights read from B_Authority for the worker, the screen and the latest menu version.
TEST_F(MenuAuthorityTest, ButtonsFollowTheWorkersRightsInTheDatabase) {
    const QString find = QStringLiteral("btnFind"), clear = QStringLiteral("btnClear"),
                  exit = QStringLiteral("btnExit");
    struct Case {
        QString user;
        QString screen;
        QStringList enabled;
    };
    const Case cases[] = {
        {QStringLiteral("E01"),
         QStringLiteral("frm_S_month"),
         {find, QStringLiteral("btnExcel"), clear, exit}},
        {QStringLiteral("E02"),
         QStringLiteral("frm_S_month"),
         {QStringLiteral("btnSave"), find, clear, QStringLiteral("btnCopy"),
          QStringLiteral("btnRowAdd"), QStringLiteral("btnCancel"), exit}},
        {QStringLiteral("E03"),
         QStringLiteral("frm_S_month"),
         {find, QStringLiteral("btnDelete"), clear, QStringLiteral("btnEdit"),
          QStringLiteral("btnCancel"), exit}},
        // A quote in the employee number is data, not statement text.
        {QStringLiteral("O'K"),
         QStringLiteral("frm_S_month"),
         {find, QStringLiteral("btnExcel"), clear, exit}},
        {QStringLiteral("E04"), QStringLiteral("frm_S_month"), {exit}},
        {QStringLiteral("E02"), QStringLiteral("frm_S_other"), {exit}},
        {QStringLiteral("ZEVRA"), QStringLiteral("frm_S_month"), kAll},
        // The master code in other case reads the screen's rights of any worker, but does
        // not get every button.
        {QStringLiteral("zevra"),
         QStringLiteral("frm_S_other"),
         {find, QStringLiteral("btnDelete"), clear, QStringLiteral("btnCancel"), exit}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(enabledFor(c.user, c.screen), c.enabled)
            << c.user.toStdString() << " " << c.screen.toStdString();
    EXPECT_TRUE(notifier.shown.isEmpty()) << notifier.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(readFile(QStringLiteral("202403.err")), QStringLiteral("<missing>"));
}

TEST_F(MenuAuthorityTest, FailingQueryLeavesOnlyExit) {
    execNative(dbFile(), QStringLiteral("DROP TABLE B_Authority"));
    EXPECT_EQ(enabledFor(QStringLiteral("E01"), QStringLiteral("frm_S_month")),
              QStringList{QStringLiteral("btnExit")});
    EXPECT_TRUE(readFile(QStringLiteral("202403.err"))
                    .contains(QStringLiteral("ERR LOCATION : frm_S_month")));
}

namespace {
class RecordingInputMethod : public InputMethod {
public:
    QList<quintptr> switched;
    bool setAlphanumeric(quintptr nativeWindow) override {
        switched << nativeWindow;
        return true;
    }
};

class ImeEnglishTest : public ::testing::Test {
protected:
    void SetUp() override {
        InputMethod::install(&im);
        auto* layout = new QVBoxLayout(&screen);
        layout->addWidget(other);
        layout->addWidget(box);
    }
    void TearDown() override { InputMethod::install(nullptr); }
    void showScreen() {
        screen.show();
        QApplication::setActiveWindow(&screen);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    }
    void focus(QWidget* w) {
        w->setFocus();
        QTRY_VERIFY(w->hasFocus());
    }

    RecordingInputMethod im;
    QWidget screen;
    QLineEdit* other = new QLineEdit(&screen); // first in the focus chain
    QLineEdit* box = new QLineEdit(&screen);
};
} // namespace

// The login screen asks while loading, before its boxes have native windows: the switch
// then happens when the box first gets the focus, and only then.
TEST_F(ImeEnglishTest, BoxWithoutNativeWindowIsSwitchedAtFirstFocus) {
    gfIME_ENGLISH(box);
    gfIME_ENGLISH(box); // asked twice while loading: still one switch
    EXPECT_TRUE(box->inputMethodHints().testFlag(Qt::ImhLatinOnly));
    EXPECT_TRUE(box->inputMethodHints().testFlag(Qt::ImhPreferLatin));
    EXPECT_TRUE(im.switched.isEmpty());
    showScreen();
    focus(other);
    EXPECT_TRUE(im.switched.isEmpty());
    focus(box);
    EXPECT_EQ(im.switched, QList<quintptr>{quintptr(box->winId())});
    focus(other);
    focus(box);
    EXPECT_EQ(im.switched.size(), 1);
}

TEST_F(ImeEnglishTest, ShownBoxIsSwitchedAtOnce) {
    showScreen();
    gfIME_ENGLISH(box);
    EXPECT_EQ(im.switched, QList<quintptr>{quintptr(box->winId())});
    focus(box);
    EXPECT_EQ(im.switched.size(), 1);
    gfIME_ENGLISH(nullptr); // no box, no crash
}
