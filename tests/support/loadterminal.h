#pragma once

#include "ui/common/modal.h"

#include <QString>
#include <QStringList>

// What the load terminals of the concurrency tests share: a record of the messages a step
// was shown, and the start signal that lets several terminals begin at the same moment.
namespace LoadTerminal {

// The messages since the last clear: notifier messages and message boxes as "title|text",
// message dialogs by their text.
QStringList& shown();

// Installs, for its lifetime, a notifier and a modal handler that record every message
// (echoed to standard output as "message<TAB>text" when `echo`), answer a message box with
// OK and close a message dialog with its close key "Command14" (accepted when it has none).
class Recorder {
public:
    explicit Recorder(bool echo = false);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

private:
    ScopedModalHandler m_modal;
};

// The start of a load terminal: its arguments (see SampleProgram::setUpLoadTerminal) read and
// its database opened. 0 to go on, otherwise the program's exit status (2 for the usage, 1
// without a database).
int open(const QStringList& arguments, const char* unit, int* first, int* count);

// Prints "ready" and waits for a line on standard input.
void waitForGo();

} // namespace LoadTerminal
