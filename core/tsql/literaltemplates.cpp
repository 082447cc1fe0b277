#include "core/tsql/literaltemplates.h"

#include "core/tsql/emitter.h"
#include "core/tsql/translateerror.h"

#include <algorithm>

namespace tsql::literals {
namespace {

bool holdsMarker(const QString& s) {
    return s.contains(QLatin1Char('\x01')) || s.contains(QLatin1Char('\x02'));
}

void appendQuoted(QString& out, const QString& s) {
    out += QLatin1Char('\'');
    for (QChar c : s) {
        if (c == u'\'')
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
}

} // namespace

QString keyOf(const QString& text, const std::vector<Token>& tokens) {
    if (holdsMarker(text))
        return QString();
    QString key;
    key.reserve(text.size() + qsizetype(tokens.size()) * 2);
    for (const Token& t : tokens) {
        key += QChar(u'a' + int(t.kind));
        if (t.kind != TokenKind::String)
            key += t.text;
        else if (t.unicode)
            key += QLatin1Char('N');
        key += QLatin1Char('\x1f');
    }
    return key;
}

std::optional<LiteralTemplate> make(Catalog& catalog, const Statement& s,
                                    const std::vector<Token>& tokens) {
    LiteralTemplate t;
    if (s.kind != StatementKind::Select && s.kind != StatementKind::Insert &&
        s.kind != StatementKind::Update && s.kind != StatementKind::Delete)
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
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind == TokenKind::String &&
            !std::binary_search(placeholders.begin(), placeholders.end(), int(i)))
            t.fixed.emplace_back(int(i), tokens[i].text);
    t.likePatterns = emitter.likePatternTokens();
    t.select = s.kind == StatementKind::Select;
    t.usable = true;
    return t;
}

bool fill(const LiteralTemplate& t, const std::vector<Token>& tokens, QString* sql) {
    auto stringAt = [&](int i) -> const Token* {
        return i >= 0 && size_t(i) < tokens.size() && tokens[size_t(i)].kind == TokenKind::String
                   ? &tokens[size_t(i)]
                   : nullptr;
    };
    for (const auto& [i, text] : t.fixed) {
        const Token* tok = stringAt(i);
        if (!tok || tok->text != text)
            return false;
    }
    for (int i : t.likePatterns) {
        const Token* tok = stringAt(i);
        if (!tok || tok->text.contains(QLatin1Char('[')))
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
        const Token* tok = stringAt(QStringView(s).mid(open + 1, close - open - 1).toInt());
        if (!tok)
            return false;
        appendQuoted(out, tok->text);
        from = close + 1;
    }
    out += QStringView(s).mid(from);
    *sql = std::move(out);
    return true;
}

} // namespace tsql::literals
