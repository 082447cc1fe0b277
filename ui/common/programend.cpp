#include "ui/common/programend.h"

#include <QCoreApplication>

namespace {
ProgramEndHook& hook() {
    static ProgramEndHook h;
    return h;
}
} // namespace

void endProgram(int exitCode) {
    if (hook()) {
        hook()(exitCode);
        return;
    }
    QCoreApplication::exit(exitCode);
}

ProgramEndHook setProgramEndHook(ProgramEndHook h) {
    ProgramEndHook previous = std::move(hook());
    hook() = std::move(h);
    return previous;
}
