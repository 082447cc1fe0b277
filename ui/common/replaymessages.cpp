#include "ui/common/replaymessages.h"

#include "ui/common/msgdialog.h"
#include "ui/common/replayhit.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>

ReplayMessageObserver::ReplayMessageObserver(ReplayOutput output, QObject* parent)
    : QObject(parent), m_output(std::move(output)) {
    qApp->installEventFilter(this);
}

ReplayMessageObserver::~ReplayMessageObserver() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool ReplayMessageObserver::consume(const QString& text) {
    for (const QString& shown : m_pending) {
        if (shown.contains(text)) {
            m_pending.clear();
            return true;
        }
    }
    return false;
}

bool ReplayMessageObserver::eventFilter(QObject* watched, QEvent* event) {
    // A window's own show, not the window system showing it again.
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow())
            opened(w);
    }
    return false;
}

void ReplayMessageObserver::opened(QWidget* window) {
    QString text;
    if (const auto* box = qobject_cast<QMessageBox*>(window))
        text = box->text();
    else if (const auto* dialog = qobject_cast<MsgDialog*>(window))
        text = dialog->Lb_msg->text();
    else
        return;
    text = ReplayHit::flatten(text);
    m_pending << text;
    if (m_output.out)
        m_output.out(QStringLiteral("message\t") + ReplayHit::flatten(window->objectName()) +
                     QLatin1Char('\t') + ReplayHit::flatten(window->windowTitle()) +
                     QLatin1Char('\t') + text);
}
