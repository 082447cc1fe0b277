#include "ui/common/frm_msg_002.h"

frm_MSG_002::frm_MSG_002(QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("frm_MSG_002"),
                  QStringLiteral("정말로 종료하시겠습니까?")) {}
