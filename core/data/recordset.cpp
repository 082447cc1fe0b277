#include "core/data/recordset.h"

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

QVariant Recordset::value(int row, int col) const {
    const Cell c = cell(row, col);
    switch (c.kind) {
    case Kind::Integer:
        return QVariant(qlonglong(c.integer));
    case Kind::Real:
        return QVariant(c.real);
    case Kind::Text:
        // The empty text is an empty (not a null) string, as SQLite gives it.
        return QVariant(c.bytes.isEmpty() ? QString::fromUtf8("", 0) : QString::fromUtf8(c.bytes));
    case Kind::Blob:
        return QVariant(c.bytes.isEmpty() ? QByteArray() : c.bytes.toByteArray());
    case Kind::Variant:
        return *c.variant;
    case Kind::Null:
        break;
    }
    return QVariant();
}

QVariant Recordset::value(int row, const QString& name) const {
    return value(row, columnIndex(name));
}

void Recordset::reserveRows(int rows) {
    const std::size_t cells = std::size_t(std::max(rows, 0)) * std::size_t(m_columns.size());
    m_kinds.reserve(cells);
    m_payloads.reserve(cells);
}

void Recordset::appendCell(QVariant v) {
    if (!v.isValid()) {
        appendNull();
        return;
    }
    Payload p;
    p.variant = m_variants.size();
    m_variants.push_back(std::move(v));
    push(Kind::Variant, p);
}

void Recordset::appendLarge(Kind k, const char* data, qsizetype size) {
    appendCell(k == Kind::Text ? QVariant(QString::fromUtf8(data, size))
                               : QVariant(QByteArray(data, size)));
}
