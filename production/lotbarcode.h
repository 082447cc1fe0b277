#pragma once

#include <QString>

#include <optional>

// The scan text of a lot: lot number, "/", material code, between asterisks as the process
// move sheet prints it ("*20240210/A/81230-KX100*"). The system's own lot numbers hold a
// slash themselves, so the material code is what follows the last slash.
struct LotBarcode {
    QString lot;
    QString material;

    // The scanned text with its asterisks and line ends dropped; nothing when no lot or no
    // material remains.
    static std::optional<LotBarcode> parse(const QString& scanned);
    // "*" + lot + "/" + material + "*".
    static QString text(const QString& lot, const QString& material);

    bool operator==(const LotBarcode&) const = default;
};
