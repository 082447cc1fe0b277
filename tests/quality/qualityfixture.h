#pragma once

#include "tests/support/testenv.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/fileshare.h"
#include "ui/common/modal.h"

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <utility>

// Records the share connections instead of running "net use".
class FakeFileShare : public FileShare {
public:
    void connect(const QString& share, const QString& user, const QString& password) override {
        calls << share + QLatin1Char('|') + user + QLatin1Char('|') + password;
    }
    QStringList calls;
};

// A plant database with the given rows, an open connection and a logged-in user. Modal
// windows are answered: message dialogs and message boxes are recorded and closed, the
// inspection keypad presses `keys` (its button names), the delete confirmation answers
// `confirm`, every other dialog goes to `onDialog` (or is rejected).
class QualityFixture : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        FileShare::install(&share);
    }
    void TearDown() override {
        FileShare::install(nullptr);
        TestEnv::TearDown();
    }

    void open(const QString& rows) {
        createPlantDatabase(QStringLiteral("plant"), rows);
        ASSERT_TRUE(gfDB_OPEN());
        gsUSER_ID = QStringLiteral("U01");
    }

    static QString q(const QString& sql) { return checkRows(sql); }

    FakeFileShare share;
    QStringList messages; // message dialog texts, and message boxes as "title: text"
    QStringList keys;     // keys pressed at the next keypad
    bool confirm = true;  // the delete confirmation's answer
    std::function<void(QDialog&)> onDialog;

private:
    int answer(QDialog& d) {
        const QString name = d.objectName();
        if (name == QLatin1String("frmKey2_jaju")) {
            for (const QString& key : std::exchange(keys, {}))
                d.findChild<QPushButton*>(key)->click();
            return d.result();
        }
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            messages << box->windowTitle() + QStringLiteral(": ") + box->text();
            return QMessageBox::Ok;
        }
        if (name == QLatin1String("frm_MSG_004")) {
            d.findChild<QPushButton*>(confirm ? QStringLiteral("Command14")
                                              : QStringLiteral("Command1"))
                ->click();
            return d.result();
        }
        if (auto* text = d.findChild<QLabel*>(QStringLiteral("Lb_msg"))) {
            messages << text->text();
            d.done(QDialog::Accepted);
            return d.result();
        }
        if (onDialog)
            onDialog(d);
        else
            d.reject();
        return d.result();
    }

    ScopedModalHandler m_answer{[this](QDialog& d) { return answer(d); }};
};
