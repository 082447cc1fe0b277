#include "ui/common/frm_msg_004.h"

#include "ui/common/screenlocator.h"

#include <QLabel>

frm_MSG_004::frm_MSG_004(QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("frm_MSG_004"),
                  QStringLiteral("초중종검사를 삭제하시겠습니까?")) {}

void frm_MSG_004::writeDeleteType(const QString& text) {
    if (QWidget* screen = findScreen(QStringLiteral("frm_S_jajutest")))
        if (auto* label = screen->findChild<QLabel*>(QStringLiteral("lbldelete_type")))
            label->setText(text);
}

void frm_MSG_004::yes() {
    writeDeleteType(QStringLiteral("OK"));
    YesNoDialog::yes();
}

void frm_MSG_004::no() {
    writeDeleteType(QString());
    YesNoDialog::no();
}
