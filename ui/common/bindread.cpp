#include "ui/common/bindread.h"

#include "core/data/recordset.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/notifier.h"
#include "core/statementtrace.h"

bool BindRead::open(const QString& sql, const QString& caller, DbError* e) {
    if (gRs.isOpen()) {
        *e = DbError::objectOpen();
        return false;
    }
    Recordset rs;
    StatementTrace trace(caller, sql);
    const bool ok = gCon->setDefaultDatabase(gsDB_NAME, e) && gCon->select(sql, &rs, e);
    trace.finish(ok ? rs.rowCount() : 0, ok ? DbError{} : *e);
    if (ok)
        gRs.open(std::move(rs));
    return ok;
}

int BindRead::fail(const DbError& e, const QString& caller) {
    if (gRs.isOpen())
        gRs.close();
    Notifier::current().setBusy(false);
    // The provider's general failure means the server connection dropped.
    if (e.number == kGenericErrorNumber)
        gfDB_OPEN();
    gfERR_LOG(e, QString(), caller);
    return 0;
}
