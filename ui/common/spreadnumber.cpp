#include "ui/common/spreadnumber.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace SpreadNumber {
std::optional<double> parse(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.remove(QLatin1Char(','));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

QString canonical(double v) {
    if (v == 0)
        return QStringLiteral("0");
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

double rounded(double v, int decimals) {
    const double scale = std::pow(10.0, std::clamp(decimals, 0, 15));
    return std::round(v * scale) / scale;
}

QString display(const QString& value, int decimals, bool separator) {
    if (value.isEmpty())
        return {};
    const auto v = parse(value);
    if (!v)
        return value;
    QLocale locale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(separator ? QLocale::NumberOptions() : QLocale::OmitGroupSeparator);
    const double r = rounded(*v, decimals);
    return locale.toString(r == 0 ? 0.0 : r, 'f', std::clamp(decimals, 0, 15));
}

bool fits(double v, int digits) {
    if (digits <= 0 || digits > 300)
        return true;
    return std::fabs(v) <= std::pow(10.0, digits) - 1;
}
} // namespace SpreadNumber
