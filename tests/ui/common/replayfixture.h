#pragma once

#include "tests/support/testenv.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

// A screen named frmReplay with one control of each kind a script reaches: a text box, a
// result label, a button bank fpBtn_1(0..2), captioned buttons, a check box and tabs, a
// combo box, a list, a 3 x 3 grid whose column 2 is a drop-down cell and column 3 text, a disabled
// button, a hidden label, a red label, and a dialog parented to it that holds a second txtId.
class ReplayScreenTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        screen = std::make_unique<QWidget>();
        screen->setObjectName(QStringLiteral("frmReplay"));
        auto* layout = new QVBoxLayout(screen.get());
        txtId = add<QLineEdit>(layout, "txtId");
        lblOut = add<QLabel>(layout, "lblOut");
        lblOut->setText(QStringLiteral("처음"));
        for (int i = 0; i < 3; ++i) {
            auto* b = add<QPushButton>(layout, QStringLiteral("fpBtn_1(%1)").arg(i).toUtf8());
            b->setText(QStringLiteral("공정%1").arg(i));
            QObject::connect(b, &QPushButton::clicked, lblOut,
                             [this, b] { lblOut->setText(b->text()); });
        }
        btnOk = add<QPushButton>(layout, "btnOk");
        btnOk->setText(QStringLiteral("확인"));
        btnMsg = add<QPushButton>(layout, "btnMsg");
        btnMsg->setText(QStringLiteral("안내"));
        btnOff = add<QPushButton>(layout, "btnOff");
        btnOff->setText(QStringLiteral("끄기"));
        btnOff->setEnabled(false);
        chkNight = add<QCheckBox>(layout, "chkNight");
        chkNight->setText(QStringLiteral("야간"));
        tabs = add<QTabWidget>(layout, "tabs");
        tabs->addTab(new QWidget(tabs), QStringLiteral("목록"));
        tabs->addTab(new QWidget(tabs), QStringLiteral("이력"));
        cboShift = add<QComboBox>(layout, "cboShift");
        cboShift->addItems({QStringLiteral("주간"), QStringLiteral("야간")});
        QObject::connect(cboShift, &QComboBox::activated, lblOut, [this](int i) {
            lblOut->setText(QStringLiteral("선택 ") + cboShift->itemText(i));
        });
        lstItems = add<QListWidget>(layout, "lstItems");
        lstItems->addItems({QStringLiteral("FG01"), QStringLiteral("FG02")});
        QObject::connect(lstItems, &QListWidget::itemClicked, lblOut,
                         [this](QListWidgetItem* item) { lblOut->setText(item->text()); });
        ss = add<SpreadView>(layout, "ss");
        spread = new clsSpread(screen.get());
        spread->Spr(ss);
        layOutGrid();
        lblHidden = add<QLabel>(layout, "lblHidden");
        lblHidden->hide();
        lblColour = add<QLabel>(layout, "lblColour");
        lblColour->setText(QStringLiteral("빨강"));
        lblColour->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0);"));
        child = new QDialog(screen.get());
        child->setObjectName(QStringLiteral("dlgChild"));
        auto* inner = new QLineEdit(child);
        inner->setObjectName(QStringLiteral("lblInner"));
        auto* twin = new QLineEdit(child);
        twin->setObjectName(QStringLiteral("txtId"));
        screen->resize(480, 900);
        screen->show();
        screen->activateWindow();
    }

    void TearDown() override {
        screen.reset();
        TestEnv::TearDown();
    }

    template <typename T> T* add(QVBoxLayout* layout, const QByteArray& name) {
        auto* w = new T(screen.get());
        w->setObjectName(QString::fromUtf8(name));
        layout->addWidget(w);
        return w;
    }

    void layOutGrid() {
        spread->SetInit(3, 3, 20, 0, 10, false, true, false, QStringLiteral("1"), true);
        spread->SetColType(1, QStringLiteral("코드"), QStringLiteral("code"), 8, QString(),
                           SpreadCellType::Text, 20, 0, false, 0, 2, false, true, false, false);
        spread->SetColType(2, QStringLiteral("구분"), QStringLiteral("kind"), 8, QString(),
                           SpreadCellType::Combo, 20, 0, false, 0, 2, false, false, false, false);
        spread->SetColType(3, QStringLiteral("비고"), QStringLiteral("memo"), 12, QString(),
                           SpreadCellType::Text, 20, 0, false, 0, 2, false, false, false, false);
        spread->SetCboAddList(2, -1, QStringLiteral("A\tB"), 0);
        for (int r = 1; r <= 3; ++r)
            spread->TextWithColID(QStringLiteral("code"), r, QStringLiteral("R%1").arg(r));
        spread->SetColor(1, 1, 1, 1, clsSpread::popupColor());
        QObject::connect(ss, &QAbstractItemView::clicked, lblOut, [this](const QModelIndex& i) {
            lblOut->setText(QStringLiteral("셀 %1,%2").arg(i.row() + 1).arg(i.column() + 1));
        });
    }

    std::unique_ptr<QWidget> screen;
    QLineEdit* txtId = nullptr;
    QLabel* lblOut = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnMsg = nullptr;
    QPushButton* btnOff = nullptr;
    QCheckBox* chkNight = nullptr;
    QTabWidget* tabs = nullptr;
    QComboBox* cboShift = nullptr;
    QListWidget* lstItems = nullptr;
    SpreadView* ss = nullptr;
    clsSpread* spread = nullptr;
    QLabel* lblHidden = nullptr;
    QLabel* lblColour = nullptr;
    QDialog* child = nullptr;
};
