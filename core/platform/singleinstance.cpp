#include "core/platform/singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>

SingleInstance::SingleInstance(QString lockPath) : m_path(std::move(lockPath)) {}

QString SingleInstance::defaultLockPath() {
    const QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                     : QStringLiteral("Report_TALVEN");
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return lockPathFor(user, exe, QDir::tempPath());
}

QString SingleInstance::lockPathFor(const QString& user, const QString& executable,
                                    const QString& folder) {
    // A NUL cannot occur in either part, so no two pairs join to the same text.
    const QByteArray id =
        QCryptographicHash::hash((user + QChar(0) + executable).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(folder).filePath(QStringLiteral("Report_TALVEN-") + QString::fromLatin1(id) +
                                 QStringLiteral(".lock"));
}

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
    return m_lock->tryLock(0);
}
