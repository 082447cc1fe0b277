#include "db/demoschedule.h"

using namespace Qt::Literals::StringLiterals;

namespace {
using Order = DemoSchedule::Order;
using State = DemoSchedule::State;
using Shift = DemoSchedule::Shift;

Order order(const QString& machine, const QString& product, int qty, State state,
            Shift shift = Shift::Day) {
    Order o;
    o.machine = machine;
    o.product = product;
    o.qty = qty;
    o.state = state;
    o.shift = shift;
    return o;
}

Order timed(Order o, int start, int end = -1) {
    o.startMinute = start;
    o.endMinute = end;
    return o;
}

constexpr int at(int hour, int minute) {
    return hour * 60 + minute;
}
} // namespace

QList<Order> DemoSchedule::usualDay(int offset) const {
    QList<Order> orders = {
        order(u"R001"_s, u"SF03"_s, 500, State::Finished),
        order(u"R002"_s, u"FG03"_s, 300, State::Finished),
        order(u"R011"_s, u"SF02"_s, 250, State::Finished),
        order(u"R012"_s, u"SF04"_s, 200, State::Finished, Shift::Night),
        order(u"R015"_s, u"FG01"_s, 200, State::Finished),
        order(u"R016"_s, u"FG02"_s, 150, State::Finished),
    };
    // From three days ago R010 works one long order.
    if (offset < -3)
        orders.insert(2, order(u"R010"_s, u"SF01"_s, 300, State::Finished));
    return orders;
}

QList<Order> DemoSchedule::ordersOf(QDate day) const {
    const int offset = static_cast<int>(m_today.daysTo(day));
    if (offset == 1)
        return {order(u"R001"_s, u"SF03"_s, 500, State::Waiting),
                order(u"R015"_s, u"FG01"_s, 200, State::Waiting)};
    if (offset == 0) {
        Order picture = timed(order(u"R015"_s, u"FG01"_s, 200, State::Running), at(7, 30));
        picture.realJakup = true;
        return {timed(order(u"R001"_s, u"FG03"_s, 400, State::Finished), at(6, 0), at(7, 40)),
                timed(order(u"R002"_s, u"FG03"_s, 400, State::Running), at(7, 0)),
                order(u"R011"_s, u"SF02"_s, 250, State::Waiting),
                order(u"R011"_s, u"SF02"_s, 200, State::Waiting, Shift::Night),
                timed(order(u"R012"_s, u"SF04"_s, 200, State::Running), at(7, 10)),
                picture,
                order(u"R016"_s, u"FG02"_s, 150, State::Waiting, Shift::Unset),
                timed(order(u"R017"_s, u"FG01"_s, 60, State::Running), at(7, 20)),
                timed(order(u"R017"_s, u"FG02"_s, 40, State::Running), at(7, 35))};
    }
    if (offset == -1)
        return {order(u"R001"_s, u"SF03"_s, 400, State::Finished),
                order(u"R002"_s, u"FG03"_s, 300, State::Finished),
                order(u"R002"_s, u"SF03"_s, 400, State::Waiting),
                order(u"R011"_s, u"SF02"_s, 250, State::Finished),
                order(u"R012"_s, u"SF04"_s, 200, State::Finished, Shift::Night),
                order(u"R015"_s, u"FG01"_s, 200, State::Finished),
                order(u"R016"_s, u"FG02"_s, 150, State::Finished),
                order(u"R017"_s, u"FG01"_s, 80, State::Finished)};
    QList<Order> orders;
    if (offset == -3) {
        // Started three days ago, saved by a middle end yesterday evening, still running.
        Order longRun =
            timed(order(u"R010"_s, u"SF01"_s, 3000, State::MiddleEnded), at(8, 0), at(17, 0));
        longRun.endDaysLater = 2;
        longRun.savedGood = 1180;
        longRun.savedBad = 20;
        orders << longRun;
    } else if (day.dayOfWeek() == Qt::Sunday) {
        return {};
    }
    return orders + usualDay(offset);
}
