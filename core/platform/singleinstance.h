#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Refuses a second copy of the same executable in the same user's session: a lock file
// in the temporary folder named after the user and the executable's path. The lock is
// held until the object goes away; a crashed copy's stale lock is taken over.
class SingleInstance {
public:
    explicit SingleInstance(QString lockPath = defaultLockPath());
    // True when this is the only running copy.
    bool acquire();

    // The lock of this process: its user and executable, in the temporary folder.
    static QString defaultLockPath();
    // The lock file in `folder` for one user running one executable; the same pair always
    // gives the same name, any other pair another one.
    static QString lockPathFor(const QString& user, const QString& executable,
                               const QString& folder);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
