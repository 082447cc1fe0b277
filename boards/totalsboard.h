#pragma once

#include "boards/imgshowboard.h"

#include <QColor>
#include <QString>
#include <QStringList>

class ChartView;
class SpreadView;
class clsSpread;

// What tells the two alternating boards apart.
struct BoardTexts {
    QString title;
    QStringList colIds;       // the five columns of the summary grid
    QStringList headerTexts;  // second header row
    QStringList groupTexts;   // first header row: over columns 1-2, 3-4 and 5
    QStringList pointLabels;  // chart points 0, 1, 2
    QString series0, series1; // legend names
    QString chartTitle;
    double axisMax = 0;
    double axisStep = 0;
    QSize sizePx; // window size (the boards run full screen on their PCs)
};

// The board of five totals around today: a two-series chart over the previous, current and
// next period and a one-row summary grid.
class TotalsBoard : public ImgShowBoard {
    Q_OBJECT
public:
    ~TotalsBoard() override;

    // Reloads the totals into the grids and the chart.
    void lsQuery() override;

    clsSpread* summary() const { return m_ss; }
    // The caption, also the caller name the error log receives.
    static QString caption() { return QStringLiteral("일자별 생산현황"); }

    ChartView* cc1;
    SpreadView* ss;
    SpreadView* ss2;

protected:
    explicit TotalsBoard(BoardTexts texts, QWidget* parent);
    virtual QString statement() const = 0;

private:
    void layOutGrids();
    void fillChart();

    BoardTexts m_texts;
    clsSpread* m_ss;
    clsSpread* m_ss2;
};
