#include "ui/common/msgdialog.h"

#include "ui/common/modal.h"
#include "ui/common/screenlocator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTextPixels = 28;
constexpr int kButtonPixels = 26;
} // namespace

MsgDialog::MsgDialog(QWidget* parent, const QString& name, double topShare, double leftShare)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_topShare(topShare), m_leftShare(leftShare) {
    setObjectName(name);
    setWindowTitle(name);
    setModal(true);
    // A frame of its own, as the window has none.
    setStyleSheet(QStringLiteral("MsgDialog { background: #f4f6fa; border: 3px solid #2f4f7f; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->setSpacing(18);
    Lb_msg = new QLabel(this);
    Lb_msg->setObjectName(QStringLiteral("Lb_msg"));
    Lb_msg->setWordWrap(true);
    Lb_msg->setAlignment(Qt::AlignCenter);
    QFont f = Lb_msg->font();
    f.setPixelSize(kTextPixels);
    f.setBold(true);
    Lb_msg->setFont(f);
    layout->addWidget(Lb_msg, 1);
    m_buttons = new QHBoxLayout();
    m_buttons->setSpacing(20);
    layout->addLayout(m_buttons);
    resize(600, 280);
}

QPushButton* MsgDialog::addButton(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumSize(160, 72);
    QFont f = b->font();
    f.setPixelSize(kButtonPixels);
    f.setBold(true);
    b->setFont(f);
    m_buttons->addWidget(b);
    return b;
}

int MsgDialog::showModal() {
    const QRect list = workOrderListGeometry();
    move(list.left() + int(list.width() * m_leftShare),
         list.top() + int(list.height() * m_topShare));
    setResult(0);
    opening();
    return runModal(*this);
}
