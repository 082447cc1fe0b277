#include "tests/support/terminalpair.h"

#include <QDeadlineTimer>

#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <algorithm>

TerminalPair::~TerminalPair() {
    for (auto& p : m_terminals)
        if (p && p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished();
        }
}

QProcess& TerminalPair::start(int i, const QString& program, const QStringList& arguments) {
    m_terminals[size_t(i)] = std::make_unique<QProcess>();
    QProcess& p = *m_terminals[size_t(i)];
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    return p;
}

bool TerminalPair::awaitReady(int i) {
    QProcess& p = *m_terminals[size_t(i)];
    while (!out[size_t(i)].contains("ready\n")) {
        if (!p.waitForReadyRead(30000))
            return false;
        out[size_t(i)] += p.readAllStandardOutput();
    }
    return true;
}

void TerminalPair::releaseBoth() {
    for (auto& p : m_terminals) {
        p->write("go\n");
        p->waitForBytesWritten();
        p->closeWriteChannel();
    }
}

bool TerminalPair::running() const {
    return std::any_of(m_terminals.begin(), m_terminals.end(),
                       [](const auto& p) { return p && p->state() != QProcess::NotRunning; });
}

bool TerminalPair::drainUntilFinished(int deadlineMs) {
    const QDeadlineTimer deadline(deadlineMs);
    while (running() && !deadline.hasExpired())
        for (size_t i = 0; i < m_terminals.size(); ++i) {
            m_terminals[i]->waitForReadyRead(20);
            out[i] += m_terminals[i]->readAllStandardOutput();
        }
    for (size_t i = 0; i < m_terminals.size(); ++i)
        out[i] += m_terminals[i]->readAllStandardOutput();
    return !running();
}

bool TerminalPair::runTogether(const QString& program,
                               const std::function<QStringList(int)>& arguments, int okLines) {
    for (int i = 0; i < 2; ++i) {
        QProcess& p = start(i, program, arguments(i));
        if (!p.waitForStarted()) {
            ADD_FAILURE() << p.errorString().toStdString();
            return false;
        }
    }
    for (int i = 0; i < 2; ++i)
        if (!awaitReady(i)) {
            ADD_FAILURE() << "terminal " << i
                          << " never got ready: " << out[size_t(i)].toStdString();
            return false;
        }
    releaseBoth();
    if (!drainUntilFinished(300000)) {
        ADD_FAILURE() << "the terminals did not end";
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        const QString text = QString::fromUtf8(out[size_t(i)]);
        EXPECT_EQ((*this)[i].exitCode(), 0) << text.toStdString();
        EXPECT_EQ(text.count(QStringLiteral(" ok ")), okLines) << text.toStdString();
    }
    return true;
}
