// The replay script reader: one table of good lines, one of bad lines, and whole files.
#include "ui/common/replayscript.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
using Kind = ReplayStep::Kind;
using TKind = ReplayTarget::Kind;

struct Good {
    const char* line;
    Kind kind;
    const char* target; // as ReplayTarget::text() writes it; "" for none
    TKind targetKind;
    const char* text;
};

QString u(const char* s) {
    return QString::fromUtf8(s);
}
} // namespace

TEST(ReplayScriptTest, LinesReadIntoSteps) {
    const Good cases[] = {
        {"click FrmLogIn/fpBtn_1(3)", Kind::Click, "FrmLogIn/fpBtn_1(3)", TKind::Child, ""},
        {"click frm_S_dayReport/\"작업종료\"", Kind::Click, "frm_S_dayReport/\"작업종료\"",
         TKind::Caption, ""},
        {"click  w/\"작업  종료\"  ", Kind::Click, "w/\"작업  종료\"", TKind::Caption, ""},
        {"click w/\"say \"\"hi\"\"\"", Kind::Click, "w/\"say \"\"hi\"\"\"", TKind::Caption, ""},
        {"click frm_S_jakupjisi_list/ss[2,10]", Kind::Click, "frm_S_jakupjisi_list/ss[2,10]",
         TKind::Cell, ""},
        {"type FrmLogIn/txtId  ab  c  ", Kind::Type, "FrmLogIn/txtId", TKind::Child, "ab  c  "},
        {"type w/t \"quoted\" # not a comment", Kind::Type, "w/t", TKind::Child,
         "\"quoted\" # not a comment"},
        {"expect FrmLogIn/txtId", Kind::Expect, "FrmLogIn/txtId", TKind::Child, ""},
        {"expect w/\"확인\" 확인 버튼", Kind::Expect, "w/\"확인\"", TKind::Caption, "확인 버튼"},
        {"expect w/ss[1,2] 1,000", Kind::Expect, "w/ss[1,2]", TKind::Cell, "1,000"},
        {"choose w/cboShift 야간 근무", Kind::Choose, "w/cboShift", TKind::Child, "야간 근무"},
        {"expect-message 저장 되었습니다.", Kind::ExpectMessage, "", TKind::Child,
         "저장 되었습니다."},
        {"click w/b\r", Kind::Click, "w/b", TKind::Child, ""},
    };
    for (const Good& c : cases) {
        ReplayStep s;
        QString error;
        ASSERT_TRUE(ReplayScript::parseLine(u(c.line), &s, &error))
            << c.line << ": " << error.toStdString();
        EXPECT_EQ(s.kind, c.kind) << c.line;
        if (s.hasTarget()) {
            EXPECT_EQ(s.target.text(), u(c.target)) << c.line;
            EXPECT_EQ(s.target.kind, c.targetKind) << c.line;
        }
        EXPECT_EQ(s.text, u(c.text)) << c.line;
    }
}

TEST(ReplayScriptTest, ArgumentsOfKeysWaitsColoursAndAnswers) {
    ReplayStep s;
    QString error;
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("click w/ss[2,10]"), &s, &error));
    EXPECT_EQ(s.target.name, QStringLiteral("ss"));
    EXPECT_EQ(s.target.row, 2);
    EXPECT_EQ(s.target.col, 10);
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("key enter"), &s, &error));
    EXPECT_EQ(s.key, Qt::Key_Return);
    EXPECT_EQ(s.keyText, QStringLiteral("\r"));
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("key F12"), &s, &error));
    EXPECT_EQ(s.key, Qt::Key_F12);
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("key Backspace"), &s, &error));
    EXPECT_EQ(s.key, Qt::Key_Backspace);
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("wait 250"), &s, &error));
    EXPECT_EQ(s.waitMs, 250);
    ASSERT_TRUE(
        ReplayScript::parseLine(QStringLiteral("expect-color w/ss[1,1] 255, 255,192"), &s, &error));
    EXPECT_EQ(s.colour, QColor(255, 255, 192));
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("answer yes"), &s, &error));
    EXPECT_EQ(s.button, QMessageBox::Yes);
    ASSERT_TRUE(ReplayScript::parseLine(QStringLiteral("answer Retry"), &s, &error));
    EXPECT_EQ(s.button, QMessageBox::Retry);
}

TEST(ReplayScriptTest, BadLinesAreRefusedWithTheReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"klick a/b", "unknown step \"klick\""},
        {"Click a/b", "unknown step \"Click\""},
        {"click ab", "Window/child"},
        {"click a/", "Window/child"},
        {"click /b", "Window/child"},
        {"click", "Window/child"},
        {"click a/\"open", "no closing quote"},
        {"click a/\"x\"y", "a space must follow"},
        {"click a/\"\"", "caption is empty"},
        {"click a/ss[0,1]", "grid[row,col]"},
        {"click a/ss[1]", "grid[row,col]"},
        {"click a/ss[1,x]", "grid[row,col]"},
        {"click a/[1,1]", "grid[row,col]"},
        {"click a/b extra", "unexpected text \"extra\""},
        {"type a/b", "the text is missing"},
        {"type a/b   ", "the text is missing"},
        {"choose a/b", "the text is missing"},
        {"expect-message", "the text is missing"},
        {"key Home", "unknown key \"Home\""},
        {"key F13", "unknown key"},
        {"key F0", "unknown key"},
        {"key", "unknown key"},
        {"key Enter Enter", "unexpected text"},
        {"wait -5", "whole number"},
        {"wait 1.5", "whole number"},
        {"wait", "whole number"},
        {"expect-color a/b 256,0,0", "R,G,B"},
        {"expect-color a/b 1,2", "R,G,B"},
        {"answer Maybe", "unknown button \"Maybe\""},
    };
    for (const auto& [line, reason] : cases) {
        ReplayStep s;
        QString error;
        EXPECT_FALSE(ReplayScript::parseLine(u(line), &s, &error)) << line;
        EXPECT_TRUE(error.contains(u(reason))) << line << " -> " << error.toStdString();
    }
}

TEST(ReplayScriptTest, ScriptsSkipBlanksAndCommentsAndAreRefusedWhole) {
    QString error;
    const QList<ReplayStep> steps = ReplayScript::parse(
        QStringLiteral("\xFEFF# log in\n\n   \n  # indented comment\nclick w/a\r\nwait 5\n"),
        &error);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(steps.size(), 2);
    EXPECT_EQ(steps.at(0).line, 5);
    EXPECT_EQ(steps.at(0).source, QStringLiteral("click w/a"));
    EXPECT_EQ(steps.at(1).line, 6);

    EXPECT_TRUE(
        ReplayScript::parse(QStringLiteral("click w/a\nwait 5\nclikc w/b\n"), &error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("line 3: unknown step \"clikc\""));
}

TEST(ReplayScriptTest, MissingOrNonUtf8FilesCannotBeRead) {
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(
        ReplayScript::readFile(dir.filePath(QStringLiteral("none.replay")), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    QFile latin1(dir.filePath(QStringLiteral("latin1.replay")));
    ASSERT_TRUE(latin1.open(QIODevice::WriteOnly));
    latin1.write("expect w/l caf\xe9\n");
    latin1.close();
    EXPECT_TRUE(ReplayScript::readFile(latin1.fileName(), &error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("the file is not UTF-8 text"));

    QFile good(dir.filePath(QStringLiteral("good.replay")));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write("expect w/l caf\xc3\xa9\n");
    good.close();
    const QList<ReplayStep> steps = ReplayScript::readFile(good.fileName(), &error);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(steps.size(), 1);
    EXPECT_EQ(steps.at(0).text, QString::fromUtf8("caf\xc3\xa9"));
}
