// Loading a grid from statements against a real SQLite database.
#include "gridfixture.h"

#include "core/data/dberror.h"
#include "core/modbas.h"
#include "core/moddb.h"

namespace {
const QString kItems =
    QStringLiteral("CREATE TABLE items (code TEXT, qty REAL, memo TEXT, extra TEXT);"
                   "INSERT INTO items VALUES ('A1', 1200.5, '첫째', 'x');"
                   "INSERT INTO items VALUES ('B2', 3, NULL, 'y');"
                   "INSERT INTO items VALUES ('C3', NULL, '셋째', 'z');");

class BindTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        createDatabase(QStringLiteral("plant"), kItems);
        ASSERT_TRUE(gfDB_OPEN());
        layout();
    }
    int load(const QString& sql) { return spread->SetbindRS(sql, QStringLiteral("frm_S_test")); }
    QString log() const { return readFile(QStringLiteral("202403.err")); }
};

TEST_F(BindTest, LoadsRowsByPosition) {
    EXPECT_EQ(load(QStringLiteral("SELECT code, qty, memo FROM items ORDER BY code")), 3);
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C3")}));
    EXPECT_EQ(column(QStringLiteral("qty")),
              (QStringList{QStringLiteral("1,200.50"), QStringLiteral("3.00"), QString()}));
    EXPECT_EQ(spread->ValueWithColID(QStringLiteral("qty"), 3), QVariant(0));
    EXPECT_EQ(column(QStringLiteral("memo")),
              (QStringList{QStringLiteral("첫째"), QString(), QStringLiteral("셋째")}));
    EXPECT_EQ(marks(), (QStringList{QString(), QString(), QString()}));
    EXPECT_FALSE(notifier.busy());
    EXPECT_TRUE(notifier.shown.isEmpty());
}

TEST_F(BindTest, MoreOrFewerResultColumnsThanGridColumns) {
    EXPECT_EQ(load(QStringLiteral("SELECT code, qty, memo, extra FROM items ORDER BY code")), 3);
    EXPECT_EQ(spread->MaxCols(), 3);
    EXPECT_EQ(spread->GetText(3, 1), QStringLiteral("첫째"));
    EXPECT_EQ(load(QStringLiteral("SELECT extra FROM items ORDER BY code")), 3);
    EXPECT_EQ(column(QStringLiteral("code")),
              (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    EXPECT_EQ(column(QStringLiteral("memo")), (QStringList{QString(), QString(), QString()}));
}

TEST_F(BindTest, NoRowsKeepsHeadersAndLayout) {
    load(QStringLiteral("SELECT code, qty, memo FROM items ORDER BY code"));
    EXPECT_EQ(load(QStringLiteral("SELECT code, qty, memo FROM items WHERE code = 'none'")), 0);
    EXPECT_EQ(spread->MaxRows(), 0);
    EXPECT_EQ(spread->MaxCols(), 3);
    EXPECT_EQ(spread->GetText(2, -1000), QStringLiteral("수량"));
    EXPECT_EQ(spread->GetColID(3), QStringLiteral("memo"));
    EXPECT_EQ(spread->GetCellType(2, 1), 13);
}

TEST_F(BindTest, LoadingDropsMarksAndCellSettingsOfTheOldRows) {
    load(QStringLiteral("SELECT code, qty, memo FROM items ORDER BY code"));
    spread->InsertRow();
    spread->SetColor(1, 1, 2, 2, Qt::red);
    load(QStringLiteral("SELECT code, qty, memo FROM items ORDER BY code"));
    EXPECT_EQ(marks(), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(spread->GetColor(1, 2),
              QString::number(255 + 255 * 256 + 255 * 65536)); // locked key column
    EXPECT_EQ(spread->GetColor(3, 2),
              QString::number(255 + 255 * 256 + 192 * 65536)); // column colour back
}

TEST_F(BindTest, FillSpreadCellByCellPastSixteenBitCounters) {
    // 40 000 rows: more than a 16-bit counter holds.
    execNative(dbFile(),
               QStringLiteral("CREATE TABLE many (n INTEGER);"
                              "WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s "
                              "WHERE n < 40000) INSERT INTO many SELECT n FROM s;"));
    spread->SetInit(0, 1, 35, 0, 12, false, true, false, QStringLiteral("1"), true);
    spread->SetColType(1, QString(), QStringLiteral("n"), 10, QString(), 13, 9, 0, false, 1, 2,
                       false, true, false, false);
    ASSERT_TRUE(spread->fillSpread(QStringLiteral("SELECT n FROM many ORDER BY n")));
    EXPECT_EQ(spread->MaxRows(), 40000);
    EXPECT_EQ(spread->GetValue(1, 40000), QStringLiteral("40000"));
    DbError e;
    EXPECT_FALSE(spread->fillSpread(QStringLiteral("SELECT nosuch FROM many"), &e));
    EXPECT_TRUE(e.isSet());
}
} // namespace
