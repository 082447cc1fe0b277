#include "production/ticketreport.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "production/ticketpage.h"
#include "production/ticketstatements.h"
#include "ui/common/modal.h"
#include "ui/common/printtarget.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace TicketReport {

QList<Record> records(const Recordset& rows) {
    QList<Record> out;
    for (int r = 0; r < rows.rowCount(); ++r) {
        Record rec;
        for (int c = 0; c < rows.columnCount(); ++c)
            rec.insert(rows.columnName(c), rows.value(r, c));
        out << rec;
    }
    return out;
}

QList<Record> records(const QString& location) {
    QList<Record> out;
    if (gfOPEN_RS(TicketSql::reportCommand(), false, location))
        out = records(*gRs);
    if (gRs.isOpen())
        gRs.close();
    return out;
}

void setUp(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("부품식별표"));
}

bool paint(QPrinter& printer, const QList<Record>& records) {
    if (records.isEmpty())
        return true;
    QPainter p;
    if (!p.begin(&printer))
        return false;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (i > 0)
            printer.newPage();
        TicketPage::draw(p, printer.pageLayout().paintRectPixels(printer.resolution()).size(),
                         printer.resolution(), records.at(i));
    }
    return p.end();
}

void show(const QString& location, QWidget* parent) {
    show(records(location), parent);
}

void show(const QList<Record>& rows, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer);
    if (PrintTarget::applyPdf(printer)) {
        paint(printer, rows);
        return;
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("DataReport1"));
    preview.setWindowTitle(QStringLiteral("부품식별표"));
    preview.resize(1100, 800);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&rows](QPrinter* target) { paint(*target, rows); });
    runModal(preview);
}

} // namespace TicketReport
