#pragma once

#include "workorders/historyopener.h"

class HistoryFrame;

// The three history screens, each created on first use and kept loaded.
namespace HistoryScreens {
// Shows the screen on top and reloads it with all processes (its btnFind_Click).
HistoryFrame* open(HistoryScreen screen);
// Registers open() as the history opener of the work order list and the running-job screen.
void registerOpener();
} // namespace HistoryScreens
