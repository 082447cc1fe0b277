#include "production/frm_s_badqty.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "production/defectstatements.h"
#include "production/entrysave.h"
#include "production/entryscreen.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frmkey2.h"
#include "ui/common/modal.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;

const QString kQuantity = QStringLiteral("수량");

const EntryScreen::Column kColumns[] = {
    {"idx", 0, SpreadCellType::Text, kLeft, true, false},
    {"생산실적순번", 15, SpreadCellType::Text, kLeft, true, false},
    {"공정코드", 15, SpreadCellType::Text, kLeft, true, false},
    {"제품코드", 8, SpreadCellType::Text, kLeft, true, false},
    {"부적합코드", 10, SpreadCellType::Text, kCentre, true, false},
    {"부적합명", 30, SpreadCellType::Text, kLeft, false, false},
    {"수량", 15, SpreadCellType::Number, kRight, false, true},
    {"비고", 40, SpreadCellType::Text, kLeft, false, true},
};

QLineEdit* numberBox(QWidget* parent, const char* name) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QLatin1String(name));
    t->setReadOnly(true);
    t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setMinimumHeight(48);
    t->setMaximumWidth(180);
    return t;
}
} // namespace

frm_S_badqty::frm_S_badqty(QWidget* parent)
    : QDialog(parent), lblOp_seq_sub(EntryScreen::hiddenField(this, "lblOp_seq_sub")),
      lblWC_code(EntryScreen::hiddenField(this, "lblWC_code")),
      lblProduct_code(EntryScreen::hiddenField(this, "lblProduct_code")),
      lblEquipment_code(EntryScreen::hiddenField(this, "lblEquipment_code")),
      lblBad_Cnt(EntryScreen::hiddenField(this, "lblBad_Cnt")),
      txtBad_Total_cnt(numberBox(this, "txtBad_Total_cnt")),
      txtBad_cnt(numberBox(this, "txtBad_cnt")), ss(new SpreadView(this)),
      cmdSave(EntryScreen::pictureButton(this, "cmdSave", QStringLiteral("저장"))),
      Command14(EntryScreen::pictureButton(this, "Command14", QStringLiteral("닫기"))),
      m_ss(new clsSpread(this)), m_keypad(new frmKey2(this)) {
    setObjectName(QStringLiteral("frm_S_badqty"));
    setWindowTitle(caption());
    setModal(true);
    ss->setObjectName(QStringLiteral("ss"));
    layOutScreen();
    m_ss->Spr(ss);
    EntryScreen::layOutGrid(m_ss, kColumns, int(std::size(kColumns)));
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_badqty::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
    connect(ss, &QAbstractItemView::clicked, this, &frm_S_badqty::cellClicked);
}

frm_S_badqty::~frm_S_badqty() = default;

void frm_S_badqty::layOutScreen() {
    QFont f = font();
    f.setPixelSize(22);
    f.setBold(true);
    setFont(f);
    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(QStringLiteral("입력 불량"), this), 0, 0);
    boxes->addWidget(txtBad_Total_cnt, 0, 1);
    boxes->addWidget(new QLabel(QStringLiteral("미입력 불량"), this), 1, 0);
    boxes->addWidget(txtBad_cnt, 1, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(boxes);
    top->addStretch(1);
    top->addWidget(cmdSave);
    top->addWidget(Command14);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ss, 1);
    resize(860, 720);
}

int frm_S_badqty::showModal() {
    lsQuery();
    return runModal(*this);
}

void frm_S_badqty::lsQuery() {
    m_ss->SetbindRS(DefectStatements::entryQuery(lblOp_seq_sub->text(), lblWC_code->text(),
                                                 lblProduct_code->text()),
                    objectName());
    showTotals();
}

void frm_S_badqty::showTotals() {
    // Sums in 64 bits: many large quantities never wrap.
    qint64 sum = 0;
    for (int row = 1; row <= m_ss->MaxRows(); ++row)
        sum += fieldNumber(m_ss->ValueWithColID(kQuantity, row).toString()).value_or(0);
    const qint64 shown = fieldNumber(lblBad_Cnt->text()).value_or(0);
    const qint64 rest = shown - sum;
    txtBad_Total_cnt->setText(QString::number(sum));
    txtBad_cnt->setText(QString::number(rest));
    QPalette p = txtBad_cnt->palette();
    p.setColor(QPalette::Text, rest < 0 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    txtBad_cnt->setPalette(p);
}

void frm_S_badqty::cellClicked(const QModelIndex& index) {
    if (m_ss->GetColID(index.column() + 1) == kQuantity)
        EntryScreen::typeIntoCell(m_keypad, m_ss, kQuantity, index.row() + 1);
}

QStringList frm_S_badqty::saveBatch(qint64* total, QString* refusal) const {
    const QDateTime now = Clock::now();
    QStringList batch;
    QString lastRun;
    *total = 0;
    for (int row = 1; row <= m_ss->MaxRows(); ++row) {
        DefectStatements::Defect d;
        d.runNo = m_ss->TextWithColID(QStringLiteral("생산실적순번"), row);
        d.productCode = m_ss->TextWithColID(QStringLiteral("제품코드"), row);
        d.processCode = m_ss->TextWithColID(QStringLiteral("공정코드"), row);
        d.code = m_ss->TextWithColID(QStringLiteral("부적합코드"), row);
        const std::optional<qint32> qty = entryNumber(m_ss->ValueWithColID(kQuantity, row));
        if (!qty) {
            *refusal = m_ss->TextWithColID(QStringLiteral("부적합명"), row) +
                       QStringLiteral(": 수량은 0 이상의 정수로 입력하십시오.");
            return {};
        }
        d.quantity = *qty;
        d.remark = m_ss->TextWithColID(QStringLiteral("비고"), row);
        d.equipmentCode = lblEquipment_code->text();
        d.userId = gsUSER_ID;
        d.now = now;
        *total += d.quantity;
        lastRun = d.runNo;
        const QString idx = m_ss->TextWithColID(QStringLiteral("idx"), row);
        switch (entrySaveAction(idx, d.quantity, m_ss->TextWithColID(kQuantity, row))) {
        case EntrySave::Insert:
            batch << DefectStatements::defectInsert(d);
            break;
        case EntrySave::Delete:
            batch << DefectStatements::defectDelete(d.runNo, d.code);
            break;
        case EntrySave::Update:
            batch << DefectStatements::defectUpdate(d);
            break;
        case EntrySave::None:
            break;
        }
    }
    // The run's total goes into a 32-bit column.
    if (*total > std::numeric_limits<qint32>::max()) {
        *refusal = QStringLiteral("불량 수량의 합계가 너무 큽니다.");
        return {};
    }
    batch << DefectStatements::runTotalUpdate(lastRun, *total);
    return batch;
}

void frm_S_badqty::cmdSave_Click() {
    // Without codes for the process there is nothing to record; the report screen keeps
    // the defective quantity it shows.
    if (m_ss->MaxRows() == 0) {
        reject();
        return;
    }
    qint64 total = 0;
    QString refusal;
    gsSQLs = saveBatch(&total, &refusal);
    if (!refusal.isEmpty()) {
        showWorkerMessage(refusal, this);
        return;
    }
    if (!gfEXEC_SQLS(gsSQLs, objectName()))
        return;
    lblBad_Cnt->setText(QString::number(total));
    accept();
}
