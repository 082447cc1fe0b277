#include "ui/common/screenlocator.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

QWidget* findScreen(const QString& name) {
    QWidget* hidden = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != name)
            continue;
        if (w->isVisible())
            return w;
        if (!hidden)
            hidden = w;
    }
    return hidden;
}

QRect workOrderListGeometry() {
    if (const QWidget* list = findScreen(QStringLiteral("frm_S_jakupjisi_list")))
        return list->frameGeometry();
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry();
    return {};
}
