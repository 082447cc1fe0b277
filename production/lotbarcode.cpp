#include "production/lotbarcode.h"

std::optional<LotBarcode> LotBarcode::parse(const QString& scanned) {
    QString code = scanned;
    code.remove(QLatin1Char('*'));
    code.remove(QLatin1Char('\r'));
    code.remove(QLatin1Char('\n'));
    const qsizetype slash = code.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0 || slash == code.size() - 1)
        return std::nullopt;
    return LotBarcode{code.left(slash), code.mid(slash + 1)};
}

QString LotBarcode::text(const QString& lot, const QString& material) {
    return QLatin1Char('*') + lot + QLatin1Char('/') + material + QLatin1Char('*');
}
