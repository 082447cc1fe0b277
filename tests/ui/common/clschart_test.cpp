// Filling a chart from statements against a real SQLite database.
#include "tests/support/testenv.h"

#include "core/data/dberror.h"
#include "core/modbas.h"
#include "core/moddb.h"
#include "ui/common/chartview.h"
#include "ui/common/clschart.h"

#include <QWidget>

#include <memory>

namespace {
const QString kDays = QStringLiteral("CREATE TABLE prod (day TEXT, qty REAL, memo TEXT);"
                                     "INSERT INTO prod VALUES ('03-01', 120, 'a');"
                                     "INSERT INTO prod VALUES ('03-02', 80.5, NULL);"
                                     "INSERT INTO prod VALUES ('03-03', 200, 'c');"
                                     "INSERT INTO prod VALUES ('03-04', 40, 'd');"
                                     "INSERT INTO prod VALUES ('03-05', 95, 'e');"
                                     "INSERT INTO prod VALUES (NULL, 10, 'f');"
                                     "INSERT INTO prod VALUES ('03-07', NULL, 'g');");

class ChartBindTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        createDatabase(QStringLiteral("plant"), kDays);
        ASSERT_TRUE(gfDB_OPEN());
        screen = std::make_unique<QWidget>();
        view = new ChartView(screen.get());
        cc.Spr(view);
    }
    int bind(const QString& where) {
        return cc.SetbindRS(QStringLiteral("SELECT day, qty FROM prod WHERE ") + where +
                                QStringLiteral(" ORDER BY qty"),
                            QStringLiteral("day"), QStringLiteral("qty"),
                            QStringLiteral("frm_S_test"));
    }
    int gantt(const QString& where) {
        return cc.SetbindRSGantt(QStringLiteral("SELECT day, qty FROM prod WHERE ") + where +
                                     QStringLiteral(" ORDER BY day"),
                                 QStringLiteral("DAY"), QStringLiteral("Qty"),
                                 QStringLiteral("frm_S_test"));
    }
    QString log() const { return readFile(QStringLiteral("202403.err")); }
    int logRecords() const { return int(log().count(QStringLiteral("ERR LOCATION : frm_S_test"))); }

    std::unique_ptr<QWidget> screen;
    ChartView* view = nullptr;
    clsChart cc;
};
} // namespace

TEST_F(ChartBindTest, ValuesThenLabelsInRecordOrder) {
    EXPECT_EQ(bind(QStringLiteral("day IN ('03-01', '03-02', '03-03')")), 0);
    ASSERT_EQ(view->providerLists().size(), 2);
    EXPECT_EQ(view->providerLists()[0], (QVariantList{80.5, 120.0, 200.0}));
    EXPECT_EQ(
        view->providerLists()[1],
        (QVariantList{QStringLiteral("03-02"), QStringLiteral("03-01"), QStringLiteral("03-03")}));
    EXPECT_EQ(view->pointLabel(2), QStringLiteral("03-03"));
    EXPECT_EQ(view->value(0, 0), 80.5);
    EXPECT_EQ(view->shownSeriesCount(), 1);
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_FALSE(notifier.busy());
    EXPECT_EQ(log(), QStringLiteral("<missing>"));
}

TEST_F(ChartBindTest, NoRowsGiveEmptyLists) {
    bind(QStringLiteral("day = '03-01'"));
    EXPECT_EQ(bind(QStringLiteral("day = 'none'")), 0);
    ASSERT_EQ(view->providerLists().size(), 2);
    EXPECT_TRUE(view->providerLists()[0].isEmpty());
    EXPECT_TRUE(view->providerLists()[1].isEmpty());
    EXPECT_EQ(view->pointCount(), 0);
    EXPECT_EQ(view->shownSeriesCount(), 0);
}

// Each failure: result 0, one log record with the caller, no message, the chart as it was.
TEST_F(ChartBindTest, FailuresTakeTheErrorPath) {
    struct Case {
        const char* name;
        QString sql;
        QString number;
    } cases[] = {
        {"NULL label", QStringLiteral("SELECT day, qty FROM prod WHERE qty = 10"),
         QStringLiteral("94")},
        {"NULL value", QStringLiteral("SELECT day, qty FROM prod WHERE day = '03-07'"),
         QStringLiteral("94")},
        {"text value", QStringLiteral("SELECT day, memo AS qty FROM prod WHERE day = '03-01'"),
         QStringLiteral("13")},
        {"unknown column", QStringLiteral("SELECT day FROM prod"), QStringLiteral("3265")},
        {"bad statement", QStringLiteral("SELECT nosuch FROM prod"), QString()},
    };
    int records = 0;
    for (const Case& c : cases) {
        bind(QStringLiteral("day = '03-03'"));
        EXPECT_EQ(cc.SetbindRS(c.sql, QStringLiteral("day"), QStringLiteral("qty"),
                               QStringLiteral("frm_S_test")),
                  0)
            << c.name;
        EXPECT_EQ(logRecords(), ++records) << c.name << log().toStdString();
        if (!c.number.isEmpty()) {
            EXPECT_TRUE(log().contains(QStringLiteral("ERR NO(") + c.number + QLatin1Char(')')))
                << c.name << log().toStdString();
        }
        EXPECT_TRUE(notifier.shown.isEmpty()) << c.name;
        EXPECT_FALSE(gRs.isOpen()) << c.name;
        EXPECT_FALSE(notifier.busy()) << c.name;
        EXPECT_EQ(view->pointLabel(0), QStringLiteral("03-03")) << c.name;
    }
}

TEST_F(ChartBindTest, GanttOnClosedConnectionGivesMinus99) {
    gantt(QStringLiteral("day = '03-03'"));
    gCon->close();
    EXPECT_EQ(gantt(QStringLiteral("1 = 1")), -99);
    EXPECT_TRUE(gConClosed());
    EXPECT_EQ(view->pointLabel(0), QStringLiteral("03-03"));
    EXPECT_EQ(log(), QStringLiteral("<missing>"));
}

TEST_F(ChartBindTest, GanttDealsRecordsIntoStartAndEndLists) {
    // Five records: the last bar has no end record.
    EXPECT_EQ(gantt(QStringLiteral("day BETWEEN '03-01' AND '03-05'")), 0);
    const auto& lists = view->providerLists();
    ASSERT_EQ(lists.size(), 4);
    EXPECT_EQ(lists[0], (QVariantList{120.0, 200.0, 95.0}));
    EXPECT_EQ(lists[1], (QVariantList{QStringLiteral("03-01"), QStringLiteral("03-03"),
                                      QStringLiteral("03-05")}));
    EXPECT_EQ(lists[2], (QVariantList{80.5, 40.0}));
    EXPECT_EQ(lists[3], (QVariantList{QStringLiteral("03-02"), QStringLiteral("03-04")}));
    EXPECT_EQ(view->seriesCount(), 2);
    EXPECT_EQ(view->pointCount(), 3);
    EXPECT_FALSE(view->value(1, 2).has_value());

    EXPECT_EQ(gantt(QStringLiteral("day = 'none'")), 0);
    ASSERT_EQ(view->providerLists().size(), 4);
    for (const QVariantList& l : view->providerLists())
        EXPECT_TRUE(l.isEmpty());
}
