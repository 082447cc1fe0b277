#pragma once

#include "core/platform/hostresolver.h"

// The operating system's host name and resolver (QHostInfo).
class SystemHostResolver : public HostResolver {
public:
    QString hostName() override;
    QList<QHostAddress> addresses(const QString& name, bool* ok) override;
    int errorCode() const override { return m_error; }

private:
    int m_error = 0;
};
