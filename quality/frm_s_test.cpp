#include "quality/frm_s_test.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "quality/moldteststatements.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frmkey2_jaju.h"
#include "workorders/clickablelabel.h"

#include <QDialog>

#include <QLabel>
#include <QPushButton>

frm_S_test::frm_S_test(QWidget* parent) : QWidget(parent), m_keypad(new frmKey2_jaju(this)) {
    setObjectName(QStringLiteral("frm_S_test"));
    setWindowTitle(caption());
    buildFields();
    layOutScreen();
    for (ClickableLabel* f : std::as_const(m_fields))
        connect(f, &ClickableLabel::clicked, this, [this, f] { fieldClicked(f); });
    connect(btnSave, &QPushButton::clicked, this, &frm_S_test::btnSave_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
}

frm_S_test::~frm_S_test() = default;

void frm_S_test::Form_Load(const MouldJob& job) {
    move(0, 0);
    lblOp_seq_sub->setText(job.seq);
    lblProduct_code->setText(job.productCode);
    lblproduct_name->setText(job.productName);
    lblpumbun->setText(job.pumbun);
    lblDate->setText(job.date);
    lblcar_name->setText(job.carName);
    lblstandard->setText(job.standard);
    lsQuery();
}

void frm_S_test::lsQuery() {
    const bool found = gfOPEN_RS(MoldTestStatements::load(lblOp_seq_sub->text()), false, caption());
    for (const QString& column : MoldTestStatements::valueColumns()) {
        QString text;
        if (found && gRs.isOpen()) {
            const QVariant v = gRs->value(0, column);
            text = v.isNull() ? QString() : v.toString();
        }
        m_fields.value(column)->setText(text);
    }
    gRs.close();
}

void frm_S_test::fieldClicked(ClickableLabel* f) {
    // A cancelled keypad empties the field.
    const bool accepted = m_keypad->showModal() == QDialog::Accepted;
    f->setText(accepted ? m_keypad->KEYPAD_no : QString());
}

QHash<QString, QString> frm_S_test::values() const {
    QHash<QString, QString> v;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        v.insert(it.key(), it.value()->text());
    return v;
}

bool frm_S_test::refusedValue() {
    const std::optional<QString> wrong = MoldTestStatements::firstNonNumber(values());
    if (!wrong)
        return false;
    showWorkerMessage(MoldTestStatements::caption(*wrong) +
                          QStringLiteral(" 값이 숫자가 아닙니다: ") + field(*wrong)->text(),
                      this);
    return true;
}

void frm_S_test::btnSave_Click() {
    // Values are spliced as numbers: a text would make the statement invalid.
    if (refusedValue())
        return;
    const QString seq = lblOp_seq_sub->text();
    const QString date = lblDate->text();
    const QVariant count = gfGET_VALUE(MoldTestStatements::count(seq, date), caption());
    if (!count.isValid())
        return;
    const qint64 n = count.toLongLong();
    if (n > 1) {
        showWorkerMessage(QStringLiteral("같은 작업의 같은 날 성형검사가 %1건 있어 저장할 수 "
                                         "없습니다. 관리자에게 문의하십시오.")
                              .arg(n),
                          this);
        return;
    }
    gsSQLs = {n == 1 ? MoldTestStatements::update(seq, date, values())
                     : MoldTestStatements::insert(seq, lblProduct_code->text(), date, values())};
    if (!gfEXEC_SQLS(gsSQLs, caption()))
        return;
    showWorkerMessage(QStringLiteral("저장이 완료되었습니다."), this);
    close();
}
