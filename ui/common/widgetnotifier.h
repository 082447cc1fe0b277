#pragma once

#include "core/notifier.h"

// The notifier of the screens: message boxes through the modal seam and the application's
// override cursor as the busy pointer.
class WidgetNotifier : public Notifier {
public:
    ~WidgetNotifier() override;
    void message(Icon icon, const QString& title, const QString& text) override;
    bool askRetry(const QString& title, const QString& text) override;
    void setBusy(bool busy) override;

    bool busy() const { return m_busy; }

private:
    bool m_busy = false;
};
