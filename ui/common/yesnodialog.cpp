#include "ui/common/yesnodialog.h"

#include <QLabel>
#include <QPushButton>

YesNoDialog::YesNoDialog(QWidget* parent, const QString& name, const QString& text)
    : MsgDialog(parent, name, 0.35, 0.35) {
    Lb_msg->setText(text);
    connect(addButton(QStringLiteral("Command14"), QStringLiteral("예")), &QPushButton::clicked,
            this, [this] { yes(); });
    connect(addButton(QStringLiteral("Command1"), QStringLiteral("아니오")), &QPushButton::clicked,
            this, [this] { no(); });
}

void YesNoDialog::opening() {
    AA.clear();
}

void YesNoDialog::yes() {
    AA = QStringLiteral("Exit");
    accept();
}

void YesNoDialog::no() {
    AA = QStringLiteral("Cancel");
    reject();
}
