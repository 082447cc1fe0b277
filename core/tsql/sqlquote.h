#pragma once

#include <QString>

namespace tsql {

// Appends s between two quote characters, each quote inside doubled (SQLite's rule for
// both string literals and quoted names).
inline void appendQuoted(QString& out, const QString& s, QChar quote) {
    out.reserve(out.size() + s.size() + 2);
    out += quote;
    for (QChar c : s) {
        if (c == quote)
            out += quote;
        out += c;
    }
    out += quote;
}

} // namespace tsql
