#pragma once

#include <QString>

// The grid's cell type codes, as the screens pass them.
namespace SpreadCellType {
inline constexpr int Date = 0;
inline constexpr int Text = 1;
inline constexpr int Time = 6;
inline constexpr int Button = 7;
inline constexpr int Combo = 8;
inline constexpr int Picture = 9;
inline constexpr int CheckBox = 10;
inline constexpr int Currency = 12;
inline constexpr int Number = 13;

inline bool isNumeric(int type) {
    return type == Number || type == Currency;
}
} // namespace SpreadCellType

// How a cell of a type shows and takes its value: number cells' largest value, decimal
// places and separator; text cells' maximum length and wrapping; time cells' 24-hour clock.
struct SpreadTypeFormat {
    int digits = 0;         // number: largest value is "9" repeated digits times (0: no limit)
    int decimals = 0;       // number
    bool separator = false; // number: thousands separator
    int maxLength = 0;      // text: 0 for no limit
    bool multiLine = false; // text
    bool hour24 = false;    // time
};

// Font of a cell or header row.
struct SpreadFont {
    int size = 10;
    bool bold = false;
};
