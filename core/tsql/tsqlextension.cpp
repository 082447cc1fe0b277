#include "core/tsql/tsqlextension.h"

#include "core/platform/clock.h"
#include "core/tsql/valueconvert.h"

#include <QString>

#include <sqlite3.h>

#include "core/tsql/likepattern.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace tsql {

int collate(const char* a, int na, const char* b, int nb) {
    while (na > 0 && a[na - 1] == ' ')
        --na;
    while (nb > 0 && b[nb - 1] == ' ')
        --nb;
    int i = 0;
    const int n = na < nb ? na : nb;
    for (; i < n; ++i) {
        const unsigned char ca = static_cast<unsigned char>(a[i]);
        const unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80)
            break;
        const int la = ca >= 'A' && ca <= 'Z' ? ca + 32 : ca;
        const int lb = cb >= 'A' && cb <= 'Z' ? cb + 32 : cb;
        if (la != lb)
            return la < lb ? -1 : 1;
    }
    if (i == n)
        return na == nb ? 0 : (na < nb ? -1 : 1);
    // Beyond ASCII: Qt folds the case of every script (Hangul has none and keeps its order).
    while (i > 0 && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80)
        --i;
    const QString qa = QString::fromUtf8(a + i, na - i);
    const QString qb = QString::fromUtf8(b + i, nb - i);
    const int c = qa.compare(qb, Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace tsql

namespace {
using namespace tsql;
using conv::NumberKind;
using conv::Outcome;

std::string_view textOf(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, size_t(sqlite3_value_bytes(v))) : std::string_view();
}

// A value as the server writes it as text: integers plainly, floats with six digits.
std::string valueText(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_FLOAT)
        return conv::floatToText(sqlite3_value_double(v));
    return std::string(textOf(v));
}

// A numeric of the given scale as the server writes it: exactly that many decimals.
std::string fixedText(sqlite3_value* v, int scale) {
    scale = std::clamp(scale, 0, 38);
    if (sqlite3_value_type(v) == SQLITE_INTEGER) {
        std::string s = std::to_string(sqlite3_value_int64(v));
        if (scale > 0)
            s += '.' + std::string(size_t(scale), '0');
        return s;
    }
    char buf[400];
    const int n = std::snprintf(buf, sizeof buf, "%.*f", scale, sqlite3_value_double(v));
    std::string s(buf, size_t(std::clamp(n, 0, int(sizeof buf) - 1)));
    // The server never writes a negative zero.
    if (s.find_first_not_of("-0.") == std::string::npos && s.front() == '-')
        s.erase(0, 1);
    return s;
}

void fail(sqlite3_context* ctx, const QString& message) {
    const QByteArray utf8 = message.toUtf8();
    sqlite3_result_error(ctx, utf8.constData(), int(utf8.size()));
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), int(s.size()), SQLITE_TRANSIENT);
}

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

// Converts a text to a number of the given kind into the result; false after an error.
bool textToNumber(sqlite3_context* ctx, std::string_view text, NumberKind kind, sqlite3_int64* i,
                  double* d, bool* isInt) {
    if (kind == NumberKind::Int || kind == NumberKind::BigInt) {
        int64_t v = 0;
        const Outcome o = conv::textToInt(text, kind, &v);
        if (o != Outcome::Ok) {
            fail(ctx, conv::conversionMessage(text, kind, o));
            return false;
        }
        *i = v;
        *isInt = true;
        return true;
    }
    const Outcome o = conv::textToReal(text, kind, d);
    if (o != Outcome::Ok) {
        fail(ctx, conv::conversionMessage(text, kind, o));
        return false;
    }
    *isInt = false;
    return true;
}

void toNumber(sqlite3_context* ctx, sqlite3_value* v, NumberKind kind, int scale = -1) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER:
        if (kind == NumberKind::Float)
            sqlite3_result_double(ctx, double(sqlite3_value_int64(v)));
        else
            sqlite3_result_int64(ctx, sqlite3_value_int64(v));
        return;
    case SQLITE_FLOAT: {
        const double d = sqlite3_value_double(v);
        if (kind == NumberKind::Int || kind == NumberKind::BigInt) {
            if (std::fabs(d) >= 9.2e18) {
                fail(ctx, QStringLiteral(
                              "Arithmetic overflow error converting float to data type int."));
                return;
            }
            sqlite3_result_int64(ctx, sqlite3_int64(std::trunc(d)));
        } else if (kind == NumberKind::Numeric && scale >= 0) {
            const double f = std::pow(10.0, scale);
            sqlite3_result_double(ctx, std::round(d * f) / f);
        } else {
            sqlite3_result_double(ctx, d);
        }
        return;
    }
    default: {
        sqlite3_int64 i = 0;
        double d = 0;
        bool isInt = false;
        if (!textToNumber(ctx, textOf(v), kind, &i, &d, &isInt))
            return;
        if (isInt) {
            sqlite3_result_int64(ctx, i);
        } else {
            if (kind == NumberKind::Numeric && scale >= 0) {
                const double f = std::pow(10.0, scale);
                d = std::round(d * f) / f;
            }
            sqlite3_result_double(ctx, d);
        }
    }
    }
}

void toInt(sqlite3_context* ctx, int, sqlite3_value** argv) {
    toNumber(ctx, argv[0], NumberKind::Int);
}
void toBigInt(sqlite3_context* ctx, int, sqlite3_value** argv) {
    toNumber(ctx, argv[0], NumberKind::BigInt);
}
void toNumeric(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    toNumber(ctx, argv[0], NumberKind::Numeric, argc > 1 ? sqlite3_value_int(argv[1]) : -1);
}
void toFloat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    toNumber(ctx, argv[0], NumberKind::Float);
}

// Cuts or pads a text to a declared length: len -1 keeps it whole, pad fills CHAR(n).
std::string fitLength(std::string s, int len, bool pad) {
    if (len < 0)
        return s;
    int chars = 0;
    size_t i = 0;
    while (i < s.size() && chars < len) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
        ++chars;
    }
    s.resize(i);
    if (pad && chars < len)
        s.append(size_t(len - chars), ' ');
    return s;
}

// tsql_to_text(x, len, pad[, scale]): CAST/CONVERT to VARCHAR(n)/CHAR(n). A number that does
// not fit becomes '*' as the server writes it; with a scale a number keeps that many decimals.
void toText(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    const int len = sqlite3_value_int(argv[1]);
    const bool pad = sqlite3_value_int(argv[2]) != 0;
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string s = argc > 3 && (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
                        ? fixedText(v, sqlite3_value_int(argv[3]))
                        : valueText(v);
    if ((type == SQLITE_INTEGER || type == SQLITE_FLOAT) && len >= 0 && int(s.size()) > len)
        s = "*";
    resultText(ctx, fitLength(std::move(s), len, pad));
}

bool dateOf(sqlite3_context* ctx, sqlite3_value* v, conv::DateTime* t) {
    if (sqlite3_value_type(v) == SQLITE_INTEGER) {
        // An integer is a number of days since 1900-01-01, as the server converts it.
        static const int64_t base = conv::DateTime{}.msecsSinceEpochDay();
        const sqlite3_int64 days = sqlite3_value_int64(v);
        if (days >= -53690 && days <= 2958463) {
            *t = conv::DateTime::fromMsecs(base + days * 86400000LL);
            return true;
        }
        fail(ctx, QStringLiteral(
                      "Arithmetic overflow error converting expression to data type datetime."));
        return false;
    }
    const std::string_view s = textOf(v);
    if (sqlite3_value_type(v) == SQLITE_TEXT && conv::parseDateTime(s, t))
        return true;
    fail(ctx, QStringLiteral(
                  "Conversion failed when converting date and/or time from character string."));
    return false;
}

void toDateTime(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (anyNull(1, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime t;
    if (dateOf(ctx, argv[0], &t))
        resultText(ctx, conv::canonical(t));
}

// tsql_datefmt(x, style, len, pad): CONVERT(VARCHAR(n), datetime, style).
void dateFormat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime t;
    if (!dateOf(ctx, argv[0], &t))
        return;
    std::string s;
    if (!conv::formatDateTime(t, sqlite3_value_int(argv[1]), &s)) {
        fail(ctx, QStringLiteral("%1 is not a valid style number when converting from datetime to "
                                 "a character string.")
                      .arg(sqlite3_value_int(argv[1])));
        return;
    }
    resultText(
        ctx, fitLength(std::move(s), sqlite3_value_int(argv[2]), sqlite3_value_int(argv[3]) != 0));
}

void getDate(sqlite3_context* ctx, int, sqlite3_value**) {
    const QDateTime now = Clock::now();
    const QDate d = now.date();
    const QTime t = now.time();
    conv::DateTime dt{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
    resultText(ctx, conv::canonical(dt));
}

bool isNumberValue(sqlite3_value* v) {
    const int t = sqlite3_value_type(v);
    return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}

// Reads both operands as numbers; a text beside a number converts to the number's kind.
bool numericPair(sqlite3_context* ctx, sqlite3_value** argv, sqlite3_int64* ia, sqlite3_int64* ib,
                 double* da, double* db, bool* bothInt) {
    bool intA = sqlite3_value_type(argv[0]) == SQLITE_INTEGER;
    bool intB = sqlite3_value_type(argv[1]) == SQLITE_INTEGER;
    const bool floatSide =
        sqlite3_value_type(argv[0]) == SQLITE_FLOAT || sqlite3_value_type(argv[1]) == SQLITE_FLOAT;
    const NumberKind kind = floatSide ? NumberKind::Float : NumberKind::Int;
    sqlite3_int64* is[] = {ia, ib};
    double* ds[] = {da, db};
    bool* ints[] = {&intA, &intB};
    for (int k = 0; k < 2; ++k) {
        sqlite3_value* v = argv[k];
        if (isNumberValue(v)) {
            *is[k] = sqlite3_value_int64(v);
            *ds[k] = sqlite3_value_double(v);
            continue;
        }
        if (!textToNumber(ctx, textOf(v), kind, is[k], ds[k], ints[k]))
            return false;
        if (*ints[k])
            *ds[k] = double(*is[k]);
    }
    *bothInt = intA && intB;
    return true;
}

// tsql_add(a, b): '+' where the types are only known per row.
void add(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    if (!isNumberValue(argv[0]) && !isNumberValue(argv[1])) {
        std::string s(textOf(argv[0]));
        s.append(textOf(argv[1]));
        resultText(ctx, s);
        return;
    }
    sqlite3_int64 a = 0, b = 0;
    double da = 0, db = 0;
    bool ints = false;
    if (!numericPair(ctx, argv, &a, &b, &da, &db, &ints))
        return;
    if (ints)
        sqlite3_result_int64(ctx, a + b);
    else
        sqlite3_result_double(ctx, da + db);
}

void divide(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool modulo) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_int64 a = 0, b = 0;
    double da = 0, db = 0;
    bool ints = false;
    if (!numericPair(ctx, argv, &a, &b, &da, &db, &ints))
        return;
    if (ints ? b == 0 : db == 0.0) {
        fail(ctx, QStringLiteral("Divide by zero error encountered."));
        return;
    }
    if (ints) {
        if (b == -1)
            sqlite3_result_int64(ctx, modulo ? 0 : sqlite3_int64(0ULL - uint64_t(a)));
        else
            sqlite3_result_int64(ctx, modulo ? a % b : a / b);
    } else {
        sqlite3_result_double(ctx, modulo ? std::fmod(da, db) : da / db);
    }
}

void div(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    divide(ctx, argc, argv, false);
}
void mod(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    divide(ctx, argc, argv, true);
}

// tsql_cmp(a, b): -1, 0 or 1 with the server's rules, for operands of unknown type.
void compare(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    if (!isNumberValue(argv[0]) && !isNumberValue(argv[1])) {
        const std::string_view a = textOf(argv[0]);
        const std::string_view b = textOf(argv[1]);
        sqlite3_result_int(ctx, collate(a.data(), int(a.size()), b.data(), int(b.size())));
        return;
    }
    sqlite3_int64 a = 0, b = 0;
    double da = 0, db = 0;
    bool ints = false;
    if (!numericPair(ctx, argv, &a, &b, &da, &db, &ints))
        return;
    if (ints)
        sqlite3_result_int(ctx, a < b ? -1 : (a > b ? 1 : 0));
    else
        sqlite3_result_int(ctx, da < db ? -1 : (da > db ? 1 : 0));
}

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int64_t floorMod(int64_t a, int64_t b) {
    return a - floorDiv(a, b) * b;
}

// tsql_datediff(unit, a, b): the number of unit boundaries crossed from a to b.
void dateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime a, b;
    if (!dateOf(ctx, argv[1], &a) || !dateOf(ctx, argv[2], &b))
        return;
    const std::string_view unit = textOf(argv[0]);
    const int64_t ma = a.msecsSinceEpochDay();
    const int64_t mb = b.msecsSinceEpochDay();
    int64_t r = 0;
    if (unit == "year")
        r = b.year - a.year;
    else if (unit == "quarter")
        r = (b.year * 4 + (b.month - 1) / 3) - (a.year * 4 + (a.month - 1) / 3);
    else if (unit == "month")
        r = (b.year * 12 + b.month) - (a.year * 12 + a.month);
    else if (unit == "day")
        r = b.julianDay() - a.julianDay();
    else if (unit == "week") // weeks begin on Sunday
        r = floorDiv(b.julianDay() + 1, 7) - floorDiv(a.julianDay() + 1, 7);
    else if (unit == "hour")
        r = floorDiv(mb, 3600000) - floorDiv(ma, 3600000);
    else if (unit == "minute")
        r = floorDiv(mb, 60000) - floorDiv(ma, 60000);
    else if (unit == "second")
        r = floorDiv(mb, 1000) - floorDiv(ma, 1000);
    else
        r = mb - ma;
    if (r > std::numeric_limits<int32_t>::max() || r < std::numeric_limits<int32_t>::min()) {
        fail(ctx, QStringLiteral("The datediff function resulted in an overflow. The number of "
                                 "dateparts separating two date/time instances is too large. Try "
                                 "to use datediff with a less precise datepart."));
        return;
    }
    sqlite3_result_int64(ctx, r);
}

// tsql_dateadd(unit, n, d)
void dateAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime t;
    if (!dateOf(ctx, argv[2], &t))
        return;
    const std::string_view unit = textOf(argv[0]);
    const int64_t n = sqlite3_value_int64(argv[1]);
    if (unit == "year" || unit == "quarter" || unit == "month") {
        const int64_t months = unit == "year" ? n * 12 : unit == "quarter" ? n * 3 : n;
        int64_t total = int64_t(t.year) * 12 + (t.month - 1) + months;
        if (total < 1753 * 12 || total > 9999 * 12 + 11) {
            fail(ctx, QStringLiteral("Adding a value to a 'datetime' column caused an overflow."));
            return;
        }
        t.year = int(total / 12);
        t.month = int(total % 12) + 1;
        t.day = std::min(t.day, QDate(t.year, t.month, 1).daysInMonth());
        resultText(ctx, conv::canonical(t));
        return;
    }
    int64_t unitMs = 1;
    if (unit == "week")
        unitMs = 7 * 86400000LL;
    else if (unit == "day")
        unitMs = 86400000LL;
    else if (unit == "hour")
        unitMs = 3600000LL;
    else if (unit == "minute")
        unitMs = 60000LL;
    else if (unit == "second")
        unitMs = 1000LL;
    if (std::llabs(n) > 4000000000000LL / unitMs) {
        fail(ctx, QStringLiteral("Adding a value to a 'datetime' column caused an overflow."));
        return;
    }
    resultText(ctx,
               conv::canonical(conv::DateTime::fromMsecs(t.msecsSinceEpochDay() + n * unitMs)));
}

// LEFT / RIGHT over characters of the value's text.
void leftRight(sqlite3_context* ctx, sqlite3_value** argv, bool right) {
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        fail(ctx, QStringLiteral("Invalid length parameter passed to the %1 function.")
                      .arg(right ? QStringLiteral("right") : QStringLiteral("left")));
        return;
    }
    const std::string s = valueText(argv[0]);
    std::vector<size_t> starts;
    starts.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    const size_t chars = starts.size();
    if (n == 0) {
        sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
        return;
    }
    if (size_t(n) >= chars) {
        resultText(ctx, s);
        return;
    }
    if (right)
        resultText(ctx, s.substr(starts[chars - size_t(n)]));
    else
        resultText(ctx, s.substr(0, starts[size_t(n)]));
}

void left(sqlite3_context* ctx, int, sqlite3_value** argv) {
    leftRight(ctx, argv, false);
}
void right(sqlite3_context* ctx, int, sqlite3_value** argv) {
    leftRight(ctx, argv, true);
}

QString qtext(sqlite3_value* v) {
    const std::string s = valueText(v);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// CHARINDEX(find, in[, start]): 1-based, 0 when absent, case-insensitive.
void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(2, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString find = qtext(argv[0]);
    const QString in = qtext(argv[1]);
    qsizetype start = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL
                          ? qsizetype(sqlite3_value_int64(argv[2])) - 1
                          : 0;
    if (start < 0)
        start = 0;
    if (find.isEmpty() || start > in.size()) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    sqlite3_result_int64(ctx, in.indexOf(find, start, Qt::CaseInsensitive) + 1);
}

// REPLACE(x, from, to) matches without regard to case, as the server's collation does.
void replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    QString s = qtext(argv[0]);
    const QString from = qtext(argv[1]);
    if (!from.isEmpty())
        s.replace(from, qtext(argv[2]), Qt::CaseInsensitive);
    const QByteArray utf8 = s.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// ISNUMERIC: 1 for a text the server would take as some numeric type (money signs,
// thousands separators and exponents included), else 0.
void isNumericFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    if (isNumberValue(v)) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    std::string_view s = conv::trimSpaces(textOf(v));
    if (s.empty()) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    size_t i = 0;
    if (i < s.size() && (s[i] == '$' || s[i] == '\\'))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    if (i < s.size() && s[i] == '$')
        ++i;
    size_t digits = 0;
    while (i < s.size() && ((s[i] >= '0' && s[i] <= '9') || (s[i] == ',' && digits > 0))) {
        if (s[i] != ',')
            ++digits;
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits > 0 && i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t exp = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++exp;
        }
        if (exp == 0)
            i = std::string_view::npos;
    }
    // A sign, point or currency sign alone also counts, as on the server.
    const bool alone = digits == 0 && i == s.size() && s.size() == 1;
    sqlite3_result_int(ctx, (i == s.size() && (digits > 0 || alone)) ? 1 : 0);
}

const char* const kIntOverflow =
    "Arithmetic overflow error converting expression to data type int.";
const char* const kBigIntOverflow =
    "Arithmetic overflow error converting expression to data type bigint.";

// tsql_check_int(x): the result of int arithmetic, which fails beyond int's range.
void checkInt(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    if (sqlite3_value_type(v) == SQLITE_INTEGER) {
        const sqlite3_int64 i = sqlite3_value_int64(v);
        if (i < std::numeric_limits<int32_t>::min() || i > std::numeric_limits<int32_t>::max()) {
            sqlite3_result_error(ctx, kIntOverflow, -1);
            return;
        }
    } else if (sqlite3_value_type(v) == SQLITE_FLOAT) {
        // SQLite turns an integer operation that overflows 64 bits into a real.
        const double d = sqlite3_value_double(v);
        if (!(d >= std::numeric_limits<int32_t>::min() &&
              d <= std::numeric_limits<int32_t>::max())) {
            sqlite3_result_error(ctx, kIntOverflow, -1);
            return;
        }
    }
    sqlite3_result_value(ctx, v);
}

// tsql_check_bigint(x): SQLite gives a real where 64-bit integer arithmetic overflows.
void checkBigInt(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_FLOAT &&
        !(std::fabs(sqlite3_value_double(argv[0])) < 9.2e18)) {
        sqlite3_result_error(ctx, kBigIntOverflow, -1);
        return;
    }
    sqlite3_result_value(ctx, argv[0]);
}

// tsql_round(x, places): half away from zero; negative places round to tens, hundreds..
// An integer stays an integer.
void roundFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const sqlite3_int64 places = sqlite3_value_int64(argv[1]);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        const sqlite3_int64 x = sqlite3_value_int64(argv[0]);
        if (places >= 0) {
            sqlite3_result_int64(ctx, x);
            return;
        }
        if (places < -18) {
            sqlite3_result_int64(ctx, 0);
            return;
        }
        sqlite3_int64 p = 1;
        for (sqlite3_int64 k = 0; k < -places; ++k)
            p *= 10;
        sqlite3_int64 q = x / p;
        const sqlite3_int64 rest = x % p;
        if ((rest < 0 ? -rest : rest) >= p - (rest < 0 ? -rest : rest))
            q += x < 0 ? -1 : 1;
        sqlite3_int64 r = 0;
        if (__builtin_mul_overflow(q, p, &r)) {
            sqlite3_result_error(ctx, kBigIntOverflow, -1);
            return;
        }
        sqlite3_result_int64(ctx, r);
        return;
    }
    const double x = sqlite3_value_double(argv[0]);
    if (places > 308 || places < -308) {
        sqlite3_result_double(ctx, places > 0 ? x : 0.0);
        return;
    }
    const double p = std::pow(10.0, double(places < 0 ? -places : places));
    sqlite3_result_double(ctx, places < 0 ? std::round(x / p) * p : std::round(x * p) / p);
}

// tsql_ceiling(x) / tsql_floor(x): integers stay as they are.
void ceilFloor(sqlite3_context* ctx, sqlite3_value** argv, bool up) {
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER:
        sqlite3_result_value(ctx, v);
        return;
    default: {
        double d = sqlite3_value_double(v);
        if (sqlite3_value_type(v) != SQLITE_FLOAT) {
            sqlite3_int64 unusedInt = 0;
            bool isInt = false;
            if (!textToNumber(ctx, textOf(v), NumberKind::Float, &unusedInt, &d, &isInt))
                return;
        }
        sqlite3_result_double(ctx, up ? std::ceil(d) : std::floor(d));
    }
    }
}
void ceilingFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    ceilFloor(ctx, argv, true);
}
void floorFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    ceilFloor(ctx, argv, false);
}

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

// The weekday with Sunday as the first day (DATEFIRST 7): 1 for Sunday .. 7 for Saturday.
int weekdayOf(const conv::DateTime& t) {
    return int(floorMod(t.julianDay() + 1, 7)) + 1;
}

int64_t datePartOf(std::string_view part, const conv::DateTime& t) {
    if (part == "year")
        return t.year;
    if (part == "quarter")
        return (t.month - 1) / 3 + 1;
    if (part == "month")
        return t.month;
    if (part == "day")
        return t.day;
    if (part == "hour")
        return t.hour;
    if (part == "minute")
        return t.minute;
    if (part == "second")
        return t.second;
    if (part == "millisecond")
        return t.msec;
    if (part == "weekday")
        return weekdayOf(t);
    const conv::DateTime jan1{t.year, 1, 1, 0, 0, 0, 0};
    if (part == "dayofyear")
        return t.julianDay() - jan1.julianDay() + 1;
    // week: weeks begin on Sunday; the week of 1 January is week 1.
    return floorDiv(t.julianDay() + 1, 7) - floorDiv(jan1.julianDay() + 1, 7) + 1;
}

// tsql_datepart(part, d) and tsql_datename(part, d); YEAR, MONTH, DAY are datepart too.
void datePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime t;
    if (dateOf(ctx, argv[1], &t))
        sqlite3_result_int64(ctx, datePartOf(textOf(argv[0]), t));
}

void dateName(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime t;
    if (!dateOf(ctx, argv[1], &t))
        return;
    const std::string_view part = textOf(argv[0]);
    if (part == "month")
        sqlite3_result_text(ctx, kMonths[t.month - 1], -1, SQLITE_STATIC);
    else if (part == "weekday")
        sqlite3_result_text(ctx, kWeekdays[weekdayOf(t) - 1], -1, SQLITE_STATIC);
    else
        resultText(ctx, std::to_string(datePartOf(part, t)));
}

// tsql_eomonth(d, months): the last day of the month, months later, as 'yyyy-mm-dd'.
void endOfMonth(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    conv::DateTime t;
    if (!dateOf(ctx, argv[0], &t))
        return;
    const int64_t total = int64_t(t.year) * 12 + (t.month - 1) + sqlite3_value_int64(argv[1]);
    if (total < 1753 * 12 || total > 9999 * 12 + 11) {
        fail(ctx, QStringLiteral("Adding a value to a 'date' column caused an overflow."));
        return;
    }
    const int year = int(total / 12);
    const int month = int(total % 12) + 1;
    char out[11];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d", year, month,
                  QDate(year, month, 1).daysInMonth());
    sqlite3_result_text(ctx, out, 10, SQLITE_TRANSIENT);
}

// tsql_replicate(s, n): s n times; NULL for a negative n. SPACE(n) is tsql_replicate(' ', n).
void replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv) || sqlite3_value_int64(argv[1]) < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string_view s = textOf(argv[0]);
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (sqlite3_int64(s.size()) * n > 8000 * 4) {
        fail(ctx, QStringLiteral("REPLICATE would make a text longer than 8000 characters"));
        return;
    }
    std::string out;
    out.reserve(s.size() * size_t(n));
    for (sqlite3_int64 i = 0; i < n; ++i)
        out.append(s);
    resultText(ctx, out);
}

// tsql_stuff(s, start, length, with): NULL for a start outside the text or a negative length.
void stuff(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (anyNull(3, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    QString s = qtext(argv[0]);
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 length = sqlite3_value_int64(argv[2]);
    if (start < 1 || start > s.size() || length < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString with = sqlite3_value_type(argv[3]) == SQLITE_NULL ? QString() : qtext(argv[3]);
    s.replace(qsizetype(start - 1), qsizetype(std::min<sqlite3_int64>(length, s.size())), with);
    const QByteArray utf8 = s.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// tsql_patindex(pattern, s): the 1-based start of the first match of a LIKE pattern
// (% _ [set] [^set]) without regard to case; 0 when there is none.
void patIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString pattern = qtext(argv[0]);
    const QString s = qtext(argv[1]);
    sqlite3_result_int64(ctx, likePosition(pattern, s));
}

// tsql_str(x, length, decimals): right-aligned in length characters, rounded to the
// decimals that fit; '*' * length when the integer part does not fit.
void str(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const sqlite3_int64 length = sqlite3_value_int64(argv[1]);
    sqlite3_int64 decimals = sqlite3_value_int64(argv[2]);
    if (length <= 0 || length > 8000 || decimals < 0) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, conv::numberToStr(sqlite3_value_double(argv[0]), int(length),
                                      int(std::min<sqlite3_int64>(decimals, 16))));
}

int collation(void*, int na, const void* a, int nb, const void* b) {
    return collate(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

struct FunctionDef {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

} // namespace

extern "C" int sqlite3_mestsql_init(sqlite3* db, char** errorMessage, const sqlite3_api_routines*) {
    static const FunctionDef functions[] = {
        {"tsql_add", 2, add, true},
        {"tsql_div", 2, div, true},
        {"tsql_mod", 2, mod, true},
        {"tsql_cmp", 2, compare, true},
        {"tsql_to_int", 1, toInt, true},
        {"tsql_to_bigint", 1, toBigInt, true},
        {"tsql_to_numeric", 1, toNumeric, true},
        {"tsql_to_numeric", 2, toNumeric, true},
        {"tsql_to_float", 1, toFloat, true},
        {"tsql_to_text", 3, toText, true},
        {"tsql_to_text", 4, toText, true},
        {"tsql_to_datetime", 1, toDateTime, true},
        {"tsql_datefmt", 4, dateFormat, true},
        {"tsql_getdate", 0, getDate, false},
        {"tsql_datediff", 3, dateDiff, true},
        {"tsql_dateadd", 3, dateAdd, true},
        {"tsql_left", 2, left, true},
        {"tsql_right", 2, right, true},
        {"tsql_charindex", 2, charIndex, true},
        {"tsql_charindex", 3, charIndex, true},
        {"tsql_replace", 3, replace, true},
        {"tsql_isnumeric", 1, isNumericFn, true},
        {"tsql_check_int", 1, checkInt, true},
        {"tsql_check_bigint", 1, checkBigInt, true},
        {"tsql_round", 2, roundFn, true},
        {"tsql_ceiling", 1, ceilingFn, true},
        {"tsql_floor", 1, floorFn, true},
        {"tsql_datepart", 2, datePart, true},
        {"tsql_datename", 2, dateName, true},
        {"tsql_eomonth", 2, endOfMonth, true},
        {"tsql_replicate", 2, replicate, true},
        {"tsql_stuff", 4, stuff, true},
        {"tsql_patindex", 2, patIndex, true},
        {"tsql_str", 3, str, true},
    };
    // The translated text quotes names with '"': a misspelt column must fail instead of
    // silently becoming a text literal, in every host that runs the text.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    for (const FunctionDef& f : functions) {
        const int flags =
            SQLITE_UTF8 | SQLITE_INNOCUOUS | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        const int rc = sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.fn, nullptr,
                                                  nullptr, nullptr);
        if (rc != SQLITE_OK) {
            if (errorMessage)
                *errorMessage = sqlite3_mprintf("cannot register %s", f.name);
            return rc;
        }
    }
    const int rc =
        sqlite3_create_collation_v2(db, tsql::kCollation, SQLITE_UTF8, nullptr, collation, nullptr);
    if (rc != SQLITE_OK && errorMessage)
        *errorMessage = sqlite3_mprintf("cannot register the collation");
    return rc;
}
