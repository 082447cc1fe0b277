#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/odbcsqlite.h"
#include "tests/support/testenv.h"

#include <QElapsedTimer>
#include <QTcpServer>

namespace {
// A loopback port that nobody listens on: bound once, then released.
quint16 closedLoopbackPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
} // namespace

class OdbcTest : public TestEnv {};

// The plant backend on a server that refuses the connection: the configured driver is
// reached (its own cause, not the driver manager's "driver not found"), and the refusal
// comes back at once rather than after the 100-second login time-out. On Linux the
// driver is the FreeTDS one that scripts/install-deps registers under the default name.
TEST_F(OdbcTest, ClosedPortFailsWithDriverCause) {
    const QString driver = LocalSettings::current().odbcDriver;
    ASSERT_TRUE(OdbcSqlite::registeredDrivers().contains(driver))
        << "ODBC driver \"" << driver.toStdString()
        << "\" is not registered (scripts/install-deps)";
    const quint16 port = closedLoopbackPort();
    ASSERT_NE(port, 0);
    LocalSettings::current().backend = QStringLiteral("odbc");
    gsDB_SERVER = QStringLiteral("127.0.0.1,%1").arg(port);
    gsDB_USER = QStringLiteral("sa");
    gsDB_PWD = QStringLiteral("x");
    gsDB_NAME = QStringLiteral("MES_TALVEN");
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(gfDB_OPEN());
    EXPECT_LT(t.elapsed(), 30000) << "a refused connection must not wait for the time-out";
    EXPECT_EQ(gCon, nullptr);
    ASSERT_EQ(notifier.shown.size(), 1);
    const QString text = notifier.shown.first().text;
    const QString head = QStringLiteral("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ");
    ASSERT_TRUE(text.startsWith(head)) << text.toStdString();
    const QString cause = text.mid(head.size());
    EXPECT_TRUE(cause.contains(QStringLiteral("[FreeTDS]"))) << cause.toStdString();
    EXPECT_FALSE(cause.contains(QStringLiteral("[Driver Manager]"))) << cause.toStdString();
    // The helpers report the failure and do not crash without a connection.
    EXPECT_FALSE(gfGET_VALUE(QStringLiteral("SELECT 1"), QStringLiteral("loc")).isValid());
}
