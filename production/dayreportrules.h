#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The report screen's arithmetic on its text fields, as plain functions.
namespace DayReportRules {

// The number a field's caption shows (64-bit, so no quantity overflows); none when the
// caption is not a number. A fraction is cut off toward zero.
std::optional<qint64> number(const QString& caption);

// Date text "yyyy-mm-dd" and time text "HH:MM" (or "HH:MM:SS") as one moment; invalid
// when either does not read as such.
QDateTime moment(const QString& date, const QString& time);

// Whole calendar minutes from one moment to the other: the minute boundaries crossed
// (negative when the second is earlier).
qint64 minutesBetween(const QDateTime& from, const QDateTime& to);

// "<good / remaining × 100, cut toward zero>%", or "0%" when the remaining quantity is
// "0" or empty, the good quantity is empty, or either is not a number.
QString progress(const QString& remaining, const QString& good);

// The mould needs its inspection: more shots than the interval allows.
bool mouldDue(const QString& interval, const QString& shots);

// A repair date as "yyyy-mm-dd" (the text as it is when it does not read as a date).
QString repairDay(const QString& text);

} // namespace DayReportRules
