#include "production/ticketprint.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/notifier.h"
#include "production/ticketreport.h"
#include "ui/common/messagebox.h"

namespace {
const QString kTitle = QStringLiteral("오류");

// A failure after the checks began: the staging table is emptied, nothing else is shown.
bool failed(const QString& location) {
    Notifier::current().setBusy(false);
    if (!gfEXEC_SQL(TicketSql::clear(), location))
        MessageBox::critical(kTitle, QStringLiteral("저장실패"));
    return false;
}

bool isNumber(const QVariant& v) {
    bool ok = false;
    v.toString().trimmed().toDouble(&ok);
    return v.isValid() && ok;
}
} // namespace

namespace TicketPrint {

bool stage(const TicketRow& row, const QString& location, QList<TicketReport::Record>* printed) {
    // A product without a numeric pallet quantity cannot be ticketed.
    if (!isNumber(gfGET_VALUE(TicketSql::palletQty(row.productCode), location)))
        return failed(location);
    const QVariant qty = gfGET_VALUE(TicketSql::runQty(row.opSeqSub), location);
    if (!qty.isValid())
        return failed(location);
    if (qty.toString().isEmpty()) {
        MessageBox::critical(
            kTitle, QStringLiteral("생산이 완료된 품번이 아닙니다. 확인후 다시 출력하세요."));
        return false;
    }
    if (!gfOPEN_RS(TicketSql::runLot(row.opSeqSub), false, location)) {
        if (gRs.isOpen())
            gRs.close();
        return failed(location);
    }
    const QVariant lot = gRs->field(0);
    gRs.close();
    if (lot.isNull()) {
        MessageBox::critical(kTitle, QStringLiteral("LOT NO가 없습니다."));
        return false;
    }
    // The table is emptied before the row is written, so the report shows this ticket alone.
    // Every terminal shares the table: emptying, writing and reading back are one
    // transaction, so that no other terminal's ticket comes between them.
    const TicketValues v = TicketValues::of(row, lot.toString());
    Recordset staged;
    if (!gfEXEC_SQLS_READ({TicketSql::clear(), TicketSql::insertLeft(v), TicketSql::updateRight(v)},
                          TicketSql::reportCommand(), location, &staged)) {
        MessageBox::critical(kTitle, QStringLiteral("저장실패"));
        return false;
    }
    *printed = TicketReport::records(staged);
    return true;
}

void print(const TicketRow& row, const QString& location, QWidget* parent) {
    QList<TicketReport::Record> rows;
    if (stage(row, location, &rows))
        TicketReport::show(rows, parent);
    Notifier::current().setBusy(false);
}

} // namespace TicketPrint
