#include "ui/common/spreadview.h"

#include "ui/common/spreaddelegate.h"
#include "ui/common/spreadheaderview.h"
#include "ui/common/spreadmodel.h"

#include <QKeyEvent>
#include <QScroller>

SpreadView::SpreadView(QWidget* parent)
    : QTableView(parent), m_model(new SpreadModel(this)), m_header(new SpreadHeaderView(this)),
      m_delegate(new SpreadDelegate(this)) {
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setWordWrap(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral(
        "QTableView { background: white; gridline-color: rgb(192,192,192); }"
        "QHeaderView::section:vertical { background: rgb(217,222,253); color: black;"
        " border: 0px; border-right: 1px solid rgb(128,128,255); border-bottom: 1px solid "
        "rgb(128,128,255); }"
        "QTableCornerButton::section { background: rgb(217,222,253); border: 0px;"
        " border-right: 1px solid rgb(128,128,255); border-bottom: 1px solid rgb(128,128,255); }"));
    connect(m_delegate, &SpreadDelegate::buttonClicked, this, &SpreadView::buttonClicked);
    // Keys typed into an open editor are reported too.
    connect(m_delegate, &SpreadDelegate::editorKey, this, [this](int key, const QString& text) {
        if (!m_inKeyPress)
            emit keyDown(keyCode(key, text));
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { emit cellDoubleClicked(i.column() + 1, i.row() + 1); });
    // Enter in edit mode moves down one row.
    connect(m_delegate, &SpreadDelegate::enterPressed, this, [this] {
        const QModelIndex next = m_model->index(currentIndex().row() + 1, currentIndex().column());
        if (next.isValid())
            setCurrentIndex(next);
    });
    connect(m_model, &SpreadModel::dataSpansChanged, this, &SpreadView::applySpans);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SpreadView::applySpans);
}

int SpreadView::widthPixels(double units) {
    return int(units * 8 + 0.5);
}

int SpreadView::heightPixels(double units) {
    return int(units * 4 / 3 + 0.5);
}

int SpreadView::activeRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

int SpreadView::activeCol() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() + 1 : 0;
}

void SpreadView::setActiveCell(int col, int row) {
    const QModelIndex i = m_model->index(row - 1, col - 1);
    if (!i.isValid())
        return;
    setCurrentIndex(i);
    scrollTo(i);
}

void SpreadView::startEditing() {
    const QModelIndex i = currentIndex();
    if (i.isValid() && (m_model->flags(i) & Qt::ItemIsEditable))
        edit(i);
}

int SpreadView::selBlockRow() const {
    const QItemSelection sel = selectionModel()->selection();
    int top = -1;
    for (const QItemSelectionRange& r : sel)
        top = top < 0 ? r.top() + 1 : std::min(top, r.top() + 1);
    return top;
}

int SpreadView::selBlockRow2() const {
    const QItemSelection sel = selectionModel()->selection();
    int bottom = -1;
    for (const QItemSelectionRange& r : sel)
        bottom = std::max(bottom, r.bottom() + 1);
    return bottom;
}

void SpreadView::setColumnMerge(int col, bool on) {
    m_mergeCols.removeAll(col);
    if (on)
        m_mergeCols << col;
    applySpans();
}

void SpreadView::setRowMerge(int row, bool on) {
    m_mergeRows.removeAll(row);
    if (on)
        m_mergeRows << row;
    applySpans();
}

void SpreadView::applySpans() {
    clearSpans();
    const int rows = m_model->maxRows();
    const int cols = m_model->maxCols();
    for (const int col : std::as_const(m_mergeCols)) {
        for (int r = 1; r <= rows;) {
            int end = r;
            const QString v = m_model->displayText(r, col);
            while (end < rows && !v.isEmpty() && m_model->displayText(end + 1, col) == v)
                ++end;
            if (end > r)
                setSpan(r - 1, col - 1, end - r + 1, 1);
            r = end + 1;
        }
    }
    for (const int row : std::as_const(m_mergeRows)) {
        for (int c = 1; c <= cols;) {
            int end = c;
            const QString v = m_model->displayText(row, c);
            while (end < cols && !v.isEmpty() && m_model->displayText(row, end + 1) == v)
                ++end;
            if (end > c)
                setSpan(row - 1, c - 1, 1, end - c + 1);
            c = end + 1;
        }
    }
    for (const QRect& s : m_model->dataSpans())
        setSpan(s.top() - 1, s.left() - 1, s.height(), s.width());
}

int SpreadView::keyCode(int key, const QString& text) {
    switch (key) {
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    default:
        return key < 0x80 || text.isEmpty() ? key : int(text.at(0).unicode());
    }
}

void SpreadView::keyPressEvent(QKeyEvent* event) {
    emit keyDown(keyCode(event->key(), event->text()));
    // Delete clears the cell (the wrapper decides); it never opens an editor.
    if (event->key() == Qt::Key_Delete && !isEditing()) {
        event->accept();
        return;
    }
    m_inKeyPress = true;
    QTableView::keyPressEvent(event);
    m_inKeyPress = false;
}
