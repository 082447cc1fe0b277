#include "production/entryscreen.h"

#include "ui/common/clsspread.h"
#include "ui/common/frmkey2.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadview.h"

#include <QLabel>
#include <QPushButton>

namespace EntryScreen {

namespace {
constexpr int kVCenter = 2;
constexpr int kRowHeight = 40;
constexpr int kFontSize = 16;
constexpr int kLength = 60;
} // namespace

QLabel* hiddenField(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setMinimumSize(160, 72);
    return b;
}

void layOutGrid(clsSpread* grid, const Column* columns, int count) {
    grid->SetInit(0, count, kRowHeight, 0, kFontSize, false, true, false, QStringLiteral("1"),
                  false);
    for (int i = 0; i < count; ++i) {
        const Column& c = columns[i];
        const QString header = QString::fromUtf8(c.header);
        grid->SetColType(i + 1, header, header, c.width, QString(), c.type, kLength, 0,
                         SpreadCellType::isNumeric(c.type), c.hAlign, kVCenter, c.hidden,
                         !c.editable, false, false);
    }
}

void typeIntoCell(frmKey2* keypad, clsSpread* grid, const QString& colId, int row) {
    keypad->showModal();
    // A cancelled keypad leaves KEYPAD_no empty.
    if (!keypad->KEYPAD_no.isEmpty())
        grid->ValueWithColID(colId, row, keypad->KEYPAD_no);
}

} // namespace EntryScreen
