#pragma once

#include <QHash>
#include <QString>

#include <list>
#include <utility>

namespace tsql {

// Values by text, at most capacity of them; the least recently used goes first.
template <typename V> class LruCache {
public:
    explicit LruCache(int capacity) : m_capacity(capacity) {}

    // The value for key, or nullptr; a hit becomes the most recently used.
    const V* find(const QString& key) {
        const auto it = m_index.constFind(key);
        if (it == m_index.constEnd())
            return nullptr;
        m_entries.splice(m_entries.begin(), m_entries, *it);
        return &m_entries.front().second;
    }

    void insert(const QString& key, V value) {
        if (const auto it = m_index.find(key); it != m_index.end()) {
            (*it)->second = std::move(value);
            m_entries.splice(m_entries.begin(), m_entries, *it);
            return;
        }
        m_entries.emplace_front(key, std::move(value));
        m_index.insert(key, m_entries.begin());
        while (int(m_index.size()) > m_capacity) {
            m_index.remove(m_entries.back().first);
            m_entries.pop_back();
        }
    }

    void clear() {
        m_entries.clear();
        m_index.clear();
    }
    int size() const { return int(m_index.size()); }

private:
    using Entry = std::pair<QString, V>;
    int m_capacity;
    std::list<Entry> m_entries; // most recently used first
    QHash<QString, typename std::list<Entry>::iterator> m_index;
};

} // namespace tsql
