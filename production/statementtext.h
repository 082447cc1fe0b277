#pragma once

#include <QString>

#include <initializer_list>

// Helpers for statement text built line by line: a line feed before every line.
namespace StatementText {

inline void add(QString* s, std::initializer_list<const char*> lines) {
    for (const char* line : lines)
        *s += QLatin1Char('\n') + QString::fromUtf8(line);
}
inline void line(QString* s, const QString& text) {
    *s += QLatin1Char('\n') + text;
}
// prefix + value through gfSQL_STR + suffix, as one line.
void quoted(QString* s, const char* prefix, const QString& value, const char* suffix);
// The value lines of an INSERT: "    '" value "'," each; with closes the last ends "')".
void values(QString* s, std::initializer_list<QString> values, bool closes = true);

} // namespace StatementText
