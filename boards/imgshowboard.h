#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

class ChartView;
class QLabel;
class QProgressBar;
class QTimer;
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

// A full-screen board: title, clock, a two-series chart and a one-row summary grid of five
// totals. Every 100 ms the progress bar advances; after 10 s the board fills itself, after
// 20 s it stops and signals the end of its cycle (BoardCycle then shows the next board and
// closes this one).
class ImgShowBoard : public QWidget {
    Q_OBJECT
public:
    ~ImgShowBoard() override;

    // Reloads the totals into the grids and the chart.
    void lsQuery();
    // One tick of the 100 ms cycle (public so a test can drive the cycle at its own pace).
    void Timer1_Timer();
    void Timer2_Timer();

    QString form_Start() const { return m_formStart; }
    int cycleCount() const { return m_cycle; }
    clsSpread* summary() const { return m_ss; }
    // The caption, also the caller name the error log receives.
    static QString caption() { return QStringLiteral("일자별 생산현황"); }

    QLabel* lblTitle;
    QLabel* lblDate;
    QLabel* lblTime;
    ChartView* cc1;
    SpreadView* ss;
    SpreadView* ss2;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;
    QTimer* Timer2;

signals:
    // The 20 s are over: the board has stopped cycling and waits to be replaced.
    void cycleEnded();

protected:
    explicit ImgShowBoard(BoardTexts texts, QWidget* parent);
    virtual QString statement() const = 0;

private:
    void layOutGrids();
    void fillChart();
    void endCycle();
    void queryFailed();

    BoardTexts m_texts;
    clsSpread* m_ss;
    clsSpread* m_ss2;
    QString m_formStart;
    int m_cycle = 0;
};
