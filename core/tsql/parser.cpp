#include "core/tsql/parser.h"

#include "core/tsql/lexer.h"
#include "core/tsql/translateerror.h"

#include <QSet>

#include <array>

namespace tsql {
namespace {

// Words that end an expression or a table source, so they are never taken as a bare alias.
bool isReserved(const Token& t) {
    static const std::array<const char16_t*, 58> words = {
        u"ADD",      u"ALL",      u"ALTER",   u"AND",       u"AS",     u"ASC",     u"BEGIN",
        u"BETWEEN",  u"BY",       u"CASE",    u"CREATE",    u"CROSS",  u"DECLARE", u"DELETE",
        u"DESC",     u"DISTINCT", u"DROP",    u"ELSE",      u"END",    u"EXCEPT",  u"EXEC",
        u"EXECUTE",  u"EXISTS",   u"FROM",    u"FULL",      u"GROUP",  u"HAVING",  u"IF",
        u"IN",       u"INNER",    u"INSERT",  u"INTERSECT", u"INTO",   u"IS",      u"JOIN",
        u"LEFT",     u"LIKE",     u"NOT",     u"NULL",      u"ON",     u"OR",      u"ORDER",
        u"OUTER",    u"PIVOT",    u"RIGHT",   u"SELECT",    u"SET",    u"THEN",    u"TOP",
        u"TRUNCATE", u"UNION",    u"UNPIVOT", u"UPDATE",    u"VALUES", u"WHEN",    u"WHERE",
        u"WHILE",    u"WITH"};
    if (t.kind != TokenKind::Word)
        return false;
    static const QSet<QString> set = [] {
        QSet<QString> s;
        for (const char16_t* w : words)
            s.insert(QString::fromUtf16(w));
        return s;
    }();
    return set.contains(t.upper);
}

class ParserImpl {
public:
    explicit ParserImpl(std::vector<Token> tokens) : m_t(std::move(tokens)) {
        // The ordinal of every string literal token, which literal templates refer to.
        m_stringOrdinal.reserve(m_t.size());
        int n = 0;
        for (const Token& t : m_t)
            m_stringOrdinal.push_back(t.kind == TokenKind::String ? n++ : -1);
    }

    Batch batch() {
        Batch b;
        for (;;) {
            while (peek().isSymbol(u";") || peek().isWord(u"GO"))
                next();
            if (peek().kind == TokenKind::End)
                return b;
            b.statements.push_back(statement());
        }
    }

private:
    // ---- token access -------------------------------------------------------------------
    const Token& peek(int ahead = 0) const {
        const size_t i = std::min(m_i + size_t(ahead), m_t.size() - 1);
        return m_t[i];
    }
    const Token& next() {
        const Token& t = m_t[m_i];
        if (m_i + 1 < m_t.size())
            ++m_i;
        return t;
    }
    bool acceptWord(QStringView w) {
        if (!peek().isWord(w))
            return false;
        next();
        return true;
    }
    bool acceptSymbol(QStringView s) {
        if (!peek().isSymbol(s))
            return false;
        next();
        return true;
    }
    [[noreturn]] void fail(const Token& t) const {
        if (t.kind == TokenKind::End)
            throw TranslateError::syntax(QStringLiteral("end of text"), t.pos);
        QString near = t.text;
        if (t.kind == TokenKind::String)
            near = QLatin1Char('\'') + t.text;
        throw TranslateError::syntax(near, t.pos);
    }
    [[noreturn]] void unsupported(const QString& what, Pos pos) const {
        throw TranslateError::unsupported(what, pos);
    }
    void expectWord(QStringView w) {
        if (!acceptWord(w))
            fail(peek());
    }
    void expectSymbol(QStringView s) {
        if (!acceptSymbol(s))
            fail(peek());
    }
    QString name() {
        const Token& t = peek();
        if (t.kind == TokenKind::QuotedName || (t.kind == TokenKind::Word && !isReserved(t)))
            return next().text;
        fail(t);
    }
    // Guards the recursion depth against deeply nested text (fuzzed input).
    struct Depth {
        explicit Depth(ParserImpl& p) : p(p) {
            if (++p.m_depth > 200)
                throw TranslateError::unsupported(QStringLiteral("nesting deeper than 200"),
                                                  p.peek().pos);
        }
        ~Depth() { --p.m_depth; }
        ParserImpl& p;
    };

    // ---- statements ---------------------------------------------------------------------
    StatementPtr statement() {
        Depth d(*this);
        const Token& t = peek();
        if (t.isWord(u"SELECT") || t.isSymbol(u"(")) {
            auto s = std::make_unique<Statement>(StatementKind::Select, t.pos);
            s->query = query();
            return s;
        }
        if (t.isWord(u"INSERT"))
            return insert();
        if (t.isWord(u"UPDATE"))
            return update();
        if (t.isWord(u"DELETE"))
            return deleteStatement();
        if (t.isWord(u"TRUNCATE"))
            return truncate();
        if (t.isWord(u"IF"))
            return ifStatement();
        if (t.isWord(u"BEGIN"))
            return block();
        if (t.isWord(u"CREATE"))
            return create();
        if (t.isWord(u"DROP"))
            return drop();
        static const char16_t* const statements[] = {
            u"ALTER",     u"BACKUP",     u"BREAK",   u"CLOSE",    u"COMMIT", u"CONTINUE",
            u"DBCC",      u"DEALLOCATE", u"DECLARE", u"DENY",     u"EXEC",   u"EXECUTE",
            u"FETCH",     u"GOTO",       u"GRANT",   u"MERGE",    u"OPEN",   u"PRINT",
            u"RAISERROR", u"RETURN",     u"REVOKE",  u"ROLLBACK", u"SAVE",   u"SET",
            u"THROW",     u"USE",        u"WAITFOR", u"WHILE",    u"WITH"};
        for (const char16_t* w : statements)
            if (t.isWord(w))
                unsupported(t.text.toUpper(), t.pos);
        fail(t);
    }

    StatementPtr block() {
        const Token& b = next();
        if (peek().isWord(u"TRAN") || peek().isWord(u"TRANSACTION") || peek().isWord(u"TRY"))
            unsupported(QStringLiteral("BEGIN ") + peek().text.toUpper(), b.pos);
        auto s = std::make_unique<Statement>(StatementKind::Block, b.pos);
        for (;;) {
            while (acceptSymbol(u";")) {
            }
            if (acceptWord(u"END"))
                return s;
            if (peek().kind == TokenKind::End)
                fail(peek());
            s->body.push_back(statement());
        }
    }

    StatementPtr ifStatement() {
        auto s = std::make_unique<Statement>(StatementKind::If, next().pos);
        s->condition = expr();
        s->thenBranch = statement();
        while (acceptSymbol(u";")) {
        }
        if (acceptWord(u"ELSE"))
            s->elseBranch = statement();
        return s;
    }

    ObjectName objectName() {
        ObjectName n;
        n.pos = peek().pos;
        QStringList parts;
        parts << name();
        while (peek().isSymbol(u".")) {
            next();
            if (peek().isSymbol(u".")) {
                parts << QString(); // TEMPDB..##X: the schema left out
                continue;
            }
            parts << name();
        }
        if (parts.size() > 3)
            unsupported(QStringLiteral("four-part name"), n.pos);
        n.name = parts.takeLast();
        if (!parts.isEmpty())
            n.schema = parts.takeLast();
        if (!parts.isEmpty())
            n.database = parts.takeLast();
        return n;
    }

    StatementPtr insert() {
        auto s = std::make_unique<Statement>(StatementKind::Insert, next().pos);
        acceptWord(u"INTO");
        s->target = objectName();
        if (peek().isSymbol(u"(")) {
            next();
            do
                s->columns << name();
            while (acceptSymbol(u","));
            expectSymbol(u")");
        }
        if (acceptWord(u"VALUES")) {
            do {
                expectSymbol(u"(");
                std::vector<ExprPtr> row;
                do
                    row.push_back(expr());
                while (acceptSymbol(u","));
                expectSymbol(u")");
                s->rows.push_back(std::move(row));
            } while (acceptSymbol(u","));
        } else if (peek().isWord(u"SELECT") || peek().isSymbol(u"(")) {
            s->query = query();
        } else if (peek().isWord(u"DEFAULT") || peek().isWord(u"EXEC") ||
                   peek().isWord(u"OUTPUT")) {
            unsupported(QStringLiteral("INSERT ") + peek().text.toUpper(), peek().pos);
        } else {
            fail(peek());
        }
        return s;
    }

    StatementPtr update() {
        auto s = std::make_unique<Statement>(StatementKind::Update, next().pos);
        if (peek().isWord(u"TOP"))
            unsupported(QStringLiteral("UPDATE TOP"), peek().pos);
        s->target = objectName();
        expectWord(u"SET");
        do {
            Assignment a;
            a.pos = peek().pos;
            if (peek().kind == TokenKind::Variable)
                unsupported(QStringLiteral("variable ") + peek().text, peek().pos);
            a.column = name();
            if (acceptSymbol(u".")) {
                a.qualifier = a.column;
                a.column = name();
            }
            if (peek().kind == TokenKind::Symbol && peek().text.size() == 2 &&
                peek().text.at(1) == u'=' && peek().text != QStringLiteral("<=") &&
                peek().text != QStringLiteral(">="))
                unsupported(QStringLiteral("compound assignment"), peek().pos);
            expectSymbol(u"=");
            a.value = expr();
            s->assignments.push_back(std::move(a));
        } while (acceptSymbol(u","));
        if (acceptWord(u"FROM"))
            s->from = fromList();
        if (acceptWord(u"WHERE"))
            s->where = expr();
        return s;
    }

    StatementPtr deleteStatement() {
        auto s = std::make_unique<Statement>(StatementKind::Delete, next().pos);
        if (peek().isWord(u"TOP"))
            unsupported(QStringLiteral("DELETE TOP"), peek().pos);
        acceptWord(u"FROM");
        s->target = objectName();
        if (peek().isWord(u"FROM"))
            unsupported(QStringLiteral("DELETE .. FROM"), peek().pos);
        if (acceptWord(u"WHERE"))
            s->where = expr();
        return s;
    }

    StatementPtr truncate() {
        auto s = std::make_unique<Statement>(StatementKind::Delete, next().pos);
        expectWord(u"TABLE");
        s->target = objectName();
        return s;
    }

    StatementPtr create() {
        const Pos pos = next().pos;
        bool unique = acceptWord(u"UNIQUE");
        if (!acceptWord(u"CLUSTERED"))
            acceptWord(u"NONCLUSTERED");
        if (acceptWord(u"INDEX")) {
            auto s = std::make_unique<Statement>(StatementKind::CreateIndex, pos);
            s->unique = unique;
            s->indexName = name();
            expectWord(u"ON");
            s->target = objectName();
            expectSymbol(u"(");
            do {
                s->columns << name();
                bool desc = false;
                if (acceptWord(u"DESC"))
                    desc = true;
                else
                    acceptWord(u"ASC");
                s->descending.push_back(desc);
            } while (acceptSymbol(u","));
            expectSymbol(u")");
            if (peek().isWord(u"INCLUDE") || peek().isWord(u"WITH") || peek().isWord(u"WHERE"))
                unsupported(QStringLiteral("CREATE INDEX .. ") + peek().text.toUpper(), peek().pos);
            return s;
        }
        if (unique)
            fail(peek());
        if (!peek().isWord(u"TABLE"))
            unsupported(QStringLiteral("CREATE ") + peek().text.toUpper(), peek().pos);
        next();
        auto s = std::make_unique<Statement>(StatementKind::CreateTable, pos);
        s->target = objectName();
        expectSymbol(u"(");
        do {
            if (peek().isWord(u"CONSTRAINT") || peek().isWord(u"PRIMARY") ||
                peek().isWord(u"UNIQUE"))
                tableConstraint(*s);
            else
                s->columnDefs.push_back(columnDef());
        } while (acceptSymbol(u","));
        expectSymbol(u")");
        return s;
    }

    QStringList keyColumns() {
        if (!acceptWord(u"CLUSTERED"))
            acceptWord(u"NONCLUSTERED");
        QStringList cols;
        expectSymbol(u"(");
        do {
            cols << name();
            if (!acceptWord(u"ASC"))
                acceptWord(u"DESC");
        } while (acceptSymbol(u","));
        expectSymbol(u")");
        return cols;
    }

    void tableConstraint(Statement& s) {
        if (acceptWord(u"CONSTRAINT"))
            name();
        const Token& t = peek();
        if (acceptWord(u"PRIMARY")) {
            expectWord(u"KEY");
            s.primaryKey = keyColumns();
        } else if (acceptWord(u"UNIQUE")) {
            s.uniqueKeys.push_back(keyColumns());
        } else {
            unsupported(QStringLiteral("constraint ") + t.text.toUpper(), t.pos);
        }
    }

    ColumnDef columnDef() {
        ColumnDef c;
        c.pos = peek().pos;
        c.name = name();
        c.type = typeName();
        for (;;) {
            const Token& t = peek();
            if (acceptWord(u"IDENTITY")) {
                c.identity = true;
                if (acceptSymbol(u"(")) {
                    number();
                    expectSymbol(u",");
                    number();
                    expectSymbol(u")");
                }
            } else if (acceptWord(u"NOT")) {
                expectWord(u"NULL");
                c.notNull = true;
            } else if (acceptWord(u"NULL")) {
            } else if (acceptWord(u"PRIMARY")) {
                expectWord(u"KEY");
                if (!acceptWord(u"CLUSTERED"))
                    acceptWord(u"NONCLUSTERED");
                c.primaryKey = true;
            } else if (acceptWord(u"UNIQUE")) {
                c.unique = true;
            } else if (acceptWord(u"DEFAULT")) {
                c.defaultValue = primary();
            } else if (acceptWord(u"CONSTRAINT")) {
                name();
            } else if (t.isWord(u"CHECK") || t.isWord(u"REFERENCES") || t.isWord(u"FOREIGN") ||
                       t.isWord(u"COLLATE")) {
                unsupported(QStringLiteral("column ") + t.text.toUpper(), t.pos);
            } else {
                return c;
            }
        }
    }

    void number() {
        if (peek().kind != TokenKind::Number)
            fail(peek());
        next();
    }

    TypeName typeName() {
        TypeName t;
        t.pos = peek().pos;
        const Token& n = peek();
        if (!n.isName())
            fail(n);
        t.name = next().text.toUpper();
        if (t.name == QStringLiteral("DOUBLE") && acceptWord(u"PRECISION"))
            t.name = QStringLiteral("FLOAT");
        if (acceptSymbol(u"(")) {
            if (acceptWord(u"MAX")) {
                t.length = -2;
            } else {
                if (peek().kind != TokenKind::Number)
                    fail(peek());
                t.length = next().text.toInt();
                if (acceptSymbol(u",")) {
                    if (peek().kind != TokenKind::Number)
                        fail(peek());
                    t.scale = next().text.toInt();
                }
            }
            expectSymbol(u")");
        }
        return t;
    }

    StatementPtr drop() {
        const Pos pos = next().pos;
        if (!peek().isWord(u"TABLE"))
            unsupported(QStringLiteral("DROP ") + peek().text.toUpper(), peek().pos);
        next();
        auto s = std::make_unique<Statement>(StatementKind::DropTable, pos);
        if (peek().isWord(u"IF") && peek(1).isWord(u"EXISTS")) {
            next();
            next();
            s->ifExists = true;
        }
        do
            s->dropTargets.push_back(objectName());
        while (acceptSymbol(u","));
        return s;
    }

    // ---- queries ------------------------------------------------------------------------
    QueryPtr query() {
        Depth d(*this);
        auto q = std::make_unique<Query>();
        q->pos = peek().pos;
        if (peek().isSymbol(u"("))
            unsupported(QStringLiteral("parenthesised query"), peek().pos);
        q->arms.push_back(select());
        for (;;) {
            const Token& t = peek();
            if (acceptWord(u"UNION")) {
                q->unionAll.push_back(acceptWord(u"ALL"));
                if (!peek().isWord(u"SELECT"))
                    fail(peek());
                q->arms.push_back(select());
            } else if (t.isWord(u"EXCEPT") || t.isWord(u"INTERSECT")) {
                unsupported(t.text.toUpper(), t.pos);
            } else {
                break;
            }
        }
        if (peek().isWord(u"ORDER")) {
            next();
            expectWord(u"BY");
            do {
                OrderItem o;
                o.expr = expr();
                if (acceptWord(u"DESC"))
                    o.descending = true;
                else
                    acceptWord(u"ASC");
                q->orderBy.push_back(std::move(o));
            } while (acceptSymbol(u","));
        }
        for (const char16_t* w : {u"OFFSET", u"FOR", u"OPTION", u"COMPUTE"})
            if (peek().isWord(w))
                unsupported(peek().text.toUpper(), peek().pos);
        return q;
    }

    Select select() {
        Select s;
        s.pos = peek().pos;
        expectWord(u"SELECT");
        if (acceptWord(u"DISTINCT"))
            s.distinct = true;
        else
            acceptWord(u"ALL");
        if (peek().isWord(u"TOP")) {
            next();
            if (acceptSymbol(u"(")) {
                s.top = expr();
                expectSymbol(u")");
            } else {
                s.top = primary();
            }
            if (peek().isWord(u"PERCENT") || peek().isWord(u"WITH"))
                unsupported(QStringLiteral("TOP .. ") + peek().text.toUpper(), peek().pos);
        }
        do
            s.items.push_back(selectItem());
        while (acceptSymbol(u","));
        if (peek().isWord(u"INTO"))
            unsupported(QStringLiteral("SELECT .. INTO"), peek().pos);
        if (acceptWord(u"FROM"))
            s.from = fromList();
        if (acceptWord(u"WHERE"))
            s.where = expr();
        if (peek().isWord(u"GROUP")) {
            next();
            expectWord(u"BY");
            do
                s.groupBy.push_back(expr());
            while (acceptSymbol(u","));
        }
        if (acceptWord(u"HAVING"))
            s.having = expr();
        return s;
    }

    SelectItem selectItem() {
        SelectItem item;
        // alias = expression
        if (peek().isName() && peek(1).isSymbol(u"=") && !isReserved(peek())) {
            item.alias = next().text;
            next();
            item.hasAlias = true;
            item.expr = expr();
            return item;
        }
        if (peek().kind == TokenKind::Variable)
            unsupported(QStringLiteral("variable ") + peek().text, peek().pos);
        item.expr = expr();
        if (acceptWord(u"AS")) {
            const Token& t = peek();
            if (t.kind == TokenKind::String || t.isName())
                item.alias = next().text;
            else
                fail(t);
            item.hasAlias = true;
        } else if (peek().kind == TokenKind::QuotedName ||
                   (peek().kind == TokenKind::Word && !isReserved(peek())) ||
                   peek().kind == TokenKind::String) {
            item.alias = next().text;
            item.hasAlias = true;
        }
        return item;
    }

    std::vector<FromItem> fromList() {
        std::vector<FromItem> list;
        do {
            FromItem item;
            item.first = tableRef();
            for (;;) {
                Join j;
                j.pos = peek().pos;
                if (acceptWord(u"JOIN")) {
                    j.type = JoinType::Inner;
                } else if (acceptWord(u"INNER")) {
                    expectJoinKeyword();
                    j.type = JoinType::Inner;
                } else if (peek().isWord(u"LEFT") || peek().isWord(u"RIGHT") ||
                           peek().isWord(u"FULL")) {
                    const Token& t = next();
                    j.type = t.isWord(u"LEFT")    ? JoinType::Left
                             : t.isWord(u"RIGHT") ? JoinType::Right
                                                  : JoinType::Full;
                    acceptWord(u"OUTER");
                    expectJoinKeyword();
                } else if (acceptWord(u"CROSS")) {
                    if (peek().isWord(u"APPLY"))
                        unsupported(QStringLiteral("CROSS APPLY"), j.pos);
                    expectJoinKeyword();
                    j.type = JoinType::Cross;
                } else if (peek().isWord(u"OUTER") && peek(1).isWord(u"APPLY")) {
                    unsupported(QStringLiteral("OUTER APPLY"), j.pos);
                } else {
                    break;
                }
                j.right = tableRef();
                if (j.type != JoinType::Cross) {
                    expectWord(u"ON");
                    j.on = expr();
                }
                item.joins.push_back(std::move(j));
            }
            list.push_back(std::move(item));
        } while (acceptSymbol(u","));
        return list;
    }

    void expectJoinKeyword() {
        const Token& t = peek();
        if (t.isWord(u"HASH") || t.isWord(u"LOOP") || t.isWord(u"MERGE"))
            unsupported(QStringLiteral("join hint ") + t.text.toUpper(), t.pos);
        expectWord(u"JOIN");
    }

    QString optionalAlias() {
        if (acceptWord(u"AS"))
            return name();
        const Token& t = peek();
        if (t.kind == TokenKind::QuotedName || (t.kind == TokenKind::Word && !isReserved(t)))
            return next().text;
        return QString();
    }

    TableRefPtr tableRef() {
        Depth d(*this);
        auto ref = std::make_unique<TableRef>();
        ref->pos = peek().pos;
        if (acceptSymbol(u"(")) {
            if (!peek().isWord(u"SELECT"))
                unsupported(QStringLiteral("parenthesised join"), peek().pos);
            ref->derived = query();
            expectSymbol(u")");
            ref->alias = optionalAlias();
            if (ref->alias.isEmpty())
                fail(peek());
        } else {
            if (peek().kind == TokenKind::Variable)
                unsupported(QStringLiteral("table variable"), peek().pos);
            ref->table = objectName();
            if (peek().isSymbol(u"("))
                unsupported(QStringLiteral("table-valued function ") + ref->table.name, ref->pos);
            ref->alias = optionalAlias();
            tableHints();
        }
        if (peek().isWord(u"PIVOT")) {
            ref->pivot = pivot();
        } else if (peek().isWord(u"UNPIVOT")) {
            unsupported(QStringLiteral("UNPIVOT"), peek().pos);
        }
        return ref;
    }

    // WITH (NOLOCK) and the like: locking hints change nothing in a single-file database.
    void tableHints() {
        if (!peek().isWord(u"WITH") || !peek(1).isSymbol(u"("))
            return;
        next();
        next();
        do {
            const Token& t = peek();
            if (!(t.isWord(u"NOLOCK") || t.isWord(u"READUNCOMMITTED") || t.isWord(u"ROWLOCK") ||
                  t.isWord(u"UPDLOCK") || t.isWord(u"HOLDLOCK")))
                unsupported(QStringLiteral("table hint ") + t.text.toUpper(), t.pos);
            next();
        } while (acceptSymbol(u","));
        expectSymbol(u")");
    }

    std::unique_ptr<Pivot> pivot() {
        next();
        auto p = std::make_unique<Pivot>();
        expectSymbol(u"(");
        p->aggregate = primary();
        if (p->aggregate->kind != ExprKind::Function)
            fail(peek());
        expectWord(u"FOR");
        p->columnPos = peek().pos;
        p->column = name();
        expectWord(u"IN");
        expectSymbol(u"(");
        do
            p->values << name();
        while (acceptSymbol(u","));
        expectSymbol(u")");
        expectSymbol(u")");
        p->alias = optionalAlias();
        if (p->alias.isEmpty())
            fail(peek());
        return p;
    }

    // ---- expressions --------------------------------------------------------------------
    ExprPtr binary(const Token& op, ExprPtr l, ExprPtr r) {
        auto e = std::make_unique<Expr>(ExprKind::Binary, op.pos);
        e->text = op.text.toUpper();
        e->args.push_back(std::move(l));
        e->args.push_back(std::move(r));
        return e;
    }

    ExprPtr expr() {
        Depth d(*this);
        ExprPtr l = andExpr();
        while (peek().isWord(u"OR")) {
            const Token& op = next();
            l = binary(op, std::move(l), andExpr());
        }
        return l;
    }

    ExprPtr andExpr() {
        ExprPtr l = notExpr();
        while (peek().isWord(u"AND")) {
            const Token& op = next();
            l = binary(op, std::move(l), notExpr());
        }
        return l;
    }

    ExprPtr notExpr() {
        Depth d(*this);
        if (peek().isWord(u"NOT")) {
            auto e = std::make_unique<Expr>(ExprKind::Unary, next().pos);
            e->text = QStringLiteral("NOT");
            e->args.push_back(notExpr());
            return e;
        }
        return predicate();
    }

    static bool isComparison(const Token& t) {
        if (t.kind != TokenKind::Symbol)
            return false;
        for (const char16_t* op : {u"=", u"<>", u"!=", u"<", u">", u"<=", u">=", u"!<", u"!>"})
            if (t.text == QStringView(op))
                return true;
        return false;
    }

    ExprPtr predicate() {
        ExprPtr l = additive();
        for (;;) {
            const Token& t = peek();
            if (isComparison(t)) {
                next();
                if (peek().isWord(u"ALL") || peek().isWord(u"ANY") || peek().isWord(u"SOME"))
                    unsupported(peek().text.toUpper() + QStringLiteral(" comparison"), peek().pos);
                l = binary(t, std::move(l), additive());
                continue;
            }
            if (t.isWord(u"IS")) {
                next();
                auto e = std::make_unique<Expr>(ExprKind::IsNull, t.pos);
                e->negated = acceptWord(u"NOT");
                expectWord(u"NULL");
                e->args.push_back(std::move(l));
                l = std::move(e);
                continue;
            }
            bool negated = false;
            if (t.isWord(u"NOT") &&
                (peek(1).isWord(u"LIKE") || peek(1).isWord(u"BETWEEN") || peek(1).isWord(u"IN"))) {
                next();
                negated = true;
            }
            const Token& k = peek();
            if (acceptWord(u"LIKE")) {
                auto e = std::make_unique<Expr>(ExprKind::Like, k.pos);
                e->negated = negated;
                e->args.push_back(std::move(l));
                e->args.push_back(additive());
                if (acceptWord(u"ESCAPE"))
                    e->args.push_back(additive());
                l = std::move(e);
            } else if (acceptWord(u"BETWEEN")) {
                auto e = std::make_unique<Expr>(ExprKind::Between, k.pos);
                e->negated = negated;
                e->args.push_back(std::move(l));
                e->args.push_back(additive());
                expectWord(u"AND");
                e->args.push_back(additive());
                l = std::move(e);
            } else if (acceptWord(u"IN")) {
                expectSymbol(u"(");
                if (peek().isWord(u"SELECT")) {
                    auto e = std::make_unique<Expr>(ExprKind::InQuery, k.pos);
                    e->negated = negated;
                    e->args.push_back(std::move(l));
                    e->query = query();
                    l = std::move(e);
                } else {
                    auto e = std::make_unique<Expr>(ExprKind::InList, k.pos);
                    e->negated = negated;
                    e->args.push_back(std::move(l));
                    do
                        e->args.push_back(expr());
                    while (acceptSymbol(u","));
                    l = std::move(e);
                }
                expectSymbol(u")");
            } else {
                if (negated)
                    fail(peek());
                return l;
            }
        }
    }

    ExprPtr additive() {
        ExprPtr l = multiplicative();
        for (;;) {
            const Token& t = peek();
            if (t.isSymbol(u"+") || t.isSymbol(u"-") || t.isSymbol(u"&") || t.isSymbol(u"|") ||
                t.isSymbol(u"^")) {
                next();
                l = binary(t, std::move(l), multiplicative());
            } else {
                return l;
            }
        }
    }

    ExprPtr multiplicative() {
        ExprPtr l = unary();
        for (;;) {
            const Token& t = peek();
            if (t.isSymbol(u"*") || t.isSymbol(u"/") || t.isSymbol(u"%")) {
                next();
                l = binary(t, std::move(l), unary());
            } else {
                return l;
            }
        }
    }

    ExprPtr unary() {
        Depth d(*this);
        const Token& t = peek();
        if (t.isSymbol(u"-") || t.isSymbol(u"+") || t.isSymbol(u"~")) {
            next();
            auto e = std::make_unique<Expr>(ExprKind::Unary, t.pos);
            e->text = t.text;
            e->args.push_back(unary());
            return e;
        }
        return primary();
    }

    ExprPtr primary() {
        Depth d(*this);
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::String: {
            auto e = std::make_unique<Expr>(ExprKind::String, t.pos);
            e->text = t.text;
            e->unicode = t.unicode;
            e->literalIndex = m_stringOrdinal[m_i];
            next();
            return e;
        }
        case TokenKind::Number: {
            auto e = std::make_unique<Expr>(ExprKind::Number, t.pos);
            e->text = t.text;
            next();
            return e;
        }
        case TokenKind::Variable:
            unsupported(QStringLiteral("variable ") + t.text, t.pos);
        case TokenKind::Symbol:
            if (t.isSymbol(u"(")) {
                next();
                if (peek().isWord(u"SELECT")) {
                    auto e = std::make_unique<Expr>(ExprKind::Subquery, t.pos);
                    e->query = query();
                    expectSymbol(u")");
                    return e;
                }
                ExprPtr inner = expr();
                expectSymbol(u")");
                return inner;
            }
            if (t.isSymbol(u"*")) {
                next();
                return std::make_unique<Expr>(ExprKind::Star, t.pos);
            }
            fail(t);
        case TokenKind::End:
            fail(t);
        case TokenKind::Word:
        case TokenKind::QuotedName:
            break;
        }
        if (t.kind == TokenKind::Word) {
            if (t.isWord(u"NULL")) {
                next();
                return std::make_unique<Expr>(ExprKind::Null, t.pos);
            }
            if (t.isWord(u"CASE"))
                return caseExpr();
            if (t.isWord(u"EXISTS")) {
                next();
                auto e = std::make_unique<Expr>(ExprKind::Exists, t.pos);
                expectSymbol(u"(");
                e->query = query();
                expectSymbol(u")");
                return e;
            }
            if (t.isWord(u"CAST") && peek(1).isSymbol(u"("))
                return cast();
            if ((t.isWord(u"CONVERT") || t.isWord(u"TRY_CONVERT")) && peek(1).isSymbol(u"("))
                return convert();
            if (t.isWord(u"CURRENT_TIMESTAMP")) {
                next();
                auto e = std::make_unique<Expr>(ExprKind::Function, t.pos);
                e->text = QStringLiteral("GETDATE");
                return e;
            }
            // LEFT( and RIGHT( are the string functions, not joins.
            if ((t.isWord(u"LEFT") || t.isWord(u"RIGHT")) && peek(1).isSymbol(u"("))
                return function();
            if (isReserved(t))
                fail(t);
        }
        if (peek(1).isSymbol(u"(") && t.kind == TokenKind::Word)
            return function();
        return columnRef();
    }

    ExprPtr columnRef() {
        const Pos pos = peek().pos;
        QStringList parts;
        parts << name();
        while (peek().isSymbol(u".")) {
            next();
            if (peek().isSymbol(u"*")) {
                next();
                auto e = std::make_unique<Expr>(ExprKind::Star, pos);
                e->qualifier = parts.last();
                return e;
            }
            parts << name();
        }
        if (parts.size() > 3)
            unsupported(QStringLiteral("four-part column name"), pos);
        auto e = std::make_unique<Expr>(ExprKind::Column, pos);
        e->text = parts.takeLast();
        if (!parts.isEmpty())
            e->qualifier = parts.takeLast();
        return e;
    }

    ExprPtr function() {
        const Token& t = next();
        auto e = std::make_unique<Expr>(ExprKind::Function, t.pos);
        e->text = t.text.toUpper();
        expectSymbol(u"(");
        if (acceptSymbol(u")"))
            return overGuard(std::move(e));
        if (acceptWord(u"DISTINCT"))
            e->distinct = true;
        else
            acceptWord(u"ALL");
        if (peek().isSymbol(u"*") && peek(1).isSymbol(u")")) {
            next();
            e->star = true;
        } else {
            // DATEDIFF(minute, ..) and DATEADD take a date part as a bare word.
            do
                e->args.push_back(expr());
            while (acceptSymbol(u","));
        }
        expectSymbol(u")");
        return overGuard(std::move(e));
    }

    ExprPtr overGuard(ExprPtr e) {
        if (peek().isWord(u"OVER"))
            unsupported(QStringLiteral("OVER"), peek().pos);
        if (peek().isWord(u"WITHIN"))
            unsupported(QStringLiteral("WITHIN GROUP"), peek().pos);
        return e;
    }

    ExprPtr cast() {
        const Token& t = next();
        auto e = std::make_unique<Expr>(ExprKind::Cast, t.pos);
        expectSymbol(u"(");
        e->args.push_back(expr());
        expectWord(u"AS");
        e->type = typeName();
        expectSymbol(u")");
        return e;
    }

    ExprPtr convert() {
        const Token& t = next();
        if (t.isWord(u"TRY_CONVERT"))
            unsupported(QStringLiteral("TRY_CONVERT"), t.pos);
        auto e = std::make_unique<Expr>(ExprKind::Cast, t.pos);
        e->isConvert = true;
        expectSymbol(u"(");
        e->type = typeName();
        expectSymbol(u",");
        e->args.push_back(expr());
        if (acceptSymbol(u","))
            e->args.push_back(expr());
        expectSymbol(u")");
        return e;
    }

    ExprPtr caseExpr() {
        auto e = std::make_unique<Expr>(ExprKind::Case, next().pos);
        if (!peek().isWord(u"WHEN")) {
            e->hasOperand = true;
            e->args.push_back(expr());
        }
        if (!peek().isWord(u"WHEN"))
            fail(peek());
        while (acceptWord(u"WHEN")) {
            e->args.push_back(expr());
            expectWord(u"THEN");
            e->args.push_back(expr());
        }
        if (acceptWord(u"ELSE")) {
            e->hasElse = true;
            e->args.push_back(expr());
        }
        expectWord(u"END");
        return e;
    }

    std::vector<Token> m_t;
    std::vector<int> m_stringOrdinal;
    size_t m_i = 0;
    int m_depth = 0;
};

} // namespace

Batch Parser::parse(const QString& text) {
    return ParserImpl(Lexer::tokenize(text)).batch();
}

Batch Parser::parse(std::vector<Token> tokens) {
    return ParserImpl(std::move(tokens)).batch();
}

} // namespace tsql
