#include "production/frm_s_lot_select.h"

#include "core/moddb.h"
#include "core/platform/clock.h"
#include "production/dayreportrules.h"
#include "production/frm_s_dayreport.h"
#include "production/lotbarcode.h"
#include "production/lotstatements.h"
#include "ui/common/clsspread.h"
#include "ui/common/messagebox.h"
#include "ui/common/modal.h"
#include "ui/common/modfnwidgets.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QString kLot = QStringLiteral("LOT NO");
const QString kQty = QStringLiteral("수량");
const QString kMaterial = QStringLiteral("제품코드");

QString today() {
    return Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
}

QLabel* hiddenLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->hide();
    return l;
}
} // namespace

frm_S_lot_select::frm_S_lot_select(frm_S_dayReport* report)
    : QDialog(report), txtBarcode(new QLineEdit(this)), ss(new SpreadView(this)),
      cmdSave(new QPushButton(QStringLiteral("저장"), this)),
      Command14(new QPushButton(QStringLiteral("닫기"), this)),
      lblProduct_code(hiddenLabel(this, "lblProduct_code")),
      lblOp_seq_sub(hiddenLabel(this, "lblOp_seq_sub")),
      lblMaterial_code(hiddenLabel(this, "lblMaterial_code")),
      lblLot_no(hiddenLabel(this, "lblLot_no")), m_report(report), m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_lot_select"));
    setWindowTitle(QStringLiteral("LOT 선택"));
    setModal(true);
    txtBarcode->setObjectName(QStringLiteral("txtBarcode"));
    ss->setObjectName(QStringLiteral("ss"));
    ss->setSelectionBehavior(QAbstractItemView::SelectRows);
    ss->setSelectionMode(QAbstractItemView::SingleSelection);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    Command14->setObjectName(QStringLiteral("Command14"));
    // A scanner types like a keyboard: only the barcode box ever takes the keys, whatever
    // was touched last.
    for (QWidget* w : {static_cast<QWidget*>(ss), static_cast<QWidget*>(cmdSave),
                       static_cast<QWidget*>(Command14)}) {
        w->setFocusPolicy(Qt::NoFocus);
        w->installEventFilter(this);
    }
    ss->viewport()->installEventFilter(this);
    m_ss->Spr(ss);
    layOut();
    connect(txtBarcode, &QLineEdit::textEdited, this, [this] { gfIME_ENGLISH(ss); });
    connect(txtBarcode, &QLineEdit::returnPressed, this, [this] { txtBarcode_Enter(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { reject(); });
}

frm_S_lot_select::~frm_S_lot_select() = default;

bool frm_S_lot_select::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtBarcode &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        QCoreApplication::sendEvent(txtBarcode, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frm_S_lot_select::lsProductCode(const QString& argProductCode, const QString& argLot_no,
                                     const QString& argOpSeqSub, const QString& /*argUnused*/) {
    m_materialCode = argProductCode;
    m_lotNo = argLot_no;
    m_opSeqSub = argOpSeqSub;
}

int frm_S_lot_select::showModal() {
    Form_Load();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    txtBarcode->setFocus();
    return runModal(*this);
}

void frm_S_lot_select::layOut() {
    QFont big = font();
    big.setPixelSize(22);
    big.setBold(true);
    setFont(big);
    auto* scan = new QHBoxLayout;
    scan->addWidget(new QLabel(QStringLiteral("바코드"), this));
    scan->addWidget(txtBarcode, 1);
    auto* keys = new QHBoxLayout;
    keys->addStretch(1);
    for (QPushButton* b : {cmdSave, Command14}) {
        b->setMinimumSize(140, 64);
        keys->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(scan);
    layout->addWidget(ss, 1);
    layout->addLayout(keys);
    resize(640, 600);
}

void frm_S_lot_select::declareGrid() {
    m_ss->SetInit(0, 5, 40, 0, 16, true, true, false, QStringLiteral("1"), true);
    const struct {
        const char* id;
        int width;
        bool number;
        bool hidden;
    } columns[] = {{"LOT NO", 30, false, false},
                   {"수량", 15, true, false},
                   {"제품코드", 10, false, true},
                   {"LOT구분1", 10, false, true},
                   {"LOT구분2", 10, false, true}};
    int col = 0;
    for (const auto& c : columns) {
        const QString id = QString::fromUtf8(c.id);
        m_ss->SetColType(++col, id, id, c.width, QString(),
                         c.number ? SpreadCellType::Number : SpreadCellType::Text,
                         c.number ? 0 : 60, 0, c.number, c.number ? 2 : 0, 2, c.hidden, true, false,
                         false);
    }
}

void frm_S_lot_select::Form_Load() {
    lblProduct_code->setText(m_report->lblProduct_code->text());
    lblOp_seq_sub->setText(m_report->lblOp_seq_sub->text());
    lblMaterial_code->setText(m_materialCode);
    lblLot_no->setText(m_lotNo);
    declareGrid();
    m_ss->SetbindRS(LotSql::selectLots(m_materialCode, today()), objectName());
}

void frm_S_lot_select::txtBarcode_Enter() {
    const std::optional<LotBarcode> scan = LotBarcode::parse(txtBarcode->text());
    const QString title = QStringLiteral("오류");
    if (!scan) {
        MessageBox::critical(title, QStringLiteral("바코드 형식이 아닙니다. (LOT NO/자재코드)"));
        txtBarcode->clear();
        return;
    }
    const QString& lot = scan->lot;
    const QString& material = scan->material;
    const QVariant received = gfGET_VALUE(LotSql::scannedLot(lot, material, today()), objectName());
    if (!received.isValid()) { // failed, reported already
        txtBarcode->clear();
        return;
    }
    if (received.toString().isEmpty()) {
        MessageBox::critical(title, QStringLiteral("재고가 있는 LOT가 아닙니다. (") + lot +
                                        QStringLiteral(")"));
        txtBarcode->clear();
        return;
    }
    const int row = m_ss->ActiveRow();
    const QString expected = row >= 1 ? m_ss->TextWithColID(kMaterial, row) : m_materialCode;
    if (material != expected) {
        MessageBox::critical(title, QStringLiteral("해당제품의 LOT가 아닙니다.."));
        txtBarcode->clear();
        return;
    }
    writeLot(lot, nullptr);
    accept();
}

bool frm_S_lot_select::olderLotAccepted(const QString& lot) {
    const QVariantList start = gfGET_ROW(LotSql::lotStart(m_materialCode, lot), objectName());
    if (start.isEmpty())
        return false;
    const QString firstDate = start.value(0).toString();
    const QString firstIdx = start.value(1).toString();
    const QString orderDate = DayReportRules::repairDay(m_report->lblJakupdate->text());
    const QVariant older =
        gfGET_VALUE(LotSql::olderLot(orderDate, m_materialCode, firstDate, firstIdx), objectName());
    if (!older.isValid())
        return false;
    const QString olderLot = older.toString();
    if (olderLot.isEmpty() || olderLot == QStringLiteral("0"))
        return true;
    return MessageBox::show(QMessageBox::Critical, QStringLiteral("입력오류"),
                            QStringLiteral("LOT NO (") + olderLot +
                                QStringLiteral(") 가 먼저 투입 되어야 합니다.") +
                                QLatin1Char('\n') + QStringLiteral("무시하고 투입 하시겠습니까?"),
                            QMessageBox::Yes | QMessageBox::No, this) == QMessageBox::Yes;
}

void frm_S_lot_select::cmdSave_Click() {
    // Without a chosen row there is no lot to check or to take.
    const int row = m_ss->ActiveRow();
    if (row < 1 || row > m_ss->MaxRows())
        return;
    const QString lot = m_ss->TextWithColID(kLot, row);
    if (!olderLotAccepted(lot))
        return;
    const QVariant qty = m_ss->ValueWithColID(kQty, row);
    writeLot(lot, &qty);
    accept();
}

void frm_S_lot_select::writeLot(const QString& lot, const QVariant* stock) {
    clsSpread* grid = m_report->lotSpread();
    const int r = grid->ActiveRow();
    if (r < 1 || r > grid->MaxRows())
        return;
    grid->TextWithColID(kLot, r, lot);
    if (stock)
        grid->ValueWithColID(QStringLiteral("LOT재고"), r, *stock);
}
