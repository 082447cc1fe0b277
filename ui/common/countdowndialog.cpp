#include "ui/common/countdowndialog.h"

#include "ui/common/screenlocator.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVariant>

namespace {
constexpr int kStartSeconds = 5;
const QString kBlank = QStringLiteral("   ");
} // namespace

QString CountdownDialog::message(const QString& firstLine, const QString& secondLine) {
    return firstLine + QLatin1Char('\n') + secondLine + QLatin1Char('\n') +
           QStringLiteral("[취소]를 눌러주세요.");
}

CountdownDialog::CountdownDialog(QWidget* parent, const QString& name, const QString& firstLine,
                                 const QString& secondLine, const QString& targetScreen)
    : MsgDialog(parent, name, 0.25, 0.25), m_first(firstLine),
      m_text(message(firstLine, secondLine)), m_target(targetScreen) {
    // The seconds are drawn over the blank, so the lines keep their place: left-aligned.
    Lb_msg->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Lb_msg->setWordWrap(false);
    Lb_msg->setText(m_text);
    Lb_Sec = new QLabel(Lb_msg);
    Lb_Sec->setObjectName(QStringLiteral("Lb_Sec"));
    Lb_Sec->setAlignment(Qt::AlignCenter);
    QFont f = Lb_msg->font();
    f.setPixelSize(f.pixelSize() + 6);
    Lb_Sec->setFont(f);
    Lb_Sec->setStyleSheet(QStringLiteral("color: #d01010;"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] { tick(); });
    connect(addButton(QStringLiteral("Command14"), QStringLiteral("취소")), &QPushButton::clicked,
            this, [this] { finish(false); });
    resize(680, 300);
}

void CountdownDialog::opening() {
    Lb_msg->setText(m_text);
    Lb_Sec->setText(QString::number(kStartSeconds));
    m_counter = kStartSeconds - 1;
    lvStartPop = false;
    placeSeconds();
    Timer2->start();
}

void CountdownDialog::tick() {
    Lb_msg->setText(m_text);
    const int shown = m_counter;
    Lb_Sec->setText(QString::number(shown));
    --m_counter;
    if (shown <= 0)
        finish(true);
}

void CountdownDialog::finish(bool start) {
    Timer2->stop();
    lvStartPop = start;
    if (QWidget* screen = findScreen(m_target))
        screen->setProperty("lvStartPop", start);
    if (start)
        accept();
    else
        reject();
}

void CountdownDialog::done(int r) {
    Timer2->stop();
    MsgDialog::done(r);
}

void CountdownDialog::resizeEvent(QResizeEvent* event) {
    MsgDialog::resizeEvent(event);
    placeSeconds();
}

// Over the blank of the first line: the text is left-aligned and vertically centred.
void CountdownDialog::placeSeconds() {
    const QFontMetrics fm(Lb_msg->font());
    const int lines = int(m_text.count(QLatin1Char('\n'))) + 1;
    const int blankAt = int(m_first.indexOf(kBlank));
    const int x = Lb_msg->contentsRect().left() + fm.horizontalAdvance(m_first.left(blankAt));
    const int top = Lb_msg->contentsRect().center().y() - lines * fm.lineSpacing() / 2;
    const int w = fm.horizontalAdvance(kBlank);
    Lb_Sec->setGeometry(x - 6, top - 4, w + 12, fm.lineSpacing() + 8);
    Lb_Sec->raise();
}
