#pragma once

#include "ui/common/replayattempt.h"
#include "ui/common/replayhit.h"
#include "ui/common/replaystep.h"

#include <QPointer>

class ReplayMessageObserver;

// What each kind of step checks and sends: one try against the windows as they are now.
class ReplaySteps {
public:
    explicit ReplaySteps(ReplayMessageObserver* messages) : m_messages(messages) {}

    // elapsedMs: the time since the step began (for wait).
    ReplayAttempt attempt(const ReplayStep& step, qint64 elapsedMs);

private:
    ReplayAttempt onTarget(const ReplayStep& step);
    static ReplayAttempt click(const ReplayHit& hit);
    static ReplayAttempt type(const ReplayHit& hit, const QString& text);
    static ReplayAttempt expect(const ReplayHit& hit, const QString& text);
    static ReplayAttempt expectColour(const ReplayHit& hit, const QColor& colour);
    static ReplayAttempt choose(const ReplayHit& hit, const QString& text);
    ReplayAttempt key(const ReplayStep& step) const;
    static ReplayAttempt answer(const ReplayStep& step);
    ReplayAttempt expectMessage(const QString& text) const;

    ReplayMessageObserver* m_messages;
    QPointer<QWidget> m_lastWindow; // the window of the last target, for keys without focus
};
