#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The start-up options of the scripted terminal: --replay FILE and
// --clock 'yyyy-mm-dd hh:mm:ss'. Other arguments are left to the role choice.
struct StartOptions {
    QString replayFile;
    QDateTime clock; // invalid when not given
    QStringList others;
    QString error; // empty when the options are sound

    // arguments as QCoreApplication::arguments() gives them (the program first).
    static StartOptions parse(const QStringList& arguments);
};
