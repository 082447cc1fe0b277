#include "production/boxlabelgrid.h"

#include "core/notifier.h"
#include "production/boxlabelprinter.h"
#include "ui/common/clsspread.h"
#include "ui/common/frmkey2.h"
#include "ui/common/messagebox.h"
#include "ui/common/spreadview.h"

namespace {
const QString kGood = QStringLiteral("양품수량");
constexpr BoxLabel::Size kSizes[] = {BoxLabel::Size::Small, BoxLabel::Size::Big};

void countRow(clsSpread& grid, int row, BoxLabel::Size size) {
    const QString good = grid.ValueWithColID(kGood, row).toString();
    const QString pack = grid.ValueWithColID(BoxLabel::quantityColumn(size), row).toString();
    grid.TextWithColID(BoxLabel::countColumn(size), row, BoxLabel::boxCount(good, pack));
}
} // namespace

namespace BoxLabelGrid {

void lsSum(clsSpread& grid) {
    for (int row = 1; row <= grid.MaxRows(); ++row) {
        for (const BoxLabel::Size size : kSizes)
            countRow(grid, row, size);
    }
}

bool correctCount(clsSpread& grid, int col, int row, QWidget* parent) {
    const QString id = grid.GetColID(col);
    if (row < 1 || (id != BoxLabel::countColumn(BoxLabel::Size::Small) &&
                    id != BoxLabel::countColumn(BoxLabel::Size::Big)))
        return false;
    frmKey2 keypad(parent);
    keypad.showModal();
    grid.TextWithColID(id, row, keypad.KEYPAD_no);
    return true;
}

void buttonClicked(clsSpread& grid, int col, int row, int down, const QString& location) {
    // The press half of a click; the release (down 0) prints.
    if (down != 0)
        return;
    const QString id = grid.GetColID(col);
    for (const BoxLabel::Size size : kSizes) {
        if (id != BoxLabel::buttonColumn(size) || row < 1)
            continue;
        // The count as stored, without the thousands separator of its display, which would
        // be read as a second parameter of ^PQ.
        const int countCol = grid.ColumnNumber(BoxLabel::countColumn(size));
        const BoxLabelRow values{grid.GetValue(countCol, row),
                                 grid.TextWithColID(BoxLabel::quantityColumn(size), row),
                                 grid.TextWithColID(QStringLiteral("product_code"), row),
                                 grid.TextWithColID(QStringLiteral("생산실적순번"), row)};
        BoxLabelPrinter(location).print(size, values);
        return;
    }
    // The port is closed between labels.
    MessageBox::info(appTitle(), QStringLiteral("프린터의 연결상태를 확인하세요!!"));
}

} // namespace BoxLabelGrid
