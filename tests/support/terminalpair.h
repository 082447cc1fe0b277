#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

// Two load terminals (helper programs) on one database for the concurrency tests: each is
// started, reports "ready", is released with "go" at the same moment as the other, and is
// read while it runs. Processes still running at the end are stopped by their own ids.
class TerminalPair {
public:
    ~TerminalPair();

    // Starts terminal i (0 or 1) headless with the given program and arguments.
    QProcess& start(int i, const QString& program, const QStringList& arguments);
    // Reads terminal i's output up to its "ready" line into out[i].
    bool awaitReady(int i);
    // Writes "go" to both, each reaching its pipe before either is waited for.
    void releaseBoth();
    // Reads both outputs while they run, so that neither blocks on a full pipe; false when
    // they are still running at the deadline.
    bool drainUntilFinished(int deadlineMs);

    // The whole run of a load test: both started with their arguments, released together and
    // read to their end; each must end with 0 having printed " ok " `okLines` times. Every
    // failure is a test failure; false when the run could not go on.
    bool runTogether(const QString& program, const std::function<QStringList(int i)>& arguments,
                     int okLines);

    QProcess& operator[](int i) { return *m_terminals[size_t(i)]; }
    std::array<QByteArray, 2> out;

private:
    bool running() const;

    std::array<std::unique_ptr<QProcess>, 2> m_terminals;
};
