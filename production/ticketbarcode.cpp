#include "production/ticketbarcode.h"

#include <QPainter>

#include <zint.h>

#include <memory>

namespace {
struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
} // namespace

namespace TicketBarcode {

bool drawBars(QPainter& p, const QRectF& box, const QString& text) {
    QString data = text.trimmed();
    if (data.startsWith(QLatin1Char('*')))
        data.remove(0, 1);
    if (data.endsWith(QLatin1Char('*')))
        data.chop(1);
    if (data.isEmpty())
        return false;
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        return false;
    symbol->symbology = BARCODE_CODE39;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    symbol->show_hrt = 0;
    const QByteArray bytes = data.toUtf8();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()),
        0);
    if (rc >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0 ||
        symbol->vector->height <= 0)
        return false;
    const double sx = box.width() / double(symbol->vector->width);
    const double sy = box.height() / double(symbol->vector->height);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        p.drawRect(QRectF(box.x() + double(r->x) * sx, box.y() + double(r->y) * sy,
                          double(r->width) * sx, double(r->height) * sy));
    p.restore();
    return true;
}

} // namespace TicketBarcode
