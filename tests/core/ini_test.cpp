#include "core/inifile.h"
#include "core/localsettings.h"
#include "core/modbas.h"
#include "core/modini.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {
class IniTest : public TestEnv {
protected:
    void writeConf(const QByteArray& text) {
        QFile f(path(QStringLiteral("conf.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void start() {
        gfINI_WRITE_DEFAULTS();
        gfINI_READ();
    }
};
} // namespace

TEST_F(IniTest, NoFileCreatesBothSectionsInWriteOrder) {
    start();
    EXPECT_EQ(readFile(QStringLiteral("conf.ini")),
              QStringLiteral("[DB_SETTING]\nDBNAME=MES_TALVEN\nDBUSER=sa\nDBPWD=!417$dartel\n"
                             "IMIP=127.0.0.1,1433\n\n[FTP_SETTING]\nFTPServer=127.0.0.1,13579\n"
                             "FTPPort=21\nFTPUser=pelt\nFTPPass=pelt\n"));
    EXPECT_EQ(gsDB_NAME, QStringLiteral("MES_TALVEN"));
    EXPECT_EQ(gsDB_USER, QStringLiteral("sa"));
    EXPECT_EQ(gsDB_PWD, QStringLiteral("!417$dartel"));
    EXPECT_EQ(gsDB_SERVER, QStringLiteral("127.0.0.1,1433"));
    EXPECT_EQ(gsFTP_SERVER, QStringLiteral("127.0.0.1,13579"));
    EXPECT_EQ(gnFTP_PORT, 21);
    EXPECT_EQ(gsFTP_USER, QStringLiteral("pelt"));
    EXPECT_EQ(gsFTP_PASS, QStringLiteral("pelt"));
    EXPECT_TRUE(gsCOM_GB.isEmpty());
    EXPECT_TRUE(gsWORK_CD.isEmpty());
}

TEST_F(IniTest, HandEditsOfWrittenKeysAreResetOthersSurviveTrimmed) {
    writeConf(
        "; plant terminal\r\n[db_setting]\r\nimip = 10.9.9.9,1433\r\nDbName=OTHER\r\n"
        "COMGB=  X1  \r\n\r\n[WORK_INFO]\r\nWorkCd=\r\n[LOCAL_SETTING]\r\nBackend=sqlite\r\n");
    start();
    start(); // a second start must give the same
    EXPECT_EQ(gsDB_SERVER, QStringLiteral("127.0.0.1,1433"));
    EXPECT_EQ(gsDB_NAME, QStringLiteral("MES_TALVEN"));
    EXPECT_EQ(gsCOM_GB, QStringLiteral("X1"));
    EXPECT_TRUE(gsWORK_CD.isEmpty());
    EXPECT_TRUE(LocalSettings::current().useSqlite());
    const QString text = readFile(QStringLiteral("conf.ini"));
    // Keys are replaced in their own section, whatever their case; nothing is duplicated.
    EXPECT_EQ(text.count(QStringLiteral("[DB_SETTING]"), Qt::CaseInsensitive), 1);
    EXPECT_EQ(text.count(QStringLiteral("IMIP="), Qt::CaseInsensitive), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("COMGB=  X1  \r\n")));
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("; plant terminal\r\n[db_setting]\r\nimip=127.0.0.1,1433\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("DBUSER=sa\r\n")));
}

TEST_F(IniTest, LongValuesAreCutAt254BytesWithoutSplittingACharacter) {
    struct Case {
        QString value;
        QString expected;
    };
    const QString ascii(300, QLatin1Char('a'));
    const QString korean(100, QChar(0xAC00)); // three bytes each in UTF-8
    const Case cases[] = {{ascii, ascii.left(254)}, {korean, korean.left(84)}};
    for (const Case& c : cases) {
        writeConf("[DB_SETTING]\nCOMGB=" + c.value.toUtf8() + "\n");
        start();
        EXPECT_EQ(gsCOM_GB, c.expected);
    }
}

TEST_F(IniTest, NulsAreRemovedAndNonNumericPortReadsZero) {
    const char raw[] = "[FTP_SETTING]\nFTPPort=abc\nFTPUser=pe\0lt\n";
    writeConf(QByteArray(raw, sizeof(raw) - 1));
    gfINI_READ();
    EXPECT_EQ(gnFTP_PORT, 0);
    EXPECT_EQ(gsFTP_USER, QStringLiteral("pelt"));
    EXPECT_EQ(gsDB_NAME, QStringLiteral("None"));
    EXPECT_EQ(gsDB_USER, QStringLiteral("None"));
    EXPECT_TRUE(gsDB_PWD.isEmpty());
}

TEST_F(IniTest, UnreadableFileGivesMissingKeyValues) {
    // A folder in place of the file can be neither read nor written, even by root.
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("conf.ini")));
    start();
    EXPECT_EQ(gsDB_NAME, QStringLiteral("None"));
    EXPECT_EQ(gsDB_USER, QStringLiteral("None"));
    EXPECT_TRUE(gsDB_SERVER.isEmpty());
    EXPECT_EQ(gnFTP_PORT, 0);
}

TEST_F(IniTest, ReadOnlyFileIsReadAsItStands) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    writeConf("[DB_SETTING]\nDBNAME=HAND\n");
    QFile::setPermissions(path(QStringLiteral("conf.ini")), QFile::ReadOwner);
    start();
    EXPECT_EQ(gsDB_NAME, QStringLiteral("HAND"));
    EXPECT_EQ(gsDB_USER, QStringLiteral("None"));
}

// Where no temporary file can be made beside conf.ini, the file itself is rewritten, so hand
// edits of the written keys still do not outlive a start. A directory in the way of the
// temporary name stops it even for root; a read-only folder does so for everybody else.
TEST_F(IniTest, NoTemporaryFilePossibleRewritesInPlace) {
    const QString conf = path(QStringLiteral("conf.ini"));
    for (const bool readOnlyFolder : {false, true}) {
        if (readOnlyFolder && geteuid() == 0)
            continue;
        writeConf("[DB_SETTING]\nIMIP=10.9.9.9,1433\nDBNAME=HAND\nCOMGB=X1\n");
        if (readOnlyFolder)
            ASSERT_TRUE(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
        else
            ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("conf.ini.tmp")));
        start();
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(folder()).rmdir(QStringLiteral("conf.ini.tmp"));
        EXPECT_EQ(gsDB_SERVER, QStringLiteral("127.0.0.1,1433")) << readOnlyFolder;
        EXPECT_EQ(gsDB_NAME, QStringLiteral("MES_TALVEN")) << readOnlyFolder;
        EXPECT_EQ(gsCOM_GB, QStringLiteral("X1")) << readOnlyFolder;
        const QString text = readFile(QStringLiteral("conf.ini"));
        EXPECT_TRUE(text.startsWith(
            QStringLiteral("[DB_SETTING]\nIMIP=127.0.0.1,1433\nDBNAME=MES_TALVEN\n")))
            << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("FTPPass=pelt\n"))) << text.toStdString();
    }
    // Everywhere else the new text goes to a temporary file that replaces the old one: a
    // second name of the old file keeps the old text.
    writeConf("[DB_SETTING]\nIMIP=10.9.9.9,1433\n");
    const QString oldName = path(QStringLiteral("conf.old"));
    ASSERT_EQ(::link(QFile::encodeName(conf).constData(), QFile::encodeName(oldName).constData()),
              0);
    start();
    EXPECT_EQ(gsDB_SERVER, QStringLiteral("127.0.0.1,1433"));
    EXPECT_EQ(readFile(QStringLiteral("conf.old")),
              QStringLiteral("[DB_SETTING]\nIMIP=10.9.9.9,1433\n"));
    EXPECT_FALSE(QFile::exists(conf + QStringLiteral(".tmp")));
}

TEST(IniFileTest, FirstOfDuplicatesWinsAndQuotesAreDropped) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x.ini"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[A]\nk=\"one\"\nK=two\n[a]\nk=three\n");
    f.close();
    const IniFile ini(file);
    EXPECT_EQ(ini.read(QStringLiteral("a"), QStringLiteral("K"), QString()), QStringLiteral("one"));
    EXPECT_EQ(ini.read(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("def")),
              QStringLiteral("def"));
    EXPECT_TRUE(ini.write(QStringLiteral("a"), QStringLiteral("new"), QStringLiteral("v")));
    EXPECT_EQ(ini.read(QStringLiteral("A"), QStringLiteral("NEW"), QString()), QStringLiteral("v"));
}
