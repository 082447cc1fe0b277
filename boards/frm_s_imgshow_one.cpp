#include "boards/frm_s_imgshow_one.h"

#include "boards/boardtotalrow.h"
#include "boards/qualityboardstatements.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;
constexpr int kVCentre = 2;
const QString kNumber = QStringLiteral("생산실적번호");
const QString kGood = QStringLiteral("양품수량");
const QString kBad = QStringLiteral("불량수량");

struct Column {
    QString id;
    int width;
    bool number;
    int align;
    bool hidden;
};
} // namespace

frm_S_ImgSHow_One::frm_S_ImgSHow_One(QWidget* parent)
    : ImgShowBoard(caption(), QStringLiteral("일자별 생산현황"), QSize(28432 / 15, 15584 / 15),
                   parent),
      ss(new SpreadView(this)), m_ss(new clsSpread(this)) {
    setObjectName(QStringLiteral("frm_S_ImgSHow_One"));
    ss->setObjectName(QStringLiteral("ss"));
    addContent(ss, 1);
    m_ss->Spr(ss);
    layOutGrid();
}

frm_S_ImgSHow_One::~frm_S_ImgSHow_One() = default;

void frm_S_ImgSHow_One::layOutGrid() {
    const Column columns[] = {
        {kNumber, 35, false, kCentre, false},
        {QStringLiteral("공정명"), 20, false, kLeft, true},
        {QStringLiteral("설비명"), 20, false, kLeft, true},
        {QStringLiteral("품번코드"), 14, false, kLeft, true},
        {QStringLiteral("품번"), 50, false, kLeft, false},
        {QStringLiteral("품명"), 70, false, kLeft, false},
        {kGood, 17, true, kRight, false},
        {QStringLiteral("불량명"), 34, false, kLeft, false},
        {kBad, 17, true, kRight, false},
    };
    m_ss->SetInit(0, 9, 60, 0, 30, false, true, false, QStringLiteral("1"), true);
    int col = 0;
    for (const Column& c : columns)
        m_ss->SetColType(++col, c.id, c.id, c.width, QString(),
                         c.number ? SpreadCellType::Number : SpreadCellType::Text,
                         c.number ? 0 : 60, 0, c.number, c.align, kVCentre, c.hidden, true, false,
                         false, QColor(), QStringLiteral("-1000"));
}

void frm_S_ImgSHow_One::lsQuery() {
    m_ss->SetbindRS(QualityBoardStatements::productionList(), caption());
    if (m_ss->MaxRows() > 0)
        addTotalRow();
}

void frm_S_ImgSHow_One::addTotalRow() {
    const int last = m_ss->MaxRows();
    const double good = goodTotal(last);
    const int row = BoardTotalRow::append(*m_ss, kBad, kNumber);
    BoardTotalRow::settle(*m_ss, m_ss->ColumnNumber(kGood), row, QString::number(good, 'f', 0));
}

// A result with several defects fills several rows that repeat its good quantity: it counts
// once for each run of equal result numbers.
double frm_S_ImgSHow_One::goodTotal(int lastRow) const {
    double total = 0;
    QString above;
    for (int r = 1; r <= lastRow; ++r) {
        const QString number = m_ss->TextWithColID(kNumber, r);
        if (r == 1 || number != above)
            total += m_ss->ValueWithColID(kGood, r).toDouble();
        above = number;
    }
    return total;
}
