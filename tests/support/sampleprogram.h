#pragma once

#include <QString>
#include <QStringList>

// Set-up shared by the test programs that are not tests: the screen samples behind the
// screenshots and the load terminals the concurrency tests start.
namespace SampleProgram {

// A program folder with the embedded demo plant of today as database "demo"; false after
// printing why.
bool createDemoDatabase(const QString& folder);

// A load terminal's arguments <program folder> <database> <first> <count>: the embedded
// backend on that database, the user T<first>, the clock at 2024-03-05 10:00. False after
// printing the usage (the program then ends with 2).
bool setUpLoadTerminal(const QStringList& args, const char* unit, int* first, int* count);

} // namespace SampleProgram
