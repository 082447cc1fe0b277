#pragma once

#include "tests/support/testenv.h"
#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"

#include <QMessageBox>
#include <QWidget>

#include <memory>

// A screen with one grid and its wrapper, and a record of every message box shown.
class GridTest : public TestEnv {
protected:
    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    void SetUp() override {
        TestEnv::SetUp();
        screen = std::make_unique<QWidget>();
        screen->setWindowTitle(QStringLiteral("생산실적"));
        ss = new SpreadView(screen.get());
        spread = new clsSpread(screen.get());
        spread->Spr(ss);
        modal = std::make_unique<ScopedModalHandler>([this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d))
                boxes.push_back({box->icon(), box->windowTitle(), box->text()});
            return int(QMessageBox::Ok);
        });
    }

    void TearDown() override {
        modal.reset();
        screen.reset();
        TestEnv::TearDown();
    }

    // Three visible columns: a key text column "code", a number column "qty" with two
    // decimals and separator, and an editable text column "memo".
    void layout(int rows = 0) {
        spread->SetInit(rows, 3, 35, 0, 12, true, true, false, QStringLiteral("1"), true);
        spread->SetColType(1, QStringLiteral("코드"), QStringLiteral("code"), 10,
                           QStringLiteral("PK"), 1, 20, 0, false, 0, 2, false, true, false, false);
        spread->SetColType(2, QStringLiteral("수량"), QStringLiteral("qty"), 10, QString(), 13, 9,
                           2, true, 1, 2, false, false, false, false);
        spread->SetColType(3, QStringLiteral("비고"), QStringLiteral("memo"), 20,
                           QStringLiteral("NU"), 1, 60, 0, false, 0, 2, false, false, false, false);
    }

    // Selects the rows first..last of the grid.
    void select(int first, int last) {
        ss->clearSelection();
        ss->selectionModel()->select(
            QItemSelection(ss->model()->index(first - 1, 0), ss->model()->index(last - 1, 2)),
            QItemSelectionModel::Select);
    }

    QStringList marks() const {
        QStringList out;
        for (int r = 1; r <= spread->MaxRows(); ++r)
            out << spread->GetText(0, r);
        return out;
    }

    QStringList column(const QString& id) const {
        QStringList out;
        for (int r = 1; r <= spread->MaxRows(); ++r)
            out << spread->TextWithColID(id, r);
        return out;
    }

    std::unique_ptr<QWidget> screen;
    SpreadView* ss = nullptr;
    clsSpread* spread = nullptr;
    std::vector<Box> boxes;
    std::unique_ptr<ScopedModalHandler> modal;
};
