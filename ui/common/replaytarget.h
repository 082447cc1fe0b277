#pragma once

#include <QString>

// Where a script step acts: a child of an open top-level window by its objectName
// (`Window/child`, control arrays as `name(i)`), a visible control by its caption
// (`Window/"caption"`), or a grid cell by the grid's 1-based numbers (`Window/grid[row,col]`).
struct ReplayTarget {
    enum class Kind { Child, Caption, Cell };

    QString window;
    Kind kind = Kind::Child;
    QString name; // objectName, or the caption for Kind::Caption
    int row = 0;
    int col = 0;

    // The target as a script writes it.
    QString text() const;
};
