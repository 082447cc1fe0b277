#include "core/tsql/batchrunner.h"

#include "core/data/statementrunner.h"
#include "core/tsql/emitter.h"
#include "core/tsql/lexer.h"
#include "core/tsql/parser.h"

using namespace tsql;

namespace {

// Many texts differ only in spliced values; a bounded cache keeps the memory small.
constexpr int kCacheLimit = 512;

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
    Runner(HandleState& state, StatementRunner& session, CachedBatch& batch,
           const std::function<void(Recordset&)>& onResult)
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
        Emitter emitter(*m_state.catalog);
        QString sql = emitSql(emitter);
        m_batch.sql.insert(key, sql);
        return sql;
    }

    HandleState& m_state;
    StatementRunner& m_session;
    CachedBatch& m_batch;
    const std::function<void(Recordset&)>& m_onResult;
    qint64 m_affected = 0;
};

// Runs the SQLite text of one statement made from a literal template.
bool runStatement(StatementRunner& session, const QString& sql, bool select,
                  const std::function<void(Recordset&)>& onResult, qint64* affected, DbError* err) {
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

} // namespace

namespace tsql {

DbError translationError(const TranslateError& e) {
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
            literals::make(*state.catalog, *batch.statements[0], tokens, shape))
        state.templates.insert(shape.key, std::move(*t));
}

bool runBatch(HandleState& state, StatementRunner& native, const QString& text,
              const std::function<void(Recordset&)>& onResult, qint64* affected, DbError* err) {
    std::lock_guard lock(state.mutex);
    std::shared_ptr<CachedBatch> batch = state.cache.value(text);
    std::vector<Token> tokens;
    literals::Shape shape;
    if (!batch) {
        // A statement of a known shape with other literals needs no translation.
        QString sql;
        bool select = false;
        if (fromTemplate(state, text, &shape, &sql, &select))
            return runStatement(native, sql, select, onResult, affected, err);
        batch = std::make_shared<CachedBatch>();
        try {
            tokens = Lexer::tokenize(text);
            batch->batch = Parser::parse(tokens);
        } catch (const TranslateError& e) {
            if (err)
                *err = translationError(e);
            return false;
        }
        if (state.cache.size() >= kCacheLimit)
            state.cache.clear();
        state.cache.insert(text, batch);
    }
    Runner runner(state, native, *batch, onResult);
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
        local = translationError(e);
        ok = false;
    }
    if (!ok) {
        if (err)
            *err = withServerNumber(local);
        state.cache.remove(text);
        return false;
    }
    if (affected)
        *affected = runner.affected();
    if (!tokens.empty())
        keepTemplate(state, shape, batch->batch, tokens);
    return true;
}

} // namespace tsql
