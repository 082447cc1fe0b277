#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

// Host name and resolver list of this computer. The real one asks the operating system;
// tests install one with a fixed list.
class HostResolver {
public:
    virtual ~HostResolver() = default;
    // Empty on failure; errorCode() then tells the system's error number.
    virtual QString hostName() = 0;
    // The addresses the resolver lists for the name, in its order; ok=false when the
    // lookup failed.
    virtual QList<QHostAddress> addresses(const QString& name, bool* ok) = 0;
    virtual int errorCode() const { return 0; }

    static HostResolver& current();
    // Installs a resolver (not owned); nullptr goes back to the system one.
    static void install(HostResolver* resolver);
};
