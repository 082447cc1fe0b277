#include "ui/common/replayrunner.h"

#include "ui/common/replaymessages.h"
#include "ui/common/replaysteps.h"

#include <QTimer>

ReplayRunner::ReplayRunner(QList<ReplayStep> steps, ReplayOutput output, QObject* parent)
    : QObject(parent), m_steps(std::move(steps)), m_output(std::move(output)),
      m_messages(new ReplayMessageObserver(m_output, this)),
      m_stepper(std::make_unique<ReplaySteps>(m_messages)), m_timer(new QTimer(this)) {
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &ReplayRunner::tick);
}

ReplayRunner::~ReplayRunner() = default;

void ReplayRunner::start() {
    m_timer->start();
}

void ReplayRunner::tick() {
    // An action never runs inside the tick, so a tick never nests; the guard keeps it so.
    if (m_inTick || isFinished())
        return;
    m_inTick = true;
    if (m_index >= m_steps.size()) {
        finish(0);
    } else if (!m_acting || runActions()) {
        beginStep();
        ReplayAttempt a = m_stepper->attempt(current(), m_stepClock.elapsed());
        if (a.ready) {
            m_actions = std::move(a.actions);
            m_acting = true;
            runActions();
        } else if (current().kind != ReplayStep::Kind::Wait &&
                   m_stepClock.elapsed() >= m_waitLimitMs) {
            fail(a.found);
        }
    }
    m_inTick = false;
}

// Sends the step's next action once the previous one has begun; true when the step is done
// and the next may begin in this tick.
bool ReplayRunner::runActions() {
    if (m_started < m_dispatched)
        return false;
    if (m_lost) {
        fail(QStringLiteral("the target closed before the input reached it"));
        return false;
    }
    if (!m_actions.isEmpty()) {
        dispatch(m_actions.takeFirst());
        return false;
    }
    nextStep();
    return m_index < m_steps.size();
}

void ReplayRunner::beginStep() {
    if (m_begun)
        return;
    m_begun = true;
    m_stepClock.start();
    m_output.out(QStringLiteral("step\t%1\t%2").arg(current().line).arg(current().source));
}

void ReplayRunner::nextStep() {
    m_acting = false;
    m_begun = false;
    ++m_index;
    if (m_index >= m_steps.size())
        finish(0);
}

// The action runs as a posted call of the event loop: if it opens a modal window, the
// window's loop goes on ticking this runner.
void ReplayRunner::dispatch(ReplayAction action) {
    ++m_dispatched;
    QMetaObject::invokeMethod(
        this,
        [this, a = std::move(action)] {
            ++m_started;
            if (!a.widget) {
                m_lost = true;
                return;
            }
            a.run(a.widget);
        },
        Qt::QueuedConnection);
}

void ReplayRunner::fail(const QString& found) {
    m_output.err(QStringLiteral("replay: step failed at line %1: %2")
                     .arg(current().line)
                     .arg(current().source));
    m_output.err(QStringLiteral("replay: found: ") + found);
    finish(1);
}

void ReplayRunner::finish(int status) {
    if (isFinished())
        return;
    m_status = status;
    m_timer->stop();
    emit finished(status);
}

int ReplayRunner::conclude() {
    if (isFinished())
        return m_status;
    m_timer->stop();
    // A step whose input was all delivered is done, even when that input ended the program.
    if (m_acting && m_actions.isEmpty() && m_started == m_dispatched && !m_lost) {
        m_acting = false;
        ++m_index;
    }
    if (m_index >= m_steps.size()) {
        m_status = 0;
        return m_status;
    }
    m_output.err(QStringLiteral("replay: the program ended before the step at line %1: %2")
                     .arg(current().line)
                     .arg(current().source));
    m_status = 1;
    return m_status;
}
