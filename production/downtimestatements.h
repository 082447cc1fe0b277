#pragma once

#include <QDateTime>
#include <QString>

// The statements of downtime recording: the timed stop and restart of the report screen, the
// machine's state for the boards, and the per-code minutes of frm_S_bigadong2. Built line by
// line (a line feed before every line), every value between quotes through gfSQL_STR.
namespace DowntimeStatements {

struct Stop {
    QString runNo;         // lblOp_seq_sub
    QString equipmentCode; // lblEquipment_code
    QString orderDate;     // lblJakupdate
    QString userId;
    QDateTime now;
};
// Opens a timed stop: no downtime code, start at now, no end.
QString stopInsert(const Stop& s);
// Closes every open stop of the machine and run; the server counts the minutes.
QString restartUpdate(const QString& equipmentCode, const QString& runNo, const QDateTime& now);
// Marks the machine stopped ('TRUE') or running ('FALSE') for the boards.
QString realTimeUpdate(const QString& equipmentCode, bool stopped);

// Every downtime code with the run's minutes for it (0 when none).
QString entryQuery(const QString& runNo, const QString& productCode);

struct Reason {
    QString runNo;
    QString code;
    qint32 minutes = 0;
    qint64 crewSize = 0;   // lblEmployee_su as a number
    QString crewText;      // lblEmployee_su as shown
    QString equipmentCode; // INSERT only
    QString remark;
    QString userId;
    QDateTime now;
};
QString reasonInsert(const Reason& r);
QString reasonUpdate(const Reason& r);
QString reasonDelete(const QString& runNo, const QString& code);

} // namespace DowntimeStatements
