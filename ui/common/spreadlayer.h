#pragma once

#include <QHash>

#include <optional>

// One cell attribute of a grid (colour, lock, alignment ...) kept sparsely in four levels:
// the whole grid, a whole column, a whole row and single cells. Every write carries a
// sequence number and a read takes the newest write that covers the cell, so settings
// made for a whole column and later for one cell (or the other way round) resolve as if
// each cell had been written in turn, without storing anything per cell of a big grid.
// Rows and columns are the grid's 1-based numbers; -1 addresses all of them.
template <typename T> class SpreadLayer {
public:
    void set(int row, int col, const T& value, quint64 seq) {
        const Entry e{value, seq};
        if (row == -1 && col == -1) {
            clear();
            m_all = e;
        } else if (row == -1) {
            m_cols.insert(col, e);
        } else if (col == -1) {
            m_rows.insert(row, e);
        } else {
            m_cells.insert(key(row, col), e);
        }
    }

    std::optional<T> get(int row, int col) const {
        const Entry* best = m_all ? &*m_all : nullptr;
        auto consider = [&best](const Entry* e) {
            if (e && (!best || e->seq > best->seq))
                best = e;
        };
        if (!m_cols.isEmpty())
            consider(find(m_cols, col));
        if (!m_rows.isEmpty())
            consider(find(m_rows, row));
        if (!m_cells.isEmpty())
            consider(find(m_cells, key(row, col)));
        return best ? std::optional<T>(best->value) : std::nullopt;
    }

    T value(int row, int col, const T& fallback) const { return get(row, col).value_or(fallback); }

    // Only the single-cell entry (notes, pictures, formulas live here alone).
    const T* cell(int row, int col) const {
        const Entry* e = find(m_cells, key(row, col));
        return e ? &e->value : nullptr;
    }
    void removeCell(int row, int col) { m_cells.remove(key(row, col)); }
    bool hasCells() const { return !m_cells.isEmpty(); }

    void clear() {
        m_all.reset();
        m_cols.clear();
        m_rows.clear();
        m_cells.clear();
    }

    // Rows at or after `at` move down by n (n > 0) or the n rows from `at` go (n < 0).
    void shiftRows(int at, int n) {
        QHash<int, Entry> rows;
        for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
            const int r = moved(it.key(), at, n);
            if (r > 0)
                rows.insert(r, it.value());
        }
        m_rows = std::move(rows);
        QHash<quint64, Entry> cells;
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
            const int r = moved(int(it.key() >> 32), at, n);
            if (r > 0)
                cells.insert(key(r, int(quint32(it.key()))), it.value());
        }
        m_cells = std::move(cells);
    }

    // Columns after `count` are gone.
    void dropColumnsAfter(int count) {
        m_cols.removeIf([count](const auto& it) { return it.key() > count; });
        m_cells.removeIf([count](const auto& it) { return int(quint32(it.key())) > count; });
    }

private:
    struct Entry {
        T value;
        quint64 seq;
    };

    static quint64 key(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }
    template <typename K> static const Entry* find(const QHash<K, Entry>& h, K k) {
        const auto it = h.constFind(k);
        return it == h.cend() ? nullptr : &it.value();
    }
    // New number of row r after the shift; 0 when it was removed.
    static int moved(int r, int at, int n) {
        if (r < at)
            return r;
        if (n >= 0)
            return r + n;
        return r < at - n ? 0 : r + n;
    }

    std::optional<Entry> m_all;
    QHash<int, Entry> m_cols;
    QHash<int, Entry> m_rows;
    QHash<quint64, Entry> m_cells;
};
