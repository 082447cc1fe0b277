#include "core/tsql/literaltemplates.h"

#include "core/tsql/sqlquote.h"

#include "core/tsql/emitter.h"
#include "core/tsql/translateerror.h"

#include <algorithm>

namespace tsql::literals {
namespace {

// The end of a quoted name or literal that starts at i (after the closing quote), where a
// doubled closing quote stands for itself; -1 when it is not closed.
qsizetype quotedEnd(const QString& s, qsizetype i, QChar close) {
    for (qsizetype k = i + 1; k < s.size(); ++k) {
        if (s[k] != close)
            continue;
        if (k + 1 < s.size() && s[k + 1] == close) {
            ++k;
            continue;
        }
        return k + 1;
    }
    return -1;
}

qsizetype blockCommentEnd(const QString& s, qsizetype i) {
    int depth = 0;
    for (qsizetype k = i; k + 1 < s.size(); ++k) {
        if (s[k] == u'/' && s[k + 1] == u'*') {
            ++depth;
            ++k;
        } else if (s[k] == u'*' && s[k + 1] == u'/') {
            ++k;
            if (--depth == 0)
                return k + 1;
        }
    }
    return -1;
}

} // namespace

bool shapeOf(const QString& text, Shape* shape) {
    if (text.contains(QLatin1Char('\x01')) || text.contains(QLatin1Char('\x02')))
        return false;
    shape->key.clear();
    shape->key.reserve(text.size());
    shape->literals.clear();
    qsizetype from = 0; // start of the text not yet copied to the key
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        const QChar next = i + 1 < n ? text[i + 1] : QChar();
        qsizetype end = i + 1;
        const bool lineComment = c == u'-' && next == u'-';
        if (lineComment || (c == u'/' && next == u'*')) {
            end = lineComment ? text.indexOf(QLatin1Char('\n'), i) : blockCommentEnd(text, i);
            if (end < 0 && lineComment)
                end = n;
            if (end < 0)
                return false;
            // A comment changes nothing in the translation: texts that differ only there
            // (a date left in a commented-out condition, say) share one shape.
            shape->key += QStringView(text).mid(from, i - from);
            shape->key += QLatin1Char(' ');
            from = end;
        } else if (c == u'"' || c == u'[') {
            end = quotedEnd(text, i, c == u'"' ? QChar(u'"') : QChar(u']'));
        } else if (c == u'\'') {
            end = quotedEnd(text, i, QChar(u'\''));
            if (end < 0)
                return false;
            shape->key += QStringView(text).mid(from, i + 1 - from);
            shape->key += QLatin1Char('\'');
            shape->literals
                << text.mid(i + 1, end - i - 2).replace(QLatin1String("''"), QLatin1String("'"));
            from = end;
        }
        if (end < 0)
            return false;
        i = end;
    }
    shape->key += QStringView(text).mid(from);
    return true;
}

std::optional<LiteralTemplate> make(Catalog& catalog, const Statement& s,
                                    const std::vector<Token>& tokens, const Shape& shape) {
    LiteralTemplate t;
    if (s.kind != StatementKind::Select && s.kind != StatementKind::Insert &&
        s.kind != StatementKind::Update && s.kind != StatementKind::Delete)
        return t;
    // The shape must have found exactly the lexer's string literals; then it does so for
    // every text of this shape, which differs from this one only inside the literals.
    QStringList strings;
    for (const Token& tok : tokens)
        if (tok.kind == TokenKind::String)
            strings << tok.text;
    if (strings != shape.literals)
        return t;
    Emitter emitter(catalog);
    emitter.emitLiteralPlaceholders();
    try {
        t.sql = emitter.statement(s);
    } catch (const Emitter::NotTemplatable&) {
        return t;
    } catch (const TranslateError&) {
        return t;
    }
    if (emitter.sawUnknownTable())
        return std::nullopt;
    std::vector<int> placeholders = emitter.placeholderTokens();
    std::sort(placeholders.begin(), placeholders.end());
    for (qsizetype i = 0; i < strings.size(); ++i)
        if (!std::binary_search(placeholders.begin(), placeholders.end(), int(i)))
            t.fixed.emplace_back(int(i), strings[i]);
    t.likePatterns = emitter.likePatternTokens();
    t.select = s.kind == StatementKind::Select;
    t.usable = true;
    return t;
}

bool fill(const LiteralTemplate& t, const QStringList& literals, QString* sql) {
    auto at = [&](int i) -> const QString* {
        return i >= 0 && i < literals.size() ? &literals[i] : nullptr;
    };
    for (const auto& [i, text] : t.fixed) {
        const QString* v = at(i);
        if (!v || *v != text)
            return false;
    }
    for (int i : t.likePatterns) {
        const QString* v = at(i);
        if (!v || v->contains(QLatin1Char('[')))
            return false;
    }
    QString out;
    out.reserve(t.sql.size() + 64);
    const QString& s = t.sql;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = s.indexOf(QLatin1Char('\x01'), from);
        if (open < 0)
            break;
        const qsizetype close = s.indexOf(QLatin1Char('\x02'), open);
        if (close < 0)
            return false;
        out += QStringView(s).mid(from, open - from);
        const QString* v = at(QStringView(s).mid(open + 1, close - open - 1).toInt());
        if (!v)
            return false;
        appendQuoted(out, *v, QLatin1Char('\''));
        from = close + 1;
    }
    out += QStringView(s).mid(from);
    *sql = std::move(out);
    return true;
}

} // namespace tsql::literals
