#pragma once

#include <QSize>
#include <QVariantMap>

class QPainter;

// One page of the parts identification ticket: two identical tickets side by side, laid out
// in twips and mapped onto the printable area (centred, shrunk when it is smaller).
namespace TicketPage {
// Width and height of the two tickets together, in twips.
inline constexpr double kWidth = 15870;
inline constexpr double kHeight = 5670;

// area: the printable area in device pixels; dpi: the device's resolution; record: the
// report command's fields by name.
void draw(QPainter& p, const QSize& area, int dpi, const QVariantMap& record);
} // namespace TicketPage
