#pragma once

#include "core/localsettings.h"
#include "tests/support/testenv.h"
#include "ui/common/modal.h"
#include "ui/common/programend.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

// The terminal screens against a plant database on SQLite (terminal address 10.0.0.5): every
// modal window is recorded and answered by `answer` (default: closed as it is), the program's
// end is recorded instead of leaving the loop, and the screens a test opened are closed after.
class TerminalTest : public TestEnv {
protected:
    struct Shown {
        QString window; // objectName of the dialog, or "messageBox"
        QString title;
        QString text; // message box text or the dialog's Lb_msg
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    void SetUp() override {
        TestEnv::SetUp();
        LocalSettings::current().localIp = QStringLiteral("10.0.0.5");
        modal = std::make_unique<ScopedModalHandler>([this](QDialog& d) {
            Shown s{d.objectName(), d.windowTitle(), QString()};
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                s.text = box->text();
                s.icon = box->icon();
            } else if (auto* l = d.findChild<QLabel*>(QStringLiteral("Lb_msg"))) {
                s.text = l->text();
            }
            windows.push_back(s);
            if (answer)
                answer(d);
            return d.result();
        });
        programEnd = std::make_unique<ScopedProgramEndHook>([this](int code) { ends << code; });
    }

    void TearDown() override {
        // Parentless screens only: deleting one also deletes the windows it owns.
        QList<QPointer<QWidget>> opened;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->parentWidget() && (w->objectName().startsWith(QStringLiteral("frm_S_")) ||
                                       w->objectName() == QStringLiteral("FrmLogIn")))
                opened << w;
        for (const QPointer<QWidget>& w : opened)
            delete w.data();
        programEnd.reset();
        modal.reset();
        TestEnv::TearDown();
    }

    // Presses the named button of a dialog (for `answer`).
    static void press(QDialog& d, const QString& name) {
        auto* b = d.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }

    QStringList windowTexts() const {
        QStringList t;
        for (const Shown& s : windows)
            t << s.text;
        return t;
    }

    std::function<void(QDialog&)> answer;
    QList<Shown> windows;
    QList<int> ends;

private:
    std::unique_ptr<ScopedModalHandler> modal;
    std::unique_ptr<ScopedProgramEndHook> programEnd;
};
