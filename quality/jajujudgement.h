#pragma once

#include <QString>

#include <array>
#include <optional>

// The judgement of one inspection item from its first, middle and last reading against the
// item's limits. MIN and MAX are texts; a text that is not a number means no limit.
namespace JajuJudgement {

inline QString pass() {
    return QStringLiteral("합격");
}
inline QString fail() {
    return QStringLiteral("불합격");
}

// The value of a text that reads as a finite number (surrounding blanks allowed).
std::optional<double> number(const QString& text);

struct Row {
    QString result = pass(); // "합격" or "불합격"
    bool resultRed = false;  // text colour of the judgement cell
    std::array<bool, 3> readingRed{};
};

// Readings are judged in order. A reading outside both limits fails the item; against a
// one-sided limit each numeric reading sets the judgement anew, so a later reading inside
// the limit passes an item an earlier one failed. Text readings: "NG" (any case) and any
// other text fail, "OK", "양호" and the empty text change nothing. A number on an item
// without limits fails it.
Row judge(const std::array<QString, 3>& readings, const QString& min, const QString& max);

} // namespace JajuJudgement
