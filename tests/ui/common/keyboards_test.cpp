// The on-screen keyboards driven key by key (by the keys' names) through the modal seam.
#include "ui/common/frmkey2.h"
#include "ui/common/frmkey2_english.h"
#include "ui/common/frmkey2_englishandnum.h"
#include "ui/common/frmkey2_jaju.h"
#include "ui/common/modal.h"
#include "ui/common/twips.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
// One use of a keyboard: opens it, presses the keys in order and reports what happened.
struct Use {
    QString display; // the display when the keys were pressed
    QString result;  // KEYPAD_no afterwards
    bool closed = false;
    QString resultWhileOpen; // KEYPAD_no after the first key
};

Use type(KeyboardBase& kb, const QStringList& keys) {
    Use use;
    ScopedModalHandler scope([&](QDialog& d) {
        int closes = 0;
        QObject::connect(&d, &QDialog::finished, &d, [&closes] { ++closes; });
        for (int i = 0; i < keys.size() && closes == 0; ++i) {
            auto* key = d.findChild<QPushButton*>(keys[i]);
            EXPECT_NE(key, nullptr) << keys[i].toStdString();
            if (!key)
                break;
            QTest::mouseClick(key, Qt::LeftButton);
            if (i == 0)
                use.resultWhileOpen = kb.KEYPAD_no;
        }
        use.display = kb.Text2->text();
        use.closed = closes > 0;
        QObject::disconnect(&d, &QDialog::finished, &d, nullptr);
        return d.result();
    });
    kb.showModal();
    use.result = kb.KEYPAD_no;
    return use;
}

QStringList keys(const char* spaced) {
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Case {
    const char* keys;
    const char* display;
    const char* result; // after the last key (enter added where the case closes)
    bool closes;
};

void runCases(KeyboardBase& kb, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        kb.KEYPAD_no = QStringLiteral("previous");
        const Use u = type(kb, keys(c.keys));
        EXPECT_EQ(u.display, QString::fromUtf8(c.display))
            << kb.objectName().toStdString() << ": " << c.keys;
        EXPECT_EQ(u.result, QString::fromUtf8(c.result))
            << kb.objectName().toStdString() << ": " << c.keys;
        EXPECT_EQ(u.closed, c.closes) << kb.objectName().toStdString() << ": " << c.keys;
    }
}

class KeyboardTest : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> screen = std::make_unique<QWidget>();
};
} // namespace

TEST_F(KeyboardTest, NumericKeypad) {
    frmKey2 kb(screen.get());
    runCases(
        kb,
        {
            {"cmd1 cmd2 cmd0 cmd0 Command13", "1200", "1200", true},
            {"cmd0 cmd0 Command13", "00", "00", true},
            {"cmd4 cmd5 cmdBackSpace Command13", "4", "4", true},
            {"cmdBackSpace cmd7 Command13", "7", "7", true}, // backspace on nothing does nothing
            {"cmd9 cmdCrea cmd3 Command13", "3", "3", true},
            {"cmd5 Command19 Command20 Command13", "5", "5", true}, // the two blank keys do nothing
            {"Command13", "", "previous", false}, // enter on an empty display stays open
            {"cmd8 cmdCrea Command13", "", "previous", false},
            {"cmd8 cmd1 Command14", "81", "", true}, // cancel whatever was typed
        });
    EXPECT_FALSE(kb.findChild<QPushButton*>(QStringLiteral("Command19"))->isEnabled());
}

TEST_F(KeyboardTest, InspectionKeypadJudgementRule) {
    frmKey2_jaju kb(screen.get());
    runCases(kb, {
                     {"cmdOK cmd7 Command13", "7", "7", true},
                     {"cmd_NG cmdBackSpace", "", "previous", false},
                     {"cmd3 cmdOK Command13", "OK", "OK", true},
                     {"cmd3 cmd_NG Command13", "NG", "NG", true},
                     {"Command3", "", "previous", false},       // a point on an empty display
                     {"cmdOK Command3", "", "previous", false}, // a point on OK empties it
                     {"cmd1 Command3 Command3 cmd5 Command13", "1..5", "1..5", true},
                     {"cmd1 cmd2 cmdBackSpace Command13", "1", "1", true},
                     {"cmd1 cmdOK cmdBackSpace cmd2 Command13", "2", "2", true},
                     {"cmd2 cmd5 Command14", "25", "", true},
                 });
    EXPECT_EQ(kb.findChild<QPushButton*>(QStringLiteral("cmdCrea")), nullptr); // no clear key
}

TEST_F(KeyboardTest, LetterKeyboardsShiftPointAndMinus) {
    frmKey2_English english(screen.get());
    frmKey2_EnglishandNum both(screen.get());
    for (LetterKeyboard* kb :
         {static_cast<LetterKeyboard*>(&english), static_cast<LetterKeyboard*>(&both)}) {
        runCases(*kb, {
                          {"cmdshift cmda Command13", "A", "A", true},
                          {"cmdshift cmdshift cmda Command13", "a", "a", true},
                          {"cmdshift cmdshift cmdshift cmda Command13", "A", "A", true},
                          {"cmdshift cmdshift cmda cmdshift cmdb cmdshift cmdc Command13", "aBc",
                           "aBc", true},
                          {"cmdz Command15 cmdq Command13", "Z-Q", "Z-Q", true},
                          {"cmda Command3 cmdb Command3 Command13", "A.B", "A.B", true},
                          // The point stays refused after backspacing over it, until clear or an
                          // empty display.
                          {"cmda Command3 cmdb cmdBackSpace cmdBackSpace Command3 Command13", "A",
                           "A", true},
                          {"cmda Command3 cmdCrea Command3 Command13", ".", ".", true},
                          {"Command3 cmdBackSpace Command3 Command13", ".", ".", true},
                          {"Command13", "", "previous", false},
                          {"cmdk cmdCrea", "", "", false}, // typing dropped the previous value
                          {"cmdk Command14", "K", "", true},
                      });
    }
    runCases(both,
             {{"cmd1 Command3 cmd5 Command3 Command13", "1.5", "1.5", true},
              {"cmd1 Command3 cmd5 cmdBackSpace cmdBackSpace Command3 Command13", "1", "1", true},
              {"cmd1 Command3 cmd5 cmdCrea cmd1 Command3 Command13", "1.", "1.", true}});
}

TEST_F(KeyboardTest, FirstKeyDropsThePreviousResultButPointDoesNot) {
    frmKey2_EnglishandNum kb(screen.get());
    kb.KEYPAD_no = QStringLiteral("AB");
    Use u = type(kb, keys("Command3 cmdBackSpace cmdCrea"));
    EXPECT_EQ(u.resultWhileOpen, QStringLiteral("AB"));
    EXPECT_FALSE(u.closed);
    kb.KEYPAD_no = QStringLiteral("AB");
    u = type(kb, keys("cmd7"));
    EXPECT_EQ(u.resultWhileOpen, QString());
    EXPECT_EQ(u.display, QStringLiteral("7"));
    kb.KEYPAD_no = QStringLiteral("AB");
    u = type(kb, keys("Command15"));
    EXPECT_EQ(u.resultWhileOpen, QString());

    // The numeric keypad has no such step.
    frmKey2 pad(screen.get());
    pad.KEYPAD_no = QStringLiteral("12");
    u = type(pad, keys("cmd3"));
    EXPECT_EQ(u.resultWhileOpen, QStringLiteral("12"));
}

TEST_F(KeyboardTest, EveryOpeningStartsEmptyWithCapitalsAndTheShiftCountReset) {
    frmKey2_English kb(screen.get());
    EXPECT_EQ(type(kb, keys("cmdshift cmdshift cmdx Command3 Command13")).result,
              QStringLiteral("x."));
    EXPECT_EQ(kb.shiftCount(), 4);
    EXPECT_EQ(kb.pointFlag(), QStringLiteral("1"));
    const Use u = type(kb, keys("cmdshift Command3 cmdy Command13"));
    // Capitals and the point allowed again; dropping the previous result keeps the point.
    EXPECT_EQ(u.result, QStringLiteral(".Y"));
    EXPECT_EQ(kb.findChild<QPushButton*>(QStringLiteral("cmdy"))->text(), QStringLiteral("Y"));
    type(kb, keys("cmdshift cmdshift"));
    EXPECT_EQ(kb.findChild<QPushButton*>(QStringLiteral("cmdy"))->text(),
              QStringLiteral("y")); // keys show the case
    kb.KEYPAD_no = QStringLiteral("old");
    type(kb, {});
    EXPECT_TRUE(kb.Text2->text().isEmpty());
}

TEST_F(KeyboardTest, ClosingWithoutAKeyCountsAsCancel) {
    frmKey2_jaju kb(screen.get());
    kb.KEYPAD_no = QStringLiteral("12.5");
    ScopedModalHandler scope([&](QDialog& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmd4")), Qt::LeftButton);
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_EQ(kb.showModal(), QDialog::Rejected);
    EXPECT_EQ(kb.KEYPAD_no, QString());
}

TEST_F(KeyboardTest, LetterAndDigitKeyboardSizeAndTouchKeys) {
    frmKey2_EnglishandNum kb(screen.get());
    kb.resize(300, 200);
    type(kb, {});
    EXPECT_EQ(kb.size(), QSize(twipsToPixelsX(12000), twipsToPixelsY(7500)));
    EXPECT_EQ(twipsToPixelsX(15 * 800) * 96,
              800 * QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    for (const char* name : {"cmd0", "cmdq", "cmdm", "cmdshift", "Command13", "Command14"}) {
        const auto* key = kb.findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(key, nullptr) << name;
        EXPECT_GE(key->minimumSize().height(), 64) << name;
        EXPECT_FALSE(key->text().isEmpty()) << name;
    }
}
