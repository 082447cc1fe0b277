#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <limits>
#include <vector>

// A static, client-side result: every row is read into memory when the statement runs, so
// the row count is known and rows can be read in any order. NULL is an invalid/null
// QVariant and stays apart from the empty text. Column names match case-insensitively.
//
// Cells are kept compact: a one-byte kind and an eight-byte payload per cell, integers and
// reals inline, text (UTF-8) and blobs as an offset and a length into one byte buffer, so a
// read makes no object per value; text becomes a QString only when a cell is read. Any other
// value (appendCell) is kept as a QVariant beside them.
class Recordset {
public:
    enum class Kind : quint8 { Null, Integer, Real, Text, Blob, Variant };

    // One cell as it is held: the member that goes with the kind is set.
    struct Cell {
        Kind kind = Kind::Null;
        qint64 integer = 0;
        double real = 0;
        QByteArrayView bytes; // Text (UTF-8) or Blob
        const QVariant* variant = nullptr;
    };

    Recordset() = default;
    explicit Recordset(const QStringList& columns);

    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const {
        return m_columns.isEmpty() ? 0 : int(m_kinds.size() / std::size_t(m_columns.size()));
    }
    const QStringList& columns() const { return m_columns; }
    QString columnName(int col) const { return m_columns.value(col); }
    // -1 when no column has that name.
    int columnIndex(const QString& name) const;

    // Integers read as qlonglong, reals as double, text as QString, blobs as QByteArray.
    QVariant value(int row, int col) const;
    QVariant value(int row, const QString& name) const;
    // The cell as held (a NULL cell outside the rows or columns).
    Cell cell(int row, int col) const {
        const auto cols = std::size_t(m_columns.size());
        const std::size_t i = std::size_t(row) * cols + std::size_t(col);
        if (row < 0 || col < 0 || std::size_t(col) >= cols || i >= m_kinds.size())
            return Cell{};
        return cellAt(i);
    }

    void reserveRows(int rows);
    // Append one cell of the row being built; call columnCount() times per row.
    void appendNull() { push(Kind::Null, Payload{}); }
    void appendInteger(qint64 v) {
        Payload p;
        p.integer = v;
        push(Kind::Integer, p);
    }
    void appendReal(double v) {
        Payload p;
        p.real = v;
        push(Kind::Real, p);
    }
    void appendText(const char* utf8, qsizetype size) { appendBytes(Kind::Text, utf8, size); }
    void appendBlob(const char* data, qsizetype size) { appendBytes(Kind::Blob, data, size); }
    // Any value; an invalid QVariant is NULL.
    void appendCell(QVariant v);

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
    QVariant field(int col) const { return value(m_pos, col); }
    QVariant field(const QString& name) const { return value(m_pos, name); }

private:
    union Payload {
        qint64 integer = 0;
        double real;
        struct {
            quint32 offset;
            quint32 length;
        } bytes;
        quint64 variant; // index into m_variants
    };

    Cell cellAt(std::size_t i) const {
        Cell c;
        const Payload& p = m_payloads[i];
        c.kind = m_kinds[i];
        switch (c.kind) {
        case Kind::Integer:
            c.integer = p.integer;
            break;
        case Kind::Real:
            c.real = p.real;
            break;
        case Kind::Text:
        case Kind::Blob:
            c.bytes = QByteArrayView(m_bytes.data() + p.bytes.offset, qsizetype(p.bytes.length));
            break;
        case Kind::Variant:
            c.variant = &m_variants[std::size_t(p.variant)];
            break;
        case Kind::Null:
            break;
        }
        return c;
    }
    void push(Kind k, Payload p) {
        m_kinds.push_back(k);
        m_payloads.push_back(p);
    }
    void appendBytes(Kind k, const char* data, qsizetype size) {
        if (m_bytes.size() + std::size_t(size) > std::numeric_limits<quint32>::max()) {
            appendLarge(k, data, size);
            return;
        }
        Payload p;
        p.bytes.offset = quint32(m_bytes.size());
        p.bytes.length = quint32(size);
        m_bytes.insert(m_bytes.end(), data, data + size);
        push(k, p);
    }
    // Beyond what offsets into the byte buffer reach: kept as a QVariant.
    void appendLarge(Kind k, const char* data, qsizetype size);

    QStringList m_columns;
    QHash<QString, int> m_index; // lower-cased name -> first column of that name
    std::vector<Kind> m_kinds;
    std::vector<Payload> m_payloads;
    std::vector<char> m_bytes;
    std::vector<QVariant> m_variants;
    int m_pos = 0;
};
