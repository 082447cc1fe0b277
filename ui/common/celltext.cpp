#include "ui/common/celltext.h"

#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {
// "-1.7976931348623157e+308" and "-9223372036854775808" are the longest.
constexpr std::size_t kRealLength = 24;
constexpr std::size_t kIntegerLength = 20;

char16_t* widen(const char* first, const char* last, char16_t* out) {
    while (first != last)
        *out++ = char16_t(static_cast<unsigned char>(*first++));
    return out;
}

char16_t* writeInteger(qint64 v, char16_t* out) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return widen(buf, res.ptr, out);
}

// QString::number(v, 'g', QLocale::FloatingPointShortest): the shortest round-trip digits,
// written plain unless the exponent form ("1e+06", "1.5e-05", at least two exponent
// digits) is shorter; -0 is "0".
char16_t* writeReal(double v, char16_t* out) {
    if (std::isnan(v))
        return widen("nan", "nan" + 3, out);
    if (std::isinf(v))
        return v < 0 ? widen("-inf", "-inf" + 4, out) : widen("inf", "inf" + 3, out);
    if (v == 0) {
        *out++ = u'0';
        return out;
    }
    char buf[40];
    *std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific).ptr = '\0';
    const char* p = buf;
    if (*p == '-')
        *out++ = char16_t(*p++);
    char digits[20];
    int count = 0;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    const int exponent = int(std::strtol(p + 1, nullptr, 10));
    const int point = exponent + 1; // digits before the decimal point
    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int exponentForm = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int plainForm = point <= 0 ? 2 - point + count : point < count ? count + 1 : point;
    if (plainForm <= exponentForm) {
        if (point <= 0) {
            *out++ = u'0';
            *out++ = u'.';
            for (int i = point; i < 0; ++i)
                *out++ = u'0';
            return widen(digits, digits + count, out);
        }
        if (point < count) {
            out = widen(digits, digits + point, out);
            *out++ = u'.';
            return widen(digits + point, digits + count, out);
        }
        out = widen(digits, digits + count, out);
        for (int i = count; i < point; ++i)
            *out++ = u'0';
        return out;
    }
    *out++ = char16_t(digits[0]);
    if (count > 1) {
        *out++ = u'.';
        out = widen(digits + 1, digits + count, out);
    }
    *out++ = u'e';
    *out++ = exponent < 0 ? u'-' : u'+';
    const int e = std::abs(exponent);
    if (e >= 100)
        *out++ = char16_t(u'0' + e / 100);
    *out++ = char16_t(u'0' + e / 10 % 10);
    *out++ = char16_t(u'0' + e % 10);
    return out;
}

char16_t* writeUtf8(QByteArrayView bytes, char16_t* out) {
    const char* first = bytes.data();
    const char* last = first + bytes.size();
    bool ascii = true;
    for (const char* p = first; p != last && ascii; ++p)
        ascii = static_cast<unsigned char>(*p) < 0x80;
    if (ascii)
        return widen(first, last, out);
    // Stateless: every cell decodes on its own, a broken sequence at its end included.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QChar* end = decoder.appendToBuffer(reinterpret_cast<QChar*>(out), bytes);
    return reinterpret_cast<char16_t*>(end);
}
} // namespace

namespace CellText {

std::size_t maxLength(const Recordset::Cell& cell) {
    switch (cell.kind) {
    case Recordset::Kind::Integer:
        return kIntegerLength;
    case Recordset::Kind::Real:
        return kRealLength;
    case Recordset::Kind::Text:
    case Recordset::Kind::Blob:
        // No UTF-8 sequence gives more UTF-16 units than it has bytes; one spare.
        return std::size_t(cell.bytes.size()) + 1;
    case Recordset::Kind::Null:
    case Recordset::Kind::Variant:
        break;
    }
    return 0;
}

char16_t* write(const Recordset::Cell& cell, char16_t* out) {
    switch (cell.kind) {
    case Recordset::Kind::Integer:
        return writeInteger(cell.integer, out);
    case Recordset::Kind::Real:
        return writeReal(cell.real, out);
    case Recordset::Kind::Text:
    case Recordset::Kind::Blob:
        return writeUtf8(cell.bytes, out);
    case Recordset::Kind::Null:
    case Recordset::Kind::Variant:
        break;
    }
    return out;
}

} // namespace CellText
