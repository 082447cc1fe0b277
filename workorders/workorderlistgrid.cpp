#include "workorders/workorderlistgrid.h"

#include "ui/common/clsspread.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QString>

namespace {
constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;
constexpr int kVCentre = 2;
constexpr int kTextLength = 60;
constexpr int kNumberDigits = 9;

struct Column {
    const char* header;
    const char* id;
    int width;
    bool number;
    bool separator; // thousands separator (number columns)
    int align;
    bool hidden;
};

// Headers and IDs are UTF-8 texts of the screen design.
const Column kColumns[] = {
    {"작업지시번호", "작업지시번호", 13, false, false, kCentre, true},
    {"작업번호", "지시순번", 12, false, false, kLeft, true},
    {"구분", "구분", 8, false, false, kCentre, false},
    {"공정코드", "공정코드", 6, false, false, kLeft, true},
    {"공정명", "공정명", 12, false, false, kCentre, false},
    {"제품코드", "제품코드", 6, false, false, kLeft, true},
    {"설비명", "설비명", 20, false, false, kLeft, false},
    {"차종코드", "차종코드", 8, false, false, kLeft, true},
    {"차종명", "차종명", 15, false, false, kLeft, false},
    {"품번", "품번", 30, false, false, kLeft, false},
    {"Rev.No", "Rev.No", 8, false, false, kLeft, true},
    {"품명", "품명", 40, false, false, kLeft, false},
    {"규격", "규격", 14, false, false, kLeft, true},
    {"지시\n수량", "작업지시수량", 8, true, true, kRight, false},
    {"생산\n수량", "생산수량", 8, true, true, kRight, false},
    {"작업인원", "작업인원", 5, true, false, kCentre, false},
    {"작업자", "작업자", 10, false, false, kLeft, false},
    {"작업자코드", "작업자코드", 10, false, false, kLeft, true},
    {"완료\n여부", "완료여부", 7, false, false, kCentre, false},
    {"지시일자", "지시일자", 10, false, false, kLeft, true},
    {"설비코드", "설비코드", 10, false, false, kLeft, true},
    {"금형번호", "금형번호", 8, false, false, kCentre, true},
};
} // namespace

void layOutWorkOrderGrid(clsSpread& ss) {
    const int cols = int(std::size(kColumns));
    ss.SetInit(0, cols, 35, 0, 12, true, true, false, QStringLiteral("1"), false);
    for (int c = 1; c <= cols; ++c) {
        const Column& k = kColumns[c - 1];
        ss.SetColType(c, QString::fromUtf8(k.header), QString::fromUtf8(k.id), k.width, QString(),
                      k.number ? SpreadCellType::Number : SpreadCellType::Text,
                      k.number ? kNumberDigits : kTextLength, 0, k.separator, k.align, kVCentre,
                      k.hidden, true, false, false);
    }
    ss.SetCboAddList(ss.ColumnNumber(QStringLiteral("구분")), -1, QStringLiteral("주간\t야간"), 0);
}
