#include "ui/common/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
constexpr double kTwipsPerInch = 1440.0;

double dpi(bool horizontal) {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return 96.0;
    return horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY();
}
} // namespace

int twipsToPixelsX(int twips) {
    return int(std::lround(twips * dpi(true) / kTwipsPerInch));
}

int twipsToPixelsY(int twips) {
    return int(std::lround(twips * dpi(false) / kTwipsPerInch));
}
