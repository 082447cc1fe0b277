// The bar chart as the boards fill it: blocks, fixed scale, labels and the list provider.
#include "ui/common/chartview.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <memory>

namespace {
class ChartViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = std::make_unique<QWidget>();
        screen->resize(900, 600);
        chart = new ChartView(screen.get());
        chart->resize(900, 600);
    }

    // The order/shipment board's sequence: two series of three points.
    void fillLikeBoard() {
        chart->clearData(7);
        chart->clearData(0);
        chart->openData(2, 3);
        const double values[2][3] = {{12000, 8500, 15300}, {11000, 9000, 14000}};
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < 3; ++p)
                chart->setValue(s, p, values[s][p]);
        chart->setPointLabel(0, QStringLiteral("전일"));
        chart->setPointLabel(1, QStringLiteral("금일"));
        chart->setPointLabel(2, QStringLiteral("익일"));
        chart->setSeriesColor(0, QColor(0, 112, 192));
        chart->setSeriesColor(1, QColor(255, 128, 0));
        chart->setSeriesName(0, QStringLiteral("수주"));
        chart->setSeriesName(1, QStringLiteral("출하"));
        chart->setLegendVisible(true);
        chart->setValueAxis(0, 20000, 2000, 0, QStringLiteral("단위 : (EA)"));
        chart->setLabelAxis(0, QString());
        chart->setTopTitle(QStringLiteral("수주/출하 현황"));
        chart->closeData();
    }

    QBarSeries* bars() const {
        const auto list = chart->chart()->series();
        return list.isEmpty() ? nullptr : qobject_cast<QBarSeries*>(list.first());
    }
    QValueAxis* valueAxis() const {
        return qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical).value(0));
    }
    QBarCategoryAxis* labelAxis() const {
        return qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).value(0));
    }

    std::unique_ptr<QWidget> screen;
    ChartView* chart = nullptr;
};
} // namespace

TEST_F(ChartViewTest, BoardSequenceDrawsBarsLabelsLegendAndFixedScale) {
    fillLikeBoard();
    EXPECT_EQ(chart->seriesCount(), 2);
    EXPECT_EQ(chart->pointCount(), 3);
    EXPECT_EQ(chart->value(1, 2), 14000.0);
    EXPECT_EQ(chart->pointLabel(1), QStringLiteral("금일"));
    EXPECT_EQ(chart->seriesName(1), QStringLiteral("출하"));
    EXPECT_EQ(chart->seriesColor(1), QColor(255, 128, 0));
    EXPECT_TRUE(chart->legendVisible());
    EXPECT_EQ(chart->topTitle(), QStringLiteral("수주/출하 현황"));

    ASSERT_NE(bars(), nullptr);
    ASSERT_EQ(bars()->count(), 2);
    QBarSet* shipped = bars()->barSets().at(1);
    EXPECT_EQ(shipped->label(), QStringLiteral("출하"));
    EXPECT_EQ(shipped->color(), QColor(255, 128, 0));
    EXPECT_EQ(shipped->at(0), 11000.0);
    EXPECT_TRUE(chart->chart()->legend()->isVisible());
    EXPECT_EQ(chart->chart()->title(), QStringLiteral("수주/출하 현황"));
    EXPECT_EQ(
        labelAxis()->categories(),
        (QStringList{QStringLiteral("전일"), QStringLiteral("금일"), QStringLiteral("익일")}));
    EXPECT_EQ(
        chart->shownValueLabels(),
        (QStringList{QStringLiteral("12000"), QStringLiteral("8500"), QStringLiteral("15300"),
                     QStringLiteral("11000"), QStringLiteral("9000"), QStringLiteral("14000")}));

    ASSERT_NE(valueAxis(), nullptr);
    EXPECT_EQ(valueAxis()->min(), 0.0);
    EXPECT_EQ(valueAxis()->max(), 20000.0);
    EXPECT_EQ(valueAxis()->tickInterval(), 2000.0);
    EXPECT_EQ(valueAxis()->titleText(), QStringLiteral("단위 : (EA)"));
    EXPECT_EQ(chart->chart()->titleFont().pixelSize(), 28);
    EXPECT_EQ(valueAxis()->labelsFont().pixelSize(), 18);
}

TEST_F(ChartViewTest, FixedScaleDoesNotFollowTheData) {
    chart->setValueAxis(0, 20000, 2000, 1, QStringLiteral("단위 : (EA)"));
    chart->openData(1, 2);
    chart->setValue(0, 0, 45000);
    chart->setValue(0, 1, 3.24);
    chart->closeData();
    EXPECT_EQ(valueAxis()->max(), 20000.0);
    EXPECT_EQ(valueAxis()->labelFormat(), QStringLiteral("%.1f"));
    EXPECT_EQ(chart->shownValueLabels(),
              (QStringList{QStringLiteral("45000.0"), QStringLiteral("3.2")}));
}

TEST_F(ChartViewTest, UnsetValuesDrawNoBarAndNoLabel) {
    chart->openData(3, 4);
    chart->setValue(0, 0, 5);
    chart->setValue(2, 3, 7);
    chart->setValue(3, 0, 99);  // outside the block: ignored
    chart->setValue(0, -1, 99); // likewise
    chart->closeData();
    EXPECT_EQ(chart->value(0, 0), 5.0);
    EXPECT_FALSE(chart->value(1, 1).has_value());
    EXPECT_FALSE(chart->value(3, 0).has_value());
    EXPECT_EQ(chart->shownValueLabels(), (QStringList{QStringLiteral("5"), QStringLiteral("7")}));
    ASSERT_EQ(bars()->count(), 3);
    EXPECT_EQ(bars()->barSets().at(1)->sum(), 0.0); // no height anywhere
}

TEST_F(ChartViewTest, BothClearsLeaveNoSeries) {
    for (int code : {0, 7}) {
        fillLikeBoard();
        ASSERT_EQ(chart->shownSeriesCount(), 2);
        chart->clearData(code);
        EXPECT_EQ(chart->shownSeriesCount(), 0) << code;
        EXPECT_TRUE(chart->chart()->series().isEmpty()) << code;
        EXPECT_EQ(chart->seriesCount(), 0) << code;
        EXPECT_TRUE(chart->shownValueLabels().isEmpty()) << code;
        EXPECT_TRUE(labelAxis()->categories().isEmpty()) << code;
        // Names are forgotten only by clearing everything.
        EXPECT_EQ(chart->seriesName(0).isEmpty(), code == 0) << code;
    }
}

TEST_F(ChartViewTest, ANewBlockStartsEmptyAndKeepsSettings) {
    fillLikeBoard();
    chart->openData(1, 3);
    EXPECT_FALSE(chart->value(0, 0).has_value());
    EXPECT_TRUE(chart->pointLabel(0).isEmpty());
    EXPECT_EQ(chart->shownSeriesCount(), 0); // nothing drawn until the block closes
    chart->setValue(0, 1, 10);
    chart->closeData();
    EXPECT_EQ(chart->shownValueLabels(), QStringList{QStringLiteral("10")});
    EXPECT_EQ(bars()->barSets().at(0)->color(), QColor(0, 112, 192));
    EXPECT_EQ(chart->axisMax(), 20000.0);
}

TEST_F(ChartViewTest, RepeatedAndEmptyPointLabelsKeepTheirPoints) {
    chart->openData(1, 4);
    chart->setPointLabel(0, QStringLiteral("1일"));
    chart->setPointLabel(1, QStringLiteral("1일"));
    chart->closeData();
    ASSERT_EQ(labelAxis()->count(), 4);
    EXPECT_EQ(chart->pointLabel(1), QStringLiteral("1일"));
    EXPECT_TRUE(labelAxis()->categories().at(1).startsWith(QStringLiteral("1일")));
}

TEST_F(ChartViewTest, ValueLabelsSitOverTheirBars) {
    screen->show();
    fillLikeBoard();
    QCoreApplication::processEvents();
    const QRectF plot = chart->chart()->plotArea();
    ASSERT_TRUE(plot.isValid());
    QList<QGraphicsItem*> labels;
    for (QGraphicsItem* item : chart->chart()->childItems())
        if (auto* t = dynamic_cast<QGraphicsSimpleTextItem*>(item); t && t->zValue() == 10)
            labels << t;
    ASSERT_EQ(labels.size(), 6);
    // Left to right: point 0 series 0, point 0 series 1, point 1 series 0 ...
    const qreal x00 = labels[0]->sceneBoundingRect().center().x();
    const qreal x10 = labels[3]->sceneBoundingRect().center().x();
    const qreal x01 = labels[1]->sceneBoundingRect().center().x();
    EXPECT_LT(x00, x10);
    EXPECT_LT(x10, x01);
    for (QGraphicsItem* l : labels)
        EXPECT_TRUE(plot.contains(l->sceneBoundingRect().center()));
    // The higher value's label sits higher.
    EXPECT_LT(labels[2]->sceneBoundingRect().top(), labels[1]->sceneBoundingRect().top());
}

TEST_F(ChartViewTest, ListProviderValuesThenLabels) {
    chart->setListProvider(
        {{3.0, 4.5, 1.0}, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}});
    EXPECT_EQ(chart->seriesCount(), 1);
    EXPECT_EQ(chart->pointCount(), 3);
    EXPECT_EQ(chart->value(0, 1), 4.5);
    EXPECT_EQ(chart->pointLabel(2), QStringLiteral("C"));
    EXPECT_EQ(chart->shownSeriesCount(), 1);

    // Paired records: the end lists are one shorter; the last bar has no end value.
    chart->setListProvider(
        {{1.0, 3.0}, {QStringLiteral("s1"), QStringLiteral("s2")}, {2.0}, {QStringLiteral("e1")}});
    EXPECT_EQ(chart->seriesCount(), 2);
    EXPECT_EQ(chart->pointCount(), 2);
    EXPECT_EQ(chart->value(1, 0), 2.0);
    EXPECT_FALSE(chart->value(1, 1).has_value());
    EXPECT_EQ(chart->providerLists().size(), 4);

    chart->setListProvider({{}, {}});
    EXPECT_EQ(chart->pointCount(), 0);
    EXPECT_EQ(chart->shownSeriesCount(), 0);
}
