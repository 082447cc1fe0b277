#include "app/scriptedstart.h"

#include "core/platform/clock.h"
#include "ui/common/replayrunner.h"
#include "ui/common/replayscript.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {
void printError(const QString& text) {
    const QByteArray bytes = QStringLiteral("Report_TALVEN: %1\n").arg(text).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// Ends every event loop with the status, also one a window's code opens after the first
// request (an interrupted modal window may open another).
void endProgram(int status) {
    QCoreApplication::exit(status);
    auto* again = new QTimer(QCoreApplication::instance());
    QObject::connect(again, &QTimer::timeout, QCoreApplication::instance(),
                     [status] { QCoreApplication::exit(status); });
    again->start(50);
}
} // namespace

bool ScriptedStart::prepare(const QStringList& arguments) {
    m_options = StartOptions::parse(arguments);
    if (!m_options.error.isEmpty()) {
        printError(m_options.error);
        return false;
    }
    QList<ReplayStep> steps;
    if (!m_options.replayFile.isEmpty()) {
        QString error;
        steps = ReplayScript::readFile(m_options.replayFile, &error);
        if (!error.isEmpty()) {
            printError(
                QStringLiteral("cannot read the script %1: %2").arg(m_options.replayFile, error));
            return false;
        }
    }
    if (clockGiven())
        Clock::setRunningFrom(m_options.clock);
    if (!m_options.replayFile.isEmpty()) {
        m_runner = new ReplayRunner(std::move(steps), ReplayOutput::standard(),
                                    QCoreApplication::instance());
        QObject::connect(m_runner, &ReplayRunner::finished, QCoreApplication::instance(),
                         [](int status) { endProgram(status); });
    }
    return true;
}

void ScriptedStart::start() {
    if (m_runner)
        m_runner->start();
}

int ScriptedStart::exitStatus(int programStatus) {
    return m_runner ? m_runner->conclude() : programStatus;
}
