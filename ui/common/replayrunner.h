#pragma once

#include "ui/common/replayattempt.h"
#include "ui/common/replayoutput.h"
#include "ui/common/replaystep.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <memory>

class QTimer;
class ReplayMessageObserver;
class ReplaySteps;

// Runs a replay script against the program's open windows. A timer of the event loop tries
// the current step until it holds or its wait runs out, so the script keeps running inside
// every modal window's own loop and drives it. Each step is printed before it runs; the
// first that fails ends the run with status 1 and the step and what was found on the error
// output; a script that ran through ends with status 0.
class ReplayRunner : public QObject {
    Q_OBJECT
public:
    static constexpr int kWaitLimitMs = 5000;
    static constexpr int kTickMs = 20;

    // Message boxes and dialogs are watched (and printed) from construction on.
    ReplayRunner(QList<ReplayStep> steps, ReplayOutput output, QObject* parent);
    ~ReplayRunner() override;

    // How long a step waits for its target and its condition.
    void setWaitLimit(int ms) { m_waitLimitMs = ms; }
    void start();

    bool isFinished() const { return m_status >= 0; }
    // 0, 1, or -1 while running.
    int status() const { return m_status; }
    // The status when the program ends: a run the program cut short fails at its step.
    int conclude();

signals:
    void finished(int status);

private:
    void tick();
    bool runActions();
    void beginStep();
    void nextStep();
    void dispatch(ReplayAction action);
    void fail(const QString& found);
    void finish(int status);
    const ReplayStep& current() const { return m_steps.at(m_index); }

    QList<ReplayStep> m_steps;
    ReplayOutput m_output;
    ReplayMessageObserver* m_messages;
    std::unique_ptr<ReplaySteps> m_stepper;
    QTimer* m_timer;
    QElapsedTimer m_stepClock;
    int m_waitLimitMs = kWaitLimitMs;
    int m_index = 0;
    bool m_begun = false;
    bool m_acting = false;
    QList<ReplayAction> m_actions;
    int m_dispatched = 0;
    int m_started = 0;
    bool m_lost = false;
    bool m_inTick = false;
    int m_status = -1;
};
