#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// Draws a Code 39 barcode (zint) fitted into a rectangle, bars and quiet zones only.
namespace Code39Painter {

// data without the start and stop asterisks, which the symbol adds itself. False (nothing
// drawn) when the text has characters Code 39 cannot hold.
bool paint(QPainter& painter, const QRectF& box, const QString& data);

} // namespace Code39Painter
