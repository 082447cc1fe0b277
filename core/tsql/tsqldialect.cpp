#include "core/tsql/tsqldialect.h"

#include "core/data/sqlitesession.h"
#include "core/tsql/batchrunner.h"
#include "core/tsql/emitter.h"
#include "core/tsql/handlestate.h"
#include "core/tsql/lexer.h"
#include "core/tsql/parser.h"
#include "core/tsql/tsqlextension.h"

#include <sqlite3.h>

using namespace tsql;

namespace {

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

    auto state = std::make_shared<HandleState>(std::make_unique<SqliteCatalog>(db));
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
        [&](Recordset& rs) {
            if (result)
                *result = std::move(rs);
            any = true;
        },
        affected, err);
    if (ok && result && !any)
        *result = Recordset();
    return ok;
}

bool TsqlDialect::runBatch(SqliteSession& session, const QString& text,
                           const std::function<void(Recordset&)>& onResult, qint64* affected,
                           DbError* err) {
    std::shared_ptr<HandleState> state = stateOf(session.handle());
    if (!state) {
        if (err)
            *err = DbError::make(
                kGenericErrorNumber,
                QStringLiteral("the T-SQL dialect was not prepared on this connection"));
        return false;
    }
    return tsql::runBatch(*state, session, text, onResult, affected, err);
}

void TsqlDialect::forgetTranslations(sqlite3* db) {
    if (std::shared_ptr<HandleState> state = stateOf(db)) {
        std::lock_guard lock(state->mutex);
        state->forgetTranslations();
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
    Catalog& catalog = state ? static_cast<Catalog&>(*state->catalog) : fallback;
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
            *err = translationError(e);
        return false;
    }
}
