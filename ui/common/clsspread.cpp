#include "ui/common/clsspread.h"

#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadformula.h"
#include "ui/common/spreadheaderview.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"

#include <QTimer>

namespace {
constexpr int kHeaderRow1 = -1000;
constexpr int kHeaderRow2 = -999;
constexpr int kRowHeaderCol = -1000;

bool isHeaderRow(int row) {
    return row == kHeaderRow1 || row == kHeaderRow2;
}

bool isRowHeaderCol(int col) {
    return col == 0 || col == kRowHeaderCol;
}

QString colourText(const QColor& c) {
    return QString::number(c.red() + c.green() * 256 + c.blue() * 65536);
}

// Stops the view from repainting during a multi-cell change.
class Frozen {
public:
    explicit Frozen(QWidget* w) : m_w(w), m_was(w && w->updatesEnabled()) {
        if (m_w)
            m_w->setUpdatesEnabled(false);
    }
    ~Frozen() {
        if (m_w && m_was)
            m_w->setUpdatesEnabled(true);
    }
    Frozen(const Frozen&) = delete;
    Frozen& operator=(const Frozen&) = delete;

private:
    QWidget* m_w;
    bool m_was;
};
} // namespace

clsSpread::clsSpread(QObject* parent) : QObject(parent), m_spare(new SpreadModel(this)) {}

clsSpread::~clsSpread() = default;

SpreadModel* clsSpread::model() const {
    return m_grid ? m_grid->spreadModel() : m_spare;
}

void clsSpread::Spr(SpreadView* grid) {
    if (m_grid)
        disconnect(m_grid, nullptr, this, nullptr);
    m_grid = grid;
    if (m_grid)
        connect(m_grid, &SpreadView::keyDown, this, &clsSpread::onKeyDown);
}

void clsSpread::SetInit(int rows, int cols, int rowHeight, int /*operationMode*/, int fontSize,
                        bool bold, bool headInit, bool headSort, const QString& headerRows,
                        bool colResize) {
    SpreadModel* m = model();
    m->setMaxRows(0);
    m->setMaxCols(0);
    m->setHeaderRows(headerRows.trimmed().toInt() >= 2 ? 2 : 1);
    if (m_grid) {
        m_grid->horizontalHeader()->setSectionResizeMode(colResize ? QHeaderView::Interactive
                                                                   : QHeaderView::Fixed);
        m_grid->setSortingEnabled(false);
        m_grid->horizontalHeader()->setSortIndicatorShown(false);
        disconnect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, nullptr);
        if (headSort) {
            connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
                    [this](int section) {
                        QHeaderView* h = m_grid->horizontalHeader();
                        const Qt::SortOrder order =
                            h->sortIndicatorSection() == section &&
                                    h->sortIndicatorOrder() == Qt::AscendingOrder
                                ? Qt::DescendingOrder
                                : Qt::AscendingOrder;
                        h->setSortIndicator(section, order);
                        model()->sort(section, order);
                    });
        }
    }
    m->setMaxCols(cols);
    m->setMaxRows(rows);
    if (m_grid) {
        m_grid->verticalHeader()->setFixedWidth(SpreadView::widthPixels(5));
        m_grid->verticalHeader()->setDefaultSectionSize(SpreadView::heightPixels(rowHeight));
        m_grid->verticalHeader()->setMinimumSectionSize(1);
    }
    m->setFont(-1, -1, -1, -1, SpreadFont{fontSize, bold});
    m->setHeaderFont(0, SpreadFont{fontSize, bold});
    m->setHeaderFont(1, SpreadFont{fontSize, bold});
    if (headInit)
        SetHeadInit(0, 20, true, 60);
}

void clsSpread::SetHeadInit(int index, int fontSize, bool bold, int height) {
    model()->setHeaderFont(index, SpreadFont{fontSize, bold});
    if (m_grid) {
        m_grid->columnHeader()->setRowHeight(index, SpreadView::heightPixels(height));
        m_grid->columnHeader()->updateGeometry();
        m_grid->updateGeometry();
    }
}

void clsSpread::SetHeadInitRow(int /*index*/, int fontSize, bool bold, int width) {
    if (!m_grid)
        return;
    QFont f = m_grid->verticalHeader()->font();
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("NanumGothic")});
    f.setPointSize(fontSize);
    f.setBold(bold);
    m_grid->verticalHeader()->setFont(f);
    m_grid->verticalHeader()->setFixedWidth(SpreadView::widthPixels(width));
}

void clsSpread::SetColType(int col, const QString& header, const QString& colId, int width,
                           const QString& keyTag, int cellType, int length, int decimals,
                           bool separator, int hAlign, int vAlign, bool hidden, bool locked,
                           bool highlighted, bool multiLine, const QColor& /*colour*/,
                           const QString& headerRow) {
    SpreadModel* m = model();
    if (col < 1 || col > m->maxCols())
        return;
    Frozen frozen(m_grid);
    m->setHeaderText(headerRow.trimmed().toInt() == kHeaderRow2 ? 1 : 0, col, header);
    SpreadModel::Column& c = m->column(col);
    c.id = colId;
    c.keyTag = keyTag;
    c.width = width;
    SetColHidden(col, hidden);
    if (m_grid)
        m_grid->setColumnWidth(col - 1, SpreadView::widthPixels(width));
    m->setCellType(col, -1, col, -1, cellType);
    SpreadTypeFormat f;
    if (cellType == SpreadCellType::Number) {
        f.digits = length;
        f.decimals = decimals;
        f.separator = separator;
    } else if (cellType == SpreadCellType::Text) {
        f.maxLength = length;
        f.multiLine = multiLine;
    } else if (cellType == SpreadCellType::Time) {
        f.hour24 = true;
    }
    m->setFormat(col, -1, col, -1, f);
    m->setHAlign(col, -1, col, -1, hAlign);
    m->setVAlign(col, -1, col, -1, vAlign);
    if (!locked)
        m->setBackground(col, -1, col, -1, editableColor());
    if (highlighted)
        m->setBackground(col, -1, col, -1, popupColor());
    m->setLocked(col, -1, col, -1, locked);
}

void clsSpread::SetRowType(int row, const QString& header, int height, int cellType, int length,
                           int decimals, bool separator, int hAlign, int vAlign, bool hidden,
                           const QColor& /*colour*/) {
    SpreadModel* m = model();
    if (row < 1 || row > m->maxRows())
        return;
    Frozen frozen(m_grid);
    m->setRowHeaderText(row, header);
    SetRowHidden(row, hidden);
    if (m_grid)
        m_grid->setRowHeight(row - 1, SpreadView::heightPixels(height));
    m->setCellType(-1, row, -1, row, cellType);
    SpreadTypeFormat f;
    if (cellType == SpreadCellType::Number) {
        f.decimals = decimals;
        f.separator = separator;
    } else if (cellType == SpreadCellType::Text) {
        f.maxLength = length;
    }
    m->setFormat(-1, row, -1, row, f);
    m->setHAlign(-1, row, -1, row, hAlign);
    m->setVAlign(-1, row, -1, row, vAlign);
}

void clsSpread::SetCellType(int col, int row, int cellType) {
    model()->setCellType(col, row, col, row, cellType);
}

int clsSpread::GetCellType(int col, int row) const {
    return model()->cellType(row, col);
}

QString clsSpread::GetColID(int col) const {
    return model()->column(col).id;
}

void clsSpread::SetColHidden(int col, bool hidden) {
    model()->column(col).hidden = hidden;
    if (m_grid && col >= 1)
        m_grid->setColumnHidden(col - 1, hidden);
}

void clsSpread::SetRowHidden(int row, bool hidden) {
    if (m_grid && row >= 1)
        m_grid->setRowHidden(row - 1, hidden);
}

void clsSpread::SetRowHidden2(int firstRow, int lastRow, bool hidden) {
    Frozen frozen(m_grid);
    for (int r = std::max(1, firstRow); r <= lastRow; ++r)
        SetRowHidden(r, hidden);
}

void clsSpread::SetHAlign(int col, int row, int align) {
    model()->setHAlign(col, row, col, row, align);
}

void clsSpread::SetVAlign(int col, int row, int align) {
    model()->setVAlign(col, row, col, row, align);
}

void clsSpread::SetAlign(int firstCol, int lastCol, int firstRow, int lastRow, int vAlign,
                         int hAlign) {
    Frozen frozen(m_grid);
    model()->setVAlign(firstCol, firstRow, lastCol, lastRow, vAlign);
    model()->setHAlign(firstCol, firstRow, lastCol, lastRow, hAlign);
}

void clsSpread::SetCboAddList(int col, int row, const QString& list, int width) {
    if (!list.trimmed().isEmpty())
        model()->setComboList(col, row, col, row, list.split(QLatin1Char('\t')));
    if (width > 0)
        model()->setComboWidth(col, row, col, row, width);
}

void clsSpread::SetCboClsList(int col, int row) {
    model()->setComboList(col, row, col, row, {});
}

void clsSpread::SetDataFillEvent(int col, bool flag) {
    model()->column(col).dataFill = flag;
}

void clsSpread::SetFormula(int col, int row, const QString& formula) {
    model()->setFormula(row, col, formula);
}

void clsSpread::SetRowMerge(int row, int mode) {
    if (m_grid)
        m_grid->setRowMerge(row, mode != 0);
}

void clsSpread::SetColMerge(int col, int mode) {
    model()->column(col).merge = mode;
    if (m_grid)
        m_grid->setColumnMerge(col, mode != 0);
}

void clsSpread::SPCellSpan(const QString& col, int cols, const QString& text, const QString& row,
                           const QString& rows) {
    const int c = col.trimmed().toInt();
    const int r = row.trimmed().toInt();
    const int n = std::max(1, rows.trimmed().toInt());
    cols = std::max(1, cols);
    SpreadModel* m = model();
    if (isHeaderRow(r)) {
        const int headerRow = r - kHeaderRow1;
        m->addHeaderSpan({headerRow, isRowHeaderCol(c) ? 0 : c, n, cols});
        m->setHeaderText(headerRow, isRowHeaderCol(c) ? 0 : c, text);
        if (m_grid)
            m_grid->columnHeader()->viewport()->update();
        return;
    }
    m->addDataSpan(QRect(c, r, cols, n));
    SetText(c, r, text);
}

void clsSpread::SetFocus(int col, int row) {
    if (!m_grid)
        return;
    m_grid->setActiveCell(col, row);
    m_grid->setFocus();
}

int clsSpread::MaxRows() const {
    return model()->maxRows();
}

void clsSpread::SetMaxRows(int rows) {
    model()->setMaxRows(rows);
}

int clsSpread::MaxCols() const {
    return model()->maxCols();
}

int clsSpread::ActiveRow() const {
    return m_grid ? m_grid->activeRow() : 0;
}

int clsSpread::ActiveCol() const {
    return m_grid ? m_grid->activeCol() : 0;
}

int clsSpread::ColumnNumber(const QString& colId) const {
    return model()->columnById(colId);
}

QString clsSpread::ColumnLetter(int col) {
    return SpreadFormula::columnLetter(col);
}

QString clsSpread::GetValue(int col, int row) const {
    if (isHeaderRow(row))
        return model()->headerText(row - kHeaderRow1, isRowHeaderCol(col) ? 0 : col);
    if (isRowHeaderCol(col))
        return model()->rowHeaderText(row);
    return model()->value(row, col);
}

void clsSpread::SetValue(int col, int row, const QVariant& value) {
    const QString text = value.toString();
    if (isHeaderRow(row))
        model()->setHeaderText(row - kHeaderRow1, isRowHeaderCol(col) ? 0 : col, text);
    else if (isRowHeaderCol(col))
        model()->setRowHeaderText(row, text);
    else
        model()->setValue(row, col, text);
}

QString clsSpread::GetText(int col, int row) const {
    if (isHeaderRow(row) || isRowHeaderCol(col))
        return GetValue(col, row);
    return model()->displayText(row, col);
}

void clsSpread::SetText(int col, int row, const QString& text) {
    if (isHeaderRow(row) || isRowHeaderCol(col))
        SetValue(col, row, text);
    else
        model()->setDisplayText(row, col, text);
}

QString clsSpread::GetCellNote(int col, int row) const {
    return model()->note(row, col);
}

void clsSpread::SetCellNote(int col, int row, const QString& note) {
    model()->setNote(row, col, note);
}

QVariant clsSpread::ValueWithColID(const QString& colId, int row) const {
    const int col = ColumnNumber(colId);
    if (col < 1)
        return QString();
    const QString v = model()->value(row, col);
    if (v.isEmpty() && SpreadCellType::isNumeric(model()->cellType(row, col)))
        return 0;
    return v;
}

void clsSpread::ValueWithColID(const QString& colId, int row, const QVariant& value) {
    const int col = ColumnNumber(colId);
    if (col >= 1)
        SetValue(col, row, value);
}

QString clsSpread::TextWithColID(const QString& colId, int row) const {
    const int col = ColumnNumber(colId);
    return col >= 1 ? GetText(col, row) : QString();
}

void clsSpread::TextWithColID(const QString& colId, int row, const QString& text) {
    const int col = ColumnNumber(colId);
    if (col >= 1)
        SetText(col, row, text);
}

QPixmap clsSpread::PicWithColID(const QString& colId, int row) const {
    const int col = ColumnNumber(colId);
    return col >= 1 ? model()->picture(row, col) : QPixmap();
}

void clsSpread::PicWithColID(const QString& colId, int row, const QPixmap& picture) {
    const int col = ColumnNumber(colId);
    if (col < 1)
        return;
    model()->setPicture(row, col, picture);
    model()->setBackground(col, row, col, row, lockedColor());
}

QString clsSpread::GetCellText(const QString& colId, int row) const {
    const int col = ColumnNumber(colId);
    if (col < 1)
        return {};
    switch (model()->cellType(row, col)) {
    case SpreadCellType::Date:
    case SpreadCellType::Text:
    case SpreadCellType::Combo:
        return model()->displayText(row, col);
    case SpreadCellType::CheckBox:
    case SpreadCellType::Number:
        return model()->value(row, col);
    default:
        return {};
    }
}

void clsSpread::SetCellText(const QString& colId, int row, const QString& text) {
    const int col = ColumnNumber(colId);
    if (col < 1)
        return;
    switch (model()->cellType(row, col)) {
    case SpreadCellType::Text:
    case SpreadCellType::Button:
        model()->setDisplayText(row, col, text);
        break;
    case SpreadCellType::Number:
        model()->setDisplayText(row, col, text.trimmed().isEmpty() ? QStringLiteral("0") : text);
        break;
    default:
        break;
    }
}

void clsSpread::SetBolckText(int firstCol, int lastCol, int firstRow, int lastRow,
                             const QString& text) {
    Frozen frozen(m_grid);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            SetText(c, r, text);
}

void clsSpread::SetColor(int firstCol, int lastCol, int firstRow, int lastRow,
                         const QColor& colour) {
    model()->setBackground(firstCol, firstRow, lastCol, lastRow, colour);
}

void clsSpread::SetForeColor(int col, int row, const QColor& colour) {
    model()->setForeground(col, row, col, row, colour);
}

void clsSpread::SetForeColor2(int col, int row, int lastCol, int lastRow, const QColor& colour) {
    model()->setForeground(col, row, lastCol, lastRow, colour);
}

QString clsSpread::GetColor(int col, int row) const {
    return colourText(model()->background(row, col));
}

QString clsSpread::GetForeColor(int col, int row) const {
    return colourText(model()->foreground(row, col));
}

void clsSpread::SetLock(int firstCol, int firstRow, int lastCol, int lastRow, bool lock) {
    Frozen frozen(m_grid);
    SpreadModel* m = model();
    m->setLocked(firstCol, firstRow, lastCol, lastRow, lock);
    if (lock) {
        m->setBackground(firstCol, firstRow, lastCol, lastRow, lockedColor());
        return;
    }
    // Column by column; with -1 as bounds the one pass covers the whole grid, key columns
    // included, because "all columns" carries no key tag.
    for (int c = firstCol; c <= std::max(firstCol, lastCol); ++c) {
        const bool key = m->column(c).keyTag == QLatin1String("PK");
        m->setBackground(c, firstRow, c, lastRow, key ? lockedColor() : editableColor());
        m->setForeground(c, firstRow, c, lastRow, Qt::black);
    }
}

void clsSpread::SetAllLock(bool lock) {
    SetLock(-1, -1, -1, -1, lock);
}

void clsSpread::SetInsertRow(int row, int col) {
    model()->setLocked(col, row, col, row, false);
    model()->setBackground(col, row, col, row, editableColor());
}

void clsSpread::gsSprPopup(const QString& colId, int row, bool popup) {
    const int col = ColumnNumber(colId);
    if (col < 1)
        return;
    model()->setLocked(col, row, col, row, true);
    model()->setBackground(col, row, col, row, popup ? popupColor() : lockedColor());
}

void clsSpread::ShadedRow(int n) {
    if (n <= 0)
        return;
    Frozen frozen(m_grid);
    for (int r = n; r <= MaxRows(); r += n)
        model()->setBackground(-1, r, -1, r, shadedColor());
}

void clsSpread::setUseTimer(QTimer* timer) {
    if (m_timer)
        disconnect(m_timer, nullptr, this, nullptr);
    m_timer = timer;
    if (m_timer)
        connect(m_timer, &QTimer::timeout, this, &clsSpread::onTimer);
}

void clsSpread::EnableTimer(bool on) {
    if (!m_timer)
        return;
    m_timer->setInterval(1000);
    if (on)
        m_timer->start();
    else
        m_timer->stop();
}

void clsSpread::SetTwinkle(int col, const QString& value) {
    m_blinkCol = col;
    m_blinkValue = value;
}

void clsSpread::SetColPos(int col) {
    m_blinkCol = col;
}

void clsSpread::onTimer() {
    Frozen frozen(m_grid);
    SpreadModel* m = model();
    for (int r = 1; r <= m->maxRows(); ++r) {
        if (m->value(r, m_blinkCol) != m_blinkValue)
            continue;
        m->setBackground(m_blinkCol, r, m_blinkCol, r,
                         m_blinkPhase ? QColor(Qt::white) : QColor(255, 0, 0));
        m->setForeground(m_blinkCol, r, m_blinkCol, r,
                         m_blinkPhase ? QColor(Qt::black) : QColor(Qt::white));
    }
    m_blinkPhase = !m_blinkPhase;
}

void clsSpread::onKeyDown(int keyCode) {
    if (keyCode != 46 || !m_grid)
        return;
    const int row = m_grid->activeRow();
    const int col = m_grid->activeCol();
    if (row < 1 || col < 1 || model()->locked(row, col) || m_grid->isEditing())
        return;
    model()->setValue(row, col, QString());
}
