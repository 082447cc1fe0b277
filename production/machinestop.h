#pragma once

#include <QString>

class QPushButton;
class QWidget;

// The timed stop of the report screen: "설비정지" opens a stop record of the run and marks
// the machine stopped for the boards, "설비가동" closes the open stops with their minutes and
// marks it running again. Each switches the two buttons on success.
namespace MachineStop {

struct Job {
    QString runNo;         // lblOp_seq_sub
    QString orderDate;     // lblJakupdate
    QString equipmentCode; // lblEquipment_code
};

struct Buttons {
    QPushButton* stop;    // "설비정지"
    QPushButton* restart; // "설비가동"
};

// "설비정지". True when the downtime history is to be shown next: after the stop record,
// also after its failed insert, but not when the machine's state could not be written.
bool stop(const Job& job, Buttons buttons, QWidget* screen, const QString& location);
// "설비가동" (no check of the run number).
void restart(const Job& job, Buttons buttons, QWidget* screen, const QString& location);

} // namespace MachineStop
