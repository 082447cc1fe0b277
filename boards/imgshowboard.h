#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;
class QVBoxLayout;

// A full-screen status board: title, clock and a progress bar around the board's own
// content. Every 100 ms the progress bar advances; after 10 s the board fills itself
// (lsQuery), after 20 s it stops and signals the end of its cycle (BoardCycle then shows the
// next board and closes this one).
class ImgShowBoard : public QWidget {
    Q_OBJECT
public:
    ~ImgShowBoard() override;

    // Reloads the board's content.
    virtual void lsQuery() = 0;
    // One tick of the 100 ms cycle (public so a test can drive the cycle at its own pace).
    void Timer1_Timer();
    void Timer2_Timer();

    QString form_Start() const { return m_formStart; }
    int cycleCount() const { return m_cycle; }

    QLabel* lblTitle;
    QLabel* lblDate;
    QLabel* lblTime;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;
    QTimer* Timer2;

signals:
    // The 20 s are over: the board has stopped cycling and waits to be replaced.
    void cycleEnded();

protected:
    // caption: the window caption, also the caller name of the board's statements.
    ImgShowBoard(const QString& caption, const QString& title, QSize sizePx, QWidget* parent);
    // Places a widget of the board's content between the title and the progress bar.
    void addContent(QWidget* widget, int stretch);
    // The critical message of a refresh that went wrong; the timers keep running.
    void queryFailed();

private:
    void endCycle();

    QVBoxLayout* m_layout;
    QString m_formStart;
    int m_cycle = 0;
};
