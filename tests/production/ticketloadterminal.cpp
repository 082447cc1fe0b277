// A terminal without a visible screen for the concurrency test of the parts identification
// ticket: on one embedded database it stages the tickets of a range of finished runs of
// product A through the ticket's own staging (the checks, the emptied S_DATAREPORT1, its
// row), and tells after each whether the rows the report would print are this run's ticket
// alone. It prints "ready", waits for a line on standard input so that several terminals
// begin at the same moment, then one line per run ("ticket <run> ok", or "... wrong" with
// the runs the rows belonged to and every message it was shown).
//
//   production_ticket_load_terminal <program folder> <database name> <first run> <count>
//
// Run n is R<nnnn>.
#include "core/modbas.h"
#include "core/moddb.h"
#include "production/ticketprint.h"
#include "tests/support/loadterminal.h"

#include <QApplication>

#include <cstdio>

namespace {
TicketRow run(int n) {
    TicketRow r;
    r.opSeqSub = QStringLiteral("R%1").arg(n, 4, 10, QLatin1Char('0'));
    r.productCode = QStringLiteral("A");
    r.processName = QStringLiteral("프레스");
    r.pumbun = QStringLiteral("PN-A");
    r.productName = QStringLiteral("브라켓");
    r.goodQty = QStringLiteral("10");
    r.workerName = QStringLiteral("김작업");
    r.carName = QStringLiteral("K5");
    r.endDate = QStringLiteral("2024-03-05");
    return r;
}

// The runs of both halves of every row, "left/right" joined by spaces.
QString halves(const QList<TicketReport::Record>& rows) {
    QStringList out;
    for (const TicketReport::Record& r : rows)
        out << r.value(QStringLiteral("세부전표번호")).toString() + QLatin1Char('/') +
                   r.value(QStringLiteral("세부전표번호2")).toString();
    return out.join(QLatin1Char(' '));
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int first = 0;
    int count = 0;
    LoadTerminal::Recorder recorder;
    if (const int status = LoadTerminal::open(app.arguments(), "run", &first, &count))
        return status;
    LoadTerminal::waitForGo();
    int result = 0;
    for (int i = 0; i < count; ++i) {
        const TicketRow row = run(first + i);
        LoadTerminal::shown().clear();
        QList<TicketReport::Record> rows;
        const bool staged = TicketPrint::stage(row, QStringLiteral("test"), &rows);
        const QString printed = halves(rows);
        const bool ok = staged && LoadTerminal::shown().isEmpty() &&
                        printed == row.opSeqSub + QLatin1Char('/') + row.opSeqSub;
        if (!ok)
            result = 3;
        std::printf("ticket %s %s %s %s\n", row.opSeqSub.toUtf8().constData(), ok ? "ok" : "wrong",
                    ok ? "" : printed.toUtf8().constData(),
                    LoadTerminal::shown().join(QStringLiteral(" / ")).toUtf8().constData());
        std::fflush(stdout);
    }
    return result;
}
