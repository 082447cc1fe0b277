#include "ui/common/replaytarget.h"

QString ReplayTarget::text() const {
    switch (kind) {
    case Kind::Caption: {
        QString caption = name;
        caption.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return window + QStringLiteral("/\"") + caption + QLatin1Char('"');
    }
    case Kind::Cell:
        return window + QLatin1Char('/') + name + QLatin1Char('[') + QString::number(row) +
               QLatin1Char(',') + QString::number(col) + QLatin1Char(']');
    case Kind::Child:
        break;
    }
    return window + QLatin1Char('/') + name;
}
