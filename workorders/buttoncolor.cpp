#include "workorders/buttoncolor.h"

#include <QPushButton>

void ButtonColor::set(QPushButton* button, const QColor& colour) {
    QPalette p = button->palette();
    p.setColor(QPalette::Button, colour);
    p.setColor(QPalette::Window, colour);
    button->setPalette(p);
}

QColor ButtonColor::of(const QPushButton* button) {
    return button->palette().color(QPalette::Button);
}
