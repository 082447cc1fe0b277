#pragma once

#include <QDate>
#include <QString>

// The statements of the two alternating boards: five totals in one column, one row each,
// in the order previous / current / next period.
namespace BoardStatements {
// Orders and shipments of the previous, current and next calendar month.
QString suju(const QDate& today);
// Work orders and production of yesterday, today and tomorrow.
QString sangsan(const QDate& today);
// First and last day ("yyyy-MM-dd") of the month `shift` months from today's.
QPair<QString, QString> monthRange(const QDate& today, int shift);
} // namespace BoardStatements
