#include "quality/frm_s_test.h"

#include "quality/moldteststatements.h"
#include "workorders/clickablelabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* hidden(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

QLabel* shown(QWidget* parent, const char* name) {
    QLabel* l = hidden(parent, name);
    l->setFrameShape(QFrame::Box);
    l->setMinimumHeight(40);
    l->setAlignment(Qt::AlignCenter);
    l->show();
    return l;
}

QLabel* captionCell(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setStyleSheet(QStringLiteral("background: rgb(220,230,241);"));
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(64);
    return b;
}

struct StageRow {
    const char* group;
    const char* prefix;
    const char* title;
    QStringList columns;
};
} // namespace

void frm_S_test::buildFields() {
    lblOp_seq_sub = hidden(this, "lblOp_seq_sub");
    lblProduct_code = hidden(this, "lblProduct_code");
    lblproduct_name = shown(this, "lblproduct_name");
    lblpumbun = shown(this, "lblpumbun");
    lblDate = shown(this, "lblDate");
    lblcar_name = hidden(this, "lblcar_name");
    lblstandard = hidden(this, "lblstandard");
    btnSave = button(this, "btnSave", QStringLiteral("등     록"));
    btnCancel = button(this, "btnCancel", QStringLiteral("취      소"));
    for (const QString& column : MoldTestStatements::valueColumns()) {
        const MoldTestStatements::Field f = MoldTestStatements::fieldOf(column);
        auto* l = new ClickableLabel(QString(), this);
        l->setObjectName(f.group + QStringLiteral("(%1)").arg(f.index));
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumSize(96, 44);
        l->setStyleSheet(QStringLiteral("background: white; font-size: 20px; font-weight: bold;"));
        m_fields.insert(column, l);
    }
}

void frm_S_test::layOutScreen() {
    QFont font = this->font();
    font.setPixelSize(17);
    font.setBold(true);
    setFont(font);
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("품번"), this));
    head->addWidget(lblpumbun, 1);
    head->addWidget(new QLabel(QStringLiteral("품명"), this));
    head->addWidget(lblproduct_name, 2);
    head->addWidget(lblDate, 1);

    auto* g = new QGridLayout;
    g->setSpacing(3);
    // The tall caption of the left block, one letter per line.
    g->addWidget(captionCell(this, QStringLiteral("성\n\n형\n\n조\n\n건")), 0, 0, 10, 1);
    const QList<StageRow> stages = {
        {"lbl_cylinder",
         "cylinder",
         " 실린더 온도 (℃)",
         {QStringLiteral("HN"), QStringLiteral("H1"), QStringLiteral("H2"), QStringLiteral("H3"),
          QStringLiteral("쿠션량")}},
        {"lbl_sacul",
         "sacul",
         " 사 출  압 력 (kgf/cm², %)",
         {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
          QStringLiteral("보압1차"), QStringLiteral("보압2차")}},
        {"lbl_speed",
         "speed",
         " 속       도 (mm/s, %)",
         {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
          QStringLiteral("4차"), QStringLiteral("-")}},
        {"lbl_mm",
         "mm",
         " 계 량  거 리 (mm)",
         {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
          QStringLiteral("4차"), QStringLiteral("석백")}},
    };
    int row = 0;
    for (const StageRow& s : stages) {
        g->addWidget(captionCell(this, QString::fromUtf8(s.title)), row, 1, 2, 1);
        for (int i = 0; i < 5; ++i) {
            g->addWidget(captionCell(this, s.columns[i]), row, 2 + i);
            g->addWidget(field(QLatin1String(s.prefix) + QString::number(i + 1)), row + 1, 2 + i);
        }
        row += 2;
    }
    // Times per shift.
    g->addWidget(captionCell(this, QStringLiteral("시 간")), row, 1);
    const QStringList timeCaptions = {QStringLiteral("사 출"), QStringLiteral("냉 각"),
                                      QStringLiteral("행 정")};
    const QStringList timeKeys = {QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("h")};
    for (int i = 0; i < 3; ++i)
        g->addWidget(captionCell(this, timeCaptions[i]), row, 3 + i);
    const QStringList shifts = {QStringLiteral("ju"), QStringLiteral("ya")};
    for (int s = 0; s < 2; ++s) {
        g->addWidget(captionCell(this, s == 0 ? QStringLiteral("주") : QStringLiteral("야")),
                     row + 1 + s, 2);
        for (int i = 0; i < 3; ++i)
            g->addWidget(
                field(QStringLiteral("time_") + timeKeys[i] + QLatin1Char('_') + shifts[s]),
                row + 1 + s, 3 + i);
    }
    row += 3;
    // Three lines of counts per shift; the C/V counts are kept but not shown.
    g->addWidget(captionCell(this, QStringLiteral("생산 SHOT수")), row, 3);
    g->addWidget(captionCell(this, QStringLiteral(" 가 동 시 간")), row, 4);
    for (int s = 0; s < 2; ++s) {
        g->addWidget(captionCell(this, s == 0 ? QStringLiteral("주") : QStringLiteral("야")),
                     row + 1 + 3 * s, 2, 3, 1);
        for (int k = 1; k <= 3; ++k) {
            const QString n = QString::number(k);
            field(QStringLiteral("cv_") + shifts[s] + n)->hide();
            g->addWidget(field(QStringLiteral("shot_") + shifts[s] + n), row + 3 * s + k, 3);
            g->addWidget(field(QStringLiteral("gadong_") + shifts[s] + n), row + 3 * s + k, 4);
        }
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(g, 1);
    layout->addLayout(buttons);
    resize(1100, 960);
}
