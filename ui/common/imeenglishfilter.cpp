#include "ui/common/imeenglishfilter.h"

#include "core/platform/inputmethod.h"

#include <QEvent>
#include <QWidget>

ImeEnglishFilter::ImeEnglishFilter(QWidget* textBox) : QObject(textBox) {
    textBox->installEventFilter(this);
}

bool ImeEnglishFilter::applyNow(QWidget* textBox) {
    if (!textBox->testAttribute(Qt::WA_WState_Created))
        return false;
    InputMethod::current().setAlphanumeric(quintptr(textBox->winId()));
    return true;
}

bool ImeEnglishFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* box = static_cast<QWidget*>(watched);
        if (applyNow(box)) {
            box->removeEventFilter(this);
            deleteLater();
        }
    }
    return false;
}
