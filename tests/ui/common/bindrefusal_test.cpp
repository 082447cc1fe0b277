// The failure path of the grid and chart loading: which errors reopen the connection.
#include "core/data/connection.h"
#include "core/data/dberror.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/testenv.h"
#include "ui/common/bindread.h"

#include <gtest/gtest.h>

namespace {

class BindRefusalTest : public TestEnv {};

// A statement the dialect refuses is the command's fault: the connection and the session's
// temporary tables stay.
TEST_F(BindRefusalTest, RefusedStatementKeepsTheConnectionAndItsTemporaryTables) {
    createPlantDatabase(QStringLiteral("MES"));
    ASSERT_TRUE(gfDB_OPEN());
    DbError e;
    ASSERT_TRUE(gCon->execute(
        QStringLiteral("CREATE TABLE #work (k int)\nINSERT INTO #work VALUES (7)"), nullptr, &e))
        << e.description.toStdString();
    const Connection* before = gCon.get();

    for (const char* text :
         {"SELECT SOUNDEX('a')", "SELECT ROW_NUMBER() OVER (ORDER BY k) FROM #work"}) {
        DbError refused;
        ASSERT_FALSE(
            BindRead::open(QString::fromUtf8(text), QStringLiteral("frm_S_test"), &refused));
        EXPECT_EQ(refused.number, kCommandErrorNumber) << text;
        EXPECT_EQ(BindRead::fail(refused, QStringLiteral("frm_S_test")), 0);
        EXPECT_EQ(gCon.get(), before) << text;
    }

    DbError read;
    ASSERT_TRUE(
        BindRead::open(QStringLiteral("SELECT k FROM #work"), QStringLiteral("frm_S_test"), &read))
        << read.description.toStdString();
    EXPECT_EQ(gRs->value(0, 0).toInt(), 7);
    gRs.close();
}

} // namespace
