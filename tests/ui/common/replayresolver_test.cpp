// Target resolution on the fixture screen: names, control arrays, captions, tabs, cells,
// and what stands in the way when a target is not there.
#include "tests/ui/common/replayfixture.h"
#include "ui/common/replayresolver.h"
#include "ui/common/replayscript.h"

#include <QLabel>
#include <QPixmap>
#include <QTabBar>

namespace {
ReplayTarget target(const char* text) {
    ReplayStep s;
    QString error;
    EXPECT_TRUE(
        ReplayScript::parseLine(QStringLiteral("click ") + QString::fromUtf8(text), &s, &error))
        << text;
    return s.target;
}

using ReplayResolverTest = ReplayScreenTest;
} // namespace

TEST_F(ReplayResolverTest, TargetsResolveToTheirWidgets) {
    const std::pair<const char*, QWidget*> cases[] = {
        {"frmReplay/txtId", txtId},
        {"frmReplay/fpBtn_1(2)", screen->findChild<QWidget*>(QStringLiteral("fpBtn_1(2)"))},
        {"frmReplay/\"확인\"", btnOk},
        {"frmReplay/\"처음\"", lblOut},
        {"frmReplay/\"야간\"", chkNight}, // the check box, not the combo entry
        {"frmReplay/ss[3,2]", ss},
    };
    for (const auto& [text, widget] : cases) {
        QString problem;
        const ReplayHit hit = ReplayResolver::resolve(target(text), &problem);
        EXPECT_EQ(hit.widget(), widget) << text << ": " << problem.toStdString();
    }
    QString problem;
    const ReplayHit cell = ReplayResolver::resolve(target("frmReplay/ss[3,1]"), &problem);
    ASSERT_TRUE(cell.isCell());
    EXPECT_EQ(cell.cellIndex().row(), 2);
    EXPECT_EQ(cell.cellIndex().column(), 0);
    QString text;
    ASSERT_TRUE(cell.text(&text));
    EXPECT_EQ(text, QStringLiteral("R3"));
    const ReplayHit tab = ReplayResolver::resolve(target("frmReplay/\"이력\""), &problem);
    EXPECT_TRUE(tab.isTab());
    EXPECT_EQ(tab.widget(), tabs->tabBar());
}

TEST_F(ReplayResolverTest, AButtonWinsOverALabelShowingItsCaption) {
    // A label that echoes the chosen button's caption, first among the screen's children.
    auto* echo = new QLabel(QStringLiteral("확인"), screen.get());
    echo->show();
    echo->lower();
    QString problem;
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/\"확인\""), &problem).widget(), btnOk);
    btnOk->hide();
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/\"확인\""), &problem).widget(), echo);
}

TEST_F(ReplayResolverTest, UnreachableTargetsSayWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"frmNone/txtId", "no open window \"frmNone\""},
        {"dlgChild/txtId", "no open window \"dlgChild\""}, // not shown
        {"frmReplay/lblInner", "has no \"lblInner\""},     // inside the parented dialog
        {"frmReplay/lblHidden", "is not visible"},
        {"frmReplay/\"없는 버튼\"", "shows no button, label, check box or tab \"없는 버튼\""},
        {"frmReplay/ss[4,1]", "grid \"ss\" has 3 rows and 3 columns"},
        {"frmReplay/txtId[1,1]", "is not a grid"},
    };
    for (const auto& [text, why] : cases) {
        QString problem;
        const ReplayHit hit = ReplayResolver::resolve(target(text), &problem);
        EXPECT_EQ(hit.widget(), nullptr) << text;
        EXPECT_TRUE(problem.contains(QString::fromUtf8(why)))
            << text << " -> " << problem.toStdString();
    }
    ss->setRowHidden(1, true);
    QString problem;
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/ss[2,1]"), &problem).widget(), nullptr);
    EXPECT_TRUE(problem.contains(QStringLiteral("is hidden")));
}

TEST_F(ReplayResolverTest, TheParentedDialogIsAWindowOfItsOwn) {
    child->show();
    QString problem;
    const ReplayHit hit = ReplayResolver::resolve(target("dlgChild/txtId"), &problem);
    ASSERT_NE(hit.widget(), nullptr) << problem.toStdString();
    EXPECT_NE(hit.widget(), txtId);
    EXPECT_EQ(hit.widget()->window(), child);
    // The screen's own txtId is still its own.
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/txtId"), &problem).widget(), txtId);
}

TEST_F(ReplayResolverTest, ShownTextAndBackground) {
    QString problem;
    QString text;
    cboShift->setCurrentIndex(1);
    ASSERT_TRUE(ReplayResolver::resolve(target("frmReplay/cboShift"), &problem).text(&text));
    EXPECT_EQ(text, QStringLiteral("야간"));
    lblOut->setText(QStringLiteral("첫 줄\n둘째 줄"));
    ASSERT_TRUE(ReplayResolver::resolve(target("frmReplay/lblOut"), &problem).text(&text));
    EXPECT_EQ(text, QStringLiteral("첫 줄\\n둘째 줄"));
    // A label showing a picture shows its accessible name, which names the picture.
    lblOut->setAccessibleName(QStringLiteral("P1.jpg"));
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    lblOut->setPixmap(picture);
    ASSERT_TRUE(ReplayResolver::resolve(target("frmReplay/lblOut"), &problem).text(&text));
    EXPECT_EQ(text, QStringLiteral("P1.jpg"));
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/lblColour"), &problem).background(),
              QColor(255, 0, 0));
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/ss[1,1]"), &problem).background(),
              clsSpread::popupColor());
    EXPECT_EQ(ReplayResolver::resolve(target("frmReplay/ss[1,2]"), &problem).background(),
              clsSpread::editableColor());
}
