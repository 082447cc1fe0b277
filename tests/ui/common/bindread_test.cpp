// The read path that the grid and the chart share, run through each of them against a real
// SQLite database: the same statement failures must end the same way for both.
#include "tests/support/testenv.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "tests/support/droppedconnection.h"
#include "ui/common/chartview.h"
#include "ui/common/clschart.h"
#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadview.h"

#include <QWidget>

#include <memory>

namespace {
const QString kDays = QStringLiteral("CREATE TABLE prod (day TEXT, qty REAL);"
                                     "INSERT INTO prod VALUES ('03-01', 120);"
                                     "INSERT INTO prod VALUES ('03-02', 80.5);"
                                     "INSERT INTO prod VALUES ('03-03', 200);");
const QString kCaller = QStringLiteral("frm_S_test");

// A grid with a text column "day" and a number column "qty".
class SpreadBinding {
public:
    SpreadBinding() : m_spread(new clsSpread(&m_screen)) {
        m_spread->Spr(new SpreadView(&m_screen));
        m_spread->SetInit(0, 2, 35, 0, 12, true, true, false, QStringLiteral("1"), true);
        m_spread->SetColType(1, QStringLiteral("일자"), QStringLiteral("day"), 10, QString(), 1, 20,
                             0, false, 0, 2, false, false, false, false);
        m_spread->SetColType(2, QStringLiteral("수량"), QStringLiteral("qty"), 10, QString(), 13, 9,
                             1, false, 1, 2, false, false, false, false);
    }
    int bind(const QString& sql) { return m_spread->SetbindRS(sql, kCaller); }
    // What the user sees: the day column.
    QStringList shown() const {
        QStringList out;
        for (int r = 1; r <= m_spread->MaxRows(); ++r)
            out << m_spread->TextWithColID(QStringLiteral("day"), r);
        return out;
    }

private:
    QWidget m_screen;
    clsSpread* m_spread;
};

// A chart with "day" as point labels and "qty" as values.
class ChartBinding {
public:
    ChartBinding() : m_view(new ChartView(&m_screen)) { m_chart.Spr(m_view); }
    int bind(const QString& sql) {
        return m_chart.SetbindRS(sql, QStringLiteral("day"), QStringLiteral("qty"), kCaller);
    }
    // What the user sees: the point labels.
    QStringList shown() const {
        QStringList out;
        for (int p = 0; p < m_view->pointCount(); ++p)
            out << m_view->pointLabel(p);
        return out;
    }

private:
    QWidget m_screen;
    ChartView* m_view;
    clsChart m_chart;
};

template <class Binding> class BindReadTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        createDatabase(QStringLiteral("plant"), kDays);
        ASSERT_TRUE(gfDB_OPEN());
        binding = std::make_unique<Binding>();
    }
    void TearDown() override {
        binding.reset();
        TestEnv::TearDown();
    }
    int bindDays(const QString& where) {
        return binding->bind(QStringLiteral("SELECT day, qty FROM prod WHERE ") + where +
                             QStringLiteral(" ORDER BY day"));
    }
    QString log() const { return readFile(QStringLiteral("202403.err")); }
    int logRecords() const { return int(log().count(QStringLiteral("ERR LOCATION : ") + kCaller)); }

    std::unique_ptr<Binding> binding;
    int boxes = 0;
    ScopedModalHandler modal{[this](QDialog&) {
        ++boxes;
        return 0;
    }};
    const QStringList one{QStringLiteral("03-03")};
};

using Bindings = ::testing::Types<SpreadBinding, ChartBinding>;
TYPED_TEST_SUITE(BindReadTest, Bindings);

TYPED_TEST(BindReadTest, ClosedConnectionGivesMinus99AndKeepsWhatIsShown) {
    this->bindDays(QStringLiteral("day = '03-03'"));
    ASSERT_EQ(this->binding->shown(), this->one);
    gCon->close();
    EXPECT_EQ(this->bindDays(QStringLiteral("1 = 1")), -99);
    EXPECT_TRUE(gConClosed()); // not reopened by the binding
    EXPECT_EQ(this->binding->shown(), this->one);
    EXPECT_FALSE(this->notifier.busy());
    EXPECT_TRUE(this->notifier.shown.isEmpty());
    EXPECT_EQ(this->log(), QStringLiteral("<missing>"));
}

TYPED_TEST(BindReadTest, FailingStatementIsLoggedOnceWithoutMessageBox) {
    this->bindDays(QStringLiteral("day = '03-03'"));
    EXPECT_EQ(this->binding->bind(QStringLiteral("SELECT nosuch FROM prod")), 0);
    EXPECT_EQ(this->binding->shown(), this->one);
    EXPECT_EQ(this->logRecords(), 1) << this->log().toStdString();
    EXPECT_TRUE(this->log().contains(QStringLiteral("ERR NO("))); // the description is in the log
    EXPECT_EQ(this->boxes, 0);
    EXPECT_TRUE(this->notifier.shown.isEmpty())
        << this->notifier.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_FALSE(this->notifier.busy());
    EXPECT_FALSE(gConClosed());
}

TYPED_TEST(BindReadTest, SharedResultLeftOpenIsAnErrorAndGetsClosed) {
    ASSERT_TRUE(gfOPEN_RS(QStringLiteral("SELECT day FROM prod"), false, QStringLiteral("x")));
    EXPECT_EQ(this->bindDays(QStringLiteral("day = '03-03'")), 0);
    EXPECT_FALSE(gRs.isOpen());
    EXPECT_EQ(this->logRecords(), 1);
    EXPECT_TRUE(this->binding->shown().isEmpty());
    EXPECT_EQ(this->boxes, 0);
    this->bindDays(QStringLiteral("day = '03-03'"));
    EXPECT_EQ(this->binding->shown(), this->one);
}

// The provider's general failure means a dropped link: the binding opens a new connection.
TYPED_TEST(BindReadTest, DroppedConnectionIsOpenedAgain) {
    gCon = std::make_unique<DroppedConnection>();
    EXPECT_EQ(this->bindDays(QStringLiteral("1 = 1")), 0);
    ASSERT_FALSE(gConClosed());
    EXPECT_EQ(dynamic_cast<DroppedConnection*>(gCon.get()), nullptr); // a new connection
    EXPECT_TRUE(this->log().contains(QStringLiteral("-2147467259")));
    EXPECT_EQ(this->logRecords(), 1);
    EXPECT_TRUE(this->notifier.shown.isEmpty());
    EXPECT_EQ(this->boxes, 0);
    this->bindDays(QStringLiteral("day = '03-03'"));
    EXPECT_EQ(this->binding->shown(), this->one);
}
} // namespace
