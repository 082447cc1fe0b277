#include "workorders/frm_s_login.h"

#include "core/modbas.h"
#include "workorders/clickablelabel.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

frm_S_Login::frm_S_Login(Next next, QWidget* parent)
    : QWidget(parent), lbl_orv(new ClickableLabel(QStringLiteral("본 사"), this)),
      lbl_vestra(new ClickableLabel(QStringLiteral("솔 내"), this)), m_next(std::move(next)) {
    setObjectName(QStringLiteral("frm_S_Login"));
    setWindowTitle(QStringLiteral("사업장 선택"));
    lbl_orv->setObjectName(QStringLiteral("lbl_orv"));
    lbl_vestra->setObjectName(QStringLiteral("lbl_vestra"));
    for (ClickableLabel* l : {lbl_orv, lbl_vestra}) {
        QFont f = l->font();
        f.setPixelSize(56);
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumSize(280, 160);
        l->setStyleSheet(QStringLiteral("color: white; background: rgba(255, 255, 255, 40);"
                                        "border: 3px solid white; border-radius: 18px;"));
    }
    connect(lbl_orv, &ClickableLabel::clicked, this, [this] { choose(QStringLiteral("MES_ORV")); });
    connect(lbl_vestra, &ClickableLabel::clicked, this,
            [this] { choose(QStringLiteral("MES_VESTRA")); });
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(lbl_orv);
    row->addSpacing(80);
    row->addWidget(lbl_vestra);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(3);
    layout->addLayout(row);
    layout->addStretch(2);
    resize(900, 560);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The background picture: a plain gradient with the system's name.
void frm_S_Login::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().bottomRight());
    g.setColorAt(0, QColor(11, 42, 74));
    g.setColorAt(1, QColor(29, 92, 143));
    p.fillRect(rect(), g);
    QFont f = font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect().adjusted(0, 40, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("NEBRIK 생산정보화 시스템"));
}

void frm_S_Login::choose(const QString& database) {
    gsDB_NAME = database;
    // The next screen is shown before this one closes, so the program never has no window.
    if (m_next)
        m_next();
    else
        frm_S_jakupjisi_list::showList();
    close();
}
