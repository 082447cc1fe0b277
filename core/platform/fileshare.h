#pragma once

#include <QString>

// The network share the inspection pictures live on. On Windows connecting drops any
// earlier connection to the share and makes a new one with the account ("net use", run
// hidden); elsewhere the picture paths are local or mounted and nothing is run. Tests
// install one that records.
class FileShare {
public:
    virtual ~FileShare() = default;
    // Connects to the share; an empty share does nothing. The commands' output is ignored.
    virtual void connect(const QString& share, const QString& user, const QString& password) = 0;

    static FileShare& current();
    // Installs a share (not owned); nullptr goes back to the real one.
    static void install(FileShare* share);
};
