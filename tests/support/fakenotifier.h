#pragma once

#include "core/notifier.h"

#include <QList>
#include <QString>

// Records every message and answers the retry question as told.
class FakeNotifier : public Notifier {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };

    void message(Icon icon, const QString& title, const QString& text) override;
    bool askRetry(const QString& title, const QString& text) override;
    void setBusy(bool busy) override { m_busy = busy; }

    QList<Shown> shown;
    int retryQuestions = 0;
    bool answerRetry = false;
    bool busy() const { return m_busy; }
    QStringList texts() const;

private:
    bool m_busy = false;
};
