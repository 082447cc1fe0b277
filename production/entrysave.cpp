#include "production/entrysave.h"

#include <limits>

EntrySave entrySaveAction(const QString& idxText, qint64 value, const QString& cellText) {
    if (idxText.isEmpty() && value != 0)
        return EntrySave::Insert;
    if (cellText == QLatin1String("0"))
        return EntrySave::Delete;
    if (!idxText.isEmpty())
        return EntrySave::Update;
    return EntrySave::None;
}

std::optional<qint32> entryNumber(const QVariant& value) {
    const std::optional<qint64> n = fieldNumber(value.toString());
    if (!n || *n < 0 || *n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(*n);
}

std::optional<qint64> fieldNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (ok)
        return n;
    // A whole number stored with a decimal part of zero ("15.0").
    const double d = t.toDouble(&ok);
    if (ok && d > -9.0e18 && d < 9.0e18 && d == double(qint64(d)))
        return qint64(d);
    return std::nullopt;
}
