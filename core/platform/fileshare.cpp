#include "core/platform/fileshare.h"

#include <QProcess>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
#ifdef Q_OS_WIN
// Runs "net" with the arguments in no window. Waits a few seconds for it so that the
// connection stands before the picture is read (the drop must also end before the connect).
void runNetHidden(const QStringList& arguments) {
    QProcess p;
    p.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* a) { a->flags |= CREATE_NO_WINDOW; });
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("net"), arguments);
    if (p.waitForStarted(3000))
        p.waitForFinished(5000);
}
#endif

class RealFileShare : public FileShare {
public:
    void connect(const QString& share, const QString& user, const QString& password) override {
#ifdef Q_OS_WIN
        if (share.isEmpty())
            return;
        runNetHidden({QStringLiteral("use"), share, QStringLiteral("/d"), QStringLiteral("/y")});
        runNetHidden({QStringLiteral("use"), share, QStringLiteral("/user:") + user, password});
#else
        Q_UNUSED(share);
        Q_UNUSED(user);
        Q_UNUSED(password);
#endif
    }
};

FileShare* installed = nullptr;
} // namespace

FileShare& FileShare::current() {
    static RealFileShare real;
    return installed ? *installed : real;
}

void FileShare::install(FileShare* share) {
    installed = share;
}
