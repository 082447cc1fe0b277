// The report screen's material grid: lots and input quantities of the running job.
#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "production/dayreportrules.h"
#include "production/frm_s_dayreport.h"
#include "production/frm_s_lot_select.h"
#include "production/lotstatements.h"
#include "ui/common/clsspread.h"
#include "ui/common/frmkey2.h"
#include "ui/common/messagebox.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {
const QString kMaterial = QStringLiteral("제품코드");
const QString kUsage = QStringLiteral("usage");
const QString kLot = QStringLiteral("LOT NO");
const QString kStock = QStringLiteral("LOT재고");
const QString kInput = QStringLiteral("투입수량");

QString today() {
    return Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
}

void closeRs() {
    if (gRs.isOpen())
        gRs.close();
}

// A quantity cut toward zero; an empty or unreadable text counts 0.
qint64 cut(double v) {
    return std::isfinite(v) ? qint64(std::trunc(v)) : 0;
}
double numberOf(const QVariant& v) {
    QString t = v.toString();
    t.remove(QLatin1Char(','));
    return t.trimmed().toDouble();
}
qint64 cutCell(const clsSpread& ss, const QString& id, int row) {
    return cut(numberOf(ss.ValueWithColID(id, row)));
}
qint64 fieldNumber(const QLabel* l) {
    return DayReportRules::number(l->text()).value_or(0);
}

// A lot number as the grid shows it: stock kept without a lot number is lot "0", so a row
// that took it is never found again as a row without a lot.
QString lotNumber(const QVariant& v) {
    const QString no = v.toString();
    return no.isEmpty() ? QStringLiteral("0") : no;
}

struct Lot {
    QString no;
    double stock = 0;
};
} // namespace

void frm_S_dayReport::buildLotGrid() {
    sprLot = new SpreadView(this);
    sprLot->setObjectName(QStringLiteral("sprLot"));
    m_ssLot = new clsSpread(this);
    m_ssLot->Spr(sprLot);
    connect(sprLot, &SpreadView::clicked, this,
            [this](const QModelIndex& i) { sprLot_Click(i.column() + 1, i.row() + 1); });
    connect(btnLotAdd, &QPushButton::clicked, this, [this] { btnLotAdd_Click(); });
    connect(btnLotCancel, &QPushButton::clicked, this, [this] { btnLotCancel_Click(); });
}

void frm_S_dayReport::lsSpreadInit() {
    m_ssLot->SetInit(0, 11, 35, 0, 12, true, true, false, QStringLiteral("1"), true);
    const struct {
        const char* header;
        const char* id;
        int width;
        bool number;
        int align; // 0 left, 1 right, 2 centre
        bool hidden;
        bool locked;
    } columns[] = {
        {"제품코드", "제품코드", 6, false, 0, true, true},
        {"차종명", "차종명", 12, false, 0, false, true},
        {"구분", "구분", 8, false, 0, false, true},
        {"품번", "품번", 32, false, 0, false, true},
        {"Rev.No", "Rev.No", 8, false, 0, true, true},
        {"품명", "제품명", 35, false, 0, false, true},
        {"usage", "usage", 7, false, 0, false, true},
        {"LOT NO", "LOT NO", 25, false, 0, false, true},
        {"LOT\r\n재고", "LOT재고", 12, true, 1, false, true},
        {"투입수량", "투입수량", 12, true, 1, false, false},
        {"단위", "단위", 6, false, 2, false, true},
    };
    int col = 0;
    for (const auto& c : columns) {
        const QString id = QString::fromUtf8(c.id);
        m_ssLot->SetColType(++col, QString::fromUtf8(c.header), id, c.width, QString(),
                            c.number ? SpreadCellType::Number : SpreadCellType::Text,
                            c.number ? 0 : 60, 0, c.number, c.align, 2, c.hidden, c.locked,
                            id == kLot, false);
    }
}

void frm_S_dayReport::lsBottomQuery() {
    m_ssLot->SetbindRS(LotSql::materials(lblProduct_code->text(), lblOp_seq_sub->text()),
                       caption());
}

qint64 frm_S_dayReport::unsavedQuantity() const {
    return fieldNumber(lblOk_Cnt) - fieldNumber(lblOk_Cnt2) + fieldNumber(lblBad_Cnt) -
           fieldNumber(lblBad_Cnt2);
}

void frm_S_dayReport::lsTuip_Sum() {
    if (lblBad_Cnt->text().isEmpty())
        lblBad_Cnt->setText(QStringLiteral("0"));
    for (int r = 1; r <= m_ssLot->MaxRows(); ++r) {
        if (lblJakup_Cnt->text().isEmpty())
            continue;
        const int before = m_ssLot->MaxRows();
        lsAutoLot(r, m_ssLot->ActiveRow(), lvEquipment_code);
        r += m_ssLot->MaxRows() - before; // the split row below is the split pass's
    }
    if (unsavedQuantity() == 0)
        return;
    lotSplitPass();
    for (int r = 1; r <= m_ssLot->MaxRows(); ++r) {
        int key = 1;
        m_ssLot->KeyUpdateChk(key, r, this);
    }
}

void frm_S_dayReport::lotSplitPass() {
    m_nextLot = 1;
    for (;;) {
        int row = 0;
        for (int i = 1; i <= m_ssLot->MaxRows() && row == 0; ++i)
            if (m_ssLot->TextWithColID(kLot, i).isEmpty())
                row = i;
        if (row == 0 || !lsAutoLotCopy(row, m_ssLot->ActiveRow(), lvEquipment_code))
            break;
    }
}

void frm_S_dayReport::lsAutoLot(int argindex, int /*argIndex2*/,
                                const QString& /*argEquipment_code*/) {
    const int r = argindex;
    const double need = numberOf(m_ssLot->ValueWithColID(kUsage, r)) * double(unsavedQuantity());
    const QString material = m_ssLot->TextWithColID(kMaterial, r);
    if (gfOPEN_RS(LotSql::firstLot(material, today()), false, caption())) {
        const QString lot = lotNumber(gRs->field(0));
        const double stock = numberOf(gRs->field(1));
        m_ssLot->TextWithColID(kLot, r, lot);
        m_ssLot->ValueWithColID(kStock, r, cut(stock));
        if (stock >= need) {
            m_ssLot->ValueWithColID(kInput, r, cut(need));
        } else {
            m_ssLot->ValueWithColID(kInput, r, cut(stock));
            const int lotCol = m_ssLot->ColumnNumber(kLot);
            m_ssLot->SetFocus(lotCol, r);
            m_ssLot->CopyRow(r, lotCol);
            m_ssLot->ValueWithColID(kInput, r + 1, QString());
            m_ssLot->ValueWithColID(kStock, r + 1, QString());
        }
    } else if (gRs.isOpen()) {
        m_ssLot->TextWithColID(kLot, r, QStringLiteral("0"));
        m_ssLot->ValueWithColID(kStock, r, 0);
        m_ssLot->ValueWithColID(kInput, r, cut(need));
    }
    closeRs();
}

bool frm_S_dayReport::lsAutoLotCopy(int argindex, int /*argIndex2*/,
                                    const QString& /*argEquipment_code*/) {
    const int r = argindex;
    const double need = numberOf(m_ssLot->ValueWithColID(kUsage, r)) * double(unsavedQuantity());
    const QString material = m_ssLot->TextWithColID(kMaterial, r);
    qint64 assigned = 0;
    for (int m = 1; m <= m_ssLot->MaxRows(); ++m)
        if (m_ssLot->TextWithColID(kMaterial, m) == material)
            assigned += cutCell(*m_ssLot, kInput, m);
    const qint64 remaining = cut(need) - assigned;

    QList<Lot> lots;
    if (gfOPEN_RS(LotSql::lotList(material, today()), false, caption()))
        for (; !gRs->eof(); gRs->moveNext())
            lots.append({lotNumber(gRs->field(0)), numberOf(gRs->field(1))});
    closeRs();

    const auto noLot = [&] {
        m_ssLot->TextWithColID(kLot, r, QStringLiteral("0"));
        m_ssLot->ValueWithColID(kStock, r, 0);
        m_ssLot->ValueWithColID(kInput, r, remaining);
    };
    // The stock was taken meanwhile: the row keeps the whole remainder without a lot, and
    // the pass ends rather than searching again.
    if (lots.isEmpty()) {
        noLot();
        return false;
    }
    const int n = int(lots.size());
    int k = m_nextLot;
    if (k >= n) {
        k = n - 1;
        m_nextLot = 1;
    }
    const Lot& lot = lots.at(k);
    m_ssLot->TextWithColID(kLot, r, lot.no);
    m_ssLot->ValueWithColID(kStock, r, cut(lot.stock));
    for (int m = 1; m <= m_ssLot->MaxRows(); ++m) {
        if (m != r && m_ssLot->TextWithColID(kMaterial, m) == material &&
            m_ssLot->TextWithColID(kLot, m) == lot.no) {
            noLot();
            return true;
        }
    }
    if (lot.stock >= double(remaining)) {
        m_ssLot->ValueWithColID(kInput, r, remaining);
        m_nextLot = 1;
        return true;
    }
    m_ssLot->ValueWithColID(kInput, r, cut(lot.stock));
    const int lotCol = m_ssLot->ColumnNumber(kLot);
    m_ssLot->SetFocus(lotCol, r);
    m_ssLot->CopyRow(r, lotCol);
    m_ssLot->ValueWithColID(kInput, r + 1, 0);
    ++m_nextLot;
    return true;
}

void frm_S_dayReport::btnLotAdd_Click() {
    const int r = m_ssLot->ActiveRow();
    if (m_ssLot->MaxRows() == 0 || r < 1)
        return;
    m_ssLot->CopyRow(r, m_ssLot->ColumnNumber(kLot));
    m_ssLot->ValueWithColID(kStock, r + 1, 0);
    m_ssLot->ValueWithColID(kInput, r + 1, 0);
    const qint64 input = cutCell(*m_ssLot, kInput, r);
    const qint64 stock = std::abs(cutCell(*m_ssLot, kStock, r));
    m_ssLot->ValueWithColID(kInput, r + 1, input - stock);
    m_ssLot->ValueWithColID(kInput, r, stock);
    m_ssLot->SetFocus(1, r + 1);
}

void frm_S_dayReport::btnLotCancel_Click() {
    const int r = m_ssLot->ActiveRow();
    if (r < 1 || r > m_ssLot->MaxRows())
        return;
    gsSQLs.clear();
    if (m_ssLot->GetValue(0, r) == clsSpread::markNewData()) {
        m_ssLot->CancelRow();
        return;
    }
    const QString material = m_ssLot->TextWithColID(kMaterial, r);
    for (int h = 1; h <= m_ssLot->MaxRows(); ++h) {
        if (h == r || m_ssLot->TextWithColID(kMaterial, h) != material)
            continue;
        gsSQLs.append(LotSql::deleteLotHistory(material, lblProduct_code->text(),
                                               m_ssLot->TextWithColID(kLot, r)));
        if (!gfEXEC_SQLS(gsSQLs, caption()))
            MessageBox::info(QStringLiteral("오류"),
                             QStringLiteral("행취소가 잘못되었습니다. 다시 확인해주세요."));
        m_ssLot->DeleteRow(r);
        return;
    }
}

void frm_S_dayReport::sprLot_Click(int col, int row) {
    if (row < 1 || col < 1 || row > m_ssLot->MaxRows())
        return;
    const QString id = m_ssLot->GetColID(col);
    if (id == kInput) {
        if (fieldNumber(lblOk_Cnt) == 0 && fieldNumber(lblBad_Cnt) == 0)
            return;
        frmKey2 keypad(this);
        keypad.showModal();
        const QString typed = keypad.KEYPAD_no;
        // The keypad takes digits; anything else would not be a quantity and is dropped.
        bool ok = false;
        const double v = typed.toDouble(&ok);
        if (!typed.isEmpty() && ok)
            m_ssLot->ValueWithColID(kInput, m_ssLot->ActiveRow(), cut(v));
    } else if (id == kLot) {
        // The chosen lot goes to the active row: the touched one.
        m_ssLot->SetFocus(col, row);
        frm_S_lot_select picker(this);
        picker.lsProductCode(m_ssLot->TextWithColID(kMaterial, row),
                             m_ssLot->TextWithColID(kLot, row), lblOp_seq_sub->text(), QString());
        picker.showModal();
    }
}
