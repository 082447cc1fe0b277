#include "production/frm_s_endtime.h"

frm_S_endtime::frm_S_endtime(QWidget* parent)
    : TimeEntryDialog(parent, QStringLiteral("frm_S_endtime"), QStringLiteral("종료시간"),
                      QStringLiteral("lblEndtime"),
                      QStringLiteral("종료시간이 잘못 입력되었습니다.")) {}
