#include "core/download.h"
#include "tests/support/loopbackhttpserver.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QSignalSpy>

namespace {
class DownLoadTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        ASSERT_TRUE(server.isListening());
        dn.setTransferTimeout(5000);
        QObject::connect(&dn, &DownLoad::StatusChange, &dn,
                         [this](const QString& s) { statuses << s; });
        QObject::connect(&dn, &DownLoad::DLECode, &dn, [this](qint32 c) { codes << c; });
        QObject::connect(&dn, &DownLoad::DLError, &dn, [this](const QString& e) { errors << e; });
    }
    void fetch(const QString& urlPath, const QString& save) {
        dn.setUrl(server.url(urlPath));
        dn.GetFileInformation();
        if (dn.FileSize() > 0)
            dn.setSaveLocation(save);
        dn.DownLoadFile();
    }
    QByteArray content(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeFile(const QString& file, const QByteArray& data) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    LoopbackHttpServer server;
    DownLoad dn{nullptr};
    QStringList statuses, errors;
    QList<qint32> codes;
};
} // namespace

TEST_F(DownLoadTest, OkReplacesFileAndLastOneByteChunkIsWritten) {
    const QByteArray body = QByteArray(2048, 'x') + "y"; // the last chunk is one byte
    server.serve("/PLX/no_photo.gif", 200, body, "image/gif");
    const QString pic = path(QStringLiteral("no_photo.gif"));
    writeFile(
        pic, QByteArray(
                 5000, 'o')); // longer than the new one: must be replaced, not overwritten in place
    QSignalSpy complete(&dn, &DownLoad::DLComplete);
    QSignalSpy percent(&dn, &DownLoad::Percent);
    fetch(QStringLiteral("/PLX/no_photo.gif"), pic);
    EXPECT_EQ(dn.FileSize(), 2049);
    EXPECT_TRUE(dn.FileExists());
    EXPECT_FALSE(dn.InDL());
    EXPECT_EQ(content(pic), body);
    EXPECT_EQ(complete.count(), 1);
    EXPECT_EQ(percent.last().at(0).toInt(), 100);
    EXPECT_TRUE(codes.isEmpty());
    EXPECT_EQ(statuses.first(), QStringLiteral("Initiating Connection."));
    EXPECT_TRUE(statuses.contains(QStringLiteral("Retrieving File Information Complete!")));
    EXPECT_TRUE(
        statuses.contains(QStringLiteral("Opening ") + pic + QStringLiteral(" For DATA Input.")));
    EXPECT_EQ(statuses.last(), QStringLiteral("Download Successful!"));
}

TEST_F(DownLoadTest, RefusalsGiveTheirCodesAndLeaveThePictureAlone) {
    struct Case {
        int status;
        qint32 code;
        QString error;
        bool exists;
    };
    const Case cases[] = {{401, 401, QStringLiteral("Unauthorized Access!"), true},
                          {403, 403, QStringLiteral("Access Denied!"), true},
                          {404, 2, QStringLiteral("File Not Found!"), false},
                          {500, 3, QStringLiteral("Error Reading File Headers."), true}};
    const QString pic = path(QStringLiteral("no_photo.gif"));
    const QString def = path(QStringLiteral("File1.tmp"));
    for (const Case& c : cases) {
        codes.clear();
        errors.clear();
        writeFile(pic, "old");
        writeFile(def, "junk");
        server.serve("/p", c.status, "error page");
        dn.setSaveLocation(def);
        fetch(QStringLiteral("/p"), pic);
        EXPECT_EQ(dn.FileSize(), 0) << c.status;
        EXPECT_EQ(dn.FileExists(), c.exists) << c.status;
        ASSERT_FALSE(codes.isEmpty());
        EXPECT_EQ(codes.first(), c.code) << c.status;
        EXPECT_EQ(errors.first(), c.error) << c.status;
        EXPECT_EQ(content(pic), QByteArray("old")) << c.status;
        EXPECT_EQ(content(def), QByteArray()) << c.status; // the default location is emptied
    }
}

TEST_F(DownLoadTest, MissingContentLengthAndNoServerAreHeaderErrors) {
    server.serveRaw("/nolen", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nbody without size");
    dn.setUrl(server.url(QStringLiteral("/nolen")));
    dn.GetFileInformation();
    EXPECT_EQ(codes, QList<qint32>{3});
    EXPECT_EQ(statuses.last(), QStringLiteral("Error Reading File Headers!"));
    EXPECT_EQ(dn.FileSize(), 0);
    codes.clear();
    const quint16 port = server.serverPort();
    server.close();
    dn.setUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(port));
    dn.GetFileInformation();
    EXPECT_EQ(codes, QList<qint32>{3});
    EXPECT_FALSE(dn.FileExists());
}

TEST_F(DownLoadTest, ShortBodyKeepsTheOldFile) {
    server.serveRaw(
        "/short", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nonly ten b");
    const QString pic = path(QStringLiteral("no_photo.gif"));
    writeFile(pic, "old picture");
    fetch(QStringLiteral("/short"), pic);
    EXPECT_EQ(content(pic), QByteArray("old picture"));
    EXPECT_TRUE(codes.contains(1));
    EXPECT_TRUE(errors.contains(QStringLiteral("Error Downloading File from : ") +
                                server.url(QStringLiteral("/short"))));
}

TEST(DownLoadTextTest, RateAndTimeLeft) {
    const std::pair<double, const char*> rates[] = {
        {0, "0 Bytes/S"},   {1023, "1023 Bytes/S"}, {1023.6, "1024 Bytes/S"}, {1024, "1 KB/S"},
        {1536, "1.5 KB/S"}, {10000, "9.77 KB/S"},   {1048575, "1024 KB/S"},   {1048576, ""}};
    for (const auto& [r, text] : rates)
        EXPECT_EQ(DownLoad::rateText(r), QString::fromLatin1(text)) << r;
    const std::pair<double, const char*> times[] = {
        {0, "0 sec"},         {59, "59 sec"},       {60, "1 min 0 sec"}, {3599, "59 min 59 sec"},
        {3600, "1 hr 0 min"}, {7384, "2 hr 3 min"}, {-5, "0 sec"}};
    for (const auto& [t, text] : times)
        EXPECT_EQ(DownLoad::timeLeftText(t), QString::fromLatin1(text)) << t;
}
