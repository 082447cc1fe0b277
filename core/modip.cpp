#include "core/modip.h"

#include "core/localsettings.h"
#include "core/notifier.h"
#include "core/platform/hostresolver.h"

QString gfGET_LOCAL_IP() {
    const QString over = LocalSettings::current().localIp.trimmed();
    if (!over.isEmpty())
        return over;
    HostResolver& resolver = HostResolver::current();
    const QString name = resolver.hostName();
    if (name.isEmpty()) {
        Notifier::current().message(Notifier::Icon::None, appTitle(),
                                    QStringLiteral("Windows Sockets Error ") +
                                        QString::number(resolver.errorCode()));
        return QString();
    }
    bool ok = false;
    const QList<QHostAddress> list = resolver.addresses(name.trimmed(), &ok);
    if (!ok) {
        Notifier::current().message(Notifier::Icon::None, appTitle(),
                                    QStringLiteral("Winsock.dll is not responding."));
        return QString();
    }
    QString last = QStringLiteral("");
    for (const QHostAddress& a : list) {
        bool v4 = false;
        a.toIPv4Address(&v4);
        if (v4)
            last = QHostAddress(a.toIPv4Address()).toString();
    }
    return last;
}
