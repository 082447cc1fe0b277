#include "core/modfn.h"

#include "core/modbas.h"
#include "core/notifier.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"
#include "core/platform/textcodec.h"

#include <QFile>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
ReconnectHook g_reconnectHook = nullptr;
} // namespace

void setErrLogReconnectHook(ReconnectHook hook) {
    g_reconnectHook = hook;
}

QString gfSQL_STR(const QVariant& value) {
    if (value.isNull())
        return QString();
    QString text = value.toString();
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return text;
}

void gfMSG_INFO(const QString& text) {
    Notifier::current().message(Notifier::Icon::Information, QStringLiteral("알림"), text);
}

QString errLogRecord(const DbError& err, const QString& message, const QString& location,
                     const QDateTime& at) {
    QString record;
    if (err.number != 0) {
        record = QLatin1Char('[') + at.toString(QStringLiteral("yyyy년MM월dd일 HH시mm분ss초")) +
                 QLatin1Char(']') + kCrLf + QStringLiteral("ERR NO(") +
                 QString::number(err.number) + QStringLiteral(") : ") + err.description +
                 QStringLiteral("     ");
    }
    if (!location.trimmed().isEmpty()) {
        if (!record.trimmed().isEmpty())
            record += kCrLf;
        record += QStringLiteral("ERR LOCATION : ") + location + QStringLiteral(" / ") + message +
                  kCrLf + kCrLf;
    }
    return record;
}

QString errLogFile(const QDateTime& at) {
    return AppPaths::file(at.toString(QStringLiteral("yyyyMM")) + QStringLiteral(".err"));
}

void gfERR_LOG(const DbError& err, const QString& message, const QString& location) {
    if (gRs.isOpen())
        gRs.close();
    if (gConClosed() && g_reconnectHook)
        g_reconnectHook();
    if (!message.isEmpty())
        Notifier::current().message(Notifier::Icon::None, appTitle(), message);
    Notifier::current().setBusy(false);
    const QDateTime now = Clock::now();
    QFile f(errLogFile(now));
    // A log that cannot be opened or written loses this record silently.
    if (f.open(QIODevice::WriteOnly | QIODevice::Append))
        f.write(TextCodec::toSystem(errLogRecord(err, message, location, now) + kCrLf));
}
