#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The statements of the mould condition sheet (one row of Q_MOLDTEST_RESULT per work order
// line and day). Values are numbers spliced unquoted: the builders take only values that
// passed numberText(); empty means no value.
namespace MoldTestStatements {

// The value columns in the order the load query and the insert name them.
const QStringList& valueColumns();
// The field group and index a column belongs to, e.g. {"lbl_cylinder", 0} for cylinder1.
struct Field {
    QString group;
    int index = 0;
};
Field fieldOf(const QString& column);
// What the worker sees for a column, e.g. "실린더 온도 (℃) HN".
QString caption(const QString& column);

// The text spliced for a value: the trimmed digits with an optional sign and point; none
// for anything else ("OK", "NG", a lone ".", letters).
std::optional<QString> numberText(const QString& value);
// The first non-empty value, in column order, that is not a number; none when all are.
std::optional<QString> firstNonNumber(const QHash<QString, QString>& values);

QString load(const QString& opSeqSub);
QString count(const QString& opSeqSub, const QString& testDate);
// Sets test_date and the non-empty values; empty ones keep what is stored.
QString update(const QString& opSeqSub, const QString& testDate,
               const QHash<QString, QString>& values);
// NULL for the empty values.
QString insert(const QString& opSeqSub, const QString& productCode, const QString& testDate,
               const QHash<QString, QString>& values);

} // namespace MoldTestStatements
