#include "production/frm_s_employee.h"

#include "core/moddb.h"
#include "production/frm_s_dayreport.h"
#include "production/workereditsql.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/modal.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frm_S_employee::frm_S_employee(frm_S_dayReport* report)
    : QDialog(report), txtemployee_name(new QLineEdit(this)), txtemployee_no(new QLineEdit(this)),
      cmd_query(new QPushButton(QStringLiteral("조회"), this)), ss(new SpreadView(this)),
      cmdSave(new QPushButton(QStringLiteral("확인"), this)),
      Command14(new QPushButton(QStringLiteral("닫기"), this)), lblProcess_code(new QLabel(this)),
      lblOp_seq_sub(new QLabel(this)), m_report(report), m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_employee"));
    setWindowTitle(QStringLiteral("작업자 선택"));
    setModal(true);
    txtemployee_name->setObjectName(QStringLiteral("txtemployee_name"));
    txtemployee_no->setObjectName(QStringLiteral("txtemployee_no"));
    cmd_query->setObjectName(QStringLiteral("cmd_query"));
    ss->setObjectName(QStringLiteral("ss"));
    ss->setSelectionBehavior(QAbstractItemView::SelectRows);
    ss->setSelectionMode(QAbstractItemView::SingleSelection);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    Command14->setObjectName(QStringLiteral("Command14"));
    lblProcess_code->setObjectName(QStringLiteral("lblProcess_code"));
    lblOp_seq_sub->setObjectName(QStringLiteral("lblOp_seq_sub"));
    lblProcess_code->hide();
    lblOp_seq_sub->hide();
    layOut();
    connect(cmd_query, &QPushButton::clicked, this, [this] { cmd_query_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { reject(); });
    declareGrid();
    lblProcess_code->setText(report->lblProcess_code->text());
    lblOp_seq_sub->setText(report->lblOp_seq_sub->text());
    cmd_query_Click();
}

frm_S_employee::~frm_S_employee() = default;

int frm_S_employee::showModal() {
    return runModal(*this);
}

void frm_S_employee::layOut() {
    QFont big = font();
    big.setPixelSize(22);
    big.setBold(true);
    setFont(big);
    auto* search = new QGridLayout;
    search->addWidget(new QLabel(QStringLiteral("작 업 자"), this), 0, 0);
    search->addWidget(txtemployee_name, 0, 1);
    search->addWidget(new QLabel(QStringLiteral("사     번"), this), 1, 0);
    search->addWidget(txtemployee_no, 1, 1);
    search->addWidget(cmd_query, 0, 2, 2, 1);
    cmd_query->setMinimumHeight(80);
    auto* keys = new QHBoxLayout;
    keys->addStretch(1);
    for (QPushButton* b : {cmdSave, Command14}) {
        b->setMinimumSize(140, 64);
        keys->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(ss, 1);
    layout->addLayout(keys);
    resize(620, 640);
}

void frm_S_employee::declareGrid() {
    m_ss->Spr(ss);
    m_ss->SetInit(0, 3, 45, 0, 18, true, true, false, QStringLiteral("1"), true);
    const struct {
        const char* id;
        int width;
        bool hidden;
    } columns[] = {{"idx", 0, true}, {"사번", 25, false}, {"작업자명", 25, false}};
    for (int c = 1; c <= 3; ++c) {
        const auto& k = columns[c - 1];
        const QString id = QString::fromUtf8(k.id);
        m_ss->SetColType(c, id, id, k.width, QString(), SpreadCellType::Text, 60, 0, false, 0, 2,
                         k.hidden, true, false, false);
    }
}

void frm_S_employee::cmd_query_Click() {
    m_ss->SetbindRS(WorkerEditSql::workers(txtemployee_name->text(), txtemployee_no->text()),
                    objectName());
}

void frm_S_employee::cmdSave_Click() {
    const int row = m_ss->ActiveRow();
    // Without a chosen worker there is nothing to write: the run keeps its worker.
    if (row < 1 || row > m_ss->MaxRows()) {
        reject();
        return;
    }
    const QString name = m_ss->TextWithColID(QStringLiteral("작업자명"), row);
    const QString number = m_ss->TextWithColID(QStringLiteral("사번"), row);
    if (!gfEXEC_SQL(WorkerEditSql::setWorker(number, m_report->lblOp_seq_sub->text()),
                    windowTitle()))
        showWorkerMessage(QStringLiteral("저장 실패"), this);
    m_report->lblEmployee_name->setText(name);
    m_report->lblemployee_no->setText(number);
    accept();
}
