#pragma once

#include <QString>

// A failure of the data-access layer: the driver's error number and its description,
// the number and text the error log and the message boxes show.
struct DbError {
    int number = 0;
    QString description;

    bool isSet() const { return number != 0 || !description.isEmpty(); }
    void clear() { *this = DbError{}; }
    static DbError make(int number, const QString& description) { return {number, description}; }
};

// Generic failure number for errors that carry no number of their own (0x80004005).
inline constexpr int kGenericErrorNumber = -2147467259;

// The provider's number for a command it cannot run (0x80040E14): a refused or untranslatable
// statement. Unlike the generic failure it never means that the connection dropped.
inline constexpr int kCommandErrorNumber = -2147217900;
