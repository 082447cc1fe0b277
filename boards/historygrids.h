#pragma once

class clsSpread;

// The grid layouts of the three history screens.
namespace HistoryGrids {
void layOutDefects(clsSpread& ss);
void layOutDowntime(clsSpread& ss);
void layOutResults(clsSpread& ss);
} // namespace HistoryGrids
