#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// Code 39 bars drawn with the painter from the symbol zint encodes, stretched to a box.
namespace TicketBarcode {
// text: the bar code as the report holds it ("*number*"; the asterisks are the start and
// stop characters zint adds itself). False, drawing nothing, when it cannot be encoded.
bool drawBars(QPainter& p, const QRectF& box, const QString& text);
} // namespace TicketBarcode
