#pragma once

#include <QString>

// Generic failure number for errors that carry no number of their own (0x80004005). A
// connection that reports it has lost its link, so the grid read offers the reconnect.
inline constexpr int kGenericErrorNumber = -2147467259;

// The provider's number for a command it cannot run (0x80040E14): a refused or untranslatable
// statement. Unlike the generic failure it never means that the connection dropped.
inline constexpr int kCommandErrorNumber = -2147217900;

// Numbers of the two object-state errors of the data-access layer.
inline constexpr int kObjectClosedNumber = 3704;
inline constexpr int kObjectOpenNumber = 3705;

// A failure of the data-access layer: the driver's error number and its description,
// the number and text the error log and the message boxes show.
struct DbError {
    int number = 0;
    QString description;

    bool isSet() const { return number != 0 || !description.isEmpty(); }
    void clear() { *this = DbError{}; }
    static DbError make(int number, const QString& description) { return {number, description}; }

    // A step on a closed connection or recordset. A connection whose link is gone passes
    // kGenericErrorNumber, so that the caller offers the reconnect.
    static DbError objectClosed(int number = kObjectClosedNumber) {
        return {number, QStringLiteral("Operation is not allowed when the object is closed.")};
    }
    // A recordset opened again while it is still open.
    static DbError objectOpen() {
        return {kObjectOpenNumber,
                QStringLiteral("Operation is not allowed when the object is open.")};
    }
};
