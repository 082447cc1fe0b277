#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// A static, client-side result: every row is read into memory when the statement runs, so
// the row count is known and rows can be read in any order. NULL is an invalid/null
// QVariant and stays apart from the empty text. Column names match case-insensitively.
class Recordset {
public:
    Recordset() = default;
    explicit Recordset(const QStringList& columns);

    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const {
        return m_columns.isEmpty() ? 0 : int(m_cells.size() / m_columns.size());
    }
    const QStringList& columns() const { return m_columns; }
    QString columnName(int col) const { return m_columns.value(col); }
    // -1 when no column has that name.
    int columnIndex(const QString& name) const;

    const QVariant& value(int row, int col) const;
    const QVariant& value(int row, const QString& name) const;

    void reserveRows(int rows) { m_cells.reserve(size_t(rows) * size_t(m_columns.size())); }
    // Appends one cell of the row being built; call columnCount() times per row.
    void appendCell(QVariant v) { m_cells.push_back(std::move(v)); }

    // The cursor: positioned on the first row after a read.
    int position() const { return m_pos; }
    bool eof() const { return m_pos >= rowCount(); }
    bool bof() const { return m_pos < 0 || rowCount() == 0; }
    void moveFirst() { m_pos = 0; }
    void moveNext() {
        if (m_pos < rowCount())
            ++m_pos;
    }
    void movePrevious() {
        if (m_pos >= 0)
            --m_pos;
    }
    void moveTo(int row) { m_pos = row; }
    // Value of the current row (NULL when the cursor is outside the rows or the column unknown).
    const QVariant& field(int col) const { return value(m_pos, col); }
    const QVariant& field(const QString& name) const { return value(m_pos, name); }

private:
    QStringList m_columns;
    QHash<QString, int> m_index; // lower-cased name -> first column of that name
    std::vector<QVariant> m_cells;
    int m_pos = 0;
};
