#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QWidget>

#include <optional>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QValueAxis;

// The bar chart of the boards and reports. Screens fill it in blocks: clear, open a block
// of n series x m points, set values and labels, close the block, which draws it. Values
// that were not set stay empty: no bar and no value label. Settings (series names and
// colours, axes, titles, legend) survive a new block; clearing code 0 also forgets the
// series names.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent);

    // 0 = all data; 7 = partial clear (values and point labels); both leave no series shown.
    void clearData(int code = 0);
    // A fresh value block; values not set stay empty (no bar, no label).
    void openData(int series, int points);
    void setValue(int series, int point, double value);
    void setPointLabel(int point, const QString& text);
    void setSeriesName(int series, const QString& name);
    void setSeriesColor(int series, const QColor& colour);
    void setLegendVisible(bool on);
    // A fixed scale that does not follow the data.
    void setValueAxis(double min, double max, double step, int decimals, const QString& title);
    void setLabelAxis(int decimals, const QString& title);
    void setTopTitle(const QString& title);
    // Draws the block.
    void closeData();
    // Takes the points from lists given in pairs, values then labels: one pair is one
    // series; the point labels come from the first pair. A list of paired records (four
    // lists: start values, start labels, end values, end labels) draws two series.
    void setListProvider(const QList<QVariantList>& lists);

    // Read back (tests and screens).
    int seriesCount() const { return m_series; }
    int pointCount() const { return m_points; }
    std::optional<double> value(int series, int point) const;
    QString pointLabel(int point) const;
    QString seriesName(int series) const;
    // The colour set for the series; invalid when none was set (the theme's colour is used).
    QColor seriesColor(int series) const;
    double axisMin() const { return m_axisMin; }
    double axisMax() const { return m_axisMax; }
    double axisStep() const { return m_axisStep; }
    int axisDecimals() const { return m_axisDecimals; }
    QString valueAxisTitle() const { return m_valueTitle; }
    QString labelAxisTitle() const { return m_labelTitle; }
    int labelAxisDecimals() const { return m_labelDecimals; }
    QString topTitle() const { return m_topTitle; }
    bool legendVisible() const { return m_legend; }
    QChart* chart() const;
    // The lists last given to setListProvider.
    const QList<QVariantList>& providerLists() const { return m_lists; }
    // Series shown at present (0 after a clear, until the next block is closed).
    int shownSeriesCount() const;
    // The value labels drawn on the bars, in series then point order.
    QStringList shownValueLabels() const;
    // The text of a value label with the value axis's decimals.
    QString valueText(double v) const;

private:
    void removeSeries();
    void applyAxes();
    void placeValueLabels();
    bool inBlock(int series, int point) const;

    QChartView* m_view = nullptr;
    QBarSeries* m_bars = nullptr; // owned by the chart while shown
    QValueAxis* m_valueAxis = nullptr;
    QBarCategoryAxis* m_labelAxis = nullptr;
    int m_series = 0;
    int m_points = 0;
    std::vector<std::optional<double>> m_values; // series-major, m_series x m_points
    QStringList m_labels;
    QStringList m_names;
    QList<QColor> m_colours;
    QList<QVariantList> m_lists;
    double m_axisMin = 0;
    double m_axisMax = 0;
    double m_axisStep = 0;
    int m_axisDecimals = 0;
    bool m_fixedAxis = false;
    QString m_valueTitle;
    int m_labelDecimals = 0;
    QString m_labelTitle;
    QString m_topTitle;
    bool m_legend = false;
    struct ValueLabel {
        int series;
        int point;
        QGraphicsSimpleTextItem* item;
    };
    std::vector<ValueLabel> m_valueLabels;
};
