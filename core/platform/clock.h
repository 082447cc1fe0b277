#pragma once

#include <QDateTime>

// The one source of "now" and "today" for the whole program. Tests set a fixed time or an
// offset here; the machine's clock is never changed by a test.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }

    // Freezes the clock at the given local time (tests, the mes-sql --now option).
    static void setFixed(const QDateTime& t);
    // Lets the clock run from the given local time on.
    static void setRunningFrom(const QDateTime& t);
    // Back to the system clock.
    static void reset();
};
