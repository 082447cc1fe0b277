#include "boards/imgshowboard.h"

#include "core/platform/clock.h"
#include "ui/common/messagebox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

ImgShowBoard::ImgShowBoard(const QString& caption, const QString& title, QSize sizePx,
                           QWidget* parent)
    : QWidget(parent), lblTitle(new QLabel(this)), lblDate(new QLabel(this)),
      lblTime(new QLabel(this)), ProgressBar1(new QProgressBar(this)), Timer1(new QTimer(this)),
      Timer2(new QTimer(this)), m_layout(new QVBoxLayout(this)) {
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(sizePx);
    move(x(), 0);
    setStyleSheet(QStringLiteral("ImgShowBoard { background: #10233a; } QLabel { color: white; }"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setText(title);
    lblTitle->setStyleSheet(QStringLiteral("font-size: 44px; font-weight: bold;"));
    for (QLabel* l : {lblDate, lblTime})
        l->setStyleSheet(QStringLiteral("font-size: 26px;"));
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblTime->setObjectName(QStringLiteral("lblTime"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(18);

    auto* clock = new QVBoxLayout;
    clock->addWidget(lblDate, 0, Qt::AlignRight);
    clock->addWidget(lblTime, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(lblTitle, 0, Qt::AlignCenter);
    top->addStretch(1);
    top->addLayout(clock);
    m_layout->addLayout(top);
    m_layout->addWidget(ProgressBar1);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &ImgShowBoard::Timer1_Timer);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &ImgShowBoard::Timer2_Timer);
    m_formStart = QStringLiteral("GO");
    Timer1->start();
    Timer2->start();
    Timer2_Timer();
}

ImgShowBoard::~ImgShowBoard() = default;

void ImgShowBoard::addContent(QWidget* widget, int stretch) {
    m_layout->insertWidget(m_layout->indexOf(ProgressBar1), widget, stretch);
}

void ImgShowBoard::Timer2_Timer() {
    const QDateTime now = Clock::now();
    lblDate->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    lblTime->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

void ImgShowBoard::Timer1_Timer() {
    if (m_formStart != QLatin1String("GO"))
        return;
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() < 100)
        return;
    ProgressBar1->setValue(0);
    m_cycle += 100;
    if (m_cycle == 200)
        endCycle();
    else
        lsQuery();
}

void ImgShowBoard::endCycle() {
    m_formStart.clear();
    m_cycle = 0;
    Timer1->stop();
    emit cycleEnded();
}

void ImgShowBoard::queryFailed() {
    MessageBox::critical(QStringLiteral("연결오류"),
                         QStringLiteral("현황판 조회 중 오류가 발생하였습니다.\n"
                                        "프로그램을 다시 켜주시기 바랍니다."));
}
