#pragma once

#include <QString>

// The program folder: where conf.ini, the monthly error logs, the version file and the
// img/ and excel/ folders live. It is the executable's folder unless a test or a tool
// points it elsewhere.
class AppPaths {
public:
    static QString programFolder();
    static void setProgramFolder(const QString& folder);
    // programFolder() + "/" + name.
    static QString file(const QString& name);
};
