#include "ui/common/spreadmodel.h"

#include "core/data/recordset.h"
#include "ui/common/spreadformula.h"
#include "ui/common/spreadnumber.h"

#include <QFont>

#include <algorithm>
#include <numeric>

namespace {
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
constexpr int kMaxFormulaDepth = 16;

Qt::Alignment alignment(int h, int v) {
    const Qt::Alignment ha = h == 1 ? Qt::AlignRight : h == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    const Qt::Alignment va = v == 0 ? Qt::AlignTop : v == 1 ? Qt::AlignBottom : Qt::AlignVCenter;
    return ha | va;
}
} // namespace

SpreadModel::SpreadModel(QObject* parent) : QAbstractTableModel(parent), m_columns(1) {
    m_headerText[0].resize(1);
    m_headerText[1].resize(1);
}

int SpreadModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : maxRows();
}

int SpreadModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : maxCols();
}

bool SpreadModel::inside(int row, int col) const {
    return row >= 1 && row <= maxRows() && col >= 1 && col <= maxCols();
}

QVariant SpreadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, col);
    case Qt::EditRole:
        return value(row, col);
    case Qt::BackgroundRole:
        return background(row, col);
    case Qt::ForegroundRole:
        return foreground(row, col);
    case Qt::FontRole: {
        const SpreadFont f = font(row, col);
        QFont font;
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("NanumGothic")});
        font.setPointSize(f.size);
        font.setBold(f.bold);
        return font;
    }
    case Qt::TextAlignmentRole: {
        const int type = cellType(row, col);
        const int h = m_hAlign.value(row, col, SpreadCellType::isNumeric(type) ? 1 : 0);
        return int(alignment(h, vAlign(row, col)));
    }
    case Qt::CheckStateRole:
        if (cellType(row, col) != SpreadCellType::CheckBox)
            return {};
        return value(row, col).toInt() != 0 ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole: {
        const QString n = note(row, col);
        return n.isEmpty() ? QVariant() : QVariant(n);
    }
    case CellTypeRole:
        return cellType(row, col);
    case PictureRole:
        return picture(row, col);
    case ComboListRole:
        return comboList(row, col);
    case ComboWidthRole:
        return comboWidth(row, col);
    case MaxLengthRole:
        return QVariant::fromValue(format(row, col).maxLength);
    case LockedRole:
        return locked(row, col);
    default:
        return {};
    }
}

bool SpreadModel::setData(const QModelIndex& index, const QVariant& v, int role) {
    if (!index.isValid())
        return false;
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    if (role == Qt::CheckStateRole) {
        setValue(row, col, v.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
        return true;
    }
    if (role == Qt::EditRole || role == Qt::DisplayRole)
        return setDisplayText(row, col, v.toString());
    return false;
}

Qt::ItemFlags SpreadModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (locked(row, col))
        return f;
    switch (cellType(row, col)) {
    case SpreadCellType::CheckBox:
        return f | Qt::ItemIsUserCheckable;
    case SpreadCellType::Button:
    case SpreadCellType::Picture:
        return f;
    default:
        return f | Qt::ItemIsEditable;
    }
}

QVariant SpreadModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return headerText(m_headerRows - 1, section + 1);
    // An unmarked row shows its number, as spreadsheet grids do; the mark itself stays empty.
    const QString mark = rowHeaderText(section + 1);
    return mark.isEmpty() ? QString::number(section + 1) : mark;
}

void SpreadModel::sort(int column, Qt::SortOrder order) {
    const int col = column + 1;
    if (col < 1 || col > maxCols() || maxRows() < 2)
        return;
    emit layoutAboutToBeChanged();
    std::vector<int> rows(static_cast<std::size_t>(maxRows()));
    std::iota(rows.begin(), rows.end(), 0);
    const bool numeric = SpreadCellType::isNumeric(cellType(-1, col));
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const bool less = numeric ? number(a + 1, col) < number(b + 1, col)
                                  : m_store.view(a, col - 1) < m_store.view(b, col - 1);
        const bool greater = numeric ? number(b + 1, col) < number(a + 1, col)
                                     : m_store.view(b, col - 1) < m_store.view(a, col - 1);
        return order == Qt::AscendingOrder ? less : greater;
    });
    m_store.permuteRows(rows);
    std::vector<QString> marks;
    marks.reserve(rows.size());
    for (const int r : rows)
        marks.push_back(m_rowHeader[std::size_t(r)]);
    m_rowHeader = std::move(marks);
    std::vector<int> newRow(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        newRow[std::size_t(rows[i])] = int(i);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    for (const QModelIndex& i : from)
        to << index(newRow[std::size_t(i.row())], i.column());
    changePersistentIndexList(from, to);
    emit layoutChanged();
}

void SpreadModel::setMaxRows(int rows) {
    rows = std::max(0, rows);
    if (rows > maxRows())
        insertGridRows(maxRows() + 1, rows - maxRows());
    else if (rows < maxRows())
        removeGridRows(rows + 1, maxRows() - rows);
}

void SpreadModel::setMaxCols(int cols) {
    cols = std::max(0, cols);
    if (cols == maxCols())
        return;
    beginResetModel();
    m_store.setColumnCount(cols);
    m_columns.resize(std::size_t(cols) + 1);
    for (auto& h : m_headerText)
        h.resize(std::size_t(cols) + 1);
    for (auto* layer : {&m_hAlign, &m_vAlign, &m_type, &m_comboWidth})
        layer->dropColumnsAfter(cols);
    m_background.dropColumnsAfter(cols);
    m_foreground.dropColumnsAfter(cols);
    m_locked.dropColumnsAfter(cols);
    m_format.dropColumnsAfter(cols);
    m_font.dropColumnsAfter(cols);
    m_comboList.dropColumnsAfter(cols);
    m_note.dropColumnsAfter(cols);
    m_picture.dropColumnsAfter(cols);
    m_formula.dropColumnsAfter(cols);
    m_headerSpans.removeIf([cols](const HeaderSpan& s) { return s.col > cols; });
    m_dataSpans.removeIf([cols](const QRect& r) { return r.left() > cols; });
    endResetModel();
    emit dataSpansChanged();
}

void SpreadModel::insertGridRows(int at, int n) {
    at = std::clamp(at, 1, maxRows() + 1);
    if (n <= 0)
        return;
    beginInsertRows({}, at - 1, at + n - 2);
    m_store.insertRows(at - 1, n);
    m_rowHeader.insert(m_rowHeader.begin() + (at - 1), std::size_t(n), QString());
    const bool spansMoved = shiftRows(at, n);
    endInsertRows();
    if (spansMoved)
        emit dataSpansChanged();
}

void SpreadModel::removeGridRows(int at, int n) {
    if (at < 1 || at > maxRows() || n <= 0)
        return;
    n = std::min(n, maxRows() - at + 1);
    beginRemoveRows({}, at - 1, at + n - 2);
    m_store.removeRows(at - 1, n);
    m_rowHeader.erase(m_rowHeader.begin() + (at - 1), m_rowHeader.begin() + (at - 1 + n));
    const bool spansMoved = shiftRows(at, -n);
    endRemoveRows();
    if (spansMoved)
        emit dataSpansChanged();
}

bool SpreadModel::shiftRows(int at, int n) {
    m_background.shiftRows(at, n);
    m_foreground.shiftRows(at, n);
    m_locked.shiftRows(at, n);
    for (auto* layer : {&m_hAlign, &m_vAlign, &m_type, &m_comboWidth})
        layer->shiftRows(at, n);
    m_format.shiftRows(at, n);
    m_font.shiftRows(at, n);
    m_comboList.shiftRows(at, n);
    m_note.shiftRows(at, n);
    m_picture.shiftRows(at, n);
    m_formula.shiftRows(at, n);
    // A joined block moves with its rows; one that loses a row is dissolved.
    QList<QRect> spans;
    bool changed = false;
    for (QRect r : m_dataSpans) {
        if (r.bottom() < at) {
            spans << r;
            continue;
        }
        changed = true;
        if (n > 0 && r.top() >= at)
            spans << r.translated(0, n);
        else if (n > 0)
            spans << r.adjusted(0, 0, 0, n);
        else if (r.top() >= at - n)
            spans << r.translated(0, n);
    }
    m_dataSpans = spans;
    return changed;
}

void SpreadModel::load(const Recordset& rs) {
    beginResetModel();
    m_store.load(rs);
    m_rowHeader.assign(std::size_t(m_store.rowCount()), QString());
    // Cell-level settings belonged to the rows that were there before.
    for (auto* layer : {&m_hAlign, &m_vAlign, &m_type, &m_comboWidth})
        layer->shiftRows(1, -(1 << 30));
    m_background.shiftRows(1, -(1 << 30));
    m_foreground.shiftRows(1, -(1 << 30));
    m_locked.shiftRows(1, -(1 << 30));
    m_format.shiftRows(1, -(1 << 30));
    m_font.shiftRows(1, -(1 << 30));
    m_comboList.shiftRows(1, -(1 << 30));
    m_note.shiftRows(1, -(1 << 30));
    m_picture.shiftRows(1, -(1 << 30));
    m_formula.shiftRows(1, -(1 << 30));
    const bool hadSpans = !m_dataSpans.isEmpty();
    m_dataSpans.clear();
    endResetModel();
    if (hadSpans)
        emit dataSpansChanged();
}

std::size_t SpreadModel::memoryBytes() const {
    return m_store.memoryBytes() + m_rowHeader.capacity() * sizeof(QString);
}

void SpreadModel::setHeaderRows(int n) {
    m_headerRows = std::clamp(n, 1, 2);
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, maxCols() - 1));
}

QString SpreadModel::headerText(int headerRow, int col) const {
    if (headerRow < 0 || headerRow > 1 || col < 0 || col > maxCols())
        return {};
    return m_headerText[headerRow][std::size_t(col)];
}

void SpreadModel::setHeaderText(int headerRow, int col, const QString& text) {
    if (headerRow < 0 || headerRow > 1 || col < 0 || col > maxCols())
        return;
    m_headerText[headerRow][std::size_t(col)] = text;
    if (col >= 1)
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
}

void SpreadModel::setHeaderFont(int headerRow, SpreadFont font) {
    m_headerFont[headerRow == 1 ? 1 : 0] = font;
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, maxCols() - 1));
}

void SpreadModel::addHeaderSpan(const HeaderSpan& span) {
    // A new span replaces the ones it overlaps.
    const QRect mine(span.col, span.headerRow, span.cols, span.rows);
    m_headerSpans.removeIf([&](const HeaderSpan& s) {
        return QRect(s.col, s.headerRow, s.cols, s.rows).intersects(mine);
    });
    if (span.rows > 1 || span.cols > 1)
        m_headerSpans << span;
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, maxCols() - 1));
}

const SpreadModel::HeaderSpan* SpreadModel::headerSpanAt(int headerRow, int col) const {
    for (const HeaderSpan& s : m_headerSpans)
        if (QRect(s.col, s.headerRow, s.cols, s.rows).contains(col, headerRow))
            return &s;
    return nullptr;
}

QString SpreadModel::rowHeaderText(int row) const {
    return row >= 1 && row <= maxRows() ? m_rowHeader[std::size_t(row - 1)] : QString();
}

void SpreadModel::setRowHeaderText(int row, const QString& text) {
    if (row < 1 || row > maxRows())
        return;
    m_rowHeader[std::size_t(row - 1)] = text;
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
}

const SpreadModel::Column& SpreadModel::column(int col) const {
    static const Column none;
    return col >= 1 && col <= maxCols() ? m_columns[std::size_t(col)] : none;
}

SpreadModel::Column& SpreadModel::column(int col) {
    static Column scratch;
    if (col >= 1 && col <= maxCols())
        return m_columns[std::size_t(col)];
    scratch = Column{};
    return scratch;
}

int SpreadModel::columnById(const QString& id) const {
    for (int c = 1; c <= maxCols(); ++c)
        if (m_columns[std::size_t(c)].id == id)
            return c;
    return -1;
}

QString SpreadModel::value(int row, int col) const {
    return computed(row, col, 0);
}

QString SpreadModel::computed(int row, int col, int depth) const {
    if (!inside(row, col))
        return {};
    if (m_formula.hasCells()) {
        if (const QString* f = m_formula.cell(row, col)) {
            const auto v = SpreadFormula::evaluate(
                *f, [this, depth](int r, int c) { return formulaCell(r, c, depth + 1); });
            return v ? SpreadNumber::canonical(*v) : QString();
        }
    }
    return m_store.text(row - 1, col - 1);
}

double SpreadModel::formulaCell(int row, int col, int depth) const {
    if (depth > kMaxFormulaDepth)
        return 0;
    return SpreadNumber::parse(computed(row, col, depth)).value_or(0);
}

void SpreadModel::setValue(int row, int col, const QString& value) {
    if (!inside(row, col))
        return;
    m_store.setText(row - 1, col - 1, value);
    const QModelIndex i = index(row - 1, col - 1);
    emit dataChanged(i, i);
}

QString SpreadModel::displayText(int row, int col) const {
    const int type = cellType(row, col);
    switch (type) {
    case SpreadCellType::CheckBox:
    case SpreadCellType::Picture:
        return {};
    case SpreadCellType::Number:
    case SpreadCellType::Currency: {
        const SpreadTypeFormat f = format(row, col);
        return SpreadNumber::display(value(row, col), f.decimals, f.separator);
    }
    default:
        return value(row, col);
    }
}

bool SpreadModel::setDisplayText(int row, int col, const QString& text) {
    if (!inside(row, col))
        return false;
    const int type = cellType(row, col);
    if (!SpreadCellType::isNumeric(type)) {
        const int max = format(row, col).maxLength;
        setValue(row, col, type == SpreadCellType::Text && max > 0 ? text.left(max) : text);
        return true;
    }
    if (text.trimmed().isEmpty()) {
        setValue(row, col, QString());
        return true;
    }
    const auto v = SpreadNumber::parse(text);
    const SpreadTypeFormat f = format(row, col);
    if (!v || !SpreadNumber::fits(*v, f.digits))
        return false;
    setValue(row, col, SpreadNumber::canonical(SpreadNumber::rounded(*v, f.decimals)));
    return true;
}

double SpreadModel::number(int row, int col) const {
    return SpreadNumber::parse(value(row, col)).value_or(0);
}

QColor SpreadModel::background(int row, int col) const {
    return m_background.value(row, col, kWhite);
}
QColor SpreadModel::foreground(int row, int col) const {
    return m_foreground.value(row, col, kBlack);
}
bool SpreadModel::locked(int row, int col) const {
    return m_locked.value(row, col, false);
}
int SpreadModel::hAlign(int row, int col) const {
    return m_hAlign.value(row, col, SpreadCellType::isNumeric(cellType(row, col)) ? 1 : 0);
}
int SpreadModel::vAlign(int row, int col) const {
    return m_vAlign.value(row, col, 2);
}
int SpreadModel::cellType(int row, int col) const {
    return m_type.value(row, col, SpreadCellType::Text);
}
SpreadTypeFormat SpreadModel::format(int row, int col) const {
    return m_format.value(row, col, {});
}
SpreadFont SpreadModel::font(int row, int col) const {
    return m_font.value(row, col, {});
}
QStringList SpreadModel::comboList(int row, int col) const {
    return m_comboList.value(row, col, {});
}
int SpreadModel::comboWidth(int row, int col) const {
    return m_comboWidth.value(row, col, 0);
}

QString SpreadModel::note(int row, int col) const {
    const QString* n = m_note.cell(row, col);
    return n ? *n : QString();
}

QPixmap SpreadModel::picture(int row, int col) const {
    const QPixmap* p = m_picture.cell(row, col);
    return p ? *p : QPixmap();
}

QString SpreadModel::formula(int row, int col) const {
    const QString* f = m_formula.cell(row, col);
    return f ? *f : QString();
}

template <typename T>
void SpreadModel::write(SpreadLayer<T>& layer, int c1, int r1, int c2, int r2, const T& v) {
    const quint64 seq = ++m_seq;
    if (c1 == -1 || r1 == -1) {
        if (c1 == -1 && r1 == -1)
            layer.set(-1, -1, v, seq);
        else if (c1 == -1)
            for (int r = r1; r <= std::max(r1, r2); ++r)
                layer.set(r, -1, v, seq);
        else
            for (int c = c1; c <= std::max(c1, c2); ++c)
                layer.set(-1, c, v, seq);
    } else {
        for (int r = r1; r <= std::max(r1, r2); ++r)
            for (int c = c1; c <= std::max(c1, c2); ++c)
                layer.set(r, c, v, seq);
    }
    notify(c1, r1, c2, r2);
}

void SpreadModel::notify(int c1, int r1, int c2, int r2) {
    if (maxRows() == 0 || maxCols() == 0)
        return;
    const int top = r1 == -1 ? 1 : std::clamp(r1, 1, maxRows());
    const int bottom = r1 == -1 ? maxRows() : std::clamp(std::max(r1, r2), 1, maxRows());
    const int left = c1 == -1 ? 1 : std::clamp(c1, 1, maxCols());
    const int right = c1 == -1 ? maxCols() : std::clamp(std::max(c1, c2), 1, maxCols());
    emit dataChanged(index(top - 1, left - 1), index(bottom - 1, right - 1));
}

void SpreadModel::setBackground(int c1, int r1, int c2, int r2, const QColor& c) {
    write(m_background, c1, r1, c2, r2, c);
}
void SpreadModel::setForeground(int c1, int r1, int c2, int r2, const QColor& c) {
    write(m_foreground, c1, r1, c2, r2, c);
}
void SpreadModel::setLocked(int c1, int r1, int c2, int r2, bool lock) {
    write(m_locked, c1, r1, c2, r2, lock);
}
void SpreadModel::setHAlign(int c1, int r1, int c2, int r2, int a) {
    write(m_hAlign, c1, r1, c2, r2, a);
}
void SpreadModel::setVAlign(int c1, int r1, int c2, int r2, int a) {
    write(m_vAlign, c1, r1, c2, r2, a);
}
void SpreadModel::setCellType(int c1, int r1, int c2, int r2, int type) {
    write(m_type, c1, r1, c2, r2, type);
}
void SpreadModel::setFormat(int c1, int r1, int c2, int r2, const SpreadTypeFormat& f) {
    write(m_format, c1, r1, c2, r2, f);
}
void SpreadModel::setFont(int c1, int r1, int c2, int r2, SpreadFont f) {
    write(m_font, c1, r1, c2, r2, f);
}
void SpreadModel::setComboList(int c1, int r1, int c2, int r2, const QStringList& list) {
    write(m_comboList, c1, r1, c2, r2, list);
}
void SpreadModel::setComboWidth(int c1, int r1, int c2, int r2, int width) {
    write(m_comboWidth, c1, r1, c2, r2, width);
}

void SpreadModel::setNote(int row, int col, const QString& note) {
    if (note.isEmpty())
        m_note.removeCell(row, col);
    else
        m_note.set(row, col, note, ++m_seq);
    notify(col, row, col, row);
}

void SpreadModel::setPicture(int row, int col, const QPixmap& picture) {
    if (picture.isNull())
        m_picture.removeCell(row, col);
    else
        m_picture.set(row, col, picture, ++m_seq);
    notify(col, row, col, row);
}

void SpreadModel::setFormula(int row, int col, const QString& formula) {
    if (formula.isEmpty())
        m_formula.removeCell(row, col);
    else
        m_formula.set(row, col, formula, ++m_seq);
    notify(col, row, col, row);
}

void SpreadModel::addDataSpan(const QRect& span) {
    m_dataSpans.removeIf([&](const QRect& r) { return r.intersects(span); });
    if (span.width() > 1 || span.height() > 1)
        m_dataSpans << span;
    emit dataSpansChanged();
}
