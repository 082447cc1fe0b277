#include "core/data/sqlitesession.h"
#include "core/platform/clock.h"
#include "core/tsql/tsqldialect.h"
#include "tests/core/tsql/tsqldb.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TsqlDialectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
    }
    void TearDown() override { Clock::reset(); }
    QString file(const char* name = "MES_TEST.sqlite") const {
        return m_dir.filePath(QString::fromLatin1(name));
    }
    QTemporaryDir m_dir;
};

// The material query of the lot input screen: one form when the server has no
// ##TEMP_REAL_LOT, the other when it has.
QString materialQuery() {
    const QStringList common = {QStringLiteral("SELECT distinct B_PM.product_code"),
                                QStringLiteral("        ,B_C.car_name"),
                                QStringLiteral("        ,B_PM.type"),
                                QStringLiteral("        ,B_PM.pumbun"),
                                QStringLiteral("        ,B_PM.eono"),
                                QStringLiteral("        ,B_PM.product_name"),
                                QStringLiteral("        ,B_BOM2.usage")};
    const QStringList from = {
        QStringLiteral("FROM B_BOM B_BOM"),
        QStringLiteral("JOIN B_BOM B_BOM2 ON B_BOM.bom_code = B_BOM2.high_bom_code"),
        QStringLiteral("JOIN B_PRODUCT_MASTER B_PM On B_BOM2.product_code = B_PM.product_code"),
        QStringLiteral("JOIN B_CAR B_C On B_PM.car_code = B_C.car_code")};
    QStringList l;
    l << QStringLiteral("IF OBJECT_ID(N'TEMPDB..##TEMP_REAL_LOT', N'U') IS NULL")
      << QStringLiteral("BEGIN") << common << QStringLiteral("        ,'0' AS [LOT NO]")
      << QStringLiteral("        ,'0' AS [LOT 재고]")
      << QStringLiteral("        ,'0' AS [투입수량]")
      << QStringLiteral("        ,B_PM.unit_code AS [단위]") << from
      << QStringLiteral("WHERE B_BOM.product_code = 'P1'") << QStringLiteral("END")
      << QStringLiteral("ELSE") << QStringLiteral("BEGIN") << common
      << QStringLiteral("        ,TRT.lot_no AS [LOT NO]")
      << QStringLiteral("        ,ISNULL(TRT.lot_su,'0')  AS [LOT 재고]")
      << QStringLiteral("        ,'' AS [투입수량]")
      << QStringLiteral("        ,B_PM.unit_code AS [단위]") << from
      << QStringLiteral("LEFT JOIN ##TEMP_REAL_LOT TRT On B_PM.product_code = TRT.product_code AND "
                        "TRT.op_seq_sub = '20240305001001'")
      << QStringLiteral("WHERE B_BOM.product_code = 'P1'") << QStringLiteral("END");
    return QLatin1Char('\n') + l.join(QLatin1Char('\n'));
}

const char* const kBom =
    "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'차1')\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, unit_code) VALUES "
    "('P1', 'PN1', N'제품', 'C1', 'EA')\n"
    "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, unit_code) VALUES "
    "('M1', 'MN1', N'자재', 'C1', 'KG')\n"
    "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES ('B1', '', 'P1', 1)\n"
    "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES ('B2', 'B1', 'M1', "
    "2)\n";

} // namespace

TEST_F(TsqlDialectTest, LotQueryTakesBothBranchesOfObjectId) {
    TsqlDb db(file());
    db.loadSchema();
    ASSERT_EQ(db.exec(QString::fromUtf8(kBom)), QString());
    EXPECT_EQ(db.run(materialQuery()), QStringLiteral("M1|차1|NULL|MN1|NULL|자재|2|0|0|0|KG"));
    EXPECT_EQ(db.columns(materialQuery()).mid(7),
              QStringList({QStringLiteral("LOT NO"), QStringLiteral("LOT 재고"),
                           QStringLiteral("투입수량"), QStringLiteral("단위")}));

    // Another program creates the global temporary table: every terminal of the database sees it.
    TsqlDb other(file());
    ASSERT_EQ(other.exec(QStringLiteral(
                  "CREATE TABLE ##TEMP_REAL_LOT (op_seq_sub varchar(14), product_code varchar(20), "
                  "lot_no varchar(30), lot_su numeric(18,3))\n"
                  "INSERT INTO ##TEMP_REAL_LOT VALUES ('20240305001001', 'M1', 'L-7', 12.5)")),
              QString());
    EXPECT_EQ(db.run(materialQuery()), QStringLiteral("M1|차1|NULL|MN1|NULL|자재|2|L-7|12.5||KG"));
    EXPECT_EQ(db.run(QStringLiteral("SELECT lot_no FROM TEMPDB..##TEMP_REAL_LOT")),
              QStringLiteral("L-7"));
    EXPECT_TRUE(QFile::exists(TsqlDialect::companionFile(file())));
}

TEST_F(TsqlDialectTest, ErrorsCarryTheServersNumbers) {
    TsqlDb db(file());
    struct Case {
        const char* text;
        int number;
    } cases[] = {
        {"SELECT CAST('x' AS INT)", 245},
        {"SELECT 1 / 0", 8134},
        {"SELECT CAST('' AS NUMERIC(5,2))", 8114},
        {"SELECT FROM", 102},
        {"SELECT ROW_NUMBER() OVER (ORDER BY 1)", kCommandErrorNumber},
    };
    for (const Case& c : cases) {
        Recordset rs;
        DbError e;
        EXPECT_FALSE(db.connection().select(QString::fromUtf8(c.text), &rs, &e)) << c.text;
        EXPECT_EQ(e.number, c.number) << c.text << " " << e.description.toStdString();
    }
}

TEST_F(TsqlDialectTest, BatchResultIsTheLastSelectAndCountsAllChanges) {
    TsqlDb db(file());
    ASSERT_EQ(db.exec(QStringLiteral("CREATE TABLE T (k int, v varchar(5))")), QString());
    qint64 affected = -1;
    ASSERT_EQ(db.exec(QStringLiteral("INSERT INTO T VALUES (1, 'a'), (2, 'b')\nUPDATE T SET v = "
                                     "'c' WHERE k = 2\nDELETE T WHERE k = 9"),
                      &affected),
              QString());
    EXPECT_EQ(affected, 3);
    EXPECT_EQ(db.run(QStringLiteral("SELECT k FROM T WHERE k = 1\nSELECT v FROM T WHERE k = 2")),
              QStringLiteral("c"));
    // A result of no rows still replaces an earlier one.
    EXPECT_EQ(db.run(QStringLiteral("SELECT k FROM T\nSELECT v FROM T WHERE k = 9")), QString());
}

TEST_F(TsqlDialectTest, ColumnNamesAsTheServerGivesThem) {
    TsqlDb db(file());
    ASSERT_EQ(db.exec(QStringLiteral("CREATE TABLE T (Qty int)")), QString());
    EXPECT_EQ(
        db.columns(QStringLiteral("SELECT qty, qty AS [LOT 수량], ISNULL(qty, 0), T.Qty FROM T")),
        QStringList(
            {QStringLiteral("qty"), QStringLiteral("LOT 수량"), QString(), QStringLiteral("Qty")}));
    EXPECT_EQ(db.columns(QStringLiteral("select convert(char(10),getdate(),120) As "
                                        "SDATE,\nconvert(char(8),getdate(),114) as STIME")),
              QStringList({QStringLiteral("SDATE"), QStringLiteral("STIME")}));
}

TEST_F(TsqlDialectTest, SchemaChangesReachCachedTranslations) {
    TsqlDb db(file());
    ASSERT_EQ(db.exec(QStringLiteral("CREATE TABLE T (n varchar(5))\nINSERT INTO T VALUES ('01')")),
              QString());
    const QString q = QStringLiteral("SELECT n + 1 FROM T");
    EXPECT_EQ(db.run(q), QStringLiteral("2")); // text + int adds
    ASSERT_EQ(
        db.exec(QStringLiteral("DROP TABLE T\nCREATE TABLE T (n int)\nINSERT INTO T VALUES (1)")),
        QString());
    EXPECT_EQ(db.run(q), QStringLiteral("2"));
    ASSERT_EQ(db.exec(QStringLiteral(
                  "DROP TABLE T\nCREATE TABLE T (n varchar(5))\nINSERT INTO T VALUES ('a')")),
              QString());
    EXPECT_TRUE(db.run(q).startsWith(
        QStringLiteral("ERROR: Conversion failed when converting the varchar value 'a'")));
}

TEST_F(TsqlDialectTest, NothingUnknownIsPassedThrough) {
    TsqlDb db(file());
    EXPECT_EQ(
        db.run(QStringLiteral("SELECT sqlite_version()")),
        QStringLiteral("ERROR: unsupported T-SQL: function SQLITE_VERSION at line 1, column 8"));
    EXPECT_EQ(db.run(QStringLiteral("PRAGMA table_info(T)")),
              QStringLiteral("ERROR: Incorrect syntax near 'PRAGMA' at line 1, column 1."));
    EXPECT_EQ(db.run(QStringLiteral("SELECT 1 FROM T WHERE name GLOB 'a*'")),
              QStringLiteral("ERROR: Incorrect syntax near 'GLOB' at line 1, column 28."));
}

TEST_F(TsqlDialectTest, TranslationShowsTheSqliteText) {
    TsqlDb db(file());
    ASSERT_EQ(db.exec(QStringLiteral("CREATE TABLE T (n int, s varchar(5))")), QString());
    QString out;
    DbError e;
    ASSERT_TRUE(db.dialect().translate(
        db.handle(), QStringLiteral("SELECT TOP 1 n + s AS x FROM T WHERE s = 'a'"), &out, &e));
    EXPECT_EQ(out, QStringLiteral("SELECT tsql_check_int((\"n\" + tsql_to_int(\"s\"))) AS \"x\" "
                                  "FROM \"T\" WHERE (\"s\" = 'a' COLLATE TSQL_CI) LIMIT 1;"));
}

// translate() keeps its results; a schema change through the dialect, and a table that
// appears later on another connection, must still reach them.
TEST_F(TsqlDialectTest, KeptTranslationsFollowTheSchema) {
    TsqlDb db(file());
    auto shown = [&](const char* text) {
        QString out;
        DbError e;
        EXPECT_TRUE(db.dialect().translate(db.handle(), QString::fromUtf8(text), &out, &e))
            << e.description.toStdString();
        return out;
    };
    ASSERT_EQ(db.exec(QStringLiteral("CREATE TABLE T (n varchar(5))")), QString());
    EXPECT_TRUE(shown("SELECT n + 1 FROM T").contains(QStringLiteral("tsql_to_int(\"n\")")));
    EXPECT_TRUE(shown("SELECT n + 1 FROM T").contains(QStringLiteral("tsql_to_int(\"n\")")));
    EXPECT_TRUE(
        shown("SELECT n + 1 FROM T WHERE n = 'a'").contains(QStringLiteral("tsql_to_int(\"n\")")));
    ASSERT_EQ(db.exec(QStringLiteral("DROP TABLE T\nCREATE TABLE T (n int)")), QString());
    EXPECT_FALSE(shown("SELECT n + 1 FROM T").contains(QStringLiteral("tsql_to_int")));
    EXPECT_FALSE(
        shown("SELECT n + 1 FROM T WHERE n = 'b'").contains(QStringLiteral("tsql_to_int(\"n\")")));

    const char* global = "SELECT k + 1 FROM ##G";
    EXPECT_TRUE(shown(global).contains(QStringLiteral("tsql_add")));
    TsqlDb other(file());
    ASSERT_EQ(other.exec(QStringLiteral("CREATE TABLE ##G (k int)")), QString());
    EXPECT_TRUE(shown(global).contains(QStringLiteral("tsql_check_int")));
}

// Statements that differ only in their string literals share one translation: every value
// in those places must still give what the statement translated in full gives.
TEST_F(TsqlDialectTest, StatementsOfOneShapeGiveTheResultsOfTheirOwnLiterals) {
    TsqlDb db(file());
    ASSERT_EQ(
        db.exec(QStringLiteral(
            "CREATE TABLE T (n int, s varchar(10))\nINSERT INTO T VALUES (1, 'ab'), (2, '[a]b')")),
        QString());
    struct Case {
        const char* first;
        const char* second;
        const char* check; // run after second; nullptr: second's own result
        const char* expected;
    } cases[] = {
        {"SELECT n FROM T WHERE s = 'ab'", "SELECT n FROM T WHERE s = '[a]b'", nullptr, "2"},
        {"SELECT n + '5' FROM T WHERE n = 1", "SELECT n + 'x' FROM T WHERE n = 1", nullptr,
         "ERROR: Conversion failed when converting the varchar value 'x' to data type int."},
        {"SELECT n FROM T WHERE n IN ('1', '3')", "SELECT n FROM T WHERE n IN ('2', '3')", nullptr,
         "2"},
        {"SELECT CAST('ab' AS VARCHAR(3))", "SELECT CAST('abcdef' AS VARCHAR(3))", nullptr, "abc"},
        {"SELECT COUNT(*) FROM T WHERE s LIKE 'a%'", "SELECT COUNT(*) FROM T WHERE s LIKE '[a]%'",
         nullptr, "ERROR: unsupported T-SQL: LIKE character class"},
        {"SELECT REPLACE(s, '1', 'z') FROM T WHERE n = 1",
         "SELECT REPLACE(s, 'A', 'z') FROM T WHERE n = 1", nullptr, "zb"},
        {"SELECT N'가' + s FROM T WHERE n = 1", "SELECT N'나' + s FROM T WHERE n = 1", nullptr,
         "나ab"},
        {"SELECT DATEDIFF('minute', '2024-03-05 09:00', '2024-03-05 10:00')",
         "SELECT DATEDIFF('hour', '2024-03-05 09:00', '2024-03-05 10:00')", nullptr, "1"},
        {"SELECT DATEDIFF(day, '2024-03-01', '2024-03-05')",
         "SELECT DATEDIFF(day, 'soon', '2024-03-05')", nullptr,
         "ERROR: Conversion failed when converting date and/or time from character string."},
        {"SELECT CASE WHEN OBJECT_ID('T') IS NULL THEN 0 ELSE 1 END",
         "SELECT CASE WHEN OBJECT_ID('X') IS NULL THEN 0 ELSE 1 END", nullptr, "0"},
        // Comments are left out of the shape; a quote inside one is no literal.
        {"SELECT n FROM T WHERE 1=1 -- AND d = '2024-03-04'\nAND s = 'ab'",
         "SELECT n FROM T WHERE 1=1 -- AND d = '2024-03-05'\nAND s = '[a]b'", nullptr, "2"},
        {"SELECT n FROM T /* it's */ WHERE s = '[a]b'", "SELECT n FROM T /* it's */ WHERE s = 'ab'",
         nullptr, "1"},
        // A grouped derived table read without its GROUP BY, and one filtered by another's
        // keys, copy literals into the SQLite text more than once.
        {"SELECT COUNT(*) FROM (SELECT s, MAX(n) AS m FROM T WHERE s = 'ab' GROUP BY s) A",
         "SELECT COUNT(*) FROM (SELECT s, MAX(n) AS m FROM T WHERE s = 'zz' GROUP BY s) A", nullptr,
         "0"},
        {"SELECT B.c FROM (SELECT s, MAX(n) AS n FROM T WHERE s = 'ab' GROUP BY s) A JOIN (SELECT "
         "s, n, COUNT(*) AS c FROM T WHERE s = 'ab' GROUP BY s, n) B ON A.s = B.s AND A.n = B.n",
         "SELECT B.c FROM (SELECT s, MAX(n) AS n FROM T WHERE s = '[a]b' GROUP BY s) A JOIN "
         "(SELECT s, n, COUNT(*) AS c FROM T WHERE s = '[a]b' GROUP BY s, n) B ON A.s = B.s AND "
         "A.n = B.n",
         nullptr, "1"},
        {"UPDATE T SET s = 'cd' WHERE n = 1", "UPDATE T SET s = 'it''s' WHERE n = 1",
         "SELECT s FROM T WHERE n = 1", "it's"},
    };
    for (const Case& c : cases) {
        db.run(QString::fromUtf8(c.first));
        const QString second = db.run(QString::fromUtf8(c.second));
        const QString got = c.check ? db.run(QString::fromUtf8(c.check)) : second;
        EXPECT_TRUE(got.startsWith(QString::fromUtf8(c.expected)))
            << c.second << ": " << got.toStdString();
    }
    // A column alias written as a string is part of the shape.
    EXPECT_EQ(db.columns(QStringLiteral("SELECT 1 AS 'x'")), QStringList{QStringLiteral("x")});
    EXPECT_EQ(db.columns(QStringLiteral("SELECT 1 AS 'y'")), QStringList{QStringLiteral("y")});

    // Once a shape has come twice its translation is shared: the literal is converted when
    // the statement runs, not folded into the text.
    QString out;
    DbError e;
    for (const char* text :
         {"SELECT n + '6' FROM T WHERE n = 2", "SELECT n + '7' FROM T WHERE n = 2"})
        ASSERT_TRUE(db.dialect().translate(db.handle(), QString::fromUtf8(text), &out, &e));
    ASSERT_TRUE(db.dialect().translate(
        db.handle(), QStringLiteral("SELECT n + '8' FROM T WHERE n = 2"), &out, &e));
    EXPECT_TRUE(out.contains(QStringLiteral("tsql_to_int('8')"))) << out.toStdString();
}
