#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// What the save of a per-code entry grid (downtime minutes, defect quantities) writes for
// one row: a row without a stored record and a value gets one, a cell reading "0" removes
// the code's records, a stored record with another value is updated.
enum class EntrySave { Insert, Update, Delete, None };

EntrySave entrySaveAction(const QString& idxText, qint64 value, const QString& cellText);

// A grid cell's value as a whole number from 0 to the largest 32-bit integer; none for any
// other text (negative, fractional, too large, not a number). An empty cell counts as 0.
std::optional<qint32> entryNumber(const QVariant& value);

// A screen field read as a whole number: empty counts as 0, none when it is not one.
std::optional<qint64> fieldNumber(const QString& text);
