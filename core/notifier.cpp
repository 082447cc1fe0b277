#include "core/notifier.h"

#include <QTextStream>

namespace {
class StderrNotifier : public Notifier {
public:
    void message(Icon, const QString& title, const QString& text) override {
        QTextStream(stderr) << title << ": " << text << '\n';
    }
    bool askRetry(const QString& title, const QString& text) override {
        message(Icon::Question, title, text);
        return false;
    }
    void setBusy(bool) override {}
};

Notifier* g_installed = nullptr;
} // namespace

Notifier& Notifier::current() {
    static StderrNotifier fallback;
    return g_installed ? *g_installed : fallback;
}

void Notifier::install(Notifier* notifier) {
    g_installed = notifier;
}
