#pragma once

#include <QDate>
#include <QString>

// The statements of the monthly production statistics report: eight day-by-day rows of
// one month and one process (plan, production, good, defects, operating rate, defect
// rate, efficiency, crew) and the month's operating rate.
namespace MonthlyReportSql {

// The month of a day: first and last day ("yyyy-mm-dd"), day count and key ("yyyy-mm").
struct Month {
    QDate firstDay;
    QDate lastDay;
    int days = 0;
    QString first;
    QString last;
    QString key;
    // "yyyy-mm-dd" of day d (1 .. days).
    QString day(int d) const;
};
Month monthOf(QDate anyDay);

// "사출" is process "0001"; anything else ("조립") "0002".
QString processCode(const QString& processItem);

// The eight-row statement for the month of the day and the process.
QString statement(QDate anyDay, const QString& processCode);
// The month's operating rate: one value, NULL when the month has no downtime or no runs.
QString operatingRate(QDate anyDay, const QString& processCode);
// The month's run minutes of the process (tells the two NULL cases of operatingRate apart).
QString runMinutes(QDate anyDay, const QString& processCode);

} // namespace MonthlyReportSql
