#include "core/data/recordset.h"

namespace {
const QVariant& nullValue() {
    static const QVariant v;
    return v;
}
} // namespace

Recordset::Recordset(const QStringList& columns) : m_columns(columns) {
    for (int i = 0; i < columns.size(); ++i) {
        const QString key = columns.at(i).toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

int Recordset::columnIndex(const QString& name) const {
    return m_index.value(name.toLower(), -1);
}

const QVariant& Recordset::value(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return nullValue();
    return m_cells[size_t(row) * size_t(m_columns.size()) + size_t(col)];
}

const QVariant& Recordset::value(int row, const QString& name) const {
    return value(row, columnIndex(name));
}
