#include "quality/frm_s_jaju_employee.h"

#include "quality/frm_s_jajutest.h"
#include "quality/jajuteststatements.h"
#include "ui/common/clsspread.h"
#include "ui/common/modal.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(60);
    return b;
}
} // namespace

frm_S_jaju_employee::frm_S_jaju_employee(frm_S_jajutest* sheet)
    : QDialog(sheet), ss(new SpreadView(this)),
      cmdSave(button(this, "cmdSave", QStringLiteral("확  인"))),
      Command14(button(this, "Command14", QStringLiteral("닫  기"))), m_sheet(sheet),
      m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_jaju_employee"));
    setWindowTitle(QStringLiteral("검사자 선택"));
    setModal(true);
    ss->setObjectName(QStringLiteral("ss"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(Command14);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ss, 1);
    layout->addLayout(buttons);
    resize(520, 640);
    m_ss->Spr(ss);
    m_ss->SetInit(0, 3, 40, 0, 16, true, true, false, QStringLiteral("1"), true);
    const auto column = [this](int col, const char* id, int width, bool hidden) {
        m_ss->SetColType(col, QString::fromUtf8(id), QString::fromUtf8(id), width, QString(),
                         SpreadCellType::Text, 60, 0, false, 2, 2, hidden, true, false, false);
    };
    column(1, "idx", 0, true);
    column(2, "사번", 18, false);
    column(3, "작업자명", 18, false);
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_jaju_employee::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
}

int frm_S_jaju_employee::showModal() {
    m_ss->SetbindRS(JajuTestStatements::employees(), objectName());
    return runModal(*this);
}

void frm_S_jaju_employee::cmdSave_Click() {
    const int row = m_ss->ActiveRow();
    if (row >= 1 && row <= m_ss->MaxRows()) {
        m_sheet->lbl_employee->setText(m_ss->TextWithColID(QStringLiteral("작업자명"), row));
        m_sheet->lblemployee_no->setText(m_ss->TextWithColID(QStringLiteral("사번"), row));
    }
    accept();
}
