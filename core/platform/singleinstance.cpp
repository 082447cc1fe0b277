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
    const QByteArray id =
        QCryptographicHash::hash((user + QLatin1Char('|') + exe).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Report_TALVEN-") + QString::fromLatin1(id) +
                                           QStringLiteral(".lock"));
}

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
    return m_lock->tryLock(0);
}
