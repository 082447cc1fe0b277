#include "production/frm_s_bigadong2.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "production/downtimestatements.h"
#include "production/entrysave.h"
#include "production/entryscreen.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frmkey2.h"
#include "ui/common/modal.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;

const QString kMinutes = QStringLiteral("분");

const EntryScreen::Column kColumns[] = {
    {"idx", 0, SpreadCellType::Text, kLeft, true, false},
    {"생산실적순번", 15, SpreadCellType::Text, kLeft, true, false},
    {"제품코드", 8, SpreadCellType::Text, kLeft, true, false},
    {"비가동코드", 10, SpreadCellType::Text, kCentre, true, false},
    {"비가동명", 25, SpreadCellType::Text, kLeft, false, false},
    {"분", 15, SpreadCellType::Number, kRight, false, true},
};
} // namespace

frm_S_bigadong2::frm_S_bigadong2(QWidget* parent)
    : QDialog(parent), lblProduct_code(EntryScreen::hiddenField(this, "lblProduct_code")),
      lblOp_seq_sub(EntryScreen::hiddenField(this, "lblOp_seq_sub")),
      lblprocess_code(EntryScreen::hiddenField(this, "lblprocess_code")),
      lblEquipment_code(EntryScreen::hiddenField(this, "lblEquipment_code")),
      lblEmployee_su(EntryScreen::hiddenField(this, "lblEmployee_su")), ss(new SpreadView(this)),
      cmdSave(EntryScreen::pictureButton(this, "cmdSave", QStringLiteral("저장"))),
      Command14(EntryScreen::pictureButton(this, "Command14", QStringLiteral("닫기"))),
      m_ss(new clsSpread(this)), m_keypad(new frmKey2(this)) {
    setObjectName(QStringLiteral("frm_S_bigadong2"));
    setWindowTitle(caption());
    setModal(true);
    ss->setObjectName(QStringLiteral("ss"));
    layOutScreen();
    m_ss->Spr(ss);
    layOutGrid();
    connect(cmdSave, &QPushButton::clicked, this, &frm_S_bigadong2::cmdSave_Click);
    connect(Command14, &QPushButton::clicked, this, &QDialog::reject);
    connect(ss, &QAbstractItemView::clicked, this, &frm_S_bigadong2::cellClicked);
}

frm_S_bigadong2::~frm_S_bigadong2() = default;

void frm_S_bigadong2::layOutScreen() {
    QFont f = font();
    f.setPixelSize(22);
    f.setBold(true);
    setFont(f);
    auto* title = new QLabel(caption(), this);
    auto* top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(cmdSave);
    top->addWidget(Command14);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ss, 1);
    resize(560, 720);
}

void frm_S_bigadong2::layOutGrid() {
    EntryScreen::layOutGrid(m_ss, kColumns, int(std::size(kColumns)));
}

int frm_S_bigadong2::showModal() {
    lsQuery();
    return runModal(*this);
}

void frm_S_bigadong2::lsQuery() {
    m_ss->SetbindRS(DowntimeStatements::entryQuery(lblOp_seq_sub->text(), lblProduct_code->text()),
                    objectName());
}

void frm_S_bigadong2::cellClicked(const QModelIndex& index) {
    const int col = index.column() + 1;
    if (m_ss->GetColID(col) == kMinutes)
        EntryScreen::typeIntoCell(m_keypad, m_ss, kMinutes, index.row() + 1);
}

QStringList frm_S_bigadong2::saveBatch(QString* refusal) const {
    const std::optional<qint64> crew = fieldNumber(lblEmployee_su->text());
    if (!crew) {
        *refusal = QStringLiteral("작업 인원이 숫자가 아닙니다: ") + lblEmployee_su->text();
        return {};
    }
    const QDateTime now = Clock::now();
    QStringList batch;
    for (int row = 1; row <= m_ss->MaxRows(); ++row) {
        DowntimeStatements::Reason r;
        r.runNo = m_ss->TextWithColID(QStringLiteral("생산실적순번"), row);
        r.code = m_ss->TextWithColID(QStringLiteral("비가동코드"), row);
        const std::optional<qint32> minutes = entryNumber(m_ss->ValueWithColID(kMinutes, row));
        if (!minutes) {
            *refusal = m_ss->TextWithColID(QStringLiteral("비가동명"), row) +
                       QStringLiteral(": 분은 0 이상의 정수로 입력하십시오.");
            return {};
        }
        r.minutes = *minutes;
        r.crewSize = *crew;
        r.crewText = lblEmployee_su->text();
        r.equipmentCode = lblEquipment_code->text();
        // The grid has no remark column: the remark is what it gives for an unknown ID.
        r.remark = m_ss->TextWithColID(QStringLiteral("비고"), row);
        r.userId = gsUSER_ID;
        r.now = now;
        const QString idx = m_ss->TextWithColID(QStringLiteral("idx"), row);
        switch (entrySaveAction(idx, r.minutes, m_ss->TextWithColID(kMinutes, row))) {
        case EntrySave::Insert:
            batch << DowntimeStatements::reasonInsert(r);
            break;
        case EntrySave::Delete:
            batch << DowntimeStatements::reasonDelete(r.runNo, r.code);
            break;
        case EntrySave::Update:
            batch << DowntimeStatements::reasonUpdate(r);
            break;
        case EntrySave::None:
            break;
        }
    }
    return batch;
}

void frm_S_bigadong2::cmdSave_Click() {
    QString refusal;
    gsSQLs = saveBatch(&refusal);
    if (!refusal.isEmpty()) {
        showWorkerMessage(refusal, this);
        return;
    }
    if (gfEXEC_SQLS(gsSQLs, objectName()))
        accept();
}
