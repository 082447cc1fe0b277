#pragma once

#include <QString>

// How the services below the screens talk to the person at the terminal: message boxes,
// the retry question and the screen-wide busy pointer. The widget layer installs the real
// one; without it messages go to standard error (command-line tools).
class Notifier {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~Notifier() = default;
    virtual void message(Icon icon, const QString& title, const QString& text) = 0;
    // Retry/Cancel question; true for Retry.
    virtual bool askRetry(const QString& title, const QString& text) = 0;
    virtual void setBusy(bool busy) = 0;

    static Notifier& current();
    // Installs a notifier (not owned); nullptr goes back to the standard-error one.
    static void install(Notifier* notifier);
};

// The title of the program's own message boxes.
inline QString appTitle() {
    return QStringLiteral("Report_TALVEN");
}
