#include "workorders/frmlogin.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/notifier.h"
#include "ui/common/frmkey2_englishandnum.h"
#include "ui/common/messagebox.h"
#include "ui/common/modfnwidgets.h"
#include "ui/common/programend.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
FrmLogIn::AfterLogin& afterLogin() {
    static FrmLogIn::AfterLogin open;
    return open;
}
constexpr int kBackspace = 10;
const QString kCrLf = QStringLiteral("\r\n");

QFont pixelFont(const QFont& base, int pixels, bool bold) {
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

bool isEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}
} // namespace

FrmLogIn::FrmLogIn(QWidget* parent)
    : QWidget(parent), txt_member_code(new QLineEdit(this)), txt_member_pass(new QLineEdit(this)),
      btn_ok(new QPushButton(QStringLiteral("로그인"), this)),
      btn_exit(new QPushButton(QStringLiteral("종료"), this)),
      Label1(new QLabel(QStringLiteral("VERSION 1.0"), this)),
      m_keyboard(new frmKey2_EnglishandNum(this)), m_active(txt_member_code) {
    setObjectName(QStringLiteral("FrmLogIn"));
    setWindowTitle(caption());
    txt_member_code->setObjectName(QStringLiteral("txt_member_code"));
    txt_member_pass->setObjectName(QStringLiteral("txt_member_pass"));
    txt_member_pass->setEchoMode(QLineEdit::Password);
    txt_member_pass->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    for (QLineEdit* box : {txt_member_code, txt_member_pass}) {
        box->setFont(pixelFont(font(), 30, true));
        box->setMinimumHeight(56);
        box->installEventFilter(this);
    }
    for (int i = 0; i <= kBackspace; ++i) {
        auto* b = new QPushButton(i == kBackspace ? QStringLiteral("←") : QString::number(i), this);
        b->setObjectName(QStringLiteral("fpBtn_1(%1)").arg(i));
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(96, 72);
        b->setFont(pixelFont(font(), 30, true));
        connect(b, &QPushButton::clicked, this, [this, i] { fpBtn_1_Click(i); });
        fpBtn_1[std::size_t(i)] = b;
    }
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_exit->setObjectName(QStringLiteral("btn_exit"));
    for (QPushButton* b : {btn_ok, btn_exit}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(72);
        b->setFont(pixelFont(font(), 26, true));
    }
    connect(btn_ok, &QPushButton::clicked, this, [this] { btn_ok_Click(); });
    connect(btn_exit, &QPushButton::clicked, this, [] { endProgram(0); });
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layOutControls();
    gfIME_ENGLISH(txt_member_code);
    txt_member_code->setFocus();
}

FrmLogIn::~FrmLogIn() = default;

void FrmLogIn::layOutControls() {
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    const QList<std::pair<QString, QLineEdit*>> rows = {
        {QStringLiteral("사    번"), txt_member_code},
        {QStringLiteral("비밀번호"), txt_member_pass}};
    for (int r = 0; r < rows.size(); ++r) {
        auto* l = new QLabel(rows[r].first, this);
        l->setFont(pixelFont(font(), 26, true));
        form->addWidget(l, r, 0);
        form->addWidget(rows[r].second, r, 1);
    }
    auto* pad = new QGridLayout;
    pad->setSpacing(8);
    for (int d = 1; d <= 9; ++d)
        pad->addWidget(fpBtn_1[std::size_t(d)], (d - 1) / 3, (d - 1) % 3);
    pad->addWidget(fpBtn_1[0], 3, 0, 1, 2);
    pad->addWidget(fpBtn_1[kBackspace], 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addWidget(btn_ok, 1);
    buttons->addWidget(btn_exit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 16);
    layout->setSpacing(20);
    layout->addLayout(form);
    layout->addLayout(pad, 1);
    layout->addLayout(buttons);
    layout->addWidget(Label1);
    resize(560, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString FrmLogIn::memberCheckStatement(const QString& employeeNo, const QString& password) {
    return QStringLiteral("SELECT EMP.idx, emp.emp_power,emp.employee_name ") + kCrLf +
           QStringLiteral("FROM B_EMPLOYEE EMP") + kCrLf + QStringLiteral("WHERE employee_no = ") +
           kCrLf + QLatin1Char('\'') + gfSQL_STR(employeeNo) + QLatin1Char('\'') + kCrLf +
           QStringLiteral("AND pwd = ") + kCrLf + QLatin1Char('\'') + gfSQL_STR(password) +
           QLatin1Char('\'') + kCrLf;
}

bool FrmLogIn::gfMEMBER_CHECK(const QString& employeeNo, const QString& password) {
    gsSQL = memberCheckStatement(employeeNo, password);
    if (!gfOPEN_QUERY(gsSQL, false)) {
        // The query's failure was shown and logged; this adds where it happened.
        gfERR_LOG(DbError{}, QString(), caption());
        return false;
    }
    const bool found = gRs->rowCount() >= 1;
    if (found)
        m_employeeName = gRs->value(0, 2).toString();
    gRs.close();
    Notifier::current().setBusy(false);
    return found;
}

void FrmLogIn::btn_ok_Click() {
    const QString employeeNo = txt_member_code->text().toUpper();
    const QString password = txt_member_pass->text().toUpper();
    const bool master = employeeNo == masterCode() && password == masterCode();
    if (master)
        m_employeeName.clear();
    if (!master && !gfMEMBER_CHECK(employeeNo, password))
        return loginFailed();
    gfMSG_INFO(m_employeeName + QStringLiteral("님 확인되었습니다."));
    gsUSER_ID = employeeNo;
    // The next screen is shown before the login closes, so the program never has no window.
    if (afterLogin())
        afterLogin()();
    else
        frm_S_jakupjisi_list::showList();
    close();
}

FrmLogIn::AfterLogin FrmLogIn::setAfterLogin(AfterLogin open) {
    AfterLogin previous = std::move(afterLogin());
    afterLogin() = std::move(open);
    return previous;
}

void FrmLogIn::loginFailed() {
    const QString title = QStringLiteral("로그인실패");
    if (m_failures > 2) {
        MessageBox::critical(title,
                             QStringLiteral("비밀번호 3회 오류입니다. 프로그램을 종료합니다."));
        if (gRs.isOpen())
            gRs.close();
        gCon.reset();
        endProgram(1);
        return;
    }
    MessageBox::info(title, QStringLiteral("로그인실패! (") + QString::number(m_failures) +
                                QStringLiteral("회) 다시 확인하여 주시기 바랍니다."));
    ++m_failures;
}

void FrmLogIn::fpBtn_1_Click(int index) {
    QString text = m_active->text();
    if (index == kBackspace)
        text.chop(1);
    else
        text += QString::number(index);
    m_active->setText(text);
}

void FrmLogIn::openKeyboard(QLineEdit* box) {
    m_keyboard->showModal();
    if (!m_keyboard->KEYPAD_no.isEmpty())
        box->setText(m_keyboard->KEYPAD_no);
}

bool FrmLogIn::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != txt_member_code && box != txt_member_pass)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_active = box;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && box->rect().contains(e->position().toPoint())) {
            m_active = box;
            openKeyboard(box);
        }
        break;
    }
    case QEvent::KeyPress:
        if (isEnter(static_cast<QKeyEvent*>(event))) {
            btn_ok_Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmLogIn::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        btn_ok_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
