#include "production/timeentry.h"

namespace TimeEntry {

QString typed(const QString& display, int digit) {
    const QString d = QString::number(digit);
    switch (display.size()) {
    case 0:
        return d;
    case 2:
        return display + QLatin1Char(':') + d;
    case 1:
    case 3:
    case 4:
        return display + d;
    default:
        return display;
    }
}

QString backspaced(const QString& display) {
    const qsizetype n = display.size();
    if (n <= 1)
        return QString();
    if (n <= 5)
        return display.left(n - 1);
    return display;
}

Check check(const QString& display) {
    const QString last = display.right(2);
    bool isNumber = !last.isEmpty();
    for (const QChar c : last)
        isNumber = isNumber && c.isDigit();
    if (!isNumber)
        return Check::Incomplete;
    if (display.left(2) >= QLatin1String("24") || last.toInt() >= 60)
        return Check::Wrong;
    return Check::Accepted;
}

} // namespace TimeEntry
