#include "core/platform/systemservices.h"

#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <ctime>
#endif

namespace {
class RealSystemServices : public SystemServices {
public:
    bool startDetached(const QString& program) override {
        return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
    }

    bool setLocalTime(const QDateTime& t, QString* reason) override {
#ifdef Q_OS_WIN
        SYSTEMTIME st{};
        st.wYear = WORD(t.date().year());
        st.wMonth = WORD(t.date().month());
        st.wDay = WORD(t.date().day());
        st.wHour = WORD(t.time().hour());
        st.wMinute = WORD(t.time().minute());
        st.wSecond = WORD(t.time().second());
        if (SetLocalTime(&st))
            return true;
        if (reason)
            *reason = QStringLiteral("SetLocalTime failed (%1)").arg(GetLastError());
        return false;
#else
        const qint64 ms = t.toMSecsSinceEpoch();
        timespec ts{};
        ts.tv_sec = time_t(ms / 1000);
        ts.tv_nsec = long(ms % 1000) * 1000000L;
        if (clock_settime(CLOCK_REALTIME, &ts) == 0)
            return true;
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
#endif
    }
};

SystemServices* g_installed = nullptr;
} // namespace

SystemServices& SystemServices::current() {
    static RealSystemServices real;
    return g_installed ? *g_installed : real;
}

void SystemServices::install(SystemServices* services) {
    g_installed = services;
}
