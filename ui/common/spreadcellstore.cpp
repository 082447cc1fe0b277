#include "ui/common/spreadcellstore.h"

#include "core/data/recordset.h"
#include "ui/common/celltext.h"

#include <QMetaType>

#include <algorithm>
#include <charconv>
#include <memory>

namespace {
void appendDigits(qlonglong n, std::vector<char16_t>& out) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    for (const char* p = buf; p != res.ptr; ++p)
        out.push_back(char16_t(*p));
}

void appendString(QStringView s, std::vector<char16_t>& out) {
    out.insert(out.end(), s.utf16(), s.utf16() + s.size());
}
} // namespace

void SpreadCellStore::clear(int columns) {
    m_rows = 0;
    m_cols = std::max(0, columns);
    std::vector<Ref>().swap(m_refs);
    std::vector<char16_t>().swap(m_chars);
    m_stale = 0;
}

void SpreadCellStore::setColumnCount(int columns) {
    columns = std::max(0, columns);
    if (columns == m_cols)
        return;
    std::vector<Ref> refs(std::size_t(m_rows) * std::size_t(columns));
    const int keep = std::min(columns, m_cols);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < keep; ++c)
            refs[std::size_t(r) * std::size_t(columns) + std::size_t(c)] = ref(r, c);
    m_refs = std::move(refs);
    m_cols = columns;
    compactIfStale();
}

void SpreadCellStore::setRowCount(int rows) {
    rows = std::max(0, rows);
    if (rows < m_rows)
        removeRows(rows, m_rows - rows);
    else if (rows > m_rows)
        insertRows(m_rows, rows - m_rows);
}

void SpreadCellStore::insertRows(int at, int n) {
    if (n <= 0)
        return;
    at = std::clamp(at, 0, m_rows);
    m_refs.insert(m_refs.begin() + std::ptrdiff_t(at) * m_cols,
                  std::size_t(n) * std::size_t(m_cols), Ref{});
    m_rows += n;
}

void SpreadCellStore::removeRows(int at, int n) {
    if (at < 0 || at >= m_rows || n <= 0)
        return;
    n = std::min(n, m_rows - at);
    const auto first = m_refs.begin() + std::ptrdiff_t(at) * m_cols;
    const auto last = first + std::ptrdiff_t(n) * m_cols;
    for (auto it = first; it != last; ++it)
        m_stale += it->length;
    m_refs.erase(first, last);
    m_rows -= n;
    if (m_rows == 0) {
        // An emptied grid gives its buffers back.
        clear(m_cols);
        return;
    }
    compactIfStale();
}

QString SpreadCellStore::text(int row, int col) const {
    return view(row, col).toString();
}

QStringView SpreadCellStore::view(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return {};
    const Ref& r = ref(row, col);
    return r.length == 0 ? QStringView()
                         : QStringView(m_chars.data() + r.offset, qsizetype(r.length));
}

void SpreadCellStore::setText(int row, int col, const QString& text) {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return;
    Ref& r = ref(row, col);
    if (view(row, col) == text)
        return;
    m_stale += r.length;
    r.offset = quint32(m_chars.size());
    r.length = quint32(text.size());
    appendString(text, m_chars);
    compactIfStale();
}

void SpreadCellStore::appendValue(const QVariant& v, std::vector<char16_t>& out) {
    if (v.isNull())
        return;
    switch (v.metaType().id()) {
    case QMetaType::QString:
        appendString(*static_cast<const QString*>(v.constData()), out);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
        appendDigits(v.toLongLong(), out);
        break;
    default:
        appendString(v.toString(), out);
        break;
    }
}

void SpreadCellStore::load(const Recordset& rs) {
    const int rows = rs.rowCount();
    const int fields = std::min(rs.columnCount(), m_cols);
    clear(m_cols);
    m_rows = rows;
    m_refs.assign(std::size_t(rows) * std::size_t(m_cols), Ref{});
    // The texts are written into a scratch buffer of the most they can take and copied once
    // into a character buffer of exactly their size.
    std::size_t room = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < fields; ++c)
            room += CellText::maxLength(rs.cell(r, c));
    std::unique_ptr<char16_t[]> scratch(new char16_t[std::max<std::size_t>(room, 1)]);
    std::size_t used = 0;
    // Values kept as QVariant (not counted above) may need more room.
    const auto ensure = [&](std::size_t n) {
        if (used + n <= room)
            return;
        room = std::max(room * 2, used + n);
        std::unique_ptr<char16_t[]> grown(new char16_t[room]);
        std::copy_n(scratch.get(), used, grown.get());
        scratch = std::move(grown);
    };
    std::vector<char16_t> other;
    Ref* out = m_refs.data();
    for (int r = 0; r < rows; ++r, out += m_cols) {
        for (int c = 0; c < fields; ++c) {
            const Recordset::Cell cell = rs.cell(r, c);
            std::size_t length = 0;
            if (cell.kind == Recordset::Kind::Variant) {
                other.clear();
                appendValue(*cell.variant, other);
                length = other.size();
                ensure(length);
                std::copy(other.begin(), other.end(), scratch.get() + used);
            } else {
                ensure(CellText::maxLength(cell));
                char16_t* const start = scratch.get() + used;
                length = std::size_t(CellText::write(cell, start) - start);
            }
            out[c].offset = quint32(used);
            out[c].length = quint32(length);
            used += length;
        }
    }
    m_chars.assign(scratch.get(), scratch.get() + used);
}

std::size_t SpreadCellStore::memoryBytes() const {
    return m_refs.capacity() * sizeof(Ref) + m_chars.capacity() * sizeof(char16_t);
}

void SpreadCellStore::permuteRows(const std::vector<int>& order) {
    std::vector<Ref> refs;
    refs.reserve(m_refs.size());
    for (const int old : order)
        refs.insert(refs.end(), m_refs.begin() + std::ptrdiff_t(old) * m_cols,
                    m_refs.begin() + std::ptrdiff_t(old + 1) * m_cols);
    m_refs = std::move(refs);
}

void SpreadCellStore::compactIfStale() {
    if (m_stale < 4096 || m_stale * 2 < m_chars.size())
        return;
    std::vector<char16_t> chars;
    chars.reserve(m_chars.size() - m_stale);
    for (Ref& r : m_refs) {
        const std::size_t start = chars.size();
        chars.insert(chars.end(), m_chars.begin() + std::ptrdiff_t(r.offset),
                     m_chars.begin() + std::ptrdiff_t(r.offset + r.length));
        r.offset = r.length == 0 ? 0 : quint32(start);
    }
    m_chars = std::move(chars);
    m_stale = 0;
}
