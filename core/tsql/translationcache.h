#pragma once

#include <QHash>
#include <QString>

#include <list>
#include <utility>

namespace tsql {

// The SQLite text of recently translated statement texts, at most capacity of them; the
// least recently used goes first. Cleared when the schema changes, since a translation
// depends on the column types the catalogue had.
class TranslationCache {
public:
    explicit TranslationCache(int capacity) : m_capacity(capacity) {}

    // The translation of text, or nullptr; a hit becomes the most recently used.
    const QString* find(const QString& text);
    void insert(const QString& text, const QString& sqliteText);
    void clear();
    int size() const { return int(m_index.size()); }

private:
    using Entry = std::pair<QString, QString>;
    int m_capacity;
    std::list<Entry> m_entries; // most recently used first
    QHash<QString, std::list<Entry>::iterator> m_index;
};

} // namespace tsql
