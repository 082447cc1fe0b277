#include "production/code39painter.h"

#include <QPainter>

#include <zint.h>

#include <memory>

namespace Code39Painter {

bool paint(QPainter& painter, const QRectF& box, const QString& data) {
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(),
                                                                      ZBarcode_Delete);
    if (!symbol || data.isEmpty())
        return false;
    symbol->symbology = BARCODE_CODE39;
    symbol->show_hrt = 0;
    // The quiet zones on either side belong to the symbol: scanners need them.
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const QByteArray bytes = data.toLatin1();
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                        int(bytes.size())) >= ZINT_ERROR ||
        ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector)
        return false;
    const zint_vector* v = symbol->vector;
    if (v->width <= 0 || v->height <= 0)
        return false;
    const double sx = box.width() / v->width;
    const double sy = box.height() / v->height;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const zint_vector_rect* r = v->rectangles; r; r = r->next)
        painter.drawRect(
            QRectF(box.left() + r->x * sx, box.top() + r->y * sy, r->width * sx, r->height * sy));
    painter.restore();
    return true;
}

} // namespace Code39Painter
