#pragma once

#include <functional>

// Ends the program: the event loop returns with the exit code. The terminal screens end
// the program through here (a third failed login, an exit button); tests install a hook
// that records the end instead, so those paths run without stopping the test.
using ProgramEndHook = std::function<void(int exitCode)>;

void endProgram(int exitCode);
// Installs the hook (an empty one goes back to leaving the event loop); returns the previous.
ProgramEndHook setProgramEndHook(ProgramEndHook hook);

// Installs a hook for the lifetime of the scope.
class ScopedProgramEndHook {
public:
    explicit ScopedProgramEndHook(ProgramEndHook hook)
        : m_previous(setProgramEndHook(std::move(hook))) {}
    ~ScopedProgramEndHook() { setProgramEndHook(std::move(m_previous)); }
    ScopedProgramEndHook(const ScopedProgramEndHook&) = delete;
    ScopedProgramEndHook& operator=(const ScopedProgramEndHook&) = delete;

private:
    ProgramEndHook m_previous;
};
