#include "core/tsql/valuetext.h"

#include <cmath>

namespace tsql {

QString valueText(const QVariant& v) {
    if (v.isNull())
        return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    if (v.typeId() == QMetaType::QByteArray)
        return QStringLiteral("0x") + QString::fromLatin1(v.toByteArray().toHex().toUpper());
    return v.toString();
}

} // namespace tsql
