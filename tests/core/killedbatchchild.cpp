// Runs one three-statement batch on the database file of its first argument and stops before
// the statement (or, at 4, the commit) of its second argument: it prints "ready" and waits
// to be killed. 0 runs the batch through.
#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/faultyconnection.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const int pauseAt = QByteArray(argv[2]).toInt();
    auto con = std::make_unique<SqliteConnection>(QString(), QString(), embeddedDialect());
    con->setFile(QString::fromLocal8Bit(argv[1]));
    DbError e;
    if (!con->open(&e))
        return 2;
    auto faulty = std::make_unique<FaultyConnection>(std::move(con));
    faulty->setBeforeStatement([pauseAt](int k) {
        if (k != pauseAt)
            return;
        std::puts("ready");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    });
    gCon = std::move(faulty);
    const bool ok = gfEXEC_SQLS({QStringLiteral("INSERT INTO T (id, name) VALUES (4, N'넷')"),
                                 QStringLiteral("UPDATE U SET total = total + 4"),
                                 QStringLiteral("DELETE FROM T WHERE id = 1")},
                                QStringLiteral("child"));
    gCon.reset();
    return ok ? 0 : 1;
}
