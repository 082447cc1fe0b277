#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

#include <cstddef>
#include <vector>

class Recordset;

// The values of a grid's data cells, rows x columns (0-based here). All characters live in
// one UTF-16 buffer and each cell is an offset and a length into it, so a loaded cell costs
// 8 bytes plus its characters instead of a string object with its own allocation: a grid of
// 100 000 rows loads with a handful of allocations. A changed cell appends its new text and
// the buffer is compacted when more than half of it is stale.
class SpreadCellStore {
public:
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_cols; }

    void clear(int columns);
    void setColumnCount(int columns);
    void setRowCount(int rows);
    void insertRows(int at, int n);
    void removeRows(int at, int n);

    QString text(int row, int col) const;
    QStringView view(int row, int col) const;
    bool isEmpty(int row, int col) const { return ref(row, col).length == 0; }
    void setText(int row, int col, const QString& text);

    // Replaces the contents with the rows of the result: field c fills column c, extra
    // fields are ignored and missing ones leave the column empty; NULL is an empty cell.
    void load(const Recordset& rs);
    // Appends one value as text the way the grid shows a bound field.
    static void appendValue(const QVariant& v, std::vector<char16_t>& out);

    // Bytes held: cell references plus the character buffer's capacity.
    std::size_t memoryBytes() const;

    // Moves whole rows into the given order (rows[i] is the old row that becomes row i).
    void permuteRows(const std::vector<int>& order);

private:
    struct Ref {
        quint32 offset = 0;
        quint32 length = 0;
    };

    const Ref& ref(int row, int col) const {
        return m_refs[std::size_t(row) * std::size_t(m_cols) + std::size_t(col)];
    }
    Ref& ref(int row, int col) {
        return m_refs[std::size_t(row) * std::size_t(m_cols) + std::size_t(col)];
    }
    void compactIfStale();

    int m_rows = 0;
    int m_cols = 0;
    std::vector<Ref> m_refs;
    std::vector<char16_t> m_chars;
    std::size_t m_stale = 0;
};
