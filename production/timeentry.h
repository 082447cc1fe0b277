#pragma once

#include <QString>

// The key rules of the start and end time entry: a display "HH:MM" typed digit by digit.
namespace TimeEntry {

// The display after digit d: the colon goes in before the third digit; from five
// characters on nothing changes.
QString typed(const QString& display, int digit);
// The display after backspace: one or no character gives the empty text, two to five lose
// their last character, more stay unchanged.
QString backspaced(const QString& display);

enum class Check {
    Accepted,   // handed back as it is
    Wrong,      // hours from "24" on (compared as text) or minutes from 60 on
    Incomplete, // its last two characters are not a number: nothing is handed back
};
Check check(const QString& display);

} // namespace TimeEntry
