#pragma once

#include "workorders/listselection.h"

#include <QString>

class QWidget;

// The four actions of the work order list on its active row. Messages go to the worker
// through the message dialog; location is the list's name for the error log.
namespace WorkOrderActions {

// btnStart: the checks in order, the job number and the start batch. True when the job's
// row was written and the order is running; the running job's OP_SEQ_SUB in *opSeqSub.
bool startJob(const ListSelection& s, const QString& location, QString* opSeqSub);

// btnCancel: deletes a waiting order (exactly one row). True on success; the caller then
// reloads the list.
bool cancelOrder(const ListSelection& s, const QString& location);

// btnDayReport: the checks of reopening a running job and its OP_SEQ_SUB (empty when none
// was found). False when a check refused it.
bool reopenJob(const ListSelection& s, const QString& location, QString* opSeqSub);

// btnJakup: the selection checks, then frm_S_Jakup opened non-modally with the list's
// process and equipment and its lsQuery run. False when a check refused it.
bool registerOrder(const ListSelection& s, QWidget* parent);

} // namespace WorkOrderActions
