#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// SQL Server's conversion rules for the values the program stores as text: which texts are
// numbers and dates, and how numbers and dates become text. Shared by the translator
// (literals converted once) and the SQLite functions (values converted per row).
namespace tsql::conv {

enum class NumberKind { Int, BigInt, Numeric, Float };

enum class Outcome { Ok, Invalid, Overflow };

// " 12 " -> 12, "+5" -> 5, "" -> 0; "1.0", "12abc" are invalid for the integer types.
Outcome textToInt(std::string_view text, NumberKind kind, int64_t* out);
// "1.5", ".5", "-2"; "" is 0 for float, invalid for numeric; "1e3" only for float.
Outcome textToReal(std::string_view text, NumberKind kind, double* out);

// SQL Server's message for a text that does not convert to kind.
QString conversionMessage(std::string_view text, NumberKind kind, Outcome why);

// A point in time with millisecond precision, as datetime holds it.
struct DateTime {
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0, msec = 0;
    int64_t julianDay() const;
    int64_t msecsSinceEpochDay() const; // milliseconds since day 0 of the julian count
    static DateTime fromMsecs(int64_t ms);
};

// 'yyyy-mm-dd', 'yyyymmdd', 'yyyy/mm/dd' with an optional time ('hh:mi[:ss[.fff]]',
// separated by a space or 'T'), or a time alone (on 1900-01-01).
bool parseDateTime(std::string_view text, DateTime* out);
// The stored form of a datetime value: 'yyyy-mm-dd hh:mi:ss.mmm'.
std::string canonical(const DateTime& t);
// CONVERT(varchar, datetime, style) for styles 0/100, 8/108, 14/114, 20/120, 21/121, 23,
// 112; false for a style outside these.
bool formatDateTime(const DateTime& t, int style, std::string* out);

// float -> varchar as SQL Server writes it without a style: at most six significant digits,
// scientific notation with a three-digit exponent for large and small values.
std::string floatToText(double v);

// STR(x, length, decimals): rounded half away from zero to the decimals that fit in length,
// right-aligned; length '*'s when the integer part does not fit.
std::string numberToStr(double x, int length, int decimals);

inline std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() &&
           (s.front() == ' ' || s.front() == '\t' || s.front() == '\n' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\n' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace tsql::conv
