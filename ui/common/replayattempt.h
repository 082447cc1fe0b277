#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// Input a step sends once its target is ready. The runner starts each action from the event
// loop, so an action that opens a modal window does not stop the script driving it.
struct ReplayAction {
    QPointer<QWidget> widget; // the action is dropped, and the step fails, when gone
    std::function<void(QWidget*)> run;
};

// One try of a step: it holds (with the input to send, if any), or not yet (what was found).
struct ReplayAttempt {
    bool ready = false;
    QString found;
    QList<ReplayAction> actions;

    static ReplayAttempt holds(QList<ReplayAction> actions = {}) {
        return {true, QString(), std::move(actions)};
    }
    static ReplayAttempt notYet(const QString& found) { return {false, found, {}}; }
};
