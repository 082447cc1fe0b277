#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The statements of a middle end and an end: the stock postings and lot history of the
// run (lsStockSave) and the work order line, run and mould shot updates (lsResultSave).
// Each appends its statements to the batch in the order they must run.
namespace EndingStatements {

// One row of the material grid: the material, its input quantity (whole, not negative)
// and the lot it was taken from.
struct Material {
    QString code;
    qint64 quantity = 0;
    QString lot;
};

struct Stock {
    QString product;
    QString lineNo;
    QString runNo;
    qint32 deltaGood = 0;
    QString processCode;
    QString machine;
    QString today;
    QString productClass;
    QString shift;
    QString user;
    QString nowHms; // "hhmmss"
};

struct Result {
    QString lineNo;
    QString runNo;
    QString product;
    qint32 good = 0;
    qint32 bad = 0;
    QString today;
    QString now;    // "HH:MM"
    QString nowHms; // "hhmmss"
    QString minutes;
    qint16 crewSize = 0;
    QString worker;
    QString endState;
    QString orderDate;
    QString startTime;
    QString mould;
    QString user;
};

// The output lot: the line number's first 8 characters, "/", "A" on the day shift ("주간"),
// "B" otherwise.
QString lotNumber(const QString& lineNo, const QString& shift);

// The product's latest balance row of the table on or before today, one row even when the
// product has none yet. The rows read are locked until the batch ends, so that two
// terminals never build on the same balance.
QString balanceBlock(const QString& table, const QString& product, const QString& today,
                     const char* joinLine);

void lsStockSave(const Stock& s, const QList<Material>& materials, QStringList* batch);
void lsResultSave(const Result& r, QStringList* batch);

} // namespace EndingStatements
