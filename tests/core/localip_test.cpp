#include "core/localsettings.h"
#include "core/modip.h"
#include "core/platform/hostresolver.h"
#include "tests/support/testenv.h"

namespace {
class FixedResolver : public HostResolver {
public:
    QString name = QStringLiteral("line-pc");
    QList<QHostAddress> list;
    bool lookupOk = true;
    QString hostName() override { return name; }
    QList<QHostAddress> addresses(const QString& n, bool* ok) override {
        asked = n;
        *ok = lookupOk;
        return list;
    }
    int errorCode() const override { return 10093; }
    QString asked;
};

class LocalIpTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        HostResolver::install(&resolver);
    }
    FixedResolver resolver;
};
} // namespace

TEST_F(LocalIpTest, LastIpv4AddressOfTheResolverListWins) {
    resolver.name = QStringLiteral("  line-pc ");
    resolver.list = {
        QHostAddress(QStringLiteral("10.0.0.5")), QHostAddress(QStringLiteral("fe80::1")),
        QHostAddress(QStringLiteral("192.168.1.20")), QHostAddress(QStringLiteral("::1"))};
    EXPECT_EQ(gfGET_LOCAL_IP(), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(resolver.asked, QStringLiteral("line-pc"));
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_F(LocalIpTest, ConfiguredAddressOverridesTheResolver) {
    resolver.list = {QHostAddress(QStringLiteral("10.0.0.5"))};
    LocalSettings::current().localIp = QStringLiteral("127.0.0.1");
    EXPECT_EQ(gfGET_LOCAL_IP(), QStringLiteral("127.0.0.1"));
}

TEST_F(LocalIpTest, FailuresShowTheirMessageAndGiveEmpty) {
    resolver.name.clear();
    EXPECT_TRUE(gfGET_LOCAL_IP().isEmpty());
    resolver.name = QStringLiteral("pc");
    resolver.lookupOk = false;
    EXPECT_TRUE(gfGET_LOCAL_IP().isEmpty());
    EXPECT_EQ(notifier.texts(), (QStringList{QStringLiteral("Windows Sockets Error 10093"),
                                             QStringLiteral("Winsock.dll is not responding.")}));
    EXPECT_EQ(notifier.shown.first().icon, Notifier::Icon::None);
}
