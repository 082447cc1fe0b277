#include "production/frm_s_starttime.h"

frm_S_starttime::frm_S_starttime(QWidget* parent)
    : TimeEntryDialog(parent, QStringLiteral("frm_S_starttime"), QStringLiteral("시작시간"),
                      QStringLiteral("lblStarttime"),
                      QStringLiteral("시작시간이 잘못 입력되었습니다.")) {}
