#include "quality/jajujudgement.h"

#include <cmath>

namespace JajuJudgement {

std::optional<double> number(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

namespace {
void setResult(Row& row, bool passed) {
    row.result = passed ? pass() : fail();
    row.resultRed = !passed;
}

void judgeNumber(Row& row, std::size_t i, double v, std::optional<double> min,
                 std::optional<double> max) {
    if (min && max) {
        if (v > *max || v < *min) {
            setResult(row, false);
            row.readingRed[i] = true;
        }
    } else if (max) {
        setResult(row, v <= *max);
    } else if (min) {
        setResult(row, v >= *min);
    } else {
        setResult(row, false);
    }
}

void judgeText(Row& row, std::size_t i, const QString& text) {
    const QString t = text.toUpper();
    if (t.isEmpty() || t == QLatin1String("OK") || t == QStringLiteral("양호"))
        return;
    setResult(row, false);
    row.readingRed[i] = true;
}
} // namespace

Row judge(const std::array<QString, 3>& readings, const QString& min, const QString& max) {
    Row row;
    const std::optional<double> lo = number(min);
    const std::optional<double> hi = number(max);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (const std::optional<double> v = number(readings[i]))
            judgeNumber(row, i, *v, lo, hi);
        else
            judgeText(row, i, readings[i]);
    }
    return row;
}

} // namespace JajuJudgement
