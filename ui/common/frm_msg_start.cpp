#include "ui/common/frm_msg_start.h"

frm_MSG_Start::frm_MSG_Start(QWidget* parent)
    : CountdownDialog(parent, QStringLiteral("frm_MSG_Start"),
                      QStringLiteral("선택한 작업이   초 후에 자동 시작됩니다."),
                      QStringLiteral("작업 시작을 원치 않으시면"),
                      QStringLiteral("frm_S_jakupjisi_list")) {}
