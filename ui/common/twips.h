#pragma once

// Window sizes and positions of the terminal screens are given in twips (1/1440 inch).
// Converts them with the primary screen's logical resolution (15 twips per pixel at 96 DPI).
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
