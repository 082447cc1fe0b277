#include "boards/historygrids.h"

#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QString>

#include <iterator>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;
constexpr int kVCentre = 2;
constexpr int kTextLength = 60;
constexpr int kNumberDigits = 9;
constexpr int kRowHeight = 35;
constexpr int kFontSize = 13;

enum Kind { Text, Number, Button };

struct Column {
    const char* header;
    const char* id; // null: the header
    int width;
    int align;
    bool hidden;
    Kind kind = Text;
    bool locked = true;
};

template <std::size_t N> void layOut(clsSpread& ss, int operationMode, const Column (&columns)[N]) {
    const int cols = int(N);
    ss.SetInit(0, cols, kRowHeight, operationMode, kFontSize, true, true, false,
               QStringLiteral("1"), true);
    for (int c = 1; c <= cols; ++c) {
        const Column& k = columns[c - 1];
        const QString header = QString::fromUtf8(k.header);
        const QString id = k.id ? QString::fromUtf8(k.id) : header;
        const int type = k.kind == Number   ? SpreadCellType::Number
                         : k.kind == Button ? SpreadCellType::Button
                                            : SpreadCellType::Text;
        ss.SetColType(c, header, id, k.width, QString(), type,
                      k.kind == Number ? kNumberDigits : kTextLength, 0, k.kind == Number, k.align,
                      kVCentre, k.hidden, k.locked, false, false);
    }
}

const Column kDefects[] = {
    {"작업지시번호", nullptr, 15, kLeft, false}, {"생산실적순번", nullptr, 14, kLeft, true},
    {"공정코드", nullptr, 6, kLeft, true},       {"공정명", nullptr, 10, kLeft, false},
    {"품번", nullptr, 32, kLeft, false},         {"Rev.No", nullptr, 8, kLeft, true},
    {"품명", nullptr, 25, kLeft, false},         {"불량코드", nullptr, 13, kLeft, false},
    {"불량명", nullptr, 30, kLeft, false},       {"불량 수량", "불량수량", 10, kRight, false},
    {"종료시간", nullptr, 6, kLeft, true},       {"사번", nullptr, 8, kLeft, true},
    {"성명", nullptr, 15, kLeft, true},          {"비고", nullptr, 15, kLeft, false},
};

const Column kDowntime[] = {
    {"idx", nullptr, 20, kCentre, true},
    {"생산실적번호", nullptr, 20, kCentre, true},
    {"공정명", nullptr, 30, kLeft, false},
    {"설비코드", nullptr, 20, kCentre, true},
    {"설비명", nullptr, 40, kLeft, false},
    {"시작시각", "시작시간", 20, kCentre, true},
    {"종료시각", nullptr, 20, kCentre, true},
    {"공정코드", nullptr, 6, kLeft, true},
    {"비가동코드", nullptr, 15, kLeft, false},
    {"비가동명", nullptr, 20, kLeft, false},
    {"경과시간(분)", "경과시간", 20, kRight, false},
};

// The pack, count and label button columns are hidden: only the ticket is offered.
const Column kResults[] = {
    {"작업지시번호", nullptr, 15, kLeft, false},
    {"생산실적순번", nullptr, 14, kLeft, true},
    {"공정코드", nullptr, 6, kLeft, true},
    {"공정명", nullptr, 10, kLeft, false},
    {"설비명", nullptr, 23, kLeft, false},
    {"product_code", nullptr, 15, kCentre, true},
    {"품번", nullptr, 33, kLeft, false},
    {"Rev.No", nullptr, 8, kLeft, true},
    {"품명", nullptr, 30, kLeft, false},
    {"계획수량", nullptr, 10, kRight, false, Number},
    {"생산수량", nullptr, 10, kRight, false, Number},
    {"양품수량", nullptr, 10, kRight, false, Number},
    {"불량수량", nullptr, 10, kRight, false, Number},
    {"소포장\n수량", "소포장수량", 8, kCentre, true, Number},
    {"소포장\n출력수", "소출력수", 8, kCentre, true, Number, false},
    {"바코드\n소포장", "바코드소포장", 8, kCentre, true, Button, false},
    {"대포장\n수량", "대포장수량", 8, kCentre, true, Number},
    {"대포장\n출력수", "대출력수", 8, kCentre, true, Number, false},
    {"바코드\n대포장", "바코드대포장", 8, kCentre, true, Button, false},
    {"사번", nullptr, 8, kLeft, true},
    {"성명", nullptr, 15, kLeft, true},
    {"차종명", nullptr, 15, kLeft, true},
    {"종료날짜", nullptr, 15, kLeft, true},
};
} // namespace

namespace HistoryGrids {

void layOutDefects(clsSpread& ss) {
    layOut(ss, 2, kDefects);
}

void layOutDowntime(clsSpread& ss) {
    layOut(ss, 0, kDowntime);
}

void layOutResults(clsSpread& ss) {
    layOut(ss, 0, kResults);
    for (const char* id : {"바코드소포장", "바코드대포장"})
        ss.SetCellText(QString::fromUtf8(id), -1, QStringLiteral("출력"));
}

} // namespace HistoryGrids
