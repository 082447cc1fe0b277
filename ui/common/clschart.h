#pragma once

#include <QPointer>
#include <QString>

class ChartView;

// Fills one chart from a statement in one call, through the shared connection and result.
// Failures go to the error log without a message, as the grid wrapper's loading does.
class clsChart {
public:
    // Attaches the chart; the screen owns it.
    void Spr(ChartView* chart) { m_chart = chart; }
    ChartView* Spr() const { return m_chart; }

    // Label/value chart: 0 after loading or after an error; -99 when gCon is not open
    // (the chart is not touched then).
    int SetbindRS(const QString& sql, const QString& labelColumn, const QString& valueColumn,
                  const QString& caller);
    // Records dealt alternately into start and end lists (one bar per pair); results as
    // SetbindRS.
    int SetbindRSGantt(const QString& sql, const QString& labelColumn, const QString& valueColumn,
                       const QString& caller);

private:
    int bind(const QString& sql, const QString& labelColumn, const QString& valueColumn,
             const QString& caller, int pairs);

    QPointer<ChartView> m_chart;
};
