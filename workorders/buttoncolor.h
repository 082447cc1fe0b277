#pragma once

#include <QColor>

class QPushButton;

// The colours of the terminal's navigation and filter buttons: the selected one orange,
// the others near-white. The colour is the button's palette colour, which the style paints
// and which a check reads back.
namespace ButtonColor {
inline QColor selected() {
    return {255, 128, 0};
}
inline QColor unselected() {
    return {250, 250, 252};
}
void set(QPushButton* button, const QColor& colour);
QColor of(const QPushButton* button);
} // namespace ButtonColor
