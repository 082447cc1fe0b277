#include "workorders/historyopener.h"

namespace {
HistoryOpener& current() {
    static HistoryOpener opener;
    return opener;
}
} // namespace

namespace HistoryOpenerHook {

HistoryOpener set(HistoryOpener opener) {
    HistoryOpener previous = std::move(current());
    current() = std::move(opener);
    return previous;
}

bool isSet() {
    return bool(current());
}

bool open(HistoryScreen screen) {
    if (!current())
        return false;
    current()(screen);
    return true;
}

} // namespace HistoryOpenerHook
