#pragma once

#include <QDate>
#include <QList>
#include <QString>

// Which work orders the demo plant has on which day, and how far each one got. The days
// around today carry every state the terminal shows: finished, running, middle-ended,
// waiting, day, night and unset shift; older days are finished production history.
class DemoSchedule {
public:
    enum class State { Waiting, Running, MiddleEnded, Finished };
    enum class Shift { Day, Night, Unset };

    struct Order {
        QString machine, product;
        int qty = 0;
        Shift shift = Shift::Day;
        State state = State::Finished;
        int startMinute = -1; // minute of the day the run started; -1: the usual shift start
        int endMinute = -1;   // finished or middle-ended runs; -1: the usual shift end
        int endDaysLater = 0; // middle end or end so many days after the order date
        int savedGood = 0, savedBad = 0; // quantities saved by a middle end
        bool realJakup = false;          // shown on the product picture board
    };

    static constexpr int kHistoryDays = 21;

    explicit DemoSchedule(QDate today) : m_today(today) {}

    QDate firstDay() const { return m_today.addDays(-kHistoryDays); }
    QDate lastDay() const { return m_today.addDays(1); }
    QList<Order> ordersOf(QDate day) const;

private:
    QList<Order> usualDay(int offset) const;

    QDate m_today;
};
