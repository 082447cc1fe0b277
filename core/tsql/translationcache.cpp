#include "core/tsql/translationcache.h"

namespace tsql {

const QString* TranslationCache::find(const QString& text) {
    const auto it = m_index.constFind(text);
    if (it == m_index.constEnd())
        return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, *it);
    return &m_entries.front().second;
}

void TranslationCache::insert(const QString& text, const QString& sqliteText) {
    if (const auto it = m_index.find(text); it != m_index.end()) {
        (*it)->second = sqliteText;
        m_entries.splice(m_entries.begin(), m_entries, *it);
        return;
    }
    m_entries.emplace_front(text, sqliteText);
    m_index.insert(text, m_entries.begin());
    while (int(m_index.size()) > m_capacity) {
        m_index.remove(m_entries.back().first);
        m_entries.pop_back();
    }
}

void TranslationCache::clear() {
    m_entries.clear();
    m_index.clear();
}

} // namespace tsql
