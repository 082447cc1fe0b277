#pragma once

#include <functional>

// The work order list and the running-job screen open the terminal history screens through
// this hook: those screens live in a library above both, which registers the opener at
// start-up. Until one is registered the history buttons stay hidden.
enum class HistoryScreen { Defects, Downtime, Results };

using HistoryOpener = std::function<void(HistoryScreen)>;

namespace HistoryOpenerHook {
// Installs the opener (an empty one removes it); returns the previous.
HistoryOpener set(HistoryOpener opener);
bool isSet();
// Shows the screen with all processes and fresh rows; false when no opener is registered.
bool open(HistoryScreen screen);
} // namespace HistoryOpenerHook
