#include "ui/common/chartview.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
// Wall boards are read from across the hall.
constexpr int kTitlePixels = 28;
constexpr int kLabelPixels = 18;
constexpr qreal kBarWidth = 0.8; // share of a point's width taken by its bars

QFont pixelFont(int pixels, bool bold) {
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Category axes need distinct texts; repeated or empty point labels are told apart by
// trailing zero-width spaces, which draw nothing.
QStringList distinctCategories(const QStringList& labels) {
    QStringList out;
    for (const QString& l : labels) {
        QString c = l.isEmpty() ? QString(QChar(0x200B)) : l; // an empty category is refused
        while (out.contains(c))
            c += QChar(0x200B);
        out << c;
    }
    return out;
}
} // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    auto* chart = new QChart();
    chart->setTitleFont(pixelFont(kTitlePixels, true));
    chart->legend()->setFont(pixelFont(kLabelPixels, false));
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setVisible(false);
    chart->setAnimationOptions(QChart::NoAnimation);
    m_valueAxis = new QValueAxis(chart);
    m_labelAxis = new QBarCategoryAxis(chart);
    for (QAbstractAxis* a :
         {static_cast<QAbstractAxis*>(m_valueAxis), static_cast<QAbstractAxis*>(m_labelAxis)}) {
        a->setLabelsFont(pixelFont(kLabelPixels, false));
        a->setTitleFont(pixelFont(kLabelPixels, true));
    }
    chart->addAxis(m_labelAxis, Qt::AlignBottom);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_view = new QChartView(chart, this);
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(chart, &QChart::plotAreaChanged, this, [this] { placeValueLabels(); });
}

QChart* ChartView::chart() const {
    return m_view->chart();
}

void ChartView::clearData(int code) {
    removeSeries();
    m_series = 0;
    m_points = 0;
    m_values.clear();
    m_labels.clear();
    m_lists.clear();
    if (code == 0)
        m_names.clear();
    m_labelAxis->clear();
}

void ChartView::openData(int series, int points) {
    removeSeries();
    m_series = std::max(0, series);
    m_points = std::max(0, points);
    m_values.assign(size_t(m_series) * size_t(m_points), std::nullopt);
    m_labels = QStringList(m_points, QString());
}

bool ChartView::inBlock(int series, int point) const {
    return series >= 0 && series < m_series && point >= 0 && point < m_points;
}

void ChartView::setValue(int series, int point, double v) {
    if (inBlock(series, point))
        m_values[size_t(series) * size_t(m_points) + size_t(point)] = v;
}

std::optional<double> ChartView::value(int series, int point) const {
    if (!inBlock(series, point))
        return std::nullopt;
    return m_values[size_t(series) * size_t(m_points) + size_t(point)];
}

void ChartView::setPointLabel(int point, const QString& text) {
    if (point >= 0 && point < m_points)
        m_labels[point] = text;
}

QString ChartView::pointLabel(int point) const {
    return m_labels.value(point);
}

void ChartView::setSeriesName(int series, const QString& name) {
    if (series < 0)
        return;
    while (m_names.size() <= series)
        m_names << QString();
    m_names[series] = name;
}

QString ChartView::seriesName(int series) const {
    return m_names.value(series);
}

void ChartView::setSeriesColor(int series, const QColor& colour) {
    if (series < 0)
        return;
    while (m_colours.size() <= series)
        m_colours << QColor();
    m_colours[series] = colour;
}

QColor ChartView::seriesColor(int series) const {
    return m_colours.value(series);
}

void ChartView::setLegendVisible(bool on) {
    m_legend = on;
    chart()->legend()->setVisible(on);
}

void ChartView::setValueAxis(double min, double max, double step, int decimals,
                             const QString& title) {
    m_axisMin = min;
    m_axisMax = max;
    m_axisStep = step;
    m_axisDecimals = std::clamp(decimals, 0, 10);
    m_valueTitle = title;
    m_fixedAxis = max > min;
    applyAxes();
}

void ChartView::setLabelAxis(int decimals, const QString& title) {
    m_labelDecimals = decimals;
    m_labelTitle = title;
    m_labelAxis->setTitleText(title);
}

void ChartView::setTopTitle(const QString& title) {
    m_topTitle = title;
    chart()->setTitle(title);
}

void ChartView::applyAxes() {
    m_valueAxis->setTitleText(m_valueTitle);
    m_valueAxis->setLabelFormat(QStringLiteral("%.") + QString::number(m_axisDecimals) +
                                QStringLiteral("f"));
    if (m_fixedAxis) {
        m_valueAxis->setRange(m_axisMin, m_axisMax);
        if (m_axisStep > 0) {
            m_valueAxis->setTickType(QValueAxis::TicksDynamic);
            m_valueAxis->setTickAnchor(m_axisMin);
            m_valueAxis->setTickInterval(m_axisStep);
        }
        return;
    }
    // No fixed scale: follow the data from zero.
    double lo = 0, hi = 0;
    for (const auto& v : m_values) {
        if (v) {
            lo = std::min(lo, *v);
            hi = std::max(hi, *v);
        }
    }
    if (hi <= lo)
        hi = lo + 1;
    m_valueAxis->setTickType(QValueAxis::TicksFixed);
    m_valueAxis->setRange(lo, hi * 1.1);
    m_valueAxis->applyNiceNumbers();
}

void ChartView::removeSeries() {
    for (auto& l : m_valueLabels)
        delete l.item;
    m_valueLabels.clear();
    if (m_bars) {
        chart()->removeSeries(m_bars);
        delete m_bars;
        m_bars = nullptr;
    }
}

void ChartView::closeData() {
    removeSeries();
    applyAxes();
    m_labelAxis->clear();
    m_labelAxis->append(distinctCategories(m_labels));
    if (m_series == 0 || m_points == 0)
        return;
    m_bars = new QBarSeries(this);
    m_bars->setBarWidth(kBarWidth);
    for (int s = 0; s < m_series; ++s) {
        auto* set = new QBarSet(seriesName(s), m_bars);
        set->setPen(Qt::NoPen);
        // An empty value is a bar of no height; it gets no value label below.
        for (int p = 0; p < m_points; ++p)
            set->append(value(s, p).value_or(0.0));
        if (seriesColor(s).isValid())
            set->setColor(seriesColor(s));
        m_bars->append(set);
    }
    chart()->addSeries(m_bars);
    m_bars->attachAxis(m_labelAxis);
    m_bars->attachAxis(m_valueAxis);
    const QFont font = pixelFont(kLabelPixels, true);
    for (int s = 0; s < m_series; ++s) {
        for (int p = 0; p < m_points; ++p) {
            if (!value(s, p))
                continue;
            auto* item = new QGraphicsSimpleTextItem(valueText(*value(s, p)), chart());
            item->setFont(font);
            item->setZValue(10);
            m_valueLabels.push_back({s, p, item});
        }
    }
    placeValueLabels();
}

QString ChartView::valueText(double v) const {
    return QString::number(v, 'f', m_axisDecimals);
}

// Bars of one point sit side by side inside kBarWidth of the point's unit width; each
// label is centred over its bar, just above its top (inside the bar when there is no room).
void ChartView::placeValueLabels() {
    if (!m_bars)
        return;
    const QRectF plot = chart()->plotArea();
    const qreal share = kBarWidth / m_series;
    for (const auto& l : m_valueLabels) {
        const double v = *value(l.series, l.point);
        const qreal x = l.point - kBarWidth / 2 + (l.series + 0.5) * share;
        const QPointF top = chart()->mapToPosition(QPointF(x, v), m_bars);
        const QRectF box = l.item->boundingRect();
        qreal y = v >= 0 ? top.y() - box.height() - 2 : top.y() + 2;
        if (y < plot.top())
            y = top.y() + 2;
        y = std::clamp(y, plot.top(), std::max(plot.top(), plot.bottom() - box.height()));
        l.item->setPos(top.x() - box.width() / 2, y);
        l.item->setVisible(plot.contains(QPointF(top.x(), plot.center().y())));
    }
}

int ChartView::shownSeriesCount() const {
    return m_bars ? int(m_bars->count()) : 0;
}

QStringList ChartView::shownValueLabels() const {
    QStringList out;
    for (const auto& l : m_valueLabels)
        out << l.item->text();
    return out;
}

void ChartView::setListProvider(const QList<QVariantList>& lists) {
    const int series = int(lists.size() / 2);
    int points = 0;
    for (int s = 0; s < series; ++s)
        points = std::max(points, int(lists[2 * s].size()));
    const QList<QVariantList> keep = lists;
    openData(series, points);
    for (int s = 0; s < series; ++s) {
        const QVariantList& values = keep[2 * s];
        for (int p = 0; p < values.size(); ++p)
            setValue(s, p, values[p].toDouble());
    }
    if (series > 0) {
        const QVariantList& labels = keep[1];
        for (int p = 0; p < labels.size(); ++p)
            setPointLabel(p, labels[p].toString());
    }
    closeData();
    m_lists = keep;
}
