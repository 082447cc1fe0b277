#include "workorders/workorderactions.h"

#include "ui/common/frm_msg_001.h"
#include "workorders/frm_s_jakup.h"

#include <QLineEdit>

namespace WorkOrderActions {

bool registerOrder(const ListSelection& s, QWidget* parent) {
    if (!s.processSelected) {
        showWorkerMessage(QStringLiteral("공정을 먼저 선택하십시오."), parent);
        return false;
    }
    if (!s.equipmentSelected) {
        showWorkerMessage(QStringLiteral("설비를 선택해주십시오."), parent);
        return false;
    }
    auto* screen = new frm_S_Jakup(parent);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->show();
    screen->txtprocess_code->setText(s.jakupProcode);
    screen->txtprocess_name->setText(s.jakupProname);
    screen->txtequipment_code->setText(s.jakupEquipcode);
    screen->txtequipment_name->setText(s.jakupEquipname);
    screen->lsQuery();
    return true;
}

} // namespace WorkOrderActions
