#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/platform/clock.h"
#include "core/platform/singleinstance.h"
#include "core/platform/systemservices.h"
#include "core/startup/frmsplash.h"
#include "tests/support/loopbackhttpserver.h"
#include "tests/support/testenv.h"
#include "ui/common/modal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
class RecordingServices : public SystemServices {
public:
    QStringList started;
    QList<QDateTime> clockSets;
    bool refuseClock = false;
    bool startDetached(const QString& program) override {
        started << program;
        return true;
    }
    bool setLocalTime(const QDateTime& t, QString* reason) override {
        if (refuseClock) {
            *reason = QStringLiteral("Operation not permitted");
            return false;
        }
        clockSets << t;
        return true;
    }
};

class SplashTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        SystemServices::install(&services);
        writeConf(
            "[LOCAL_SETTING]\nBackend=sqlite\nDataFolder=" + path(QStringLiteral("data")).toUtf8() +
            "\nWebServer=http://127.0.0.1:" + QByteArray::number(web.serverPort()) + "\n");
        web.serve("/PLX/no_photo.gif", 200, "GIF89a-picture", "image/gif");
        web.serve("/TALVEN/Report_TALVEN_Version.txt", 200, "1.05");
        writeLocalVersion("1.05,build 7\n");
    }
    void TearDown() override {
        SystemServices::install(nullptr);
        TestEnv::TearDown();
    }
    void writeConf(const QByteArray& text) { write(QStringLiteral("conf.ini"), text); }
    void writeLocalVersion(const QByteArray& text) {
        write(QStringLiteral("Report_TALVEN_Version.txt"), text);
    }
    void write(const QString& name, const QByteArray& text) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // Runs loading; answers and records every message box.
    bool load(FrmSplash& s) { return s.Form_Load(); }
    std::unique_ptr<FrmSplash> makeSplash() {
        return std::make_unique<FrmSplash>(&instance, [this] { boardsOpened++; });
    }

    RecordingServices services;
    LoopbackHttpServer web;
    SingleInstance instance{path(QStringLiteral("splash.lock"))};
    int boardsOpened = 0;
    QStringList boxes;
    ScopedModalHandler modal{[this](QDialog& d) {
        boxes << static_cast<QMessageBox&>(d).windowTitle() + QLatin1Char('|') +
                     static_cast<QMessageBox&>(d).text();
        return int(QMessageBox::Ok);
    }};
    const QString failText = QStringLiteral(
        "에러|서버에 접속할 수 없습니다. 확인하여 주시기 바랍니다.\r\n시스템을 종료합니다.");
};
} // namespace

TEST_F(SplashTest, LeadingNumberRule) {
    const std::pair<const char*, double> cases[] = {
        {"1.10", 1.1}, {"1.9", 1.9}, {" 2.5abc", 2.5},   {"<html>", 0},
        {"", 0},       {".5", 0.5},  {"1.05\r\n", 1.05}, {"-1", -1}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(FrmSplash::leadingNumber(QString::fromLatin1(text)), value) << text;
}

TEST_F(SplashTest, SecondCopyIsRefused) {
    SingleInstance other(path(QStringLiteral("splash.lock")));
    ASSERT_TRUE(other.acquire());
    auto s = makeSplash();
    EXPECT_FALSE(load(*s));
    EXPECT_TRUE(s->ended());
    EXPECT_EQ(boxes, QStringList{QStringLiteral("알림|이미 실행중입니다.")});
    EXPECT_FALSE(readFile(QStringLiteral("conf.ini")).contains(QStringLiteral("[DB_SETTING]")));
    EXPECT_EQ(web.requests(), 0);
}

TEST_F(SplashTest, UpdaterStartsWhenLocalIsOlderOrMissing) {
    struct Case {
        QByteArray local; // empty: no file
        QByteArray web;
        bool update;
    };
    const Case cases[] = {{"", "0.1", true},       {"1.10", "1.9", true},
                          {"1.9", "1.10", false},  {"1.05", "<html>err</html>", false},
                          {"1.05", "1.05", false}, {",x", "0", true}};
    for (const Case& c : cases) {
        services.started.clear();
        QFile::remove(path(QStringLiteral("Report_TALVEN_Version.txt")));
        if (!c.local.isEmpty())
            writeLocalVersion(c.local);
        web.serve("/TALVEN/Report_TALVEN_Version.txt", 200, c.web);
        auto s = makeSplash();
        EXPECT_EQ(load(*s), !c.update) << c.local.constData() << " vs " << c.web.constData();
        // The updater of the program folder, started once, and nothing else.
        const QStringList updater{path(LocalSettings::current().updater)};
        EXPECT_EQ(services.started, c.update ? updater : QStringList()) << c.local.constData();
        s->Timer1->stop();
    }
    EXPECT_TRUE(boxes.isEmpty());
}

// Every start that ends, during loading or after it, exits with 1; loading ends before the
// event loop runs, so the code must not depend on the loop seeing an exit request.
TEST_F(SplashTest, EarlyEndsExitWithOne) {
    std::unique_ptr<SingleInstance> other;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"second copy",
         [&] {
             other = std::make_unique<SingleInstance>(path(QStringLiteral("splash.lock")));
             ASSERT_TRUE(other->acquire());
         }},
        {"updater", [&] { QFile::remove(path(QStringLiteral("Report_TALVEN_Version.txt"))); }},
        {"database down", [&] { writeLocalVersion("1.05"); }},
        {"web server down", [&] { web.close(); }},
    };
    for (const auto& [name, arrange] : cases) {
        arrange();
        QTimer guard; // ends a loop that would otherwise never end
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        guard.start(20000);
        auto s = makeSplash();
        s->Timer1->setInterval(1);
        EXPECT_EQ(FrmSplash::run(s.get()), 1) << name;
        EXPECT_TRUE(s->ended()) << name;
        EXPECT_EQ(boardsOpened, 0) << name;
        other.reset();
    }
    EXPECT_EQ(services.started.size(), 1);
}

TEST_F(SplashTest, PictureIsRefreshedIntoImgFolder) {
    auto s = makeSplash();
    ASSERT_TRUE(load(*s));
    QFile pic(path(QStringLiteral("img/no_photo.gif")));
    ASSERT_TRUE(pic.open(QIODevice::ReadOnly));
    EXPECT_EQ(pic.readAll(), QByteArray("GIF89a-picture"));
    EXPECT_TRUE(s->Timer1->isActive());
    EXPECT_EQ(s->Timer1->interval(), 1000);
    EXPECT_EQ(s->lbl_msg_1->text(), QStringLiteral("NEBRIK 생산정보화 시스템"));
    EXPECT_EQ(s->Label1->text(), QStringLiteral("시스템을 시작합니다. 잠시 기다려 주십시요."));
}

TEST_F(SplashTest, WebServerDownEndsBeforeTheDatabase) {
    web.close();
    auto s = makeSplash();
    EXPECT_FALSE(load(*s));
    EXPECT_EQ(boxes, QStringList{failText});
    EXPECT_EQ(gCon, nullptr);
    EXPECT_FALSE(s->Timer1->isActive());
    EXPECT_TRUE(services.started.isEmpty());
}

TEST_F(SplashTest, DatabaseDownShowsBothMessagesAndEnds) {
    auto s = makeSplash();
    ASSERT_TRUE(load(*s)); // the database file does not exist
    s->Timer1->setInterval(1);
    QTRY_VERIFY(s->ended());
    EXPECT_EQ(notifier.shown.size(), 1);
    EXPECT_TRUE(notifier.shown.first().text.startsWith(
        QStringLiteral("데이타베이스를 OPEN 할수 없습니다.")));
    EXPECT_EQ(boxes, QStringList{failText});
    EXPECT_EQ(boardsOpened, 0);
}

TEST_F(SplashTest, BoardOpensOnlyAfterTheClockStep) {
    createDatabase(QStringLiteral("MES_TALVEN"), QStringLiteral("CREATE TABLE x (a INTEGER);"));
    writeConf(
        "[LOCAL_SETTING]\nBackend=sqlite\nDataFolder=" + path(QStringLiteral("data")).toUtf8() +
        "\nWebServer=http://127.0.0.1:" + QByteArray::number(web.serverPort()) + "\nSetClock=1\n");
    Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 7)));
    QString labelAtBoard;
    int clockSetsAtBoard = -1;
    QPointer<FrmSplash> alive;
    alive = new FrmSplash(&instance, [&] {
        ++boardsOpened;
        labelAtBoard = alive ? alive->Label1->text() : QString();
        clockSetsAtBoard = int(services.clockSets.size());
    });
    ASSERT_TRUE(alive->Form_Load());
    EXPECT_EQ(boardsOpened, 0);
    EXPECT_TRUE(services.clockSets.isEmpty());
    alive->Timer1->setInterval(1);
    QTRY_COMPARE(boardsOpened, 1);
    EXPECT_EQ(clockSetsAtBoard, 1); // the clock was set before the board opened
    ASSERT_EQ(services.clockSets.size(), 1);
    EXPECT_EQ(services.clockSets.first(), QDateTime(QDate(2024, 3, 5), QTime(10, 0, 7)));
    EXPECT_EQ(labelAtBoard, QStringLiteral("DataBase에 연결중입니다. 잠시 기다려 주십시요."));
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_FALSE(gConClosed());
    EXPECT_TRUE(boxes.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull()); // the splash is gone for good
}

TEST_F(SplashTest, RefusedClockIsLoggedAndStartUpGoesOn) {
    createDatabase(QStringLiteral("MES_TALVEN"), QStringLiteral("CREATE TABLE x (a INTEGER);"));
    writeConf(
        "[LOCAL_SETTING]\nBackend=sqlite\nDataFolder=" + path(QStringLiteral("data")).toUtf8() +
        "\nWebServer=http://127.0.0.1:" + QByteArray::number(web.serverPort()) + "\nSetClock=1\n");
    services.refuseClock = true;
    QPointer<FrmSplash> s(new FrmSplash(&instance, [this] { ++boardsOpened; }));
    ASSERT_TRUE(s->Form_Load());
    s->Timer1->setInterval(1);
    QTRY_COMPARE(boardsOpened, 1);
    EXPECT_TRUE(readFile(QStringLiteral("202403.err"))
                    .contains(QStringLiteral("clock not set: Operation not permitted")));
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_TRUE(notifier.shown.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.isNull());
}

TEST_F(SplashTest, AGivenProgramClockIsKeptAndTheMachineClockLeftAlone) {
    createDatabase(QStringLiteral("MES_TALVEN"), QStringLiteral("CREATE TABLE x (a INTEGER);"));
    writeConf(
        "[LOCAL_SETTING]\nBackend=sqlite\nDataFolder=" + path(QStringLiteral("data")).toUtf8() +
        "\nWebServer=http://127.0.0.1:" + QByteArray::number(web.serverPort()) + "\nSetClock=1\n");
    const QDateTime given(QDate(2024, 12, 10), QTime(8, 0, 0));
    Clock::setFixed(given);
    QPointer<FrmSplash> s(new FrmSplash(&instance, [this] { ++boardsOpened; }));
    s->keepProgramClock(true);
    ASSERT_TRUE(s->Form_Load());
    s->Timer1->setInterval(1);
    QTRY_COMPARE(boardsOpened, 1);
    EXPECT_TRUE(services.clockSets.isEmpty());
    // Following the server would have set the clock running from its answer.
    EXPECT_EQ(Clock::now(), given);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
