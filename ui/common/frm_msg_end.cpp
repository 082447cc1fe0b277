#include "ui/common/frm_msg_end.h"

frm_MSG_End::frm_MSG_End(QWidget* parent)
    : CountdownDialog(parent, QStringLiteral("frm_MSG_End"),
                      QStringLiteral("선택한 작업이   초 후에 자동 종료됩니다."),
                      QStringLiteral("작업 종료를 원치 않으시면"),
                      QStringLiteral("frm_S_dayReport")) {}
