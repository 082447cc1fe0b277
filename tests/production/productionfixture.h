#pragma once

#include "tests/support/testenv.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "ui/common/modal.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <utility>

// A plant database with the given rows, an open connection and a logged-in worker. Modal
// windows are answered: a message dialog's text is recorded and it is closed; the numeric
// keypad presses the keys in `keys` (names of its buttons, e.g. "cmd1", "Command13").
class ProductionFixture : public TestEnv {
protected:
    void open(const QString& rows) {
        createPlantDatabase(QStringLiteral("plant"), rows);
        ASSERT_TRUE(gfDB_OPEN());
        gsUSER_ID = QStringLiteral("E07");
    }

    static QString q(const QString& sql) { return checkRows(sql); }

    QStringList messages; // texts of the message dialogs, in order
    QStringList keys;     // keypad keys pressed at the next keypad
    int keypads = 0;      // keypads shown
    // Answers every other modal screen (the entry screens); unset, it is closed.
    std::function<void(QDialog&)> onScreen;
    QStringList screensShown; // object names of those screens, in order

private:
    ScopedModalHandler m_answer{[this](QDialog& d) {
        if (d.objectName() == QLatin1String("frmKey2")) {
            ++keypads;
            for (const QString& key : std::exchange(keys, {}))
                d.findChild<QPushButton*>(key)->click();
            return d.result();
        }
        if (auto* text = d.findChild<QLabel*>(QStringLiteral("Lb_msg"))) {
            messages << text->text();
        } else {
            screensShown << d.objectName();
            if (onScreen) {
                onScreen(d);
                return d.result();
            }
        }
        if (auto* close = d.findChild<QPushButton*>(QStringLiteral("Command14")))
            close->click();
        return d.result();
    }};
};
