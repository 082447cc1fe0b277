#pragma once

#include "tests/support/testenv.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "ui/common/modal.h"
#include "workorders/listselection.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

// A plant database with the given rows, an open connection, a logged-in worker, and every
// modal window answered: the message dialog's text and each message box's "title|text" are
// recorded and the window is closed with its first button.
class WorkOrderFixture : public TestEnv {
protected:
    void open(const QString& rows) {
        createPlantDatabase(QStringLiteral("plant"), rows);
        ASSERT_TRUE(gfDB_OPEN());
        gsUSER_ID = QStringLiteral("E07");
    }

    // The first row of a check through the connection, cells joined by '|'.
    static QString q(const QString& sql) {
        QStringList out;
        for (const QVariant& v : gfGET_ROW(sql, QStringLiteral("check")))
            out << v.toString();
        return out.join(QLatin1Char('|'));
    }

    // A waiting order line of the list, with a process and an equipment chosen.
    static ListSelection waiting(const QString& prodNo, const QString& equipment,
                                 const QString& jisiDate) {
        ListSelection s;
        s.processSelected = true;
        s.equipmentSelected = true;
        s.rowCount = 3;
        s.prodNo = prodNo;
        s.seq = prodNo + QStringLiteral("001");
        s.processCode = QStringLiteral("P10");
        s.equipmentCode = equipment;
        s.productCode = QStringLiteral("A-100");
        s.orderQty = QStringLiteral("1200");
        s.jisiDate = jisiDate;
        s.employeeSu = QStringLiteral("2");
        s.employeeNo = QStringLiteral("E07");
        s.state = QStringLiteral("미완료");
        return s;
    }

    QStringList messages; // frm_MSG_001 texts and "title|text" of message boxes, in order
    QList<QMessageBox::Icon> icons;

private:
    ScopedModalHandler m_answer{[this](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            messages << box->windowTitle() + QLatin1Char('|') + box->text();
            icons << box->icon();
            return int(QMessageBox::Ok);
        }
        if (auto* text = d.findChild<QLabel*>(QStringLiteral("Lb_msg")))
            messages << text->text();
        if (auto* close = d.findChild<QPushButton*>(QStringLiteral("Command14")))
            close->click();
        return d.result();
    }};
};
