#pragma once

#include "core/data/recordset.h"

#include <cstddef>

// Writes a held cell as UTF-16 text the way the grid shows a bound field, straight into a
// character buffer: integers as digits, reals as QVariant's text of a double (the shortest
// digits that read back as the same value, in the shorter of the plain and the exponent
// form), text and blobs decoded from UTF-8 as QString::fromUtf8 does, NULL as nothing.
// Variant cells are not written here (SpreadCellStore::appendValue does them).
namespace CellText {
// At most this many characters are written for the cell (0 for a Variant cell).
std::size_t maxLength(const Recordset::Cell& cell);
// Writes the cell at out and returns the end of what was written.
char16_t* write(const Recordset::Cell& cell, char16_t* out);
} // namespace CellText
