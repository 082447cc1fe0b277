#include "production/timeentrydialog.h"

#include "production/timeentry.h"
#include "ui/common/messagebox.h"
#include "ui/common/modal.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* hiddenLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->hide();
    return l;
}
} // namespace

TimeEntryDialog::TimeEntryDialog(QWidget* parent, const QString& name, const QString& title,
                                 const QString& field, const QString& wrong)
    : QDialog(parent), m_wrong(wrong) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    QFont big = font();
    big.setPixelSize(28);
    big.setBold(true);
    auto* heading = new QLabel(title, this);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    display = new QLabel(this);
    display->setObjectName(field);
    display->setFont(big);
    display->setAlignment(Qt::AlignCenter);
    display->setFrameShape(QFrame::Box);
    display->setMinimumHeight(60);
    auto* keys = new QGridLayout;
    const auto key = [this, &big, keys](const QString& keyName, const QString& text, int row,
                                        int col) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(keyName);
        b->setFont(big);
        b->setMinimumSize(80, 70);
        b->setFocusPolicy(Qt::NoFocus);
        keys->addWidget(b, row, col);
        return b;
    };
    for (int d = 0; d <= 9; ++d) {
        const int row = d == 0 ? 3 : 2 - (d - 1) / 3;
        const int col = d == 0 ? 1 : (d - 1) % 3;
        cmdNum[std::size_t(d)] =
            key(QStringLiteral("cmdNum(%1)").arg(d), QString::number(d), row, col);
        connect(cmdNum[std::size_t(d)], &QPushButton::clicked, this,
                [this, d] { display->setText(TimeEntry::typed(display->text(), d)); });
    }
    cmdBackSpace = key(QStringLiteral("cmdBackSpace"), QStringLiteral("←"), 0, 3);
    Command14 = key(QStringLiteral("Command14"), QStringLiteral("닫기"), 1, 3);
    cmdSave = key(QStringLiteral("cmdSave"), QStringLiteral("확인"), 2, 3);
    connect(cmdBackSpace, &QPushButton::clicked, this,
            [this] { display->setText(TimeEntry::backspaced(display->text())); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { reject(); });
    lblProduct_code = hiddenLabel(this, "lblProduct_code");
    lblOp_seq_sub = hiddenLabel(this, "lblOp_seq_sub");
    lblProcess_code = hiddenLabel(this, "lblProcess_code");
    lblJakupdate = hiddenLabel(this, "lblJakupdate");
    lbl_juya = hiddenLabel(this, "lbl_juya");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(display);
    layout->addLayout(keys);
}

int TimeEntryDialog::showModal() {
    display->clear();
    m_handedBack.reset();
    return runModal(*this);
}

void TimeEntryDialog::cmdSave_Click() {
    switch (TimeEntry::check(display->text())) {
    case TimeEntry::Check::Incomplete:
        reject();
        return;
    case TimeEntry::Check::Wrong:
        MessageBox::show(QMessageBox::Critical, QStringLiteral("입력오류"), m_wrong);
        display->clear();
        break;
    case TimeEntry::Check::Accepted:
        break;
    }
    m_handedBack = display->text();
    accept();
}
