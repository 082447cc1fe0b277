#pragma once

#include "app/startoptions.h"

#include <QPointer>
#include <QStringList>

class ReplayRunner;

// The scripted terminal around whichever role starts: --clock starts the program's clock
// (never the machine's) at the given time, --replay reads the script before anything
// starts and runs it once the event loop runs; the end of the script ends the program with
// the script's status.
class ScriptedStart {
public:
    // Reads the options, sets the clock and reads the script. False after printing why on
    // standard error: the program then ends with status 2.
    bool prepare(const QStringList& arguments);
    // True when --clock set the program's clock, which start-up then keeps.
    bool clockGiven() const { return m_options.clock.isValid(); }
    const StartOptions& options() const { return m_options; }
    // Starts the script, if there is one.
    void start();
    // The program's exit status: the script's when there is one.
    int exitStatus(int programStatus);

private:
    StartOptions m_options;
    QPointer<ReplayRunner> m_runner;
};
