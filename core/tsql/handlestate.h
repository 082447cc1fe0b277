#pragma once

#include "core/tsql/ast.h"
#include "core/tsql/catalog.h"
#include "core/tsql/literaltemplates.h"
#include "core/tsql/lrucache.h"

#include <QHash>
#include <QString>

#include <memory>
#include <mutex>

class TsqlDialect;
struct sqlite3;

namespace tsql {

// A parsed batch and the SQLite text of its statements, emitted when first run (a batch may
// create a table that a later statement of it uses).
struct CachedBatch {
    Batch batch;
    QHash<const void*, QString> sql;
};

// What the dialect keeps per open connection: the catalog and the translations by text.
class HandleState {
public:
    explicit HandleState(std::unique_ptr<CachedCatalog> c) : catalog(std::move(c)) {}

    std::unique_ptr<CachedCatalog> catalog;
    QHash<QString, std::shared_ptr<CachedBatch>> cache;
    LruCache<QString> translations{256};      // translate()'s results by text
    LruCache<LiteralTemplate> templates{256}; // by LiteralTemplates::keyOf
    LruCache<bool> shapesSeen{1024};          // shapes translated once, without a template
    std::recursive_mutex mutex;
    TsqlDialect* owner = nullptr; // the embedded dialect that registered the handle
    sqlite3* db = nullptr;

    void forgetTranslations() {
        cache.clear();
        translations.clear();
        templates.clear();
        shapesSeen.clear();
    }
    void schemaChanged() {
        catalog->clear();
        forgetTranslations();
    }
};

} // namespace tsql
