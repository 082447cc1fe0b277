#include "core/platform/systemhostresolver.h"

#include <QHostInfo>

#include <cerrno>

QString SystemHostResolver::hostName() {
    const QString name = QHostInfo::localHostName();
    m_error = name.isEmpty() ? errno : 0;
    return name;
}

QList<QHostAddress> SystemHostResolver::addresses(const QString& name, bool* ok) {
    const QHostInfo info = QHostInfo::fromName(name);
    *ok = info.error() == QHostInfo::NoError;
    m_error = int(info.error());
    return info.addresses();
}
