#pragma once

#include "ui/common/dailynumber.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

// The statements of work order creation on the terminal (frm_S_Jakup), built line by line
// (a line feed before every line) with the values quoted.
namespace JakupStatements {

// The products the equipment makes in the process, each with today's planned quantity
// (the plan's day column, day_1 to day_31) less today's good output, never below 0;
// narrowed to part numbers containing pumbun when it is not empty.
QString products(const QString& processCode, const QString& equipmentCode, const QString& pumbun,
                 const QDate& today);

// The next work order number of the day given as yyyymmdd (one above the day's highest, or
// day + "001"); with Lock::Held the day's range stays locked until the save commits.
QString orderNumber(const QString& yyyymmdd, DailyNumber::Lock lock = DailyNumber::Lock::None);

struct NewOrder {
    QString prodNo;
    QString processCode;
    QString equipmentCode; // trimmed
    QString productCode;
    QString pumbun;
    qint32 orderQty = 1;
    QString userId;
    QDateTime now; // order date, audit date and time
};
// The new waiting order line; its seq is prod_no + "001", joined by the server.
QString orderInsert(const NewOrder& o);

// The order quantity for a remaining plan quantity: the value as a 32-bit integer (rounded
// half to even) when it is above 0, otherwise 1; none when it does not fit in 32 bits.
std::optional<qint32> orderQuantity(const QVariant& remaining);

// What the worker is told when the 999 work order numbers of the day are used up.
inline QString orderNumbersUsedUpMessage() {
    return QStringLiteral("오늘의 작업지시번호 999개를 모두 사용하여 더 등록할 수 없습니다.");
}

} // namespace JakupStatements
