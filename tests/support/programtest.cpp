#include "tests/support/programtest.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

void ProgramTest::write(const QString& name, const QByteArray& text) {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void ProgramTest::installProgram(const QString& executable, const QString& fixture) {
    m_program = path(QFileInfo(executable).fileName());
    ASSERT_TRUE(QFile::copy(executable, m_program)) << executable.toStdString();
    createPlantDatabase(QStringLiteral("MES_TALVEN"), fixture);
    web.serve("/TALVEN/Report_TALVEN_Version.txt", 200, "1.00");
    web.serve("/PLX/no_photo.gif", 200, "GIF89a", "image/gif");
    write(QStringLiteral("Report_TALVEN_Version.txt"), "1.00\n");
    write(QStringLiteral("conf.ini"),
          "[LOCAL_SETTING]\nBackend=sqlite\nDataFolder=" + path(QStringLiteral("data")).toUtf8() +
              "\nLocalIp=127.0.0.1\nWebServer=" + web.url(QString()).toUtf8() + "\nSetClock=0\n");
}

ProgramRun ProgramTest::run(const QStringList& arguments, int guardMs) {
    QProcess p;
    p.setProgram(m_program);
    p.setArguments(arguments);
    p.setWorkingDirectory(folder());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
#ifdef Q_OS_LINUX
    // The program never outlives the test, even one that is killed.
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        ADD_FAILURE() << "the program did not end; stopped";
        p.kill();
    });
    p.start();
    guard.start(guardMs);
    loop.exec();
    if (p.state() != QProcess::NotRunning)
        p.waitForFinished();
    ProgramRun r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString ProgramTest::mesSql(const QString& tool, const QString& sql) {
    QProcess p;
    p.start(tool, {QStringLiteral("--db"), dbFile(), QStringLiteral("-e"), sql});
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("<mes-sql did not end>");
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString ProgramTest::mesSqlRows(const QString& tool, const QString& sql) {
    QStringList lines = mesSql(tool, sql).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst(); // the column names
    for (QString& l : lines)
        l.replace(QLatin1Char('\t'), QLatin1Char('|'));
    return lines.join(QLatin1Char(';'));
}
