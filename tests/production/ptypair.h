#pragma once

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

// A pseudo-terminal pair standing in for the label printer's serial line: the program
// opens the slave path as its port, the test reads what arrived on the master. The test
// keeps a slave descriptor of its own open, so the port's closing does not hang the line
// up before the master is read. Both ends are closed on destruction.
class PtyPair {
public:
    PtyPair() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
        m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() {
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return m_master >= 0 && m_slave >= 0; }
    const QString& slavePath() const { return m_slavePath; }

    // Everything written to the slave so far (the writer has finished: nothing is waited for).
    QByteArray readAll() {
        QByteArray out;
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n <= 0)
                break;
            out.append(buf, qsizetype(n));
        }
        return out;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
