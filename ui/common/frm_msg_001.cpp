#include "ui/common/frm_msg_001.h"

#include <QLabel>
#include <QPushButton>

frm_MSG_001::frm_MSG_001(QWidget* parent)
    : MsgDialog(parent, QStringLiteral("frm_MSG_001"), 1.0 / 3, 1.0 / 3) {
    connect(addButton(QStringLiteral("Command14"), QStringLiteral("확인")), &QPushButton::clicked,
            this, [this] { accept(); });
}

void showWorkerMessage(const QString& text, QWidget* parent) {
    frm_MSG_001 dialog(parent);
    dialog.Lb_msg->setText(text);
    dialog.showModal();
}
