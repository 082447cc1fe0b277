#pragma once

#include "ui/common/dailynumber.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>

// The statements of the first, middle and last article inspection sheet, built line by line
// (lines joined by line feeds) with every quoted value through gfSQL_STR.
namespace JajuTestStatements {

// The number of the product's standard in force.
QString standardNumber(const QString& productCode);
// The inspection number of the line's sheet (any shift).
QString existingSheet(const QString& productCode, const QString& seq);
// The stored overall result of the line's sheet.
QString sheetResult(const QString& productCode, const QString& seq);
// The grid: the standard's items with the line's stored readings for the shift.
QString sheetQuery(const QString& productCode, const QString& seq, const QString& juya,
                   const QDate& testDate);
// The reference picture's path of a standard.
QString picturePath(const QString& testNum);
// The next inspection number of the date: yyyymmdd + the next of the date's three-digit
// numbers; with Lock::Held the date's range stays locked until the save commits.
QString inspectionNumber(const QDate& testDate, DailyNumber::Lock lock = DailyNumber::Lock::None);
// How many sheets the line has for the shift (juya spliced unquoted: "1" or "0").
QString sheetCount(const QString& productCode, const QString& juya, const QString& seq);

// The sheet header as saved.
struct Header {
    QString productCode, seq, testNum;
    QString juya;   // "1" day shift, "0" night shift
    QString check;  // input complete "1"/"0"
    QString result; // "1" pass, "0" fail
    QString testSu, passSu, badSu;
    QString processNum;
    QString testerId;
    QDate testDate;
    QString userId;
    QDateTime now; // last_date, last_time
};
// One item row of the sheet.
struct Item {
    QString sub; // the standard item's number
    std::array<QString, 9> x;
    QString check, result, remark;
};

QString headerUpdate(const Header& h);
QString headerInsert(const Header& h);
QString itemUpdate(const Header& h, const Item& item);
QString itemInsert(const Header& h, const Item& item);
// The sheet's header and its items.
QString headerDelete(const QString& testNum, const QString& productCode, const QString& juya,
                     const QString& seq);
QString itemsDelete(const QString& testNum, const QString& productCode, const QString& juya,
                    const QString& seq);

// The inspector picker's list.
QString employees();

// The shift code of the job's shift text: "1" for "주간", otherwise "0".
QString juyaCode(const QString& juyaText);

} // namespace JajuTestStatements
