#include "core/data/odbcvalue.h"

namespace {
bool needsBraces(const QString& v) {
    if (v.isEmpty())
        return false;
    if (v.front() == QLatin1Char(' ') || v.back() == QLatin1Char(' '))
        return true;
    return v.contains(QLatin1Char(';')) || v.contains(QLatin1Char('{')) ||
           v.contains(QLatin1Char('}'));
}
} // namespace

QString odbcAttributeValue(const QString& value) {
    if (!needsBraces(value))
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}
