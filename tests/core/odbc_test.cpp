#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/moddb.h"
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

TEST_F(OdbcTest, ClosedPortFailsWithDriverCause) {
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
    EXPECT_LT(t.elapsed(), 100000);
    EXPECT_EQ(gCon, nullptr);
    ASSERT_EQ(notifier.shown.size(), 1);
    const QString text = notifier.shown.first().text;
    const QString head = QStringLiteral("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ");
    EXPECT_TRUE(text.startsWith(head)) << text.toStdString();
    EXPECT_GT(text.size(), head.size() + 5) << "the driver gave no cause";
    // The helpers report the failure and do not crash without a connection.
    EXPECT_FALSE(gfGET_VALUE(QStringLiteral("SELECT 1"), QStringLiteral("loc")).isValid());
}
