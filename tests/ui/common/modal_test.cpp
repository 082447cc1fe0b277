#include "ui/common/messagebox.h"
#include "ui/common/modal.h"
#include "ui/common/widgetnotifier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Presses the button of the given role on a message box, records what was shown.
struct BoxAnswer {
    QMessageBox::StandardButton press;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int calls = 0;
    int operator()(QDialog& d) {
        auto& box = static_cast<QMessageBox&>(d);
        ++calls;
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        QTest::mouseClick(box.button(press), Qt::LeftButton);
        return box.result();
    }
};
} // namespace

TEST(ModalSeamTest, MessageBoxesRunThroughTheHandler) {
    auto answer = std::make_shared<BoxAnswer>(BoxAnswer{QMessageBox::Retry, {}, {}});
    ScopedModalHandler scope([answer](QDialog& d) { return (*answer)(d); });
    EXPECT_TRUE(
        MessageBox::retryCancel(QStringLiteral("Report_TALVEN"), QStringLiteral("재시도?")));
    EXPECT_EQ(answer->icon, QMessageBox::Question);
    answer->press = QMessageBox::Cancel;
    EXPECT_FALSE(MessageBox::retryCancel(QStringLiteral("t"), QStringLiteral("x")));
    answer->press = QMessageBox::Ok;
    WidgetNotifier n;
    n.message(Notifier::Icon::Warning, QStringLiteral("Report_TALVEN"), QStringLiteral("경고"));
    EXPECT_EQ(answer->icon, QMessageBox::Warning);
    EXPECT_EQ(answer->title, QStringLiteral("Report_TALVEN"));
    EXPECT_EQ(answer->text, QStringLiteral("경고"));
    EXPECT_EQ(answer->calls, 3);
}

TEST(ModalSeamTest, ScopeRestoresThePreviousHandler) {
    int outer = 0, inner = 0;
    ScopedModalHandler a([&](QDialog&) { return ++outer; });
    {
        ScopedModalHandler b([&](QDialog&) { return ++inner; });
        QDialog d;
        runModal(d);
    }
    QDialog d;
    runModal(d);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(outer, 1);
}

TEST(BusyPointerTest, SetAndResetWithoutNesting) {
    WidgetNotifier n;
    n.setBusy(true);
    n.setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    n.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    n.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
