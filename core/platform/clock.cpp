#include "core/platform/clock.h"

namespace {
enum class Mode { System, Fixed, Offset };
Mode g_mode = Mode::System;
QDateTime g_fixed;
qint64 g_offsetMs = 0;
} // namespace

QDateTime Clock::now() {
    switch (g_mode) {
    case Mode::Fixed:
        return g_fixed;
    case Mode::Offset:
        return QDateTime::currentDateTime().addMSecs(g_offsetMs);
    case Mode::System:
        break;
    }
    return QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& t) {
    g_mode = Mode::Fixed;
    g_fixed = t;
}

void Clock::setRunningFrom(const QDateTime& t) {
    g_mode = Mode::Offset;
    g_offsetMs = QDateTime::currentDateTime().msecsTo(t);
}

void Clock::reset() {
    g_mode = Mode::System;
}
