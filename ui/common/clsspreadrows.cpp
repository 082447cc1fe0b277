// Row editing, row-state marks and the checks a screen runs before saving.
#include "ui/common/clsspread.h"

#include "core/notifier.h"
#include "ui/common/messagebox.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"

namespace {
bool isNew(const QString& mark) {
    return mark == clsSpread::markNew() || mark == clsSpread::markNewData();
}
} // namespace

QString clsSpread::mark(int row) const {
    return model()->rowHeaderText(row);
}

void clsSpread::setMark(int row, const QString& text) {
    model()->setRowHeaderText(row, text);
}

int clsSpread::searchCol(int col, int after, int last, const QString& text) const {
    SpreadModel* m = model();
    for (int r = std::max(1, after + 1); r <= std::min(last, m->maxRows()); ++r) {
        const QString v = col == 0 ? m->rowHeaderText(r) : m->value(r, col);
        if (v == text)
            return r;
    }
    return -1;
}

int clsSpread::searchText(int col, int after, int last, const QString& text) const {
    SpreadModel* m = model();
    for (int r = std::max(1, after + 1); r <= std::min(last, m->maxRows()); ++r)
        if (m->displayText(r, col) == text)
            return r;
    return -1;
}

void clsSpread::InsertRow() {
    SpreadModel* m = model();
    const int at = ActiveRow() + 1;
    const int col = std::max(1, ActiveCol());
    m->insertGridRows(at, 1);
    setMark(at, markNew());
    if (m_grid) {
        m_grid->setActiveCell(col, at);
        m_grid->startEditing();
    }
}

int clsSpread::OneAddRow(int row) {
    SpreadModel* m = model();
    int target = m->maxRows() + 1;
    if (row > 0 && row <= m->maxRows()) {
        target = row;
        m->insertGridRows(row, 1);
        setMark(row, markNew());
    } else {
        m->insertGridRows(target, 1);
    }
    // The new row itself opens its key and input columns.
    for (int c = 1; c <= m->maxCols(); ++c) {
        const QString tag = m->column(c).keyTag;
        if (tag != QLatin1String("PK") && tag != QLatin1String("NU"))
            continue;
        m->setBackground(c, target, c, target,
                         tag == QLatin1String("PK") ? lockedColor() : editableColor());
        m->setForeground(c, target, c, target, Qt::black);
        m->setLocked(c, target, c, target, false);
    }
    return m->maxRows();
}

void clsSpread::CopyRow(int sourceRow, int blankCol) {
    SpreadModel* m = model();
    if (sourceRow <= 0 || sourceRow > m->maxRows())
        return;
    // The copy goes directly below its source row (the active row on every screen).
    const int at = sourceRow + 1;
    m->insertGridRows(at, 1);
    setMark(at, markNewData());
    for (int c = 1; c <= m->maxCols(); ++c)
        m->setValue(at, c, m->value(sourceRow, c));
    if (blankCol > 0)
        m->setValue(at, blankCol, QString());
    if (m_grid) {
        m_grid->setActiveCell(1, at);
        m_grid->startEditing();
    }
}

void clsSpread::CancelRow() {
    if (!m_grid)
        return;
    const int first = m_grid->selBlockRow();
    const int last = m_grid->selBlockRow2();
    if (last < 0)
        return;
    for (int r = last; r >= first; --r) {
        if (isNew(mark(r)))
            model()->removeGridRows(r, 1);
        else
            setMark(r, QString());
    }
}

void clsSpread::DeleteRow(int row) {
    model()->removeGridRows(row, 1);
}

void clsSpread::UnchkDelRow(const QString& value, int col) {
    const bool wasOn = m_grid && m_grid->updatesEnabled();
    if (m_grid)
        m_grid->setUpdatesEnabled(false);
    SpreadModel* m = model();
    // Every matching row goes, adjacent ones included. 32-bit row numbers: grids of more
    // than 32 767 rows are walked to the end. Runs of matching rows are removed at once,
    // from the bottom up so the rows still to visit keep their numbers.
    for (int r = m->maxRows(); r >= 1;) {
        if (m->value(r, col) != value) {
            --r;
            continue;
        }
        int first = r;
        while (first > 1 && m->value(first - 1, col) == value)
            --first;
        m->removeGridRows(first, r - first + 1);
        r = first - 1;
    }
    if (wasOn)
        m_grid->setUpdatesEnabled(true);
}

void clsSpread::DeleteChk() {
    if (!m_grid)
        return;
    const int first = m_grid->selBlockRow();
    const int last = m_grid->selBlockRow2();
    if (last < 0)
        return;
    bool metNew = false;
    for (int r = first; r <= last; ++r) {
        if (isNew(mark(r)))
            metNew = true;
        else
            setMark(r, markDeleted());
    }
    if (metNew) {
        MessageBox::plain(appTitle(), QStringLiteral("입력한 데이타는 행취소 버턴을 누르세요."));
        m_grid->setFocus();
    }
}

void clsSpread::KeyUpdateChk(int& keyCode, int row, QWidget* /*screen*/) {
    if (keyCode == 13)
        return;
    if (keyCode != 0 && MaxRows() == 0)
        return;
    const QString m = mark(row);
    if (m == markNew())
        setMark(row, markNewData());
    else if (m != markNewData())
        setMark(row, markChanged());
}

bool clsSpread::EditChk() const {
    for (int r = 1; r <= MaxRows(); ++r) {
        const QString m = mark(r);
        if (m == markNewData() || m == markDeleted() || m == markChanged())
            return true;
    }
    return false;
}

bool clsSpread::InsertChk() const {
    return searchCol(0, 0, MaxRows(), markNew()) > 0 ||
           searchCol(0, 0, MaxRows(), markNewData()) > 0;
}

int clsSpread::FindInsertRow() const {
    const int r = searchCol(0, 0, MaxRows(), markNew());
    return r > 0 ? r : searchCol(0, 0, MaxRows(), markNewData());
}

int clsSpread::FindRow(const QString& text) const {
    return std::max(0, searchCol(0, 0, MaxRows(), text));
}

int clsSpread::FindRcount(const QString& text) const {
    int count = 0;
    for (int r = searchCol(0, 0, MaxRows(), text); r > 0; r = searchCol(0, r, MaxRows(), text))
        ++count;
    return count;
}

int clsSpread::CheckPKField(int row) const {
    SpreadModel* m = model();
    for (int c = 1; c <= m->maxCols(); ++c)
        if (m->column(c).keyTag == QLatin1String("PK") && m->displayText(row, c).isEmpty())
            return c;
    return 0;
}

void clsSpread::reportDuplicate(int row) const {
    MessageBox::critical(QStringLiteral("입력오류"),
                         QString::number(row) + QStringLiteral(" 행에 중복된 값이 있습니다."));
}

bool clsSpread::DuplicateChk(const QString& colId, int row) const {
    const int col = ColumnNumber(colId);
    if (col < 1)
        return false;
    // Shown texts are compared on both sides, so number cells compare as they appear.
    const QString text = model()->displayText(row, col);
    int r = searchText(col, 0, row - 1, text);
    if (r < 0)
        r = searchText(col, row, MaxRows(), text);
    if (r < 0)
        return false;
    reportDuplicate(r);
    return true;
}

bool clsSpread::DuplicateChk2(const QString& firstColId, const QString& secondColId,
                              int row) const {
    const int c1 = ColumnNumber(firstColId);
    const int c2 = ColumnNumber(secondColId);
    if (c1 < 1 || c2 < 1)
        return false;
    const QString t1 = model()->displayText(row, c1);
    const QString t2 = model()->displayText(row, c2);
    for (int r = searchText(c1, 0, MaxRows(), t1); r > 0; r = searchText(c1, r, MaxRows(), t1)) {
        if (r != row && model()->displayText(r, c2) == t2) {
            reportDuplicate(r);
            return true;
        }
    }
    return false;
}
