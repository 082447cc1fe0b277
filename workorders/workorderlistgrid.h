#pragma once

class clsSpread;

// Lays out the work order list's grid: 22 locked columns filled by position from the list
// statement, eleven of them shown.
void layOutWorkOrderGrid(clsSpread& ss);
