#include "ui/common/widgetnotifier.h"

#include "ui/common/messagebox.h"

#include <QApplication>
#include <QCursor>

namespace {
QMessageBox::Icon boxIcon(Notifier::Icon icon) {
    switch (icon) {
    case Notifier::Icon::Information:
        return QMessageBox::Information;
    case Notifier::Icon::Warning:
        return QMessageBox::Warning;
    case Notifier::Icon::Critical:
        return QMessageBox::Critical;
    case Notifier::Icon::Question:
        return QMessageBox::Question;
    case Notifier::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

WidgetNotifier::~WidgetNotifier() {
    setBusy(false);
}

void WidgetNotifier::message(Icon icon, const QString& title, const QString& text) {
    MessageBox::show(boxIcon(icon), title, text);
}

bool WidgetNotifier::askRetry(const QString& title, const QString& text) {
    return MessageBox::retryCancel(title, text);
}

// The pointer is either busy or not (no nesting): the last call wins.
void WidgetNotifier::setBusy(bool busy) {
    if (busy == m_busy || !qApp)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}
