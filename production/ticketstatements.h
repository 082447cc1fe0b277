#pragma once

#include <QString>

// The production history row a process-move ticket is printed for (its grid cells).
struct TicketRow {
    QString opSeqSub;    // "생산실적순번", the run's production result number
    QString productCode; // "product_code"
    QString processName; // "공정명"
    QString pumbun;      // "품번"
    QString productName; // "품명"
    QString goodQty;     // "양품수량"
    QString workerName;  // "성명"
    QString carName;     // "차종명"
    QString endDate;     // "종료날짜", "yyyy-mm-dd"
};

// The values of one ticket half in the staging table S_DATAREPORT1.
struct TicketValues {
    QString processName, carName, carName3, qty, paletteEa, jakupDate, productCode, pumbun,
        productName, lotNo, barcodeNumber, employeeName, bigo, opSeqSub;

    static TicketValues of(const TicketRow& row, const QString& lot);
};

// The ticket's statements, each beginning with a line feed and joining its lines with line
// feeds; quoted values go through gfSQL_STR.
namespace TicketSql {
QString palletQty(const QString& productCode);
QString runQty(const QString& opSeqSub);
QString runLot(const QString& opSeqSub);
// Empties the staging table (before a ticket's row is written, and on a failure).
QString clear();
// The left half as a new row, idx 1.
QString insertLeft(const TicketValues& v);
// The right half into that row.
QString updateRight(const TicketValues& v);
// The report's command: every staging row is one page of two tickets.
QString reportCommand();
// "2013-05-10" as "2013년 05월 10일 "; empty for a text that is not such a date.
QString ticketDate(const QString& endDate);
} // namespace TicketSql
