#pragma once

#include <QString>

// Job and work order numbers: a day as yyyymmdd followed by a three-digit running number,
// 001 to 999. The numbering statements compute one above the day's highest; past 999 they
// wrap to "000", which is refused.
namespace DailyNumber {

// Whether a numbering statement holds its range until the transaction ends.
enum class Lock { None, Held };

// The table hint that makes the numbering read hold an update lock on the day's range
// (SQL Server); the embedded dialect accepts and ignores it (its transactions take the
// write lock when they begin).
inline QString lockHint(Lock lock) {
    return lock == Lock::Held ? QStringLiteral(" WITH (UPDLOCK, HOLDLOCK)") : QString();
}

enum class Check { Usable, Exhausted, Invalid };
// Checks a computed number against its day: day + 001..999 is usable, day + 000 means the
// 999 numbers are used up, anything else is invalid.
Check check(const QString& number, const QString& yyyymmdd);

} // namespace DailyNumber
