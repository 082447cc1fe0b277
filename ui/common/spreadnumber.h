#pragma once

#include <QString>

#include <optional>

// Number cells' text: the stored value ("1234.5"), the shown text ("1,234.50") and typed
// input ("1,234.5").
namespace SpreadNumber {
// The number in a value or typed text (thousands separators and blanks ignored).
std::optional<double> parse(const QString& text);
// The stored form: shortest digits, no exponent, "." as decimal point.
QString canonical(double v);
double rounded(double v, int decimals);
// The shown text with the decimal places and separator; a value that is not a number is
// shown as it is.
QString display(const QString& value, int decimals, bool separator);
// Whether v stays within the largest value of `digits` nines (0: no limit).
bool fits(double v, int digits);
} // namespace SpreadNumber
