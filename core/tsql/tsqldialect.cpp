#include "core/tsql/tsqldialect.h"

#include "core/data/sqlitesession.h"
#include "core/tsql/catalog.h"
#include "core/tsql/emitter.h"
#include "core/tsql/lexer.h"
#include "core/tsql/literaltemplates.h"
#include "core/tsql/lrucache.h"
#include "core/tsql/parser.h"
#include "core/tsql/translateerror.h"
#include "core/tsql/tsqlextension.h"

#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <optional>

namespace tsql {

// A parsed batch and the SQLite text of its statements, emitted when first run (a batch may
// create a table that a later statement of it uses).
struct CachedBatch {
    Batch batch;
    QHash<const void*, QString> sql;
};

// What the dialect keeps per open handle: the catalog and the translations by text.
class HandleState {
public:
    explicit HandleState(sqlite3* db) : catalog(db) {}

    SqliteCatalog catalog;
    QHash<QString, std::shared_ptr<CachedBatch>> cache;
    LruCache<QString> translations{256};      // translate()'s results by text
    LruCache<LiteralTemplate> templates{256}; // by LiteralTemplates::keyOf
    LruCache<bool> shapesSeen{1024};          // shapes translated once, without a template
    std::recursive_mutex mutex;
    TsqlDialect* owner = nullptr;
    sqlite3* db = nullptr;

    void schemaChanged() {
        catalog.clear();
        cache.clear();
        translations.clear();
        templates.clear();
        shapesSeen.clear();
    }
};

} // namespace tsql

using namespace tsql;

namespace {

// Many texts differ only in spliced values; a bounded cache keeps the memory small.
constexpr int kCacheLimit = 512;

DbError errorOf(const TranslateError& e) {
    switch (e.kind()) {
    case TranslateError::Kind::Syntax:
        return DbError::make(102, e.message());
    case TranslateError::Kind::Type:
        return DbError::make(e.serverNumber(), e.message());
    case TranslateError::Kind::Unsupported:
        break;
    }
    return DbError::make(kCommandErrorNumber, e.message());
}

// The server's error numbers for the messages of the runtime functions.
DbError withServerNumber(DbError e) {
    static const struct {
        const char* prefix;
        int number;
    } table[] = {
        {"Conversion failed when converting the varchar value", 245},
        {"Conversion failed when converting date", 241},
        {"The conversion of the varchar value", 248},
        {"Error converting data type", 8114},
        {"Divide by zero error encountered.", 8134},
        {"Arithmetic overflow", 8115},
        {"Invalid length parameter", 537},
        {"The datediff function resulted in an overflow", 535},
        {"Adding a value to a 'datetime' column caused an overflow.", 517},
    };
    for (const auto& row : table)
        if (e.description.startsWith(QLatin1String(row.prefix)))
            e.number = row.number;
    return e;
}

bool isDdl(const Statement& s) {
    return s.kind == StatementKind::CreateTable || s.kind == StatementKind::CreateIndex ||
           s.kind == StatementKind::DropTable;
}

class Runner {
public:
    Runner(HandleState& state, SqliteSession& session, CachedBatch& batch,
           const std::function<void(const Recordset&)>& onResult)
        : m_state(state), m_session(session), m_batch(batch), m_onResult(onResult) {}

    bool run(const Statement& s, DbError* err) {
        switch (s.kind) {
        case StatementKind::Block:
            for (const StatementPtr& b : s.body)
                if (!run(*b, err))
                    return false;
            return true;
        case StatementKind::If: {
            const QString sql = sqlFor(&s, [&](Emitter& e) { return e.condition(*s.condition); });
            Recordset rs;
            if (!m_session.run(sql, &rs, nullptr, err))
                return false;
            const bool yes = rs.value(0, 0).toInt() == 1;
            if (yes)
                return run(*s.thenBranch, err);
            return s.elseBranch ? run(*s.elseBranch, err) : true;
        }
        default:
            break;
        }
        const QString sql = sqlFor(&s, [&](Emitter& e) { return e.statement(s); });
        qint64 n = 0;
        if (s.kind == StatementKind::Select) {
            Recordset rs;
            if (!m_session.run(sql, &rs, &n, err))
                return false;
            m_onResult(rs);
        } else if (!m_session.run(sql, nullptr, &n, err)) {
            return false;
        }
        m_affected += n;
        if (isDdl(s))
            m_state.schemaChanged();
        return true;
    }

    qint64 affected() const { return m_affected; }

private:
    template <typename F> QString sqlFor(const void* key, F emitSql) {
        if (const auto it = m_batch.sql.constFind(key); it != m_batch.sql.constEnd())
            return *it;
        Emitter emitter(m_state.catalog);
        QString sql = emitSql(emitter);
        m_batch.sql.insert(key, sql);
        return sql;
    }

    HandleState& m_state;
    SqliteSession& m_session;
    CachedBatch& m_batch;
    const std::function<void(const Recordset&)>& m_onResult;
    qint64 m_affected = 0;
};

// Runs the SQLite text of one statement made from a literal template.
bool runStatement(SqliteSession& session, const QString& sql, bool select,
                  const std::function<void(const Recordset&)>& onResult, qint64* affected,
                  DbError* err) {
    qint64 n = 0;
    DbError local;
    bool ok = false;
    if (select) {
        Recordset rs;
        ok = session.run(sql, &rs, &n, &local);
        if (ok)
            onResult(rs);
    } else {
        ok = session.run(sql, nullptr, &n, &local);
    }
    if (!ok) {
        if (err)
            *err = withServerNumber(local);
        return false;
    }
    if (affected)
        *affected = n;
    return true;
}

// The translation of a text from the template of its shape, if there is a usable one.
bool fromTemplate(HandleState& state, const QString& text, literals::Shape* shape, QString* sql,
                  bool* select) {
    if (!literals::shapeOf(text, shape)) {
        shape->key.clear();
        return false;
    }
    const LiteralTemplate* t = state.templates.find(shape->key);
    if (!t || !t->usable || !literals::fill(*t, shape->literals, sql))
        return false;
    *select = t->select;
    return true;
}

// Keeps the template of a single-statement batch that translated in full.
void keepTemplate(HandleState& state, const literals::Shape& shape, const Batch& batch,
                  const std::vector<Token>& tokens) {
    if (shape.key.isEmpty() || batch.statements.size() != 1 || state.templates.find(shape.key))
        return;
    // A template pays off only for a shape that comes back with other literals: the first
    // translation of a shape notes it, the second builds the template.
    if (!state.shapesSeen.find(shape.key)) {
        state.shapesSeen.insert(shape.key, true);
        return;
    }
    if (std::optional<LiteralTemplate> t =
            literals::make(state.catalog, *batch.statements[0], tokens, shape))
        state.templates.insert(shape.key, std::move(*t));
}

void describe(Emitter& e, const Statement& s, QStringList& out, int depth) {
    const QString indent(depth * 2, QLatin1Char(' '));
    switch (s.kind) {
    case StatementKind::Block:
        for (const StatementPtr& b : s.body)
            describe(e, *b, out, depth);
        return;
    case StatementKind::If:
        out << indent + QStringLiteral("-- IF")
            << indent + e.condition(*s.condition) + QLatin1Char(';')
            << indent + QStringLiteral("-- THEN");
        describe(e, *s.thenBranch, out, depth + 1);
        if (s.elseBranch) {
            out << indent + QStringLiteral("-- ELSE");
            describe(e, *s.elseBranch, out, depth + 1);
        }
        out << indent + QStringLiteral("-- END IF");
        return;
    default:
        out << indent + e.statement(s) + QLatin1Char(';');
    }
}

} // namespace

TsqlDialect::TsqlDialect() = default;

TsqlDialect::~TsqlDialect() {
    std::lock_guard lock(m_mutex);
    for (auto& [db, state] : m_states)
        state->owner = nullptr;
}

QString TsqlDialect::companionFile(const QString& databaseFile) {
    if (databaseFile.isEmpty() || databaseFile == u":memory:")
        return QStringLiteral(":memory:");
    QString base = databaseFile;
    if (base.endsWith(QLatin1String(".sqlite")))
        base.chop(7);
    return base + QStringLiteral(".tempdb.sqlite");
}

void TsqlDialect::forget(void* p) {
    // Called by SQLite when the handle closes; SQLite held its own reference to the state.
    auto* holder = static_cast<std::shared_ptr<HandleState>*>(p);
    const std::shared_ptr<HandleState> state = *holder;
    delete holder;
    TsqlDialect* owner = state->owner;
    if (!owner)
        return;
    std::lock_guard lock(owner->m_mutex);
    const auto it = owner->m_states.find(state->db);
    if (it != owner->m_states.end() && it->second == state)
        owner->m_states.erase(it);
}

bool TsqlDialect::prepareHandle(sqlite3* db, const QString& databaseFile, DbError* err) {
    char* message = nullptr;
    if (sqlite3_mestsql_init(db, &message, nullptr) != SQLITE_OK) {
        if (err)
            *err = DbError::make(kGenericErrorNumber, QString::fromUtf8(message));
        sqlite3_free(message);
        return false;
    }
    SqliteSession session(db);
    const QString companion = companionFile(databaseFile);
    QString attach = QStringLiteral("ATTACH DATABASE '%1' AS %2")
                         .arg(QString(companion).replace(QLatin1Char('\''), QLatin1String("''")),
                              QLatin1String(kGlobalTempSchema));
    if (!session.run(attach, nullptr, nullptr, err))
        return false;
    if (companion != u":memory:" &&
        !session.run(
            QStringLiteral("PRAGMA %1.journal_mode=WAL").arg(QLatin1String(kGlobalTempSchema)),
            nullptr, nullptr, err))
        return false;

    auto state = std::make_shared<HandleState>(db);
    state->owner = this;
    state->db = db;
    // A function whose destructor runs when the handle closes tells us to drop the state.
    auto* holder = new std::shared_ptr<HandleState>(state);
    if (sqlite3_create_function_v2(db, "tsql_handle_state", 0, SQLITE_UTF8, holder, nullptr,
                                   nullptr, nullptr, &TsqlDialect::forget) != SQLITE_OK) {
        if (err)
            *err = SqliteSession::errorOf(db);
        return false;
    }
    std::lock_guard lock(m_mutex);
    m_states[db] = std::move(state);
    return true;
}

std::shared_ptr<HandleState> TsqlDialect::stateOf(sqlite3* db) {
    std::lock_guard lock(m_mutex);
    const auto it = m_states.find(db);
    if (it != m_states.end())
        return it->second;
    return nullptr;
}

bool TsqlDialect::run(SqliteSession& session, const QString& text, Recordset* result,
                      qint64* affected, DbError* err) {
    bool any = false;
    const bool ok = runBatch(
        session, text,
        [&](const Recordset& rs) {
            if (result)
                *result = rs;
            any = true;
        },
        affected, err);
    if (ok && result && !any)
        *result = Recordset();
    return ok;
}

bool TsqlDialect::runBatch(SqliteSession& session, const QString& text,
                           const std::function<void(const Recordset&)>& onResult, qint64* affected,
                           DbError* err) {
    std::shared_ptr<HandleState> state = stateOf(session.handle());
    if (!state) {
        if (err)
            *err = DbError::make(
                kGenericErrorNumber,
                QStringLiteral("the T-SQL dialect was not prepared on this connection"));
        return false;
    }
    std::lock_guard lock(state->mutex);
    std::shared_ptr<CachedBatch> batch = state->cache.value(text);
    std::vector<Token> tokens;
    literals::Shape shape;
    if (!batch) {
        // A statement of a known shape with other literals needs no translation.
        QString sql;
        bool select = false;
        if (fromTemplate(*state, text, &shape, &sql, &select))
            return runStatement(session, sql, select, onResult, affected, err);
        batch = std::make_shared<CachedBatch>();
        try {
            tokens = Lexer::tokenize(text);
            batch->batch = Parser::parse(tokens);
        } catch (const TranslateError& e) {
            if (err)
                *err = errorOf(e);
            return false;
        }
        if (state->cache.size() >= kCacheLimit)
            state->cache.clear();
        state->cache.insert(text, batch);
    }
    Runner runner(*state, session, *batch, onResult);
    DbError local;
    bool ok = true;
    try {
        for (const StatementPtr& s : batch->batch.statements) {
            if (!runner.run(*s, &local)) {
                ok = false;
                break;
            }
        }
    } catch (const TranslateError& e) {
        local = errorOf(e);
        ok = false;
    }
    if (!ok) {
        if (err)
            *err = withServerNumber(local);
        state->cache.remove(text);
        return false;
    }
    if (affected)
        *affected = runner.affected();
    if (!tokens.empty())
        keepTemplate(*state, shape, batch->batch, tokens);
    return true;
}

void TsqlDialect::forgetTranslations(sqlite3* db) {
    if (std::shared_ptr<HandleState> state = stateOf(db)) {
        std::lock_guard lock(state->mutex);
        state->cache.clear();
        state->translations.clear();
        state->templates.clear();
        state->shapesSeen.clear();
    }
}

bool TsqlDialect::translate(sqlite3* db, const QString& text, QString* sqliteText, DbError* err) {
    std::shared_ptr<HandleState> state = stateOf(db);
    std::unique_lock<std::recursive_mutex> lock;
    if (state) {
        lock = std::unique_lock(state->mutex);
        if (const QString* cached = state->translations.find(text)) {
            *sqliteText = *cached;
            return true;
        }
    }
    SqliteCatalog fallback(db);
    Catalog& catalog = state ? static_cast<Catalog&>(state->catalog) : fallback;
    try {
        literals::Shape shape;
        bool select = false;
        if (state && fromTemplate(*state, text, &shape, sqliteText, &select)) {
            *sqliteText += QLatin1Char(';');
            return true;
        }
        const std::vector<Token> tokens = Lexer::tokenize(text);
        const Batch batch = Parser::parse(tokens);
        Emitter emitter(catalog);
        QStringList out;
        for (const StatementPtr& s : batch.statements)
            describe(emitter, *s, out, 0);
        *sqliteText = out.join(QLatin1Char('\n'));
        // A table that does not exist yet may come from another connection; only what the
        // catalogue knows fully is kept, and the catalogue's changes clear it.
        if (state && !emitter.sawUnknownTable()) {
            state->translations.insert(text, *sqliteText);
            keepTemplate(*state, shape, batch, tokens);
        }
        return true;
    } catch (const TranslateError& e) {
        if (err)
            *err = errorOf(e);
        return false;
    }
}
