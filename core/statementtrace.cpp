#include "core/statementtrace.h"

#include "core/localsettings.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"

#include <QDir>
#include <QFile>

namespace {
QString flat(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return text;
}
} // namespace

StatementTrace::StatementTrace(QString location, QString text)
    : m_location(std::move(location)), m_text(std::move(text)), m_on(enabled()) {
    if (m_on)
        m_timer.start();
}

bool StatementTrace::enabled() {
    return !LocalSettings::current().traceFile.trimmed().isEmpty();
}

QString StatementTrace::line(const QString& when, const QString& location, qint64 micros,
                             qint64 rows, const DbError& err, const QString& text) {
    const QString error =
        err.isSet() ? QStringLiteral("error %1: %2").arg(err.number).arg(flat(err.description))
                    : QStringLiteral("ok");
    return QStringList{when,
                       location,
                       QString::number(micros) + QStringLiteral("us"),
                       QStringLiteral("rows=") + QString::number(rows),
                       error,
                       flat(text)}
               .join(QLatin1Char('\t')) +
           QLatin1Char('\n');
}

void StatementTrace::finish(qint64 rows, const DbError& err) {
    if (!m_on)
        return;
    const qint64 micros = m_timer.nsecsElapsed() / 1000;
    const QString name = LocalSettings::current().traceFile.trimmed();
    QFile f(QDir::isAbsolutePath(name) ? name : AppPaths::file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QString when = Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    f.write(line(when, m_location, micros, rows, err, m_text).toUtf8());
}
