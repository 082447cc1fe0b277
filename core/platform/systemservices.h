#pragma once

#include <QDateTime>
#include <QString>

// What start-up asks of the operating system: starting the updater and setting the clock.
// The real one acts; tests install one that records.
class SystemServices {
public:
    virtual ~SystemServices() = default;
    // Starts a program with a normal window and does not wait for it.
    virtual bool startDetached(const QString& program) = 0;
    // Sets the machine's local date and time; false with a reason when refused.
    virtual bool setLocalTime(const QDateTime& t, QString* reason) = 0;

    static SystemServices& current();
    // Installs services (not owned); nullptr goes back to the real ones.
    static void install(SystemServices* services);
};
