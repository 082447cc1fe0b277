#include "core/tsql/valueconvert.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tsql::conv {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* typeName(NumberKind kind) {
    switch (kind) {
    case NumberKind::Int:
        return "int";
    case NumberKind::BigInt:
        return "bigint";
    case NumberKind::Numeric:
        return "numeric";
    case NumberKind::Float:
        return "float";
    }
    return "int";
}

// Reads up to n digits as a number; false when fewer than min digits were there.
bool readDigits(std::string_view& s, int min, int max, int* out) {
    int v = 0;
    int n = 0;
    while (n < max && !s.empty() && isDigit(s.front())) {
        v = v * 10 + (s.front() - '0');
        s.remove_prefix(1);
        ++n;
    }
    *out = v;
    return n >= min;
}

bool readTime(std::string_view& s, DateTime* t) {
    if (!readDigits(s, 1, 2, &t->hour) || s.empty() || s.front() != ':')
        return false;
    s.remove_prefix(1);
    if (!readDigits(s, 1, 2, &t->minute))
        return false;
    if (!s.empty() && s.front() == ':') {
        s.remove_prefix(1);
        if (!readDigits(s, 1, 2, &t->second))
            return false;
        if (!s.empty() && (s.front() == '.' || s.front() == ':')) {
            s.remove_prefix(1);
            int frac = 0;
            const size_t before = s.size();
            if (!readDigits(s, 1, 3, &frac))
                return false;
            const size_t digits = before - s.size();
            t->msec = digits == 1 ? frac * 100 : digits == 2 ? frac * 10 : frac;
            while (!s.empty() && isDigit(s.front()))
                s.remove_prefix(1);
        }
    }
    return t->hour < 24 && t->minute < 60 && t->second < 60;
}

} // namespace

Outcome textToInt(std::string_view text, NumberKind kind, int64_t* out) {
    std::string_view s = trimSpaces(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) {
        // '' is 0; a sign alone is not a number.
        *out = 0;
        return trimSpaces(text).empty() ? Outcome::Ok : Outcome::Invalid;
    }
    uint64_t v = 0;
    for (char c : s) {
        if (!isDigit(c))
            return Outcome::Invalid;
        if (v > (uint64_t(std::numeric_limits<int64_t>::max()) - uint64_t(c - '0')) / 10)
            return Outcome::Overflow;
        v = v * 10 + uint64_t(c - '0');
    }
    const int64_t limit = kind == NumberKind::Int ? int64_t(std::numeric_limits<int32_t>::max())
                                                  : std::numeric_limits<int64_t>::max();
    if (v > uint64_t(limit) + (negative ? 1 : 0))
        return Outcome::Overflow;
    *out = negative ? -int64_t(v) : int64_t(v);
    return Outcome::Ok;
}

Outcome textToReal(std::string_view text, NumberKind kind, double* out) {
    const std::string_view s = trimSpaces(text);
    if (s.empty()) {
        *out = 0;
        return kind == NumberKind::Float ? Outcome::Ok : Outcome::Invalid;
    }
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return Outcome::Invalid;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E') && kind == NumberKind::Float) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t exp = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++exp;
        }
        if (exp == 0)
            return Outcome::Invalid;
    }
    if (i != s.size())
        return Outcome::Invalid;
    const std::string copy(s);
    *out = std::strtod(copy.c_str(), nullptr);
    if (!std::isfinite(*out))
        return Outcome::Overflow;
    return Outcome::Ok;
}

QString conversionMessage(std::string_view text, NumberKind kind, Outcome why) {
    const QString value = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (kind == NumberKind::Numeric)
        return QStringLiteral("Error converting data type varchar to numeric.");
    if (kind == NumberKind::Float)
        return QStringLiteral("Error converting data type varchar to float.");
    if (why == Outcome::Overflow)
        return QStringLiteral("The conversion of the varchar value '%1' overflowed an %2 column.")
            .arg(value, QLatin1String(typeName(kind)));
    return QStringLiteral(
               "Conversion failed when converting the varchar value '%1' to data type %2.")
        .arg(value, QLatin1String(typeName(kind)));
}

int64_t DateTime::julianDay() const {
    return QDate(year, month, day).toJulianDay();
}

int64_t DateTime::msecsSinceEpochDay() const {
    return julianDay() * 86400000LL + ((hour * 60LL + minute) * 60LL + second) * 1000LL + msec;
}

DateTime DateTime::fromMsecs(int64_t ms) {
    int64_t day = ms / 86400000LL;
    int64_t rest = ms % 86400000LL;
    if (rest < 0) {
        rest += 86400000LL;
        --day;
    }
    const QDate d = QDate::fromJulianDay(day);
    DateTime t;
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    t.msec = int(rest % 1000);
    rest /= 1000;
    t.second = int(rest % 60);
    rest /= 60;
    t.minute = int(rest % 60);
    t.hour = int(rest / 60);
    return t;
}

bool parseDateTime(std::string_view text, DateTime* out) {
    std::string_view s = trimSpaces(text);
    DateTime t;
    if (s.size() >= 3 && (s[1] == ':' || s[2] == ':')) {
        if (!readTime(s, &t))
            return false;
        *out = t;
        return s.empty();
    }
    if (!readDigits(s, 4, 4, &t.year))
        return false;
    if (!s.empty() && (s.front() == '-' || s.front() == '/' || s.front() == '.')) {
        const char sep = s.front();
        s.remove_prefix(1);
        if (!readDigits(s, 1, 2, &t.month) || s.empty() || s.front() != sep)
            return false;
        s.remove_prefix(1);
        if (!readDigits(s, 1, 2, &t.day))
            return false;
    } else {
        if (!readDigits(s, 2, 2, &t.month) || !readDigits(s, 2, 2, &t.day))
            return false;
    }
    if (t.year < 1753 || !QDate::isValid(t.year, t.month, t.day))
        return false;
    if (!s.empty()) {
        if (s.front() != ' ' && s.front() != 'T')
            return false;
        while (!s.empty() && (s.front() == ' ' || s.front() == 'T'))
            s.remove_prefix(1);
        if (!readTime(s, &t))
            return false;
    }
    if (!s.empty())
        return false;
    *out = t;
    return true;
}

std::string canonical(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.msec);
    return buf;
}

bool formatDateTime(const DateTime& t, int style, std::string* out) {
    char buf[40];
    switch (style) {
    case 0:
    case 100: {
        static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        const int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
        std::snprintf(buf, sizeof buf, "%s %2d %04d %2d:%02d%s", months[t.month - 1], t.day, t.year,
                      h12, t.minute, t.hour < 12 ? "AM" : "PM");
        break;
    }
    case 8:
    case 108:
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        break;
    case 14:
    case 114:
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d:%03d", t.hour, t.minute, t.second, t.msec);
        break;
    case 20:
    case 120:
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                      t.hour, t.minute, t.second);
        break;
    case 21:
    case 121:
        *out = canonical(t);
        return true;
    case 23:
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
        break;
    case 112:
        std::snprintf(buf, sizeof buf, "%04d%02d%02d", t.year, t.month, t.day);
        break;
    default:
        return false;
    }
    *out = buf;
    return true;
}

std::string floatToText(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    std::string s = buf;
    // The server writes the exponent with three digits: 1.23457e+006.
    const size_t e = s.find('e');
    if (e != std::string::npos && e + 2 < s.size()) {
        std::string digits = s.substr(e + 2);
        while (digits.size() < 3)
            digits.insert(digits.begin(), '0');
        s = s.substr(0, e + 2) + digits;
    }
    return s;
}

namespace {

std::string fixed(double x, int decimals) {
    const double p = std::pow(10.0, decimals);
    double r = std::round(x * p) / p;
    if (r == 0)
        r = 0; // no "-0"
    if (!std::isfinite(r))
        return std::string(400, '*');
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, r);
    return buf;
}

} // namespace

std::string numberToStr(double x, int length, int decimals) {
    std::string out = fixed(x, 0);
    if (int(out.size()) > length)
        return std::string(size_t(length), '*');
    const int room = length - int(out.size()) - 1;
    if (decimals > 0 && room > 0) {
        std::string withDecimals = fixed(x, std::min(decimals, room));
        if (int(withDecimals.size()) <= length)
            out = std::move(withDecimals);
    }
    return std::string(size_t(length) - out.size(), ' ') + out;
}

} // namespace tsql::conv
