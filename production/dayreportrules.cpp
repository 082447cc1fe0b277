#include "production/dayreportrules.h"

#include <cmath>

namespace DayReportRules {

std::optional<qint64> number(const QString& caption) {
    bool ok = false;
    const QString t = caption.trimmed();
    const qint64 whole = t.toLongLong(&ok);
    if (ok)
        return whole;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > 9.0e18)
        return std::nullopt;
    return qint64(std::trunc(d));
}

QDateTime moment(const QString& date, const QString& time) {
    const QDate d = QDate::fromString(date.trimmed(), QStringLiteral("yyyy-MM-dd"));
    QTime t = QTime::fromString(time.trimmed(), QStringLiteral("HH:mm"));
    if (!t.isValid())
        t = QTime::fromString(time.trimmed(), QStringLiteral("HH:mm:ss"));
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}

qint64 minutesBetween(const QDateTime& from, const QDateTime& to) {
    // Counted on the wall clock, so a change of daylight saving time adds no minutes.
    const auto wallMinute = [](const QDateTime& m) {
        return m.date().toJulianDay() * 1440 + m.time().hour() * 60 + m.time().minute();
    };
    return wallMinute(to) - wallMinute(from);
}

QString progress(const QString& remaining, const QString& good) {
    const QString zero = QStringLiteral("0%");
    if (remaining == QLatin1String("0") || remaining.isEmpty() || good.isEmpty())
        return zero;
    bool ok = false;
    const double r = remaining.trimmed().toDouble(&ok);
    if (!ok || r == 0.0)
        return zero;
    const double g = good.trimmed().toDouble(&ok);
    if (!ok)
        return zero;
    return QString::number(qint64(std::trunc(g / r * 100.0))) + QLatin1Char('%');
}

bool mouldDue(const QString& interval, const QString& shots) {
    return number(interval).value_or(0) < number(shots).value_or(0);
}

QString repairDay(const QString& text) {
    const QString t = text.trimmed();
    const QDate d = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : t;
}

} // namespace DayReportRules
